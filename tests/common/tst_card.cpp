#include "card.h"

#include <QSet>
#include <QTest>

using VeskGames::Card;

Q_DECLARE_METATYPE(VeskGames::Card)

namespace VeskGames {
char* toString(const Card& card)
{
    return QTest::toString(QStringLiteral("%1/%2").arg(int(card.suit())).arg(int(card.value())));
}
} // namespace VeskGames

namespace {
const char Suits[] = "cdhs";
const char Values[] = "A23456789TJQK";
const char* const SuitWords[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
const char* const ValuePrefixes[] = {"Ace_",   "_x32__", "_x33__",  "_x34__", "_x35__", "_x36__", "_x37__",
                                     "_x38__", "_x39__", "_x31_0_", "Jack_",  "Queen_", "King_"};
} // namespace

class TestCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deck_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("elementId");
        // The wire order is ace of clubs, diamonds, hearts, spades, then the twos...
        for (int byte = 1; byte <= 52; ++byte) {
            const int suit = (byte - 1) % 4;
            const int value = (byte - 1) / 4;
            const QString text = QString(QLatin1Char(Suits[suit])) + QLatin1Char(Values[value]);
            QTest::newRow(qPrintable(text))
                << byte << text << QString::fromLatin1(ValuePrefixes[value]) + QLatin1String(SuitWords[suit]);
        }
    }

    void deck()
    {
        QFETCH(int, byte);
        QFETCH(QString, text);
        QFETCH(QString, elementId);

        const Card decoded = Card::fromEncodedChar(char(byte));
        QVERIFY(decoded.isValid());
        QCOMPARE(decoded.toString(), text);
        QCOMPARE(decoded, Card(text));
        QCOMPARE(int(static_cast<unsigned char>(decoded.toEncodedChar())), byte);
        QCOMPARE(decoded.elementId(), elementId);
    }

    void specialCards_data()
    {
        QTest::addColumn<Card>("card");
        QTest::addColumn<int>("encoded");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("elementId");
        QTest::newRow("face down") << Card(Card::Back, 0) << 0x00 << true << "Card_Back";
        QTest::newRow("no card") << Card() << 0xFF << false << "";
        QTest::newRow("hearts without value") << Card(Card::Hearts, -1) << 0xFF << false << "";
        QTest::newRow("joker") << Card(Card::Joker, 3) << 12 << true << "Joker";
        QTest::newRow("suit out of range") << Card(Card::Suit(9), 0) << 8 << true << "Ace_";
        QTest::newRow("value out of range") << Card(Card::Spades, 13) << 56 << true << "";
    }

    void specialCards()
    {
        QFETCH(Card, card);
        QFETCH(int, encoded);
        QFETCH(bool, valid);
        QFETCH(QString, elementId);
        QCOMPARE(card.isValid(), valid);
        QCOMPARE(int(static_cast<unsigned char>(card.toEncodedChar())), encoded);
        QCOMPARE(card.elementId(), elementId);
    }

    void faceDownBytes()
    {
        // 0xFF comes back face down, not as "no card": both bytes decode alike.
        for (char byte : {char(0), char(0xFF)}) {
            const Card card = Card::fromEncodedChar(byte);
            QCOMPARE(card.suit(), Card::Back);
            QCOMPARE(int(card.value()), 0);
            QVERIFY(card.isValid());
            QCOMPARE(card.toEncodedChar(), char(0));
        }
    }

    void strayBytesShowNoFace()
    {
        // A byte that is no card must not make the table show a real card face.
        QSet<QString> faces;
        for (int byte = 1; byte <= 52; ++byte)
            faces.insert(Card::fromEncodedChar(char(byte)).elementId());
        QCOMPARE(faces.size(), 52);
        for (int byte = 53; byte <= 0xFF; ++byte)
            QVERIFY2(!faces.contains(Card::fromEncodedChar(char(byte)).elementId()),
                     qPrintable(QString::number(byte)));
    }

    void byteArrays()
    {
        QByteArray bytes;
        for (int byte = 52; byte >= 0; --byte)
            bytes.append(char(byte));
        bytes.append(char(0xFF));
        const QVector<Card> cards = Card::fromByteArray(bytes);
        QCOMPARE(cards.size(), bytes.size());
        QCOMPARE(cards.first(), Card(QStringLiteral("sK")));
        QCOMPARE(cards.at(52), Card(Card::Back, 0));
        QByteArray expected = bytes;
        expected.back() = 0; // 0xFF returns as a face-down card
        QCOMPARE(Card::toByteArray(cards), expected);
        QVERIFY(Card::fromByteArray(QByteArray()).isEmpty());
    }

    void textForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Card>("card");
        QTest::addColumn<QString>("message");
        QTest::newRow("ace of spades") << "sA" << Card(Card::Spades, 0) << "";
        QTest::newRow("ten of hearts") << "hT" << Card(Card::Hearts, 9) << "";
        QTest::newRow("back") << "bA" << Card(Card::Back, 0) << "";
        QTest::newRow("joker no value") << "j?" << Card(Card::Joker, -1) << "";
        QTest::newRow("too short") << "s" << Card() << "";
        QTest::newRow("too long") << "sAx" << Card() << "";
        QTest::newRow("lower-case value")
            << "sa" << Card(Card::Spades, -1) << "Card::charToValue( a ): Illegal value!";
    }

    void textForm()
    {
        QFETCH(QString, text);
        QFETCH(Card, card);
        QFETCH(QString, message);
        if (!message.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(message));
        QCOMPARE(Card(text), card);
        if (card.isValid())
            QCOMPARE(card.toString(), text);
    }

    void illegalLetters()
    {
        QTest::ignoreMessage(QtCriticalMsg, "Card::charToSuit( A ): Illegal suit!");
        QTest::ignoreMessage(QtWarningMsg, "Card::charToValue( s ): Illegal value!");
        const Card swapped(QStringLiteral("As"));
        QCOMPARE(swapped.suit(), Card::Back);
        QVERIFY(!swapped.isValid());

        QTest::ignoreMessage(QtCriticalMsg, "Card::suitToChar( 6 ): Illegal suit!");
        QCOMPARE(Card::suitToChar(Card::Suit(6)), QChar(' '));
        QTest::ignoreMessage(QtCriticalMsg, "Card::valueToChar( 13 ): Illegal value!");
        QCOMPARE(Card::valueToChar(13), QChar(' '));
        QTest::ignoreMessage(QtCriticalMsg, "Card::valueToChar( -2 ): Illegal value!");
        QCOMPARE(Card::valueToChar(-2), QChar(' '));
        QCOMPARE(Card::valueToChar(-1), QChar('?'));
    }
};

QTEST_GUILESS_MAIN(TestCard)
#include "tst_card.moc"
