// The player's own cards: both layers and their order in each mode, the
// row's centring, peeking with a mouse, a single touch and a second head,
// the fall after two seconds, and the folded look.
#include "carditem.h"
#include "defaulttheme.h"
#include "holecardsitem.h"
#include "localresources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QTest>

using namespace VeskGames;

namespace {

template <typename F> auto each(const QList<CardItem*>& items, F f)
{
    QList<decltype(f(items.first()))> result;
    for (const CardItem* item : items)
        result.append(f(item));
    return result;
}
const auto idOf = [](const CardItem* item) { return item->elementId(); };
const auto zOf = [](const CardItem* item) { return item->zValue(); };
const auto xOf = [](const CardItem* item) { return item->x(); };

/// Counts the clicks the hand lets through.
class Table : public QGraphicsRectItem
{
public:
    Table() : QGraphicsRectItem(-500, -500, 1500, 1500) { setZValue(-1); }
    int presses = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        event->accept();
    }
};

/// A hand on a table, driven by mouse events at heights of the hand.
struct Harness
{
    explicit Harness(AbstractTheme* theme) : hand(new HoleCardsItem(theme->cardRenderThread()))
    {
        scene.addItem(table);
        scene.addItem(hand);
        hand->setPos(100, 100);
        hand->setCards({Card("sA"), Card("hK")});
    }

    void send(QEvent::Type type, qreal y)
    {
        QGraphicsSceneMouseEvent event(type);
        const QPointF at = hand->mapToScene(QPointF(140, y));
        event.setScenePos(at);
        event.setScreenPos(at.toPoint());
        event.setButtonDownScenePos(Qt::LeftButton, at);
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
        event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
        QApplication::sendEvent(&scene, &event);
    }

    /// "75 raised", "200": where the faces are, and whether they are up.
    QString state() const
    {
        QStringList heights;
        for (const QPointF& pos : hand->peekCardPositions())
            heights.append(QString::number(pos.y()));
        heights.removeDuplicates();
        return heights.join(QLatin1Char('/')) + (hand->isRaised() ? QStringLiteral(" raised") : QString());
    }

    QGraphicsScene scene;
    Table* table = new Table;
    HoleCardsItem* hand;
};

} // namespace

