// The table's book-keeping at once and animated, the seat layouts, the
// best hands; and pictures of full tables mid-hand.
#include "abstractplayeritem.h"
#include "carditem.h"
#include "compositecommand.h"
#include "defaulttheme.h"
#include "gamescene.h"
#include "gamescene_p.h"
#include "graphicsitemanimationcommand.h"
#include "localresources.h"
#include "playeritembase.h"
#include "pot.h"
#include "stackitem.h"

#include <QGraphicsPixmapItem>
#include <QLoggingCategory>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimeLine>

using namespace VeskGames;

namespace {

/// Runs a command to its end, or cuts it short half way.
bool run(Command* command, bool cutShort = false)
{
    if (!command)
        return false;
    QSignalSpy done(command, &Command::done);
    command->exec();
    if (cutShort) {
        QTest::qWait(20);
        command->finish();
        // A sequence cut short says nothing more; its steps are all done.
        const bool sequence = qobject_cast<CompositeCommand*>(command) != nullptr;
        delete command;
        return sequence || done.size() == 1;
    }
    if (done.isEmpty() && !done.wait(5000))
        return false;
    const bool ended = done.size() == 1;
    delete command;
    return ended;
}

QVector<Card> cards(const QStringList& names)
{
    QVector<Card> result;
    for (const QString& name : names)
        result.append(name == QLatin1String("back") ? Card(Card::Back, 0) : Card(name));
    return result;
}

} // namespace

