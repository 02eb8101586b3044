#include "parallelcommand.h"

namespace VeskGames {

class ParallelCommand::Private
{
public:
    QList<Command*> commands;
    bool autoDelete = true;
    int pending = 0;
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
    emitStart();
    if (d->pending == 0) {
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
    if (--d->pending == 0)
        emitDone();
}

void ParallelCommand::finish()
{
    while (!d->commands.isEmpty()) {
        Command* command = d->commands.takeFirst();
        command->finish();
        if (d->autoDelete)
            delete command;
    }
}

} // namespace VeskGames
