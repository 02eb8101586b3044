#include "card.h"
#include "defaulttheme.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

using VeskGames::Card;
using VeskGames::DefaultTheme;
using VeskGames::SvgImageItem;
using VeskGames::SvgImageRenderer;

namespace {

const QString kShapes = QStringLiteral(TEST_DATA_DIR "/shapes.svg");

// A renderer with its document loaded: the load is queued like a render.
std::unique_ptr<SvgImageRenderer> loadedRenderer(int kilobytes, const QString& file = kShapes)
{
    auto renderer = std::make_unique<SvgImageRenderer>(kilobytes);
    renderer->load(file);
    QCoreApplication::processEvents();
    return renderer;
}

std::unique_ptr<SvgImageItem> itemFor(SvgImageRenderer* renderer, const QString& id)
{
    auto item = std::make_unique<SvgImageItem>();
    item->setElementId(id);
    QObject::connect(item.get(), &SvgImageItem::renderImage, renderer, &SvgImageRenderer::renderImage);
    return item;
}

QStringList deckIds()
{
    QStringList ids;
    for (Card::Suit suit : {Card::Clubs, Card::Diamonds, Card::Hearts, Card::Spades}) {
        for (char value = 0; value < 13; ++value)
            ids << Card(suit, value).elementId();
    }
    ids << Card(Card::Back, 0).elementId() << Card(Card::Joker, 0).elementId();
    return ids;
}

} // namespace

