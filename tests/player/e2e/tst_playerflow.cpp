// The player's way from the log-in to a seat, against the real server: the
// log-in dialog, the lobby, a table window of its own with its own server
// session through the buy-in, a second table, the same game twice, leaving,
// static credentials, a portal nickname and a language change.
#include "abstractgamelistdialogitem.h"
#include "defaulttheme.h"
#include "gamehistorydialogitem.h"
#include "gamelistrows.h"
#include "gamescene.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "playeroptionsdialogitem.h"
#include "playerprogram.h"
#include "playerusernamedialogitem.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"

#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace VeskGames;
using PlayerTest::Program;

namespace {

/// The least a theme's lobby can be: the abstract lobby's contract and
/// nothing else. It keeps what the program hands it.
class FakeLobby : public AbstractGameListDialogItem
{
    Q_OBJECT

public:
    QList<QVariantMap> games;
    int freerollLists = 0;

    void slotGameList(Command* command) override
    {
        bool ok = false;
        games = GameListRows::records(command, &ok);
    }
    void slotFreerollList(Command*) override { ++freerollLists; }
    void refreshList() override { Q_EMIT actionRefreshGameList(); }
    void refreshDetails() override {}
};

/// The default look with a lobby of its own.
class FakeLobbyTheme : public DefaultTheme
{
public:
    AbstractGameListDialogItem* createGameListDialogItem(Client*, const QVariantMap&,
                                                         AbstractPokerTableScene*) const override
    {
        return new FakeLobby;
    }
};

} // namespace

