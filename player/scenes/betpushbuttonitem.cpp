#include "betpushbuttonitem.h"

#include "drawutils.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace VeskGames {

namespace {
// The label takes the upper part of the button while an amount is shown.
constexpr qreal kLabelShare = 0.58;
constexpr qreal kAmountScale = 0.8;
constexpr qreal kMargin = 6;
} // namespace

class BetPushButtonItem::Private
{
public:
    QString text;
    QFont font;
    QPainterPath path;
};

BetPushButtonItem::BetPushButtonItem(QGraphicsItem* parent)
    : PushButtonItem(parent), d(std::make_unique<Private>())
{
    updateAmountPath();
}

BetPushButtonItem::~BetPushButtonItem() = default;

void BetPushButtonItem::setAmountText(const QString& text)
{
    if (text == d->text)
        return;
    d->text = text;
    updateAmountPath();
    update();
}

QString BetPushButtonItem::amountText() const
{
    return d->text;
}

QFont BetPushButtonItem::amountFont() const
{
    return d->font;
}

QRectF BetPushButtonItem::textArea() const
{
    if (d->text.isEmpty())
        return PushButtonItem::textArea();
    QRectF area = rect();
    area.setHeight(area.height() * kLabelShare);
    return area;
}

QRectF BetPushButtonItem::amountArea() const
{
    QRectF area = rect();
    area.setTop(area.top() + area.height() * kLabelShare);
    return area;
}

void BetPushButtonItem::updateAmountPath()
{
    // Themes size their fonts in pixels, others in points: keep the unit.
    const bool pixels = font().pixelSize() > 0;
    qreal size = (pixels ? font().pixelSize() : font().pointSizeF()) * kAmountScale;
    const auto apply = [this, pixels](qreal s) {
        if (pixels)
            d->font.setPixelSize(qMax(1, qRound(s)));
        else
            d->font.setPointSizeF(qMax<qreal>(1, s));
    };
    d->font = font();
    apply(size);
    d->path = QPainterPath();
    if (d->text.isEmpty())
        return;
    // Long amounts shrink until they fit, never below a readable size.
    const qreal room = qMax<qreal>(1, this->size().width() - 2 * kMargin);
    const qreal smallest = pixels ? 8 : 6;
    while (size > smallest && QFontMetricsF(d->font).horizontalAdvance(d->text) > room) {
        size -= pixels ? 1 : 0.5;
        apply(size);
    }
    d->path = DrawUtils::makePath(d->font, d->text);
}

void BetPushButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    PushButtonItem::paint(painter, option, widget);
    if (d->path.isEmpty())
        return;
    QPointF at = amountArea().center() - d->path.boundingRect().center();
    if (isPressed())
        at += QPointF(1, 1);
    painter->save();
    if (!isEnabled())
        painter->setOpacity(0.5);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(at);
    painter->setPen(textPen());
    painter->setBrush(textBrush());
    DrawUtils::drawOutlinePath(painter, d->path);
    painter->restore();
}

void BetPushButtonItem::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    PushButtonItem::resizeEvent(event);
    updateAmountPath();
}

void BetPushButtonItem::changeEvent(QEvent* event)
{
    PushButtonItem::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateAmountPath();
}

} // namespace VeskGames
