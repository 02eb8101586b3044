#ifndef VESKGAMES_BESTHANDS_H
#define VESKGAMES_BESTHANDS_H

#include <QList>
#include <QVector>

namespace VeskGames {

class CardItem;

/// Marks the cards of the best hand shown, every one of them on a tie.
class BestHands
{
public:
    /// \a hands: each seat's cards; seats whose cards are still face down are passed over.
    static void mark(const QVector<CardItem*>& board, const QList<QVector<CardItem*>>& hands, bool omaha);
};

} // namespace VeskGames

#endif
