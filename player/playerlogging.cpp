#include "playerlogging.h"

Q_LOGGING_CATEGORY(lcStartup, "vesk.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSession, "vesk.session", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTable, "vesk.table", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpdater, "vesk.updater", QtWarningMsg)
