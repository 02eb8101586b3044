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
    d->font = font();
    d->font.setPointSizeF(qMax<qreal>(1, font().pointSizeF() * kAmountScale));
    d->path = QPainterPath();
    if (d->text.isEmpty())
        return;
    // Long amounts shrink until they fit, never below a readable size.
    const qreal room = qMax<qreal>(1, size().width() - 2 * kMargin);
    while (d->font.pointSizeF() > 6 && QFontMetricsF(d->font).horizontalAdvance(d->text) > room)
        d->font.setPointSizeF(d->font.pointSizeF() - 0.5);
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
