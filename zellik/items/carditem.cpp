#include "carditem.h"

#include "localresources.h"
#include "svgimageitem_p.h"

#include <QBitmap>
#include <QPainter>

namespace VeskGames {

class CardItem::Private : public SvgImageItem::Private
{
public:
    Card card;
    bool bestCard = true;
    bool foldedCard = false;
    // Rebuilt when the face changes size, so the shade always fits its edges.
    QImage dimming;
    QPixmap overlay;
    bool overlayLoaded = false;

    const QImage& dimmingFor(const QPixmap& face)
    {
        if (dimming.size() != face.size()) {
            // Only the card's own shape darkens, never its transparent corners.
            dimming = face.toImage().createAlphaMask().convertToFormat(QImage::Format_MonoLSB);
            dimming.setColorTable({qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 100)});
        }
        return dimming;
    }

    const QPixmap& foldedOverlay()
    {
        if (!overlayLoaded) {
            overlay = LocalResources::resourcePixmap(QStringLiteral("/table/card_overlay.png"));
            overlayLoaded = true;
        }
        return overlay;
    }
};

CardItem::CardItem(QGraphicsItem* parent) : SvgImageItem(std::make_unique<Private>(), parent) {}

CardItem::CardItem(const Card& card, QGraphicsItem* parent) : CardItem(parent)
{
    setCard(card);
}

CardItem::~CardItem() = default;

CardItem::Private* CardItem::data() const
{
    return static_cast<Private*>(d.get());
}

void CardItem::setCard(const Card& card)
{
    data()->card = card;
    setElementId(card.elementId());
}

Card CardItem::card() const
{
    return data()->card;
}

void CardItem::setPos(const QPointF& pos)
{
    QGraphicsItem::setPos(pos);
    emit positionChanged(pos, size());
}

void CardItem::setPos(double x, double y)
{
    setPos(QPointF(x, y));
}

void CardItem::setBestCard(bool best)
{
    data()->bestCard = best;
    update();
}

bool CardItem::isBestCard() const
{
    return data()->bestCard;
}

void CardItem::setFoldedCard(bool folded)
{
    data()->foldedCard = folded;
    update();
}

bool CardItem::isFoldedCard() const
{
    return data()->foldedCard;
}

void CardItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    SvgImageItem::paint(painter, option, widget);
    Private* p = data();
    if (p->card.suit() == Card::Back || p->pixmap.isNull())
        return;
    if (!p->bestCard) {
        painter->drawImage(boundingRect(), p->dimmingFor(p->pixmap));
    } else if (p->foldedCard) {
        const QPixmap& overlay = p->foldedOverlay();
        if (!overlay.isNull())
            painter->drawPixmap(boundingRect(), overlay, QRectF(overlay.rect()));
    }
}

QByteArray CardItem::toByteArray(const QVector<CardItem*>& cards)
{
    QVector<Card> values;
    values.reserve(cards.size());
    for (const CardItem* item : cards)
        values.append(item ? item->card() : Card(Card::Back, 0));
    return Card::toByteArray(values);
}

} // namespace VeskGames
