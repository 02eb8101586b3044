#ifndef POKERD_BLINDROTATION_H
#define POKERD_BLINDROTATION_H

#include "handengine.h"

#include <QList>
#include <QMap>

#include <memory>

namespace Pokerd {

/// Where the blinds go, hand after hand. The big blind moves on one seat a
/// hand, and the small blind and the button are the seats dealt in before
/// it; so nobody pays the big blind twice in a row as players come and go
/// (heads-up the button posts the small blind). A newcomer waits for the big
/// blind. A player away while the big blind passed the seat owes a live big
/// blind and a dead small blind, posted on coming back; never from the small
/// blind's place: such a player sits out that one hand more.
class BlindRotation
{
public:
    enum SeatState { Ready, Away };
    struct Hand
    {
        QList<int> dealtIn; ///< empty: no hand
        Blinds blinds;
    };

    BlindRotation(Cents smallBlind, Cents bigBlind);
    ~BlindRotation();

    /// A newcomer sat down here.
    void seatTaken(int seat);
    /// Whoever sat here has gone, with whatever the seat owed.
    void seatFreed(int seat);
    /// The next hand for these seats (every seated player; Ready ones have
    /// chips and want to play).
    Hand next(const QMap<int, SeatState>& seats);

    bool waitsForBigBlind(int seat) const;
    bool owesBlinds(int seat) const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
