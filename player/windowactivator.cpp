#include "windowactivator.h"

#include "platform/windowraiser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace VeskGames {

class WindowActivator::Private
{
public:
    std::unique_ptr<WindowRaiser> raiser;
    QList<QObject*> views;
    QSet<QObject*> connected;

    void raiseFirst()
    {
        if (!views.isEmpty())
            raiser->raise(static_cast<QWidget*>(views.first()));
    }
};

WindowActivator::WindowActivator(std::unique_ptr<WindowRaiser> raiser, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->raiser = std::move(raiser);
}

WindowActivator::~WindowActivator() = default;

WindowActivator* WindowActivator::instance()
{
    static QPointer<WindowActivator> activator;
    if (!activator)
        activator = new WindowActivator(WindowRaiser::create(), QCoreApplication::instance());
    return activator;
}

void WindowActivator::activate(QWidget* view)
{
    if (!view)
        return;
    if (!d->views.contains(view))
        d->views.append(view);
    if (!d->connected.contains(view)) {
        d->connected.insert(view);
        connect(view, &QObject::destroyed, this, [this](QObject* gone) {
            d->connected.remove(gone);
            pokerTableViewDeleted(gone);
        });
    }
    d->raiseFirst();
}

void WindowActivator::deactivate(QWidget* view)
{
    // Nothing to hand on when the window was not waiting.
    if (view && d->views.contains(view))
        pokerTableViewDeleted(view);
}

QList<QWidget*> WindowActivator::views() const
{
    QList<QWidget*> result;
    for (QObject* view : std::as_const(d->views))
        result.append(static_cast<QWidget*>(view));
    return result;
}

void WindowActivator::pokerTableViewDeleted(QObject* view)
{
    d->views.removeOne(view);
    d->raiseFirst();
}

} // namespace VeskGames
