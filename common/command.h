#ifndef VESKGAMES_COMMAND_H
#define VESKGAMES_COMMAND_H

#include "common_export.h"

#include <QObject>

namespace VeskGames {

/// An asynchronous step: started with exec(), it reports its end with done().
/// finish() brings it to its end state at once.
class COMMON_EXPORT Command : public QObject
{
    Q_OBJECT

public:
    explicit Command(QObject* parent = nullptr);
    ~Command() override;

    virtual void exec() = 0;
    virtual void finish();

Q_SIGNALS:
    // Only the command itself emits these.
    void start(VeskGames::Command* command, QPrivateSignal);
    void done(VeskGames::Command* command, QPrivateSignal);

protected:
    void emitStart();
    void emitDone();
};

} // namespace VeskGames

#endif
