#include "abstractimagemanager.h"
#include "zelliklogging.h"

#include "client.h"
#include "servercommand.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>

namespace VeskGames {

namespace {

const QString kCacheFolder = QStringLiteral(".velmora");

// File names are ids the cache wrote itself: a positive number and ".png".
int idOfFile(const QString& fileName)
{
    if (!fileName.endsWith(QLatin1String(".png")))
        return -1;
    bool ok = false;
    const int id = fileName.chopped(4).toInt(&ok);
    return ok && id > 0 && QString::number(id) + QLatin1String(".png") == fileName ? id : -1;
}

QString nameKey(int id)
{
    return QString::number(id) + QLatin1String("_name");
}

QString timestampKey(int id)
{
    return QString::number(id) + QLatin1String("_timestamp");
}

} // namespace

class AbstractImageManager::Private
{
public:
    struct Entry
    {
        QString name;
        QImage image;
    };

    QString category;
    QDir dir;
    QPointer<Client> client;
    QHash<int, Entry> entries;
    std::unique_ptr<QSettings> settings;
    bool writable = false;

    QString fileOf(int id) const { return dir.filePath(QString::number(id) + QLatin1String(".png")); }
};

AbstractImageManager::AbstractImageManager(const QString& category, QObject* parent, const QString& home)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->category = category;
    const QString base = home.isEmpty() ? QDir::homePath() : home;
    d->dir = QDir(base + QLatin1Char('/') + kCacheFolder + QLatin1Char('/') + category);
    if (!d->dir.mkpath(QStringLiteral(".")))
        qCWarning(lcImages, "AbstractImageManager: cannot make the cache folder %s",
                  qPrintable(d->dir.path()));
    d->writable = QFileInfo(d->dir.path()).isDir() && QFileInfo(d->dir.path()).isWritable();
    d->settings =
        std::make_unique<QSettings>(d->dir.filePath(QStringLiteral("cache.conf")), QSettings::IniFormat);
    if (d->settings->status() != QSettings::NoError)
        qCWarning(lcImages, "AbstractImageManager: the cache settings %s are unreadable",
                  qPrintable(d->settings->fileName()));
    loadCache();
}

AbstractImageManager::~AbstractImageManager()
{
    forgetClient();
    reduceCache();
}

