#include "holecardsitem.h"

#include "carditem.h"
#include "svgimagerenderer.h"

#include <QGraphicsSceneMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace VeskGames {

namespace {
// Where a press or release (rather than a drag) lifts the faces to.
constexpr qreal kRaisedY = 75;
// A dragged face stays this far below the pointer.
constexpr qreal kDragGap = 50;
// The drag lifts the faces only above this share of the row's bottom.
constexpr qreal kDragStart = 0.9;
// The peeked faces always cover every back.
constexpr qreal kPeekZ = 10;
} // namespace

class HoleCardsItem::Private
{
public:
    QPointer<SvgImageRenderer> renderer;
    QList<CardItem*> row;
    QList<CardItem*> peek;
    QVector<Card> cards;
    QTimer timer;
    QPointF offset{41, 0};
    bool raised = false;
    bool multihead = false;
    bool singleTouch = false;
    bool showHoleCards = true;
    bool alwaysHideCards = true;
    /// The player said which way: that holds over the game's own default.
    bool showChosen = false;
    bool folded = false;
};

HoleCardsItem::HoleCardsItem(SvgImageRenderer* cards, QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    d->renderer = cards;
    // The faces waiting below must not show.
    setFlag(ItemClipsChildrenToShape);
    setAcceptedMouseButtons(Qt::LeftButton);
    d->timer.setSingleShot(true);
    d->timer.setInterval(PeekMilliseconds);
    connect(&d->timer, &QTimer::timeout, this, &HoleCardsItem::hideCards);
    setOffset(d->offset);
}

HoleCardsItem::~HoleCardsItem() = default;

void HoleCardsItem::addCard(const Card& card)
{
    d->cards.append(card);
    if (isShownMode())
        rebuild();
    else
        appendItems(card);
    layoutRows();
}

void HoleCardsItem::setRenderer(SvgImageRenderer* cards)
{
    if (cards == d->renderer)
        return;
    d->renderer = cards;
    // Rebuilt, not reconnected: no picture asked of the old deck arrives late.
    if (!d->cards.isEmpty())
        rebuild();
}

void HoleCardsItem::setCards(const QVector<Card>& cards)
{
    clearCards();
    d->cards = cards;
    rebuild();
}

void HoleCardsItem::clearCards()
{
    d->cards.clear();
    d->folded = false;
    rebuild();
}

QVector<Card> HoleCardsItem::cards() const
{
    return d->cards;
}

QPointF HoleCardsItem::offset() const
{
    return d->offset;
}

bool HoleCardsItem::isMultihead() const
{
    return d->multihead;
}

bool HoleCardsItem::isSingleTouch() const
{
    return d->singleTouch;
}

bool HoleCardsItem::alwaysHideCards() const
{
    return d->alwaysHideCards;
}

bool HoleCardsItem::showHoleCards() const
{
    return d->showHoleCards;
}

bool HoleCardsItem::isHoleCardsFolded() const
{
    return d->folded;
}

bool HoleCardsItem::isRaised() const
{
    return d->raised;
}

bool HoleCardsItem::isShownMode() const
{
    return d->showChosen ? d->showHoleCards : d->showHoleCards && !d->alwaysHideCards;
}

QList<CardItem*> HoleCardsItem::rowCardItems() const
{
    return d->row;
}

QList<CardItem*> HoleCardsItem::peekCardItems() const
{
    return d->peek;
}

QList<QPointF> HoleCardsItem::peekCardPositions() const
{
    QList<QPointF> positions;
    for (const CardItem* item : std::as_const(d->peek))
        positions.append(item->pos());
    return positions;
}

qreal HoleCardsItem::restingY() const
{
    return size().height();
}

void HoleCardsItem::setOffset(const QPointF& offset)
{
    d->offset = offset;
    resize(3 * offset.x() + CardWidth, CardHeight);
    layoutRows();
}

void HoleCardsItem::setMultihead(bool multihead)
{
    d->multihead = multihead;
}

void HoleCardsItem::setSingleTouch(bool singleTouch)
{
    d->singleTouch = singleTouch;
}

void HoleCardsItem::setAlwaysHideCards(bool hide)
{
    d->alwaysHideCards = hide;
    if (!d->cards.isEmpty())
        rebuild();
}

