#include "evalhand.h"

#include "card.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace VeskGames {

namespace {

// The highest byte that is a card; the rank table has no room for anything else.
constexpr unsigned char MaxCardByte = 52;
constexpr int RankSlots = 15;
constexpr int HandSize = 5;

struct EvalCard
{
    char byte;        // encoded card
    signed char suit; // 0 clubs .. 3 spades (-2 for a face-down card)
    signed char rank; // 2..13, ace 14
    char hole;        // 1 for a hole card
};
static_assert(sizeof(EvalCard) == 4, "an evaluation card is four bytes");

struct Result
{
    EvalCard cards[HandSize];
    int value;
    EvalHand::handType type;
    char kickers[HandSize - 1];
    int kickerCount;
};

} // namespace

// Hidden: as a member of an exported class it would otherwise be exported too,
// and every step would become an interposable call that the compiler cannot inline.
class COMMON_NO_EXPORT EvalHand::Private
{
public:
    std::vector<EvalCard> pool;
    // An ordered map from hand value to result, best first, kept flat so that
    // repeated evaluations reuse its storage instead of allocating nodes.
    std::vector<Result> results;

    int rankCounts[RankSlots] = {};
    EvalCard hand[HandSize] = {};
    int handValue = 0;
    handType type = HighCard;
    char kickers[HandSize - 1] = {};
    int kickerCount = 0;

    bool straightComputed = false;
    bool straightResult = false;
    bool flushComputed = false;
    bool flushResult = false;

    void storeResult();
    void EvaluateHand();
    bool IsFlush();
    bool IsStraight();
    bool IsStraightFlush();
    bool IsRoyalFlush();
    bool IsFourOfAKind();
    bool IsFullHouse();
    bool IsThreeOfAKind();
    bool IsTwoPair();
    bool IsPair();
    void SetHandValue();
    void SwapCards(int a, int b);
    int Contains(int count, int above) const;

    void setKickers(int from);
    // Made cards (the given ranks) to the front, each put before the previous
    // one, the rest behind in their order.
    void moveRanksToFront(int first, int second);
};

EvalHand::EvalHand() : d(std::make_unique<Private>()) {}

EvalHand::~EvalHand() = default;

EvalHand::EvalHand(const EvalHand& other) : d(std::make_unique<Private>(*other.d)) {}

EvalHand& EvalHand::operator=(const EvalHand& other)
{
    if (this != &other)
        *d = *other.d;
    return *this;
}

bool EvalHand::Evaluate(const QByteArray& board, const QByteArray& hole, int minHole, int maxHole, int& value,
                        handType& type, QByteArray& kickers, QByteArray* bestCards)
{
    d->pool.clear();
    d->pool.reserve(board.size() + hole.size());
    for (int part = 0; part < 2; ++part) {
        for (char byte : part == 0 ? board : hole) {
            // A byte past the last card would index past the rank table.
            if (static_cast<unsigned char>(byte) > MaxCardByte)
                return false;
            const Card card = Card::fromEncodedChar(byte);
            EvalCard ec;
            ec.byte = byte;
            ec.suit = static_cast<signed char>(int(card.suit()) - 2);
            ec.rank = static_cast<signed char>(card.value() == 0 ? 14 : card.value() + 1);
            ec.hole = static_cast<char>(part);
            d->pool.push_back(ec);
        }
    }

    const int n = int(d->pool.size());
    if (n < HandSize)
        return false;

    d->results.clear();
    const EvalCard* pool = d->pool.data();
    for (int i = 0; i < n - 4; ++i) {
        for (int j = i + 1; j < n - 3; ++j) {
            for (int k = j + 1; k < n - 2; ++k) {
                for (int l = k + 1; l < n - 1; ++l) {
                    for (int m = l + 1; m < n; ++m) {
                        const int holeCount =
                            pool[i].hole + pool[j].hole + pool[k].hole + pool[l].hole + pool[m].hole;
                        if (holeCount < minHole || holeCount > maxHole)
                            continue;
                        d->hand[0] = pool[i];
                        d->hand[1] = pool[j];
                        d->hand[2] = pool[k];
                        d->hand[3] = pool[l];
                        d->hand[4] = pool[m];
                        d->handValue = 0;
                        d->type = HighCard;
                        d->kickerCount = 0;
                        d->EvaluateHand();
                        d->storeResult();
                    }
                }
            }
        }
    }

    if (d->results.empty())
        return false;

    const Result& best = d->results.front();
    value = best.value;
    type = best.type;
    // Resizing keeps the callers' buffers, where clear() would free them.
    kickers.resize(best.kickerCount);
    std::memcpy(kickers.data(), best.kickers, best.kickerCount);
    if (bestCards) {
        bestCards->resize(HandSize);
        for (int i = 0; i < HandSize; ++i)
            (*bestCards)[i] = best.cards[i].byte;
    }
    return true;
}

void EvalHand::Private::storeResult()
{
    Result r;
    std::memcpy(r.cards, hand, sizeof hand);
    r.value = handValue;
    r.type = type;
    std::memcpy(r.kickers, kickers, sizeof kickers);
    r.kickerCount = kickerCount;

    // Descending by value; an equal value replaces the stored one, so the last
    // equally valued combination wins.
    auto it = std::lower_bound(results.begin(), results.end(), handValue,
                               [](const Result& stored, int v) { return stored.value > v; });
    if (it != results.end() && it->value == handValue)
        *it = r;
    else
        results.insert(it, r);
}

