// The seated player plays against the real server through the table's own
// controls: what the server does with each decision, keys at the table, and
// the table settings kept on the server for the next log-in.
#include "avatarmanager.h"
#include "avatarwheelitem.h"
#include "betpushbuttonitem.h"
#include "buydialogitem.h"
#include "client.h"
#include "defaulttheme.h"
#include "gamehistorydialogitem.h"
#include "handreplayer.h"
#include "holecardsitem.h"
#include "localresources.h"
#include "playergamescene.h"
#include "playeroptionsdialogitem.h"
#include "playerprogram.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "replaycontroller.h"
#include "replaywindow.h"
#include "slider.h"

#include <QGraphicsProxyWidget>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>

using namespace VeskGames;
using PlayerTest::Program;

namespace {

/// What the server said the seat did, with the amount it put in.
struct Echo
{
    QString action;
    double amount = 0;
};

} // namespace

class TestPlayerActions : public QObject
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
        QVERIFY(m_server.start(m_dir.filePath("data"),
                               {"--action-timeout", "30", "--bot-delay", "60", "--hand-delay", "200"}));
    }

    void cleanupTestCase() { m_theme.reset(); }

    void decisionsThroughTheTable()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo3");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.sitDown(lobby, "holdem-nl-050-1");
        QVERIFY(table);
        PlayerGameScene* scene = table->playerScene();
        QVERIFY(scene);
        QTRY_VERIFY_WITH_TIMEOUT(scene->viewPosition() >= 0, 20000);
        const int own = scene->viewPosition();

        QList<Echo> echoes;
        Client* c = table->client();
        const auto record = [&](const QString& what) {
            return [&echoes, own, what](qint32 position, auto... rest) {
                if (position != own)
                    return;
                double amount = 0;
                if constexpr (sizeof...(rest) >= 2)
                    amount = std::get<0>(std::make_tuple(rest...));
                echoes.append({what, amount});
            };
        };
        connect(c, &Client::actionCheck, this, record("check"));
        connect(c, &Client::actionCall, this, record("call"));
        connect(c, &Client::actionBet, this, record("bet"));
        connect(c, &Client::actionRaise, this, record("raise"));
        connect(c, &Client::actionAllIn, this, record("allin"));
        connect(c, &Client::actionFold, this, [&echoes, own](qint32 position, qint32) {
            if (position == own)
                echoes.append({"fold", 0});
        });

        int bets = 0;
        for (int decision = 0; decision < 4; ++decision) {
            // A newcomer waits for the big blind to come round.
            // A variable: the macro uses its timeout unparenthesised, also as its step.
            const int wait = decision == 0 ? 90000 : 60000;
            QTRY_VERIFY_WITH_TIMEOUT(scene->checkCallButton()->isVisible(), wait);
            const int before = int(echoes.size());
            QString expected;
            double added = 0;
            const bool canChoose = scene->betRaiseButton()->isVisible() && scene->sliderProxy()->isVisible();
            const bool allIn = scene->checkCallButton()->text() == QLatin1String("All-in");
            if (allIn) {
                // Calling would end the test's stack: out of this hand instead.
                scene->foldButton()->click();
                expected = "fold";
            } else if (decision % 3 == 0 && canChoose) {
                // One step above the least raise: the amount sent is what goes in now.
                Slider* slider = scene->slider();
                slider->setValue(qMin(1, slider->maximum()));
                added = scene->betAmount() - scene->requestBet();
                QVERIFY(added > 0);
                scene->betRaiseButton()->click();
                expected = "bet";
                ++bets;
            } else if (decision % 3 == 1) {
                Q_EMIT table->view()->actionKeyPressed(PokerTableView::ActionCheckCall);
                expected = "checkcall";
            } else {
                scene->checkCallButton()->click();
                expected = "checkcall";
            }
            // The controls go at once; the server's answer follows.
            QVERIFY(!scene->checkCallButton()->isVisible());
            QVERIFY(!scene->foldButton()->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(echoes.size() > before, 10000);
            const Echo echo = echoes.at(before);
            if (expected == "fold") {
                QCOMPARE(echo.action, QStringLiteral("fold"));
            } else if (expected == "bet") {
                QVERIFY2(echo.action == "bet" || echo.action == "raise" || echo.action == "allin",
                         qPrintable(echo.action));
                QCOMPARE(echo.amount, added);
            } else {
                QVERIFY2(echo.action == "check" || echo.action == "call" || echo.action == "allin",
                         qPrintable(echo.action));
            }
        }
        QVERIFY(bets > 0);
    }

    void settingsComeBackOnTheNextLogin()
    {
        {
            Program first(m_server.port(), m_theme.get());
            QVERIFY(first.toLobby("demo4"));
            PlayerGameScene* scene = first.controller->playerScene();
            QVERIFY(scene);
            scene->setShowAvatars(false);
            scene->setUseKioskSlider(true);
            scene->setUseAutoReBuyin(true);
            QCOMPARE(first.controller->userSettings().value("avatarShow").toBool(), false);
            // Sent without waiting: give the requests their turn on the wire.
            QTest::qWait(1500);
        }
        Program second(m_server.port(), m_theme.get());
        QVERIFY(second.toLobby("demo4"));
        PlayerGameScene* scene = second.controller->playerScene();
        QTRY_COMPARE_WITH_TIMEOUT(scene->betMethod(), int(PlayerGameScene::BetChips), 10000);
        QCOMPARE(scene->showAvatars(), false);
        QCOMPARE(scene->useAutoReBuyin(), true);
        QCOMPARE(second.controller->userSettings().value("betMethod").toString(), QStringLiteral("chips"));
    }

    void choosingAnAvatarOnTheWheel()
    {
        Program program(m_server.port(), m_theme.get());
        // A table of its own: the seats of the others' tests stay taken for a while.
        GameListDialogItem* lobby = program.toLobby("demo7", "holdem-nl-1-2");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.sitDown(lobby, "holdem-nl-1-2");
        QVERIFY(table);
        PlayerGameScene* scene = table->playerScene();
        QTRY_VERIFY_WITH_TIMEOUT(scene->viewPosition() >= 0, 20000);
        scene->sideButton(PlayerGameScene::SideOptions)->click();
        auto* options = qobject_cast<PlayerOptionsDialogItem*>(scene->topDialog());
        QVERIFY(options);
        AvatarWheelItem* wheel = options->avatarWheel();
        // The server's list reaches the wheel, every picture fetched.
        AvatarManager* avatars = AvatarManager::instance();
        QTRY_VERIFY_WITH_TIMEOUT(avatars->avatarIds().size() > 3, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(wheel->avatarIds(), avatars->avatarIds(), 5000);
        const QList<int> ids = wheel->avatarIds();
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(ids.begin(), ids.end(),
                        [avatars](int id) { return !avatars->avatarImage(id).isNull(); }),
            10000);
        // One turn on: the next picture is the player's, at the table and on the server.
        const int before = int(ids.indexOf(wheel->currentAvatarId()));
        const int next = ids.at((qMax(before, 0) + 1) % ids.size());
        QSignalSpy stored(scene, &PlayerGameScene::userSettingsChanged);
        wheel->next();
        QTRY_COMPARE_WITH_TIMEOUT(scene->avatarId(), next, 3000);
        QCOMPARE(wheel->currentAvatarId(), next);
        QTRY_VERIFY_WITH_TIMEOUT(!stored.isEmpty(), 3000);
        QCOMPARE(stored.last().at(0).toMap().value("avatarId").toInt(), next);
        for (const qreal scale : {1.0, 2.0}) {
            QImage image(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            scene->render(&painter, QRectF(0, 0, 1024, 768), scene->sceneRect());
            painter.end();
            QVERIFY(
                image.save(QStringLiteral(SCREENSHOT_DIR "/player-options-avatars-%1x.png").arg(int(scale))));
        }
    }

    void handHistoryAndItsReplay()
    {
        Program program(m_server.port(), m_theme.get());
        // A table of its own: the seat stays taken for a while after the program is gone.
        GameListDialogItem* lobby = program.toLobby("demo8", "holdem-pl-1-2");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.sitDown(lobby, "holdem-pl-1-2");
        QVERIFY(table);
        PlayerGameScene* scene = table->playerScene();
        QTRY_VERIFY_WITH_TIMEOUT(scene->viewPosition() >= 0, 20000);
        // A hand the player was dealt into, and the next one begun: the first is over and kept.
        // (A newcomer waits for the big blind: the first hands at the table may not be theirs.)
        QSignalSpy hands(table->client(), &Client::handId);
        qsizetype dealtAt = -1;
        const int wait = 120000;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                if (scene->foldButton()->isVisible())
                    scene->checkCallButton()->click();
                if (dealtAt < 0 && !scene->holeCards()->cards().isEmpty())
                    dealtAt = hands.size();
                return dealtAt >= 0 && hands.size() > dealtAt;
            }(),
            wait);

        scene->sideButton(PlayerGameScene::SideOptions)->click();
        auto* options = qobject_cast<PlayerOptionsDialogItem*>(scene->topDialog());
        QVERIFY(options);
        options->historyButton()->click();
        auto* history = qobject_cast<GameHistoryDialogItem*>(scene->topDialog());
        QVERIFY(history);
        QTRY_VERIFY_WITH_TIMEOUT(history->replayCount() > 0, 10000);
        QVERIFY(history->textEdit()->toPlainText().contains("Replay"));

        // The last hand, in a window of its own, played at the seat the player had.
        history->replayHand(history->replayCount() - 1);
        auto* replay = table->view()->findChild<ReplayWindow*>();
        QVERIFY(replay);
        QVERIFY(replay->isVisible());
        QVERIFY(replay->isWindow());
        HandReplayer* replayer = replay->replayer();
        QVERIFY(replayer->isPlaying());
        QVERIFY(!replayer->replay().localPlayer().isEmpty());
        replayer->setSpeed(HandReplayer::MaximumSpeed);
        QTRY_VERIFY_WITH_TIMEOUT(!replayer->isPlaying(), wait);
        QCOMPARE(replayer->position(), replayer->stepCount());
        QCOMPARE(replayer->controller()->scene()->viewPosition(), scene->viewPosition());
        QVERIFY(replay->close());

        // Closing the history brings the options back.
        history->hide();
        Q_EMIT history->actionClose();
        QCOMPARE(qobject_cast<PlayerOptionsDialogItem*>(scene->topDialog()), options);
    }

    void cashierRefusedDuringATournament()
    {
        Program program(m_server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo5");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.sitDown(lobby, "holdem-nl-050-1");
        QVERIFY(table);
        table->slotTourStatusEvent(2, 0);
        const int dialogs = table->playerScene()->dialogCount();
        table->slotActionCashier();
        QCOMPARE(table->playerScene()->dialogCount(), dialogs);
        table->slotTourStatusEvent(0, 0);
        table->slotActionCashier();
        QTRY_VERIFY_WITH_TIMEOUT(table->playerScene()->dialogCount() > dialogs, 5000);
    }

    void reBuyingWhenTheChipsAreGone()
    {
        // A quick table of its own: all in every turn until the chips are gone, twice.
        PokerdProcess server;
        QVERIFY(server.start(m_dir.filePath("rebuy"),
                             {"--action-timeout", "20", "--bot-delay", "5", "--hand-delay", "50"}));
        Program program(server.port(), m_theme.get());
        GameListDialogItem* lobby = program.toLobby("demo6");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program.sitDown(lobby, "holdem-nl-050-1");
        QVERIFY(table);
        PlayerGameScene* scene = table->playerScene();
        QTRY_VERIFY_WITH_TIMEOUT(scene->viewPosition() >= 0, 20000);
        int busts = 0;
        int rebuys = 0;
        double stack = -1;
        connect(table->client(), &Client::userData, this,
                [&](qint32, QString name, qint32, qreal userStack, qint32, qint32, QString) {
                    if (name != "demo6")
                        return;
                    if (userStack == 0 && stack != 0)
                        ++busts;
                    if (userStack > 0 && stack == 0)
                        ++rebuys;
                    stack = userStack;
                });
        const auto allIn = [&] {
            if (!scene->checkCallButton()->isVisible())
                return;
            if (scene->betRaiseButton()->isVisible() && scene->slider()->isEnabled()) {
                scene->slider()->setValue(scene->slider()->maximum());
                scene->betRaiseButton()->click();
            } else {
                scene->checkCallButton()->click();
            }
        };

        // Asked to buy again: the buy-in dialog, and the chips it buys.
        BuyDialogItem* buy = nullptr;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         buy = qobject_cast<BuyDialogItem*>(table->topDialog());
                         if (buy)
                             return true;
                         allIn();
                         return false;
                     },
                     180000),
                 "never asked to buy again");
        QCOMPARE(busts, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!buy->isLoading() && buy->amount() > 0, 20000);
        buy->slotBuyin();
        QTRY_COMPARE_WITH_TIMEOUT(rebuys, 1, 20000);
        // Bought: the dialog has gone.
        QTRY_VERIFY_WITH_TIMEOUT(!qobject_cast<BuyDialogItem*>(table->topDialog()), 5000);

        // With automatic re-buy the same happens without a dialog.
        scene->setUseAutoReBuyin(true);
        bool asked = false;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         asked = asked || qobject_cast<BuyDialogItem*>(table->topDialog());
                         allIn();
                         return rebuys == 2;
                     },
                     180000),
                 "no automatic re-buy");
        QVERIFY2(!asked, "the buy-in dialog came up anyway");
        QCOMPARE(busts, 2);
    }
};

QTEST_MAIN(TestPlayerActions)
#include "tst_playeractions.moc"
