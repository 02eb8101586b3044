#include "buyinrange.h"

#include <QtGlobal>

namespace VeskGames {

BuyinRange BuyinRange::compute(double min, double max, double balance, double stack)
{
    BuyinRange range;
    range.lowest = qMax(min - stack, 0.0);
    range.highest = qMin(max - stack, balance);
    if (balance - range.lowest < 0)
        range.state = LimitedBalance;
    else if (range.highest - range.lowest >= 0)
        range.state = Allowed;
    else
        range.state = BigStack;
    return range;
}

double BuyinRange::sliderAmount(int value, int minimum, int maximum, int singleStep)
{
    if (value <= minimum)
        return minimum / 100.0;
    if (value >= maximum)
        return maximum / 100.0;
    int rounded = singleStep > 0 ? value - value % singleStep : value;
    // Rounding down must not leave the table's range: the server would refuse it.
    if (rounded < minimum)
        rounded = minimum;
    return rounded / 100.0;
}

} // namespace VeskGames
