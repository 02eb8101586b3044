// A seat as the table drives it: texts, actions against the status, the
// turn clock, cards, avatars; and a picture of a seat in every state.
#include "avatarmanager.h"
#include "carditem.h"
#include "communityplayeritem.h"
#include "defaulttheme.h"
#include "localresources.h"
#include "playeritem.h"
#include "svgimagerenderer.h"

#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace VeskGames;

namespace {

/// Counts its paints, to see the clock move and rest.
class CountingSeat : public PlayerItem
{
public:
    int paints = 0;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override
    {
        ++paints;
        PlayerItem::paint(painter, option, widget);
    }
};

CardItem* card(const QString& text, QSizeF size = QSizeF(36, 48), SvgImageRenderer* deck = nullptr)
{
    auto* item = new CardItem(text == QLatin1String("back") ? Card(Card::Back, 0) : Card(text));
    item->setSize(size);
    if (deck)
        QObject::connect(item, &SvgImageItem::renderImage, deck, &SvgImageRenderer::renderImage);
    return item;
}

} // namespace

class TestPlayerItem : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<DefaultTheme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        // The avatar cache lives in a scratch home, with one picture ready.
        qputenv("HOME", m_home.path().toLocal8Bit());
        QDir().mkpath(m_home.path() + "/.velmora/avatars");
        QImage face(64, 64, QImage::Format_ARGB32);
        face.fill(QColor(200, 80, 40));
        QVERIFY(face.save(m_home.path() + "/.velmora/avatars/5.png"));
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void actions_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("badge");
        QTest::addColumn<QColor>("colour");
        const QColor red(228, 2, 2), grey(155, 152, 152), green(43, 229, 6), blue(114, 92, 245);
        QTest::newRow("raise") << 1 << 3 << "Raise" << red;
        QTest::newRow("fold") << 1 << 4 << "Fold" << grey;
        QTest::newRow("call") << 1 << 5 << "Call" << green;
        QTest::newRow("bet") << 1 << 6 << "Bet" << red;
        QTest::newRow("check") << 1 << 7 << "Check" << green;
        QTest::newRow("muck") << 1 << 8 << "Muck" << blue;
        QTest::newRow("all-in") << 1 << 9 << "All-in" << red;
        QTest::newRow("sit out") << 1 << 10 << "Sit out" << grey;
        QTest::newRow("leaving") << 1 << 12 << "Leaving" << grey;
        QTest::newRow("small blind") << 1 << 1 << "" << QColor();
        QTest::newRow("big blind") << 1 << 2 << "" << QColor();
        QTest::newRow("none") << 1 << 0 << "" << QColor();
        QTest::newRow("call while sitting out") << 2 << 5 << "Sit out" << grey;
        QTest::newRow("raise while leaving") << 4 << 3 << "Leaving" << grey;
        QTest::newRow("call with another status") << 3 << 5 << "" << QColor();
    }

    void actions()
    {
        QFETCH(int, status);
        QFETCH(int, action);
        QFETCH(QString, badge);
        QFETCH(QColor, colour);
        PlayerItem seat;
        seat.setPlayerName(0, "anna", true, QString());
        seat.setPlayerStatus(AbstractPlayerItem::PlayerStatus(status));
        seat.setAction(AbstractPlayerItem::PlayerAction(action), 2.5);
        QCOMPARE(seat.isSubItemVisible(PlayerItemBase::SubItemAction), !badge.isEmpty());
        QCOMPARE(seat.isSubItemVisible(PlayerItemBase::SubItemName), badge.isEmpty());
        if (!badge.isEmpty()) {
            QCOMPARE(seat.subItemText(PlayerItemBase::SubItemAction), badge);
            QCOMPARE(seat.subItemBrush(PlayerItemBase::SubItemAction).color(), colour);
        }
        QCOMPARE(int(seat.action()), action);
        QVERIFY(seat.isVisible());
    }

    void unusualActions()
    {
        PlayerItem seat;
        seat.setAction(AbstractPlayerItem::ActionCall, 1);
        // Beyond the known actions: ignored, the badge stays.
        seat.setAction(AbstractPlayerItem::PlayerAction(14), 1);
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemAction), QString("Call"));
        QVERIFY(seat.isSubItemVisible(PlayerItemBase::SubItemAction));
        // Out of the game: the seat goes, nothing else changes.
        seat.setAction(AbstractPlayerItem::ActionOutOfGame, 0);
        QVERIFY(!seat.isVisible());
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemAction), QString("Call"));
        // A status change shows at once, without a new action.
        PlayerItem other;
        other.setAction(AbstractPlayerItem::ActionCheck, 0);
        other.setPlayerStatus(AbstractPlayerItem::StatusSittingOut);
        QCOMPARE(other.subItemText(PlayerItemBase::SubItemAction), QString("Sit out"));
    }

    void theBadgeMakesWayForTheName()
    {
        PlayerItem seat;
        seat.setPlayerName(2, "bert", true, QString());
        seat.setAction(AbstractPlayerItem::ActionBet, 4);
        QVERIFY(seat.isSubItemVisible(PlayerItemBase::SubItemAction));
        QTRY_VERIFY_WITH_TIMEOUT(seat.isSubItemVisible(PlayerItemBase::SubItemName), 4000);
        QVERIFY(!seat.isSubItemVisible(PlayerItemBase::SubItemAction));
    }

    void names_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("showUserName");
        QTest::addColumn<QString>("displayName");
        QTest::addColumn<QString>("shown");
        QTest::newRow("hidden names") << 3 << "anna" << false << ""
                                      << "Player 4";
        QTest::newRow("hidden, even with a display name") << 0 << "anna" << false << "Anna B"
                                                          << "Player 1";
        QTest::newRow("user name") << 3 << "anna" << true << ""
                                   << "anna";
        QTest::newRow("display name") << 3 << "anna" << true << "Anna B"
                                      << "Anna B";
        QTest::newRow("too long, narrow letters") << 1 << "iiiiiiiiiiiiiiiiiiiiii" << true << ""
                                                  << "iiiiiiiiiiii";
        QTest::newRow("short") << 1 << "WWWWW" << true << ""
                               << "WWWWW";
    }

    void names()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(bool, showUserName);
        QFETCH(QString, displayName);
        QFETCH(QString, shown);
        std::unique_ptr<AbstractPlayerItem> seat(m_theme->createPlayerItem());
        auto* base = static_cast<PlayerItemBase*>(seat.get());
        seat->setPlayerName(position, name, showUserName, displayName);
        QCOMPARE(base->subItemText(PlayerItemBase::SubItemName), shown);
        QCOMPARE(seat->playerName(), name);
        // Whatever the name, it stays on the plate.
        seat->setPlayerName(position, "WWWWWWWWWWWWWWWWWWWW", true, QString());
        const QString cut = base->subItemText(PlayerItemBase::SubItemName);
        QVERIFY2(cut.size() <= 12 && cut.endsWith(QChar(0x2026)), qPrintable(cut));
        QVERIFY(base->plateRect().contains(base->subItemRect(PlayerItemBase::SubItemName)));
    }

    void stacks_data()
    {
        // Money as it is: cents whenever there are any, however large the
        // stack, and whatever a site's "amountDecimalsBelow" says.
        QTest::addColumn<QVariant>("threshold");
        QTest::addColumn<double>("stack");
        QTest::addColumn<double>("kept");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative") << QVariant() << -5.0 << 0.0 << "0";
        QTest::newRow("cents") << QVariant() << 12.5 << 12.5 << "12.50";
        QTest::newRow("cents above a hundred") << QVariant() << 182.8 << 182.8 << "182.80";
        QTest::newRow("ninety cents above a hundred") << QVariant() << 100.9 << 100.9 << "100.90";
        QTest::newRow("large with cents") << QVariant() << 12087.42 << 12087.42 << "12087.42";
        QTest::newRow("large and whole") << QVariant() << 2000.0 << 2000.0 << "2000";
        QTest::newRow("whole below a hundred") << QVariant() << 99.0 << 99.0 << "99";
        QTest::newRow("almost a hundred") << QVariant() << 99.999 << 99.999 << "100";
        QTest::newRow("a site's threshold of zero") << QVariant(0) << 0.6 << 0.6 << "0.60";
        QTest::newRow("a site's threshold of ten")
            << QVariant(QStringLiteral("10")) << 12.5 << 12.5 << "12.50";
    }

    void stacks()
    {
        QFETCH(QVariant, threshold);
        QFETCH(double, stack);
        QFETCH(double, kept);
        QFETCH(QString, text);
        qApp->setProperty("iniamountdecimalsbelow", threshold);
        const auto reset = qScopeGuard([] { qApp->setProperty("iniamountdecimalsbelow", QVariant()); });
        PlayerItem seat;
        seat.setPlayerStack(stack);
        QCOMPARE(seat.playerStack(), kept);
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemStack), text);
    }

    void clockTexts_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("over");
        QTest::newRow("fifteen") << 15000 << 0 << "15 sec" << false;
        QTest::newRow("just over ten") << 15000 << 4999 << "10 sec" << false;
        QTest::newRow("just under ten") << 15000 << 5050 << "9.9 sec" << false;
        QTest::newRow("nearly done") << 15000 << 14990 << "0.0 sec" << false;
        QTest::newRow("joined late") << 30000 << 12500 << "17 sec" << false;
        // A turn that ended before we saw it ends at once.
        QTest::newRow("past the end") << 5000 << 9000 << "0.0 sec" << true;
    }

    void clockTexts()
    {
        QFETCH(int, duration);
        QFETCH(int, elapsed);
        QFETCH(QString, text);
        QFETCH(bool, over);
        PlayerItem seat;
        QSignalSpy timeout(&seat, &AbstractPlayerItem::timeout);
        seat.startTimer(duration, elapsed);
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemTimer), text);
        QCOMPARE(seat.isSubItemVisible(PlayerItemBase::SubItemTimer), !over);
        QCOMPARE(timeout.size(), over ? 1 : 0);
        seat.cancelTimer();
        QVERIFY(!seat.isSubItemVisible(PlayerItemBase::SubItemTimer));
        QVERIFY(!seat.isTimerRunning());
    }

    void theClockRuns()
    {
        PlayerItem seat;
        seat.startTimer(15000, 4900);
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemTimer), QString("10 sec"));
        QTRY_COMPARE_WITH_TIMEOUT(seat.subItemText(PlayerItemBase::SubItemTimer), QString("9.9 sec"), 2000);

        QSignalSpy timeout(&seat, &AbstractPlayerItem::timeout);
        seat.startTimer(150, 0);
        QVERIFY(timeout.wait(2000));
        QCOMPARE(timeout.size(), 1);
        QVERIFY(!seat.isSubItemVisible(PlayerItemBase::SubItemTimer));
    }

    void theWarningSoundsOncePerTurnOnTheOwnSeat_data()
    {
        QTest::addColumn<bool>("you");
        QTest::newRow("own seat") << true;
        QTest::newRow("another seat") << false;
    }

    void theWarningSoundsOncePerTurnOnTheOwnSeat()
    {
        QFETCH(bool, you);
        PlayerItem seat;
        seat.setYOU(you);
        QSignalSpy sound(&seat, qOverload<qint32, bool>(&AbstractPlayerItem::playSound));
        seat.startTimer(10200, 0);
        QTest::qWait(500);
        QCOMPARE(sound.size(), you ? 1 : 0);
        if (you) {
            QCOMPARE(sound.first().at(0).toInt(), 1046);
            QCOMPARE(sound.first().at(1).toBool(), true);
        }
        // A new turn warns again.
        seat.startTimer(9000, 0);
        QTRY_COMPARE_WITH_TIMEOUT(sound.size(), you ? 2 : 0, 1000);
        QTest::qWait(100);
        QCOMPARE(sound.size(), you ? 2 : 0);
    }

    void theClockTicksTenTimesASecondAndRestsWhenDone()
    {
        QGraphicsScene scene(0, 0, 300, 200);
        auto* seat = new CountingSeat;
        scene.addItem(seat);
        QGraphicsView view(&scene);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(50);
        seat->paints = 0;
        seat->startTimer(20000, 0);
        QTest::qWait(1000);
        // Often enough for the pie to move, seldom enough not to load the
        // machine with repaints of the whole seat.
        const int running = seat->paints;
        QVERIFY2(running >= 6 && running <= 13, qPrintable(QString::number(running)));
        seat->cancelTimer();
        QTest::qWait(50);
        seat->paints = 0;
        QTest::qWait(500);
        QCOMPARE(seat->paints, 0);
    }

    void cards()
    {
        PlayerItem seat;
        seat.setPlayerName(0, "anna", true, QString());
        seat.setPlayerStack(12.5);
        seat.setCardOffset(QPointF(60, -8));
        seat.setNextCardOffset(QPointF(40, 0));
        for (int i = 0; i < 4; ++i)
            seat.addCard(card("back"));
        const QRectF nameAt = seat.subItemRect(PlayerItemBase::SubItemName);
        const QRectF stackAt = seat.subItemRect(PlayerItemBase::SubItemStack);
        QCOMPARE(seat.countCards(), 4);
        QVERIFY(!seat.isShowdown());
        // Face down they fan over the next-card offset.
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(seat.cards().at(i)->pos(), QPointF(60 + 10 * i, -8));
            QCOMPARE(seat.cards().at(i)->parentItem(), &seat);
            QCOMPARE(seat.cards().at(i)->zValue(), qreal(101 + i));
        }
        qDeleteAll(seat.cards());
        seat.clearCards();
        QCOMPARE(seat.countCards(), 0);

        // Two face up: side by side right of the centre.
        seat.setNextOpenCardOffset(QPointF(4, 0));
        seat.addCard(card("sA", QSizeF(60, 80)));
        seat.addCard(card("hK", QSizeF(60, 80)));
        QVERIFY(seat.isShowdown());
        const qreal x = (PlayerItemBase::SeatSize.width() - 124) / 2 + 25;
        QCOMPARE(seat.cards().at(0)->pos(), QPointF(x, -8));
        QCOMPARE(seat.cards().at(1)->pos(), QPointF(x + 64, -8));
        // The texts stay readable below the open cards.
        QVERIFY(seat.subItemRect(PlayerItemBase::SubItemStack).top() >= 72);
        QVERIFY(seat.subItemRect(PlayerItemBase::SubItemName).top() >= 72);
        // Four face up: across the seat.
        seat.addCard(card("dQ", QSizeF(60, 80)));
        seat.addCard(card("cJ", QSizeF(60, 80)));
        QCOMPARE(seat.cards().at(0)->pos().x(), 0.0);
        QCOMPARE(seat.cards().at(3)->pos().x() + 60, PlayerItemBase::SeatSize.width());
        qDeleteAll(seat.cards());
        seat.clearCards();
        // The cards gone, the texts are back in their places at once, not
        // only with the next deal.
        QCOMPARE(seat.subItemRect(PlayerItemBase::SubItemName), nameAt);
        QCOMPARE(seat.subItemRect(PlayerItemBase::SubItemStack), stackAt);
        seat.addCard(card("back"));
        QCOMPARE(seat.subItemRect(PlayerItemBase::SubItemName), nameAt);
        qDeleteAll(seat.cards());
        seat.clearCards();
    }

    void shownCardsStayOnTheTable_data()
    {
        QTest::addColumn<qreal>("seatY");
        QTest::addColumn<qreal>("cardsY"); // in the seat
        QTest::newRow("at the top edge") << 1.0 << -1.0;
        QTest::newRow("on the edge itself") << 0.0 << 0.0;
        QTest::newRow("lower down: the usual place") << 200.0 << -8.0;
    }

    void shownCardsStayOnTheTable()
    {
        QFETCH(qreal, seatY);
        QFETCH(qreal, cardsY);
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* seat = new PlayerItem;
        scene.addItem(seat);
        seat->setPos(300, seatY);
        seat->setPlayerName(0, "anna", true, QString());
        seat->setPlayerStack(1234.56);
        seat->setCardOffset(QPointF(60, -8));
        seat->addCard(card("sA", QSizeF(60, 80)));
        seat->addCard(card("hK", QSizeF(60, 80)));
        for (CardItem* shown : seat->cards()) {
            QCOMPARE(shown->pos().y(), cardsY);
            QVERIFY(scene.sceneRect().contains(shown->sceneBoundingRect()));
        }
        // The texts stay below the row, on the plate, one under the other.
        const QRectF name = seat->subItemRect(PlayerItemBase::SubItemName);
        const QRectF stack = seat->subItemRect(PlayerItemBase::SubItemStack);
        QVERIFY(name.top() >= cardsY + 80);
        QVERIFY(name.bottom() < stack.top());
        QVERIFY(seat->plateRect().contains(stack));
    }

    void aFreeSeatShowsNoTexts()
    {
        std::unique_ptr<AbstractPlayerItem> seat(m_theme->createPlayerItem());
        auto* base = static_cast<PlayerItemBase*>(seat.get());
        seat->setPlayerName(0, "anna", true, QString());
        seat->setAvailable(true);
        QVERIFY(seat->available());
        QVERIFY(!base->isSubItemVisible(PlayerItemBase::SubItemName));
        QVERIFY(!base->isSubItemVisible(PlayerItemBase::SubItemStack));
        QVERIFY(base->isSubItemVisible(PlayerItemBase::SubItemAvailable));
        seat->setAvailable(false);
        QVERIFY(!base->isSubItemVisible(PlayerItemBase::SubItemAvailable));
        QVERIFY(base->isSubItemVisible(PlayerItemBase::SubItemName));
        base->setVitalItemsVisibility(false);
        QVERIFY(!base->isSubItemVisible(PlayerItemBase::SubItemStack));
        base->setVitalItemsVisibility(true);
        QVERIFY(base->isSubItemVisible(PlayerItemBase::SubItemStack));
    }

    void avatars()
    {
        PlayerItem seat;
        QImage own(10, 10, QImage::Format_ARGB32);
        own.fill(Qt::blue);
        seat.setPlayerImage(own);
        seat.setAvatarId(5);
        QCOMPARE(seat.avatarId(), 5);
        QCOMPARE(seat.shownAvatar().pixelColor(5, 5), QColor(200, 80, 40));
        seat.setShowAvatar(false, true);
        QCOMPARE(seat.shownAvatar().pixelColor(5, 5), QColor(Qt::blue));
        // One not yet in the cache: the theme's picture until it arrives.
        seat.setShowAvatar(true, false);
        seat.setAvatarId(77);
        QCOMPARE(seat.shownAvatar().pixelColor(5, 5), QColor(Qt::blue));
        CommunityPlayerItem community;
        community.setAvatarId(5);
        QCOMPARE(community.avatarId(), -1);
    }

    void communityActionsArePictures()
    {
        CommunityPlayerItem seat;
        QImage call(90, 32, QImage::Format_ARGB32);
        call.fill(Qt::green);
        QImage winner(90, 32, QImage::Format_ARGB32);
        winner.fill(Qt::yellow);
        seat.setActionImageCall(call);
        seat.setActionImageWinner(winner);
        seat.setAction(AbstractPlayerItem::ActionCheck, 0);
        QCOMPARE(seat.actionImage(), call);
        QVERIFY(!seat.isSubItemVisible(PlayerItemBase::SubItemAction));
        seat.setAction(AbstractPlayerItem::ActionSitOut, 0);
        QVERIFY(seat.actionImage().isNull());
        QCOMPARE(seat.subItemText(PlayerItemBase::SubItemAction), QString("Sit out"));
        seat.showWinner();
        QVERIFY(seat.isWinnerShown());
        QCOMPARE(seat.actionImage(), winner);
    }

    void everyState()
    {
        SvgImageRenderer* deck = m_theme->cardRenderThread();
        QGraphicsScene scene(0, 0, 1024, 300);
        scene.setBackgroundBrush(QColor(17, 90, 70));
        const auto seat = [&](qreal x, qreal y) {
            auto* item = static_cast<PlayerItemBase*>(m_theme->createPlayerItem());
            scene.addItem(item);
            item->setPos(x, y);
            return item;
        };
        PlayerItemBase* free = seat(20, 40);
        free->setSubItemText(PlayerItemBase::SubItemAvailable, QStringLiteral("Available\nSeat"));
        free->setAvailable(true);
        PlayerItemBase* waiting = seat(200, 40);
        waiting->setPlayerName(1, "anna", true, QString());
        waiting->setAvatarId(5);
        waiting->setPlayerStack(182.5);
        waiting->addCard(card("back", QSizeF(36, 48), deck));
        waiting->addCard(card("back", QSizeF(36, 48), deck));
        PlayerItemBase* acting = seat(380, 40);
        acting->setPlayerName(2, "bert_the_bold", true, QString());
        acting->setPlayerStack(54);
        acting->addCard(card("back", QSizeF(36, 48), deck));
        acting->addCard(card("back", QSizeF(36, 48), deck));
        acting->setTimerTextAlignment(Qt::AlignBottom);
        acting->startTimer(15000, 9000);
        acting->setYOU(true);
        PlayerItemBase* called = seat(560, 40);
        called->setPlayerName(3, "carla", true, QString());
        called->setPlayerStack(20);
        called->setAction(AbstractPlayerItem::ActionCall, 2);
        PlayerItemBase* away = seat(740, 40);
        away->setPlayerName(4, "dave", true, QString());
        away->setPlayerStack(75);
        away->setPlayerStatus(AbstractPlayerItem::StatusSittingOut);
        PlayerItemBase* shown = seat(200, 180);
        shown->setPlayerName(5, "eve", true, QString());
        shown->setPlayerStack(310);
        shown->addCard(card("sA", QSizeF(60, 80), deck));
        shown->addCard(card("hA", QSizeF(60, 80), deck));
        PlayerItemBase* omaha = seat(560, 180);
        omaha->setPlayerName(6, "frank", false, QString());
        omaha->setPlayerStack(12.25);
        for (const char* c : {"sK", "hQ", "dJ", "cT"})
            omaha->addCard(card(c, QSizeF(60, 80), deck));
        // The deck renders in the background: ask once, then wait for the faces.
        QImage warmUp(QSize(1024, 300) * 2, QImage::Format_ARGB32_Premultiplied);
        warmUp.setDevicePixelRatio(2);
        for (int pass = 0; pass < 2; ++pass) {
            QPainter painter(&warmUp);
            scene.render(&painter, QRectF(0, 0, 1024, 300), scene.sceneRect());
            painter.end();
            QTest::qWait(300);
        }
        for (int ratio : {1, 2}) {
            QImage image(QSize(1024, 300) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::black);
            QPainter painter(&image);
            scene.render(&painter, QRectF(0, 0, 1024, 300), scene.sceneRect());
            painter.end();
            QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/seats-%1x.png").arg(ratio)));
        }
        acting->cancelTimer();
    }
};

QTEST_MAIN(TestPlayerItem)
#include "tst_playeritem.moc"
