#include "card.h"
#include "carditem.h"
#include "chippushbutton.h"
#include "localresources.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using VeskGames::Card;
using VeskGames::CardItem;
using VeskGames::ChipPushButton;
using VeskGames::LocalResources;
using VeskGames::SvgImageItem;
using VeskGames::SvgImageRenderer;

namespace {

// Paints the scene the way a view would, at the given zoom and pixel ratio.
QImage paintScene(QGraphicsScene& scene, const QRectF& area, qreal zoom, qreal ratio = 1.0)
{
    const QSize logical = (area.size() * zoom).toSize();
    QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)), area);
    return image;
}

QImage solid(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

void sendMouse(QGraphicsScene& scene, QEvent::Type type, const QPointF& pos)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setButton(Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
    QApplication::sendEvent(&scene, &event);
}

} // namespace

class TestSvgImageItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LocalResources::setSearchPaths({QStringLiteral(":")}); }

    void deviceSize_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("identity") << QTransform() << QSizeF(69, 92) << QSize(69, 92);
        QTest::newRow("zoomed") << QTransform::fromScale(1.5, 1.5) << QSizeF(69, 92) << QSize(104, 138);
        QTest::newRow("moved only") << QTransform::fromTranslate(10.5, 3.25) << QSizeF(36, 48)
                                    << QSize(36, 48);
        // A turned card needs an upright picture of its own size, not its bounding box.
        QTest::newRow("quarter turn") << QTransform().rotate(90) << QSizeF(60, 80) << QSize(60, 80);
        QTest::newRow("thirty degrees") << QTransform().rotate(30) << QSizeF(60, 80) << QSize(60, 80);
        QTest::newRow("turned and zoomed")
            << QTransform().scale(2, 2).rotate(45) << QSizeF(36, 48) << QSize(72, 96);
        QTest::newRow("stretched") << QTransform::fromScale(2, 0.5) << QSizeF(36, 48) << QSize(72, 24);
        QTest::newRow("no size yet") << QTransform() << QSizeF(-1, -1) << QSize(-1, -1);
    }

    void deviceSize()
    {
        QFETCH(QTransform, transform);
        QFETCH(QSizeF, size);
        QFETCH(QSize, expected);
        QCOMPARE(SvgImageItem::deviceSize(QRectF(QPointF(0, 0), size), transform), expected);
    }

    void itemWithoutSizeAsksForNothing()
    {
        QGraphicsScene scene(0, 0, 100, 100);
        auto* item = new SvgImageItem;
        item->setElementId("red");
        scene.addItem(item);
        QSignalSpy asks(item, &SvgImageItem::renderImage);
        paintScene(scene, scene.sceneRect(), 1.0);
        QCOMPARE(asks.size(), 0);
        QCOMPARE(item->boundingRect(), QRectF(0, 0, -1, -1));
    }

    void itemWithoutIdAsksForNothing()
    {
        QGraphicsScene scene(0, 0, 100, 100);
        auto* item = new SvgImageItem;
        item->setSize(QSizeF(30, 40));
        scene.addItem(item);
        QSignalSpy asks(item, &SvgImageItem::renderImage);
        paintScene(scene, scene.sceneRect(), 1.0);
        QCOMPARE(asks.size(), 0);
    }

    void zoomAsksOncePerNewSize_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("double") << 2.0 << 1.0 << QSize(60, 80);
        QTest::newRow("smaller") << 0.5 << 1.0 << QSize(15, 20);
        QTest::newRow("odd factor") << 1.3 << 1.0 << QSize(39, 52);
        QTest::newRow("high-dpi screen") << 1.0 << 2.0 << QSize(60, 80);
        QTest::newRow("high-dpi and zoomed") << 1.5 << 2.0 << QSize(90, 120);
    }

    void zoomAsksOncePerNewSize()
    {
        QFETCH(qreal, zoom);
        QFETCH(qreal, ratio);
        QFETCH(QSize, expected);
        QGraphicsScene scene(0, 0, 30, 40);
        auto* item = new SvgImageItem;
        item->setElementId("red");
        item->setSize(QSizeF(30, 40));
        scene.addItem(item);
        QSignalSpy asks(item, &SvgImageItem::renderImage);

        paintScene(scene, scene.sceneRect(), 1.0);
        QCOMPARE(asks.size(), 1);
        QCOMPARE(asks.at(0).at(1).toSize(), QSize(30, 40));
        item->setImage(solid(QSize(30, 40), Qt::red), "red");
        paintScene(scene, scene.sceneRect(), 1.0);
        QCOMPARE(asks.size(), 1); // the picture fits: nothing more to ask

        // Zoomed: one request for the new size, the old picture stretched meanwhile.
        const QImage zoomed = paintScene(scene, scene.sceneRect(), zoom, ratio);
        QCOMPARE(asks.size(), 2);
        QCOMPARE(asks.at(1).at(1).toSize(), expected);
        QCOMPARE(zoomed.pixelColor(zoomed.width() / 2, zoomed.height() / 2), QColor(Qt::red));

        // Once the answer is in, painting at that zoom asks nothing.
        item->setImage(solid(expected, Qt::blue), "red");
        const QImage answered = paintScene(scene, scene.sceneRect(), zoom, ratio);
        QCOMPARE(asks.size(), 2);
        QCOMPARE(answered.pixelColor(answered.width() / 2, answered.height() / 2), QColor(Qt::blue));
    }

    void turnedParentAsksForAnUprightPicture()
    {
        QGraphicsScene scene(-100, -100, 200, 200);
        auto* seat = scene.addRect(0, 0, 10, 10);
        seat->setRotation(90);
        auto* item = new SvgImageItem(seat);
        item->setElementId("red");
        item->setSize(QSizeF(30, 40));
        QSignalSpy asks(item, &SvgImageItem::renderImage);
        paintScene(scene, scene.sceneRect(), 1.0);
        QCOMPARE(asks.size(), 1);
        QCOMPARE(asks.at(0).at(1).toSize(), QSize(30, 40));
    }

    void stateChangesDropThePicture()
    {
        SvgImageItem item;
        item.setElementId("red");
        item.setSize(QSizeF(30, 40));
        item.setImage(solid(QSize(30, 40), Qt::red), "red");
        QVERIFY(!item.pixmap().isNull());
        item.setSize(QSizeF(30.000000000001, 40)); // the same size, fuzzily
        QVERIFY(!item.pixmap().isNull());
        item.setElementId("red");
        QVERIFY(!item.pixmap().isNull());
        item.setSize(QSizeF(31, 40));
        QVERIFY(item.pixmap().isNull());
        item.setImage(solid(QSize(31, 40), Qt::red), "red");
        item.setElementId("blue");
        QVERIFY(item.pixmap().isNull());
        item.setImage(solid(QSize(31, 40), Qt::red)); // no id: not for this element
        QVERIFY(item.pixmap().isNull());
    }

    void cardOverlays_data()
    {
        QTest::addColumn<Card>("card");
        QTest::addColumn<bool>("best");
        QTest::addColumn<bool>("folded");
        QTest::addColumn<QString>("expected");
        const Card ace(Card::Spades, 0);
        const Card back(Card::Back, 0);
        QTest::newRow("plain face") << ace << true << false << "plain";
        QTest::newRow("not in the best hand") << ace << false << false << "dimmed";
        QTest::newRow("folded") << ace << true << true << "veiled";
        QTest::newRow("dimming wins over the veil") << ace << false << true << "dimmed";
        QTest::newRow("face down, not best") << back << false << false << "plain";
        QTest::newRow("face down, folded") << back << true << true << "plain";
        QTest::newRow("face down, both") << back << false << true << "plain";
    }

    void cardOverlays()
    {
        QFETCH(Card, card);
        QFETCH(bool, best);
        QFETCH(bool, folded);
        QFETCH(QString, expected);
        QGraphicsScene scene(0, 0, 30, 40);
        auto* item = new CardItem(card);
        item->setSize(QSizeF(30, 40));
        scene.addItem(item);
        // A white face whose corner pixel is see-through, like a rounded card.
        QImage face = solid(QSize(30, 40), Qt::white);
        face.setPixelColor(0, 0, Qt::transparent);
        item->setImage(face, card.elementId());
        item->setBestCard(best);
        item->setFoldedCard(folded);

        const QImage img = paintScene(scene, scene.sceneRect(), 1.0);
        const QColor centre = img.pixelColor(15, 20);
        if (expected == "plain")
            QCOMPARE(centre, QColor(Qt::white));
        else if (expected == "dimmed")
            QVERIFY2(qAbs(centre.red() - 155) <= 2 && centre.alpha() == 255, qPrintable(centre.name()));
        else
            QVERIFY2(centre.red() < 200 && centre.red() != 155 && centre.alpha() == 255,
                     qPrintable(centre.name()));
        // The shade follows the card's shape, so the corner stays clear.
        if (expected == "dimmed")
            QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
    }

    void dimmingFollowsTheFaceSize()
    {
        QGraphicsScene scene(0, 0, 30, 40);
        auto* item = new CardItem(Card(Card::Hearts, 3));
        item->setSize(QSizeF(30, 40));
        item->setBestCard(false);
        scene.addItem(item);
        item->setImage(solid(QSize(30, 40), Qt::white), item->elementId());
        paintScene(scene, scene.sceneRect(), 1.0);
        // Zoomed in, the sharper face has a see-through corner the small one lacked:
        // a shade kept from the small face would darken it.
        QImage face = solid(QSize(60, 80), Qt::white);
        face.setPixelColor(0, 0, Qt::transparent);
        item->setImage(face, item->elementId());
        const QImage img = paintScene(scene, scene.sceneRect(), 2.0);
        QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
        QVERIFY(qAbs(img.pixelColor(1, 0).red() - 155) <= 2);
        QVERIFY(qAbs(img.pixelColor(59, 79).red() - 155) <= 2);
    }

    void cardBasics()
    {
        CardItem item(Card(Card::Diamonds, 9));
        QCOMPARE(item.elementId(), QString("_x31_0_Diamonds"));
        item.setCard(Card(Card::Back, 0));
        QCOMPARE(item.elementId(), QString("Card_Back"));
        QVERIFY(item.isBestCard());
        QVERIFY(!item.isFoldedCard());

        item.setSize(QSizeF(69, 92));
        QSignalSpy moved(&item, &CardItem::positionChanged);
        item.setPos(12.5, 7);
        item.setPos(QPointF(1, 2));
        QCOMPARE(moved.size(), 2);
        QCOMPARE(moved.at(0).at(0).toPointF(), QPointF(12.5, 7));
        QCOMPARE(moved.at(0).at(1).toSizeF(), QSizeF(69, 92));
        QCOMPARE(item.pos(), QPointF(1, 2));

        CardItem ace(Card(Card::Clubs, 0));
        CardItem king(Card(Card::Spades, 12));
        QCOMPARE(CardItem::toByteArray({&ace, &item, &king}), QByteArray("\x01\x00\x34", 3));
    }

    void chipLayout_data()
    {
        QTest::addColumn<QSizeF>("widget");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QSizeF>("chip");
        QTest::addColumn<QPointF>("pos");
        QTest::newRow("square") << QSizeF(50, 50) << false << QSizeF(44, 44) << QPointF(3, 0);
        QTest::newRow("wide") << QSizeF(100, 40) << false << QSizeF(34, 34) << QPointF(33, 0);
        QTest::newRow("tall") << QSizeF(40, 100) << false << QSizeF(36, 36) << QPointF(2, 0);
        QTest::newRow("pressed sinks") << QSizeF(50, 50) << true << QSizeF(44, 44) << QPointF(5, 3);
        QTest::newRow("too small") << QSizeF(3, 3) << false << QSizeF(0, 0) << QPointF(1.5, 0);
    }

    void chipLayout()
    {
        QFETCH(QSizeF, widget);
        QFETCH(bool, pressed);
        QFETCH(QSizeF, chip);
        QFETCH(QPointF, pos);
        QGraphicsScene scene(0, 0, 200, 200);
        auto* button = new ChipPushButton(nullptr);
        scene.addItem(button);
        button->setGeometry(QRectF(QPointF(20, 30), widget));
        if (pressed)
            sendMouse(scene, QEvent::GraphicsSceneMousePress, button->mapToScene(widget.width() / 2, 10));
        QCOMPARE(button->isPressed(), pressed);
        QCOMPARE(button->chipItem()->size(), chip);
        QCOMPARE(button->chipItem()->pos(), pos);
    }

    void chipClick_data()
    {
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<QPointF>("release");
        QTest::addColumn<int>("clicks");
        QTest::newRow("inside") << QPointF(25, 20) << QPointF(26, 21) << 1;
        QTest::newRow("released outside") << QPointF(25, 20) << QPointF(150, 150) << 0;
        QTest::newRow("released below the chip") << QPointF(25, 20) << QPointF(25, 49.5) << 0;
    }

    void chipClick()
    {
        QFETCH(QPointF, press);
        QFETCH(QPointF, release);
        QFETCH(int, clicks);
        QGraphicsScene scene(0, 0, 200, 200);
        auto* button = new ChipPushButton(nullptr);
        scene.addItem(button);
        button->setGeometry(QRectF(0, 0, 50, 50));
        QSignalSpy clicked(button, &ChipPushButton::clicked);
        sendMouse(scene, QEvent::GraphicsSceneMousePress, press);
        QVERIFY(button->isPressed());
        QCOMPARE(button->chipItem()->pos(), QPointF(5, 3));
        sendMouse(scene, QEvent::GraphicsSceneMouseRelease, release);
        QCOMPARE(clicked.size(), clicks);
        QVERIFY(!button->isPressed());
        QCOMPARE(button->chipItem()->pos(), QPointF(3, 0));
    }

    void chipAsksItsRenderer()
    {
        SvgImageRenderer renderer(64);
        renderer.load(QStringLiteral(":/table/chips.svg"));
        QGraphicsScene scene(0, 0, 50, 50);
        auto* button = new ChipPushButton(&renderer);
        button->setElementId("chip_25");
        scene.addItem(button);
        button->setGeometry(QRectF(0, 0, 29, 31));
        paintScene(scene, scene.sceneRect(), 1.0);
        QTRY_COMPARE(button->chipItem()->pixmap().size(), QSize(25, 25));
        QCOMPARE(button->elementId(), QString("chip_25"));
    }
};

QTEST_MAIN(TestSvgImageItem)
#include "tst_svgimageitem.moc"
