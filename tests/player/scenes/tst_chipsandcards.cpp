// Chips on the table: piles of the real chip set, where a stack writes its
// amount, the pots' texts and mirrors, the layout text; and a picture of
// stacks, pots and hole cards together.
#include "carditem.h"
#include "defaulttheme.h"
#include "drawutils.h"
#include "holecardsitem.h"
#include "localresources.h"
#include "painterpathitem.h"
#include "pot.h"
#include "stackitem.h"
#include "svgimageitem.h"
#include "textitem.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPointer>
#include <QTest>

using namespace VeskGames;

namespace {

/// The pile column by column ("chip_25c x1, chip_5c x1"), or what is wrong
/// with a column: one denomination each, 4 units up per chip.
QString describe(const QList<SvgImageItem*>& chips)
{
    QStringList columns;
    int count = 0;
    for (int i = 0; i < chips.size(); ++i) {
        const SvgImageItem* chip = chips.at(i);
        if (count > 0 && chip->x() != chips.at(i - 1)->x()) {
            columns.append(QStringLiteral("%1 x%2").arg(chips.at(i - 1)->elementId()).arg(count));
            count = 0;
        }
        if (chip->y() != -4 * count || chip->size() != QSizeF(25, 25) ||
            (count > 0 && chip->elementId() != chips.at(i - 1)->elementId()))
            return QStringLiteral("bad chip %1").arg(i);
        ++count;
    }
    if (count > 0)
        columns.append(QStringLiteral("%1 x%2").arg(chips.last()->elementId()).arg(count));
    return columns.join(QStringLiteral(", "));
}

/// Where the letters are, without their outline.
QRectF textRect(const PainterPathItem* item)
{
    return item->mapRectToParent(item->path().boundingRect());
}

QRectF chipsRect(const QList<SvgImageItem*>& chips)
{
    QRectF rect;
    for (const SvgImageItem* chip : chips)
        rect |= chip->mapRectToParent(chip->boundingRect());
    return rect;
}

} // namespace

