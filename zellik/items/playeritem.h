#ifndef VESKGAMES_PLAYERITEM_H
#define VESKGAMES_PLAYERITEM_H

#include "playeritembase.h"

namespace VeskGames {

/// A seat at the player's own table: at a showdown the cards turn face up
/// in a row across the seat.
class ZELLIK_EXPORT PlayerItem : public PlayerItemBase
{
    Q_OBJECT

public:
    /// How far a short row of face-up cards stands right of the centre.
    static constexpr QPointF OpenRowShift{25, 0};

    explicit PlayerItem(QGraphicsItem* parent = nullptr);
    ~PlayerItem() override;

protected:
    void layoutCards() override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
