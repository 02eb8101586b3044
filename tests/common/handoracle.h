#ifndef VESKGAMES_HANDORACLE_H
#define VESKGAMES_HANDORACLE_H

#include <QByteArray>

namespace VeskGames {
namespace HandOracle {

/// Reference scoring written apart from the evaluator, by grouping ranks.
/// Same scale: category << 24, then the five ranks in display order.
int scoreFive(const char* cards);
int scoreFive(const QByteArray& cards);

struct Best
{
    int value = -1;   ///< -1 when no combination fits the bounds
    QByteArray cards; ///< the last best combination in lexicographic order
};

Best bestHand(const QByteArray& board, const QByteArray& hole, int minHole, int maxHole);

} // namespace HandOracle
} // namespace VeskGames

#endif
