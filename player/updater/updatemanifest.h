#ifndef VESKGAMES_UPDATEMANIFEST_H
#define VESKGAMES_UPDATEMANIFEST_H

#include "manifestfile.h"

#include <QList>
#include <QString>

namespace VeskGames {

/// A release as the update server's manifest describes it, or the
/// installation folder as it is on disk.
class UpdateManifest
{
public:
    /// Entries beyond these make a manifest invalid: nothing a release needs
    /// and an easy way to fill a disk.
    static constexpr int MaximumFiles = 10000;
    static constexpr qint64 MaximumFileSize = qint64(1) << 31;

    /// Reads a manifest document; false (with \a error) for an invalid one.
    /// Names that could lead outside the installation folder make it invalid.
    static bool parse(const QByteArray& document, UpdateManifest* manifest, QString* error = nullptr);
    /// Every file below \a folder, hidden ones left out, with its size.
    static UpdateManifest fromFolder(const QString& folder);
    /// False for a name that is empty, absolute, or leads upwards.
    static bool isSafeName(const QString& name);

    QString version() const;
    const QList<ManifestFile>& files() const;
    /// The folder described, for a manifest read from disk.
    QString folder() const;

private:
    QString m_version;
    QList<ManifestFile> m_files;
    QString m_folder;
};

} // namespace VeskGames

#endif
