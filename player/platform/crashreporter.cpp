#include "crashreporter.h"

#include <QDir>
#include <QStandardPaths>

namespace VeskGames {

CrashReporter::~CrashReporter() = default;

QString CrashReporter::defaultReportPath()
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/VeskPoker");
    return folder + QStringLiteral("/player-crash.txt");
}

} // namespace VeskGames
