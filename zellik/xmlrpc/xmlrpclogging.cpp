#include "xmlrpclogging.h"

Q_LOGGING_CATEGORY(lcXmlRpc, "vesk.xmlrpc", QtWarningMsg)
