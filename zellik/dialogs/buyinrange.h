#ifndef VESKGAMES_BUYINRANGE_H
#define VESKGAMES_BUYINRANGE_H

#include "zellik_export.h"

namespace VeskGames {

/// What may be taken to the table: the table's limits less the chips
/// already there, and no more than the account holds.
struct ZELLIK_EXPORT BuyinRange
{
    enum State { Allowed, LimitedBalance, BigStack };

    double lowest = 0;
    double highest = 0;
    State state = Allowed;

    static BuyinRange compute(double min, double max, double balance, double stack);

    /// The amount a plain slider in hundredths buys: its ends exactly, else
    /// whole steps down, but never below the lowest amount allowed.
    static double sliderAmount(int value, int minimum, int maximum, int singleStep);
};

} // namespace VeskGames

#endif
