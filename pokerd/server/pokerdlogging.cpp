#include "pokerdlogging.h"

Q_LOGGING_CATEGORY(lcPokerdTable, "pokerd.table", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPokerdAccounts, "pokerd.accounts", QtWarningMsg)
