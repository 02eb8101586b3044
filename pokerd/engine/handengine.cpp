#include "handengine.h"

#include "evalhand.h"

#include <QDateTime>
#include <QVariantList>

#include <algorithm>
#include <cmath>
#include <random>

namespace Pokerd {

namespace {

// How long the table animates each kind of event, in milliseconds.
constexpr int kDealerMs = 300;
constexpr int kChipsMs = 300;
constexpr int kDealMs = 400;
constexpr int kGatherMs = 400;
constexpr int kAwardMs = 600;

enum HandStatus {
    StatusNewHand = 101,
    StatusHoleCards = 200,
    StatusFlop = 210,
    StatusTurn = 220,
    StatusRiver = 230,
    StatusShowdown = 300,
    StatusRake = 400,
    StatusHandOver = 500
};

struct SeatState
{
    Cents stack = 0;
    QByteArray hole;
    Cents bet = 0;       ///< this betting round
    Cents committed = 0; ///< this hand
    bool folded = false;
    bool allIn = false;
    bool needsAction = false;
    bool acted = false;
    int actedAtRaise = -1;
};

qint32 now()
{
    return qint32(QDateTime::currentSecsSinceEpoch());
}

} // namespace

Cents HandEngine::fromUnits(double units)
{
    // NaN, infinities and amounts no table could hold would be undefined for llround.
    constexpr double kLimit = 1e15;
    if (!std::isfinite(units) || units > kLimit || units < -kLimit)
        return InvalidAmount;
    return Cents(std::llround(units * 100.0));
}

class HandEngine::Private
{
public:
    HandConfig config;
    Sink sink;
    std::mt19937 random;
    QMap<int, SeatState> seats;
    QList<int> order; ///< participants from the first seat left of the button
    int button = -1;
    QByteArray deck;
    QByteArray presetDeck;
    int dealt = 0;
    QByteArray board;
    int street = 0;
    Cents currentBet = 0;
    Cents lastRaiseSize = 0;
    int fullRaises = 0;
    int acting = -1;
    int cursor = 0; ///< index into order where the search for the next actor starts
    bool finished = true;
    Cents rake = 0;

    void send(QVariantMap data, int onlySeat = -1, int exceptSeat = -1)
    {
        data.insert(QStringLiteral("event"), QStringLiteral("gameEvent"));
        data.insert(QStringLiteral("timestamp"), now());
        sink(HandEvent{data, onlySeat, exceptSeat});
    }

    void sendSeat(const char* member, const QVariant& value, int seat, int animationMs = -1)
    {
        QVariantMap data{{QLatin1String(member), value}, {QStringLiteral("position"), seat + 1}};
        if (animationMs >= 0)
            data.insert(QStringLiteral("animationMs"), animationMs);
        send(data);
    }

    void status(int code) { send({{QStringLiteral("handStatus"), code}}); }

    QList<int> live() const
    {
        QList<int> result;
        for (int seat : order) {
            if (!seats[seat].folded)
                result.append(seat);
        }
        return result;
    }

    QList<int> ableToAct() const
    {
        QList<int> result;
        for (int seat : order) {
            if (!seats[seat].folded && !seats[seat].allIn)
                result.append(seat);
        }
        return result;
    }

    Cents potTotal() const
    {
        Cents total = 0;
        for (const SeatState& s : seats)
            total += s.committed;
        return total;
    }

    /// Moves chips from a seat's stack into its bet.
    Cents put(int seat, Cents amount)
    {
        SeatState& s = seats[seat];
        const Cents paid = qMin(amount, s.stack);
        s.stack -= paid;
        s.bet += paid;
        s.committed += paid;
        if (s.stack == 0)
            s.allIn = true;
        return paid;
    }

    QByteArray draw(int count)
    {
        const QByteArray cards = deck.mid(dealt, count);
        dealt += count;
        return cards;
    }

    void startRound(bool preflop)
    {
        const bool betting = ableToAct().size() >= 2 || preflop;
        for (int seat : order) {
            SeatState& s = seats[seat];
            s.acted = false;
            s.actedAtRaise = -1;
            s.needsAction = betting && !s.folded && !s.allIn;
        }
        if (!preflop) {
            for (SeatState& s : seats)
                s.bet = 0;
            currentBet = 0;
        }
        lastRaiseSize = config.betUnit();
        fullRaises = 0;
    }