void AbstractImageManager::loadCache()
{
    const QStringList files = d->dir.entryList({QStringLiteral("*.png")}, QDir::Files);
    for (const QString& file : files) {
        const int id = idOfFile(file);
        if (id < 0)
            continue;
        QImageReader reader(d->dir.filePath(file));
        reader.setFormat("png");
        // Pictures are small: a huge one is not ours.
        if (QFileInfo(d->dir.filePath(file)).size() > MaximumImageBytes)
            continue;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        d->entries.insert(id, {d->settings->value(nameKey(id)).toString(),
                               image.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
    }
}

QImage AbstractImageManager::image(int id)
{
    const auto it = d->entries.constFind(id);
    if (it != d->entries.constEnd() && !it->image.isNull()) {
        touch(id);
        return it->image;
    }
    if (d->client && id > 0)
        requestImage(id);
    return QImage();
}

QList<int> AbstractImageManager::imageIds() const
{
    QList<int> ids = d->entries.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString AbstractImageManager::imageName(int id) const
{
    return d->entries.value(id).name;
}

void AbstractImageManager::setClient(Client* client)
{
    d->client = client;
    reduceCache();
    if (client) {
        d->settings->setValue(QStringLiteral("host"), client->url().host());
        d->settings->sync();
    }
}

Client* AbstractImageManager::client() const
{
    return d->client;
}

QDir AbstractImageManager::cacheDir() const
{
    return d->dir;
}

QString AbstractImageManager::category() const
{
    return d->category;
}

bool AbstractImageManager::isCacheWritable() const
{
    return d->writable;
}

bool AbstractImageManager::hasImageInCache(int id) const
{
    const auto it = d->entries.constFind(id);
    return it != d->entries.constEnd() && !it->image.isNull();
}

void AbstractImageManager::allocateCacheSlot(int id, const QString& name)
{
    if (id <= 0)
        return;
    auto it = d->entries.find(id);
    if (it == d->entries.end())
        d->entries.insert(id, {name, QImage()});
    else
        it->name = name;
}

void AbstractImageManager::takeImageList(Command* command)
{
    command->deleteLater();
    auto* server = qobject_cast<ServerCommand*>(command);
    if (!server || server->hasError())
        return;
    cleanCacheNames();
    for (const QVariant& entry : server->result().toList()) {
        const QVariantMap record = entry.toMap();
        bool ok = false;
        const int id = record.value(QStringLiteral("id")).toInt(&ok);
        // Ids name files: anything but a positive number is never asked for.
        if (!ok || id <= 0)
            continue;
        const QString name = record.value(QStringLiteral("name")).toString();
        setCacheName(id, name);
        if (!hasImageInCache(id)) {
            allocateCacheSlot(id, name);
            requestImage(id);
        }
    }
    Q_EMIT imageListChanged();
}

ServerCommand* AbstractImageManager::askForImage(const QString& method, int id, const char* idProperty)
{
    if (!client() || id <= 0)
        return nullptr;
    auto* command = new ServerCommand(client(), {id}, method, this);
    command->setProperty(idProperty, id);
    return command;
}

void AbstractImageManager::takeImage(Command* command, const char* idProperty)
{
    command->deleteLater();
    auto* server = qobject_cast<ServerCommand*>(command);
    const int id = command->property(idProperty).toInt();
    if (!server || server->hasError() || id <= 0)
        return;
    const QByteArray data = server->result().toMap().value(QStringLiteral("image")).toByteArray();
    if (addImageDataToCache(id, data))
        Q_EMIT imageChanged(id);
}

bool AbstractImageManager::addImageDataToCache(int id, const QByteArray& data)
{
    if (id <= 0 || data.isEmpty() || data.size() > MaximumImageBytes) {
        qCWarning(lcImages, "AbstractImageManager: refused %lld bytes for image %d", qlonglong(data.size()),
                  id);
        return false;
    }
    // Only bytes that are a picture reach the disk.
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcImages, "AbstractImageManager: the data for image %d is not a picture", id);
        return false;
    }
    const QString path = d->fileOf(id);
    QSaveFile file(path);
    if (!d->writable || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size() ||
        !file.commit()) {
        qCWarning(lcImages, "AbstractImageManager::addImageToCache(): Could not write to %s %s",
                  qPrintable(path), qPrintable(file.errorString()));
    }
    auto it = d->entries.find(id);
    if (it == d->entries.end())
        it = d->entries.insert(id, {QString(), QImage()});
    it->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    touch(id);
    return true;
}

void AbstractImageManager::setCacheName(int id, const QString& name)
{
    if (id <= 0)
        return;
    d->settings->setValue(nameKey(id), name);
    auto it = d->entries.find(id);
    if (it != d->entries.end())
        it->name = name;
}

void AbstractImageManager::cleanCacheNames()
{
    const QStringList keys = d->settings->allKeys();
    for (const QString& key : keys) {
        if (key.endsWith(QLatin1String("_name")))
            d->settings->remove(key);
    }
}

void AbstractImageManager::reduceCache()
{
    const QDate today = QDate::currentDate();
    const QString host = d->client ? d->client->url().host() : QString();
    const QString recordedHost = d->settings->value(QStringLiteral("host")).toString();
    const QStringList files = d->dir.entryList({QStringLiteral("*.png")}, QDir::Files);
    for (const QString& file : files) {
        const int id = idOfFile(file);
        if (id < 0)
            continue;
        const QDate used = QDate::fromString(d->settings->value(timestampKey(id)).toString(), Qt::ISODate);
        const bool tooOld = !used.isValid() || used.daysTo(today) > MaximumAgeDays;
        const bool otherServer = d->client && recordedHost != host;
        if (!tooOld && !otherServer)
            continue;
        QFile::remove(d->dir.filePath(file));
        d->settings->remove(timestampKey(id));
        d->settings->remove(nameKey(id));
    }
    d->settings->sync();
}

void AbstractImageManager::forgetClient()
{
    d->client = nullptr;
}

void AbstractImageManager::touch(int id)
{
    d->settings->setValue(timestampKey(id), QDate::currentDate().toString(Qt::ISODate));
}

} // namespace VeskGames