class TestGameScene : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

    std::unique_ptr<GameScene> table(int seats, int local = 0)
    {
        auto scene = std::make_unique<GameScene>(m_theme.get());
        scene->setSceneRect(0, 0, 1024, 768);
        scene->setPlayerCount(seats);
        scene->setupScene();
        for (int i = 0; i < seats; ++i)
            scene->setPlayerData(i, QStringLiteral("p%1").arg(i), -1, 100, 1, QString());
        if (local >= 0)
            scene->setLocalPlayer(QStringLiteral("p%1").arg(local));
        return scene;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A move refused for its seat is told in a debug message, off unless asked for.
        QLoggingCategory::setFilterRules(QStringLiteral("vesk.table.debug=true"));
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void theTableTurnsToTheLocalPlayer_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("local");
        QTest::addColumn<int>("turn");
        QTest::newRow("six, seat 0") << 6 << 0 << 3;
        QTest::newRow("six, seat 3") << 6 << 3 << 0;
        QTest::newRow("six, seat 4") << 6 << 4 << 3;
        QTest::newRow("seven, seat 4") << 7 << 4 << 3;
        QTest::newRow("seven, seat 2") << 7 << 2 << 0;
        QTest::newRow("eight, seat 0") << 8 << 0 << 4;
        QTest::newRow("eight, seat 4") << 8 << 4 << 0;
        QTest::newRow("ten, seat 7") << 10 << 7 << 5;
        QTest::newRow("two, seat 1") << 2 << 1 << 1;
        QTest::newRow("nine, seat 3") << 9 << 3 << 0;
    }

    void theTableTurnsToTheLocalPlayer()
    {
        QFETCH(int, seats);
        QFETCH(int, local);
        QFETCH(int, turn);
        auto scene = table(seats, local);
        QCOMPARE(scene->viewPosition(), local);
        QCOMPARE(scene->rotation(), turn);
        const QList<QPointF> places = m_theme->playerPositions(seats);
        const QList<QPointF> stacks = m_theme->playerStackPositions(seats);
        const QList<QPointF> buttons = m_theme->dealerButtonPositions(seats);
        for (int i = 0; i < seats; ++i) {
            QCOMPARE(scene->seat(i)->pos(), places.at((i + turn) % seats));
            QCOMPARE(scene->betStack(i)->pos(), stacks.at((i + turn) % seats));
            QCOMPARE(scene->seat(i)->dealerButtonPosition(), buttons.at((i + turn) % seats));
        }
        QVERIFY(static_cast<const QGraphicsItem*>(scene->seat(local))->isVisible());
    }

    void everyCountAndEverySeat()
    {
        // Instant deal puts the local player at the first place of the layout, whatever the seat.
        for (int seats = 2; seats <= 10; ++seats) {
            for (int local = 0; local < seats; ++local) {
                auto scene = table(seats, local);
                scene->setGameType(0x5001);
                scene->setLocalPlayer(QStringLiteral("p%1").arg(local));
                QCOMPARE(scene->seat(local)->pos(), m_theme->playerInstaDealPositions(seats).at(0));
                QSet<QPair<qreal, qreal>> taken;
                for (int i = 0; i < seats; ++i)
                    taken.insert({scene->seat(i)->pos().x(), scene->seat(i)->pos().y()});
                QCOMPARE(taken.size(), seats);
            }
        }
        // Nobody known: the seats keep their last places.
        auto scene = table(6, -1);
        QCOMPARE(scene->viewPosition(), -1);
        scene->setLocalPlayer(QStringLiteral("nobody"));
        QCOMPARE(scene->viewPosition(), -1);
    }

    void illegalPositions_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("negative") << -1;
        QTest::newRow("one past") << 6;
        QTest::newRow("far") << 99;
    }

    void illegalPositions()
    {
        QFETCH(int, position);
        auto scene = table(6);
        const QString text = QStringLiteral(" position %1 is illegal").arg(position);
        for (const char* name : {"setDealer", "postSmall", "dealHole", "dealHolePublic", "setPlayerData"})
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("GameScene::%1(),").arg(name) + text));
        QVERIFY(!scene->setDealer(position, 100));
        QVERIFY(!scene->postSmall(position, 1, 100));
        QVERIFY(!scene->dealHole(position, cards({"back", "back"}), 100));
        QVERIFY(!scene->dealHolePublic(position, cards({"sA", "hA"}), 100));
        scene->setPlayerData(position, "x", -1, 5, 1, QString());
    }

    void betsAtOnceAndAnimated_data()
    {
        QTest::addColumn<int>("msec");
        QTest::addColumn<bool>("cutShort");
        QTest::newRow("at once") << 0 << false;
        QTest::newRow("animated") << 120 << false;
        QTest::newRow("cut short") << 400 << true;
    }

    void betsAtOnceAndAnimated()
    {
        QFETCH(int, msec);
        QFETCH(bool, cutShort);
        auto scene = table(6);
        const auto step = [&](Command* command) {
            if (msec == 0)
                QVERIFY(!command);
            else
                QVERIFY(run(command, cutShort));
        };
        step(scene->postSmall(1, 0.5, msec));
        step(scene->postSmall(2, 1, msec));
        step(scene->postSmall(3, 12.35, msec));
        QCOMPARE(scene->betStack(3)->value(), 12.35);
        QCOMPARE(scene->seat(3)->playerStack(), 100 - 12.35);
        step(scene->potReturnUncalled(3, 11.35, msec));
        QCOMPARE(scene->betStack(3)->value(), 1.0);
        QVERIFY(qAbs(scene->seat(3)->playerStack() - 99) < 1e-9);

        step(scene->bettingDone({2.5}, {0.1}, msec));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(scene->betStack(i)->value(), 0.0);
        QCOMPARE(scene->mainPot()->value(), 2.5);
        QVERIFY(scene->mainPot()->isVisible());
        QCOMPARE(scene->mainRake(), 0.1);

        // An all-in makes a side pot, paid first.
        step(scene->postSmall(1, 10, msec));
        step(scene->postSmall(2, 30, msec));
        step(scene->postSmall(3, 30, msec));
        step(scene->bettingDone({32.5, 40}, {0.1, 0.2}, msec));
        QCOMPARE(scene->sidePot()->value(), 40.0);
        QCOMPARE(scene->sidePot()->title(), QString("Side pot:"));
        step(scene->potGive({2}, {39.8}, msec));
        QVERIFY(qAbs(scene->seat(2)->playerStack() - (100 - 1 - 30 + 39.8)) < 1e-9);
        step(scene->potGive({1, 3}, {16.2, 16.2}, msec));
        QVERIFY(qAbs(scene->seat(1)->playerStack() - (100 - 0.5 - 10 + 16.2)) < 1e-9);
        // Nothing left flying or lying about.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QGraphicsItem* item : scene->items()) {
            if (item->zValue() == GameSceneDetail::kFlyingZ)
                QVERIFY(!item->isVisible());
        }
    }

    // A raked pot paid to the cent is empty, and the next payout comes
    // from the pile that still holds chips.
    void rakedPotsPayOutToTheCent_data()
    {
        QTest::addColumn<int>("msec");
        QTest::addColumn<double>("pot");
        QTest::addColumn<double>("rake");
        QTest::addColumn<double>("paid");
        QTest::newRow("at once") << 0 << 0.21 << 0.01 << 0.20;
        QTest::newRow("animated") << 120 << 0.21 << 0.01 << 0.20;
        QTest::newRow("animated, tenths") << 120 << 0.3 << 0.1 << 0.2;
        QTest::newRow("animated, no rake") << 120 << 0.3 << 0.0 << 0.3;
    }

    void rakedPotsPayOutToTheCent()
    {
        QFETCH(int, msec);
        QFETCH(double, pot);
        QFETCH(double, rake);
        QFETCH(double, paid);
        auto scene = table(3);
        const auto step = [&](Command* command) {
            if (msec > 0)
                QVERIFY(run(command));
        };
        step(scene->bettingDone({1.5, pot}, {0, rake}, msec));
        step(scene->potGive({2}, {paid}, msec));
        QCOMPARE(scene->sidePot()->chipValue(), 0.0);
        QCOMPARE(scene->mainPot()->chipValue(), 1.5);
        step(scene->potGive({1}, {1.5}, msec));
        QCOMPARE(scene->mainPot()->chipValue(), 0.0);
        QVERIFY(qAbs(scene->seat(1)->playerStack() - 101.5) < 1e-9);
    }

    void potTitles_data()
    {
        QTest::addColumn<int>("pots");
        QTest::addColumn<QString>("title");
        QTest::newRow("one pot: unchanged") << 1 << "Side pot:";
        QTest::newRow("two") << 2 << "Side pot:";
        QTest::newRow("four") << 4 << "Side pots:";
    }

    void potTitles()
    {
        QFETCH(int, pots);
        QFETCH(QString, title);
        auto scene = table(6);
        scene->sidePot()->setTitle(QStringLiteral("Side pot:"));
        QList<double> amounts;
        for (int i = 0; i < pots; ++i)
            amounts << 10;
        scene->bettingDone(amounts, QList<double>(pots, 0.0), 0);
        QCOMPARE(scene->sidePot()->title(), title);
        QCOMPARE(scene->sidePot()->value(), 10.0 * (pots - 1));
    }

    void cardsAtOnceAndAnimated_data()
    {
        QTest::addColumn<int>("msec");
        QTest::addColumn<bool>("cutShort");
        QTest::newRow("at once") << 0 << false;
        QTest::newRow("animated") << 90 << false;
        QTest::newRow("cut short") << 600 << true;
    }

    void cardsAtOnceAndAnimated()
    {
        QFETCH(int, msec);
        QFETCH(bool, cutShort);
        auto scene = table(6);
        const auto step = [&](Command* command) {
            if (msec == 0)
                QVERIFY(!command);
            else
                QVERIFY(run(command, cutShort));
        };
        step(scene->setDealer(4, msec));
        QCOMPARE(scene->dealerButton()->pos(), scene->seat(4)->dealerButtonPosition());
        step(scene->dealHole(0, cards({"sA", "hK"}), msec));
        step(scene->dealHole(1, cards({"back", "back"}), msec));
        QCOMPARE(scene->seat(0)->countCards(), 2);
        QCOMPARE(scene->seat(0)->cards().at(1)->card(), Card("hK"));
        QCOMPARE(scene->seat(1)->cards().at(0)->card().suit(), Card::Back);
        QCOMPARE(scene->seat(0)->cards().at(0)->size(), m_theme->itemSize(AbstractTheme::SizeHoleCard));
        QCOMPARE(scene->seat(1)->cards().at(0)->size(), m_theme->itemSize(AbstractTheme::SizeCardBack));
        QVERIFY(scene->seat(0)->cards().at(0)->isVisible());
        step(scene->dealCommunity(cards({"dQ", "dJ", "dT"}), msec));
        step(scene->dealCommunity(cards({"d9"}), msec));
        const QPointF first = m_theme->itemPosition(AbstractTheme::PositionBoard);
        const qreal width = m_theme->itemSize(AbstractTheme::SizeCommunityCard).width();
        const qreal gap = m_theme->itemOffset(AbstractTheme::OffsetBoardGap).x();
        QCOMPARE(scene->communityCards().size(), 4);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(scene->communityCards().at(k)->pos(), first + QPointF(k * (width + gap), 0));
            QVERIFY(scene->communityCards().at(k)->isVisible());
        }
        QVERIFY(!scene->allHandsShown());
        scene->clearCommunityCards();
        QVERIFY(scene->communityCards().isEmpty());
    }

    void aFlopIsThreeFlightsInARow()
    {
        auto scene = table(6);
        scene->setDealer(0, 0);
        auto* flop = qobject_cast<CompositeCommand*>(scene->dealCommunity(cards({"sA", "sK", "sQ"}), 900));
        QVERIFY(flop);
        QList<int> durations;
        for (Command* step : flop->commands())
            durations << qobject_cast<GraphicsItemAnimationCommand*>(step)->timeLine()->duration();
        QCOMPARE(durations, (QList<int>{300, 300, 300}));
        QVERIFY(run(flop));
    }

    void theOnlookersTableMovesNoChips()
    {
        auto scene = table(6);
        scene->setShowChips(false);
        QVERIFY(!scene->postSmall(1, 2, 500));
        QVERIFY(!scene->bettingDone({2}, {0}, 500));
        QVERIFY(!scene->potGive({1}, {2}, 500));
        QVERIFY(!scene->betStack(1)->isVisible());
        QCOMPARE(scene->seat(1)->playerStack(), 100.0);
    }

    void clocks_data()
    {
        QTest::addColumn<qint64>("timestamp");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<bool>("running");
        QTest::newRow("just asked") << qint64(1000) << qint64(1000) << true;
        QTest::newRow("half gone") << qint64(1000) << qint64(1007) << true;
        QTest::newRow("over") << qint64(1000) << qint64(1015) << false;
        QTest::newRow("a clock ahead of ours") << qint64(1005) << qint64(1000) << true;
    }

    void clocks()
    {
        QFETCH(qint64, timestamp);
        QFETCH(qint64, now);
        QFETCH(bool, running);
        auto scene = table(6);
        scene->action(2, 15, timestamp, now);
        QCOMPARE(scene->actingPosition(), 2);
        auto* seat = static_cast<PlayerItemBase*>(scene->seat(2));
        QCOMPARE(seat->isTimerRunning(), running);
        if (running)
            QVERIFY(seat->remainingTime() <= 15000 - 1000 * qMax<qint64>(now - timestamp + 1, 0));
        scene->cancelAction();
        QVERIFY(!seat->isTimerRunning());
    }

    void bestHands()
    {
        auto scene = table(6);
        scene->setGameType(0x1001);
        scene->dealCommunity(cards({"s2", "s7", "hK", "dK", "c9"}), 0);
        // Two players with the same two pair and kicker: both marked.
        scene->dealHolePublic(1, cards({"hA", "h7"}), 0);
        scene->dealHolePublic(2, cards({"cA", "c7"}), 0);
        scene->dealHole(3, cards({"back", "back"}), 0);
        scene->markBestHands();
        QVERIFY(scene->seat(1)->cards().at(0)->isBestCard());
        QVERIFY(scene->seat(2)->cards().at(0)->isBestCard());
        QVERIFY(scene->communityCards().at(2)->isBestCard());
        QVERIFY(!scene->communityCards().at(0)->isBestCard());
        QVERIFY(!scene->allHandsShown());
        // A better hand shown later takes the marks.
        scene->dealHolePublic(4, cards({"sK", "cK"}), 0);
        scene->markBestHands();
        QVERIFY(scene->seat(4)->cards().at(0)->isBestCard());
        QVERIFY(!scene->seat(1)->cards().at(0)->isBestCard());
        QVERIFY(!scene->seat(2)->cards().at(0)->isBestCard());
    }

    void pictures_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<QSize>("size");
        QTest::newRow("table-6-1024") << 6 << QSize(1024, 768);
        QTest::newRow("table-6-1920") << 6 << QSize(1920, 1440);
        QTest::newRow("table-10-1024") << 10 << QSize(1024, 768);
        QTest::newRow("table-10-1920") << 10 << QSize(1920, 1440);
    }

    void pictures()
    {
        QFETCH(int, seats);
        QFETCH(QSize, size);
        auto scene = table(seats, 0);
        scene->setBackgroundBrush(
            QBrush(QPixmap::fromImage(m_theme->image(AbstractTheme::ImageTableBackground))));
        for (int i = 0; i < seats; ++i)
            scene->setPlayerData(i, QStringLiteral("player_%1").arg(i + 1), -1, 80 + 17.5 * i, 1, QString());
        scene->setLocalPlayer(QStringLiteral("player_1"));
        scene->setDealer(seats - 1, 0);
        scene->postSmall(0, 0.5, 0);
        scene->postSmall(1, 1, 0);
        for (int i = 0; i < seats; ++i) {
            scene->dealHole(i, i == 0 ? cards({"hA", "hK"}) : cards({"back", "back"}), 0);
        }
        scene->bettingDone({1.5 + seats}, {0}, 0);
        scene->dealCommunity(cards({"hQ", "hJ", "c4"}), 0);
        scene->postSmall(1, 12.4, 0);
        scene->seat(1)->setAction(AbstractPlayerItem::ActionAllIn, 12.4);
        scene->postSmall(2, 12.4, 0);
        scene->seat(2)->setAction(AbstractPlayerItem::ActionCall, 12.4);
        scene->postSmall(3, 40, 0);
        scene->seat(3)->setAction(AbstractPlayerItem::ActionRaise, 40);
        scene->bettingDone({1.5 + seats + 3 * 12.4, 2 * 27.6}, {0.3, 0.1}, 0);
        // Seat 1 went all-in with what it had: it stays marked through the next round.
        scene->seat(1)->setPlayerStack(0);
        scene->seat(1)->setAction(AbstractPlayerItem::ActionAllIn, 12.4);
        scene->postSmall(0, 25, 0);
        scene->seat(0)->setAction(AbstractPlayerItem::ActionBet, 25);
        scene->action(2, 20, 100, 106);
        scene->dealCommunity(cards({"dT"}), 0);
        const qreal ratio = size.width() / 1024.0;
        QImage image;
        for (int pass = 0; pass < 3; ++pass) { // cards and chips render in the background
            image = QImage(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            painter.scale(ratio, ratio);
            scene->render(&painter, QRectF(0, 0, 1024, 768), scene->sceneRect());
            painter.end();
            QTest::qWait(300);
        }
        QVERIFY(
            image.save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QLatin1String(QTest::currentDataTag()))));
        scene->cancelAction();
    }
};

QTEST_MAIN(TestGameScene)
#include "tst_gamescene.moc"
