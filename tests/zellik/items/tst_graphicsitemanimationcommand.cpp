#include "graphicsitemanimationcommand.h"

#include <QGraphicsItemAnimation>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimeLine>

using VeskGames::Command;
using VeskGames::GraphicsItemAnimationCommand;

class TestGraphicsItemAnimationCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runsToTheEnd()
    {
        QGraphicsScene scene;
        auto* item = scene.addRect(0, 0, 10, 10);
        item->hide();
        GraphicsItemAnimationCommand command(item, false);
        command.timeLine()->setDuration(60);
        command.animation()->setPosAt(0.0, QPointF(0, 0));
        command.animation()->setPosAt(1.0, QPointF(100, 50));
        QSignalSpy start(&command, &Command::start);
        QSignalSpy done(&command, &Command::done);
        command.exec();
        QCOMPARE(start.size(), 1);
        QVERIFY(item->isVisible());
        QCOMPARE(item->pos(), QPointF(0, 0));
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(item->pos(), QPointF(100, 50));
        QVERIFY(item->isVisible());
        QTest::qWait(100);
        QCOMPARE(done.size(), 1);
    }

    void finishCutsShort_data()
    {
        QTest::addColumn<bool>("ownsItem");
        QTest::newRow("owned item is hidden") << true;
        QTest::newRow("borrowed item ends in place") << false;
    }

    void finishCutsShort()
    {
        QFETCH(bool, ownsItem);
        QGraphicsScene scene;
        auto* item = scene.addRect(0, 0, 10, 10);
        {
            GraphicsItemAnimationCommand command(item, ownsItem);
            command.timeLine()->setDuration(10000);
            command.animation()->setPosAt(0.0, QPointF(0, 0));
            command.animation()->setPosAt(1.0, QPointF(200, 0));
            QSignalSpy done(&command, &Command::done);
            command.exec();
            QTest::qWait(50);
            command.finish();
            QCOMPARE(done.size(), 1);
            QCOMPARE(item->isVisible(), !ownsItem);
            if (!ownsItem)
                QCOMPARE(item->pos(), QPointF(200, 0));
            // Later ends change nothing.
            command.finish();
            command.timeLine()->setDuration(20);
            command.timeLine()->start();
            QTest::qWait(100);
            command.exec();
            command.finish();
            QCOMPARE(done.size(), 1);
            QCOMPARE(scene.items().size(), 1);
        }
        // An owned item goes with the command; a borrowed one stays.
        QCOMPARE(scene.items().size(), ownsItem ? 0 : 1);
    }

    // Taking the item away after the flight (the item goes elsewhere) must
    // leave the command whole: its time line is its own to the end.
    void theItemTakenAway()
    {
        QGraphicsScene scene;
        auto* item = scene.addRect(0, 0, 10, 10);
        auto* command = new GraphicsItemAnimationCommand(item, false);
        command->timeLine()->setDuration(30);
        command->animation()->setPosAt(1.0, QPointF(40, 40));
        QSignalSpy done(command, &Command::done);
        command->exec();
        QTRY_COMPARE(done.size(), 1);
        command->setItem(nullptr);
        delete item;
        QCOMPARE(command->item(), nullptr);
        QVERIFY(command->timeLine());
        command->timeLine()->setCurrentTime(15); // drives nothing that is gone
        delete command;
    }

    void defaults()
    {
        GraphicsItemAnimationCommand command;
        QCOMPARE(command.timeLine()->duration(), 1000);
        QCOMPARE(command.timeLine()->updateInterval(), 25);
        QCOMPARE(command.timeLine()->endFrame(), 1000);
        QCOMPARE(command.timeLine()->easingCurve().type(), QEasingCurve::InOutSine);
        QVERIFY(!command.item());
        // Without an item it still runs and ends.
        QSignalSpy done(&command, &Command::done);
        command.exec();
        command.finish();
        QCOMPARE(done.size(), 1);
    }
};

QTEST_MAIN(TestGraphicsItemAnimationCommand)
#include "tst_graphicsitemanimationcommand.moc"