class TestChipsAndCards : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

    QPainterPath text(AbstractTheme::ItemFont font, const QString& text) const
    {
        return DrawUtils::makePath(m_theme->font(font), text);
    }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void piles_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0.0 << ""
                                 << "";
        QTest::newRow("negative") << -5.0 << ""
                                  << "";
        QTest::newRow("not a number") << qQNaN() << ""
                                      << "";
        QTest::newRow("below half a cent") << 0.004 << ""
                                           << "";
        QTest::newRow("half a cent rounds up") << 0.005 << "chip_1c x1"
                                               << "0.01";
        QTest::newRow("30 cents") << 0.30 << "chip_25c x1, chip_5c x1"
                                  << "0.30";
        QTest::newRow("30 cents from a sum") << 0.1 + 0.2 << "chip_25c x1, chip_5c x1"
                                             << "0.30";
        QTest::newRow("7 cents") << 0.07 << "chip_5c x1, chip_1c x2"
                                 << "0.07";
        QTest::newRow("1.99") << 1.99 << "chip_1 x1, chip_25c x3, chip_5c x4, chip_1c x4"
                              << "1.99";
        QTest::newRow("12.34, the last cents only written")
            << 12.34 << "chip_5 x2, chip_1 x2, chip_25c x1, chip_5c x1"
            << "12.34";
        QTest::newRow("six denominations, four columns")
            << 31.31 << "chip_25 x1, chip_5 x1, chip_1 x1, chip_25c x1"
            << "31.31";
        QTest::newRow("a million") << 1e6 << "chip_500k x2"
                                   << "1000000";
        QTest::newRow("120 million, columns capped")
            << 123456789.0 << "chip_500k x100, chip_100k x100, chip_25k x100, chip_5k x100"
            << "123456789";
    }

    void piles()
    {
        QFETCH(double, amount);
        QFETCH(QString, columns);
        QFETCH(QString, text);
        StackItem stack(m_theme->chipRenderThread());
        stack.setTheme(m_theme.get());
        stack.setShowValue(true);
        stack.setValue(amount);
        QCOMPARE(describe(stack.chipItems()), columns);
        QCOMPARE(stack.columnCount(), columns.isEmpty() ? 0 : int(columns.count(QLatin1Char(','))) + 1);
        QCOMPARE(stack.valueTextItem()->isVisible(), !text.isEmpty());
        if (!text.isEmpty())
            QCOMPARE(stack.valueTextItem()->path(), this->text(AbstractTheme::Font7, text));
        QCOMPARE(stack.childItems().size(), stack.chipCount() + 1);
    }

    void textPlacement_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("alignment");
        // Right and left: the near edge 5 units off the chips, the middle on
        // the bottom chips'. Top and bottom: centred, 40 units up or down.
        QTest::newRow("right, one column") << 1.0 << int(Qt::AlignRight);
        QTest::newRow("right, four columns") << 1.99 << int(Qt::AlignRight);
        QTest::newRow("left") << 0.30 << int(Qt::AlignLeft);
        QTest::newRow("top") << 0.30 << int(Qt::AlignTop);
        QTest::newRow("bottom") << 6.25 << int(Qt::AlignBottom);
    }

    void textPlacement()
    {
        QFETCH(double, amount);
        QFETCH(int, alignment);
        StackItem stack(m_theme->chipRenderThread());
        stack.setTheme(m_theme.get());
        stack.setValueTextAlignment(Qt::Alignment(alignment));
        stack.setValue(amount);
        const QRectF chips = chipsRect(stack.chipItems());
        const QRectF text = textRect(stack.valueTextItem());
        if (alignment == Qt::AlignRight)
            QCOMPARE(text.left() - chips.right(), 5.0);
        else if (alignment == Qt::AlignLeft)
            QCOMPARE(text.right() - chips.left(), -5.0);
        else
            QCOMPARE(text.center().x(), chips.center().x());
        const qreal up = alignment == Qt::AlignTop ? -40 : alignment == Qt::AlignBottom ? 40 : 0;
        QCOMPARE(text.center().y(), 12.5 + up);
    }

    void layoutShift_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QList<int>>("layout");
        QTest::addColumn<int>("shift"); // in columns
        const QList<int> fan{2, 2, 1, 3};
        QTest::newRow("one column") << 1.0 << fan << 2;
        QTest::newRow("two columns") << 0.30 << fan << 1;
        QTest::newRow("three columns, never shifted") << 6.25 << fan << 0;
        QTest::newRow("four columns, never shifted") << 1.99 << QList<int>{1, 1, 1, 1} << 0;
        QTest::newRow("a short layout") << 0.30 << QList<int>{1} << 0;
    }

    void layoutShift()
    {
        QFETCH(double, amount);
        QFETCH(QList<int>, layout);
        QFETCH(int, shift);
        StackItem plain(m_theme->chipRenderThread()), shifted(m_theme->chipRenderThread());
        for (StackItem* stack : {&plain, &shifted}) {
            stack->setTheme(m_theme.get());
            stack->setValue(amount);
        }
        shifted.setLayout(layout);
        const QPointF by(26 * shift, 0);
        QCOMPARE(chipsRect(shifted.chipItems()), chipsRect(plain.chipItems()).translated(by));
        QCOMPARE(shifted.valueTextItem()->pos(), plain.valueTextItem()->pos() + by);
    }

    void stackRedrawsAndShowsText()
    {
        QGraphicsScene scene;
        auto* stack = new StackItem(m_theme->chipRenderThread());
        scene.addItem(stack);
        stack->setValue(5);
        QCOMPARE(stack->chipCount(), 0); // no theme yet
        stack->setTheme(m_theme.get());
        const QPointer<SvgImageItem> chip = stack->chipItems().value(0);
        stack->setValue(5.0 + 1e-14);
        QVERIFY2(chip, "the same amount must keep its chips");
        stack->setValue(5.01);
        QVERIFY(!chip);
        QVERIFY(!stack->valueTextItem()->isVisible());
        stack->setShowValue(true);
        QVERIFY(stack->valueTextItem()->isVisible());
        stack->hide();
        stack->show();
        QVERIFY(stack->valueTextItem()->isVisible());
        QVERIFY(stack->boundingRect().contains(textRect(stack->valueTextItem())));
        stack->setValue(0);
        QVERIFY(!stack->valueTextItem()->isVisible());
    }

    void potTotals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("pending");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("total");
        QTest::newRow("no bets out") << 98.0 << 0.0 << "98"
                                     << "";
        QTest::newRow("bets out") << 98.0 << 2.0 << "98"
                                  << "(100)";
        QTest::newRow("cents out") << 10.5 << 0.25 << "10.50"
                                   << "(10.75)";
        QTest::newRow("rounding noise") << 98.0 << 0.0000005 << "98"
                                        << "";
    }

    void potTotals()
    {
        QFETCH(double, value);
        QFETCH(double, pending);
        QFETCH(QString, amount);
        QFETCH(QString, total);
        Pot pot(m_theme->chipRenderThread());
        pot.setTheme(m_theme.get());
        pot.setTitle(QStringLiteral("Main pot"));
        pot.setValue(value, false);
        pot.setPendingBets(pending);
        QCOMPARE(pot.amountItem()->path(), text(AbstractTheme::Font11, amount));
        QCOMPARE(pot.totalItem()->isVisible(), !total.isEmpty());
        QCOMPARE(pot.totalItem()->path(),
                 total.isEmpty() ? QPainterPath() : text(AbstractTheme::Font11, total));
        // The chips end at the origin, the texts follow in one line.
        QCOMPARE(chipsRect(pot.chipItems()).right(), 0.0);
        QCOMPARE(pot.chipsWidth(), 25.0 * pot.columnCount());
        QCOMPARE(textRect(pot.titleItem()).left(), 5.0);
        QCOMPARE(textRect(pot.amountItem()).left() - textRect(pot.titleItem()).right(), 5.0);
        if (!total.isEmpty())
            QCOMPARE(textRect(pot.totalItem()).left() - textRect(pot.amountItem()).right(), 5.0);
        QCOMPARE(pot.titleItem()->y(), pot.amountItem()->y());
    }

    void potChipsAndMirror()
    {
        Pot pot(m_theme->chipRenderThread()), mirror(m_theme->chipRenderThread());
        pot.setTheme(m_theme.get());
        mirror.setTheme(m_theme.get());
        pot.setTitle(QStringLiteral("Pot"));
        pot.setMirror(&mirror);
        QCOMPARE(mirror.title(), QString("Pot"));
        pot.setValue(30);
        QCOMPARE(describe(pot.chipItems()), QString("chip_25 x1, chip_5 x1"));
        // Part of the pot on its way to a winner: fewer chips, same amount.
        pot.setChipValue(5);
        QCOMPARE(describe(pot.chipItems()), QString("chip_5 x1"));
        QCOMPARE(pot.amountItem()->path(), text(AbstractTheme::Font11, "30"));
        QCOMPARE(chipsRect(pot.chipItems()).right(), 0.0);
        pot.setPendingBets(1.5);
        QCOMPARE(describe(mirror.chipItems()), QString("chip_5 x1"));
        QCOMPARE(mirror.value(), 30.0);
        QCOMPARE(mirror.totalItem()->path(), pot.totalItem()->path());
        pot.setTitle(QStringLiteral("Side pot"));
        QCOMPARE(mirror.titleItem()->path(), text(AbstractTheme::Font10, "Side pot"));
        // Without a title the amount takes its place.
        pot.setTitle(QString());
        QCOMPARE(textRect(mirror.amountItem()).left(), 5.0);
        // Mirrors of each other settle instead of updating forever.
        mirror.setMirror(&pot);
        mirror.setValue(7);
        QCOMPARE(pot.value(), 7.0);
    }

    void textItem_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("centred");
        QTest::newRow("centre") << int(Qt::AlignCenter) << true;
        QTest::newRow("left") << int(Qt::AlignLeft) << false;
        QTest::newRow("right falls back to left") << int(Qt::AlignRight) << false;
    }

    void textItem()
    {
        QFETCH(int, alignment);
        QFETCH(bool, centred);
        QGraphicsScene scene;
        auto* item = new TextItem(QStringLiteral("Table 12"));
        scene.addItem(item);
        item->setFont(m_theme->font(AbstractTheme::Font2));
        item->setPen(QPen(Qt::black, 2));
        item->setAlignment(Qt::Alignment(alignment));
        const QSizeF hint = item->effectiveSizeHint(Qt::MinimumSize);
        QCOMPARE(hint, item->path().boundingRect().size() + QSizeF(2, 2));
        // Wider than the text, to see where it goes.
        item->setGeometry(QRectF(0, 0, 200, hint.height()));
        QImage image(200, int(hint.height()), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        scene.render(&painter, image.rect(), image.rect());
        painter.end();
        int left = 200, right = 0;
        for (int x = 0; x < 200; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qAlpha(image.pixel(x, y))) {
                    left = std::min(left, x);
                    right = x;
                }
            }
        }
        QVERIFY2(centred ? std::abs(left + right - 200) <= 3 : left <= 1, qPrintable(QString::number(left)));
        item->setFont(m_theme->font(AbstractTheme::Font7));
        QVERIFY(item->effectiveSizeHint(Qt::PreferredSize).height() > hint.height());
    }

    void screenshot()
    {
        const QRectF area(0, 0, 1040, 460);
        QGraphicsScene scene(area);
        scene.setBackgroundBrush(QColor(17, 90, 70));
        const auto stack = [&](double value, Qt::Alignment alignment, QPointF pos) {
            auto* item = new StackItem(m_theme->chipRenderThread());
            scene.addItem(item);
            item->setTheme(m_theme.get());
            item->setShowValue(true);
            item->setValueTextAlignment(alignment);
            item->setValue(value);
            item->setPos(pos);
        };
        stack(0.30, Qt::AlignRight, {30, 60});
        stack(12.34, Qt::AlignRight, {30, 130});
        stack(2500, Qt::AlignLeft, {300, 60});
        stack(1.99, Qt::AlignBottom, {30, 220});
        stack(123.45, Qt::AlignTop, {200, 200});
        stack(7, Qt::AlignBottom, {330, 200});
        for (const auto& [title, value, pending, y] :
             {std::tuple(QStringLiteral("Pot"), 98.0, 2.0, 320),
              std::tuple(QStringLiteral("Side pot 1"), 31.31, 0.0, 380)}) {
            auto* pot = new Pot(m_theme->chipRenderThread());
            scene.addItem(pot);
            pot->setTheme(m_theme.get());
            pot->setTitle(title);
            pot->setValue(value, false);
            pot->setPendingBets(pending);
            pot->setPos(130, y);
        }
        auto* label = new TextItem(QStringLiteral("Table 12 - No limit"));
        scene.addItem(label);
        label->setFont(m_theme->font(AbstractTheme::Font2));
        label->setPen(QPen(QColor(0, 0, 0, 200), 1.5));
        label->setGeometry(QRectF(QPointF(20, 420), label->effectiveSizeHint(Qt::PreferredSize)));
        const auto hand = [&](const QVector<Card>& cards, bool shown, QPointF pos) {
            auto* item = new HoleCardsItem(m_theme->cardRenderThread());
            scene.addItem(item);
            item->setAlwaysHideCards(!shown);
            item->setCards(cards);
            item->setPos(pos);
            return item;
        };
        hand({Card("sA"), Card("hK")}, false, {440, 20});
        for (CardItem* face :
             hand({Card("sA"), Card("hK"), Card("dQ"), Card("cJ")}, false, {740, 20})->peekCardItems())
            face->setPos(face->x(), 75);
        hand({Card("cT"), Card("c9")}, true, {440, 240})->setHoleCardsAsFolded(true);
        hand({Card("hA"), Card("h5"), Card("d7")}, true, {740, 240});

        // The pictures render in the background: ask at both sizes, wait, then shoot.
        for (int pass = 0; pass < 3; ++pass) {
            for (int ratio : {1, 2}) {
                QImage image((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::black);
                QPainter painter(&image);
                scene.render(&painter, area, area);
                painter.end();
                if (pass == 2)
                    QVERIFY(image.save(QStringLiteral(SCREENSHOT_DIR "/chips-and-cards-%1x.png").arg(ratio)));
            }
            QTest::qWait(300);
        }
    }
};

QTEST_MAIN(TestChipsAndCards)
#include "tst_chipsandcards.moc"
