#include "pot.h"

#include "abstracttheme.h"
#include "chippile.h"
#include "drawutils.h"
#include "painterpathitem.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"
#include "textutils.h"

#include <QFontMetricsF>
#include <QPointer>

namespace VeskGames {

namespace {
// Between the chips, the title, the amount and the total.
constexpr qreal kGap = 5;
// Pending bets below this are rounding noise.
constexpr double kNoBets = 0.000001;
} // namespace

class Pot::Private
{
public:
    QString title;
    double value = 0;
    double pendingBets = 0;
    double chipValue = 0;
    int columns = 0;
    bool showChips = true;
    PainterPathItem* titleText = nullptr;
    PainterPathItem* amountText = nullptr;
    PainterPathItem* totalText = nullptr;
    AbstractTheme* theme = nullptr;
    QPointer<SvgImageRenderer> renderer;
    QList<SvgImageItem*> chips;
    Pot* mirror = nullptr;
    // Two pots mirroring each other must not update each other forever.
    bool updating = false;
};

Pot::Pot(SvgImageRenderer* renderer, QGraphicsItem* parent)
    : QGraphicsItem(parent), d(std::make_unique<Private>())
{
    setFlag(ItemHasNoContents);
    d->renderer = renderer;
    for (PainterPathItem** text : {&d->titleText, &d->amountText, &d->totalText}) {
        *text = new PainterPathItem(this);
        (*text)->setTrueOutline(true);
    }
}

Pot::~Pot() = default;

void Pot::setValue(double value, bool redraw)
{
    d->value = value;
    d->chipValue = value;
    if (redraw)
        update();
}

double Pot::value() const
{
    return d->value;
}

void Pot::setChipValue(double value, bool redraw)
{
    d->chipValue = value;
    if (redraw)
        update();
}

double Pot::chipValue() const
{
    return d->chipValue;
}

void Pot::setPendingBets(double bets, bool redraw)
{
    d->pendingBets = bets;
    if (redraw)
        update();
}

double Pot::pendingBets() const
{
    return d->pendingBets;
}

void Pot::setTitle(const QString& title)
{
    d->title = title;
    update(); // hands the title on to the mirror
}

QString Pot::title() const
{
    return d->title;
}

void Pot::setTheme(AbstractTheme* theme)
{
    d->theme = theme;
    if (theme) {
        d->showChips = theme->itemBoolean(AbstractTheme::BooleanShowChips);
        d->titleText->setPen(theme->pen(AbstractTheme::Pen8));
        d->titleText->setBrush(theme->brush(AbstractTheme::Brush9));
        for (PainterPathItem* text : {d->amountText, d->totalText}) {
            text->setPen(theme->pen(AbstractTheme::Pen9));
            text->setBrush(theme->brush(AbstractTheme::Brush10));
        }
    }
    update();
}

AbstractTheme* Pot::theme() const
{
    return d->theme;
}

void Pot::setMirror(Pot* mirror)
{
    d->mirror = mirror == this ? nullptr : mirror;
    if (d->mirror)
        d->mirror->setTitle(d->title);
}

Pot* Pot::mirror() const
{
    return d->mirror;
}

void Pot::update()
{
    if (d->updating)
        return;
    d->updating = true;
    prepareGeometryChange();

    d->columns = ChipPile::build(d->chips, d->showChips ? d->chipValue : 0, d->theme, d->renderer, this);
    // The last column ends at the origin, where the texts begin.
    const qreal width = d->columns > 0 ? (d->columns - 1) * ChipPile::ColumnStep + ChipPile::ChipSize : 0;
    for (SvgImageItem* chip : std::as_const(d->chips))
        chip->setPos(chip->pos() - QPointF(width, 0));

    if (d->theme) {
        const QFont& titleFont = d->theme->font(AbstractTheme::Font10);
        const QFont& amountFont = d->theme->font(AbstractTheme::Font11);
        d->titleText->setPath(DrawUtils::makePath(titleFont, d->title));
        d->amountText->setPath(DrawUtils::makePath(amountFont, TextUtils::doubleToString(d->value)));
        d->totalText->setPath(
            d->pendingBets > kNoBets
                ? DrawUtils::makePath(amountFont, QStringLiteral("(%1)").arg(
                                                      TextUtils::doubleToString(d->value + d->pendingBets)))
                : QPainterPath());
        // One baseline for all three, the amount's digits centred on the bottom chips.
        const qreal baseline = ChipPile::ChipSize / 2.0 + QFontMetricsF(amountFont).capHeight() / 2;
        qreal x = kGap;
        for (PainterPathItem* text : {d->titleText, d->amountText, d->totalText}) {
            const QRectF bounds = text->path().boundingRect();
            if (bounds.isEmpty()) {
                text->hide();
                continue;
            }
            text->setPos(x - bounds.left(), baseline);
            text->show();
            x += bounds.width() + kGap;
        }
    } else {
        for (PainterPathItem* text : {d->titleText, d->amountText, d->totalText})
            text->hide();
    }

    if (d->mirror) {
        d->mirror->d->title = d->title;
        d->mirror->d->value = d->value;
        d->mirror->d->chipValue = d->chipValue;
        d->mirror->d->pendingBets = d->pendingBets;
        d->mirror->update();
    }
    d->updating = false;
}

void Pot::show()
{
    if (!isVisible())
        QGraphicsItem::show();
}

int Pot::columnCount() const
{
    return d->columns;
}

qreal Pot::chipsWidth() const
{
    return d->columns * ChipPile::ChipSize;
}

QList<SvgImageItem*> Pot::chipItems() const
{
    return d->chips;
}

PainterPathItem* Pot::titleItem() const
{
    return d->titleText;
}

PainterPathItem* Pot::amountItem() const
{
    return d->amountText;
}

PainterPathItem* Pot::totalItem() const
{
    return d->totalText;
}

QRectF Pot::boundingRect() const
{
    return childrenBoundingRect();
}

void Pot::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) {}

} // namespace VeskGames
