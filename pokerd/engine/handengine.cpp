#include "handengine.h"
#include "protocol.h"

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

using namespace VeskGames::Protocol;

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
    Cents levelAtAction = 0; ///< the bet to call right after the seat last acted
    int allInStreet = -1;    ///< the street on which the stack ran out
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
    int handId = 0;
    QByteArray deck;
    QByteArray presetDeck;
    int dealt = 0;
    QByteArray board;
    int street = 0;
    Cents currentBet = 0;
    Cents lastRaiseSize = 0;
    int lastAggressor = -1; ///< who bet or raised last in this betting round
    int acting = -1;
    int cursor = 0; ///< index into order where the search for the next actor starts
    bool finished = true;
    Cents rake = 0;
    Cents deadMoney = 0; ///< owed small blinds: in the main pot, nobody's stake

    void send(QVariantMap data, int onlySeat = -1, int exceptSeat = -1)
    {
        data.insert(QStringLiteral("event"), QStringLiteral("gameEvent"));
        data.insert(QStringLiteral("timestamp"), now());
        const auto animation = data.find(QStringLiteral("animationMs"));
        if (animation != data.end() && config.animationPercent != 100)
            *animation = animation->toInt() * qMax(0, config.animationPercent) / 100;
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
        Cents total = deadMoney;
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
        if (s.stack == 0 && !s.allIn) {
            s.allIn = true;
            s.allInStreet = street;
        }
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
            s.levelAtAction = 0;
            s.needsAction = betting && !s.folded && !s.allIn;
        }
        if (!preflop) {
            for (SeatState& s : seats)
                s.bet = 0;
            currentBet = 0;
        }
        lastRaiseSize = config.betUnit();
        lastAggressor = -1;
    }

    bool othersCanAct(int seat) const
    {
        for (int other : ableToAct()) {
            if (other != seat)
                return true;
        }
        return false;
    }

    /// What calling adds: never more than the largest bet against the seat
    /// when nobody else can put in more.
    Cents amountToCall(int seat) const
    {
        const SeatState& s = seats[seat];
        Cents target = currentBet;
        if (!othersCanAct(seat)) {
            Cents highest = 0;
            for (int other : order) {
                if (other != seat && !seats[other].folded)
                    highest = qMax(highest, seats[other].bet);
            }
            target = qMin(target, highest);
        }
        return qMax<Cents>(0, target - s.bet);
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
        QList<Pot> list = buildPots(committed, foldedSeats());
        if (!list.isEmpty())
            list.first().amount += deadMoney;
        return list;
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
        status(street == 1 ? HandFlop : street == 2 ? HandTurn : HandRiver);
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
            for (const Pot& pot : std::as_const(list)) {
                const Cents taken = qMin(toTake, pot.amount);
                rakes.append(taken);
                toTake -= taken;
            }
            if (rake > 0) {
                // The pots as they stand, the rake beside each: readers subtract it.
                status(HandRake);
                sendBettingDone(list, rakes);
                for (int i = 0; i < list.size(); ++i)
                    list[i].amount -= rakes.at(i);
            }
        }

        const QList<int> remaining = live();
        QMap<int, int> values;
        if (remaining.size() > 1) {
            status(HandShowdown);
            const int minHole = config.isOmaha() ? 2 : 0;
            for (int seat : remaining) {
                VeskGames::EvalHand eval;
                int value = 0;
                VeskGames::EvalHand::handType type;
                QByteArray kickers;
                if (eval.Evaluate(board, seats[seat].hole, minHole, 2, value, type, kickers))
                    values.insert(seat, value);
            }
            showDown(remaining, values, list);
        }

        // The last side pot first, the main pot last: a table pays out from
        // its side pot while one holds chips.
        for (auto pot = list.crbegin(); pot != list.crend(); ++pot) {
            QList<int> winners;
            int best = -1;
            for (int seat : pot->eligible) {
                const int value = remaining.size() > 1 ? values.value(seat, -1) : 0;
                if (value > best) {
                    best = value;
                    winners = {seat};
                } else if (value == best) {
                    winners.append(seat);
                }
            }
            const QMap<int, Cents> shares = splitPot(pot->amount, inPayoutOrder(winners), config.chip);
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
        deadMoney = 0;
        status(HandOver);
        finished = true;
        acting = -1;
    }

    /// The last aggressor shows first, else the first seat left of the button;
    /// after that a hand that cannot win any pot it plays for is mucked, unless
    /// somebody went all-in before the river: then every hand is shown.
    void showDown(const QList<int>& remaining, const QMap<int, int>& values, const QList<Pot>& list)
    {
        bool showAll = false;
        for (int seat : remaining)
            showAll = showAll || (seats[seat].allIn && seats[seat].allInStreet < 3);
        const int first = remaining.contains(lastAggressor) ? int(remaining.indexOf(lastAggressor)) : 0;
        QList<int> shown;
        for (int i = 0; i < remaining.size(); ++i) {
            const int seat = remaining.at((first + i) % remaining.size());
            const int value = values.value(seat, -1);
            bool canWin = shown.isEmpty();
            for (const Pot& pot : list) {
                if (!pot.eligible.contains(seat))
                    continue;
                int best = -1;
                for (int other : shown) {
                    if (pot.eligible.contains(other))
                        best = qMax(best, values.value(other, -1));
                }
                canWin = canWin || value >= best;
            }
            if (showAll || canWin) {
                shown.append(seat);
                sendSeat("actionShow", seats[seat].hole, seat);
            } else {
                sendSeat("actionMuck", true, seat);
            }
        }
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
                SeatState& s = seats[seat];
                // Alone against all-in players and covering them: nothing to decide.
                if (s.needsAction && !s.folded && !s.allIn && !othersCanAct(seat) && amountToCall(seat) == 0)
                    s.needsAction = false;
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

Blinds Blinds::after(const QList<int>& seats, int button)
{
    QList<int> sorted = seats;
    std::sort(sorted.begin(), sorted.end());
    Blinds b;
    if (sorted.size() < 2)
        return b;
    // The button sits on a player: the given seat or the next one after it.
    const auto next = std::lower_bound(sorted.begin(), sorted.end(), button);
    const int at = next == sorted.end() ? 0 : int(next - sorted.begin());
    const int n = int(sorted.size());
    b.button = sorted.at(at);
    b.smallBlind = n == 2 ? b.button : sorted.at((at + 1) % n);
    b.bigBlind = sorted.at((at + (n == 2 ? 1 : 2)) % n);
    return b;
}

bool HandEngine::start(const QMap<int, Cents>& stacks, int button, int handId)
{
    QList<int> players;
    for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it) {
        if (it.value() > 0)
            players.append(it.key());
    }
    return start(stacks, Blinds::after(players, button), handId);
}

