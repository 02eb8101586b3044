#ifndef VESKGAMES_DEALHOLECOMMAND_H
#define VESKGAMES_DEALHOLECOMMAND_H

#include "card.h"
#include "graphicsitemanimationcommand.h"

#include <QVector>

class QGraphicsItemGroup;

namespace VeskGames {

class CardItem;

/// A seat's cards flying from the dealer together: shown when they leave.
class DealHoleCommand : public GraphicsItemAnimationCommand
{
    Q_OBJECT

public:
    DealHoleCommand(QGraphicsItemGroup* group, const QVector<CardItem*>& items, int position,
                    const QVector<Card>& cards, QObject* parent = nullptr);
    ~DealHoleCommand() override;

    int position() const;
    QVector<Card> cards() const;
    QVector<CardItem*> items() const;
    QGraphicsItemGroup* group() const;
    void exec() override;

private:
    QGraphicsItemGroup* m_group = nullptr;
    QVector<CardItem*> m_items;
    int m_position = -1;
    QVector<Card> m_cards;
};

} // namespace VeskGames

#endif
