#ifndef VESKGAMES_CRASHREPORTER_H
#define VESKGAMES_CRASHREPORTER_H

#include <QString>

#include <memory>

namespace VeskGames {

/// Writes a report when the process dies of a fatal fault, then lets it die
/// as it would have. One implementation per platform.
class CrashReporter
{
public:
    virtual ~CrashReporter();

    /// Starts watching; \a reportPath is overwritten by every crash.
    virtual bool install(const QString& reportPath, const QByteArray& programVersion) = 0;

    /// The report file used when the caller names none: in the user's cache folder.
    static QString defaultReportPath();
    static std::unique_ptr<CrashReporter> create();
};

} // namespace VeskGames

#endif
