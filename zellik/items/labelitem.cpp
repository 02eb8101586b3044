#include "labelitem.h"

#include "abstracttheme.h"
#include "drawutils.h"

#include <QPainter>
#include <QWidget>

namespace VeskGames {

class LabelItem::Private
{
public:
    QString text;
    QPen pen{Qt::NoPen};
    QBrush brush{Qt::white};
    Qt::Alignment alignment = Qt::AlignCenter;
    bool outlined = false;
    qreal fixedHeight = 0;
    ThemeFlags themeFlags = ThemeFont | ThemePen | ThemeBrush;
    QPainterPath path;
};

LabelItem::LabelItem(QGraphicsItem* parent) : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

LabelItem::LabelItem(const QString& text, QGraphicsItem* parent) : LabelItem(parent)
{
    setText(text);
}

LabelItem::~LabelItem() = default;

void LabelItem::setText(const QString& text)
{
    if (d->text == text)
        return;
    d->text = text;
    rebuild();
}

QString LabelItem::text() const
{
    return d->text;
}

void LabelItem::setPen(const QPen& pen)
{
    prepareGeometryChange();
    d->pen = pen;
    update();
}

QPen LabelItem::pen() const
{
    return d->pen;
}

void LabelItem::setBrush(const QBrush& brush)
{
    d->brush = brush;
    update();
}

QBrush LabelItem::brush() const
{
    return d->brush;
}

void LabelItem::setAlignment(Qt::Alignment alignment)
{
    prepareGeometryChange();
    d->alignment = alignment;
    rebuild();
}

Qt::Alignment LabelItem::alignment() const
{
    return d->alignment;
}

void LabelItem::setOutlinedText(bool outlined)
{
    d->outlined = outlined;
    update();
}

void LabelItem::setFixedHeight(qreal height)
{
    d->fixedHeight = height;
    updateGeometry();
}

void LabelItem::setTheme(AbstractTheme* theme)
{
    if (!theme)
        return;
    if (d->themeFlags & ThemeFont)
        setFont(theme->font(AbstractTheme::Font0));
    if (d->themeFlags & ThemePen)
        setPen(theme->pen(AbstractTheme::Pen0));
    if (d->themeFlags & ThemeBrush)
        setBrush(theme->brush(AbstractTheme::Brush0));
}

void LabelItem::setThemeFlags(ThemeFlags flags)
{
    d->themeFlags = flags;
}

QPointF LabelItem::textOffset() const
{
    const QRectF bounds = d->path.boundingRect();
    const QRectF area = rect();
    qreal x = area.center().x() - bounds.center().x();
    if (d->alignment & Qt::AlignLeft)
        x = area.left() - bounds.left();
    else if (d->alignment & Qt::AlignRight)
        x = area.right() - bounds.right();
    qreal y = area.center().y() - bounds.center().y();
    if (d->alignment & Qt::AlignTop)
        y = area.top() - bounds.top();
    else if (d->alignment & Qt::AlignBottom)
        y = area.bottom() - bounds.bottom();
    return QPointF(x, y);
}

QRectF LabelItem::boundingRect() const
{
    // A label given less room than its text draws past its rectangle; what
    // it draws must be inside what it claims, or a move leaves a copy behind.
    QRectF bounds = QGraphicsWidget::boundingRect();
    if (!d->path.isEmpty()) {
        const qreal margin = (d->pen.style() == Qt::NoPen ? 0 : d->pen.widthF()) + 1;
        bounds |= d->path.boundingRect().translated(textOffset()).adjusted(-margin, -margin, margin, margin);
    }
    return bounds;
}

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (d->path.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(textOffset());
    painter->setPen(d->pen);
    painter->setBrush(d->brush);
    if (d->outlined)
        DrawUtils::drawOutlinePath(painter, d->path);
    else
        painter->fillPath(d->path, d->brush);
    painter->restore();
}

QSizeF LabelItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::MaximumSize)
        return d->fixedHeight > 0 ? QSizeF(QWIDGETSIZE_MAX, d->fixedHeight)
                                  : QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (which == Qt::MinimumSize || which == Qt::PreferredSize) {
        // Room for the outline's pen on either side.
        const qreal margin = d->pen.style() == Qt::NoPen ? 0 : d->pen.widthF();
        const QSizeF text = d->path.boundingRect().size() + QSizeF(2 * margin, 2 * margin);
        const QSizeF hint(which == Qt::MinimumSize ? 0 : text.width(), text.height());
        return d->fixedHeight > 0 ? QSizeF(hint.width(), d->fixedHeight) : hint;
    }
    return QGraphicsWidget::sizeHint(which, constraint);
}

void LabelItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        rebuild();
    QGraphicsWidget::changeEvent(event);
}

void LabelItem::rebuild()
{
    prepareGeometryChange();
    d->path = DrawUtils::makePath(
        font(), d->text, d->alignment & Qt::AlignLeft ? DrawUtils::AlignLeft : DrawUtils::AlignCenter);
    updateGeometry();
    update();
}

} // namespace VeskGames
