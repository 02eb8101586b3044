#include "dealholecommand.h"

#include "carditem.h"

#include <QGraphicsItemGroup>

namespace VeskGames {

DealHoleCommand::DealHoleCommand(QGraphicsItemGroup* group, const QVector<CardItem*>& items, int position,
                                 const QVector<Card>& cards, QObject* parent)
    : GraphicsItemAnimationCommand(group, false, parent), m_group(group), m_items(items),
      m_position(position), m_cards(cards)
{}

DealHoleCommand::~DealHoleCommand() = default;

int DealHoleCommand::position() const
{
    return m_position;
}

QVector<Card> DealHoleCommand::cards() const
{
    return m_cards;
}

QVector<CardItem*> DealHoleCommand::items() const
{
    return m_items;
}

QGraphicsItemGroup* DealHoleCommand::group() const
{
    return m_group;
}

void DealHoleCommand::exec()
{
    for (CardItem* card : std::as_const(m_items))
        card->setVisible(true);
    GraphicsItemAnimationCommand::exec();
}

} // namespace VeskGames
