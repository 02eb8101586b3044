#include "placebetcommand.h"

#include "abstractplayeritem.h"

namespace VeskGames {

PlaceBetCommand::PlaceBetCommand(QGraphicsItem* chips, AbstractPlayerItem* seat, int position, double amount,
                                 QObject* parent)
    : GraphicsItemAnimationCommand(chips, true, parent), m_seat(seat), m_position(position), m_amount(amount)
{}

PlaceBetCommand::~PlaceBetCommand() = default;

int PlaceBetCommand::position() const
{
    return m_position;
}

double PlaceBetCommand::amount() const
{
    return m_amount;
}

void PlaceBetCommand::leave()
{
    if (m_left)
        return;
    m_left = true;
    if (m_seat)
        m_seat->setPlayerStack(m_seat->playerStack() - m_amount);
}

void PlaceBetCommand::exec()
{
    leave();
    GraphicsItemAnimationCommand::exec();
}

void PlaceBetCommand::finish()
{
    leave();
    GraphicsItemAnimationCommand::finish();
}

} // namespace VeskGames