void EvalHand::Private::EvaluateHand()
{
    // Stable insertion sort, highest rank first.
    for (int i = 1; i < HandSize; ++i) {
        const EvalCard card = hand[i];
        int j = i;
        while (j > 0 && hand[j - 1].rank < card.rank) {
            hand[j] = hand[j - 1];
            --j;
        }
        hand[j] = card;
    }

    std::memset(rankCounts, 0, sizeof rankCounts);
    for (const EvalCard& card : hand) {
        if (card.rank > 0)
            ++rankCounts[int(card.rank)];
    }
    straightComputed = straightResult = flushComputed = flushResult = false;

    if (IsRoyalFlush()) {
        type = RoyalFlush;
    } else if (IsStraightFlush()) {
        type = StraightFlush;
    } else if (IsFourOfAKind()) {
        type = FourOfAKind;
        setKickers(4);
    } else if (IsFullHouse()) {
        type = FullHouse;
    } else if (IsFlush()) {
        type = Flush;
    } else if (IsStraight()) {
        type = Straight;
    } else if (IsThreeOfAKind()) {
        type = ThreeOfAKind;
        setKickers(3);
    } else if (IsTwoPair()) {
        type = TwoPairs;
        setKickers(4);
    } else if (IsPair()) {
        type = OnePair;
        setKickers(2);
    } else {
        type = HighCard;
        setKickers(1);
    }
    SetHandValue();
}

void EvalHand::Private::setKickers(int from)
{
    kickerCount = 0;
    for (int i = from; i < HandSize; ++i)
        kickers[kickerCount++] = hand[i].byte;
}

bool EvalHand::Private::IsFlush()
{
    if (!flushComputed) {
        flushComputed = true;
        flushResult = true;
        for (int i = 1; i < HandSize; ++i) {
            if (hand[i].suit != hand[0].suit) {
                flushResult = false;
                break;
            }
        }
    }
    return flushResult;
}

bool EvalHand::Private::IsStraight()
{
    if (straightComputed)
        return straightResult;
    straightComputed = true;
    if (hand[0].rank == 14 && hand[4].rank == 2) {
        // The wheel: the ace plays low and goes last.
        straightResult = hand[3].rank == 3 && hand[2].rank == 4 && hand[1].rank == 5;
        if (straightResult) {
            SwapCards(0, 4);
            SwapCards(0, 3);
            SwapCards(0, 2);
            SwapCards(0, 1);
        }
        return straightResult;
    }
    straightResult = true;
    for (int i = 1; i < HandSize; ++i) {
        if (hand[i].rank != hand[i - 1].rank - 1) {
            straightResult = false;
            break;
        }
    }
    return straightResult;
}

bool EvalHand::Private::IsStraightFlush()
{
    return IsFlush() && IsStraight();
}

bool EvalHand::Private::IsRoyalFlush()
{
    return IsFlush() && IsStraight() && hand[0].rank == 14;
}

bool EvalHand::Private::IsFourOfAKind()
{
    const int rank = Contains(4, 0);
    if (!rank)
        return false;
    moveRanksToFront(rank, 0);
    return true;
}

bool EvalHand::Private::IsFullHouse()
{
    const int three = Contains(3, 0);
    const int pair = Contains(2, 0);
    if (!three || !pair)
        return false;
    // With five cards the pair is all that is left behind the three.
    moveRanksToFront(three, 0);
    return true;
}

bool EvalHand::Private::IsThreeOfAKind()
{
    const int rank = Contains(3, 0);
    if (!rank)
        return false;
    moveRanksToFront(rank, 0);
    return true;
}

bool EvalHand::Private::IsTwoPair()
{
    const int low = Contains(2, 0);
    if (!low)
        return false;
    const int high = Contains(2, low);
    if (!high)
        return false;
    moveRanksToFront(high, low);
    return true;
}

bool EvalHand::Private::IsPair()
{
    const int rank = Contains(2, 0);
    if (!rank)
        return false;
    moveRanksToFront(rank, 0);
    return true;
}

void EvalHand::Private::moveRanksToFront(int first, int second)
{
    // Same order as building the list by prepending each made card: within a
    // group the cards come out reversed, the first group ahead of the second.
    EvalCard firstGroup[HandSize];
    EvalCard secondGroup[HandSize];
    EvalCard rest[HandSize];
    int nFirst = 0, nSecond = 0, nRest = 0;
    for (const EvalCard& card : hand) {
        if (card.rank == first)
            firstGroup[nFirst++] = card;
        else if (second && card.rank == second)
            secondGroup[nSecond++] = card;
        else
            rest[nRest++] = card;
    }
    int pos = 0;
    for (int i = nFirst - 1; i >= 0; --i)
        hand[pos++] = firstGroup[i];
    for (int i = nSecond - 1; i >= 0; --i)
        hand[pos++] = secondGroup[i];
    for (int i = 0; i < nRest; ++i)
        hand[pos++] = rest[i];
}

void EvalHand::Private::SetHandValue()
{
    handValue = int(type) << 24;
    for (int i = 0; i < HandSize; ++i)
        handValue |= int(hand[i].rank) << (20 - 4 * i);
}

void EvalHand::Private::SwapCards(int a, int b)
{
    std::swap(hand[a], hand[b]);
}

int EvalHand::Private::Contains(int count, int above) const
{
    // Only the hand's own ranks can have a count, so five looks replace thirteen.
    const int floor = std::max(above + 1, 2);
    int found = RankSlots;
    for (const EvalCard& card : hand) {
        const int rank = card.rank;
        if (rank >= floor && rank < found && rankCounts[rank] == count)
            found = rank;
    }
    return found == RankSlots ? 0 : found;
}

} // namespace VeskGames