    /// Gives back the part of the top bet that nobody matched.
    void returnUncalled()
    {
        int top = -1;
        Cents topBet = 0;
        Cents second = 0;
        for (int seat : order) {
            const Cents bet = seats[seat].bet;
            if (bet > topBet) {
                second = topBet;
                topBet = bet;
                top = seat;
            } else if (bet > second) {
                second = bet;
            }
        }
        if (top < 0 || topBet <= second)
            return;
        SeatState& s = seats[top];
        const Cents excess = topBet - second;
        s.bet -= excess;
        s.committed -= excess;
        s.stack += excess;
        if (s.stack > 0)
            s.allIn = false;
        currentBet = second;
        sendSeat("potReturnUncalled", toUnits(excess), top, kChipsMs);
    }

    QList<int> foldedSeats() const
    {
        QList<int> result;
        for (auto it = seats.constBegin(); it != seats.constEnd(); ++it) {
            if (it->folded)
                result.append(it.key());
        }
        return result;
    }

    QList<Pot> pots() const
    {
        QMap<int, Cents> committed;
        for (auto it = seats.constBegin(); it != seats.constEnd(); ++it)
            committed.insert(it.key(), it->committed);
        return buildPots(committed, foldedSeats());
    }

    void sendBettingDone(const QList<Pot>& list, const QList<Cents>& rakes)
    {
        QVariantList entries;
        for (int i = 0; i < list.size(); ++i) {
            entries.append(QVariantMap{{QStringLiteral("value"), toUnits(list.at(i).amount)},
                                       {QStringLiteral("rake"), toUnits(rakes.value(i))}});
        }
        send({{QStringLiteral("bettingDone"), entries}, {QStringLiteral("animationMs"), kGatherMs}});
    }

    void closeRound()
    {
        returnUncalled();
        sendBettingDone(pots(), {});
        for (SeatState& s : seats)
            s.bet = 0;
    }

    void dealStreet()
    {
        ++street;
        const int count = street == 1 ? 3 : 1;
        const QByteArray cards = draw(count);
        board += cards;
        status(street == 1 ? StatusFlop : street == 2 ? StatusTurn : StatusRiver);
        send({{QStringLiteral("dealCommunity"), cards}, {QStringLiteral("animationMs"), kDealMs}});
    }

    /// Seats in payout order: the first one left of the button first.
    QList<int> inPayoutOrder(const QList<int>& winners) const
    {
        QList<int> result;
        for (int seat : order) {
            if (winners.contains(seat))
                result.append(seat);
        }
        return result;
    }

    void award()
    {
        QList<Pot> list = pots();
        QList<Cents> rakes;
        rake = 0;
        if (street >= 1) {
            // Rake only once a flop is seen, taken from the main pot first.
            Cents total = 0;
            for (const Pot& pot : list)
                total += pot.amount;
            Cents toTake = qMin(config.rakeCap, total * config.rakePercent / 100);
            rake = toTake;
            for (Pot& pot : list) {
                const Cents taken = qMin(toTake, pot.amount);
                pot.amount -= taken;
                rakes.append(taken);
                toTake -= taken;
            }
            if (rake > 0) {
                status(StatusRake);
                sendBettingDone(list, rakes);
            }
        }

        const QList<int> remaining = live();
        QMap<int, int> values;
        if (remaining.size() > 1) {
            status(StatusShowdown);
            const int minHole = config.isOmaha() ? 2 : 0;
            for (int seat : remaining) {
                sendSeat("actionShow", seats[seat].hole, seat);
                VeskGames::EvalHand eval;
                int value = 0;
                VeskGames::EvalHand::handType type;
                QByteArray kickers;
                if (eval.Evaluate(board, seats[seat].hole, minHole, 2, value, type, kickers))
                    values.insert(seat, value);
            }
        }

        for (const Pot& pot : std::as_const(list)) {
            QList<int> winners;
            int best = -1;
            for (int seat : pot.eligible) {
                const int value = remaining.size() > 1 ? values.value(seat, -1) : 0;
                if (value > best) {
                    best = value;
                    winners = {seat};
                } else if (value == best) {
                    winners.append(seat);
                }
            }
            const QMap<int, Cents> shares = splitPot(pot.amount, inPayoutOrder(winners));
            QVariantList entries;
            for (int seat : inPayoutOrder(winners)) {
                seats[seat].stack += shares.value(seat);
                entries.append(QVariantMap{{QStringLiteral("position"), seat + 1},
                                           {QStringLiteral("amount"), toUnits(shares.value(seat))}});
            }
            if (!entries.isEmpty())
                send({{QStringLiteral("potGive"), entries}, {QStringLiteral("animationMs"), kAwardMs}});
        }
        for (SeatState& s : seats)
            s.committed = 0;
        status(StatusHandOver);
        finished = true;
        acting = -1;
    }

