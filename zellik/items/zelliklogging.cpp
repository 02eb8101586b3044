#include "zelliklogging.h"

Q_LOGGING_CATEGORY(lcTheme, "vesk.theme", QtWarningMsg)
Q_LOGGING_CATEGORY(lcImages, "vesk.images", QtWarningMsg)
Q_LOGGING_CATEGORY(lcClient, "vesk.client", QtWarningMsg)
