#include "animatedimageitem.h"

#include <QPainter>
#include <QTimer>

namespace VeskGames {

class AnimatedImageItem::Private
{
public:
    QList<QImage> images;
    int frame = 0;
    QTimer timer;
};

AnimatedImageItem::AnimatedImageItem(QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    d->timer.setInterval(100);
    connect(&d->timer, &QTimer::timeout, this, [this] {
        if (d->images.isEmpty())
            return;
        d->frame = (d->frame + 1) % int(d->images.size());
        update();
    });
}

AnimatedImageItem::~AnimatedImageItem() = default;

void AnimatedImageItem::setImages(const QList<QImage>& images)
{
    d->images = images;
    d->frame = 0;
    updateGeometry();
    updateRunning();
    update();
}

QList<QImage> AnimatedImageItem::images() const
{
    return d->images;
}

void AnimatedImageItem::setInterval(int ms)
{
    d->timer.setInterval(ms);
}

int AnimatedImageItem::interval() const
{
    return d->timer.interval();
}

int AnimatedImageItem::currentFrame() const
{
    return d->frame;
}

bool AnimatedImageItem::isRunning() const
{
    return d->timer.isActive();
}

void AnimatedImageItem::updateRunning()
{
    // A hidden spinner costs nothing.
    const bool run = isVisible() && d->images.size() > 1;
    if (run && !d->timer.isActive())
        d->timer.start();
    else if (!run)
        d->timer.stop();
}

QVariant AnimatedImageItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    const QVariant result = QGraphicsWidget::itemChange(change, value);
    if (change == ItemVisibleHasChanged || change == ItemSceneHasChanged)
        updateRunning();
    return result;
}

QSizeF AnimatedImageItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::PreferredSize && !d->images.isEmpty())
        return d->images.first().deviceIndependentSize();
    return QGraphicsWidget::sizeHint(which, constraint);
}

void AnimatedImageItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (d->images.isEmpty())
        return;
    const QImage& image = d->images.at(d->frame);
    const QSizeF size = image.deviceIndependentSize();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(QRectF(rect().center() - QPointF(size.width(), size.height()) / 2, size), image);
}

} // namespace VeskGames
