#include "localresources.h"
#include "commonlogging.h"

#include <QCache>
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>

namespace VeskGames {

namespace {
struct CacheEntry
{
    QString path;
    QVariant value;
};

LocalResources* s_instance = nullptr;
} // namespace

class LocalResources::Private
{
public:
    QStringList searchPaths;
    quint64 generation = 1;
    QCache<QString, CacheEntry> cache{LocalResources::CacheCapacity};

    QVariant lookup(const QString& name, QMetaType type, QString* foundPath);
};

LocalResources::LocalResources() : d(std::make_unique<Private>()) {}

LocalResources::~LocalResources() = default;

LocalResources* LocalResources::instance()
{
    if (!s_instance) {
        s_instance = new LocalResources;
        // Cached pixmaps must go before the GUI application does.
        qAddPostRoutine(&LocalResources::destroyInstance);
    }
    return s_instance;
}

void LocalResources::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

void LocalResources::addSearchPath(const QString& path)
{
    LocalResources* self = instance();
    self->d->searchPaths.append(path);
    self->d->cache.clear();
    ++self->d->generation;
}

void LocalResources::setSearchPaths(const QStringList& paths)
{
    LocalResources* self = instance();
    self->d->searchPaths = paths;
    self->d->cache.clear();
    ++self->d->generation;
}

void LocalResources::addProgramSearchPaths()
{
    addSearchPath(QStringLiteral(":"));
    addSearchPath(QCoreApplication::applicationDirPath() + QStringLiteral("/Resources"));
}

QStringList LocalResources::searchPaths()
{
    return instance()->d->searchPaths;
}

quint64 LocalResources::generation()
{
    return instance()->d->generation;
}

QVariant LocalResources::Private::lookup(const QString& name, QMetaType type, QString* foundPath)
{
    if (CacheEntry* cached = cache.object(name)) {
        *foundPath = cached->path;
        return cached->value;
    }

    QString found;
    for (const QString& path : std::as_const(searchPaths)) {
        const QString candidate = path + name;
        if (QFileInfo::exists(candidate)) {
            found = candidate;
            break;
        }
    }
    if (found.isEmpty()) {
        qCDebug(lcResources).nospace() << "LocalResources::resource(" << name << ", " << type.id()
                                       << ", did not find resource in " << searchPaths;
        return QVariant();
    }

    QVariant value;
    if (type.id() == QMetaType::QString) {
        value = found;
    } else if (type.id() == QMetaType::QPixmap) {
        QPixmap pixmap(found);
        if (!pixmap.isNull())
            value = pixmap;
    }
    if (!value.isValid())
        return QVariant();

    *foundPath = found;
    const int cost = int(QFileInfo(found).size() / 1024);
    // QCache drops an entry larger than its capacity; the value is still returned.
    cache.insert(name, new CacheEntry{found, value}, cost);
    return value;
}

QVariant LocalResources::resource(const QString& name, QMetaType type)
{
    QString path;
    return instance()->d->lookup(name, type, &path);
}

QString LocalResources::resourcePath(const QString& name, QMetaType type)
{
    QString path;
    if (instance()->d->lookup(name, type, &path).isNull())
        return QString();
    return path;
}

QPixmap LocalResources::resourcePixmap(const QString& name)
{
    return resource(name, QMetaType::fromType<QPixmap>()).value<QPixmap>();
}

} // namespace VeskGames
