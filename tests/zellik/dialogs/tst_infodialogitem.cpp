#include "defaulttheme.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "pushbuttonitem.h"

#include <QApplication>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace VeskGames;

namespace {

/// A press and release on the scene at \a at, as a mouse would make them.
void clickScene(QGraphicsScene& scene, const QPointF& at)
{
    for (QEvent::Type type : {QEvent::GraphicsSceneMousePress, QEvent::GraphicsSceneMouseRelease}) {
        QGraphicsSceneMouseEvent event(type);
        event.setButton(Qt::LeftButton);
        event.setButtons(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
        event.setScenePos(at);
        QApplication::sendEvent(&scene, &event);
    }
}

/// The dialog drawn as the view would, at \a ratio device pixels per unit.
QImage render(QGraphicsScene& scene, const QRectF& area, qreal ratio)
{
    QImage image((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(20, 90, 40));
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(), area.size()), area);
    return image;
}

} // namespace

class TestInfoDialogItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dimsAndBlocksWhatLiesBelow()
    {
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* below = new PushButtonItem;
        scene.addItem(below);
        below->setGeometry(QRectF(10, 10, 100, 40));
        QSignalSpy belowClicked(below, &PushButtonItem::clicked);
        clickScene(scene, QPointF(50, 30));
        QCOMPARE(belowClicked.size(), 1);

        auto* dialog = new InfoDialogItem;
        dialog->hide();
        scene.addItem(dialog);
        dialog->setText(QStringLiteral("Connection lost"));
        dialog->setUseDimmer(true);
        QVERIFY(!dialog->dimmer());
        dialog->show();
        dialog->centerDialog();
        QVERIFY(dialog->isPanel());
        QCOMPARE(dialog->panelModality(), QGraphicsItem::SceneModal);
        QVERIFY(dialog->zValue() > below->zValue());
        QCOMPARE(dialog->mapToScene(dialog->rect().center()), scene.sceneRect().center());
        // The dimmer covers the table, just behind the dialog.
        QGraphicsRectItem* dimmer = dialog->dimmer();
        QVERIFY(dimmer);
        QCOMPARE(dimmer->mapRectToScene(dimmer->rect()), scene.sceneRect());
        QVERIFY(dimmer->flags() & QGraphicsItem::ItemStacksBehindParent);
        // Nothing below takes a click while it is up.
        clickScene(scene, QPointF(50, 30));
        QCOMPARE(belowClicked.size(), 1);

        dialog->hide();
        QVERIFY(!dialog->dimmer());
        clickScene(scene, QPointF(50, 30));
        QCOMPARE(belowClicked.size(), 2);
        dialog->show();
        QVERIFY(dialog->dimmer());
        dialog->setUseDimmer(false);
        QVERIFY(!dialog->dimmer());
    }

    void buttonsWorkOnce_data()
    {
        QTest::addColumn<bool>("closes");
        QTest::newRow("closing button") << true;
        QTest::newRow("button that leaves the dialog up") << false;
    }

    void buttonsWorkOnce()
    {
        QFETCH(bool, closes);
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* dialog = new InfoDialogItem;
        scene.addItem(dialog);
        dialog->setText(QStringLiteral("Leave the table?"));
        PushButtonItem* yes = dialog->createButton(QStringLiteral("Yes"), QDialogButtonBox::YesRole, closes);
        QSignalSpy clicked(yes, &PushButtonItem::clicked);
        QSignalSpy closed(dialog, &ThemedDialogItem::actionClose);
        yes->click();
        yes->click();
        QCOMPARE(clicked.size(), 1);
        QVERIFY(!yes->isEnabled());
        QCOMPARE(closed.size(), closes ? 1 : 0);
        QCOMPARE(dialog->isVisible(), !closes);
    }

    void buttonsInThePlatformsOrder()
    {
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* dialog = new InfoDialogItem;
        scene.addItem(dialog);
        dialog->setText(QStringLiteral("Buy chips?"));
        PushButtonItem* cancel =
            dialog->createButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole, true);
        PushButtonItem* ok = dialog->createButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole, true);
        PushButtonItem* help =
            dialog->createButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole, false);
        dialog->centerDialog();
        // Left to right as each platform has it.
        const QMap<int, QStringList> platforms{{QDialogButtonBox::WinLayout, {"OK", "Cancel", "Help"}},
                                               {QDialogButtonBox::MacLayout, {"Help", "Cancel", "OK"}},
                                               {QDialogButtonBox::KdeLayout, {"Help", "OK", "Cancel"}},
                                               {QDialogButtonBox::GnomeLayout, {"Help", "Cancel", "OK"}}};
        const int layout = QApplication::style()->styleHint(QStyle::SH_DialogButtonLayout);
        if (!platforms.contains(layout))
            QSKIP("a button layout this test does not know");
        QList<PushButtonItem*> row{cancel, ok, help};
        std::sort(row.begin(), row.end(),
                  [](PushButtonItem* a, PushButtonItem* b) { return a->x() < b->x(); });
        QStringList texts;
        for (PushButtonItem* b : row)
            texts.append(b->text());
        QCOMPARE(texts, platforms.value(layout));
        // After the stretch: the row ends at the right.
        QVERIFY(row.last()->geometry().right() > dialog->buttonBox()->size().width() - 2);

        // A hidden button leaves no gap: the row is laid out again without it.
        QCOMPARE(dialog->buttonBox()->layout()->count(), 3);
        help->hide();
        QCOMPARE(dialog->buttonBox()->layout()->count(), 2);
        help->show();
        QCOMPARE(dialog->buttonBox()->layout()->count(), 3);
        QCOMPARE(dialog->buttonBox()->buttons().size(), 3);
    }

    void closesAfterItsTimeout()
    {
        QGraphicsScene scene;
        auto* dialog = new InfoDialogItem;
        scene.addItem(dialog);
        QSignalSpy closed(dialog, &ThemedDialogItem::actionClose);
        dialog->setTimeout(50);
        QVERIFY(closed.wait(2000));
        QVERIFY(!dialog->isVisible());
    }

    void sharpAtTwiceTheResolution()
    {
        // In the built-in look, with its pictures and style sheet.
        LocalResources::setSearchPaths({QStringLiteral(":")});
        DefaultTheme theme;
        QGraphicsScene scene(0, 0, 1024, 768);
        InfoDialogItem* dialog = theme.createInfoDialog();
        scene.addItem(dialog);
        dialog->setText(
            QStringLiteral("The connection to the server was lost.\nTrying again in 10 seconds."));
        dialog->createButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole, true);
        dialog->setUseDimmer(true);
        dialog->centerDialog();
        const QRectF area = dialog->mapRectToScene(dialog->rect()).adjusted(-20, -20, 20, 20);
        const QImage one = render(scene, area, 1);
        const QImage two = render(scene, area, 2);
        const QString out = QStringLiteral(SCREENSHOT_DIR);
        QVERIFY(one.save(out + QStringLiteral("/messagebox-1x.png")));
        QVERIFY(two.save(out + QStringLiteral("/messagebox-2x.png")));
        // Not blank: the panel, the text and the button are there.
        QSet<QRgb> colours;
        for (int y = 0; y < one.height(); y += 3) {
            for (int x = 0; x < one.width(); x += 3)
                colours.insert(one.pixel(x, y));
        }
        QVERIFY(colours.size() > 50);
        // The 2x image has detail of its own, not a 1x image blown up: scaling
        // the 1x one up differs from it along every edge of the text.
        const QImage blownUp = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .convertToFormat(two.format());
        qint64 difference = 0;
        for (int y = 0; y < two.height(); ++y) {
            for (int x = 0; x < two.width(); ++x)
                difference += qAbs(qGray(two.pixel(x, y)) - qGray(blownUp.pixel(x, y)));
        }
        QVERIFY2(difference / (two.width() * two.height()) >= 1, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(TestInfoDialogItem)
#include "tst_infodialogitem.moc"
