#include "parallelcommand.h"

namespace VeskGames {

class ParallelCommand::Private
{
public:
    QList<Command*> commands;
    bool autoDelete = true;
    int pending = 0;
    bool started = false;
    bool reported = false;
};

ParallelCommand::ParallelCommand(bool autoDelete, QObject* parent)
    : Command(parent), d(std::make_unique<Private>())
{
    d->autoDelete = autoDelete;
}

ParallelCommand::ParallelCommand(const QList<Command*>& commands, bool autoDelete, QObject* parent)
    : ParallelCommand(autoDelete, parent)
{
    for (Command* command : commands)
        addCommand(command);
}

ParallelCommand::~ParallelCommand()
{
    if (d->autoDelete)
        qDeleteAll(d->commands);
}

void ParallelCommand::addCommand(Command* command)
{
    if (command)
        d->commands.append(command);
}

QList<Command*> ParallelCommand::commands() const
{
    return d->commands;
}

void ParallelCommand::exec()
{
    d->pending = int(d->commands.size());
    d->started = true;
    d->reported = false;
    emitStart();
    if (d->pending == 0) {
        d->reported = true;
        emitDone();
        return;
    }
    const QList<Command*> snapshot = d->commands;
    for (Command* command : snapshot) {
        connect(command, &Command::done, this, &ParallelCommand::slotCommandDone);
        command->exec();
    }
}

void ParallelCommand::slotCommandDone()
{
    if (--d->pending == 0 && !d->reported) {
        d->reported = true;
        emitDone();
    }
}

void ParallelCommand::finish()
{
    // Cut short before its turn, it still starts and ends once: whoever
    // waits for it keeps their books right.
    if (!d->started) {
        d->started = true;
        emitStart();
    }
    while (!d->commands.isEmpty()) {
        Command* command = d->commands.takeFirst();
        command->finish();
        if (d->autoDelete)
            delete command;
    }
    if (!d->reported) {
        d->reported = true;
        emitDone();
    }
}

} // namespace VeskGames
