#include "amountpushbuttonitem.h"

#include <QPainter>

namespace VeskGames {

namespace {
constexpr qreal kMargin = 4;
} // namespace

class AmountPushButtonItem::Private
{
public:
    QImage amount;
};

AmountPushButtonItem::AmountPushButtonItem(QGraphicsItem* parent)
    : PushButtonItem(parent), d(std::make_unique<Private>())
{}

AmountPushButtonItem::~AmountPushButtonItem() = default;

void AmountPushButtonItem::setAmountImage(const QImage& image)
{
    d->amount = image;
    update();
}

QImage AmountPushButtonItem::amountImage() const
{
    return d->amount;
}

QRectF AmountPushButtonItem::imageRect() const
{
    if (d->amount.isNull())
        return QRectF();
    // As tall as the button allows, keeping the picture's shape.
    const QSizeF own = QSizeF(d->amount.size()) / d->amount.devicePixelRatio();
    const qreal height = qMin(own.height(), rect().height() - 2 * kMargin);
    const qreal width = own.height() > 0 ? own.width() * height / own.height() : 0;
    return QRectF(kMargin, (rect().height() - height) / 2, width, height);
}

QRectF AmountPushButtonItem::textArea() const
{
    const QRectF image = imageRect();
    return image.isNull() ? rect() : rect().adjusted(image.right(), 0, 0, 0);
}

void AmountPushButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    PushButtonItem::paint(painter, option, widget);
    if (d->amount.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF image = imageRect();
    if (isPressed())
        image.translate(1, 1);
    painter->drawImage(image, d->amount);
}

} // namespace VeskGames
