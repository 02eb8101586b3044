#ifndef VESKGAMES_CARDITEM_H
#define VESKGAMES_CARDITEM_H

#include "card.h"
#include "svgimageitem.h"
#include "zellik_export.h"

#include <QByteArray>
#include <QPointF>
#include <QSizeF>
#include <QVector>

namespace VeskGames {

/// A playing card on the table: its face (or back) from a card deck, darkened
/// when it is not part of the best hand, veiled when folded.
class ZELLIK_EXPORT CardItem : public SvgImageItem
{
    Q_OBJECT

public:
    explicit CardItem(QGraphicsItem* parent = nullptr);
    explicit CardItem(const Card& card, QGraphicsItem* parent = nullptr);
    ~CardItem() override;

    /// Also switches the element id, so a face-down card shows "Card_Back".
    void setCard(const Card& card);
    Card card() const;

    void setPos(const QPointF& pos);
    void setPos(double x, double y);

    void setBestCard(bool best);
    bool isBestCard() const;
    void setFoldedCard(bool folded);
    bool isFoldedCard() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget = nullptr) override;

    /// The items' cards as card bytes.
    static QByteArray toByteArray(const QVector<CardItem*>& cards);

Q_SIGNALS:
    void positionChanged(QPointF position, QSizeF size);

private:
    class Private;
    Private* data() const;
};

} // namespace VeskGames

#endif
