#include "drawutils.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

using VeskGames::DrawUtils;

namespace {
// Bounds of the glyphs of each line, told apart by their vertical position.
QVector<QRectF> lineBounds(const QPainterPath& path, const QFontMetricsF& metrics)
{
    QVector<QRectF> lines;
    for (const QPolygonF& glyph : path.toSubpathPolygons()) {
        const QRectF rect = glyph.boundingRect();
        const int line = qRound((rect.center().y() + metrics.ascent() / 2) / metrics.height());
        if (lines.size() <= line)
            lines.resize(line + 1);
        lines[line] = lines[line].isNull() ? rect : lines[line].united(rect);
    }
    return lines;
}
} // namespace

class TestDrawUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_font = QFont(QStringLiteral("DejaVu Sans"), 20); }

    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("centred") << "II\nIIIIII" << 0 << 2;
        QTest::newRow("centred, widest first") << "IIIIII\n\nII\n" << 0 << 2;
        QTest::newRow("left") << "II\nIIIIII\nIIII" << 1 << 3;
        QTest::newRow("single") << "IIII" << 0 << 1;
    }

    void lines()
    {
        QFETCH(QString, text);
        QFETCH(int, flags);
        QFETCH(int, lineCount);

        const QFontMetricsF metrics(m_font);
        const QVector<QRectF> lines = lineBounds(DrawUtils::makePath(m_font, text, flags), metrics);
        // Empty lines take no room: the lines follow each other one height apart.
        QCOMPARE(lines.size(), lineCount);
        QVERIFY(lines.first().top() < 0 && lines.first().bottom() <= metrics.descent() + 1);

        const QStringList texts = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        qreal widest = 0;
        for (const QString& line : texts)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        for (int i = 0; i < lineCount; ++i) {
            const QRectF& line = lines.at(i);
            QVERIFY(!line.isNull());
            if (flags == DrawUtils::AlignLeft)
                QVERIFY2(line.left() < metrics.horizontalAdvance(QStringLiteral("I")) / 2,
                         qPrintable(texts.at(i)));
            else
                QVERIFY2(qAbs(line.center().x() - widest / 2) < 1.0, qPrintable(texts.at(i)));
        }
    }

    void emptyText()
    {
        QVERIFY(DrawUtils::makePath(m_font, QString(), 0).isEmpty());
        QVERIFY(DrawUtils::makePath(m_font, QStringLiteral("\n\n"), 0).isEmpty());
    }

    void outlineStaysAroundFill()
    {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainterPath square;
        square.addRect(10, 10, 20, 20);
        {
            QPainter painter(&image);
            painter.setPen(QPen(Qt::red, 4));
            painter.setBrush(Qt::blue);
            DrawUtils::drawOutlinePath(&painter, square);
            DrawUtils::drawOutlinePath(nullptr, square);
        }
        // The fill comes last and covers the inner half of the stroke.
        QCOMPARE(QColor(image.pixel(9, 20)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(11, 20)), QColor(Qt::blue));
        QCOMPARE(QColor(image.pixel(20, 20)), QColor(Qt::blue));
        QCOMPARE(QColor(image.pixel(5, 20)), QColor(Qt::white));
    }

private:
    QFont m_font;
};

QTEST_MAIN(TestDrawUtils)
#include "tst_drawutils.moc"
