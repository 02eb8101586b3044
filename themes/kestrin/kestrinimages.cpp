#include "kestrinimages.h"

#include "localresources.h"

#include <QPainter>

namespace VeskGames {

QImage KestrinImages::image(const QString& name, const QSizeF& logical)
{
    const QString path = LocalResources::resourcePath(name, QMetaType::fromType<QString>());
    QImage picture = path.isEmpty() ? QImage() : QImage(path);
    if (!picture.isNull() && logical.width() > 0)
        picture.setDevicePixelRatio(qMax<qreal>(1, picture.width() / logical.width()));
    return picture;
}

QImage KestrinImages::darker(const QImage& image)
{
    if (image.isNull())
        return image;
    QImage pressed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&pressed);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(QRectF(QPointF(0, 0), pressed.deviceIndependentSize()), QColor(0, 0, 0, 60));
    return pressed;
}

} // namespace VeskGames
