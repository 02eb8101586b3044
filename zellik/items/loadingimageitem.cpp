#include "loadingimageitem.h"

#include "localresources.h"

namespace VeskGames {

LoadingImageItem::LoadingImageItem(QGraphicsItem* parent) : AnimatedImageItem(parent)
{
    QList<QImage> frames;
    for (int i = 1; i <= FrameCount; ++i) {
        const QString path = LocalResources::resourcePath(QStringLiteral("/progress/p00%1.png").arg(i),
                                                          QMetaType::fromType<QString>());
        QImage frame(path);
        if (frame.isNull())
            continue;
        // A sharp copy beside it suits high-density screens.
        const QString sharp = QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        QImage better(sharp);
        if (!better.isNull()) {
            better.setDevicePixelRatio(2);
            frame = better;
        }
        frames.append(frame);
    }
    setImages(frames);
    setInterval(FrameMs);
}

LoadingImageItem::~LoadingImageItem() = default;

} // namespace VeskGames
