// The onlookers' table: no chips ever, running bets in the right pot, pots
// twice and turned for the other side, the layout without a local player.
#include "abstractplayeritem.h"
#include "carditem.h"
#include "command.h"
#include "communitygamescene.h"
#include "communityplayeritem.h"
#include "communitytheme.h"
#include "localresources.h"
#include "pot.h"
#include "screenshots.h"
#include "svgimageitem.h"
#include "textitem.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QLoggingCategory>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace VeskGames;

class TestCommunityGameScene : public QObject
{
    Q_OBJECT

    std::unique_ptr<CommunityTheme> m_theme;

    std::unique_ptr<CommunityGameScene> table(int seats, int type = 0x1001)
    {
        auto scene = std::make_unique<CommunityGameScene>(m_theme.get());
        scene->setSceneRect(0, 0, 1280, 720);
        scene->setGameType(type);
        scene->setPlayerCount(seats);
        scene->setupScene();
        for (int i = 0; i < seats; ++i)
            scene->setPlayerData(i, QStringLiteral("p%1").arg(i), -1, 100, 1, QString());
        return scene;
    }

    static int chipItems(const QGraphicsScene& scene)
    {
        int count = 0;
        for (QGraphicsItem* item : scene.items()) {
            // The pots may show their chips; nothing else may.
            auto* svg = dynamic_cast<SvgImageItem*>(item);
            if (svg && svg->elementId().startsWith(QLatin1String("chip")) &&
                !dynamic_cast<Pot*>(svg->parentItem()))
                ++count;
        }
        return count;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A move refused for its seat is told in a debug message, off unless asked for.
        QLoggingCategory::setFilterRules(QStringLiteral("vesk.table.debug=true"));
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<CommunityTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void noChipsEver()
    {
        auto scene = table(6);
        QVERIFY(dynamic_cast<CommunityPlayerItem*>(scene->seat(0)));
        QVERIFY(!scene->postSmall(1, 0.5, 400));
        QVERIFY(!scene->postSmall(2, 1, 400));
        QVERIFY(!scene->bettingDone({1.5}, {0}, 400));
        QVERIFY(!scene->potGive({2}, {1.5}, 400));
        QCOMPARE(chipItems(*scene), 0);
        QCOMPARE(scene->seat(2)->playerStack(), 100.5);
    }

    void runningBetsGoToTheCollectingPot()
    {
        auto scene = table(6);
        scene->postSmall(1, 2, 0);
        QCOMPARE(scene->mainPot()->pendingBets(), 2.0);
        QCOMPARE(scene->mainPotMirror()->pendingBets(), 2.0);
        scene->bettingDone({2}, {0}, 0);
        QCOMPARE(scene->mainPot()->pendingBets(), 0.0);
        scene->bettingDone({30, 20}, {0, 0}, 0); // an all-in made a side pot
        scene->postSmall(3, 5, 0);
        QCOMPARE(scene->sidePot()->pendingBets(), 5.0);
        QCOMPARE(scene->mainPot()->pendingBets(), 0.0);
        QVERIFY(scene->sidePotMirror()->isVisible());
        scene->clearPots();
        QCOMPARE(scene->mainPot()->pendingBets(), 0.0);
    }

    void potsForBothSides_data()
    {
        QTest::addColumn<int>("pots");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
    }

    void potsForBothSides()
    {
        QFETCH(int, pots);
        auto scene = table(6);
        scene->bettingDone(pots == 1 ? QList<double>{40} : QList<double>{40, 25}, QList<double>(pots, 0.0),
                           0);
        const QPointF centre(640, 360);
        const QList<Pot*> shown =
            pots == 1 ? QList<Pot*>{scene->mainPot()} : QList<Pot*>{scene->mainPot(), scene->sidePot()};
        for (Pot* pot : shown) {
            QVERIFY(pot->isVisible() && pot->mirror()->isVisible());
            QCOMPARE(pot->mirror()->value(), pot->value());
            // Turned half round for the far side: the pot reads upside down on screen.
            QCOMPARE(pot->sceneTransform().m11(), -1.0);
            if (pots == 2) {
                const QPointF a = pot->sceneBoundingRect().center();
                const QPointF b = pot->mirror()->sceneBoundingRect().center();
                QVERIFY2(
                    (a + b - 2 * centre).manhattanLength() < 1.5,
                    qPrintable(QStringLiteral("%1,%2 / %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
                QCOMPARE(pot->mirror()->sceneTransform().m11(), 1.0);
            } else {
                QVERIFY(qAbs(pot->sceneBoundingRect().center().x() - 640) < 1);
                QVERIFY(qAbs(pot->mirror()->sceneBoundingRect().center().x() - 640) < 1);
            }
        }
    }

    // Between the board and the seats' cards there is no room for a pot
    // where a seat sits: the pot and its mirror step aside, never onto cards.
    void potsClearOfTheSeats_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("pots");
        for (int seats = 2; seats <= 10; ++seats) {
            QTest::addRow("%d seats, one pot", seats) << seats << 1;
            QTest::addRow("%d seats, two pots", seats) << seats << 2;
        }
    }

    void potsClearOfTheSeats()
    {
        QFETCH(int, seats);
        QFETCH(int, pots);
        auto scene = table(seats);
        for (int i = 0; i < seats; ++i)
            scene->dealHole(i, {Card(Card::Back, 0), Card(Card::Back, 0)}, 0);
        scene->bettingDone(pots == 1 ? QList<double>{12345.67} : QList<double>{12345.67, 2345.5},
                           QList<double>(pots, 0.0), 0);
        const QRectF screen(QPointF(0, 0), scene->screenSize());
        for (Pot* pot :
             {scene->mainPot(), scene->sidePot(), scene->mainPotMirror(), scene->sidePotMirror()}) {
            if (!pot->isVisible())
                continue;
            const QRectF box = pot->sceneBoundingRect();
            QVERIFY(screen.contains(box));
            for (int i = 0; i < seats; ++i) {
                auto* seat = static_cast<CommunityPlayerItem*>(scene->seat(i));
                QVERIFY2(!box.intersects(seat->mapRectToScene(seat->rect())),
                         qPrintable(QStringLiteral("a pot on seat %1").arg(i)));
                for (const CardItem* card : seat->cards())
                    QVERIFY2(!box.intersects(card->sceneBoundingRect()),
                             qPrintable(QStringLiteral("a pot on the cards of seat %1").arg(i)));
            }
        }
    }

    void layoutWithoutALocalPlayer_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("turn");
        QTest::newRow("ordinary") << 0x1001 << 0;
        QTest::newRow("instant deal") << 0x5001 << 1;
    }

    void layoutWithoutALocalPlayer()
    {
        QFETCH(int, type);
        QFETCH(int, turn);
        auto scene = table(6, type);
        QCOMPARE(scene->viewPosition(), -1);
        QCOMPARE(scene->rotation(), turn);
        const QList<QPointF> places =
            type & 0x4000 ? m_theme->playerInstaDealPositions(6) : m_theme->playerPositions(6);
        QCOMPARE(scene->seat(0)->pos(), places.value(turn));
    }

    void theDealerButtonBesideTheBox()
    {
        auto scene = table(6);
        // Seat 0 faces the bottom edge, seat 2 the left one (turned a quarter).
        QCOMPARE(m_theme->playerRotations(6).value(0), 0.0);
        QCOMPARE(m_theme->playerRotations(6).value(2), 90.0);
        QVERIFY(!scene->setDealer(0, 0));
        QRectF box = scene->seat(0)->sceneBoundingRect();
        QCOMPARE(scene->dealerButton()->pos(), QPointF(box.x() + box.width(), box.y() - 1));
        QVERIFY(scene->dealerButton()->isVisible());
        QVERIFY(!scene->setDealer(2, 0));
        box = scene->seat(2)->sceneBoundingRect();
        QCOMPARE(scene->dealerButton()->pos(), QPointF(box.x() + box.width() + 1, box.y() + box.height()));
        QCOMPARE(scene->dealerButton()->transform().m12(), 1.0); // turned with the seat
        QTest::ignoreMessage(QtDebugMsg, "GameScene::setDealer(), position 9 is illegal");
        QVERIFY(!scene->setDealer(9, 100));
    }

    void theDealerButtonMovesWithoutAJump()
    {
        auto scene = table(6);
        QVERIFY(!scene->setDealer(0, 0));
        const QPointF before = scene->dealerButton()->pos();
        Command* move = scene->setDealer(3, 200);
        QVERIFY(move);
        // Still where it was when the move starts; beside the new box at its end.
        QCOMPARE(scene->dealerButton()->pos(), before);
        QSignalSpy done(move, &Command::done);
        move->exec();
        QVERIFY(done.wait(3000));
        delete move;
        const QPointF after = scene->dealerButton()->pos();
        QVERIFY(!scene->setDealer(3, 0));
        QCOMPARE(after, scene->dealerButton()->pos());
        // The next cards leave from there, not from the seat's default place.
        Command* deal = scene->dealHole(1, {Card(Card::Back, 0), Card(Card::Back, 0)}, 200);
        QVERIFY(deal);
        QGraphicsItemGroup* flying = nullptr;
        for (QGraphicsItem* item : scene->items()) {
            if (auto* group = qgraphicsitem_cast<QGraphicsItemGroup*>(item))
                flying = group;
        }
        QVERIFY(flying);
        const QPointF start = flying->childItems().first()->scenePos();
        QCOMPARE(start, after + m_theme->itemOffset(AbstractTheme::OffsetDealStart));
        delete deal;
    }

    void picture()
    {
        auto scene = table(8);
        scene->setBackgroundBrush(
            QBrush(QPixmap::fromImage(m_theme->image(AbstractTheme::ImageTableBackground))));
        scene->setDealer(5, 0);
        for (int i = 0; i < 8; ++i)
            scene->dealHole(i, {Card(Card::Back, 0), Card(Card::Back, 0)}, 0);
        scene->postSmall(6, 1, 0);
        scene->postSmall(7, 2, 0);
        scene->bettingDone({3}, {0}, 0);
        scene->dealCommunity({Card("hK"), Card("hQ"), Card("c4")}, 0);
        scene->postSmall(0, 6, 0);
        scene->seat(0)->setAction(AbstractPlayerItem::ActionBet, 6);
        scene->postSmall(1, 6, 0);
        scene->seat(1)->setAction(AbstractPlayerItem::ActionCall, 6);
        scene->action(2, 20, 100, 104);
        QImage image;
        for (int pass = 0; pass < 3; ++pass) {
            image = QImage(1280, 720, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::black);
            QPainter painter(&image);
            scene->render(&painter, QRectF(0, 0, 1280, 720), scene->sceneRect());
            painter.end();
            QTest::qWait(300);
        }
        QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/community-8.png")));
        // And at twice the resolution, as a high-density screen shows it.
        QVERIFY(TestSupport::saveScreenshots(
            QSize(1280, 720), QStringLiteral(SCREENSHOT_DIR "/community-8-%1x.png"),
            [&scene](QPainter* painter) {
                scene->render(painter, QRectF(0, 0, 1280, 720), scene->sceneRect());
            }));
        scene->cancelAction();
    }

    // Every count: the seat boxes and the cards in front of them stay on the
    // screen, clear of each other and of the board.
    void seatsForEveryCount()
    {
        for (int seats = 1; seats <= 10; ++seats) {
            auto scene = table(seats);
            for (int i = 0; i < seats; ++i)
                scene->dealHole(i, {Card(Card::Back, 0), Card(Card::Back, 0)}, 0);
            scene->dealCommunity({Card("hK"), Card("hQ"), Card("c4"), Card("d2"), Card("s9")}, 0);
            QRectF board;
            for (CardItem* card : scene->communityCards())
                board |= card->sceneBoundingRect();
            QVERIFY(QRectF(0, 0, 1280, 720).contains(board));
            QList<QRectF> taken{board};
            for (int i = 0; i < seats; ++i) {
                AbstractPlayerItem* seat = scene->seat(i);
                const QRectF box = seat->mapRectToScene(seat->rect());
                QRectF cards;
                for (CardItem* card : seat->cards())
                    cards |= card->sceneBoundingRect();
                QVERIFY(!cards.isEmpty());
                for (const QRectF& area : {box, cards}) {
                    QVERIFY2(QRectF(0, 0, 1280, 720).contains(area),
                             qPrintable(QStringLiteral("%1 seats, seat %2: %3,%4 %5x%6")
                                            .arg(seats)
                                            .arg(i)
                                            .arg(area.x())
                                            .arg(area.y())
                                            .arg(area.width())
                                            .arg(area.height())));
                    for (const QRectF& other : std::as_const(taken))
                        QVERIFY2(!area.adjusted(1, 1, -1, -1).intersects(other),
                                 qPrintable(QStringLiteral("%1 seats, seat %2 overlaps").arg(seats).arg(i)));
                }
                taken << box << cards;
            }
        }
    }

    void tournamentTexts()
    {
        auto scene = table(6);
        const QList<TextItem*> texts = scene->tournamentTexts();
        QCOMPARE(texts.size(), 2);
        scene->setTourStatus(1);
        QVERIFY(texts.at(0)->isVisible() && texts.at(1)->isVisible());
        QVERIFY(!texts.at(0)->text().isEmpty());
        scene->setTourStatus(2);
        QVERIFY(!texts.at(0)->isVisible() && !texts.at(1)->isVisible());
        QCOMPARE(scene->tourStatus(), 2);
        QCOMPARE(scene->cardFrames().size(), 5);
    }
};

QTEST_MAIN(TestCommunityGameScene)
#include "tst_communitygamescene.moc"
