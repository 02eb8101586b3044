#include "chippushbutton.h"

#include "svgimageitem.h"
#include "svgimagerenderer.h"

#include <QGraphicsSceneMouseEvent>

namespace VeskGames {

namespace {
// How far the chip sinks while pressed, in scene units.
constexpr QPointF kPressedOffset(2, 3);
} // namespace

class ChipPushButton::Private
{
public:
    SvgImageItem* chip = nullptr;
    bool pressed = false;
};

ChipPushButton::ChipPushButton(SvgImageRenderer* renderer, QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    d->chip = new SvgImageItem(this);
    if (renderer)
        connect(d->chip, &SvgImageItem::renderImage, renderer, &SvgImageRenderer::renderImage);
    layoutChip();
}

ChipPushButton::~ChipPushButton() = default;

void ChipPushButton::setElementId(const QString& id)
{
    d->chip->setElementId(id);
}

QString ChipPushButton::elementId() const
{
    return d->chip->elementId();
}

SvgImageItem* ChipPushButton::chipItem() const
{
    return d->chip;
}

bool ChipPushButton::isPressed() const
{
    return d->pressed;
}

void ChipPushButton::layoutChip()
{
    // Room is left for the pressed offset so the sunk chip stays inside.
    const QRectF r = geometry();
    const qreal side = qMax<qreal>(0, qMin(r.width() - 4, r.height() - 6));
    d->chip->setSize(QSizeF(side, side));
    QPointF pos(r.center().x() - side / 2 - r.left(), 0);
    if (d->pressed)
        pos += kPressedOffset;
    d->chip->setPos(pos);
}

void ChipPushButton::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    QGraphicsWidget::resizeEvent(event);
    layoutChip();
}

void ChipPushButton::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    d->pressed = true;
    layoutChip();
    event->accept();
}

void ChipPushButton::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    const bool wasPressed = d->pressed;
    const bool onChip = d->chip->shape().contains(d->chip->mapFromScene(event->scenePos()));
    d->pressed = false;
    layoutChip();
    event->accept();
    // Emitted last: a receiver may hide or delete the button.
    if (wasPressed && onChip)
        emit clicked();
}

} // namespace VeskGames
