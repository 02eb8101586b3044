#ifndef VESKGAMES_PLAYERLOGGING_H
#define VESKGAMES_PLAYERLOGGING_H

#include <QLoggingCategory>

// Messages by subsystem. Debug and info messages are off unless QT_LOGGING_RULES
// turns them on, e.g. QT_LOGGING_RULES="vesk.*.debug=true"; warnings are on.
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
Q_DECLARE_LOGGING_CATEGORY(lcSession)
Q_DECLARE_LOGGING_CATEGORY(lcTable)
Q_DECLARE_LOGGING_CATEGORY(lcUpdater)

#endif