bool HandEngine::start(const QMap<int, Cents>& stacks, const Blinds& blinds, int handId)
{
    d->seats.clear();
    d->order.clear();
    d->board.clear();
    d->street = 0;
    d->rake = 0;
    d->deadMoney = 0;
    d->handId = handId;
    d->acting = -1;
    QList<int> players;
    for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it) {
        if (it.value() > 0)
            players.append(it.key());
    }
    if (players.size() < 2 || !players.contains(blinds.button))
        return false;
    for (int seat : players)
        d->seats[seat].stack = stacks.value(seat);

    d->button = blinds.button;
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

    d->status(HandNew);
    d->send({{QStringLiteral("handId"), handId}});
    d->sendSeat("setDealer", true, d->button, kDealerMs);

    if (d->config.ante > 0) {
        for (int seat : std::as_const(d->order)) {
            const Cents paid = d->put(seat, d->config.ante);
            d->seats[seat].bet = 0; // antes are dead money, not part of the round's bets
            d->sendSeat("postAnte", toUnits(paid), seat, kChipsMs);
        }
        d->sendBettingDone(d->pots(), {});
    }
    const bool posts = players.contains(blinds.bigBlind);
    if (d->config.smallBlind > 0 && players.contains(blinds.smallBlind))
        d->sendSeat("postSmall", toUnits(d->put(blinds.smallBlind, d->config.smallBlind)), blinds.smallBlind,
                    kChipsMs);
    if (d->config.bigBlind > 0 && posts)
        d->sendSeat("postBig", toUnits(d->put(blinds.bigBlind, d->config.bigBlind)), blinds.bigBlind,
                    kChipsMs);
    // Blinds owed from missed hands: a dead small blind, then a live big one.
    for (auto it = blinds.deadPosts.constBegin(); it != blinds.deadPosts.constEnd(); ++it) {
        if (!players.contains(it.key()) || it.value() <= 0)
            continue;
        const Cents paid = d->put(it.key(), it.value());
        d->seats[it.key()].bet -= paid;
        d->seats[it.key()].committed -= paid;
        d->deadMoney += paid;
        d->sendSeat("postSmall", toUnits(paid), it.key(), kChipsMs);
    }
    for (auto it = blinds.livePosts.constBegin(); it != blinds.livePosts.constEnd(); ++it) {
        if (players.contains(it.key()) && it.value() > 0)
            d->sendSeat("postBig", toUnits(d->put(it.key(), it.value())), it.key(), kChipsMs);
    }
    // A big blind all-in for less still sets the bet to call and the raise.
    d->currentBet = posts ? d->config.bigBlind : 0;
    for (const SeatState& s : std::as_const(d->seats))
        d->currentBet = qMax(d->currentBet, s.bet);

    d->status(HandHoleCards);
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
    // Pre-flop the seat after the big blind opens (heads-up that is the button).
    const bool blindsPosted = d->config.bigBlind > 0 && posts;
    d->cursor = blindsPosted ? (int(d->order.indexOf(blinds.bigBlind)) + 1) % int(d->order.size()) : 0;
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
    const Cents toCall = d->amountToCall(d->acting);
    o.toCall = qMin(toCall, s.stack);
    o.isAllIn = toCall >= s.stack;
    // Raises since the seat last acted reopen its betting once together they
    // make a full raise, however many short all-ins it took.
    const bool reopened = !s.acted || d->currentBet - s.levelAtAction >= d->lastRaiseSize;
    o.canRaise = s.stack > toCall && d->othersCanAct(d->acting) && reopened;
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
        // Whole chips only; the least raise and the all-in are whole already.
        const Cents chip = qMax<Cents>(1, d->config.chip);
        const Cents add = qBound(o.minAdd, amount - amount % chip, o.maxAdd);
        const Cents before = d->currentBet;
        const Cents paid = d->put(seat, add);
        const Cents newBet = s.bet;
        if (newBet - before >= d->lastRaiseSize)
            d->lastRaiseSize = newBet - before;
        if (s.allIn)
            d->send({{QStringLiteral("actionAllIn"), toUnits(paid)},
                     {QStringLiteral("position"), seat + 1},
                     {QStringLiteral("isRaise"), newBet > before}});
        else
            d->sendSeat(before == 0 ? "actionBet" : "actionRaise", toUnits(paid), seat);
        if (newBet > before) {
            d->currentBet = newBet;
            d->lastAggressor = seat;
            for (int other : std::as_const(d->order)) {
                if (other != seat)
                    d->seats[other].needsAction = true;
            }
        }
    }
    s.needsAction = false;
    s.acted = true;
    s.levelAtAction = qMax(d->currentBet, s.bet);
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

QMap<int, HandEngine::SeatView> HandEngine::seatViews() const
{
    QMap<int, SeatView> result;
    for (auto it = d->seats.constBegin(); it != d->seats.constEnd(); ++it)
        result.insert(it.key(), SeatView{it->stack, it->bet, it->folded, it->allIn, it->hole});
    return result;
}

QList<Pot> HandEngine::gatheredPots() const
{
    QMap<int, Cents> gathered;
    for (auto it = d->seats.constBegin(); it != d->seats.constEnd(); ++it)
        gathered.insert(it.key(), it->committed - it->bet);
    QList<Pot> list = buildPots(gathered, d->foldedSeats());
    if (!list.isEmpty())
        list.first().amount += d->deadMoney;
    else if (d->deadMoney > 0)
        list.append(Pot{d->deadMoney, d->live()});
    return list;
}

int HandEngine::handId() const
{
    return d->handId;
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
