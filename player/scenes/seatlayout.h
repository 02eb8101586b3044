#ifndef VESKGAMES_SEATLAYOUT_H
#define VESKGAMES_SEATLAYOUT_H

#include <QVector>

namespace VeskGames {

class AbstractPlayerItem;
class AbstractTheme;
class StackItem;

/// How far the theme's seat lists are turned so that the local player sits
/// where the layout wants them.
class SeatLayout
{
public:
    /// The number of entries the lists are rotated left by, for \a seats seats
    /// with the local player at \a view (-1: unknown).
    static int turn(int seats, int view, bool instantDeal);
    /// Places the seats and their bet stacks from the theme's lists, turned;
    /// returns the turn.
    static int apply(const QVector<AbstractPlayerItem*>& seats, const QVector<StackItem*>& stacks,
                     AbstractTheme* theme, int view, bool instantDeal);
};

} // namespace VeskGames

#endif