class TestPlayerFlow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PokerdProcess m_server;
    std::unique_ptr<DefaultTheme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<VeskGames::PlayerController*>();
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
        QVERIFY(m_server.start(m_dir.filePath("data"), {"--action-timeout", "30"}));
    }

    void cleanupTestCase() { m_theme.reset(); }

    void loginWithoutPing()
    {
        Program program(m_server.port(), m_theme.get());
        QSignalSpy states(program.controller.get(), &PlayerController::stateEntered);
        program.controller->startUp(true);
        QCOMPARE(program.controller->state(), StateLogin);
        QVERIFY(program.top<LoginDialogItem>());
        QCoreApplication::processEvents();
        QVERIFY(program.view.grab().save(SCREENSHOT_DIR "/player-login.png"));
        QCOMPARE(states.size(), 1);
    }

    void login_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("message");

        QTest::newRow("wrong password") << "demo1"
                                        << "wrong" << int(StateLogin) << true;
        QTest::newRow("unknown user") << "nobody"
                                      << "demo" << int(StateLogin) << true;
        QTest::newRow("right") << "demo1"
                               << "demo" << int(StateLobby) << false;
    }

    void login()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(int, state);
        QFETCH(bool, message);
        Program program(m_server.port(), m_theme.get());
        QSignalSpy states(program.controller.get(), &PlayerController::stateEntered);
        program.controller->startUp(true);
        QVERIFY(program.logIn(user, password));
        // Past the wait for the answer, to where it leads.
        QTRY_VERIFY_WITH_TIMEOUT(states.size() >= 3, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(int(program.controller->state()), state, 20000);
        if (message) {
            auto* login = program.top<LoginDialogItem>();
            QVERIFY(login);
            QVERIFY2(!login->message().isEmpty(), "a refused log-in says why");
            QVERIFY(!program.controller->isAuthenticated());
        } else {
            QVERIFY(program.controller->isAuthenticated());
            QCOMPARE(program.controller->user(), user);
            QTRY_VERIFY(program.top<GameListDialogItem>());
        }
    }

    void lobbyToTableThroughTheBuyin()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo2");
        QVERIFY(lobby);
        QVERIFY(program.view.grab().save(SCREENSHOT_DIR "/player-lobby.png"));
        QPointer<PlayerController> table = program.join(lobby, "holdem-nl-050-1");
        QVERIFY(table);
        QVERIFY(table->view() != &program.view);
        QVERIFY(table->client() != &program.client);

        // The server opens the table in a session of its own and asks for chips.
        BuyDialogItem* buy = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((buy = qobject_cast<BuyDialogItem*>(table->topDialog())), 20000);
        QCOMPARE(program.controller->tables().size(), 1);
        QVERIFY(program.controller->tables().contains("holdem-nl-050-1") == false);
        QTRY_VERIFY_WITH_TIMEOUT(!buy->isLoading() && buy->amount() >= 20, 20000);
        buy->slotBuyin();
        QTRY_COMPARE_WITH_TIMEOUT(table->state(), StateTable, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(table->parameters().valid, 20000);
        QCOMPARE(table->view()->scene(), static_cast<QGraphicsScene*>(table->scene()));
        // For the picture only: the deal has had time to land.
        QTest::qWait(2500);
        QVERIFY(table->view()->grab().save(SCREENSHOT_DIR "/player-table.png"));

        // The same game again raises the window it has.
        QSignalSpy created(program.controller.get(), &PlayerController::tableCreated);
        lobby->slotJoin();
        QTest::qWait(300);
        QCOMPARE(created.size(), 0);
        QCOMPARE(program.controller->tables().size(), 1);

        // A second table: another window, another session.
        QPointer<PlayerController> second = program.join(lobby, "omaha-pl-1-2");
        QVERIFY(second);
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<BuyDialogItem*>(second->topDialog()), 20000);
        QCOMPARE(program.controller->tables().size(), 2);
        const QStringList sessions = program.controller->tables().keys();
        QVERIFY(sessions.at(0) != sessions.at(1));

        // Leaving the first: it waits for the hand's end, then its window goes.
        table->slotActionLeave();
        QCOMPARE(table->state(), StateLeaving);
        QTRY_VERIFY_WITH_TIMEOUT(table.isNull(), 30000);
        QCOMPARE(program.controller->tables().size(), 1);
        // Declining the second buy-in closes that window too.
        Q_EMIT qobject_cast<AbstractBuyDialogItem*>(second->topDialog())->cancel();
        QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), 10000);
        QVERIFY(program.controller->tables().isEmpty());
        QCOMPARE(program.controller->state(), StateLobby);
    }

    // A theme's lobby is bound to the program by the abstract lobby's signals
    // and calls alone: each one reaches the controller and comes back.
    void aThemesLobbyByItsContract()
    {
        FakeLobbyTheme theme;
        Program program(m_server.port(), &theme);
        program.controller->startUp(true);
        QVERIFY(program.logIn("demo4", "demo"));
        FakeLobby* lobby = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((lobby = program.top<FakeLobby>()) && !lobby->games.isEmpty(), 20000);

        Q_EMIT lobby->actionRefreshFreerollList();
        QTRY_COMPARE_WITH_TIMEOUT(lobby->freerollLists, 1, 10000);

        Q_EMIT lobby->actionOptions();
        QTRY_VERIFY_WITH_TIMEOUT(program.top<PlayerOptionsDialogItem>(), 10000);
        program.top<PlayerOptionsDialogItem>()->closeButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(program.controller->topDialog(), static_cast<QGraphicsWidget*>(lobby),
                                  10000);

        Q_EMIT lobby->actionHandHistory();
        GameHistoryDialogItem* history = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((history = program.top<GameHistoryDialogItem>()), 10000);
        Q_EMIT history->actionClose();
        QTRY_COMPARE_WITH_TIMEOUT(program.controller->topDialog(), static_cast<QGraphicsWidget*>(lobby),
                                  10000);

        // Joining goes through the buy-in, whose own contract answers as well.
        QVariantMap game;
        for (const QVariantMap& g : std::as_const(lobby->games)) {
            if (g.value("id") == "holdem-nl-050-1")
                game = g;
        }
        QVERIFY(!game.isEmpty());
        QSignalSpy created(program.controller.get(), &PlayerController::tableCreated);
        Q_EMIT lobby->actionJoin(game.value("id").toString(), game.value("buyinMin").toDouble(),
                                 game.value("buyinMax").toDouble(), game.value("currency").toString(),
                                 game.value("type").toInt());
        QVERIFY(!created.isEmpty() || created.wait(10000));
        QPointer<PlayerController> table = created.first().at(0).value<PlayerController*>();
        AbstractBuyDialogItem* buy = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(table && (buy = qobject_cast<AbstractBuyDialogItem*>(table->topDialog())),
                                 20000);
        Q_EMIT buy->cancel();
        QTRY_VERIFY_WITH_TIMEOUT(table.isNull(), 10000);
        QCOMPARE(program.controller->state(), StateLobby);

        // Quitting ends the game: the controller goes.
        program.controller->setQuitOnGameOver(false);
        QPointer<PlayerController> controller = program.controller.get();
        Q_EMIT lobby->actionQuit();
        QTRY_VERIFY_WITH_TIMEOUT(controller.isNull(), 10000);
    }

    void serverStatusMessages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a message of ours") << 4001 << "No available seat";
        QTest::newRow("a code without a text") << 77 << "";
    }

    void serverStatusMessages()
    {
        QFETCH(int, code);
        QFETCH(QString, shown);
        Program program(m_server.port(), m_theme.get());
        QVERIFY(program.toLobby("demo9"));
        auto* scene = qobject_cast<PokerTableScene*>(program.view.scene());
        QVERIFY(scene);
        const int before = scene->dialogCount();
        program.controller->slotStatusInfoEvent(code, {});
        if (shown.isEmpty()) {
            // Logged for the operator; no empty box over the lobby.
            QCOMPARE(scene->dialogCount(), before);
            return;
        }
        auto* notice = qobject_cast<InfoDialogItem*>(scene->topDialog());
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), shown);
    }

    void staticCredentials()
    {
        Program program(m_server.port(), m_theme.get(), StateReconnect);
        program.controller->setStaticCredentials("demo3", "demo", 0);
        program.controller->startUp(true);
        QTRY_COMPARE_WITH_TIMEOUT(program.controller->state(), StateLobby, 20000);
        QCOMPARE(program.controller->user(), QString("demo3"));
    }

    void portalNickname()
    {
        // A partner edition logs in through the portal: a new account picks its nickname first.
        qApp->setProperty("iniportalpartnername", "partner");
        const auto unset = qScopeGuard([] { qApp->setProperty("iniportalpartnername", QVariant()); });
        Program program(m_server.port(), m_theme.get());
        program.controller->startUp(true);
        QVERIFY(program.logIn("demo5", "demo"));
        PlayerUsernameDialogItem* nickname = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((nickname = program.top<PlayerUsernameDialogItem>()), 20000);
        QCOMPARE(program.controller->state(), StateSelectUsername);

        // Taken by another account: refused by the server, asked again.
        nickname->nameEdit()->setText("demo1");
        nickname->slotSave();
        QTRY_COMPARE_WITH_TIMEOUT(nickname->message(), QString("Invalid and/or existing username"), 20000);
        QTRY_VERIFY(nickname->saveButton()->isEnabled());
        QCOMPARE(program.controller->state(), StateSelectUsername);

        nickname->nameEdit()->setText("Flush5");
        nickname->slotSave();
        QTRY_VERIFY_WITH_TIMEOUT(program.top<GameListDialogItem>(), 20000);
        QCOMPARE(program.controller->user(), QString("Flush5"));
        QCOMPARE(qApp->property("iniusername").toString(), QString("Flush5"));

        // The next time the lobby follows the log-in straight away, under the nickname.
        Program again(m_server.port(), m_theme.get());
        QVERIFY(again.toLobby("demo5"));
        QCOMPARE(again.controller->user(), QString("Flush5"));
    }

    void languageChangeRetranslatesTheLobby()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo4");
        QVERIFY(lobby);
        const QString english = lobby->joinButton()->text();
        program.controller->slotLanguageChanged("de_DE");
        QTRY_VERIFY(lobby->joinButton()->text() != english);
        program.controller->slotLanguageChanged("en_US");
        QTRY_COMPARE(lobby->joinButton()->text(), english);
    }
};

QTEST_MAIN(TestPlayerFlow)
#include "tst_playerflow.moc"
