#include "blindrotation.h"

#include <QSet>

#include <algorithm>

namespace Pokerd {

namespace {

/// The seat of \a seats (ascending) just after \a seat, going round.
int after(const QList<int>& seats, int seat)
{
    for (int s : seats) {
        if (s > seat)
            return s;
    }
    return seats.first();
}

/// The seat of \a seats (ascending) just before \a seat, going round.
int before(const QList<int>& seats, int seat)
{
    for (auto it = seats.crbegin(); it != seats.crend(); ++it) {
        if (*it < seat)
            return *it;
    }
    return seats.last();
}

/// Whether \a seat lies strictly between \a from and \a to, going round upwards.
bool between(int from, int to, int seat)
{
    return from < to ? (seat > from && seat < to) : (seat > from || seat < to);
}

} // namespace

class BlindRotation::Private
{
public:
    Cents smallBlind = 0;
    Cents bigBlind = 0;
    int lastBig = -1;
    QSet<int> waiting; ///< newcomers
    QSet<int> owing;   ///< missed the big blind while away
};

BlindRotation::BlindRotation(Cents smallBlind, Cents bigBlind) : d(std::make_unique<Private>())
{
    d->smallBlind = smallBlind;
    d->bigBlind = bigBlind;
}

BlindRotation::~BlindRotation() = default;

void BlindRotation::seatTaken(int seat)
{
    d->waiting.insert(seat);
    d->owing.remove(seat);
}

void BlindRotation::seatFreed(int seat)
{
    d->waiting.remove(seat);
    d->owing.remove(seat);
}

bool BlindRotation::waitsForBigBlind(int seat) const
{
    return d->waiting.contains(seat);
}

bool BlindRotation::owesBlinds(int seat) const
{
    return d->owing.contains(seat);
}

BlindRotation::Hand BlindRotation::next(const QMap<int, SeatState>& seats)
{
    QList<int> ready;
    QList<int> active;
    for (auto it = seats.constBegin(); it != seats.constEnd(); ++it) {
        if (it.value() != Ready)
            continue;
        ready.append(it.key());
        if (!d->waiting.contains(it.key()))
            active.append(it.key());
    }
    if (ready.size() < 2)
        return {};
    if (active.size() < 2) {
        // No game to wait for: everybody starts one, free.
        for (int seat : std::as_const(ready)) {
            d->waiting.remove(seat);
            d->owing.remove(seat);
        }
        active = ready;
    }

    int big = -1;
    if (d->lastBig < 0) {
        // The first hand: the button on the first seat.
        big = active.at(active.size() == 2 ? 1 : 2);
    } else {
        big = after(ready, d->lastBig);
        // Whoever was away as the big blind went past owes it.
        for (auto it = seats.constBegin(); it != seats.constEnd(); ++it) {
            if (it.value() == Away && between(d->lastBig, big, it.key()))
                d->owing.insert(it.key());
        }
    }
    d->waiting.remove(big);
    d->owing.remove(big);

    QList<int> dealt = active;
    if (!dealt.contains(big)) {
        dealt.append(big);
        std::sort(dealt.begin(), dealt.end());
    }
    int small = before(dealt, big);
    while (d->owing.contains(small) && dealt.size() > 2) {
        dealt.removeAll(small);
        small = before(dealt, big);
    }
    if (d->owing.contains(small)) {
        // Two players left: nobody to wait for, so nothing owed.
        d->owing.remove(small);
    }

    Hand hand;
    hand.dealtIn = dealt;
    hand.blinds.bigBlind = big;
    hand.blinds.smallBlind = small;
    hand.blinds.button = dealt.size() == 2 ? small : before(dealt, small);
    for (int seat : std::as_const(dealt)) {
        if (!d->owing.contains(seat))
            continue;
        hand.blinds.livePosts.insert(seat, d->bigBlind);
        if (d->smallBlind > 0)
            hand.blinds.deadPosts.insert(seat, d->smallBlind);
        d->owing.remove(seat);
    }
    d->lastBig = big;
    return hand;
}

} // namespace Pokerd
