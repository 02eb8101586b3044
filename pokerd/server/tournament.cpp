#include "tournament.h"

#include <algorithm>

namespace Pokerd {

namespace {

// Past this the blinds stop growing: doubling further overflows nothing
// useful, every stack is all-in from the blinds long before.
constexpr int kLastLevel = 30;

} // namespace

Tournament::Tournament(Cents prizePool, const QList<int>& shares, Cents smallBlind, Cents bigBlind,
                       int levelSeconds)
    : m_pool(prizePool), m_shares(shares), m_smallBlind(smallBlind), m_bigBlind(bigBlind),
      m_levelSeconds(qMax(1, levelSeconds))
{}

QList<Cents> Tournament::prizes() const
{
    QList<Cents> prizes;
    Cents paid = 0;
    for (int share : m_shares) {
        prizes.append(prizePool() * share / 100);
        paid += prizes.last();
    }
    // What rounding leaves over goes to the winner: the pool is paid out whole.
    if (!prizes.isEmpty())
        prizes.first() += prizePool() - paid;
    return prizes;
}

Cents Tournament::prizeFor(int place) const
{
    return prizes().value(place - 1, 0);
}

int Tournament::levelAt(qint64 elapsedMs) const
{
    if (elapsedMs <= 0)
        return 0;
    return int(qMin<qint64>(kLastLevel, elapsedMs / (qint64(m_levelSeconds) * 1000)));
}

Cents Tournament::smallBlindAt(int level) const
{
    return m_smallBlind << qBound(0, level, kLastLevel);
}

Cents Tournament::bigBlindAt(int level) const
{
    return m_bigBlind << qBound(0, level, kLastLevel);
}

QMap<int, int> Tournament::places(const QMap<int, Cents>& bustedStartStacks, int stillPlaying)
{
    QList<int> seats = bustedStartStacks.keys();
    std::stable_sort(seats.begin(), seats.end(),
                     [&](int a, int b) { return bustedStartStacks.value(a) > bustedStartStacks.value(b); });
    QMap<int, int> places;
    for (int i = 0; i < seats.size(); ++i) {
        const bool tiesThePrevious =
            i > 0 && bustedStartStacks.value(seats.at(i)) == bustedStartStacks.value(seats.at(i - 1));
        places.insert(seats.at(i), tiesThePrevious ? places.value(seats.at(i - 1)) : stillPlaying + 1 + i);
    }
    return places;
}

QMap<int, Tournament::Finish> Tournament::finishes(const QMap<int, Cents>& bustedStartStacks,
                                                   int stillPlaying, const QList<int>& payoutOrder) const
{
    const QMap<int, int> placed = places(bustedStartStacks, stillPlaying);
    // The players on each place, in payout order (seats missing from it last).
    QMap<int, QList<int>> byPlace;
    QList<int> order = payoutOrder;
    for (int seat : placed.keys()) {
        if (!order.contains(seat))
            order.append(seat);
    }
    for (int seat : std::as_const(order)) {
        if (placed.contains(seat))
            byPlace[placed.value(seat)].append(seat);
    }
    QMap<int, Finish> result;
    for (auto it = byPlace.constBegin(); it != byPlace.constEnd(); ++it) {
        const QList<int>& tied = it.value();
        Cents pool = 0;
        for (int i = 0; i < tied.size(); ++i)
            pool += prizeFor(it.key() + i);
        const Cents each = pool / tied.size();
        Cents odd = pool - each * tied.size();
        for (int seat : tied) {
            result.insert(seat, {it.key(), each + (odd > 0 ? 1 : 0)});
            if (odd > 0)
                --odd;
        }
    }
    return result;
}

} // namespace Pokerd
