#ifndef VESKGAMES_MANIFESTFILE_H
#define VESKGAMES_MANIFESTFILE_H

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

namespace VeskGames {

/// One file of a release as its manifest describes it, or of the
/// installation folder as found on disk (then without digest and address).
struct ManifestFile
{
    /// Relative to the installation folder, with "/".
    QString name;
    qint64 size = 0;
    /// Empty when the manifest gives none.
    QByteArray hash;
    QString url;
    QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha1;
    bool executable = false;
};

} // namespace VeskGames

#endif
