#ifndef VESKGAMES_PLACEBETCOMMAND_H
#define VESKGAMES_PLACEBETCOMMAND_H

#include "graphicsitemanimationcommand.h"

#include <QPointer>

namespace VeskGames {

class AbstractPlayerItem;

/// Chips flying from a seat to its bet: the seat's stack drops when they
/// leave, also when the flight is cut short before it began.
class PlaceBetCommand : public GraphicsItemAnimationCommand
{
    Q_OBJECT

public:
    PlaceBetCommand(QGraphicsItem* chips, AbstractPlayerItem* seat, int position, double amount,
                    QObject* parent = nullptr);
    ~PlaceBetCommand() override;

    int position() const;
    double amount() const;
    void exec() override;
    void finish() override;

private:
    void leave();

    QPointer<AbstractPlayerItem> m_seat;
    int m_position = -1;
    double m_amount = 0;
    bool m_left = false;
};

} // namespace VeskGames

#endif
