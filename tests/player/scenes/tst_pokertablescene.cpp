// The table's window and scene base: the dialog stack and its queue, widget
// dialogs, the grip's 4:3 steps, the key map, scaling, closing, the splash.
#include "defaulttheme.h"
#include "dialogbase.h"
#include "infodialogitem.h"
#include "painterpathitem.h"
#include "pokertablescene.h"
#include "pokertableview.h"
#include "pushbuttonitem.h"
#include "resizeitem.h"
#include "splashscene.h"
#include "themeddialogitem.h"

#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace VeskGames;

namespace {

/// A dialog item of the library's kind, that says when it closes.
class Dialog : public ThemedDialogItem
{
    Q_OBJECT

public:
    using ThemedDialogItem::ThemedDialogItem;
    void close() { Q_EMIT actionClose(); }
};

/// Remembers whether a click reached it.
class Target : public QGraphicsRectItem
{
public:
    Target() : QGraphicsRectItem(0, 0, 1024, 768) {}
    int presses = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        event->accept();
    }
};

} // namespace

class TestPokerTableScene : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theQueueWaitsForTheStack()
    {
        PokerTableScene scene(nullptr, nullptr);
        QPointer<Dialog> a = new Dialog;
        QPointer<Dialog> b = new Dialog;
        QPointer<Dialog> c = new Dialog;
        scene.showDialog(a);
        scene.showDialog(b);
        scene.showDialog(c);
        QVERIFY(a->isVisible() && !b->isVisible() && !c->isVisible());
        QCOMPARE(scene.queuedDialogCount(), 2);
        // The last one asked for comes first.
        a->close();
        QVERIFY(c->isVisible() && !b->isVisible());
        QCOMPARE(scene.topDialog(), c.data());
        c->close();
        QVERIFY(b->isVisible());
        b->close();
        QCOMPARE(scene.topDialog(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!a && !b && !c);
        scene.popDialog(); // nothing left: nothing happens
    }

    void aPushCoversAndUncovers()
    {
        PokerTableScene scene(nullptr, nullptr);
        auto* a = new Dialog;
        auto* b = new Dialog;
        auto* waiting = new Dialog;
        scene.pushDialog(a, true);
        scene.showDialog(waiting);
        scene.pushDialog(b, true);
        QVERIFY(!a->isVisible() && b->isVisible());
        b->close();
        // The covered dialog comes back, not the queue.
        QVERIFY(a->isVisible());
        QVERIFY(!waiting->isVisible());
        QCOMPARE(scene.dialogCount(), 1);
        // A dialog deleted elsewhere is skipped.
        delete a;
        scene.popDialog();
        QVERIFY(waiting->isVisible());
        scene.clearDialogs();
        QCOMPARE(scene.dialogCount(), 0);
        QCOMPARE(scene.queuedDialogCount(), 0);
    }

    void clearingDeletesTheQueue()
    {
        auto* scene = new PokerTableScene(nullptr, nullptr);
        auto* top = new Dialog;
        QPointer<Dialog> queued = new Dialog;
        scene->showDialog(top);
        scene->showDialog(queued);
        scene->clearDialogs();
        QVERIFY(!queued);
        QVERIFY(!top->isVisible());
        delete scene;
    }

    void infoDialogsComeHidden()
    {
        PokerTableScene scene(nullptr, nullptr);
        InfoDialogItem* info = scene.createInfoDialog();
        QCOMPARE(info->scene(), &scene);
        QVERIFY(!info->isVisible());
    }

    void widgetDialogsTakeTheInput()
    {
        PokerTableScene scene(nullptr, nullptr);
        scene.setSceneRect(0, 0, 1024, 768);
        auto* below = new Target;
        scene.addItem(below);
        auto* dialog = new DialogBase(&scene);
        dialog->setScene(&scene);
        new QLabel(QStringLiteral("A widget dialog"), dialog->contentWidget());
        QSignalSpy closed(dialog, &DialogBase::actionClose);
        dialog->addButton(QStringLiteral("OK"), true);
        scene.pushDialog(dialog);
        QVERIFY(dialog->isShown());
        QCOMPARE(dialog->backdrop()->scene(), &scene);
        QCOMPARE(dialog->backdrop()->rect().size(), QSizeF(1024, 768));
        // Centred on the table.
        const QRect frame = dialog->frame()->geometry();
        QVERIFY(qAbs(frame.center().x() - 512) <= 1);
        QVERIFY(qAbs(frame.center().y() - 384) <= 1);
        // A click on the dimmed table goes nowhere.
        QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
        press.setScenePos(QPointF(20, 20));
        press.setButton(Qt::LeftButton);
        press.setButtons(Qt::LeftButton);
        QCoreApplication::sendEvent(&scene, &press);
        QCOMPARE(below->presses, 0);
        auto* ok = dialog->contentWidget()->findChild<QPushButton*>();
        QVERIFY(ok);
        ok->click();
        QCOMPARE(closed.size(), 1);
        QVERIFY(!dialog->isShown());
        QCOMPARE(scene.dialogCount(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Without the dialog the click arrives.
        QCoreApplication::sendEvent(&scene, &press);
        QCOMPARE(below->presses, 1);
    }

    void aDialogShownWhenItsSceneGoesFirst()
    {
        auto* scene = new PokerTableScene(nullptr, nullptr);
        DialogBase dialog;
        dialog.setScene(scene);
        dialog.show();
        delete scene; // the scene deletes the layers it holds
        dialog.hide();
    }

    void aDialogPushedAgainIsNotStackedTwice()
    {
        PokerTableScene scene(nullptr, nullptr);
        scene.setSceneRect(0, 0, 1024, 768);
        auto* a = new Dialog;
        auto* b = new Dialog;
        scene.pushDialog(a, true);
        scene.pushDialog(a, true); // shown again, as a refused log-in is
        QCOMPARE(scene.dialogCount(), 1);
        QVERIFY(a->isVisible());
        scene.pushDialog(b, true);
        scene.pushDialog(a, true); // from below to the top
        QCOMPARE(scene.dialogCount(), 2);
        QCOMPARE(scene.topDialog(), a);
        QVERIFY(a->isVisible());
        QVERIFY(!b->isVisible());
        scene.popDialog();
        QCOMPARE(scene.topDialog(), b);
        QVERIFY(b->isVisible());
    }

    void shownDialogsAnswerWhereThePlayerLooks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("click on Return") << "click Return"
                                         << "Return";
        QTest::newRow("click on Quit") << "click Quit"
                                       << "Quit";
        QTest::newRow("Enter") << "key Enter"
                               << "Return";
        QTest::newRow("Escape") << "key Escape"
                                << "Quit";
        QTest::newRow("Tab then Space") << "tab space"
                                        << "Quit";
    }

    void shownDialogsAnswerWhereThePlayerLooks()
    {
        QFETCH(QString, answer);
        QFETCH(QString, pressed);
        PokerTableScene scene(nullptr, nullptr);
        scene.setSceneRect(0, 0, 1024, 768);
        PokerTableView view;
        view.resize(800, 600);
        view.showScene(&scene);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        // Made in a corner, as the table makes its notices; a longer text comes later.
        InfoDialogItem* dialog = scene.createInfoDialog();
        dialog->setPos(0, 0);
        dialog->setText("Sitting Out");
        PushButtonItem* back = dialog->createButton("Return", QDialogButtonBox::AcceptRole, true);
        PushButtonItem* quit = dialog->createButton("Quit", QDialogButtonBox::RejectRole, true);
        QStringList clicked;
        connect(back, &PushButtonItem::clicked, this, [&] { clicked << "Return"; });
        connect(quit, &PushButtonItem::clicked, this, [&] { clicked << "Quit"; });
        scene.showDialog(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->sceneBoundingRect().center(), scene.sceneRect().center());
        dialog->setText("Sitting Out\nsince the last hand, which took a while");
        QCOMPARE(dialog->sceneBoundingRect().center(), scene.sceneRect().center());
        QCOMPARE(scene.activePanel(), dialog);

        const auto clickOn = [&](PushButtonItem* button) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                              view.mapFromScene(button->sceneBoundingRect().center()));
        };
        if (answer == "click Return")
            clickOn(back);
        else if (answer == "click Quit")
            clickOn(quit);
        else if (answer == "key Enter")
            QTest::keyClick(&view, Qt::Key_Enter);
        else if (answer == "key Escape")
            QTest::keyClick(&view, Qt::Key_Escape);
        else {
            // The first button has the focus; Tab moves it on.
            QVERIFY(back->hasFocus() || quit->hasFocus());
            if (back->hasFocus())
                QTest::keyClick(&view, Qt::Key_Tab);
            QVERIFY(quit->hasFocus());
            QTest::keyClick(&view, Qt::Key_Space);
        }
        QCOMPARE(clicked, QStringList{pressed});
        QTRY_COMPARE(scene.dialogCount(), 0);
    }

    void themedNoticesHaveWholeButtons()
    {
        // The theme's button pictures give the buttons their size: none is squeezed flat.
        DefaultTheme theme;
        PokerTableScene scene(nullptr, &theme);
        scene.setSceneRect(0, 0, 1024, 768);
        InfoDialogItem* dialog = scene.createInfoDialog();
        dialog->setText("Sitting Out");
        const QList<PushButtonItem*> buttons{
            dialog->createButton("Return", QDialogButtonBox::AcceptRole, true),
            dialog->createButton("Quit", QDialogButtonBox::RejectRole, true)};
        scene.showDialog(dialog);
        QCoreApplication::processEvents();
        for (PushButtonItem* button : buttons) {
            const QSizeF wanted = button->effectiveSizeHint(Qt::PreferredSize);
            QVERIFY2(button->size().height() >= wanted.height() - 0.5 &&
                         button->size().width() >= wanted.width() - 0.5,
                     qPrintable(QStringLiteral("%1: %2x%3, wants %4x%5")
                                    .arg(button->text())
                                    .arg(button->size().width())
                                    .arg(button->size().height())
                                    .arg(wanted.width())
                                    .arg(wanted.height())));
            QVERIFY(dialog->sceneBoundingRect().contains(button->sceneBoundingRect()));
        }
        // Alike: one size for every button of a notice.
        QCOMPARE(buttons.at(0)->size(), buttons.at(1)->size());
    }

    void gripSteps_data()
    {
        QTest::addColumn<QSize>("proposed");
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QSize>("snapped");
        const QSize large(3840, 2160);
        QTest::newRow("wide") << QSize(1000, 700) << large << QSize(1000, 750);
        QTest::newRow("tall") << QSize(800, 700) << large << QSize(932, 699);
        QTest::newRow("too small") << QSize(500, 300) << large << QSize(640, 480);
        QTest::newRow("the design size") << QSize(1024, 768) << large << QSize(1020, 765);
        QTest::newRow("over a small desktop") << QSize(3000, 2000) << QSize(1920, 1080) << QSize(1296, 972);
        QTest::newRow("too wide for it") << QSize(1900, 500) << QSize(1920, 1080) << QSize(1296, 972);
        QTest::newRow("negative") << QSize(-50, -50) << large << QSize(640, 480);
    }

    void gripSteps()
    {
        QFETCH(QSize, proposed);
        QFETCH(QSize, desktop);
        QFETCH(QSize, snapped);
        QCOMPARE(ResizeItem::snap(proposed, desktop), snapped);
    }

    void keyMaps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys"); // "key:action,..."
        QTest::newRow("two entries") << "fold=F;checkCall=c"
                                     << "C:2,F:1";
        QTest::newRow("no equals sign") << "fold=F;slideDown-"
                                        << "F:1";
        QTest::newRow("unknown name") << "dance=D;betRaise=b"
                                      << "B:3";
        QTest::newRow("several characters") << "fold=FF;checkCall="
                                            << "";
        QTest::newRow("later wins") << "fold=F;betRaise=F"
                                    << "F:3";
        QTest::newRow("plus and minus") << "slideUp=+;slideDown=-"
                                        << "+:4,-:5";
        QTest::newRow("two equals signs") << "fold=F=G"
                                          << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("case of the name counts") << "Fold=F"
                                                 << "";
    }

    void keyMaps()
    {
        QFETCH(QString, text);
        QFETCH(QString, keys);
        PokerTableView view;
        view.setKeyboardCommands(text);
        QStringList got;
        const QMap<int, PokerTableView::Action> map = view.keyMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            got << QStringLiteral("%1:%2").arg(QChar(it.key())).arg(int(it.value()));
        got.sort();
        QStringList want = keys.isEmpty() ? QStringList() : keys.split(',');
        want.sort();
        QCOMPARE(got, want);
    }

    void keysBecomeActions()
    {
        PokerTableScene scene(nullptr, nullptr);
        PokerTableView view;
        view.setScene(&scene);
        view.setKeyboardCommands(QStringLiteral("fold=f;slideUp=+"));
        QSignalSpy actions(&view, &PokerTableView::actionKeyPressed);
        QTest::keyClick(&view, Qt::Key_F);
        QTest::keyClick(&view, Qt::Key_F, Qt::ShiftModifier);
        QTest::keyClick(&view, Qt::Key_Plus);
        QTest::keyClick(&view, Qt::Key_G);
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions.at(0).at(0).value<PokerTableView::Action>(), PokerTableView::ActionFold);
        QCOMPARE(actions.at(2).at(0).value<PokerTableView::Action>(), PokerTableView::ActionSlideUp);
    }

    void closingIsTheProgramsCall()
    {
        PokerTableView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy close(&view, &PokerTableView::closeWindow);
        QVERIFY(!view.close());
        QCOMPARE(close.size(), 1);
        QVERIFY(view.isVisible());
    }

    void scalingKeepsTheProportions_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("design size") << QSize(1024, 768) << 1.0;
        QTest::newRow("twice") << QSize(2048, 1536) << 2.0;
        QTest::newRow("wide screen") << QSize(1920, 1080) << 1080.0 / 768;
        QTest::newRow("small and tall") << QSize(800, 900) << 800.0 / 1024;
        QTest::newRow("smallest supported") << QSize(800, 600) << 600.0 / 768;
        QTest::newRow("4K") << QSize(3840, 2160) << 2160.0 / 768;
    }

    void scalingKeepsTheProportions()
    {
        QFETCH(QSize, window);
        QFETCH(qreal, factor);
        PokerTableScene scene(nullptr, nullptr);
        scene.setSceneRect(0, 0, 1024, 768);
        PokerTableView view;
        view.setScene(&scene);
        view.resize(window);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(qAbs(view.transform().m22() - factor) < 1e-6);
        QVERIFY(qAbs(view.transform().m11() - (factor - 0.00001)) < 1e-6);
        // Everything of the design area is in sight.
        const QRectF seen = view.mapToScene(view.viewport()->rect()).boundingRect();
        QVERIFY2(seen.adjusted(-1, -1, 1, 1).contains(scene.sceneRect()),
                 qPrintable(QString::number(seen.width())));
        QCOMPARE(view.resizeGrip()->geometry().bottomRight(), view.rect().bottomRight());
    }

    void splashTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("connecting") << 0 << "Connecting...";
        QTest::newRow("checking") << 1 << "Checking for an updated version...";
        QTest::newRow("preparing") << 2 << "Preparing for update...";
        QTest::newRow("failed") << 3 << "Preparing for update failed!";
        QTest::newRow("reconnecting") << 4 << "Reconnecting, error was: timeout";
        QTest::newRow("closing") << 5 << "Closing down...";
    }

    void splashTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        SplashScene splash(nullptr);
        splash.setSceneRect(0, 0, 1024, 768);
        splash.setStatus(code, QStringLiteral("timeout"));
        QCOMPARE(splash.statusText(), text);
        QCOMPARE(splash.status(), code);
        const QPointF centre = splash.statusItem()->sceneBoundingRect().center();
        QVERIFY(qAbs(centre.x() - 512) < 1 && qAbs(centre.y() - 384) < 1);
        // A bigger scene keeps the text in its middle.
        splash.setSceneRect(0, 0, 1280, 720);
        const QPointF moved = splash.statusItem()->sceneBoundingRect().center();
        QVERIFY(qAbs(moved.x() - 640) < 1 && qAbs(moved.y() - 360) < 1);
    }

    void downloadProgress()
    {
        SplashScene splash(nullptr);
        splash.setStatus(SplashScene::StatusCheckingUpdate);
        splash.downloadSize(2000);
        splash.downloadedBytes(500);
        QCOMPARE(splash.statusText(), QString("Checking for an updated version..."));
        splash.setStatus(SplashScene::StatusPreparingUpdate);
        splash.downloadedBytes(499);
        QCOMPARE(splash.statusText(), QString("Downloading updater... (49%)"));
        splash.downloadSize(0);
        splash.downloadedBytes(10);
        QCOMPARE(splash.statusText(), QString("Downloading updater... (49%)"));
    }
};

QTEST_MAIN(TestPokerTableScene)
#include "tst_pokertablescene.moc"
