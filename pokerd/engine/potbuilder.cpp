#include "potbuilder.h"

#include <algorithm>

namespace Pokerd {

QList<Pot> buildPots(const QMap<int, Cents>& committed, const QList<int>& folded)
{
    QList<Cents> levels;
    for (auto it = committed.constBegin(); it != committed.constEnd(); ++it) {
        if (!folded.contains(it.key()) && it.value() > 0 && !levels.contains(it.value()))
            levels.append(it.value());
    }
    std::sort(levels.begin(), levels.end());

    QList<Pot> pots;
    Cents previous = 0;
    for (Cents level : std::as_const(levels)) {
        Pot pot;
        for (auto it = committed.constBegin(); it != committed.constEnd(); ++it) {
            pot.amount += qMax<Cents>(0, qMin(it.value(), level) - qMin(it.value(), previous));
            if (!folded.contains(it.key()) && it.value() >= level)
                pot.eligible.append(it.key());
        }
        previous = level;
        if (!pots.isEmpty() && pots.last().eligible == pot.eligible)
            pots.last().amount += pot.amount;
        else if (pot.amount > 0)
            pots.append(pot);
    }
    // Money of folded seats above every live level still belongs in the last pot.
    Cents rest = 0;
    for (auto it = committed.constBegin(); it != committed.constEnd(); ++it)
        rest += qMax<Cents>(0, it.value() - previous);
    if (rest > 0 && !pots.isEmpty())
        pots.last().amount += rest;
    return pots;
}

QMap<int, Cents> splitPot(Cents amount, const QList<int>& winners, Cents chip)
{
    QMap<int, Cents> shares;
    if (winners.isEmpty())
        return shares;
    chip = qMax<Cents>(1, chip);
    const Cents chips = amount / chip;
    const Cents each = chips / winners.size();
    Cents odd = chips - each * winners.size();
    for (int seat : winners) {
        shares[seat] += (each + (odd > 0 ? 1 : 0)) * chip;
        if (odd > 0)
            --odd;
    }
    shares[winners.first()] += amount - chips * chip;
    return shares;
}

} // namespace Pokerd
