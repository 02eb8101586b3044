#ifndef VESKGAMES_GAMELISTIMAGEMANAGER_H
#define VESKGAMES_GAMELISTIMAGEMANAGER_H

#include "abstractimagemanager.h"

namespace VeskGames {

class Command;

/// The lobby tiles' pictures: fetched from the server once, kept on disk.
class GameListImageManager : public AbstractImageManager
{
    Q_OBJECT

public:
    /// Made on first use, gone when the application ends.
    static GameListImageManager* instance();
    /// Asks the server for its picture list and fetches what is not yet kept.
    void update();

public Q_SLOTS:
    void slotGetImageListDone(VeskGames::Command* command);
    void slotGetImageDone(VeskGames::Command* command);

protected:
    explicit GameListImageManager(QObject* parent = nullptr, const QString& home = QString());
    ~GameListImageManager() override;
    void requestImage(int id) override;

    friend class TestKestrin;
};

} // namespace VeskGames

#endif
