#ifndef POKERD_POTBUILDER_H
#define POKERD_POTBUILDER_H

#include <QList>
#include <QMap>

namespace Pokerd {

/// Money is kept in whole cents.
using Cents = qint64;

struct Pot
{
    Cents amount = 0;
    QList<int> eligible; ///< seats that can win it, ascending
};

/// Splits what every seat put in this hand into a main pot and side pots.
/// Folded seats pay into the pots but cannot win them; pots with the same
/// eligible seats are merged.
QList<Pot> buildPots(const QMap<int, Cents>& committed, const QList<int>& folded);

/// Shares \a amount among \a winners (seats in payout order: the first one
/// left of the button first) in whole \a chip units; odd chips go one by one
/// from the front, and what is less than a chip goes to the first.
QMap<int, Cents> splitPot(Cents amount, const QList<int>& winners, Cents chip = 1);

} // namespace Pokerd

#endif
