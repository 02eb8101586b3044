#include "betpresets.h"

#include <QtGlobal>

#include <cmath>

namespace VeskGames {

namespace {
constexpr double kEpsilon = 0.000001;
} // namespace

double BetPresets::fraction(Preset preset)
{
    switch (preset) {
    case HalfPot:
        return 0.5;
    case TwoThirdsPot:
        return 2.0 / 3.0;
    case Pot:
    case PresetCount:
        break;
    }
    return 1.0;
}

double BetPresets::amount(Preset preset, const Request& request)
{
    // The pot once the call is in, as the server counts a pot-sized raise.
    const double pot = qMax(0.0, request.potLimitAdd - request.toCall);
    // Down to the cent: a preset never asks for more than its share.
    const double wanted = std::floor((request.toCall + fraction(preset) * pot) * 100 + kEpsilon) / 100;
    double top = request.maxAdd;
    if (request.potLimit && request.potLimitAdd > kEpsilon)
        top = qMin(top, request.potLimitAdd);
    return qBound(request.minAdd, wanted, qMax(request.minAdd, top));
}

bool BetPresets::applies(const Request& request)
{
    return request.minAdd > kEpsilon && request.maxAdd - request.minAdd >= kEpsilon;
}

} // namespace VeskGames