class TestHoleCardsItem : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void layers_data()
    {
        // "choice": what the player chose in the options, if anything; the
        // game's own default (alwaysHide) holds until then.
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("alwaysHide");
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("backs");
        QTest::addColumn<QList<qreal>>("rowZ");
        QTest::addColumn<QList<qreal>>("peekZ");
        QTest::addColumn<QList<qreal>>("x");
        QTest::newRow("hidden by default") << "none" << true << 2 << true << QList<qreal>{0, -1}
                                           << QList<qreal>{10, 11} << QList<qreal>{41, 82};
        QTest::newRow("shown by the game")
            << "none" << false << 2 << false << QList<qreal>{0, 1} << QList<qreal>() << QList<qreal>{41, 82};
        QTest::newRow("player hides what the game shows")
            << "hide" << false << 2 << true << QList<qreal>{0, -1} << QList<qreal>{10, 11}
            << QList<qreal>{41, 82};
        QTest::newRow("player shows what the game hides")
            << "show" << true << 2 << false << QList<qreal>{0, 1} << QList<qreal>() << QList<qreal>{41, 82};
        QTest::newRow("four hidden") << "none" << true << 4 << true << QList<qreal>{0, -1, -2, -3}
                                     << QList<qreal>{10, 11, 12, 13} << QList<qreal>{0, 41, 82, 123};
        QTest::newRow("one shown") << "show" << false << 1 << false << QList<qreal>{0} << QList<qreal>()
                                   << QList<qreal>{61.5};
    }

    void layers()
    {
        QFETCH(QString, choice);
        QFETCH(bool, alwaysHide);
        QFETCH(int, cards);
        QFETCH(bool, backs);
        QFETCH(QList<qreal>, rowZ);
        QFETCH(QList<qreal>, peekZ);
        QFETCH(QList<qreal>, x);
        const QVector<Card> dealt =
            QVector<Card>{Card("sA"), Card("hK"), Card("dQ"), Card("cJ")}.mid(0, cards);
        QStringList faces;
        for (const Card& card : dealt)
            faces.append(card.elementId());
        // Dealt one by one, as the table does, or given at once.
        HoleCardsItem one(m_theme->cardRenderThread()), all(m_theme->cardRenderThread());
        for (HoleCardsItem* hand : {&one, &all}) {
            if (choice != "none")
                hand->setShowHoleCards(choice == "show");
            hand->setAlwaysHideCards(alwaysHide);
        }
        for (const Card& card : dealt)
            one.addCard(card);
        all.setCards(dealt);
        for (HoleCardsItem* hand : {&one, &all}) {
            QCOMPARE(hand->size(), QSizeF(283, 200));
            QCOMPARE(each(hand->rowCardItems(), idOf), backs ? QStringList(cards, "Card_Back") : faces);
            QCOMPARE(each(hand->rowCardItems(), zOf), rowZ);
            QCOMPARE(each(hand->rowCardItems(), xOf), x);
            QCOMPARE(each(hand->peekCardItems(), idOf), backs ? faces : QStringList());
            QCOMPARE(each(hand->peekCardItems(), zOf), peekZ);
            for (const CardItem* face : hand->peekCardItems())
                QCOMPARE(face->pos(), QPointF(x.at(hand->peekCardItems().indexOf(face)), 200));
            QCOMPARE(hand->childItems().size(), backs ? 2 * cards : cards);
        }
        // The faces waiting below stay unseen.
        QVERIFY(one.flags() & QGraphicsItem::ItemClipsChildrenToShape);
    }

    void switchingModesRebuilds()
    {
        HoleCardsItem hand(m_theme->cardRenderThread());
        hand.setCards({Card("sA"), Card("hK")});
        hand.setProperty("hide", false);
        QCOMPARE(each(hand.rowCardItems(), idOf),
                 QStringList({Card("sA").elementId(), Card("hK").elementId()}));
        QVERIFY(hand.peekCardItems().isEmpty());
        hand.setProperty("show", false);
        QCOMPARE(each(hand.rowCardItems(), idOf), QStringList({"Card_Back", "Card_Back"}));
        // A card dealt after the switch joins both layers.
        hand.addCard(Card("dQ"));
        QCOMPARE(each(hand.peekCardItems(), zOf), QList<qreal>({10, 11, 12}));
        hand.setShowHoleCards(true);
        QCOMPARE(each(hand.rowCardItems(), zOf), QList<qreal>({0, 1, 2}));
        QCOMPARE(hand.childItems().size(), 3);
        hand.setOffset(QPointF(30, 0));
        QCOMPARE(hand.size(), QSizeF(250, 200));
        QCOMPARE(each(hand.rowCardItems(), xOf), QList<qreal>({15, 45, 75}));
        hand.clearCards();
        QVERIFY(hand.childItems().isEmpty());
    }

    void peeking_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("states");
        QTest::newRow("mouse: drag up")
            << "mouse"
            << QStringList{"press 150", "move 190", "move 100", "move 20", "move -80", "release -80"}
            << QStringList{"200 raised", "200 raised", "150 raised", "70 raised", "0 raised", "200"};
        QTest::newRow("mouse: and down again") << "mouse" << QStringList{"press 150", "move 50", "move 170"}
                                               << QStringList{"200 raised", "100 raised", "220 raised"};
        QTest::newRow("single touch: upper half")
            << "touch" << QStringList{"press 60", "move -50", "release -50"}
            << QStringList{"75 raised", "75 raised", "200"};
        QTest::newRow("single touch: lower half")
            << "touch" << QStringList{"press 150", "move 20", "release 20"}
            << QStringList{"200", "200", "200"};
        QTest::newRow("second head: releases toggle")
            << "multihead" << QStringList{"press 50", "release 50", "press 50", "move 0", "release 50"}
            << QStringList{"200", "75 raised", "75 raised", "75 raised", "200"};
        QTest::newRow("shown: the table gets the click")
            << "shown" << QStringList{"press 50", "release 50"} << QStringList{"", ""};
    }

    void peeking()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, states);
        Harness h(m_theme.get());
        h.hand->setSingleTouch(mode == "touch");
        h.hand->setProperty("multihead", mode == "multihead");
        h.hand->setAlwaysHideCards(mode != "shown");
        for (int i = 0; i < steps.size(); ++i) {
            const QStringList step = steps.at(i).split(QLatin1Char(' '));
            h.send(step.at(0) == "press"  ? QEvent::GraphicsSceneMousePress
                   : step.at(0) == "move" ? QEvent::GraphicsSceneMouseMove
                                          : QEvent::GraphicsSceneMouseRelease,
                   step.at(1).toDouble());
            QVERIFY2(h.state() == states.at(i), qPrintable(steps.at(i) + ": " + h.state()));
        }
        QCOMPARE(h.table->presses, mode == "shown" ? 1 : 0);
    }

    void facesFallAfterTwoSeconds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("mouse, held") << "mouse";
        QTest::newRow("single touch, held") << "touch";
        QTest::newRow("second head") << "multihead";
    }

    void facesFallAfterTwoSeconds()
    {
        QFETCH(QString, mode);
        Harness h(m_theme.get());
        h.hand->setSingleTouch(mode == "touch");
        h.hand->setMultihead(mode == "multihead");
        QElapsedTimer clock;
        clock.start();
        h.send(QEvent::GraphicsSceneMousePress, 60);
        h.send(mode == "multihead" ? QEvent::GraphicsSceneMouseRelease : QEvent::GraphicsSceneMouseMove, 0);
        QVERIFY(h.hand->peekCardPositions().first().y() <= 75);
        QTRY_VERIFY_WITH_TIMEOUT(!h.hand->isRaised(), 3500);
        QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(h.state(), QString("200"));
        // Still held: moving on does not lift them again.
        h.send(QEvent::GraphicsSceneMouseMove, -20);
        QCOMPARE(h.state(), QString("200"));
    }

    void folded()
    {
        HoleCardsItem hand(m_theme->cardRenderThread());
        hand.setCards({Card("sA"), Card("hK")});
        hand.setProperty("folded", true);
        const auto folded = [&] {
            const auto f = [](const CardItem* item) { return item->isFoldedCard(); };
            return QStringList{QString::number(each(hand.rowCardItems(), f).count(true)),
                               QString::number(each(hand.peekCardItems(), f).count(true))}
                .join('+');
        };
        QCOMPARE(folded(), QString("2+2"));
        // The look survives new layers and late cards.
        hand.setAlwaysHideCards(false);
        hand.addCard(Card("dQ"));
        QCOMPARE(folded(), QString("3+0"));
        hand.setHoleCardsAsFolded(false);
        QCOMPARE(folded(), QString("0+0"));
        // The next hand starts unfolded.
        hand.setHoleCardsAsFolded(true);
        hand.setCards({Card("c2"), Card("c3")});
        QVERIFY(!hand.isHoleCardsFolded());
        QCOMPARE(folded(), QString("0+0"));
    }
};

QTEST_MAIN(TestHoleCardsItem)
#include "tst_holecardsitem.moc"
