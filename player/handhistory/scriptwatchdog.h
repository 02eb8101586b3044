#ifndef VESKGAMES_SCRIPTWATCHDOG_H
#define VESKGAMES_SCRIPTWATCHDOG_H

#include <memory>

class QJSEngine;

namespace VeskGames {

/// Interrupts a script engine that runs longer than it was given: a script
/// fed a hostile input must not freeze the program.
class ScriptWatchdog
{
public:
    explicit ScriptWatchdog(QJSEngine* engine);
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

    /// Starts the clock: unless disarmed within \a msec, the engine is interrupted.
    void arm(int msec);
    /// Stops the clock; returns whether the engine was interrupted since arm().
    bool disarm();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
