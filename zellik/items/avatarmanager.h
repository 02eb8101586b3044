#ifndef VESKGAMES_AVATARMANAGER_H
#define VESKGAMES_AVATARMANAGER_H

#include "abstractimagemanager.h"

namespace VeskGames {

class Command;

/// The players' avatars: one cache per process, filled from the server.
class ZELLIK_EXPORT AvatarManager : public AbstractImageManager
{
    Q_OBJECT

public:
    /// Made on first use, gone when the application ends.
    static AvatarManager* instance();

    /// Asks the server for its avatar list and fetches the pictures not yet kept.
    void update();
    QList<int> avatarIds() const;
    QImage avatarImage(int id);
    QString avatarName(int id) const;

public Q_SLOTS:
    void slotGetAvatarListDone(VeskGames::Command* command);
    void slotGetAvatarDone(VeskGames::Command* command);

protected:
    explicit AvatarManager(QObject* parent = nullptr, const QString& home = QString());
    ~AvatarManager() override;
    void requestImage(int id) override;
};

} // namespace VeskGames

#endif
