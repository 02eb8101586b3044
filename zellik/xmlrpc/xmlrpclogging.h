#ifndef VESKGAMES_XMLRPCLOGGING_H
#define VESKGAMES_XMLRPCLOGGING_H

#include <QLoggingCategory>

// Messages by subsystem. Debug and info messages are off unless QT_LOGGING_RULES
// turns them on, e.g. QT_LOGGING_RULES="vesk.*.debug=true"; warnings are on.
Q_DECLARE_LOGGING_CATEGORY(lcXmlRpc)

#endif
