#ifndef POKERD_HANDENGINE_H
#define POKERD_HANDENGINE_H

#include "potbuilder.h"

#include <QByteArray>
#include <QVariantMap>

#include <functional>
#include <limits>
#include <memory>

namespace Pokerd {

struct HandConfig
{
    int gameType = 0x1001;
    int limit = 1; ///< 1 no limit, 2 pot limit
    Cents smallBlind = 50;
    Cents bigBlind = 100;
    Cents ante = 0;
    int rakePercent = 5;
    Cents rakeCap = 300;
    int seats = 6;
    /// How long the clients' animations run, in percent of the usual; 0 has
    /// them show every change at once (a fast table, soak runs).
    int animationPercent = 100;

    bool isOmaha() const { return gameType & 0x2; }
    /// The smallest chip: every bet and raise, and every share of a split
    /// pot, is a whole number of it. Tournament chips are whole units.
    Cents chip = 1;

    /// The least bet: the big blind, or the ante on a table without blinds.
    Cents betUnit() const { return bigBlind > 0 ? bigBlind : qMax<Cents>(ante, 1); }
};

/// Who posts what before the cards: the button and the two blinds, plus
/// blinds owed by players coming back (live big blinds, dead small blinds).
struct Blinds
{
    int button = -1;
    int smallBlind = -1; ///< -1: no small blind this hand
    int bigBlind = -1;
    QMap<int, Cents> livePosts; ///< count as the seat's bet
    QMap<int, Cents> deadPosts; ///< go to the pot without being a bet

    /// The classic positions: blinds on the two seats after the button,
    /// heads-up the button posts the small blind.
    static Blinds after(const QList<int>& seats, int button);
};

/// One event of a hand, as the client reads it (1-based positions, amounts in
/// currency units, cards as bytes). A private event goes to one seat only; its
/// public form goes to everybody else.
struct HandEvent
{
    QVariantMap data;
    int onlySeat = -1;   ///< -1: everybody
    int exceptSeat = -1; ///< -1: nobody left out
};

/// Deals and runs one hand: blinds and antes, hole cards, betting rounds with
/// no-limit or pot-limit rules, side pots, uncalled bets, showdown, rake.
/// Seats are 0-based here; events carry them 1-based. The engine runs until a
/// seat has to act, then waits for act() or timeout().
class HandEngine
{
public:
    using Sink = std::function<void(const HandEvent&)>;
    enum Action { Fold, CheckCall, BetRaise };

    struct Options
    {
        Cents toCall = 0;      ///< what calling adds (capped by the stack)
        Cents minAdd = 0;      ///< least a bet or raise adds
        Cents maxAdd = 0;      ///< most a bet or raise adds
        Cents potLimitAdd = 0; ///< what a pot-sized bet or raise adds
        bool isAllIn = false;  ///< calling puts the seat all-in
        bool canRaise = false;
        Cents pot = 0; ///< everything put in this hand so far
    };

    HandEngine(const HandConfig& config, Sink sink, quint32 seed);
    ~HandEngine();

    /// Starts with the given stacks (seat -> cents; at least two seats with
    /// chips) and the button seat. Returns false when there is no game.
    bool start(const QMap<int, Cents>& stacks, int button, int handId);
    /// Starts with the positions given; every seat in \a blinds is one of \a stacks.
    bool start(const QMap<int, Cents>& stacks, const Blinds& blinds, int handId);
    /// Deals the next hand from this card order instead of a shuffle (replays, tests).
    void setDeck(const QByteArray& deck);

    bool isFinished() const;
    int actingSeat() const;
    Options options() const;
    /// Amounts are what the seat adds now. False when it is not its turn.
    bool act(int seat, Action action, Cents amount = 0);
    /// Checks when that is free, else folds.
    void timeout(int seat);

    /// A seat in the hand as onlookers may know it (the cards only for its player).
    struct SeatView
    {
        Cents stack = 0;
        Cents bet = 0; ///< in front of the seat this betting round
        bool folded = false;
        bool allIn = false;
        QByteArray hole;
    };
    QMap<int, SeatView> seatViews() const;
    /// The pots as last gathered, without the bets still in front of the seats.
    QList<Pot> gatheredPots() const;
    int handId() const;

    QMap<int, Cents> stacks() const;
    QMap<int, QByteArray> holeCards() const;
    QByteArray board() const;
    int button() const;
    Cents rake() const;
    bool flopDealt() const;

    static double toUnits(Cents cents) { return double(cents) / 100.0; }
    /// InvalidAmount for NaN, infinities and absurdly large amounts.
    static Cents fromUnits(double units);
    static constexpr Cents InvalidAmount = std::numeric_limits<Cents>::min();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
