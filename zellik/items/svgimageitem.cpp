#include "svgimageitem.h"

#include "svgimageitem_p.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

namespace VeskGames {

namespace {

bool sameLength(qreal a, qreal b)
{
    return qFuzzyIsNull(a - b) || qFuzzyCompare(a, b);
}

} // namespace

SvgImageItem::SvgImageItem(QGraphicsItem* parent) : SvgImageItem(std::make_unique<Private>(), parent) {}

SvgImageItem::SvgImageItem(std::unique_ptr<Private> dd, QGraphicsItem* parent)
    : QGraphicsItem(parent), d(std::move(dd))
{}

SvgImageItem::~SvgImageItem() = default;

void SvgImageItem::setElementId(const QString& id)
{
    if (id == d->elementId && id.isNull() == d->elementId.isNull())
        return;
    d->elementId = id;
    d->pixmap = QPixmap();
    update();
}

QString SvgImageItem::elementId() const
{
    return d->elementId;
}

void SvgImageItem::setSize(const QSizeF& size)
{
    if (sameLength(size.width(), d->size.width()) && sameLength(size.height(), d->size.height()))
        return;
    prepareGeometryChange();
    d->size = size;
    d->pixmap = QPixmap();
    update();
}

QSizeF SvgImageItem::size() const
{
    return d->size;
}

QPixmap SvgImageItem::pixmap() const
{
    return d->pixmap;
}

QRectF SvgImageItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), d->size);
}

QSize SvgImageItem::deviceSize(const QRectF& rect, const QTransform& transform)
{
    if (rect.width() < 0 || rect.height() < 0)
        return QSize(-1, -1);
    // Mapping the rectangle would give its bounding box, which for a turned
    // item is neither the width nor the height of the picture it needs.
    const qreal sx = std::hypot(transform.m11(), transform.m12());
    const qreal sy = std::hypot(transform.m21(), transform.m22());
    return QSize(qRound(rect.width() * sx), qRound(rect.height() * sy));
}

void SvgImageItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF rect = boundingRect();
    if (option && !option->exposedRect.isEmpty() && !option->exposedRect.contains(rect))
        painter->setClipRect(option->exposedRect, Qt::IntersectClip);

    // The device transform carries the view's zoom, every ancestor's transform
    // and the screen's device pixel ratio.
    const QTransform transform = painter->deviceTransform();
    const QSize device = deviceSize(rect, transform);
    if (!device.isValid()) {
        d->pixmap = QPixmap();
        return;
    }
    if ((d->pixmap.isNull() || d->pixmap.size() != device) && !d->elementId.isNull() && !device.isEmpty()) {
        d->painting = true;
        emit renderImage(this, device, d->elementId);
        d->painting = false;
    }
    if (d->pixmap.isNull())
        return;
    const bool stretched = d->pixmap.size() != device;
    QRectF target = rect;
    if (!stretched) {
        // Exactly the picture's pixels, so it is copied one to one rather than
        // resampled by the fraction of a pixel that rounding left over.
        const qreal sx = std::hypot(transform.m11(), transform.m12());
        const qreal sy = std::hypot(transform.m21(), transform.m22());
        target.setSize(QSizeF(device.width() / sx, device.height() / sy));
    }
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    // Only a stand-in being stretched is worth smoothing.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, stretched);
    painter->drawPixmap(target, d->pixmap, QRectF(d->pixmap.rect()));
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void SvgImageItem::setImage(const QImage& img, const QString& id)
{
    if (id != d->elementId || id.isNull() != d->elementId.isNull())
        return;
    d->pixmap = QPixmap::fromImage(img);
    if (!d->painting)
        update();
}

void SvgImageItem::preRender() {}

} // namespace VeskGames
