#ifndef VESKGAMES_WINDOWACTIVATOR_H
#define VESKGAMES_WINDOWACTIVATOR_H

#include <QObject>

#include <memory>

class QWidget;

namespace VeskGames {

class WindowRaiser;

/// Keeps the table windows that want the player's attention, first come first
/// served, and raises the first of them.
class WindowActivator : public QObject
{
    Q_OBJECT

public:
    explicit WindowActivator(std::unique_ptr<WindowRaiser> raiser, QObject* parent = nullptr);
    ~WindowActivator() override;

    /// The process-wide activator, raising with the platform's means.
    static WindowActivator* instance();

    void activate(QWidget* view);
    /// The view's player has acted: the next window waiting comes to the front.
    void deactivate(QWidget* view);
    QList<QWidget*> views() const;

public Q_SLOTS:
    /// Also called directly to deactivate a view.
    void pokerTableViewDeleted(QObject* view);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
