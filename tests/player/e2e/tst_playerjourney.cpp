// A person's way through the program against the real server, through its
// windows only: keys and clicks go to the windows, and every step checks what
// is on screen (which window is in front, which dialog is up, that it stands
// in the middle of the scene its window shows and that its buttons answer).
// A picture of each step goes to the journey folder of the screenshots.
//
// The short form runs with the tests; VESK_JOURNEY=full adds the slower
// steps (a time-out, two tables taking turns).
#include "abstractplayeritem.h"
#include "betpushbuttonitem.h"
#include "buydialogitem.h"
#include "client.h"
#include "gamehistorydialogitem.h"
#include "gamelistdialogitem.h"
#include "gamelistrows.h"
#include "handreplayer.h"
#include "holecardsitem.h"
#include "journeycase.h"
#include "journeydriver.h"
#include "localresources.h"
#include "logindialogitem.h"
#include "playergamescene.h"
#include "playeroptionsdialogitem.h"
#include "pokerdprocess.h"
#include "replaywindow.h"
#include "splashscene.h"
#include "webdialogitem.h"
#include "webenginesetup.h"
#include "windowactivator.h"

#include <QPointer>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>

using namespace VeskGames;
using Journey::Program;
using PlayerTest::rowOf;

using Journey::kServerWait;

