#include "card.h"
#include "evalhand.h"
#include "handoracle.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <random>

using VeskGames::Card;
using VeskGames::EvalHand;
namespace HandOracle = VeskGames::HandOracle;

namespace {
QByteArray cards(const QString& text)
{
    QByteArray bytes;
    for (const QString& card : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        bytes.append(Card(card).toEncodedChar());
    return bytes;
}

QByteArray sorted(QByteArray bytes)
{
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

// Kicker bytes per category: the cards behind the made ones.
int kickerCount(int category)
{
    static const int counts[] = {4, 3, 1, 2, 0, 0, 0, 1, 0, 0};
    return counts[category];
}

// What differs from the reference, or nothing.
QString compare(const HandOracle::Best& expected, int value, int type, const QByteArray& kickers,
                const QByteArray& best)
{
    if (value != expected.value)
        return QStringLiteral("value %1, expected %2").arg(value, 0, 16).arg(expected.value, 0, 16);
    if (type != value >> 24)
        return QStringLiteral("type %1").arg(type);
    if (sorted(best) != sorted(expected.cards))
        return QStringLiteral("cards %1, expected %2")
            .arg(QLatin1String(best.toHex()), QLatin1String(expected.cards.toHex()));
    // Display order: the five cards carry the ranks in the value's order.
    for (int i = 0; i < 5; ++i) {
        const int n = static_cast<unsigned char>(best[i]) - 1;
        if ((n / 4 == 0 ? 14 : n / 4 + 1) != ((value >> (20 - 4 * i)) & 0xF))
            return QStringLiteral("display order %1").arg(QLatin1String(best.toHex()));
    }
    if (kickers != best.right(kickerCount(type)))
        return QStringLiteral("kickers %1").arg(QLatin1String(kickers.toHex()));
    return QString();
}

#ifndef ORACLE_DEALS
#define ORACLE_DEALS 100000
#endif

// Sanitizer builds lower the default; VESK_ORACLE_DEALS overrides it.
int dealCount()
{
    bool ok = false;
    const int deals = qEnvironmentVariableIntValue("VESK_ORACLE_DEALS", &ok);
    return ok && deals > 0 ? deals : ORACLE_DEALS;
}
} // namespace

class TestEvalHand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void examples_data()
    {
        QTest::addColumn<QByteArray>("board");
        QTest::addColumn<QByteArray>("hole");
        QTest::addColumn<int>("minHole");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("best");
        QTest::addColumn<QByteArray>("kickers");

        // Hold'em bounds are 0..2 hole cards, Omaha 2..2.
        QTest::newRow("wheel") << cards("c5 d4 h3 sK sQ") << cards("sA c2") << 0 << true
                               << int(EvalHand::Straight) << 0x045432E0 << cards("c5 d4 h3 c2 sA")
                               << QByteArray();
        QTest::newRow("six-high straight")
            << cards("c5 d4 h3 s6 sQ") << cards("sA c2") << 0 << true << int(EvalHand::Straight) << 0x04654320
            << cards("s6 c5 d4 h3 c2") << QByteArray();
        QTest::newRow("royal flush") << cards("sA sK sQ sJ sT") << cards("h2 d3") << 0 << true
                                     << int(EvalHand::RoyalFlush) << 0x09EDCBA0 << cards("sA sK sQ sJ sT")
                                     << QByteArray();
        QTest::newRow("steel wheel") << cards("h5 h4 h3 h2 cK") << cards("hA dK") << 0 << true
                                     << int(EvalHand::StraightFlush) << 0x085432E0 << cards("h5 h4 h3 h2 hA")
                                     << QByteArray();
        QTest::newRow("four of a kind")
            << cards("c9 d9 h9 s9 c2") << cards("hA d3") << 0 << true << int(EvalHand::FourOfAKind)
            << 0x079999E0 << cards("s9 h9 d9 c9 hA") << cards("hA");
        QTest::newRow("full house") << cards("hK sK d7 c7 h7") << cards("c2 d3") << 0 << true
                                    << int(EvalHand::FullHouse) << 0x06777DD0 << cards("h7 c7 d7 hK sK")
                                    << QByteArray();
        QTest::newRow("two pairs") << cards("hK sK d7 c7 h3") << cards("c2 d2") << 0 << true
                                   << int(EvalHand::TwoPairs) << 0x02DD7730 << cards("sK hK c7 d7 h3")
                                   << cards("h3");
        QTest::newRow("three of a kind")
            << cards("h8 s8 d8 cQ h3") << cards("c2 dA") << 0 << true << int(EvalHand::ThreeOfAKind)
            << 0x03888EC0 << cards("d8 s8 h8 dA cQ") << cards("dA cQ");
        QTest::newRow("one pair") << cards("h8 s8 d2 cQ h3") << cards("c6 dA") << 0 << true
                                  << int(EvalHand::OnePair) << 0x0188EC60 << cards("s8 h8 dA cQ c6")
                                  << cards("dA cQ c6");
        QTest::newRow("high card") << cards("h8 s9 d2 cQ h3") << cards("c6 dA") << 0 << true
                                   << int(EvalHand::HighCard) << 0x00EC9860 << cards("dA cQ s9 h8 c6")
                                   << cards("cQ s9 h8 c6");
        // The last of equal combinations wins: the ace of clubs replaces the two before it.
        QTest::newRow("board plays") << cards("sA hK dQ cJ sT") << cards("dA cA") << 0 << true
                                     << int(EvalHand::Straight) << 0x04EDCBA0 << cards("cA hK dQ cJ sT")
                                     << QByteArray();
        QTest::newRow("holdem one spade")
            << cards("s2 s7 s9 sJ hK") << cards("sA dQ c3 h4") << 0 << true << int(EvalHand::Flush)
            << 0x05EB9720 << cards("sA sJ s9 s7 s2") << QByteArray();
        QTest::newRow("omaha one spade")
            << cards("s2 s7 s9 sJ hK") << cards("sA dQ c3 h4") << 2 << true << int(EvalHand::HighCard)
            << 0x00EDCB90 << cards("sA hK dQ sJ s9") << cards("hK dQ sJ s9");
        QTest::newRow("omaha two spades")
            << cards("s2 s7 s9 sJ hK") << cards("sA sQ c3 h4") << 2 << true << int(EvalHand::Flush)
            << 0x05ECB970 << cards("sA sQ sJ s9 s7") << QByteArray();
        QTest::newRow("four cards") << cards("sA sK") << cards("h2 d3") << 0 << false << 0 << 0
                                    << QByteArray() << QByteArray();
        QTest::newRow("omaha one hole card")
            << cards("s2 s7 s9 sJ hK") << cards("sA") << 2 << false << 0 << 0 << QByteArray() << QByteArray();
        QTest::newRow("byte 53") << cards("s2 s7 s9 sJ") + char(53) << cards("sA dQ") << 0 << false << 0 << 0
                                 << QByteArray() << QByteArray();
        QTest::newRow("byte 0xFF") << cards("s2 s7 s9 sJ hK") << cards("sA") + char(0xFF) << 0 << false << 0
                                   << 0 << QByteArray() << QByteArray();
        QTest::newRow("byte 0x80") << cards("s2 s7 s9 sJ hK") << cards("sA") + char(0x80) << 0 << false << 0
                                   << 0 << QByteArray() << QByteArray();
    }

    void examples()
    {
        QFETCH(QByteArray, board);
        QFETCH(QByteArray, hole);
        QFETCH(int, minHole);
        QFETCH(bool, ok);

        // Sentinels show whether a failed call left the outputs alone.
        int value = -7;
        EvalHand::handType type = EvalHand::FullHouse;
        QByteArray kickers("k");
        QByteArray best("b");
        EvalHand eval;
        QCOMPARE(eval.Evaluate(board, hole, minHole, 2, value, type, kickers, &best), ok);
        if (!ok) {
            QCOMPARE(value, -7);
            QCOMPARE(type, EvalHand::FullHouse);
            QCOMPARE(kickers, QByteArray("k"));
            QCOMPARE(best, QByteArray("b"));
            return;
        }
        QTEST(int(type), "type");
        QTEST(value, "value");
        QTEST(best, "best");
        QTEST(kickers, "kickers");

        // A copy carries on where the original stands, and reuse gives the same answer.
        EvalHand copy(eval);
        int again = 0;
        QVERIFY(copy.Evaluate(board, hole, minHole, 2, again, type, kickers, nullptr));
        QCOMPARE(again, value);
    }

    void oracle_data()
    {
        QTest::addColumn<int>("holeCards");
        QTest::addColumn<int>("minHole");
        QTest::addColumn<int>("maxHole");
        QTest::addColumn<uint>("seed");
        QTest::newRow("holdem") << 2 << 0 << 2 << 20240601u;
        QTest::newRow("omaha") << 4 << 2 << 2 << 19680407u;
    }

    void oracle()
    {
        QFETCH(int, holeCards);
        QFETCH(int, minHole);
        QFETCH(int, maxHole);
        QFETCH(uint, seed);

        std::mt19937 random(seed);
        QByteArray deck;
        for (int byte = 1; byte <= 52; ++byte)
            deck.append(char(byte));

        EvalHand eval;
        const int deals = dealCount();
        int ties = 0;
        int categories[10] = {};
        for (int deal = 0; deal < deals; ++deal) {
            std::shuffle(deck.begin(), deck.end(), random);
            // Showdowns happen from the flop on, so boards of three to five cards.
            const QByteArray board = deck.left(3 + deal % 3);
            int values[2];
            for (int player = 0; player < 2; ++player) {
                const QByteArray hole = deck.mid(5 + player * holeCards, holeCards);
                const HandOracle::Best expected = HandOracle::bestHand(board, hole, minHole, maxHole);

                int value = 0;
                EvalHand::handType type = EvalHand::HighCard;
                QByteArray kickers;
                QByteArray best;
                QVERIFY(eval.Evaluate(board, hole, minHole, maxHole, value, type, kickers, &best));
                const QString fault = compare(expected, value, type, kickers, best);
                QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("deal %1 board %2 hole %3: %4")
                                                         .arg(deal)
                                                         .arg(QLatin1String(board.toHex()),
                                                              QLatin1String(hole.toHex()), fault)));
                values[player] = value;
                ++categories[type];
            }
            ties += values[0] == values[1];
        }
        // The deals must reach every category and produce ties, or the comparison proves little.
        if (deals >= 100000) {
            for (int category = 0; category < 9; ++category)
                QVERIFY2(categories[category] > 0, qPrintable(QString::number(category)));
            QVERIFY(ties > 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestEvalHand)
#include "tst_evalhand.moc"
