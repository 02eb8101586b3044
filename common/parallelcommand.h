#ifndef VESKGAMES_PARALLELCOMMAND_H
#define VESKGAMES_PARALLELCOMMAND_H

#include "command.h"

#include <QList>

#include <memory>

namespace VeskGames {

/// Starts all its commands at once and is done when every one has reported done.
class COMMON_EXPORT ParallelCommand : public Command
{
    Q_OBJECT

public:
    explicit ParallelCommand(bool autoDelete = true, QObject* parent = nullptr);
    ParallelCommand(const QList<Command*>& commands, bool autoDelete, QObject* parent = nullptr);
    ~ParallelCommand() override;

    void addCommand(Command* command);
    QList<Command*> commands() const;

    void exec() override;
    /// Finishes every command and reports start (if it had not run) and done, once.
    void finish() override;

private Q_SLOTS:
    void slotCommandDone();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
