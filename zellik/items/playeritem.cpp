#include "playeritem.h"

#include "carditem.h"

#include <QGraphicsScene>

namespace VeskGames {

class PlayerItem::Private
{
public:
    bool showdown = false;
    QPointF name;
    QPointF stack;
    QPointF action;
};

PlayerItem::PlayerItem(QGraphicsItem* parent) : PlayerItemBase(parent), d(std::make_unique<Private>()) {}

PlayerItem::~PlayerItem() = default;

void PlayerItem::layoutCards()
{
    if (!isShowdown()) {
        if (d->showdown) {
            // Back to the texts' own places.
            d->showdown = false;
            centerSubItemTextWithOffset(SubItemName, d->name);
            centerSubItemTextWithOffset(SubItemStack, d->stack);
            centerSubItemTextWithOffset(SubItemAction, d->action);
        }
        PlayerItemBase::layoutCards();
        return;
    }
    if (!d->showdown) {
        d->showdown = true;
        d->name = subItemOffset(SubItemName);
        d->stack = subItemOffset(SubItemStack);
        d->action = subItemOffset(SubItemAction);
    }
    const QVector<CardItem*>& row = cards();
    const int n = int(row.size());
    const qreal width = row.first()->size().width();
    const qreal seat = SeatSize.width();
    qreal y = cardOffset().y();
    // A seat at the table's top edge keeps its shown cards on the table.
    if (const QGraphicsScene* table = scene()) {
        const qreal above = table->sceneRect().top() - mapToScene(QPointF(0, y)).y();
        if (above > 0)
            y += above;
    }
    if (n < 3) {
        // Two cards side by side, just right of the centre, clear of the picture.
        const qreal step = width + nextOpenCardOffset().x();
        const qreal rowWidth = 2 * width + nextOpenCardOffset().x();
        const qreal x = (seat - rowWidth) / 2 + OpenRowShift.x();
        for (int i = 0; i < n; ++i)
            row.at(i)->setPos(x + i * step, y + OpenRowShift.y());
    } else {
        // Omaha's four: spread across the seat, overlapping as they must.
        const qreal step = (seat - width) / (n - 1);
        for (int i = 0; i < n; ++i)
            row.at(i)->setPos(i * step, y);
    }
    // The open cards cover the plate's top: the texts go centred under the row.
    const qreal below = y + row.first()->size().height();
    const qreal middle = plateRect().center().x();
    // Cards moved down at the table's edge leave less room: the texts keep on the plate.
    const qreal stackY = qMin(below + 25, plateRect().bottom() - 6);
    const qreal nameY = qMin(below + 9, stackY - 14);
    centerSubItemTextWithOffset(SubItemName, QPointF(middle, nameY));
    centerSubItemTextWithOffset(SubItemAction, QPointF(middle, nameY));
    centerSubItemTextWithOffset(SubItemStack, QPointF(middle, stackY));
}

} // namespace VeskGames
