#include "textitem.h"

#include "drawutils.h"

#include <QEvent>
#include <QPainter>

namespace VeskGames {

class TextItem::Private
{
public:
    QString text;
    QPen pen{Qt::NoPen};
    QBrush brush{Qt::white};
    QPainterPath path;
    Qt::Alignment alignment = Qt::AlignLeft;
};

TextItem::TextItem(QGraphicsItem* parent) : QGraphicsWidget(parent), d(std::make_unique<Private>()) {}

TextItem::TextItem(const QString& text, QGraphicsItem* parent) : TextItem(parent)
{
    setText(text);
}

TextItem::~TextItem() = default;

void TextItem::setText(const QString& text)
{
    if (d->text == text)
        return;
    d->text = text;
    rebuild();
}

QString TextItem::text() const
{
    return d->text;
}

void TextItem::setPen(const QPen& pen)
{
    d->pen = pen;
    // The outline adds to the size.
    updateGeometry();
    update();
}

QPen TextItem::pen() const
{
    return d->pen;
}

void TextItem::setBrush(const QBrush& brush)
{
    d->brush = brush;
    update();
}

QBrush TextItem::brush() const
{
    return d->brush;
}

void TextItem::setAlignment(Qt::Alignment alignment)
{
    d->alignment = alignment;
    update();
}

Qt::Alignment TextItem::alignment() const
{
    return d->alignment;
}

QPainterPath TextItem::path() const
{
    return d->path;
}

void TextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (d->path.isEmpty())
        return;
    const QRectF bounds = d->path.boundingRect();
    const QRectF area = rect();
    const qreal x = d->alignment == Qt::AlignCenter ? area.center().x() - bounds.center().x()
                                                    : area.left() + penWidth() / 2 - bounds.left();
    const qreal y = area.center().y() - bounds.center().y();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(x, y);
    painter->setPen(d->pen);
    painter->setBrush(d->brush);
    DrawUtils::drawOutlinePath(painter, d->path);
    painter->restore();
}

QSizeF TextItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::MinimumSize || which == Qt::PreferredSize) {
        const qreal pen = penWidth();
        return d->path.boundingRect().size() + QSizeF(pen, pen);
    }
    return QGraphicsWidget::sizeHint(which, constraint);
}

void TextItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        rebuild();
    QGraphicsWidget::changeEvent(event);
}

void TextItem::rebuild()
{
    d->path = DrawUtils::makePath(font(), d->text);
    updateGeometry();
    update();
}

qreal TextItem::penWidth() const
{
    return d->pen.style() == Qt::NoPen ? 0 : d->pen.widthF();
}

} // namespace VeskGames