class TestSvgImageRenderer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cacheHitIsAnsweredInsideRenderImage()
    {
        auto renderer = loadedRenderer(64);
        QSignalSpy rendered(renderer.get(), &SvgImageRenderer::rendered);
        auto first = itemFor(renderer.get(), "red");
        renderer->renderImage(first.get(), QSize(15, 20), "red");
        QVERIFY(first->pixmap().isNull());
        QCOMPARE(renderer->pendingCount(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(first->pixmap().size(), QSize(15, 20));
        QCOMPARE(first->pixmap().toImage().pixelColor(7, 10), QColor(Qt::red));

        // Another item of the same deck gets the cached picture before the call returns.
        auto second = itemFor(renderer.get(), "red");
        renderer->renderImage(second.get(), QSize(15, 20), "red");
        QCOMPARE(second->pixmap().size(), QSize(15, 20));
        QCOMPARE(renderer->pendingCount(), 0);
        QCOMPARE(rendered.size(), 1);
    }

    void repeatedRequestsCollapse_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::newRow("same request thrice")
            << QStringList{"red", "red", "red"} << QList<QSize>{{30, 40}, {30, 40}, {30, 40}};
        QTest::newRow("growing while zooming")
            << QStringList{"red", "red", "red"} << QList<QSize>{{30, 40}, {45, 60}, {60, 80}};
        QTest::newRow("card changed twice") << QStringList{"red", "blue"} << QList<QSize>{{30, 40}, {30, 40}};
    }

    void repeatedRequestsCollapse()
    {
        QFETCH(QStringList, ids);
        QFETCH(QList<QSize>, sizes);
        auto renderer = loadedRenderer(256);
        QSignalSpy rendered(renderer.get(), &SvgImageRenderer::rendered);
        auto item = itemFor(renderer.get(), ids.last());
        for (int i = 0; i < ids.size(); ++i)
            renderer->renderImage(item.get(), sizes.at(i), ids.at(i));
        QCOMPARE(renderer->pendingCount(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(rendered.size(), 1);
        QCOMPARE(rendered.at(0).at(0).toString(), ids.last());
        QCOMPARE(rendered.at(0).at(1).toSize(), sizes.last());
        QCOMPARE(item->pixmap().size(), sizes.last());
    }

    void answerForAnOldIdIsIgnored()
    {
        auto renderer = loadedRenderer(64);
        auto item = itemFor(renderer.get(), "red");
        renderer->renderImage(item.get(), QSize(30, 40), "red");
        item->setElementId("blue");
        QCoreApplication::processEvents();
        QVERIFY(item->pixmap().isNull());
        // Now cached, the old id still does not get through.
        renderer->renderImage(item.get(), QSize(30, 40), "red");
        QVERIFY(item->pixmap().isNull());
    }

    void smallOrEmptySizesAreIgnored_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("zero width") << QSize(0, 10);
        QTest::newRow("zero height") << QSize(10, 0);
        QTest::newRow("negative") << QSize(-1, -1);
    }

    void smallOrEmptySizesAreIgnored()
    {
        QFETCH(QSize, size);
        auto renderer = loadedRenderer(64);
        auto item = itemFor(renderer.get(), "red");
        renderer->renderImage(item.get(), size, "red");
        QCOMPARE(renderer->pendingCount(), 0);
    }

    void cacheCostIsBytes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("kept");
        // 1 KiB cache: 16 x 16 pixels of 4 bytes fill it exactly.
        QTest::newRow("fits exactly") << QSize(16, 16) << true;
        QTest::newRow("small") << QSize(4, 8) << true;
        QTest::newRow("one row too many") << QSize(16, 17) << false;
    }

    void cacheCostIsBytes()
    {
        QFETCH(QSize, size);
        QFETCH(bool, kept);
        auto renderer = loadedRenderer(1);
        QCOMPARE(renderer->cacheMaxCost(), qsizetype(1024));
        auto item = itemFor(renderer.get(), "red");
        renderer->renderImage(item.get(), size, "red");
        QCoreApplication::processEvents();
        // The item gets its picture whether or not the cache keeps it.
        QCOMPARE(item->pixmap().size(), size);
        QCOMPARE(renderer->isCached("red", size), kept);
        QCOMPARE(renderer->cacheTotalCost(), kept ? qsizetype(size.width()) * size.height() * 4 : 0);
    }

    void leastRecentlyUsedGoesFirst()
    {
        auto renderer = loadedRenderer(2); // room for two 16 x 16 pictures
        auto red = itemFor(renderer.get(), "red");
        auto blue = itemFor(renderer.get(), "blue");
        auto disc = itemFor(renderer.get(), "disc");
        const QSize s(16, 16);
        renderer->renderImage(red.get(), s, "red");
        QCoreApplication::processEvents();
        renderer->renderImage(blue.get(), s, "blue");
        QCoreApplication::processEvents();
        renderer->renderImage(red.get(), s, "red"); // a hit makes red the newest
        renderer->renderImage(disc.get(), s, "disc");
        QCoreApplication::processEvents();
        QVERIFY(renderer->isCached("red", s));
        QVERIFY(!renderer->isCached("blue", s));
        QVERIFY(renderer->isCached("disc", s));
        QCOMPARE(renderer->cacheTotalCost(), qsizetype(2048));
    }

    void elementFillsTheWholeImage()
    {
        auto renderer = loadedRenderer(64);
        auto item = itemFor(renderer.get(), "disc");
        renderer->renderImage(item.get(), QSize(20, 20), "disc");
        QCoreApplication::processEvents();
        const QImage img = item->pixmap().toImage();
        QCOMPARE(img.pixelColor(10, 10), QColor(Qt::green));
        QCOMPARE(img.pixelColor(10, 0).green(), 255); // the disc touches every edge
        QCOMPARE(img.pixelColor(0, 0).alpha(), 0);    // the corner stays transparent
    }

    void loadingEmptiesTheCache()
    {
        auto renderer = loadedRenderer(64);
        auto item = itemFor(renderer.get(), "red");
        renderer->renderImage(item.get(), QSize(30, 40), "red");
        QCoreApplication::processEvents();
        QVERIFY(renderer->isCached("red", QSize(30, 40)));
        renderer->load(kShapes);
        QCoreApplication::processEvents();
        QVERIFY(!renderer->isCached("red", QSize(30, 40)));
        QCOMPARE(renderer->cacheTotalCost(), 0);
    }

    void missingFileLogsAndRendersNothing()
    {
        const QString missing = QStringLiteral(TEST_DATA_DIR "/no-such-deck.svg");
        auto renderer = loadedRenderer(64);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Error loading svg file " + missing));
        renderer->load(missing);
        QCoreApplication::processEvents();
        auto item = itemFor(renderer.get(), "red");
        renderer->renderImage(item.get(), QSize(30, 40), "red");
        QCoreApplication::processEvents();
        // An empty picture of the right size, so the item does not ask again.
        const QImage img = item->pixmap().toImage();
        QCOMPARE(img.size(), QSize(30, 40));
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x)
                QCOMPARE(qAlpha(img.pixel(x, y)), 0);
        }
    }

    void deletedItemIsNotRendered()
    {
        auto renderer = loadedRenderer(64);
        QSignalSpy rendered(renderer.get(), &SvgImageRenderer::rendered);
        auto item = itemFor(renderer.get(), "red");
        renderer->renderImage(item.get(), QSize(30, 40), "red");
        item.reset();
        QCoreApplication::processEvents();
        QCOMPARE(rendered.size(), 0);
        QCOMPARE(renderer->pendingCount(), 0);
    }

    void cacheKey()
    {
        QCOMPARE(SvgImageRenderer::cacheKey("_x31_0_Hearts", QSize(69, 92)),
                 QString("_x31_0_Hearts-(69,92)"));
    }

    void shippedDecksHaveEveryCard_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("classic") << ":/table/cards.svg";
        QTest::newRow("one number") << ":/table/cards_one_number.svg";
        QTest::newRow("simple") << ":/table/cards_simple.svg";
        QTest::newRow("four colour") << ":/table/cards_four_colour.svg";
    }

    void shippedDecksHaveEveryCard()
    {
        QFETCH(QString, file);
        QSvgRenderer svg(file);
        QVERIFY(svg.isValid());
        const QStringList ids = deckIds();
        QCOMPARE(ids.size(), 54);
        for (const QString& id : ids) {
            QVERIFY2(svg.elementExists(id), qPrintable(id));
            // The face is all there is: its bounds are the 3:4 card.
            const QRectF bounds = svg.boundsOnElement(id);
            QVERIFY2(qAbs(bounds.width() / bounds.height() - 0.75) < 0.001, qPrintable(id));
        }
    }

    void fourColourDeckGivesEachSuitItsColour_data()
    {
        QTest::addColumn<QString>("suit");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("hearts") << "Hearts" << QColor(200, 20, 30);
        QTest::newRow("diamonds") << "Diamonds" << QColor(27, 79, 184);
        QTest::newRow("spades") << "Spades" << QColor(22, 22, 22);
        QTest::newRow("clubs") << "Clubs" << QColor(29, 122, 50);
    }

    void fourColourDeckGivesEachSuitItsColour()
    {
        QFETCH(QString, suit);
        QFETCH(QColor, colour);
        QSvgRenderer svg(QStringLiteral(":/table/cards_four_colour.svg"));
        QVERIFY(svg.isValid());
        const QColor inks[] = {QColor(200, 20, 30), QColor(27, 79, 184), QColor(22, 22, 22),
                               QColor(29, 122, 50)};
        const auto near = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 40;
        };
        for (const QString& id : deckIds()) {
            if (!id.endsWith(suit))
                continue;
            QImage img(60, 80, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter painter(&img);
            svg.render(&painter, id, img.rect());
            painter.end();
            // Every ink on the face is the suit's own: index and pip alike.
            int own = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    const QColor pixel = img.pixelColor(x, y);
                    for (const QColor& ink : inks) {
                        if (near(pixel, ink)) {
                            QVERIFY2(ink == colour, qPrintable(id + " has " + pixel.name()));
                            ++own;
                        }
                    }
                }
            }
            QVERIFY2(own > 300, qPrintable(id + ": " + QString::number(own)));
        }
    }

    void shippedChipsHaveEveryDenomination()
    {
        DefaultTheme theme(QStringLiteral(":"));
        QSvgRenderer svg(QStringLiteral(":/table/chips.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(theme.numChips(), 13);
        for (int i = 0; i < theme.numChips(); ++i) {
            const QString id = QStringLiteral("chip") + theme.chipElementId(i);
            QVERIFY2(svg.elementExists(id), qPrintable(id));
            const QRectF bounds = svg.boundsOnElement(id);
            QVERIFY2(qFuzzyCompare(bounds.width(), bounds.height()), qPrintable(id));
        }
    }

    void shippedCardRendersAsACard()
    {
        auto renderer = loadedRenderer(256, QStringLiteral(":/table/cards.svg"));
        auto item = itemFor(renderer.get(), "King_Hearts");
        renderer->renderImage(item.get(), QSize(69, 92), "King_Hearts");
        QCoreApplication::processEvents();
        const QImage img = item->pixmap().toImage();
        QCOMPARE(img.size(), QSize(69, 92));
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);     // round corner
        QCOMPARE(qAlpha(img.pixel(34, 46)), 255); // solid face
        QCOMPARE(qAlpha(img.pixel(34, 2)), 255);  // reaches the top edge
        QCOMPARE(qAlpha(img.pixel(34, 90)), 255); // and the bottom
    }
};

QTEST_MAIN(TestSvgImageRenderer)
#include "tst_svgimagerenderer.moc"
