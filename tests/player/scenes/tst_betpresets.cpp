// Pot-sized bets from what the server's request says, in every kind of
// game: never outside the allowed range, never more than the share asked.
#include "betpresets.h"

#include <QTest>

using namespace VeskGames;

Q_DECLARE_METATYPE(BetPresets::Request)

class TestBetPresets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void amounts_data()
    {
        QTest::addColumn<BetPresets::Request>("request");
        QTest::addColumn<double>("half");
        QTest::addColumn<double>("twoThirds");
        QTest::addColumn<double>("pot");
        // {toCall, minAdd, maxAdd, potLimitAdd, potLimit}
        QTest::newRow("an opening bet, no limit")
            << BetPresets::Request{0, 2, 1000, 30, false} << 15.0 << 20.0 << 30.0;
        QTest::newRow("a raise: the call comes first")
            << BetPresets::Request{10, 20, 1000, 50, false} << 30.0 << 36.66 << 50.0;
        QTest::newRow("down to the cent, never up")
            << BetPresets::Request{0, 0.02, 100, 10, false} << 5.0 << 6.66 << 10.0;
        QTest::newRow("pot limit: the pot is the top")
            << BetPresets::Request{10, 20, 40, 50, true} << 30.0 << 36.66 << 40.0;
        QTest::newRow("pot limit with a deep stack")
            << BetPresets::Request{10, 20, 500, 50, true} << 30.0 << 36.66 << 50.0;
        QTest::newRow("short stack: all in for less")
            << BetPresets::Request{10, 20, 25, 200, false} << 25.0 << 25.0 << 25.0;
        QTest::newRow("a share below the minimum raise")
            << BetPresets::Request{10, 30, 500, 30, false} << 30.0 << 30.0 << 30.0;
        QTest::newRow("no pot size from the server")
            << BetPresets::Request{10, 20, 500, 0, true} << 20.0 << 20.0 << 20.0;
        QTest::newRow("a tournament's big chips")
            << BetPresets::Request{400, 800, 14000, 2800, false} << 1600.0 << 2000.0 << 2800.0;
    }

    void amounts()
    {
        QFETCH(BetPresets::Request, request);
        QFETCH(double, half);
        QFETCH(double, twoThirds);
        QFETCH(double, pot);
        const double expected[] = {half, twoThirds, pot};
        for (int i = 0; i < BetPresets::PresetCount; ++i) {
            const double amount = BetPresets::amount(BetPresets::Preset(i), request);
            QCOMPARE(amount, expected[i]);
            QVERIFY(amount >= request.minAdd && amount <= qMax(request.minAdd, request.maxAdd));
        }
    }

    void onlyWhereThereIsAChoice_data()
    {
        QTest::addColumn<BetPresets::Request>("request");
        QTest::addColumn<bool>("applies");
        QTest::newRow("a range") << BetPresets::Request{0, 2, 100, 10, false} << true;
        QTest::newRow("only all-in") << BetPresets::Request{10, 60, 60, 100, false} << false;
        QTest::newRow("no raise at all") << BetPresets::Request{10, 0, 0, 30, false} << false;
        QTest::newRow("minimum above maximum") << BetPresets::Request{10, 50, 30, 30, false} << false;
    }

    void onlyWhereThereIsAChoice()
    {
        QFETCH(BetPresets::Request, request);
        QFETCH(bool, applies);
        QCOMPARE(BetPresets::applies(request), applies);
    }
};

QTEST_GUILESS_MAIN(TestBetPresets)
#include "tst_betpresets.moc"
