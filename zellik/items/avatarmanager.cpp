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
    takeImageList(command);
}

void AvatarManager::requestImage(int id)
{
    if (ServerCommand* command = askForImage(QStringLiteral("getAvatar"), id, kAvatarIdProperty)) {
        connect(command, &Command::done, this, &AvatarManager::slotGetAvatarDone);
        command->exec();
    }
}

void AvatarManager::slotGetAvatarDone(Command* command)
{
    takeImage(command, kAvatarIdProperty);
}

} // namespace VeskGames
