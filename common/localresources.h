#ifndef VESKGAMES_LOCALRESOURCES_H
#define VESKGAMES_LOCALRESOURCES_H

#include "common_export.h"

#include <QMetaType>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace VeskGames {

/// Process-wide finder for resource files. Each search path is tried in order
/// and what was found is kept in a cache bounded by file size; misses are not
/// cached, so a file that appears later is still found.
class COMMON_EXPORT LocalResources
{
public:
    /// Capacity of the cache in cost units (KiB of the files found).
    static constexpr int CacheCapacity = 8192;

    static void addSearchPath(const QString& path);
    static void setSearchPaths(const QStringList& paths);
    /// Where every program of the package finds its pictures: what is built
    /// into it, then the "Resources" folder beside it.
    static void addProgramSearchPaths();
    static QStringList searchPaths();
    /// Goes up whenever the search paths change, so callers that remember a
    /// miss know when to look again.
    static quint64 generation();

    /// Names are joined to the search paths without a separator, so they
    /// start with '/' (e.g. "/lobby/icon_running.png").
    static QVariant resource(const QString& name, QMetaType type);
    static QString resourcePath(const QString& name, QMetaType type);
    static QPixmap resourcePixmap(const QString& name);

private:
    LocalResources();
    ~LocalResources();
    static LocalResources* instance();
    static void destroyInstance();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
