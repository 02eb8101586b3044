// The player's way from the log-in to a seat, against the real server: the
// log-in dialog, the lobby, a table window of its own with its own server
// session through the buy-in, a second table, the same game twice, leaving,
// static credentials and a language change.
#include "buydialogitem.h"
#include "client.h"
#include "defaulttheme.h"
#include "gamelistdialogitem.h"
#include "gamelistrows.h"
#include "gamescene.h"
#include "localresources.h"
#include "logindialogitem.h"
#include "playercontroller.h"
#include "pokerdprocess.h"
#include "pokertableview.h"
#include "pushbuttonitem.h"

#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace VeskGames;

namespace {

QLineEdit* field(QGraphicsWidget* dialog, const char* name)
{
    for (QGraphicsItem* item : dialog->childItems()) {
        if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item)) {
            if (auto* edit = proxy->widget()->findChild<QLineEdit*>(QLatin1String(name)))
                return edit;
        }
    }
    return nullptr;
}

int rowOf(const QStandardItemModel* model, const QString& id)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(GameListRows::RecordRole).toMap().value("id").toString() == id)
            return row;
    }
    return -1;
}

/// A player program in this process: its link, its window and its controller.
struct Program
{
    Client client;
    PokerTableView view;
    std::unique_ptr<PlayerController> controller;

    Program(quint16 port, AbstractTheme* theme, ApplicationState start = StateStart)
    {
        client.setHost(QStringLiteral("127.0.0.1"), port);
        view.resize(1024, 768);
        view.show();
        controller = std::make_unique<PlayerController>(start, &client, &view, theme, false);
    }
    ~Program()
    {
        // Table windows first: they share the theme.
        controller.reset();
    }
};

} // namespace

class TestPlayerFlow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PokerdProcess m_server;
    std::unique_ptr<DefaultTheme> m_theme;

    LoginDialogItem* loginDialog(Program& program)
    {
        return qobject_cast<LoginDialogItem*>(program.controller->topDialog());
    }

    void logIn(Program& program, const QString& user, const QString& password)
    {
        LoginDialogItem* login = nullptr;
        QTRY_VERIFY((login = loginDialog(program)) != nullptr);
        field(login, "usernameLineEdit")->setText(user);
        field(login, "passwordLineEdit")->setText(password);
        login->slotDoAuth();
    }

    /// Logs in and waits for the lobby with its games.
    GameListDialogItem* toLobby(Program& program, const QString& user)
    {
        program.controller->startUp(true);
        logIn(program, user, "demo");
        GameListDialogItem* lobby = nullptr;
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(
                (lobby = qobject_cast<GameListDialogItem*>(program.controller->topDialog())), 20000);
        }();
        if (!lobby)
            return nullptr;
        [&] { QTRY_VERIFY_WITH_TIMEOUT(rowOf(lobby->model(), "holdem-nl-050-1") >= 0, 20000); }();
        return lobby;
    }

    /// Picks \a game in the lobby and joins: a table controller appears.
    PlayerController* join(Program& program, GameListDialogItem* lobby, const QString& game)
    {
        QSignalSpy created(program.controller.get(), &PlayerController::tableCreated);
        lobby->treeView()->setCurrentIndex(lobby->model()->index(rowOf(lobby->model(), game), 1));
        lobby->slotJoin();
        if (created.isEmpty() && !created.wait(10000))
            return nullptr;
        return created.first().at(0).value<PlayerController*>();
    }

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
        QVERIFY(loginDialog(program));
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
        logIn(program, user, password);
        // Past the wait for the answer, to where it leads.
        QTRY_VERIFY_WITH_TIMEOUT(states.size() >= 3, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(int(program.controller->state()), state, 20000);
        if (message) {
            LoginDialogItem* login = loginDialog(program);
            QVERIFY(login);
            QVERIFY2(!login->message().isEmpty(), "a refused log-in says why");
            QVERIFY(!program.controller->isAuthenticated());
        } else {
            QVERIFY(program.controller->isAuthenticated());
            QCOMPARE(program.controller->user(), user);
            QTRY_VERIFY(qobject_cast<GameListDialogItem*>(program.controller->topDialog()));
        }
    }

    void lobbyToTableThroughTheBuyin()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = toLobby(program, "demo2");
        QVERIFY(lobby);
        QVERIFY(program.view.grab().save(SCREENSHOT_DIR "/player-lobby.png"));
        QPointer<PlayerController> table = join(program, lobby, "holdem-nl-050-1");
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
        QPointer<PlayerController> second = join(program, lobby, "omaha-pl-1-2");
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
        QMetaObject::invokeMethod(second->topDialog(), "cancel");
        QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), 10000);
        QVERIFY(program.controller->tables().isEmpty());
        QCOMPARE(program.controller->state(), StateLobby);
    }

    void staticCredentials()
    {
        Program program(m_server.port(), m_theme.get(), StateReconnect);
        program.controller->setStaticCredentials("demo3", "demo", 0);
        program.controller->startUp(true);
        QTRY_COMPARE_WITH_TIMEOUT(program.controller->state(), StateLobby, 20000);
        QCOMPARE(program.controller->user(), QString("demo3"));
    }

    void languageChangeRetranslatesTheLobby()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = toLobby(program, "demo4");
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
