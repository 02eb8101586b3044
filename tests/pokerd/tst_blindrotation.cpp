#include "blindrotation.h"

#include <QTest>

using namespace Pokerd;

namespace {

/// "B<button> S<small> b<big> d<dealt seats>", then " p<seat>" for each seat
/// posting blinds it owes; "-" when there is no hand.
QString describe(const BlindRotation::Hand& hand)
{
    if (hand.dealtIn.isEmpty())
        return QStringLiteral("-");
    QString dealt;
    for (int seat : hand.dealtIn)
        dealt += QString::number(seat);
    QString text = QStringLiteral("B%1 S%2 b%3 d%4")
                       .arg(hand.blinds.button)
                       .arg(hand.blinds.smallBlind)
                       .arg(hand.blinds.bigBlind)
                       .arg(dealt);
    for (auto it = hand.blinds.livePosts.constBegin(); it != hand.blinds.livePosts.constEnd(); ++it) {
        text += QStringLiteral(" p%1").arg(it.key());
        if (hand.blinds.deadPosts.value(it.key()) != 50 || it.value() != 100)
            text += QStringLiteral("(wrong amounts)");
    }
    return text;
}

} // namespace

class TestBlindRotation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handAfterHand_data()
    {
        // One string per hand, one letter per seat: R ready, A away, N sits
        // down now, L leaves now, . empty.
        QTest::addColumn<QStringList>("seats");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("heads-up: the button posts the small blind")
            << QStringList{"RR", "RR", "RR"} << QStringList{"B0 S0 b1 d01", "B1 S1 b0 d01", "B0 S0 b1 d01"};
        QTest::newRow("three to two: the big blind is not paid twice")
            << QStringList{"RRR", "LRR"} << QStringList{"B0 S1 b2 d012", "B2 S2 b1 d12"};
        QTest::newRow("a newcomer waits for the big blind")
            << QStringList{"R.RR", "RNRR", "RRRR"}
            << QStringList{"B0 S2 b3 d023", "B2 S3 b0 d023", "B3 S0 b1 d0123"};
        QTest::newRow("a newcomer starts a game at once")
            << QStringList{"R.", "RN"} << QStringList{"-", "B0 S0 b1 d01"};
        QTest::newRow("missed the big blind: posts on coming back")
            << QStringList{"RRRR", "RRRA", "RRRR", "RRRR"}
            << QStringList{"B0 S1 b2 d0123", "B1 S2 b0 d012", "B3 S0 b1 d0123 p3", "B0 S1 b2 d0123"};
        QTest::newRow("back as the big blind comes: owes nothing")
            << QStringList{"RRRR", "ARRR", "RRRR"}
            << QStringList{"B0 S1 b2 d0123", "B1 S2 b3 d123", "B2 S3 b0 d0123"};
        QTest::newRow("owing in the small blind's place: one hand more out")
            << QStringList{"RRRR", "ARRR", "ARRR", "RLRR", "R.RR"}
            << QStringList{"B0 S1 b2 d0123", "B1 S2 b3 d123", "B2 S3 b1 d123", "B3 S3 b2 d23",
                           "B0 S2 b3 d023 p0"};
        QTest::newRow("a seat taken over again owes nothing of the last player")
            << QStringList{"RRRR", "RRRA", "RRRL", "RRRN", "RRRR"}
            << QStringList{"B0 S1 b2 d0123", "B1 S2 b0 d012", "B2 S0 b1 d012", "B0 S1 b2 d012",
                           "B1 S2 b3 d0123"};
    }

    void handAfterHand()
    {
        QFETCH(QStringList, seats);
        QFETCH(QStringList, expected);
        BlindRotation rotation(50, 100);
        QStringList hands;
        for (const QString& step : std::as_const(seats)) {
            QMap<int, BlindRotation::SeatState> states;
            for (int seat = 0; seat < step.size(); ++seat) {
                const QChar c = step.at(seat);
                if (c == QLatin1Char('N'))
                    rotation.seatTaken(seat);
                if (c == QLatin1Char('L'))
                    rotation.seatFreed(seat);
                if (c == QLatin1Char('R') || c == QLatin1Char('N'))
                    states.insert(seat, BlindRotation::Ready);
                if (c == QLatin1Char('A'))
                    states.insert(seat, BlindRotation::Away);
            }
            hands.append(describe(rotation.next(states)));
        }
        QCOMPARE(hands, expected);
    }

    void nobodyPaysTheBigBlindTwiceInARow()
    {
        // Players come, go and step away at random; the big blind never stays put.
        BlindRotation rotation(50, 100);
        std::srand(7);
        QMap<int, BlindRotation::SeatState> seats{{0, BlindRotation::Ready}, {3, BlindRotation::Ready}};
        int lastBig = -1;
        int hands = 0;
        for (int i = 0; i < 5000; ++i) {
            const int seat = std::rand() % 6;
            switch (std::rand() % 6) {
            case 0:
                if (!seats.contains(seat)) {
                    rotation.seatTaken(seat);
                    seats.insert(seat, BlindRotation::Ready);
                }
                break;
            case 1:
                if (seats.remove(seat))
                    rotation.seatFreed(seat);
                break;
            case 2:
                if (seats.contains(seat))
                    seats[seat] = seats.value(seat) == BlindRotation::Ready ? BlindRotation::Away
                                                                            : BlindRotation::Ready;
                break;
            default:
                break;
            }
            const BlindRotation::Hand hand = rotation.next(seats);
            if (hand.dealtIn.isEmpty()) {
                lastBig = -1;
                continue;
            }
            ++hands;
            const Blinds& b = hand.blinds;
            QVERIFY(hand.dealtIn.contains(b.button) && hand.dealtIn.contains(b.smallBlind) &&
                    hand.dealtIn.contains(b.bigBlind));
            QVERIFY(b.smallBlind != b.bigBlind);
            QCOMPARE(b.button == b.smallBlind, hand.dealtIn.size() == 2);
            for (int s : hand.dealtIn)
                QCOMPARE(seats.value(s, BlindRotation::Away), BlindRotation::Ready);
            QVERIFY(!b.livePosts.contains(b.smallBlind) && !b.livePosts.contains(b.bigBlind));
            if (lastBig >= 0 && hand.dealtIn.size() > 1)
                QVERIFY2(b.bigBlind != lastBig, qPrintable(QString::number(i)));
            lastBig = b.bigBlind;
        }
        QVERIFY(hands > 1000);
    }
};

QTEST_GUILESS_MAIN(TestBlindRotation)
#include "tst_blindrotation.moc"
