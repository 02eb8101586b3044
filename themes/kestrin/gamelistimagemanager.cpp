#include "gamelistimagemanager.h"

#include "servercommand.h"

#include <QCoreApplication>
#include <QPointer>

namespace VeskGames {

namespace {

const char kImageIdProperty[] = "imageId";
QPointer<GameListImageManager> s_instance;

} // namespace

GameListImageManager::GameListImageManager(QObject* parent, const QString& home)
    : AbstractImageManager(QStringLiteral("gamelistimages"), parent, home)
{}

GameListImageManager::~GameListImageManager() = default;

GameListImageManager* GameListImageManager::instance()
{
    if (!s_instance)
        s_instance = new GameListImageManager(QCoreApplication::instance());
    return s_instance;
}

void GameListImageManager::update()
{
    if (!client())
        return;
    auto* command = new ServerCommand(client(), QStringLiteral("getImageList"), this);
    connect(command, &Command::done, this, &GameListImageManager::slotGetImageListDone);
    command->exec();
}

void GameListImageManager::slotGetImageListDone(Command* command)
{
    takeImageList(command);
}

void GameListImageManager::requestImage(int id)
{
    if (ServerCommand* command = askForImage(QStringLiteral("getImage"), id, kImageIdProperty)) {
        connect(command, &Command::done, this, &GameListImageManager::slotGetImageDone);
        command->exec();
    }
}

void GameListImageManager::slotGetImageDone(Command* command)
{
    takeImage(command, kImageIdProperty);
}

} // namespace VeskGames
