#include "besthands.h"

#include "carditem.h"
#include "evalhand.h"

namespace VeskGames {

void BestHands::mark(const QVector<CardItem*>& board, const QList<QVector<CardItem*>>& hands, bool omaha)
{
    for (CardItem* card : board)
        card->setBestCard(false);
    QByteArray boardCodes;
    for (CardItem* card : board)
        boardCodes.append(card->card().toEncodedChar());
    int best = -1;
    QList<CardItem*> highlighted;
    for (const QVector<CardItem*>& cards : hands) {
        if (cards.isEmpty() || cards.first()->card().suit() == Card::Back)
            continue;
        QByteArray hole;
        for (CardItem* card : cards)
            hole.append(card->card().toEncodedChar());
        EvalHand eval;
        int value = 0;
        EvalHand::handType type = EvalHand::HighCard;
        QByteArray kickers;
        QByteArray five;
        // Omaha plays exactly two of the hand; Hold'em any number up to two.
        if (!eval.Evaluate(boardCodes, hole, omaha ? 2 : 0, 2, value, type, kickers, &five))
            continue;
        if (value < best)
            continue;
        if (value > best) {
            for (CardItem* card : std::as_const(highlighted))
                card->setBestCard(false);
            highlighted.clear();
            best = value;
        }
        QList<CardItem*> pool(board.begin(), board.end());
        pool += QList<CardItem*>(cards.begin(), cards.end());
        for (char code : five) {
            for (CardItem* card : std::as_const(pool)) {
                if (card->card().toEncodedChar() == code) {
                    card->setBestCard(true);
                    highlighted.append(card);
                    break;
                }
            }
        }
    }
}

} // namespace VeskGames
