#include "stackitem.h"

#include "abstracttheme.h"
#include "chippile.h"
#include "drawutils.h"
#include "painterpathitem.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"
#include "textutils.h"

#include <QPointer>

namespace VeskGames {

namespace {
// Between the chips and the text beside them.
constexpr qreal kTextGap = 5;
// From the middle of the bottom chips to the middle of a text above or below.
constexpr qreal kTextOffset = 40;
} // namespace

class StackItem::Private
{
public:
    QPointer<SvgImageRenderer> renderer;
    AbstractTheme* theme = nullptr;
    QList<SvgImageItem*> chips;
    double value = 0;
    PainterPathItem* valueText = nullptr;
    Qt::Alignment textAlignment = Qt::AlignRight;
    QList<int> layout{0, 0, 0, 0};
    bool showValue = false;
    int columns = 0;
};

StackItem::StackItem(SvgImageRenderer* renderer, QGraphicsItem* parent)
    : QGraphicsItem(parent), d(std::make_unique<Private>())
{
    setFlag(ItemHasNoContents);
    d->renderer = renderer;
    d->valueText = new PainterPathItem(this);
    d->valueText->setTrueOutline(true);
    d->valueText->hide();
}

StackItem::~StackItem() = default;

void StackItem::setValue(double value)
{
    if (qFuzzyCompare(value, d->value))
        return;
    d->value = value;
    redraw();
}

double StackItem::value() const
{
    return d->value;
}

void StackItem::setTheme(AbstractTheme* theme)
{
    d->theme = theme;
    if (theme) {
        d->valueText->setPen(theme->pen(AbstractTheme::Pen11));
        d->valueText->setBrush(theme->brush(AbstractTheme::Brush14));
    }
    redraw();
}

AbstractTheme* StackItem::theme() const
{
    return d->theme;
}

void StackItem::setShowValue(bool show)
{
    d->showValue = show;
    redraw();
}

bool StackItem::showValue() const
{
    return d->showValue;
}

void StackItem::setValueTextAlignment(Qt::Alignment alignment)
{
    d->textAlignment = alignment;
    redraw();
}

Qt::Alignment StackItem::valueTextAlignment() const
{
    return d->textAlignment;
}

void StackItem::setLayout(const QList<int>& layout)
{
    d->layout = layout;
    redraw();
}

QList<int> StackItem::layout() const
{
    return d->layout;
}

int StackItem::columnCount() const
{
    return d->columns;
}

int StackItem::chipCount() const
{
    return int(d->chips.size());
}

QList<SvgImageItem*> StackItem::chipItems() const
{
    return d->chips;
}

PainterPathItem* StackItem::valueTextItem() const
{
    return d->valueText;
}

QRectF StackItem::boundingRect() const
{
    return childrenBoundingRect();
}

void StackItem::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) {}

QVariant StackItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    // A text hidden while the stack was hidden must come back with it.
    if (change == ItemVisibleHasChanged && d)
        refreshTextVisibility();
    return QGraphicsItem::itemChange(change, value);
}

void StackItem::redraw()
{
    prepareGeometryChange();
    d->columns = ChipPile::build(d->chips, d->value, d->theme, d->renderer, this);
    if (d->columns == 0 || !d->theme) {
        d->valueText->setPath(QPainterPath());
        refreshTextVisibility();
        return;
    }

    const QPainterPath path =
        DrawUtils::makePath(d->theme->font(AbstractTheme::Font7), TextUtils::doubleToString(d->value));
    d->valueText->setPath(path);
    const QRectF text = path.boundingRect();
    const qreal pileWidth = (d->columns - 1) * ChipPile::ColumnStep + ChipPile::ChipSize;
    const qreal middle = ChipPile::ChipSize / 2.0;
    QPointF centre; // where the middle of the text goes
    if (d->textAlignment & Qt::AlignLeft)
        centre = QPointF(-kTextGap - text.width() / 2, middle);
    else if (d->textAlignment & Qt::AlignTop)
        centre = QPointF(pileWidth / 2, middle - kTextOffset);
    else if (d->textAlignment & Qt::AlignBottom)
        centre = QPointF(pileWidth / 2, middle + kTextOffset);
    else
        centre = QPointF(pileWidth + kTextGap + text.width() / 2, middle);
    d->valueText->setPos(centre - text.center());

    const int shift = d->columns < 3 ? d->layout.value(d->columns) : 0;
    if (shift != 0) {
        const QPointF by(shift * ChipPile::ColumnStep, 0);
        for (SvgImageItem* chip : std::as_const(d->chips))
            chip->setPos(chip->pos() + by);
        d->valueText->setPos(d->valueText->pos() + by);
    }
    refreshTextVisibility();
}

void StackItem::refreshTextVisibility()
{
    d->valueText->setVisible(d->columns > 0 && d->showValue && isVisible());
}

} // namespace VeskGames
