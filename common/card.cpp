#include "card.h"
#include "commonlogging.h"

#include <QtGlobal>

namespace VeskGames {

namespace {
// Letters indexed by suit and by value + 1.
constexpr char SuitLetters[] = "bjcdhs";
constexpr char ValueLetters[] = "?A23456789TJQK";

// The value is a signed byte whatever the platform's char is.
int signedValue(char value)
{
    return static_cast<signed char>(value);
}
} // namespace

Card::Card(Suit suit, char value) : m_suit(suit), m_value(value) {}

Card::Card(const QString& text)
{
    if (text.size() != 2)
        return;
    m_suit = charToSuit(text.at(0));
    m_value = charToValue(text.at(1));
}

char Card::toEncodedChar() const
{
    if (!isValid())
        return static_cast<char>(0xFF);
    if (m_suit == Back)
        return 0;
    // Jokers encode as 4 * value; they never travel, so that is never decoded.
    return static_cast<char>(4 * signedValue(m_value) + int(m_suit) - 1);
}

Card Card::fromEncodedChar(char c)
{
    const int b = static_cast<signed char>(c);
    if (b == 0)
        return Card(Back, 0);
    // Truncating division makes 0xFF (-1) come out as suit 0, value 0: face down.
    const int n = b - 1;
    return Card(static_cast<Suit>(n % 4 + 2), static_cast<char>(n / 4));
}

QByteArray Card::toByteArray(const QVector<Card>& cards)
{
    QByteArray bytes;
    bytes.reserve(cards.size());
    for (const Card& card : cards)
        bytes.append(card.toEncodedChar());
    return bytes;
}

QVector<Card> Card::fromByteArray(const QByteArray& bytes)
{
    QVector<Card> cards;
    cards.reserve(bytes.size());
    for (char c : bytes)
        cards.append(fromEncodedChar(c));
    return cards;
}

QString Card::toString() const
{
    return QString(suitToChar(m_suit)) + valueToChar(m_value);
}

QChar Card::suitToChar(Suit suit)
{
    const int s = int(suit);
    if (s < 0 || s > 5) {
        // Reported loudly but not fatal: a bad letter must not end the client.
        qCCritical(lcCards, "Card::suitToChar( %d ): Illegal suit!", s);
        return QLatin1Char(' ');
    }
    return QLatin1Char(SuitLetters[s]);
}

Card::Suit Card::charToSuit(QChar c)
{
    for (int s = 0; s < 6; ++s) {
        if (c == QLatin1Char(SuitLetters[s]))
            return static_cast<Suit>(s);
    }
    qCCritical(lcCards, "Card::charToSuit( %c ): Illegal suit!", c.toLatin1());
    return Back;
}

QChar Card::valueToChar(char value)
{
    const int v = signedValue(value);
    if (v < -1 || v > 12) {
        qCCritical(lcCards, "Card::valueToChar( %d ): Illegal value!", v);
        return QLatin1Char(' ');
    }
    return QLatin1Char(ValueLetters[v + 1]);
}

char Card::charToValue(QChar c)
{
    for (int v = -1; v <= 12; ++v) {
        if (c == QLatin1Char(ValueLetters[v + 1]))
            return static_cast<char>(v);
    }
    qCWarning(lcCards, "Card::charToValue( %c ): Illegal value!", c.toLatin1());
    return -1;
}

QString Card::elementId() const
{
    const int v = signedValue(m_value);
    if (v == -1)
        return QString();
    if (m_suit == Back)
        return QStringLiteral("Card_Back");
    if (m_suit == Joker)
        return QStringLiteral("Joker");

    QString word;
    switch (m_suit) {
    case Clubs:
        word = QStringLiteral("Clubs");
        break;
    case Diamonds:
        word = QStringLiteral("Diamonds");
        break;
    case Hearts:
        word = QStringLiteral("Hearts");
        break;
    case Spades:
        word = QStringLiteral("Spades");
        break;
    default:
        break; // an out-of-range suit still names the value, with no suit word
    }

    // These are the ids the SVG editor generated for names starting with a digit.
    if (v == 0)
        return QStringLiteral("Ace_") + word;
    if (v >= 1 && v <= 8)
        return QStringLiteral("_x3%1__%2").arg(v + 1).arg(word);
    switch (v) {
    case 9:
        return QStringLiteral("_x31_0_") + word;
    case 10:
        return QStringLiteral("Jack_") + word;
    case 11:
        return QStringLiteral("Queen_") + word;
    case 12:
        return QStringLiteral("King_") + word;
    default:
        return QString();
    }
}

} // namespace VeskGames
