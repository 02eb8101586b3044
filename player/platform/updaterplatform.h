#ifndef VESKGAMES_UPDATERPLATFORM_H
#define VESKGAMES_UPDATERPLATFORM_H

#include <QString>
#include <QStringList>

#include <memory>

namespace VeskGames {

/// What the self-update needs of the system it runs on.
class UpdaterPlatform
{
public:
    virtual ~UpdaterPlatform();

    /// The platform member of the update queries.
    virtual QString platformName() const = 0;
    /// Where the updater program's own release is kept.
    virtual QString updaterFolder() const = 0;
    /// The updater program inside updaterFolder().
    virtual QString updaterProgram() const = 0;
    /// Starts the updater on its own, outliving this program.
    virtual bool startUpdater(const QString& program, const QStringList& arguments) = 0;

    static std::unique_ptr<UpdaterPlatform> create();
};

} // namespace VeskGames

#endif