    void advance()
    {
        for (;;) {
            if (live().size() <= 1) {
                returnUncalled();
                sendBettingDone(pots(), {});
                award();
                return;
            }
            for (int i = 0; i < order.size(); ++i) {
                const int seat = order.at((cursor + i) % order.size());
                const SeatState& s = seats[seat];
                if (!s.folded && !s.allIn && s.needsAction) {
                    acting = seat;
                    cursor = (cursor + i) % int(order.size());
                    return;
                }
            }
            acting = -1;
            closeRound();
            if (street == 3) {
                award();
                return;
            }
            dealStreet();
            startRound(false);
            cursor = 0;
        }
    }
};

HandEngine::HandEngine(const HandConfig& config, Sink sink, quint32 seed) : d(std::make_unique<Private>())
{
    d->config = config;
    d->sink = std::move(sink);
    d->random.seed(seed);
}

HandEngine::~HandEngine() = default;

bool HandEngine::start(const QMap<int, Cents>& stacks, int button, int handId)
{
    d->seats.clear();
    d->order.clear();
    d->board.clear();
    d->street = 0;
    d->rake = 0;
    d->acting = -1;
    QList<int> players;
    for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it) {
        if (it.value() > 0)
            players.append(it.key());
    }
    if (players.size() < 2)
        return false;
    for (int seat : players)
        d->seats[seat].stack = stacks.value(seat);

    // The button sits on a player: the given seat or the next one after it.
    auto next = std::upper_bound(players.begin(), players.end(), button - 1);
    d->button = next == players.end() ? players.first() : *next;
    const int buttonIndex = int(players.indexOf(d->button));
    for (int i = 1; i <= players.size(); ++i)
        d->order.append(players.at((buttonIndex + i) % players.size()));

    if (d->presetDeck.size() >= 52) {
        d->deck = d->presetDeck;
        d->presetDeck.clear();
    } else {
        d->deck.clear();
        for (int card = 1; card <= 52; ++card)
            d->deck.append(char(card));
        std::shuffle(d->deck.begin(), d->deck.end(), d->random);
    }
    d->dealt = 0;
    d->finished = false;

    d->status(StatusNewHand);
    d->send({{QStringLiteral("handId"), handId}});
    d->sendSeat("setDealer", true, d->button, kDealerMs);

    if (d->config.ante > 0) {
        for (int seat : std::as_const(d->order)) {
            const Cents paid = d->put(seat, d->config.ante);
            d->seats[seat].bet = 0; // antes are dead money, not part of the round's bets
            d->sendSeat("postAnte", toUnits(paid), seat, kChipsMs);
        }
    }
    const bool headsUp = d->order.size() == 2;
    const int small = headsUp ? d->button : d->order.at(0);
    const int big = headsUp ? d->order.at(0) : d->order.at(1);
    if (d->config.smallBlind > 0)
        d->sendSeat("postSmall", toUnits(d->put(small, d->config.smallBlind)), small, kChipsMs);
    if (d->config.bigBlind > 0)
        d->sendSeat("postBig", toUnits(d->put(big, d->config.bigBlind)), big, kChipsMs);
    d->currentBet = 0;
    for (const SeatState& s : std::as_const(d->seats))
        d->currentBet = qMax(d->currentBet, s.bet);

    d->status(StatusHoleCards);
    const int holeCount = d->config.isOmaha() ? 4 : 2;
    for (int seat : std::as_const(d->order)) {
        d->seats[seat].hole = d->draw(holeCount);
        const QVariantMap common{{QStringLiteral("position"), seat + 1},
                                 {QStringLiteral("animationMs"), kDealMs}};
        QVariantMap own = common;
        own.insert(QStringLiteral("dealHole"), d->seats[seat].hole);
        QVariantMap hidden = common;
        hidden.insert(QStringLiteral("dealHole"), QByteArray(holeCount, '\0'));
        d->send(own, seat);
        d->send(hidden, -1, seat);
    }

    d->startRound(true);
    // Pre-flop the seat after the big blind opens; heads-up the button does.
    const bool blinds = d->config.bigBlind > 0;
    d->cursor = blinds ? (headsUp ? int(d->order.indexOf(d->button)) : 2 % int(d->order.size())) : 0;
    d->advance();
    return true;
}

