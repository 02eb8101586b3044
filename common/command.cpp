#include "command.h"

namespace VeskGames {

Command::Command(QObject* parent) : QObject(parent) {}

Command::~Command() = default;

void Command::finish() {}

void Command::emitStart()
{
    Q_EMIT start(this, QPrivateSignal());
}

void Command::emitDone()
{
    Q_EMIT done(this, QPrivateSignal());
}

} // namespace VeskGames
