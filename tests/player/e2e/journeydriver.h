#ifndef VESKTEST_JOURNEYDRIVER_H
#define VESKTEST_JOURNEYDRIVER_H

// The whole player program inside the test process, made from a command line
// exactly as the program makes itself, and a person's hands on it: clicks and
// keys go to the windows, and what the test checks is what those windows show.
#include "commandlineoptions.h"
#include "configuration.h"
#include "infodialogitem.h"
#include "playerassembly.h"
#include "playercontroller.h"
#include "playerprogram.h"
#include "pokertablescene.h"
#include "pokertableview.h"
#include "pushbuttonitem.h"
#include "themeddialogitem.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace Journey {

/// The visible, enabled button of \a scene whose text is \a text (either of a
/// two-state button's texts), topmost first; null when there is none.
inline VeskGames::PushButtonItem* button(QGraphicsScene* scene, const QString& text)
{
    if (!scene)
        return nullptr;
    const QList<QGraphicsItem*> items = scene->items(Qt::DescendingOrder);
    for (QGraphicsItem* item : items) {
        auto* candidate = qobject_cast<VeskGames::PushButtonItem*>(item->toGraphicsObject());
        if (candidate && candidate->isVisible() && candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

/// The player turns to \a window (a click on its frame): keys go there next.
inline bool turnTo(QWidget* window)
{
    if (!window)
        return false;
    if (QApplication::activeWindow() != window->window())
        window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

/// The visible button of \a dialog (or any of its parts) whose text is \a text.
inline VeskGames::PushButtonItem* button(QGraphicsItem* dialog, const QString& text)
{
    if (!dialog)
        return nullptr;
    for (QGraphicsItem* child : dialog->childItems()) {
        auto* candidate = qobject_cast<VeskGames::PushButtonItem*>(child->toGraphicsObject());
        if (candidate && candidate->isVisible() && candidate->text() == text)
            return candidate;
        if (VeskGames::PushButtonItem* inner = button(child, text))
            return inner;
    }
    return nullptr;
}

/// The window that shows \a scene.
inline QGraphicsView* viewOf(const QGraphicsScene* scene)
{
    if (!scene)
        return nullptr;
    for (QGraphicsView* view : scene->views()) {
        if (view->isVisible() && view->scene() == scene)
            return view;
    }
    return nullptr;
}

/// A left click where \a item is on its window, as a mouse gives it. False
/// when the item is not on a window at all.
inline bool click(QGraphicsItem* item)
{
    if (!item || !item->isVisible())
        return false;
    QGraphicsView* view = viewOf(item->scene());
    if (!view)
        return false;
    const QPoint at = view->mapFromScene(item->sceneBoundingRect().center());
    if (!view->viewport()->rect().contains(at))
        return false;
    turnTo(view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

/// A left click at \a at of \a widget, which lives in a proxy of a scene.
inline bool clickAt(QWidget* widget, const QPoint& at)
{
    if (!widget)
        return false;
    QWidget* top = widget->window();
    QGraphicsProxyWidget* proxy = top ? top->graphicsProxyWidget() : nullptr;
    if (!proxy || !proxy->isVisible())
        return false;
    QGraphicsView* view = viewOf(proxy->scene());
    if (!view)
        return false;
    const QPoint onView = view->mapFromScene(proxy->mapToScene(QPointF(widget->mapTo(top, at))));
    turnTo(view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, onView);
    return true;
}

/// A click on the centre of \a widget, which lives in a proxy of a scene.
inline bool clickWidget(QWidget* widget)
{
    return widget && clickAt(widget, widget->rect().center());
}

/// Keys to the window through the platform, where the program's focus (and
/// an open pop-up such as the name completer's) decides who gets them.
inline void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    turnTo(window);
    QWindow* native = window->window()->windowHandle();
    if (QWidget* popup = QApplication::activePopupWidget())
        native = popup->windowHandle();
    QTest::keyClick(native, key, modifiers);
}

inline void keys(QWidget* window, const QString& text)
{
    turnTo(window);
    for (const QChar c : text) {
        QWindow* native = window->window()->windowHandle();
        if (QWidget* popup = QApplication::activePopupWidget())
            native = popup->windowHandle();
        QTest::keyClick(native, c.toLatin1());
    }
}

/// Whether \a dialog is shown in the middle of the scene its window shows, and whole.
inline QString placementFault(const QGraphicsWidget* dialog)
{
    if (!dialog)
        return QStringLiteral("no dialog");
    if (!dialog->isVisible())
        return QStringLiteral("%1 is hidden").arg(dialog->metaObject()->className());
    const QGraphicsView* view = viewOf(dialog->scene());
    if (!view)
        return QStringLiteral("%1 is on a scene no window shows").arg(dialog->metaObject()->className());
    const QRectF area = dialog->scene()->sceneRect();
    const QRectF box = dialog->sceneBoundingRect();
    if (!area.contains(box))
        return QStringLiteral("%1 reaches out of the table: %2,%3 %4x%5")
            .arg(dialog->metaObject()->className())
            .arg(box.x())
            .arg(box.y())
            .arg(box.width())
            .arg(box.height());
    const QPointF off = box.center() - area.center();
    // The lobby stands beside its side buttons: its centre is left of the table's.
    const qreal allowedX = dialog->inherits("VeskGames::AbstractGameListDialogItem") ? area.width() / 6 : 2;
    if (qAbs(off.x()) > allowedX || qAbs(off.y()) > 2)
        return QStringLiteral("%1 is off centre by %2,%3")
            .arg(dialog->metaObject()->className())
            .arg(off.x())
            .arg(off.y());
    return QString();
}

/// The top dialog of the scene \a view shows, if it is a \a T.
template <typename T> T* topOf(const QGraphicsView* view)
{
    auto* scene = view ? qobject_cast<VeskGames::PokerTableScene*>(view->scene()) : nullptr;
    return scene ? qobject_cast<T*>(scene->topDialog()) : nullptr;
}

using PlayerTest::field;

/// The program asked the application to end (its Quit, a restart): the test
/// goes on, so the request is answered by one short turn of the main loop,
/// after which waiting works again.
inline void settleQuit()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

/// The player program made from \a arguments the way it makes itself.
struct Program
{
    VeskGames::CommandLineOptions options;
    VeskGames::Configuration configuration;
    VeskGames::PlayerAssembly assembly;

    /// \a configDir holds the site's "default.ini" and "default.local.ini".
    bool start(const QStringList& arguments, const QString& configDir, const QString& pluginPath)
    {
        QList<QByteArray> bytes;
        for (const QString& argument : QStringList{QStringLiteral("player")} + arguments)
            bytes.append(argument.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        options.setOptions(VeskGames::Configuration::options());
        // A settings store of the test's own: nothing preset from elsewhere.
        options.setUseQSettings(false);
        options.parseOptions(int(argv.size()), argv.data());
        configuration.read(QDir(configDir), options);
        assembly.setPluginPath(pluginPath);
        if (assembly.build(options, configuration) != VeskGames::PlayerAssembly::Built)
            return false;
        assembly.start();
        return true;
    }

    VeskGames::PlayerController* player() const { return assembly.player(); }
    VeskGames::PokerTableView* window() const { return assembly.view(); }
};

} // namespace Journey

#endif