class TestPlayerJourney : public Journey::JourneyCase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<VeskGames::PlayerController*>();
        QCoreApplication::setOrganizationName("Vesk Games");
        QCoreApplication::setApplicationName("VeskPoker-journey");
        LocalResources::setSearchPaths({QStringLiteral(":")});
        // As the program does before its web engine starts.
        WebEngineSetup::apply();
        m_full = qgetenv("VESK_JOURNEY") == "full";
        m_core = qgetenv("VESK_JOURNEY") == "core";
        m_shots = QStringLiteral(SCREENSHOT_DIR "/journey");
        QDir().mkpath(m_shots);
        QVERIFY(m_server.start(m_dir.filePath("data"),
                               {"--action-timeout", "30", "--bot-delay", "60", "--hand-delay", "200"}));
        // The configuration a site gives: its cashier on the server's own pages.
        QDir().mkpath(m_dir.filePath("config"));
        QFile ini(m_dir.filePath("config/default.local.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("urlBuyin=\"http://127.0.0.1:%1/cashier?ticket=VeskGames::Ticket\"\n")
                      .arg(m_server.port())
                      .toUtf8());
        ini.close();
        QSettings().clear();
    }

    void defaultLookWithThePartnerPluginBeside()
    {
        // The partner's plug-in lies in the plug-in folder: a plain start still shows the default look.
        QVERIFY(QFileInfo(QStringLiteral(PLUGIN_DIR)).isDir());
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        QCOMPARE(program->assembly.themeName(), QString("DefaultTheme"));
        QVERIFY(waitFor<LoginDialogItem>(program->window()));
    }

    void commandLineOptionsReachEveryTable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("betMethod");
        QTest::addColumn<bool>("lock");
        QTest::addColumn<bool>("singleTouch");
        QTest::addColumn<QString>("foldKey");
        QTest::newRow("nothing given")
            << QStringList() << int(PlayerGameScene::BetSlider) << false << false << "F";
        QTest::newRow("all given") << QStringList{"-slider",           "chips",       "-lock",
                                                  "-viewHoleCards",    "singletouch", "-keyboardCommands",
                                                  "fold=X;checkCall=Y"}
                                   << int(PlayerGameScene::BetChips) << true << true << "X";
    }

    void commandLineOptionsReachEveryTable()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, betMethod);
        QFETCH(bool, lock);
        QFETCH(bool, singleTouch);
        QFETCH(QString, foldKey);
        std::unique_ptr<Program> program = start(m_server.port(), arguments);
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo2");
        QVERIFY(lobby);
        QPointer<PlayerController> table = join(*program, lobby, "holdem-nl-050-1");
        QVERIFY(table);
        for (PlayerController* controller : {program->player(), table.data()}) {
            PlayerGameScene* scene = controller->playerScene();
            QCOMPARE(scene->betMethod(), betMethod);
            QCOMPARE(scene->lockScreenMode(), lock);
            QCOMPARE(scene->holeCards()->isSingleTouch(), singleTouch);
            QCOMPARE(controller->view()->keyMap().value(foldKey.at(0).unicode()), PokerTableView::ActionFold);
        }
    }

    void logInWrongThenRight()
    {
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        PokerTableView* window = program->window();
        auto* login = waitFor<LoginDialogItem>(window);
        QVERIFY(login);
        QCOMPARE(Journey::placementFault(login), QString());
        auto* splash = qobject_cast<SplashScene*>(window->scene());
        QVERIFY(splash);
        QVERIFY2(splash->statusText().isEmpty(), "nothing is written behind the log-in");
        shot(window, "01-login");

        typeLogIn(window, "demo1", "wrong");
        // Refused: the same dialog, in front, with the reason, the password gone.
        QTRY_VERIFY_WITH_TIMEOUT(!login->message().isEmpty() && !login->message().startsWith("Logging in"),
                                 kServerWait);
        QTRY_VERIFY(login->isVisible());
        QCOMPARE(Journey::topOf<LoginDialogItem>(window), login);
        QCOMPARE(Journey::placementFault(login), QString());
        QVERIFY(Journey::field(login, "passwordLineEdit")->text().isEmpty());
        QCOMPARE(program->player()->state(), StateLogin);
        shot(window, "02-login-refused");

        // And once more, right this time.
        typeLogIn(window, "demo1", "demo");
        auto* lobby = waitFor<GameListDialogItem>(window);
        QVERIFY(lobby);
        QCOMPARE(Journey::placementFault(lobby), QString());
        shot(window, "03-lobby");
    }

    void passwordNote()
    {
        QSettings().remove("login/rememberPasswords");
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        PokerTableView* window = program->window();
        auto* login = waitFor<LoginDialogItem>(window);
        QVERIFY(login);
        QVERIFY(Journey::clickWidget(login->saveBox()));
        QVERIFY(login->saveBox()->isChecked());
        // The note covers the log-in, in the middle, and OK answers the keyboard.
        QPointer<InfoDialogItem> note = waitFor<InfoDialogItem>(window, 2000);
        QVERIFY(note);
        QVERIFY(note->text().startsWith("NOTE!"));
        QCOMPARE(Journey::placementFault(note), QString());
        shot(window, "04-password-note");
        Journey::key(window, Qt::Key_Return);
        QTRY_VERIFY(!note || !note->isVisible());
        // The log-in is back and takes clicks and keys again.
        QTRY_COMPARE(Journey::topOf<LoginDialogItem>(window), login);
        QVERIFY(login->isVisible());
        QVERIFY(Journey::clickWidget(login->saveBox()));
        QVERIFY(!login->saveBox()->isChecked());
        QVERIFY(!waitFor<InfoDialogItem>(window, 300));
        typeLogIn(window, "demo2", "demo");
        QVERIFY(waitFor<GameListDialogItem>(window));
    }

    void lobbySideButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("options") << "Options"
                                 << "VeskGames::PlayerOptionsDialogItem";
        QTest::newRow("hand history") << "Hand\nHistory"
                                      << "VeskGames::GameHistoryDialogItem";
        QTest::newRow("cashier") << "Cashier"
                                 << "VeskGames::WebDialogItem";
    }

    void lobbySideButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        PokerTableView* window = program->window();
        QVERIFY(toLobby(*program, "demo3"));
        QVERIFY(Journey::click(Journey::button(window->scene(), button)));
        QGraphicsWidget* shown = nullptr;
        QTRY_VERIFY((shown = Journey::topOf<QGraphicsWidget>(window)) && shown->inherits(qPrintable(dialog)));
        QCOMPARE(Journey::placementFault(shown), QString());
        if (auto* web = qobject_cast<WebDialogItem*>(shown)) {
            // The page knows the player: a ticket from the server, not a stand-in.
            QTRY_VERIFY_WITH_TIMEOUT(!web->loadedUrl().isEmpty() || !web->errorText().isEmpty(), kServerWait);
            QCOMPARE(web->errorText(), QString());
            QVERIFY2(!web->loadedUrl().toString().contains("unknown"),
                     qPrintable(web->loadedUrl().toString()));
            QVERIFY(!web->loadedUrl().toString().contains("VeskGames::Ticket"));
        }
        shot(window, "05-lobby-" + QString(QTest::currentDataTag()).replace(' ', '-'));
        // Escape closes whatever it is; the lobby is back and answers.
        Journey::key(window, Qt::Key_Escape);
        QTRY_VERIFY(qobject_cast<GameListDialogItem*>(Journey::topOf<QGraphicsWidget>(window)));
        QVERIFY(Journey::topOf<GameListDialogItem>(window)->isVisible());
    }

    void lobbyQuit()
    {
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        QVERIFY(toLobby(*program, "demo3"));
        QVERIFY(Journey::click(Journey::button(program->window()->scene(), "Quit")));
        // The program closes: the window says so and the server session ends.
        QTRY_COMPARE(program->player()->splash()->statusText(), QString("Closing down..."));
        QCOMPARE(program->window()->scene(), static_cast<QGraphicsScene*>(program->player()->splash()));
        Journey::settleQuit();
    }

    void staticLogInRefused()
    {
        // A kiosk logs in from its command line; a refusal is said on screen
        // before the program ends, where the player looks.
        std::unique_ptr<Program> program = start(m_server.port(), {"-authStatic", "demo11:wrong:0"});
        QVERIFY(program);
        PokerTableView* window = program->window();
        InfoDialogItem* notice = nullptr;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (notice = waitFor<InfoDialogItem>(window, 100)) &&
                notice->text().startsWith(QLatin1String("Authentication failed, exiting.")),
            qPrintable(QStringLiteral("on top: %1, the window says \"%2\"")
                           .arg(Journey::topOf<QGraphicsWidget>(window)
                                    ? Journey::topOf<QGraphicsWidget>(window)->metaObject()->className()
                                    : "nothing",
                                program->player()->splash()->statusText())),
            kServerWait);
        QCOMPARE(Journey::placementFault(notice), QString());
        QVERIFY(!Journey::topOf<LoginDialogItem>(window));
        shot(window, "03-static-log-in-refused");
        QTRY_COMPARE_WITH_TIMEOUT(program->player()->splash()->statusText(), QString("Closing down..."),
                                  10000);
        Journey::settleQuit();
    }

    void buyInThroughTheCashier()
    {
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo4");
        QVERIFY(lobby);
        QPointer<PlayerController> table = join(*program, lobby, "omaha-nl-050-1");
        QVERIFY(table);
        PokerTableView* tableWindow = table->view();
        BuyDialogItem* buy = waitFor<BuyDialogItem>(tableWindow);
        QVERIFY(buy);
        QTRY_VERIFY_WITH_TIMEOUT(!buy->isLoading(), kServerWait);
        QCOMPARE(Journey::placementFault(buy), QString());
        shot(tableWindow, "06-buyin");

        // The cashier's page over the buy-in, with a ticket, and back.
        QVERIFY(buy->cashierButton());
        QVERIFY(Journey::click(buy->cashierButton()));
        auto* cashier = waitFor<WebDialogItem>(tableWindow, 5000);
        QVERIFY(cashier);
        QCOMPARE(Journey::placementFault(cashier), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!cashier->loadedUrl().isEmpty(), kServerWait);
        QVERIFY2(!cashier->loadedUrl().toString().contains("unknown"),
                 qPrintable(cashier->loadedUrl().toString()));
        QTRY_VERIFY_WITH_TIMEOUT(!cashier->isLoading(), kServerWait);
        shot(tableWindow, "07-cashier");
        Journey::key(tableWindow, Qt::Key_Escape);
        QTRY_COMPARE(Journey::topOf<BuyDialogItem>(tableWindow), buy);
        QVERIFY(buy->isVisible());

        // OK buys what the dialog offers; the table follows.
        QTRY_VERIFY_WITH_TIMEOUT(buy->okButton()->isEnabled(), kServerWait);
        QPointer<BuyDialogItem> bought = buy;
        QVERIFY(Journey::click(buy->okButton()));
        QTRY_VERIFY2_WITH_TIMEOUT(table->state() == StateTable,
                                  qPrintable(bought ? bought->descriptionText() : QString()), kServerWait);
        QCOMPARE(tableWindow->scene(), static_cast<QGraphicsScene*>(table->scene()));
    }

    void playWithButtonsAndKeys()
    {
        if (playsHands())
            return;
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo5");
        QVERIFY(lobby);
        QPointer<PlayerController> table = sitDown(*program, lobby, "holdem-nl-1-2");
        QVERIFY(table);
        PokerTableView* window = table->view();
        PlayerGameScene* scene = table->playerScene();
        const WId native = window->winId();
        int acted = 0;
        bool usedKeys = false, usedButtons = false, usedPot = false;
        for (int turn = 0; turn < 40 && acted < 4; ++turn) {
            // The player's turn: the window comes to the front, not made anew.
            // Broke: the table offers chips again, and Return buys them.
            if (!QTest::qWaitFor(
                    [&] {
                        if (auto* rebuy = Journey::topOf<BuyDialogItem>(window);
                            rebuy && rebuy->isVisible() && rebuy->okButton()->isEnabled()) {
                            Journey::key(window, Qt::Key_Return);
                            return false;
                        }
                        return table && scene->checkCallButton()->isVisible();
                    },
                    60000)) {
                qWarning() << "no turn after" << acted
                           << "actions; on top:" << Journey::topOf<QGraphicsWidget>(window);
                break;
            }
            QVERIFY(WindowActivator::instance()->views().contains(window));
            QCOMPARE(window->winId(), native);
            if (acted == 0)
                shot(window, "08-turn");
            if (acted % 2 == 0) {
                // The keys of the default map: C checks or calls.
                Journey::keys(window, "c");
                usedKeys = true;
            } else if (scene->potButton()->isVisible() && scene->betRaiseButton()->isVisible()) {
                QVERIFY(Journey::click(scene->potButton()));
                QVERIFY(Journey::click(scene->betRaiseButton()));
                usedPot = true;
            } else {
                QVERIFY(Journey::click(scene->checkCallButton()));
                usedButtons = true;
            }
            ++acted;
            // Acted: the controls go and the window stops asking for the player.
            QTRY_VERIFY(!scene->checkCallButton()->isVisible() || !scene->foldButton()->isVisible());
            QTRY_VERIFY(!WindowActivator::instance()->views().contains(window));
        }
        QVERIFY2(acted >= 2, "the player was asked to act");
        QVERIFY(usedKeys);
        QVERIFY(usedButtons || usedPot);

        // The hands just played, from the table: Options, then Hand History.
        // The table's hands come first; until one the player was dealt in is
        // over, the player plays on and looks again.
        GameHistoryDialogItem* history = nullptr;
        // The player's own cards are named; everybody else's are not.
        static const QRegularExpression ownCards(QStringLiteral("Dealt to [^\\n]* \\[[2-9TJQKA][cdhs] "));
        QVERIFY(QTest::qWaitFor(
            [&] {
                QGraphicsWidget* top = Journey::topOf<QGraphicsWidget>(window);
                if (auto* rebuy = qobject_cast<BuyDialogItem*>(top)) {
                    // Broke after the pot bets: the chips offered are taken.
                    if (rebuy->isVisible() && rebuy->okButton()->isEnabled())
                        Journey::key(window, Qt::Key_Return);
                    return false;
                }
                if ((history = qobject_cast<GameHistoryDialogItem*>(top))) {
                    if (QTest::qWaitFor([&] { return history->plainText().contains(ownCards); }, 2000) &&
                        Journey::topOf<GameHistoryDialogItem>(window) == history)
                        return true;
                    if (Journey::topOf<GameHistoryDialogItem>(window) != history)
                        return false;
                    Journey::key(window, Qt::Key_Escape);
                    return false;
                }
                if (qobject_cast<PlayerOptionsDialogItem*>(top)) {
                    (void)Journey::click(Journey::button(window->scene(), "Hand History"));
                    (void)waitFor<GameHistoryDialogItem>(window, 3000);
                    return false;
                }
                if (scene->checkCallButton()->isVisible())
                    Journey::keys(window, "c");
                else if (!top)
                    (void)Journey::click(Journey::button(window->scene(), "Options"));
                return false;
            },
            120000));
        QCOMPARE(Journey::placementFault(history), QString());
        shot(window, "14-table-hand-history");

        // The player's own hand again, from its "Replay" link: a window of its
        // own with every seat of the hand in its place.
        QTextBrowser* text = qobject_cast<QTextBrowser*>(history->textEdit());
        QVERIFY(text);
        const int own = history->plainText().indexOf(ownCards);
        QTextCursor link = text->document()->find("Replay", 0);
        for (QTextCursor next = link; !next.isNull() && next.position() < own;
             next = text->document()->find("Replay", next))
            link = next;
        QVERIFY(!link.isNull());
        text->setTextCursor(link);
        text->ensureCursorVisible();
        QCoreApplication::processEvents();
        QSignalSpy replayed(history, &GameHistoryDialogItem::replayRequested);
        QVERIFY(Journey::clickAt(text->viewport(), text->cursorRect(link).center() - QPoint(6, 0)));
        QTRY_COMPARE(replayed.size(), 1);
        ReplayWindow* replay = nullptr;
        QTRY_VERIFY((replay = window->findChild<ReplayWindow*>()) && replay->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(replay));
        replay->replayer()->seek(1);
        QTest::qWait(800);
        QVERIFY(replay->grab().save(m_shots + "/15-table-replay-start.png"));
        replay->replayer()->seek(replay->replayer()->stepCount());
        QTest::qWait(800);
        QVERIFY(replay->grab().save(m_shots + "/15-table-replay.png"));
        replay->close();

        Journey::turnTo(window);
        Journey::key(window, Qt::Key_Escape);
        QTRY_VERIFY(!Journey::topOf<GameHistoryDialogItem>(window));
    }

    void timeOutAndReturn()
    {
        if (!m_full)
            QSKIP("in the full journey only (VESK_JOURNEY=full): waits for the clock to run out");
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.filePath("data"), {"--action-timeout", "4", "--bot-delay", "60"}));
        std::unique_ptr<Program> program = start(server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo1");
        QVERIFY(lobby);
        QPointer<PlayerController> table = sitDown(*program, lobby, "holdem-nl-050-1");
        QVERIFY(table);
        PokerTableView* window = table->view();
        // The player lets the clock run out: the table says so and offers the way back.
        InfoDialogItem* sittingOut = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((sittingOut = waitFor<InfoDialogItem>(window, 100)) &&
                                     sittingOut->text() == QLatin1String("Sitting Out"),
                                 90000);
        QCOMPARE(Journey::placementFault(sittingOut), QString());
        shot(window, "13-sitting-out");
        QPointer<InfoDialogItem> shown = sittingOut;
        PushButtonItem* back = Journey::button(static_cast<QGraphicsItem*>(sittingOut), "Return");
        QVERIFY(back && sittingOut->isAncestorOf(back));
        QVERIFY(Journey::click(back));
        QTRY_VERIFY(!shown || !shown->isVisible());
        QTRY_VERIFY(!Journey::topOf<InfoDialogItem>(window));
        // Back in play: dealt in and asked again.
        PlayerGameScene* scene = table->playerScene();
        QTRY_VERIFY_WITH_TIMEOUT(scene->checkCallButton()->isVisible(), 90000);
        QCOMPARE(table->state(), StateTable);
    }

    void twoTablesTakeTurns()
    {
        if (!m_full)
            QSKIP("in the full journey only (VESK_JOURNEY=full)");
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo10");
        QVERIFY(lobby);
        QPointer<PlayerController> first = sitDown(*program, lobby, "holdem-nl-1-2");
        QVERIFY(first);
        QPointer<PlayerController> second = sitDown(*program, lobby, "omaha-pl-1-2");
        QVERIFY(second);
        const QList<PlayerController*> tables{first.data(), second.data()};
        const QList<WId> natives{first->view()->winId(), second->view()->winId()};
        QSet<PlayerController*> asked;
        for (int turn = 0; turn < 12 && asked.size() < 2; ++turn) {
            PlayerController* asking = nullptr;
            QVERIFY(QTest::qWaitFor(
                [&] {
                    for (PlayerController* t : tables) {
                        if (t->playerScene()->checkCallButton()->isVisible())
                            asking = t;
                    }
                    return asking != nullptr;
                },
                90000));
            // The window whose turn it is comes first, the same window as before.
            QTRY_VERIFY(!WindowActivator::instance()->views().isEmpty());
            QCOMPARE(WindowActivator::instance()->views().first(), asking->view());
            QCOMPARE(asking->view()->winId(), natives.at(tables.indexOf(asking)));
            asked.insert(asking);
            Journey::keys(asking->view(), "c");
            QTRY_VERIFY(!WindowActivator::instance()->views().contains(asking->view()));
        }
        QCOMPARE(asked.size(), 2);
    }

    void topUpAtTheTable()
    {
        if (playsHands())
            return;
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo6");
        QVERIFY(lobby);
        QPointer<PlayerController> table = sitDown(*program, lobby, "holdem-nl-050-1");
        QVERIFY(table);
        PokerTableView* window = table->view();
        // Chips at the table count against the table's most.
        QTRY_VERIFY_WITH_TIMEOUT(table->playerScene()->viewPosition() >= 0, kServerWait);
        QVERIFY(Journey::click(Journey::button(window->scene(), "Buy Chips")));
        BuyDialogItem* buy = waitFor<BuyDialogItem>(window);
        QVERIFY(buy);
        QTRY_VERIFY_WITH_TIMEOUT(!buy->isLoading(), kServerWait);
        QCOMPARE(Journey::placementFault(buy), QString());
        const double stack = table->playerScene()->seat(table->playerScene()->viewPosition())->playerStack();
        QVERIFY(stack > 0);
        if (stack >= 100 - 0.000001) {
            QVERIFY(buy->isInError());
        } else {
            QVERIFY2(!buy->isInError(), qPrintable(buy->descriptionText()));
            QVERIFY2(buy->slider()->maximum() <= qRound((100 - stack) * 100), qPrintable(buy->rangeText()));
        }
        shot(window, "09-top-up");
        // Cancel leaves the player at the table as before.
        QVERIFY(Journey::click(buy->cancelButton()));
        QTRY_VERIFY(!Journey::topOf<BuyDialogItem>(window));
        QCOMPARE(table->state(), StateTable);
    }

    void optionsFollowThePlayer()
    {
        if (playsHands())
            return;
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo7");
        QVERIFY(lobby);
        QPointer<PlayerController> first = sitDown(*program, lobby, "holdem-ante");
        QVERIFY(first);
        const bool before = first->playerScene()->useFourColourCards();
        const QString toggle = before ? "Two-Colour Deck" : "Four-Colour Deck";
        QVERIFY(Journey::click(Journey::button(first->view()->scene(), "Options")));
        auto* options = waitFor<PlayerOptionsDialogItem>(first->view(), 3000);
        QVERIFY(options);
        QCOMPARE(Journey::placementFault(options), QString());
        QVERIFY(Journey::click(Journey::button(first->view()->scene(), toggle)));
        QTRY_COMPARE(first->playerScene()->useFourColourCards(), !before);
        shot(first->view(), "10-options");
        QVERIFY(Journey::click(options->closeButton()));
        QTRY_VERIFY(!Journey::topOf<PlayerOptionsDialogItem>(first->view()));

        // A second table starts with the choice.
        QPointer<PlayerController> second = join(*program, lobby, "omaha-pl-1-2");
        QVERIFY(second);
        QCOMPARE(second->playerScene()->useFourColourCards(), !before);

        // So does the next log-in, from what the server kept.
        program.reset();
        std::unique_ptr<Program> again = start(m_server.port());
        QVERIFY(again);
        GameListDialogItem* lobbyAgain = toLobby(*again, "demo7");
        QVERIFY(lobbyAgain);
        QTRY_VERIFY_WITH_TIMEOUT(again->player()->userSettings().contains("fourColourDeck"), kServerWait);
        // The server gives the seat back in a window of its own, or the player joins anew.
        QPointer<PlayerController> third;
        (void)QTest::qWaitFor(
            [&] {
                for (PlayerController* t : again->player()->tables())
                    third = t->gameId() == QLatin1String("holdem-ante") ? t : third.data();
                return !third.isNull();
            },
            5000);
        if (!third)
            third = join(*again, lobbyAgain, "holdem-ante");
        QVERIFY(third);
        QCOMPARE(third->playerScene()->useFourColourCards(), !before);
    }

    void closeWithConfirmation()
    {
        std::unique_ptr<Program> program = start(m_server.port());
        QVERIFY(program);
        GameListDialogItem* lobby = toLobby(*program, "demo8");
        QVERIFY(lobby);
        QPointer<PlayerController> table = sitDown(*program, lobby, "holdem-pl-1-2");
        QVERIFY(table);
        PokerTableView* window = table->view();
        QVERIFY(Journey::click(Journey::button(window->scene(), "Close")));
        auto* confirm = waitFor<InfoDialogItem>(window, 3000);
        QVERIFY(confirm);
        QCOMPARE(confirm->text(), QString("Confirm Close"));
        QCOMPARE(Journey::placementFault(confirm), QString());
        shot(window, "11-confirm-close");
        // Escape is Cancel: still at the table.
        Journey::key(window, Qt::Key_Escape);
        QTRY_VERIFY(!Journey::topOf<InfoDialogItem>(window));
        QCOMPARE(table->state(), StateTable);
        // Close, by its button: the table goes once the hand is over.
        QVERIFY(Journey::click(Journey::button(window->scene(), "Close")));
        confirm = waitFor<InfoDialogItem>(window, 3000);
        QVERIFY(confirm);
        QVERIFY(Journey::click(Journey::button(static_cast<QGraphicsItem*>(confirm), "Close")));
        QTRY_VERIFY_WITH_TIMEOUT(!table || table->state() == StateLeaving || table->state() == StateGameOver,
                                 5000);
        QTRY_VERIFY_WITH_TIMEOUT(table.isNull(), 60000);
    }

    void serverLost_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("before log-in") << "login";
        QTest::newRow("lobby") << "lobby";
        QTest::newRow("table") << "table";
    }

    void serverLost()
    {
        QFETCH(QString, where);
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.filePath("data"), {"--action-timeout", "30"}));
        std::unique_ptr<Program> program = start(server.port());
        QVERIFY(program);
        PokerTableView* window = program->window();
        QPointer<PlayerController> table;
        if (where != "login") {
            GameListDialogItem* lobby = toLobby(*program, "demo9");
            QVERIFY(lobby);
            if (where == "table") {
                table = sitDown(*program, lobby, "holdem-nl-050-1");
                QVERIFY(table);
                window = table->view();
            }
        } else {
            QVERIFY(waitFor<LoginDialogItem>(window));
        }
        server.kill();
        if (where == "login")
            typeLogIn(window, "demo9", "demo");
        // The notice is where the player looks, with the time left and both answers.
        InfoDialogItem* notice = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((notice = waitFor<InfoDialogItem>(window, 100)) &&
                                     notice->text().startsWith("Connection problem"),
                                 kServerWait);
        QCOMPARE(Journey::placementFault(notice), QString());
        QVERIFY2(notice->text().contains("Seconds left: "), qPrintable(notice->text()));
        const QString before = notice->text();
        QTRY_VERIFY_WITH_TIMEOUT(notice->text() != before, 3000);
        QVERIFY(Journey::button(window->scene(), "Restart"));
        QVERIFY(Journey::button(window->scene(), "Quit"));
        shot(window, "12-server-lost-" + QString(QTest::currentDataTag()).replace(' ', '-'));
        // Restart starts the program again, logged in as before when it was:
        // a stand-in program writes down the command line it was given.
        QTemporaryDir restartDir;
        const QString recorded = restartDir.filePath("arguments");
        QFile stand(restartDir.filePath("player"));
        QVERIFY(stand.open(QIODevice::WriteOnly));
        stand.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(recorded).toUtf8());
        stand.close();
        QVERIFY(stand.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        PlayerController* restarting = table ? table.data() : program->player();
        restarting->setProgram(stand.fileName());
        QSignalSpy restarted(restarting, &PlayerController::restarted);
        QVERIFY(Journey::click(Journey::button(window->scene(), "Restart")));
        QTRY_COMPARE(restarted.size(), 1);
        Journey::settleQuit();
        QFile written(recorded);
        QTRY_VERIFY(written.exists() && written.size() > 0);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList arguments =
            QString::fromLocal8Bit(written.readAll()).split('\n', Qt::SkipEmptyParts);
        const quint16 port = quint16(arguments.value(arguments.indexOf("-port") + 1).toUInt());
        QVERIFY2(port != 0, qPrintable(arguments.join(' ')));

        // The server is back: the new program brings the player to the tables,
        // without asking again for a log-in the server took.
        program.reset();
        QVERIFY(server.start(data.filePath("data"), {"--action-timeout", "30"}, port));
        Program again;
        QVERIFY(again.start(arguments, m_dir.filePath("config"), QStringLiteral(PLUGIN_DIR)));
        QVERIFY(Journey::turnTo(again.window()));
        if (where == "login") {
            QVERIFY(!arguments.contains("-authStatic"));
            typeLogIn(again.window(), "demo9", "demo");
        } else {
            QVERIFY(!waitFor<LoginDialogItem>(again.window(), 1000));
        }
        GameListDialogItem* lobby = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((lobby = waitFor<GameListDialogItem>(again.window(), 100)) &&
                                     rowOf(lobby->model(), "holdem-nl-050-1") >= 0,
                                 kServerWait);
        QCOMPARE(again.player()->state(), StateLobby);
    }
};

QTEST_MAIN(TestPlayerJourney)
#include "tst_playerjourney.moc"
