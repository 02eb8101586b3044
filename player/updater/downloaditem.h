#ifndef VESKGAMES_DOWNLOADITEM_H
#define VESKGAMES_DOWNLOADITEM_H

#include "manifestfile.h"

#include <QCryptographicHash>
#include <QTemporaryFile>

#include <memory>

namespace VeskGames {

/// A file on its way: what the manifest says, the bytes so far and their
/// running digest.
struct DownloadItem
{
    explicit DownloadItem(const ManifestFile& manifestFile) : file(manifestFile) {}

    ManifestFile file;
    int attempts = 1;
    qint64 received = 0;
    std::unique_ptr<QTemporaryFile> bytes;
    std::unique_ptr<QCryptographicHash> digest;
};

} // namespace VeskGames

#endif
