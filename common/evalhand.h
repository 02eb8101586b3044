#ifndef VESKGAMES_EVALHAND_H
#define VESKGAMES_EVALHAND_H

#include "common_export.h"

#include <QByteArray>

#include <memory>

namespace VeskGames {

/// Finds the best five-card poker hand of board and hole cards under a rule on
/// how many hole cards it must use.
class COMMON_EXPORT EvalHand
{
public:
    enum handType {
        HighCard = 0,
        OnePair = 1,
        TwoPairs = 2,
        ThreeOfAKind = 3,
        Straight = 4,
        Flush = 5,
        FullHouse = 6,
        FourOfAKind = 7,
        StraightFlush = 8,
        RoyalFlush = 9
    };

    EvalHand();
    ~EvalHand();
    EvalHand(const EvalHand& other);
    EvalHand& operator=(const EvalHand& other);

    /// board and hole are encoded card bytes (0..52). Between minHole and maxHole
    /// of the five cards must come from hole: 0 and 2 for Hold'em, 2 and 2 for Omaha.
    /// value compares hands: larger is better, equal is a tie. bestCards, when
    /// given, receives the five encoded cards in display order. Returns false,
    /// leaving the outputs alone, when no five cards satisfy the bounds or a byte
    /// is not a card.
    bool Evaluate(const QByteArray& board, const QByteArray& hole, int minHole, int maxHole, int& value,
                  handType& type, QByteArray& kickers, QByteArray* bestCards = nullptr);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
