#ifndef POKERD_TOURNAMENT_H
#define POKERD_TOURNAMENT_H

#include "potbuilder.h"

#include <QList>
#include <QMap>

namespace Pokerd {

/// The rules of one Sit & Go: its status, the prizes, the blind levels and
/// the places of the players who run out of chips. Knows nothing of seats
/// and sessions; the table asks it.
class Tournament
{
public:
    enum Status { Registering = 1, Running = 2, Finished = 3 };

    /// \a shares are percent of \a prizePool, first place first.
    Tournament(Cents prizePool, const QList<int>& shares, Cents smallBlind, Cents bigBlind, int levelSeconds);

    Status status() const { return m_status; }
    void setStatus(Status status) { m_status = status; }

    /// At a Sit & Go every buy-in; the fees are not in it.
    Cents prizePool() const { return m_pool; }
    /// The prizes by place, first place first; together exactly the pool.
    QList<Cents> prizes() const;
    /// The prize of \a place (counted from 1); 0 for places not paid.
    Cents prizeFor(int place) const;

    /// The blind level \a elapsedMs after the start, from 0.
    int levelAt(qint64 elapsedMs) const;
    /// The blinds of \a level: those of the first level, doubled per level.
    Cents smallBlindAt(int level) const;
    Cents bigBlindAt(int level) const;

    /// Places for the seats that ran out of chips in the same hand, with
    /// their stacks at its start: the larger stack finishes better; equal
    /// stacks tie on the better of the places they cover. \a stillPlaying
    /// counts those with chips left.
    static QMap<int, int> places(const QMap<int, Cents>& bustedStartStacks, int stillPlaying);

    struct Finish
    {
        int place = 0;
        Cents prize = 0;
    };
    /// The places of places() with their prizes: players who tie share the
    /// prizes of the places they cover, the odd cent going to the one who
    /// comes first in \a payoutOrder (the seats from the button's left).
    QMap<int, Finish> finishes(const QMap<int, Cents>& bustedStartStacks, int stillPlaying,
                               const QList<int>& payoutOrder) const;

private:
    Cents m_pool;
    QList<int> m_shares;
    Cents m_smallBlind;
    Cents m_bigBlind;
    int m_levelSeconds;
    Status m_status = Registering;
};

} // namespace Pokerd

#endif
