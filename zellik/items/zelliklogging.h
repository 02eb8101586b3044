#ifndef VESKGAMES_ZELLIKLOGGING_H
#define VESKGAMES_ZELLIKLOGGING_H

#include <QLoggingCategory>

// Messages by subsystem. Debug and info messages are off unless QT_LOGGING_RULES
// turns them on, e.g. QT_LOGGING_RULES="vesk.*.debug=true"; warnings are on.
Q_DECLARE_LOGGING_CATEGORY(lcTheme)
Q_DECLARE_LOGGING_CATEGORY(lcImages)
Q_DECLARE_LOGGING_CATEGORY(lcClient)

#endif
