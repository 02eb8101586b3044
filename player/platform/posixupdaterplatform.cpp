#include "updaterplatform.h"

#include <QDir>
#include <QProcess>

namespace VeskGames {

UpdaterPlatform::~UpdaterPlatform() = default;

namespace {

/// An installation in the user's own folder: the updater runs as the user,
/// without elevation, started detached.
class PosixUpdaterPlatform : public UpdaterPlatform
{
public:
    QString platformName() const override { return QStringLiteral("linux"); }
    QString updaterFolder() const override { return QDir::tempPath() + QStringLiteral("/VeskUpdater/"); }
    QString updaterProgram() const override { return updaterFolder() + QStringLiteral("updater"); }
    bool startUpdater(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

} // namespace

std::unique_ptr<UpdaterPlatform> UpdaterPlatform::create()
{
    return std::make_unique<PosixUpdaterPlatform>();
}

} // namespace VeskGames
