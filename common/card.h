#ifndef VESKGAMES_CARD_H
#define VESKGAMES_CARD_H

#include "common_export.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QVector>

namespace VeskGames {

/// One playing card. On the wire a card is one byte: 0 for a face-down card,
/// otherwise 4 * value + suit - 1 (1 = ace of clubs ... 52 = king of spades).
class COMMON_EXPORT Card
{
public:
    // Fixed width: decoding stray bytes yields suits outside the named ones.
    enum Suit : int {
        Back = 0, ///< a face-down card
        Joker = 1,
        Clubs = 2,
        Diamonds = 3,
        Hearts = 4,
        Spades = 5
    };

    /// An invalid card (value -1).
    Card() = default;
    /// value: 0 = ace, 1..8 = two..nine, 9 = ten, 10 = jack, 11 = queen, 12 = king, -1 = none.
    Card(Suit suit, char value);
    /// Two letters, suit first ("sA", "hT"); any other length gives an invalid card.
    explicit Card(const QString& text);

    Suit suit() const { return m_suit; }
    void setSuit(Suit suit) { m_suit = suit; }
    char value() const { return m_value; }
    void setValue(char value) { m_value = value; }
    bool isValid() const { return static_cast<unsigned char>(m_value) != 0xFF; }

    char toEncodedChar() const;
    static Card fromEncodedChar(char c);
    static QByteArray toByteArray(const QVector<Card>& cards);
    static QVector<Card> fromByteArray(const QByteArray& bytes);

    /// The two-letter form, e.g. "sA".
    QString toString() const;

    static QChar suitToChar(Suit suit);
    static Suit charToSuit(QChar c);
    static QChar valueToChar(char value);
    static char charToValue(QChar c);

    /// Id of the card's face in the card SVG images; empty for a card without value.
    QString elementId() const;

    bool operator==(const Card& other) const { return m_suit == other.m_suit && m_value == other.m_value; }
    bool operator!=(const Card& other) const { return !(*this == other); }

private:
    Suit m_suit = Back;
    char m_value = -1;
};

} // namespace VeskGames

#endif
