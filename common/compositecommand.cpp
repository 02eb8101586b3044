#include "compositecommand.h"

namespace VeskGames {

class CompositeCommand::Private
{
public:
    QList<Command*> commands;
    bool autoDelete = true;
    int current = 0;
};

CompositeCommand::CompositeCommand(bool autoDelete, QObject* parent)
    : Command(parent), d(std::make_unique<Private>())
{
    d->autoDelete = autoDelete;
}

CompositeCommand::CompositeCommand(const QList<Command*>& commands, bool autoDelete, QObject* parent)
    : CompositeCommand(autoDelete, parent)
{
    for (Command* command : commands)
        addCommand(command);
}

CompositeCommand::~CompositeCommand()
{
    if (d->autoDelete)
        qDeleteAll(d->commands);
}

void CompositeCommand::addCommand(Command* command)
{
    if (command)
        d->commands.append(command);
}

QList<Command*> CompositeCommand::commands() const
{
    return d->commands;
}

void CompositeCommand::exec()
{
    d->current = 0;
    emitStart();
    slotNextCommand();
}

void CompositeCommand::slotNextCommand()
{
    // The child that just finished may report done again later: it must not
    // advance us a second time.
    if (d->current - 1 >= 0 && d->current - 1 < d->commands.size())
        d->commands.at(d->current - 1)->disconnect(this);
    if (d->current >= d->commands.size()) {
        emitDone();
        return;
    }
    Command* next = d->commands.at(d->current);
    connect(next, &Command::done, this, &CompositeCommand::slotNextCommand);
    // Advanced before the child runs: a child that is done inside exec()
    // starts the one after it right away.
    ++d->current;
    next->exec();
}

void CompositeCommand::finish()
{
    while (!d->commands.isEmpty()) {
        Command* command = d->commands.takeFirst();
        command->disconnect(this);
        command->finish();
        if (d->autoDelete)
            delete command;
    }
}

} // namespace VeskGames