void HandEngine::setDeck(const QByteArray& deck)
{
    d->presetDeck = deck;
}

bool HandEngine::isFinished() const
{
    return d->finished;
}

int HandEngine::actingSeat() const
{
    return d->acting;
}

HandEngine::Options HandEngine::options() const
{
    Options o;
    if (d->acting < 0)
        return o;
    const SeatState& s = d->seats[d->acting];
    const Cents toCall = qMax<Cents>(0, d->currentBet - s.bet);
    o.toCall = qMin(toCall, s.stack);
    o.isAllIn = toCall >= s.stack;
    bool othersCanAct = false;
    for (int seat : d->ableToAct()) {
        if (seat != d->acting)
            othersCanAct = true;
    }
    const bool reopened = !s.acted || s.actedAtRaise < d->fullRaises;
    o.canRaise = s.stack > toCall && othersCanAct && reopened;
    const Cents raiseBy =
        d->currentBet == 0 ? d->config.betUnit() : qMax(d->lastRaiseSize, d->config.betUnit());
    o.minAdd = qMin(s.stack, toCall + raiseBy);
    o.potLimitAdd = toCall + d->potTotal() + toCall;
    o.maxAdd = d->config.limit == 2 ? qMin(s.stack, o.potLimitAdd) : s.stack;
    o.maxAdd = qMax(o.maxAdd, o.minAdd);
    o.pot = d->potTotal();
    return o;
}

bool HandEngine::act(int seat, Action action, Cents amount)
{
    if (d->finished || seat != d->acting)
        return false;
    const Options o = options();
    SeatState& s = d->seats[seat];

    if (action == BetRaise && !o.canRaise)
        action = CheckCall;
    if (action == Fold) {
        s.folded = true;
        d->sendSeat("actionFold", true, seat);
    } else if (action == CheckCall) {
        const Cents paid = d->put(seat, o.toCall);
        if (paid == 0)
            d->sendSeat("actionCheck", true, seat);
        else if (s.allIn)
            d->send({{QStringLiteral("actionAllIn"), toUnits(paid)},
                     {QStringLiteral("position"), seat + 1},
                     {QStringLiteral("isRaise"), false}});
        else
            d->sendSeat("actionCall", toUnits(paid), seat);
    } else {
        const Cents add = qBound(o.minAdd, amount, o.maxAdd);
        const Cents before = d->currentBet;
        const Cents paid = d->put(seat, add);
        const Cents newBet = s.bet;
        if (newBet - before >= d->lastRaiseSize) {
            d->lastRaiseSize = newBet - before;
            ++d->fullRaises;
        }
        if (s.allIn)
            d->send({{QStringLiteral("actionAllIn"), toUnits(paid)},
                     {QStringLiteral("position"), seat + 1},
                     {QStringLiteral("isRaise"), newBet > before}});
        else
            d->sendSeat(before == 0 ? "actionBet" : "actionRaise", toUnits(paid), seat);
        if (newBet > before) {
            d->currentBet = newBet;
            for (int other : std::as_const(d->order)) {
                if (other != seat)
                    d->seats[other].needsAction = true;
            }
        }
    }
    s.needsAction = false;
    s.acted = true;
    s.actedAtRaise = d->fullRaises;
    d->cursor = (int(d->order.indexOf(seat)) + 1) % int(d->order.size());
    d->advance();
    return true;
}

void HandEngine::timeout(int seat)
{
    if (seat != d->acting)
        return;
    act(seat, options().toCall == 0 ? CheckCall : Fold);
}

QMap<int, Cents> HandEngine::stacks() const
{
    QMap<int, Cents> result;
    for (auto it = d->seats.constBegin(); it != d->seats.constEnd(); ++it)
        result.insert(it.key(), it->stack);
    return result;
}

QMap<int, QByteArray> HandEngine::holeCards() const
{
    QMap<int, QByteArray> result;
    for (auto it = d->seats.constBegin(); it != d->seats.constEnd(); ++it)
        result.insert(it.key(), it->hole);
    return result;
}

Cents HandEngine::rake() const
{
    return d->rake;
}

QByteArray HandEngine::board() const
{
    return d->board;
}

int HandEngine::button() const
{
    return d->button;
}

bool HandEngine::flopDealt() const
{
    return d->street >= 1;
}

} // namespace Pokerd
