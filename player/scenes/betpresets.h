#ifndef VESKGAMES_BETPRESETS_H
#define VESKGAMES_BETPRESETS_H

namespace VeskGames {

/// Bets sized by the pot: half of it, two thirds, all of it. A pot-sized
/// bet calls first and then bets what the pot holds after the call, the way
/// pot-limit rules count it. Amounts are what goes in now, and never outside
/// what the server's request allows.
class BetPresets
{
public:
    enum Preset { HalfPot = 0, TwoThirdsPot, Pot, PresetCount };

    /// The server's request, all amounts added now.
    struct Request
    {
        double toCall = 0;
        double minAdd = 0;      ///< the smallest bet or raise
        double maxAdd = 0;      ///< the largest: the stack, or the pot on a pot-limit table
        double potLimitAdd = 0; ///< a raise the size of the pot, the call included
        bool potLimit = false;
    };

    static double fraction(Preset preset);
    /// What \a preset puts in now, to the cent, within the allowed range.
    static double amount(Preset preset, const Request& request);
    /// Whether there is a choice of amount at all.
    static bool applies(const Request& request);
};

} // namespace VeskGames

#endif
