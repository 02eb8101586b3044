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
/// left of the button first); odd cents go one by one from the front.
QMap<int, Cents> splitPot(Cents amount, const QList<int>& winners);

} // namespace Pokerd

#endif
