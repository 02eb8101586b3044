#ifndef VESKGAMES_WEBKITBRIDGE_H
#define VESKGAMES_WEBKITBRIDGE_H

#include <QObject>

#include <memory>

namespace VeskGames {

class AbstractImageManager;

/// What the theme's own pages see of the program, as the object "player":
/// the local player's avatar and word when it changes. Nothing else is
/// published, so keep every other member out of the meta-object.
class WebkitBridge : public QObject
{
    Q_OBJECT
    /// The avatar as a "data:image/png;base64," address, empty while unknown.
    Q_PROPERTY(QString selfAvatar READ selfAvatar NOTIFY avatarChanged)

public:
    /// \a images is the avatar cache, \a avatarId the player's own avatar.
    WebkitBridge(AbstractImageManager* images, int avatarId, QObject* parent = nullptr);
    ~WebkitBridge() override;

    QString selfAvatar() const;
    int avatarId() const;
    void setAvatarId(int id);

    /// The cache's report of a new picture; only the player's own counts.
    /// Not a slot: a page could call a slot.
    void slotAvatarChanged(int id);

Q_SIGNALS:
    void avatarChanged();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
