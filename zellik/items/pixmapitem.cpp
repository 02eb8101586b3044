#include "pixmapitem.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>

namespace VeskGames {

class PixmapItem::Private
{
public:
    QPixmap pixmap;
};

PixmapItem::PixmapItem(QGraphicsItem* parent) : QGraphicsWidget(parent), d(std::make_unique<Private>()) {}

PixmapItem::PixmapItem(const QPixmap& pixmap, QGraphicsItem* parent) : PixmapItem(parent)
{
    setPixmap(pixmap);
}

PixmapItem::~PixmapItem() = default;

void PixmapItem::setPixmap(const QPixmap& pixmap)
{
    d->pixmap = pixmap;
    updateGeometry();
    update();
}

QPixmap PixmapItem::pixmap() const
{
    return d->pixmap;
}

void PixmapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (d->pixmap.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(rect(), d->pixmap, QRectF(d->pixmap.rect()));
}

QSizeF PixmapItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::PreferredSize && !d->pixmap.isNull())
        return d->pixmap.deviceIndependentSize();
    return QGraphicsWidget::sizeHint(which, constraint);
}

GlowingPixmapItem::GlowingPixmapItem(QGraphicsItem* parent) : PixmapItem(parent) {}

GlowingPixmapItem::~GlowingPixmapItem() = default;

void GlowingPixmapItem::setPlacement(const QPointF& position, const QSizeF& size)
{
    setGeometry(QRectF(position, size));
}

void GlowingPixmapItem::setGlowing(bool glowing, const QColor& colour)
{
    if (!glowing) {
        setGraphicsEffect(nullptr);
        return;
    }
    auto* glow = new QGraphicsDropShadowEffect;
    glow->setOffset(0, 0);
    glow->setBlurRadius(18);
    glow->setColor(colour);
    setGraphicsEffect(glow); // takes it over
}

bool GlowingPixmapItem::isGlowing() const
{
    return graphicsEffect() != nullptr;
}

} // namespace VeskGames
