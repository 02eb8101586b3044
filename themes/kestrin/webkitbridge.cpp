#include "webkitbridge.h"

#include "abstractimagemanager.h"

#include <QBuffer>
#include <QImage>
#include <QPointer>

namespace VeskGames {

class WebkitBridge::Private
{
public:
    QPointer<AbstractImageManager> images;
    int avatarId = -1;
    mutable QString selfAvatar; // encoded once per picture
    mutable bool encoded = false;
};

WebkitBridge::WebkitBridge(AbstractImageManager* images, int avatarId, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->images = images;
    d->avatarId = avatarId;
    if (images)
        connect(images, &AbstractImageManager::imageChanged, this, [this](int id) { slotAvatarChanged(id); });
}

WebkitBridge::~WebkitBridge() = default;

QString WebkitBridge::selfAvatar() const
{
    if (d->encoded)
        return d->selfAvatar;
    d->selfAvatar.clear();
    const QImage image = d->images && d->avatarId >= 0 ? d->images->image(d->avatarId) : QImage();
    if (!image.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.save(&buffer, "PNG"))
            d->selfAvatar = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
    }
    // Only a picture is final: without one, the cache may still be fetching it.
    d->encoded = !d->selfAvatar.isEmpty();
    return d->selfAvatar;
}

int WebkitBridge::avatarId() const
{
    return d->avatarId;
}

void WebkitBridge::setAvatarId(int id)
{
    if (id == d->avatarId)
        return;
    d->avatarId = id;
    d->encoded = false;
    Q_EMIT avatarChanged();
}

void WebkitBridge::slotAvatarChanged(int id)
{
    if (id != d->avatarId)
        return;
    d->encoded = false;
    Q_EMIT avatarChanged();
}

} // namespace VeskGames
