#include "avatarmanager.h"

#include "servercommand.h"

#include <QCoreApplication>
#include <QPointer>

namespace VeskGames {

namespace {

const char kAvatarIdProperty[] = "avatarId";
QPointer<AvatarManager> s_instance;

} // namespace

AvatarManager::AvatarManager(QObject* parent, const QString& home)
    : AbstractImageManager(QStringLiteral("avatars"), parent, home)
{}

AvatarManager::~AvatarManager() = default;

AvatarManager* AvatarManager::instance()
{
    if (!s_instance) {
        // The application object owns it, so it goes (and ages the cache) at the end.
        s_instance = new AvatarManager(QCoreApplication::instance());
    }
    return s_instance;
}

void AvatarManager::update()
{
    if (!client())
        return;
    auto* command = new ServerCommand(client(), QStringLiteral("getAvatarList"), this);
    connect(command, &Command::done, this, &AvatarManager::slotGetAvatarListDone);
    command->exec();
}

QList<int> AvatarManager::avatarIds() const
{
    return imageIds();
}

QImage AvatarManager::avatarImage(int id)
{
    return image(id);
}

QString AvatarManager::avatarName(int id) const
{
    return imageName(id);
}

void AvatarManager::slotGetAvatarListDone(Command* command)
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

void AvatarManager::requestImage(int id)
{
    if (!client() || id <= 0)
        return;
    auto* command = new ServerCommand(client(), {id}, QStringLiteral("getAvatar"), this);
    command->setProperty(kAvatarIdProperty, id);
    connect(command, &Command::done, this, &AvatarManager::slotGetAvatarDone);
    command->exec();
}

void AvatarManager::slotGetAvatarDone(Command* command)
{
    command->deleteLater();
    auto* server = qobject_cast<ServerCommand*>(command);
    const int id = command->property(kAvatarIdProperty).toInt();
    if (!server || server->hasError() || id <= 0)
        return;
    const QByteArray data = server->result().toMap().value(QStringLiteral("image")).toByteArray();
    if (addImageDataToCache(id, data))
        Q_EMIT imageChanged(id);
}

} // namespace VeskGames
