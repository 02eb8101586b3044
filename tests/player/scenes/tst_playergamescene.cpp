// The seated player's table: what each action request offers, what each
// decision sends, keys for shown and hidden controls, settings as one-key maps.
#include "abstractplayeritem.h"
#include "betpresets.h"
#include "betpushbuttonitem.h"
#include "carditem.h"
#include "command.h"
#include "defaulttheme.h"
#include "holecardsitem.h"
#include "infodialogitem.h"
#include "kioskbetter.h"
#include "localresources.h"
#include "playergamescene.h"
#include "playeritembase.h"
#include "playeroptionsdialogitem.h"
#include "pushbuttonitem.h"
#include "slider.h"
#include "stackitem.h"
#include "textitem.h"

#include <QGraphicsProxyWidget>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace VeskGames;

namespace {

/// A cash game of Hold'em dealt at once: the player's cards lie face up.
constexpr int kInstantCash = 0x4001;

} // namespace

class TestPlayerGameScene : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

    std::unique_ptr<PlayerGameScene> table(double small = 1, double big = 2, double ante = 0, int limit = 1,
                                           int type = 0x1)
    {
        auto scene = std::make_unique<PlayerGameScene>(m_theme.get());
        scene->setSceneRect(0, 0, 1024, 768);
        scene->setPlayerCount(6);
        scene->setupScene();
        for (int i = 0; i < 6; ++i)
            scene->setPlayerData(i, QStringLiteral("p%1").arg(i), -1, 1000, 1, QString());
        scene->setLocalPlayer(QStringLiteral("p2"));
        GameParameters params;
        params.valid = true;
        params.type = type; // a cash game of Hold'em unless told
        params.limit = limit;
        params.seats = 6;
        params.stakeMin = small;
        params.stakeMax = big;
        params.ante = ante;
        params.currency = QStringLiteral("EUR");
        scene->setGameParameters(params);
        return scene;
    }

    static QString shown(PlayerGameScene* s)
    {
        QStringList parts;
        if (s->foldButton()->isVisible())
            parts << QStringLiteral("fold");
        if (s->checkCallButton()->isVisible())
            parts << s->checkCallButton()->text() + QLatin1Char(':') + s->checkCallButton()->amountText();
        if (s->betRaiseButton()->isVisible())
            parts << s->betRaiseButton()->text() + QLatin1Char(':') + s->betRaiseButton()->amountText();
        if (s->isBetWidgetVisible())
            parts << QStringLiteral("slider");
        if (s->potButton()->isVisible())
            parts << QStringLiteral("pot");
        for (int i = 0; i < BetPresets::PresetCount; ++i) {
            if (s->betPresetButton(i)->isVisible())
                parts << s->betPresetButton(i)->text() + QLatin1Char(':') +
                             s->betPresetButton(i)->amountText();
        }
        return parts.join(QLatin1Char(' '));
    }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void controlsForTheRequest_data()
    {
        QTest::addColumn<double>("valueMin");
        QTest::addColumn<double>("valueMax");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("isAllIn");
        QTest::addColumn<bool>("canRaise");
        QTest::addColumn<QString>("controls");

        // The default theme has room for the pot-sized presets; the small pot button gives way to them.
        QTest::newRow("nothing to call")
            << 2.0 << 100.0 << 0.0 << false << true
            << "fold Check: Bet:€2 slider \u00bd Pot:€50 \u2154 Pot:€66.66 Pot:€100";
        QTest::newRow("20 to call")
            << 40.0 << 100.0 << 20.0 << false << true
            << "fold Call:€20 Raise:€40 slider \u00bd Pot:€60 \u2154 Pot:€73.33 Pot:€100";
        QTest::newRow("calling is all-in") << 30.0 << 30.0 << 30.0 << true << true << "fold All-in:€30";
        QTest::newRow("no raise possible") << 0.0 << 0.0 << 10.0 << false << true << "fold Call:€10";
        QTest::newRow("minimum above maximum") << 50.0 << 30.0 << 10.0 << false << true << "fold Call:€10";
        QTest::newRow("the only raise is all-in")
            << 60.0 << 60.0 << 10.0 << false << true << "fold Call:€10 All-in:€60";
        QTest::newRow("raising not allowed") << 40.0 << 100.0 << 20.0 << false << false << "fold Call:€20";
    }

    void controlsForTheRequest()
    {
        QFETCH(double, valueMin);
        QFETCH(double, valueMax);
        QFETCH(double, value);
        QFETCH(bool, isAllIn);
        QFETCH(bool, canRaise);
        QFETCH(QString, controls);
        auto scene = table();
        scene->action(2, 20, valueMin, valueMax, valueMax, value, isAllIn, canRaise, 100, 100);
        QCOMPARE(shown(scene.get()), controls);
        // Somebody else's turn shows the player nothing new.
        auto other = table();
        other->action(3, 20, valueMin, valueMax, valueMax, value, isAllIn, canRaise, 100, 100);
        QCOMPARE(shown(other.get()), QString());
    }

    void presetsPutAShareOfThePotIntoTheChooser_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<double>("inFront"); ///< the player's blind, already in
        QTest::addColumn<double>("toCall");
        QTest::addColumn<double>("minAdd");
        QTest::addColumn<double>("maxAdd");
        QTest::addColumn<double>("potLimitAdd");
        QTest::addColumn<QList<double>>("totals"); ///< in front after half, two thirds, pot
        // Pot 3 with the blinds, 2 to call for the small blind's 1: a pot raise adds 2 + 5.
        QTest::newRow("no limit, from the small blind")
            << 1 << 1.0 << 1.0 << 3.0 << 99.0 << 5.0 << QList<double>{4.0, 4.66, 6.0};
        QTest::newRow("no limit, more than the stack")
            << 1 << 0.0 << 20.0 << 40.0 << 60.0 << 200.0 << QList<double>{60.0, 60.0, 60.0};
        QTest::newRow("pot limit caps at the pot")
            << 2 << 0.0 << 20.0 << 40.0 << 100.0 << 100.0 << QList<double>{60.0, 73.33, 100.0};
        QTest::newRow("half the pot is below the minimum raise")
            << 1 << 0.0 << 10.0 << 30.0 << 500.0 << 30.0 << QList<double>{30.0, 30.0, 30.0};
    }

    void presetsPutAShareOfThePotIntoTheChooser()
    {
        QFETCH(int, limit);
        QFETCH(double, inFront);
        QFETCH(double, toCall);
        QFETCH(double, minAdd);
        QFETCH(double, maxAdd);
        QFETCH(double, potLimitAdd);
        QFETCH(QList<double>, totals);
        auto scene = table(1, 2, 0, limit);
        scene->betStack(2)->setValue(inFront);
        scene->action(2, 20, minAdd, maxAdd, potLimitAdd, toCall, false, true, 100, 100);
        const PokerTableView::Action keys[] = {PokerTableView::ActionHalfPot,
                                               PokerTableView::ActionTwoThirdsPot, PokerTableView::ActionPot};
        for (int i = 0; i < BetPresets::PresetCount; ++i) {
            QVERIFY(scene->betPresetButton(i)->isVisible());
            scene->slotBetPot(); // somewhere else first
            scene->betPresetButton(i)->click();
            QCOMPARE(scene->betAmount(), totals.at(i));
            scene->slotBetPot();
            scene->keyAction(keys[i]);
            QCOMPARE(scene->betAmount(), totals.at(i));
            // Never outside what the request allows.
            QVERIFY(scene->betAmount() >= inFront + minAdd - 1e-9 &&
                    scene->betAmount() <= inFront + maxAdd + 1e-9);
        }
        // The bet that goes out is what is added now.
        QSignalSpy bets(scene.get(), &PlayerGameScene::actionBet);
        scene->betPresetButton(BetPresets::HalfPot)->click();
        scene->slotBet();
        QCOMPARE(bets.size(), 1);
        QCOMPARE(bets.at(0).at(0).toDouble(), totals.at(0) - inFront);
    }

    void aRequestOutsideTheTableChangesNothing()
    {
        auto scene = table();
        QTest::ignoreMessage(QtWarningMsg, "PlayerGameScene::action(), wrong position 6");
        scene->action(6, 20, 2, 100, 100, 0, false, true, 100, 100);
        QCOMPARE(shown(scene.get()), QString());
    }

    void betAmounts_data()
    {
        QTest::addColumn<double>("small");
        QTest::addColumn<double>("big");
        QTest::addColumn<double>("ante");
        QTest::addColumn<int>("limit");
        QTest::addColumn<double>("inFront");
        QTest::addColumn<double>("valueMax");
        QTest::addColumn<double>("potLimit");
        QTest::addColumn<double>("sliderTop");
        QTest::addColumn<double>("potTotal");
        QTest::addColumn<double>("firstStep"); // the second amount on the slider

        // The slider holds totals in front of the player.
        QTest::newRow("no limit") << 1.0 << 2.0 << 0.0 << 1 << 2.0 << 100.0 << 30.0 << 102.0 << 32.0 << 8.0;
        QTest::newRow("pot limit tops at the pot")
            << 1.0 << 2.0 << 0.0 << 2 << 2.0 << 100.0 << 30.0 << 32.0 << 32.0 << 8.0;
        QTest::newRow("pot above the maximum")
            << 1.0 << 2.0 << 0.0 << 2 << 0.0 << 20.0 << 50.0 << 20.0 << 20.0 << 6.0;
        QTest::newRow("ante only: steps of twice the ante")
            << 0.0 << 0.0 << 5.0 << 1 << 0.0 << 100.0 << 100.0 << 100.0 << 100.0 << 10.0;
    }

    void betAmounts()
    {
        QFETCH(double, small);
        QFETCH(double, big);
        QFETCH(double, ante);
        QFETCH(int, limit);
        QFETCH(double, inFront);
        QFETCH(double, valueMax);
        QFETCH(double, potLimit);
        QFETCH(double, sliderTop);
        QFETCH(double, potTotal);
        QFETCH(double, firstStep);
        auto scene = table(small, big, ante, limit);
        scene->betStack(2)->setValue(inFront);
        scene->action(2, 20, 4, valueMax, potLimit, 0, false, true, 100, 100);
        const QVector<double> ticks = scene->slider()->ticks();
        QCOMPARE(ticks.first(), inFront + 4);
        QCOMPARE(ticks.last(), sliderTop);
        QCOMPARE(ticks.value(1), qMin(firstStep, sliderTop));
        scene->slotBetPot();
        QCOMPARE(scene->betAmount(), potTotal);
        // What goes out is what is added now, not the total.
        QSignalSpy bets(scene.get(), &PlayerGameScene::actionBet);
        scene->slotBet();
        QCOMPARE(bets.size(), 1);
        QCOMPARE(bets.at(0).at(0).toDouble(), potTotal - inFront);
        QCOMPARE(shown(scene.get()), QString());
    }

    void decisions()
    {
        auto scene = table();
        QSignalSpy folds(scene.get(), &PlayerGameScene::actionFold);
        QSignalSpy checks(scene.get(), &PlayerGameScene::actionCheck);
        scene->dealHole(2, {Card("sA"), Card("hK")}, 0);
        QCOMPARE(scene->holeCards()->cards().size(), 2);
        // The seat shows backs; the faces are the player's own.
        QCOMPARE(scene->seat(2)->cards().size(), 2);
        scene->action(2, 20, 2, 100, 100, 0, false, true, 100, 100);
        scene->slotCheck();
        QCOMPARE(checks.size(), 1);
        QCOMPARE(shown(scene.get()), QString());
        scene->action(2, 20, 4, 100, 100, 2, false, true, 100, 100);
        scene->slotFold();
        QCOMPARE(folds.size(), 1);
        QVERIFY(scene->holeCards()->cards().isEmpty());
        QVERIFY(scene->seat(2)->cards().isEmpty());
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("canRaise");
        QTest::addColumn<QString>("signal");

        QTest::newRow("fold") << int(PokerTableView::ActionFold) << true << "fold";
        QTest::newRow("check") << int(PokerTableView::ActionCheckCall) << true << "check";
        QTest::newRow("bet") << int(PokerTableView::ActionBetRaise) << true << "bet";
        QTest::newRow("bet hidden") << int(PokerTableView::ActionBetRaise) << false << "";
        QTest::newRow("slide up") << int(PokerTableView::ActionSlideUp) << true << "slide";
        QTest::newRow("slide hidden") << int(PokerTableView::ActionSlideUp) << false << "";
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, canRaise);
        QFETCH(QString, signal);
        auto scene = table();
        QSignalSpy folds(scene.get(), &PlayerGameScene::actionFold);
        QSignalSpy checks(scene.get(), &PlayerGameScene::actionCheck);
        QSignalSpy bets(scene.get(), &PlayerGameScene::actionBet);
        // Keys before any request do nothing.
        scene->keyAction(PokerTableView::Action(key));
        QCOMPARE(folds.size() + checks.size() + bets.size(), 0);
        scene->action(2, 20, 2, 100, 100, 0, false, canRaise, 100, 100);
        const double before = scene->betAmount();
        scene->keyAction(PokerTableView::Action(key));
        QCOMPARE(folds.size(), signal == "fold" ? 1 : 0);
        QCOMPARE(checks.size(), signal == "check" ? 1 : 0);
        QCOMPARE(bets.size(), signal == "bet" ? 1 : 0);
        // One small blind up.
        QCOMPARE(scene->betAmount(), signal == "slide" ? before + 1 : before);
    }

    void timeoutHidesTheControls()
    {
        auto scene = table();
        scene->action(2, 20, 2, 100, 100, 0, false, true, 100, 100);
        QVERIFY(!shown(scene.get()).isEmpty());
        Q_EMIT scene->seat(2)->timeout();
        QCOMPARE(shown(scene.get()), QString());
    }

    void betMethodKeepsTheAmount()
    {
        auto scene = table();
        scene->action(2, 20, 2, 100, 100, 0, false, true, 100, 100);
        scene->slider()->setSliderValue(40);
        const QString forty = scene->betRaiseButton()->amountText();
        QVERIFY(forty.contains("40"));
        QSignalSpy stored(scene.get(), &PlayerGameScene::userSettingsChanged);
        scene->setUseKioskSlider(true);
        QCOMPARE(scene->betMethod(), int(PlayerGameScene::BetChips));
        QCOMPARE(scene->kioskBetter()->sliderValue(), 40.0);
        QVERIFY(scene->kioskBetter()->isVisible());
        QVERIFY(!scene->sliderProxy()->isVisible());
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).at(0).toMap(), (QVariantMap{{"betMethod", "chips"}}));
        // The button says what a click sends, after the switch and back.
        QCOMPARE(scene->betRaiseButton()->amountText(), forty);
        scene->setUseKioskSlider(false);
        QCOMPARE(scene->slider()->sliderValue(), 40.0);
        QCOMPARE(scene->betRaiseButton()->amountText(), forty);
        QSignalSpy bets(scene.get(), &PlayerGameScene::actionBet);
        scene->slotBet();
        QCOMPARE(bets.size(), 1);
        QCOMPARE(bets.at(0).at(0).toDouble(), 40.0); // nothing in front yet
    }

    void settings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("value");

        QTest::newRow("sound") << "soundMute" << true;
        QTest::newRow("hole cards") << "holeShow" << true;
        QTest::newRow("avatars") << "avatarShow" << false;
        QTest::newRow("four colours") << "fourColourDeck" << true;
        QTest::newRow("stay") << "instaStay" << true;
        QTest::newRow("auto re-buy") << "autoReBuyin" << true;
    }

    void settings()
    {
        QFETCH(QString, key);
        QFETCH(bool, value);
        auto scene = table();
        QSignalSpy stored(scene.get(), &PlayerGameScene::userSettingsChanged);
        const QMap<QString, std::function<void(bool)>> setters{
            {"soundMute", [&](bool v) { scene->setMuteSound(v); }},
            {"holeShow", [&](bool v) { scene->setShowHoleCards(v); }},
            {"avatarShow", [&](bool v) { scene->setShowAvatars(v); }},
            {"fourColourDeck", [&](bool v) { scene->setUseFourColourCards(v); }},
            {"instaStay", [&](bool v) { scene->setStayFold(v); }},
            {"autoReBuyin", [&](bool v) { scene->setUseAutoReBuyin(v); }},
        };
        setters.value(key)(value);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).at(0).toMap(), (QVariantMap{{key, value}}));

        // Loaded from the server: applied, not sent back.
        auto loaded = table();
        QSignalSpy quiet(loaded.get(), &PlayerGameScene::userSettingsChanged);
        loaded->applyUserSettings(QVariantMap{{key, value ? "true" : "false"}});
        QCOMPARE(quiet.size(), 0);
        if (key == "soundMute")
            QCOMPARE(loaded->muteSound(), value);
        else if (key == "holeShow")
            QCOMPARE(loaded->holeCards()->showHoleCards(), value);
        else if (key == "avatarShow")
            QCOMPARE(loaded->showAvatars(), value);
        else if (key == "fourColourDeck")
            QCOMPARE(loaded->useFourColourCards(), value);
        else if (key == "instaStay")
            QCOMPARE(loaded->stayFold(), value);
        else
            QCOMPARE(loaded->useAutoReBuyin(), false); // the controller's to apply
    }

    void informationText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("ante");
        QTest::addColumn<QString>("text");

        QTest::newRow("cash") << 0x1 << 0.0 << "NL Texas Hold'em\n€1/€2";
        QTest::newRow("cash with ante") << 0x1 << 0.5 << "NL Texas Hold'em\n€1/€2\nAnte: €0.50";
        QTest::newRow("sit & go") << 0x2001 << 0.0 << "NL Sit & Go Texas Hold'em\n1/2 (10 min)";
    }

    void informationText()
    {
        QFETCH(int, type);
        QFETCH(double, ante);
        QFETCH(QString, text);
        auto scene = table();
        GameParameters params;
        params.valid = true;
        params.type = type;
        params.limit = 1;
        params.stakeMin = 1;
        params.stakeMax = 2;
        params.ante = ante;
        params.tourStakeChangeInterval = 600;
        params.currency = QStringLiteral("EUR");
        scene->setGameParameters(params);
        QCOMPARE(scene->informationText(), text);
    }

    void sideButtonsAndDialogs()
    {
        auto scene = table();
        QVERIFY(scene->sideButton(PlayerGameScene::SideLeave)->isVisible());
        QVERIFY(scene->sideButton(PlayerGameScene::SideCashier)->isVisible());
        QVERIFY(!scene->sideButton(PlayerGameScene::SidePayout)->isVisible());
        scene->setTourStatus(2);
        QVERIFY(!scene->sideButton(PlayerGameScene::SideCashier)->isVisible());
        QVERIFY(scene->sideButton(PlayerGameScene::SidePayout)->isVisible());
        scene->setTourStatus(0);
        QVERIFY(scene->sideButton(PlayerGameScene::SideCashier)->isVisible());

        // Leaving asks first; only "Close" leaves.
        QSignalSpy leaves(scene.get(), &PlayerGameScene::actionLeave);
        scene->sideButton(PlayerGameScene::SideLeave)->click();
        auto* confirm = qobject_cast<InfoDialogItem*>(scene->topDialog());
        QVERIFY(confirm);
        QCOMPARE(confirm->text(), QStringLiteral("Confirm Close"));
        QCOMPARE(leaves.size(), 0);
        confirm->buttonBox()->buttons().last()->click();
        QCOMPARE(leaves.size(), 1);

        // Sitting out offers the way back, once however often it is said.
        scene->clearDialogs();
        scene->showSittingOut();
        scene->showSittingOut();
        QCOMPARE(scene->dialogCount(), 1);
        scene->showPlaying();
        QCOMPARE(scene->dialogCount(), 0);
    }

    void optionsDialog()
    {
        auto scene = table();
        scene->sideButton(PlayerGameScene::SideOptions)->click();
        auto* options = qobject_cast<PlayerOptionsDialogItem*>(scene->topDialog());
        QVERIFY(options);
        // Avatars are shown: the toggle offers to hide them.
        PushButtonItem* avatars = options->toggle(PlayerOptionsDialogItem::ToggleAvatars);
        QVERIFY(avatars->isChecked());
        QSignalSpy stored(scene.get(), &PlayerGameScene::userSettingsChanged);
        avatars->click();
        QCOMPARE(scene->showAvatars(), false);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.at(0).at(0).toMap(), (QVariantMap{{"avatarShow", false}}));
        options->toggle(PlayerOptionsDialogItem::ToggleChips)->click();
        QCOMPARE(scene->betMethod(), int(PlayerGameScene::BetChips));
        QSignalSpy history(scene.get(), &PlayerGameScene::actionGameHistory);
        options->historyButton()->click();
        QCOMPARE(history.size(), 1);
        for (const qreal scale : {1.0, 2.0}) {
            QImage image(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            scene->render(&painter, QRectF(0, 0, 1024, 768), QRectF(0, 0, 1024, 768));
            painter.end();
            QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/player-options-%1x.png").arg(int(scale))));
        }
        options->closeButton()->click();
        QCOMPARE(scene->dialogCount(), 0);
    }

    void fourColourDeckRedrawsTheTable()
    {
        auto scene = table(1, 2, 0, 1, kInstantCash); // the player's own cards face up
        scene->setShowHoleCards(true, false);
        scene->dealHole(2, {Card("dA"), Card("cK")}, 0);
        scene->dealCommunity({Card("d9"), Card("c7"), Card("h2")}, 0);
        const QList<CardItem*> hole = scene->holeCards()->rowCardItems();
        QCOMPARE(hole.size(), 2);
        const QVector<CardItem*> board = scene->communityCards();
        QCOMPARE(board.size(), 3);
        QImage image;
        const auto inks = [&](const QList<QGraphicsItem*>& cards, bool blue) {
            image = QImage(QSize(1024, 768), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::black);
            QPainter painter(&image);
            scene->render(&painter, QRectF(0, 0, 1024, 768), QRectF(0, 0, 1024, 768));
            painter.end();
            int count = 0;
            for (const QGraphicsItem* card : cards) {
                const QRect area = card->sceneBoundingRect().toRect() & image.rect();
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    for (int x = area.left(); x <= area.right(); ++x) {
                        const QColor c = image.pixelColor(x, y);
                        count += blue ? c.blue() > c.red() + 80 && c.blue() > c.green() + 40
                                      : c.green() > c.red() + 50 && c.green() > c.blue() + 30;
                    }
                }
            }
            return count;
        };
        const QList<QGraphicsItem*> diamonds = {board.at(0), hole.at(0)};
        const QList<QGraphicsItem*> clubs = {board.at(1), hole.at(1)};
        const int timeout = 5000;
        // Two colours: the diamonds are red, drawn once the pictures arrive.
        const auto drawn = [&](const QList<QGraphicsItem*>& cards) {
            inks(cards, true); // painting asks for the pictures
            for (QGraphicsItem* card : cards) {
                if (static_cast<CardItem*>(card)->pixmap().isNull())
                    return false;
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(drawn(diamonds + clubs), timeout);
        QCOMPARE(inks(diamonds, true), 0);
        QCOMPARE(inks(clubs, false), 0);

        // The cards already out change with the deck, the board's and the player's own.
        scene->setUseFourColourCards(true, false);
        const QList<CardItem*> newHole = scene->holeCards()->rowCardItems();
        QCOMPARE(newHole.size(), 2);
        const QList<QGraphicsItem*> newDiamonds = {board.at(0), newHole.at(0)};
        const QList<QGraphicsItem*> newClubs = {board.at(1), newHole.at(1)};
        for (QGraphicsItem* card : newDiamonds + newClubs) {
            QTRY_VERIFY_WITH_TIMEOUT(inks({card}, card == board.at(0) || card == newHole.at(0)) > 100,
                                     timeout);
        }
        // Hearts stay red: nothing blue or green on them.
        QCOMPARE(inks({board.at(2)}, true) + inks({board.at(2)}, false), 0);
        // A card dealt now comes from the new deck too.
        scene->dealCommunity({Card("dT")}, 0);
        QTRY_VERIFY_WITH_TIMEOUT(inks({scene->communityCards().last()}, true) > 100, timeout);

        // And back: red diamonds again.
        scene->setUseFourColourCards(false, false);
        QTRY_VERIFY_WITH_TIMEOUT(drawn({board.at(0)}), timeout);
        QCOMPARE(inks({board.at(0)}, true) + inks({board.at(0)}, false), 0);
    }

    void timerTextClearOfCards_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("type");
        for (int seats = 2; seats <= 10; ++seats) {
            QTest::addRow("%d seats", seats) << seats << 0x1001;
            QTest::addRow("%d seats, instant deal", seats) << seats << 0x5001;
        }
    }

    // Whichever seat acts, its seconds are on the table and clear of every
    // card, its own too: text over a card's back is hard to read.
    void timerTextClearOfCards()
    {
        QFETCH(int, seats);
        QFETCH(int, type);
        auto scene = std::make_unique<PlayerGameScene>(m_theme.get());
        scene->setSceneRect(0, 0, 1024, 768);
        scene->setGameType(type);
        scene->setPlayerCount(seats);
        scene->setupScene();
        for (int i = 0; i < seats; ++i)
            scene->setPlayerData(i, QStringLiteral("p%1").arg(i), -1, 1000, 1, QString());
        scene->setLocalPlayer(QStringLiteral("p0"));
        for (int i = 0; i < seats; ++i)
            scene->dealHole(i,
                            i == 0 ? QVector<Card>{Card("dA"), Card("hK")}
                                   : QVector<Card>{Card(Card::Back, 0), Card(Card::Back, 0)},
                            0);
        QList<QGraphicsItem*> cardItems;
        for (QGraphicsItem* item : scene->items()) {
            if (dynamic_cast<CardItem*>(item) && item->isVisible())
                cardItems.append(item);
        }
        QVERIFY(cardItems.size() >= seats * 2);
        for (int acting = 0; acting < seats; ++acting) {
            scene->action(acting, 20, 40, 1000, 1000, 20, false, true, 100, 100);
            auto* seat = static_cast<PlayerItemBase*>(scene->seat(acting));
            const QRectF text = seat->mapRectToScene(seat->subItemRect(AbstractPlayerItem::SubItemTimer));
            QVERIFY(!text.isEmpty());
            QVERIFY2(
                scene->sceneRect().contains(text),
                qPrintable(QStringLiteral("seat %1 at (%2, %3)").arg(acting).arg(text.x()).arg(text.y())));
            for (QGraphicsItem* card : std::as_const(cardItems)) {
                QVERIFY2(!card->sceneBoundingRect().intersects(text),
                         qPrintable(QStringLiteral("seat %1's clock at (%2, %3) under a card at (%4, %5)")
                                        .arg(acting)
                                        .arg(text.x())
                                        .arg(text.y())
                                        .arg(card->sceneBoundingRect().x())
                                        .arg(card->sceneBoundingRect().y())));
            }
            // A right-hand seat's clock, for a person to look at.
            if (seats == 10 && type == 0x1001 && acting == 1) {
                for (const int scale : {1, 2}) {
                    QImage image(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
                    image.setDevicePixelRatio(scale);
                    for (int pass = 0; pass < 3; ++pass) { // cards render in the background
                        image.fill(Qt::black);
                        QPainter painter(&image);
                        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
                        scene->render(&painter, QRectF(0, 0, 1024, 768), QRectF(0, 0, 1024, 768));
                        painter.end();
                        QTest::qWait(100);
                    }
                    QVERIFY(
                        image.save(QStringLiteral(SCREENSHOT_DIR "/player-clock-side-%1x.png").arg(scale)));
                }
            }
            scene->cancelAction();
        }
    }

    void handNamedWhenItsCardsHaveLanded_data()
    {
        QTest::addColumn<int>("msec");
        QTest::addColumn<bool>("cutShort");
        QTest::newRow("at once") << 0 << false;
        QTest::newRow("dealt") << 150 << false;
        QTest::newRow("cut short") << 3000 << true;
    }

    void handNamedWhenItsCardsHaveLanded()
    {
        QFETCH(int, msec);
        QFETCH(bool, cutShort);
        auto scene = table();
        scene->dealHole(2, {Card("dT"), Card("hT")}, 0);
        QCOMPARE(scene->handText()->text(), QString());
        Command* flop = scene->dealCommunity({Card("sT"), Card("c7"), Card("d2")}, msec);
        if (msec == 0) {
            QVERIFY(!flop);
        } else {
            QVERIFY(flop);
            QSignalSpy done(flop, &Command::done);
            flop->exec();
            // While the flop is in the air nothing is said of it.
            QCOMPARE(scene->handText()->text(), QString());
            if (cutShort)
                flop->finish(); // a new batch drives it to its end
            else
                QVERIFY(done.wait(5000));
            delete flop;
        }
        QCOMPARE(scene->handText()->text(), QString("three of a kind, tens"));
    }

    void screenshot_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QString>("name");
        QTest::newRow("1x") << 1.0 << "player-controls";
        QTest::newRow("2x") << 2.0 << "player-controls";
        QTest::newRow("four colours 1x") << 1.0 << "player-four-colour";
        QTest::newRow("four colours 2x") << 2.0 << "player-four-colour";
    }

    void screenshot()
    {
        QFETCH(qreal, scale);
        QFETCH(QString, name);
        auto scene = name == "player-four-colour" ? table(1, 2, 0, 1, kInstantCash) : table();
        if (name == "player-four-colour") {
            scene->setUseFourColourCards(true, false);
            scene->setShowHoleCards(true, false);
        }
        scene->dealHole(2, {Card("dA"), Card("hK")}, 0);
        scene->dealCommunity({Card("sK"), Card("c7"), Card("d2")}, 0);
        QVERIFY(!scene->handText()->text().isEmpty());
        scene->action(2, 20, 40, 1000, 1000, 20, false, true, 100, 100);
        QImage image;
        for (int pass = 0; pass < 3; ++pass) { // cards render in the background when first drawn
            image = QImage(QSize(1024, 768) * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            scene->render(&painter, QRectF(0, 0, 1024, 768), QRectF(0, 0, 1024, 768));
            painter.end();
            QTest::qWait(300);
        }
        QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/%1-%2x.png").arg(name).arg(int(scale))));
    }
};

QTEST_MAIN(TestPlayerGameScene)
#include "tst_playergamescene.moc"
