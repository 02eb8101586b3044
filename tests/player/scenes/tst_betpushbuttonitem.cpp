// The action button with its amount line: both lines readable inside the
// button, long amounts shrunk to fit, crisp at twice the pixels.
#include "betpushbuttonitem.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace VeskGames;

namespace {

/// The rows of \a image holding pixels brighter than the button's face.
QPair<int, int> inkRows(const QImage& image, int from, int to)
{
    int first = -1, last = -1;
    for (int y = from; y < to; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 250) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class TestBetPushButtonItem : public QObject
{
    Q_OBJECT

    static QImage render(BetPushButtonItem* button, qreal scale)
    {
        QImage image((button->size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::black);
        QPainter painter(&image);
        button->scene()->render(&painter, QRectF(QPointF(), button->size()), button->sceneBoundingRect());
        return image;
    }

private Q_SLOTS:
    void twoLines_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("pixels");
        QTest::newRow("call") << "Call"
                              << "20.00" << 1.0 << false;
        QTest::newRow("call at 2x") << "Call"
                                    << "20.00" << 2.0 << false;
        QTest::newRow("a long amount") << "Raise"
                                       << "1,234,567,890.00 EUR" << 1.0 << false;
        // Themes give their fonts in pixels.
        QTest::newRow("pixel font") << "Call"
                                    << "€20" << 1.0 << true;
    }

    void twoLines()
    {
        QFETCH(QString, label);
        QFETCH(QString, amount);
        QFETCH(qreal, scale);
        QFETCH(bool, pixels);
        QGraphicsScene scene;
        auto* button = new BetPushButtonItem;
        scene.addItem(button);
        QFont font = button->font();
        if (pixels)
            font.setPixelSize(20);
        else
            font.setPointSize(14);
        button->setFont(font);
        button->setTextBrush(Qt::white);
        button->setTextPen(QPen(Qt::black, 1));
        button->resize(120, 56);
        button->setText(label);
        button->setAmountText(amount);

        // The amount fits the button's width.
        QVERIFY(QFontMetricsF(button->amountFont()).horizontalAdvance(amount) <= 120);
        if (pixels)
            QVERIFY(button->amountFont().pixelSize() < font.pixelSize() &&
                    button->amountFont().pixelSize() >= 8);
        else
            QVERIFY(button->amountFont().pointSizeF() < font.pointSizeF());

        const QImage image = render(button, scale);
        if (scale > 1)
            QVERIFY(image.save(SCREENSHOT_DIR "/bet-button-2x.png"));
        // The label above the middle, the amount below it, neither cut off.
        const int height = image.height();
        const QPair<int, int> top = inkRows(image, 0, int(height * 0.55));
        const QPair<int, int> bottom = inkRows(image, int(height * 0.6), height);
        QVERIFY2(top.first >= 0, "the label is drawn");
        QVERIFY2(bottom.first >= 0, "the amount is drawn");
        QVERIFY(bottom.second < height - 1);

        // Without an amount the label has the whole button again.
        button->setAmountText(QString());
        const QImage plain = render(button, scale);
        const QPair<int, int> alone = inkRows(plain, 0, height);
        QVERIFY(alone.first > top.first);
    }
};

QTEST_MAIN(TestBetPushButtonItem)
#include "tst_betpushbuttonitem.moc"
