#ifndef VESKGAMES_COMMONLOGGING_H
#define VESKGAMES_COMMONLOGGING_H

#include <QLoggingCategory>

// Messages by subsystem. Debug and info messages are off unless QT_LOGGING_RULES
// turns them on, e.g. QT_LOGGING_RULES="vesk.*.debug=true"; warnings are on.
Q_DECLARE_LOGGING_CATEGORY(lcCards)
Q_DECLARE_LOGGING_CATEGORY(lcResources)

#endif
