#ifndef VESKGAMES_EVENTSTEPCOMMAND_H
#define VESKGAMES_EVENTSTEPCOMMAND_H

#include "command.h"

#include <QPointer>

#include <functional>

namespace VeskGames {

/// One server event applied to the table at its turn in the batch: the scene
/// is asked for the event's animation only when the events before it have
/// played, so every step sees the table as the server left it.
class EventStepCommand : public Command
{
    Q_OBJECT

public:
    /// \a make applies the event with the given duration and returns the
    /// animation to run, or null when it took effect at once.
    using Maker = std::function<Command*(int msec)>;

    EventStepCommand(Maker make, int msec, QObject* parent = nullptr);
    ~EventStepCommand() override;

    void exec() override;
    /// Applies the event at once if it has not begun, else ends its animation.
    void finish() override;

private Q_SLOTS:
    void slotAnimationDone();

private:
    Maker m_make;
    int m_msec = 0;
    bool m_applied = false;
    bool m_done = false;
    QPointer<Command> m_animation;
};

} // namespace VeskGames

#endif
