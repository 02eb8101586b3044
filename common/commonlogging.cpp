#include "commonlogging.h"

Q_LOGGING_CATEGORY(lcCards, "vesk.cards", QtWarningMsg)
Q_LOGGING_CATEGORY(lcResources, "vesk.resources", QtWarningMsg)
