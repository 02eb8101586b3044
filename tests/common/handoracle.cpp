#include "handoracle.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace VeskGames {
namespace HandOracle {

int scoreFive(const QByteArray& cards)
{
    return scoreFive(cards.constData());
}

int scoreFive(const char* cards)
{
    int count[15] = {};
    bool flush = true;
    for (int i = 0; i < 5; ++i) {
        const int n = static_cast<unsigned char>(cards[i]) - 1;
        const int rank = n / 4 == 0 ? 14 : n / 4 + 1;
        ++count[rank];
        flush = flush && n % 4 == (static_cast<unsigned char>(cards[0]) - 1) % 4;
    }

    // (count, rank): most frequent first, higher rank first among equals.
    std::pair<int, int> groups[5];
    int groupCount = 0;
    for (int rank = 14; rank >= 2; --rank) {
        if (count[rank])
            groups[groupCount++] = {count[rank], rank};
    }
    for (int i = 1; i < groupCount; ++i) {
        for (int j = i; j > 0 && groups[j - 1] < groups[j]; --j)
            std::swap(groups[j - 1], groups[j]);
    }

    const bool distinct = groupCount == 5;
    const bool wheel = distinct && groups[0].second == 14 && groups[1].second == 5;
    const bool straight = distinct && (groups[0].second - groups[4].second == 4 || wheel);

    int ranks[5];
    if (wheel) {
        const int low[] = {5, 4, 3, 2, 14};
        std::copy(low, low + 5, ranks);
    } else {
        int i = 0;
        for (int g = 0; g < groupCount; ++g) {
            for (int n = 0; n < groups[g].first; ++n)
                ranks[i++] = groups[g].second;
        }
    }

    int category = 0;
    if (straight && flush)
        category = ranks[0] == 14 ? 9 : 8;
    else if (groups[0].first == 4)
        category = 7;
    else if (groups[0].first == 3 && groups[1].first == 2)
        category = 6;
    else if (flush)
        category = 5;
    else if (straight)
        category = 4;
    else if (groups[0].first == 3)
        category = 3;
    else if (groups[0].first == 2 && groups[1].first == 2)
        category = 2;
    else if (groups[0].first == 2)
        category = 1;

    int value = category;
    for (int rank : ranks)
        value = value * 16 + rank;
    return value * 16;
}

Best bestHand(const QByteArray& board, const QByteArray& hole, int minHole, int maxHole)
{
    const QByteArray pool = board + hole;
    Best best;
    if (pool.size() < 5)
        return best;

    // A 0/1 mask walked by prev_permutation lists the index tuples in lexicographic order.
    std::vector<char> chosen(pool.size(), 0);
    std::fill(chosen.begin(), chosen.begin() + 5, 1);
    do {
        char cards[5];
        int picked = 0;
        int holeCards = 0;
        for (int i = 0; i < pool.size(); ++i) {
            if (chosen[i]) {
                cards[picked++] = pool[i];
                holeCards += i >= board.size();
            }
        }
        if (holeCards < minHole || holeCards > maxHole)
            continue;
        const int value = scoreFive(cards);
        if (value >= best.value) {
            best.value = value;
            best.cards = QByteArray(cards, 5);
        }
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return best;
}

} // namespace HandOracle
} // namespace VeskGames