void HoleCardsItem::setShowHoleCards(bool show)
{
    d->showHoleCards = show;
    d->showChosen = true;
    if (!d->cards.isEmpty())
        rebuild();
}

void HoleCardsItem::setHoleCardsAsFolded(bool folded)
{
    d->folded = folded;
    for (CardItem* item : std::as_const(d->row))
        item->setFoldedCard(folded);
    for (CardItem* item : std::as_const(d->peek))
        item->setFoldedCard(folded);
}

void HoleCardsItem::hideCards()
{
    d->raised = false;
    for (CardItem* item : std::as_const(d->peek))
        item->setPos(item->x(), restingY());
    update();
    d->timer.stop();
}

void HoleCardsItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // Nothing to peek at: let the table have the click.
    if (isShownMode() || d->peek.isEmpty()) {
        event->ignore();
        return;
    }
    // Accepted in every mode, or the release would go elsewhere.
    event->accept();
    if (d->multihead)
        return;
    if (d->singleTouch) {
        if (event->pos().y() < size().height() / 2)
            raiseTo(kRaisedY);
        return;
    }
    d->raised = true;
    d->timer.start();
}

void HoleCardsItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (d->multihead || d->singleTouch || !d->raised || !(event->buttons() & Qt::LeftButton) ||
        d->row.isEmpty())
        return;
    const CardItem* last = d->row.last();
    if (event->pos().y() >= kDragStart * (last->y() + CardHeight))
        return;
    const qreal y = std::max(event->pos().y() + kDragGap, 0.0);
    for (CardItem* item : std::as_const(d->peek))
        item->setPos(item->x(), y);
}

void HoleCardsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent*)
{
    if (d->multihead && !d->raised)
        raiseTo(kRaisedY);
    else
        hideCards();
}

void HoleCardsItem::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    QGraphicsWidget::resizeEvent(event);
    layoutRows();
    if (!d->raised) {
        for (CardItem* item : std::as_const(d->peek))
            item->setPos(item->x(), restingY());
    }
}

void HoleCardsItem::raiseTo(qreal y)
{
    d->raised = true;
    for (CardItem* item : std::as_const(d->peek))
        item->setPos(item->x(), y);
    d->timer.start();
}

void HoleCardsItem::rebuild()
{
    d->raised = false;
    d->timer.stop();
    qDeleteAll(d->row);
    d->row.clear();
    qDeleteAll(d->peek);
    d->peek.clear();
    if (isShownMode()) {
        for (const Card& card : std::as_const(d->cards)) {
            CardItem* face = makeItem(card);
            face->setZValue(d->row.size());
            d->row.append(face);
        }
    } else {
        for (const Card& card : std::as_const(d->cards))
            appendItems(card);
    }
    layoutRows();
}

void HoleCardsItem::appendItems(const Card& card)
{
    // The leftmost back on top, the rightmost face on top: the faces fan out
    // the other way, like cards lifted off a pile.
    CardItem* back = makeItem(Card(Card::Back, 0));
    back->setZValue(-qreal(d->row.size()));
    d->row.append(back);
    CardItem* face = makeItem(card);
    face->setZValue(kPeekZ + qreal(d->peek.size()));
    // A card dealt while peeking comes up with the others.
    face->setPos(0, d->peek.isEmpty() ? restingY() : d->peek.first()->y());
    d->peek.append(face);
}

CardItem* HoleCardsItem::makeItem(const Card& card)
{
    auto* item = new CardItem(card, this);
    item->setSize(QSizeF(CardWidth, CardHeight));
    // Presses go to the hand as a whole.
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setFoldedCard(d->folded);
    if (d->renderer)
        connect(item, &SvgImageItem::renderImage, d->renderer.data(), &SvgImageRenderer::renderImage);
    return item;
}

void HoleCardsItem::layoutRows()
{
    for (const QList<CardItem*>* items : {&d->row, &d->peek}) {
        const qsizetype n = items->size();
        const qreal x0 = (size().width() - ((n - 1) * d->offset.x() + CardWidth)) / 2;
        for (qsizetype i = 0; i < n; ++i) {
            CardItem* item = items->at(i);
            item->setPos(x0 + i * d->offset.x(), item->y());
        }
    }
}

} // namespace VeskGames
