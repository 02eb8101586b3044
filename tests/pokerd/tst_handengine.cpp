#include "bot.h"
#include "handengine.h"

#include <QTest>

#include <random>

using namespace Pokerd;

namespace {

/// Encoded card from its text, e.g. "As", "Td", "2c".
char card(const char* text)
{
    const QString values = QStringLiteral("A23456789TJQK");
    const QString suits = QStringLiteral("cdhs");
    const int value = int(values.indexOf(QLatin1Char(text[0])));
    const int suit = int(suits.indexOf(QLatin1Char(text[1]))) + 2;
    return char(4 * value + suit - 1);
}

/// A deck that deals the given cards first, the rest after them.
QByteArray deckStartingWith(const QStringList& first)
{
    QByteArray deck;
    for (const QString& c : first)
        deck.append(card(c.toLatin1().constData()));
    for (int b = 1; b <= 52; ++b) {
        if (!deck.contains(char(b)))
            deck.append(char(b));
    }
    return deck;
}

struct Table
{
    explicit Table(HandConfig config = HandConfig(), quint32 seed = 1)
        : engine(
              config, [this](const HandEvent& e) { events.append(e); }, seed)
    {}

    /// Public events with the given member, in order.
    QList<QVariantMap> find(const char* member) const
    {
        QList<QVariantMap> result;
        for (const HandEvent& e : events) {
            if (e.onlySeat < 0 && e.data.contains(QLatin1String(member)))
                result.append(e.data);
        }
        return result;
    }

    HandEngine engine;
    QList<HandEvent> events;
};

Cents sum(const QMap<int, Cents>& stacks)
{
    Cents total = 0;
    for (Cents c : stacks)
        total += c;
    return total;
}

} // namespace

class TestHandEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blindsAndFirstAction()
    {
        Table t;
        QVERIFY(t.engine.start({{0, 10000}, {2, 10000}, {5, 10000}}, 0, 7));
        QCOMPARE(t.find("setDealer").first().value("position").toInt(), 1);
        QCOMPARE(t.find("postSmall").first().value("position").toInt(), 3);
        QCOMPARE(t.find("postBig").first().value("position").toInt(), 6);
        QCOMPARE(t.find("handId").first().value("handId").toInt(), 7);
        QCOMPARE(t.engine.actingSeat(), 0); // three-handed the button opens
        const HandEngine::Options o = t.engine.options();
        QCOMPARE(o.toCall, Cents(100));
        QCOMPARE(o.minAdd, Cents(200));
        QCOMPARE(o.maxAdd, Cents(10000));
        QVERIFY(o.canRaise && !o.isAllIn);

        // Hole cards: each seat sees its own; the others see backs.
        int own = 0;
        int hidden = 0;
        for (const HandEvent& e : t.events) {
            if (!e.data.contains("dealHole"))
                continue;
            const QByteArray cards = e.data.value("dealHole").toByteArray();
            QCOMPARE(cards.size(), 2);
            if (e.onlySeat >= 0) {
                ++own;
                QVERIFY(!cards.contains('\0'));
            } else {
                ++hidden;
                QCOMPARE(cards, QByteArray(2, '\0'));
            }
        }
        QCOMPARE(own, 3);
        QCOMPARE(hidden, 3);
    }

    void animationLengthsScale_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("dealer");
        QTest::addColumn<int>("blind");
        QTest::addColumn<int>("deal");
        QTest::newRow("usual") << 100 << 300 << 300 << 400;
        QTest::newRow("half") << 50 << 150 << 150 << 200;
        QTest::newRow("twice") << 200 << 600 << 600 << 800;
        QTest::newRow("none") << 0 << 0 << 0 << 0;
        QTest::newRow("below none") << -20 << 0 << 0 << 0;
    }

    void animationLengthsScale()
    {
        QFETCH(int, percent);
        QFETCH(int, dealer);
        QFETCH(int, blind);
        QFETCH(int, deal);
        HandConfig config;
        config.animationPercent = percent;
        Table t(config);
        QVERIFY(t.engine.start({{0, 10000}, {1, 10000}, {2, 10000}}, 0, 1));
        QCOMPARE(t.find("setDealer").first().value("animationMs").toInt(), dealer);
        QCOMPARE(t.find("postSmall").first().value("animationMs").toInt(), blind);
        QCOMPARE(t.find("postBig").first().value("animationMs").toInt(), blind);
        // Every animated event is scaled, the hole cards' included; none is left out.
        for (const HandEvent& e : t.events) {
            if (e.data.contains("dealHole"))
                QCOMPARE(e.data.value("animationMs").toInt(), deal);
        }
    }

    void minimumRaiseFollowsTheLastRaise()
    {
        Table t;
        t.engine.start({{0, 10000}, {1, 10000}, {2, 10000}}, 0, 1);
        QVERIFY(t.engine.act(0, HandEngine::BetRaise, 300)); // raise to 3, by 2
        QCOMPARE(t.engine.actingSeat(), 1);
        QCOMPARE(t.engine.options().toCall, Cents(250));
        QCOMPARE(t.engine.options().minAdd, Cents(450)); // to 5: the raise must be 2 again
        // Too little becomes the minimum; acting out of turn is refused.
        QVERIFY(!t.engine.act(2, HandEngine::CheckCall));
        QVERIFY(t.engine.act(1, HandEngine::BetRaise, 1));
        QCOMPARE(t.find("actionRaise").last().value("actionRaise").toDouble(), 4.5);
    }

    void tournamentChipsAreWholeUnits_data()
    {
        // Bets of players and bots alike, in cents as they arrive.
        QTest::addColumn<Cents>("asked");
        QTest::addColumn<double>("raisedBy");
        QTest::newRow("cents dropped") << Cents(95162) << 951.0;
        QTest::newRow("whole stays") << Cents(60000) << 600.0;
        QTest::newRow("below the least raise") << Cents(250) << 40.0;
        QTest::newRow("beyond the stack: all in") << Cents(999999) << 1500.0;
    }

    void tournamentChipsAreWholeUnits()
    {
        QFETCH(Cents, asked);
        QFETCH(double, raisedBy);
        HandConfig config;
        config.smallBlind = 1000;
        config.bigBlind = 2000;
        config.rakePercent = 0;
        config.chip = 100;
        Table t(config);
        t.engine.start({{0, 150000}, {1, 150000}, {2, 150000}}, 0, 1);
        QVERIFY(t.engine.act(0, HandEngine::BetRaise, asked));
        const QVariantMap last = t.events.last().data;
        const double put = last.contains("actionRaise") ? last.value("actionRaise").toDouble()
                                                        : last.value("actionAllIn").toDouble();
        QCOMPARE(put, raisedBy);
        for (Cents stack : t.engine.stacks())
            QCOMPARE(stack % 100, Cents(0));
    }

    void potLimitMaximum()
    {
        HandConfig config;
        config.limit = 2;
        Table t(config);
        t.engine.start({{0, 10000}, {1, 10000}, {2, 10000}}, 0, 1);
        // Pot 1.50, 1.00 to call: the pot-sized raise adds 1.00 + 2.50.
        QCOMPARE(t.engine.options().potLimitAdd, Cents(350));
        QCOMPARE(t.engine.options().maxAdd, Cents(350));
        t.engine.act(0, HandEngine::BetRaise, 100000); // capped
        QCOMPARE(t.find("actionRaise").last().value("actionRaise").toDouble(), 3.5);
        // Small blind: 3.00 to call into 5.00: adds 3.00 + 8.00.
        QCOMPARE(t.engine.options().maxAdd, Cents(1100));
    }

    void uncalledBetIsReturned()
    {
        Table t;
        t.engine.start({{0, 10000}, {1, 10000}}, 0, 1);
        // Heads-up: the button posts the small blind and acts first.
        QCOMPARE(t.engine.actingSeat(), 0);
        t.engine.act(0, HandEngine::BetRaise, 950); // to 10
        t.engine.act(1, HandEngine::Fold);
        QVERIFY(t.engine.isFinished());
        const QList<QVariantMap> returned = t.find("potReturnUncalled");
        QCOMPARE(returned.size(), 1);
        QCOMPARE(returned.first().value("position").toInt(), 1);
        QCOMPARE(returned.first().value("potReturnUncalled").toDouble(), 9.0);
        QCOMPARE(t.engine.stacks(), (QMap<int, Cents>{{0, 10100}, {1, 9900}}));
        QCOMPARE(t.engine.rake(), Cents(0)); // no flop, no rake
    }

    void headsUpOrderAfterTheFlop()
    {
        Table t;
        t.engine.start({{3, 10000}, {7, 10000}}, 7, 1);
        QCOMPARE(t.engine.actingSeat(), 7);
        t.engine.act(7, HandEngine::CheckCall);
        t.engine.act(3, HandEngine::CheckCall); // big blind checks
        QCOMPARE(t.find("dealCommunity").size(), 1);
        QCOMPARE(t.engine.actingSeat(), 3); // the big blind speaks first after the flop
    }

    void shortAllInDoesNotReopenBetting()
    {
        Table t;
        t.engine.start({{0, 10000}, {1, 10000}, {2, 350}}, 0, 1);
        t.engine.act(0, HandEngine::BetRaise, 300); // to 3
        t.engine.act(1, HandEngine::CheckCall);     // calls 2.50
        t.engine.act(2, HandEngine::BetRaise, 250); // all-in to 3.50: short of a full raise
        QCOMPARE(t.find("actionAllIn").last().value("isRaise").toBool(), true);
        QCOMPARE(t.engine.actingSeat(), 0);
        QCOMPARE(t.engine.options().toCall, Cents(50));
        QVERIFY(!t.engine.options().canRaise);
        t.engine.act(0, HandEngine::BetRaise, 5000); // raising is not allowed: a call
        QCOMPARE(t.find("actionCall").last().value("actionCall").toDouble(), 0.5);
    }

    void shortAllInsAddUpToAFullRaise_data()
    {
        QTest::addColumn<Cents>("bigBlindStack");
        QTest::addColumn<bool>("bigBlindShoves");
        QTest::addColumn<bool>("reopened");
        // The opener raised to 3.00 (by 2.00); the small blind went all-in to 4.00.
        QTest::newRow("one short all-in, then a call") << Cents(10000) << false << false;
        QTest::newRow("two short all-ins, 2.00 together") << Cents(500) << true << true;
    }

    void shortAllInsAddUpToAFullRaise()
    {
        QFETCH(Cents, bigBlindStack);
        QFETCH(bool, bigBlindShoves);
        QFETCH(bool, reopened);
        Table t;
        t.engine.start({{0, 10000}, {1, 400}, {2, bigBlindStack}, {3, 10000}}, 0, 1);
        QVERIFY(t.engine.act(3, HandEngine::BetRaise, 300));
        QVERIFY(t.engine.act(0, HandEngine::CheckCall));
        QVERIFY(t.engine.act(1, HandEngine::BetRaise, 100000)); // all-in to 4.00
        QVERIFY(t.engine.act(2, bigBlindShoves ? HandEngine::BetRaise : HandEngine::CheckCall, 100000));
        QCOMPARE(t.engine.actingSeat(), 3);
        QCOMPARE(t.engine.options().canRaise, reopened);
        QVERIFY(t.engine.act(3, HandEngine::CheckCall));
        QCOMPARE(t.engine.actingSeat(), 0);
        QCOMPARE(t.engine.options().canRaise, reopened);
    }

    void shortBigBlind_data()
    {
        QTest::addColumn<Cents>("bigBlindStack");
        QTest::addColumn<int>("players");
        QTest::newRow("three-handed, 0.60 of 1.00") << Cents(60) << 3;
        QTest::newRow("heads-up, less than the small blind") << Cents(30) << 2;
    }

    void shortBigBlind()
    {
        QFETCH(Cents, bigBlindStack);
        QFETCH(int, players);
        Table t;
        QMap<int, Cents> stacks{{0, 10000}, {1, 10000}, {2, 10000}};
        stacks.remove(players == 2 ? 2 : -1);
        // Three-handed seat 2 posts the big blind, heads-up seat 1 does.
        const int bigBlind = players - 1;
        stacks[bigBlind] = bigBlindStack;
        QVERIFY(t.engine.start(stacks, 0, 1));
        QVERIFY(t.find("postBig").first().value("postBig").toDouble() < 1.0);
        if (players == 3) {
            // The full big blind is the bet to call and the measure of the raise.
            QCOMPARE(t.engine.actingSeat(), 0);
            QCOMPARE(t.engine.options().toCall, Cents(100));
            QCOMPARE(t.engine.options().minAdd, Cents(200));
            t.engine.act(0, HandEngine::CheckCall);
            QCOMPARE(t.engine.options().toCall, Cents(50));
            t.engine.act(1, HandEngine::CheckCall);
            QCOMPARE(t.find("dealCommunity").size(), 1);
        } else {
            // The button's small blind covers the all-in: nothing to decide, the
            // board runs out and the part nobody matched goes back.
            QVERIFY(t.engine.isFinished());
            QCOMPARE(t.find("potReturnUncalled").first().value("potReturnUncalled").toDouble(), 0.2);
            QCOMPARE(t.find("actionFold").size(), 0);
        }
        while (!t.engine.isFinished())
            QVERIFY(t.engine.act(t.engine.actingSeat(), HandEngine::CheckCall));
        QCOMPARE(sum(t.engine.stacks()) + t.engine.rake(), sum(stacks));
    }

    void showdownOrderAndMucks_data()
    {
        QTest::addColumn<Cents>("bigBlindStack");
        QTest::addColumn<int>("riverBettor");
        QTest::addColumn<QStringList>("expected");
        // Button seat 0 holds kings, seat 1 aces, seat 2 nothing; positions are 1-based.
        QTest::newRow("river checked: left of the button first")
            << Cents(10000) << -1 << QStringList{"show 2", "muck 3", "muck 1"};
        QTest::newRow("the best hand bet the river")
            << Cents(10000) << 1 << QStringList{"show 2", "muck 3", "muck 1"};
        QTest::newRow("the worst hand bet the river")
            << Cents(10000) << 2 << QStringList{"show 3", "show 1", "show 2"};
        QTest::newRow("all-in before the river: every hand")
            << Cents(100) << -1 << QStringList{"show 2", "show 3", "show 1"};
    }

    void showdownOrderAndMucks()
    {
        QFETCH(Cents, bigBlindStack);
        QFETCH(int, riverBettor);
        QFETCH(QStringList, expected);
        Table t;
        t.engine.setDeck(
            deckStartingWith({"As", "Ad", "7c", "2d", "Ks", "Kd", "3h", "8s", "9c", "Jd", "4h"}));
        QVERIFY(t.engine.start({{0, 10000}, {1, 10000}, {2, bigBlindStack}}, 0, 1));
        bool bet = false;
        for (int steps = 0; !t.engine.isFinished() && steps < 100; ++steps) {
            const int seat = t.engine.actingSeat();
            const bool betNow = t.engine.board().size() == 5 && seat == riverBettor && !bet;
            bet = bet || betNow;
            QVERIFY(t.engine.act(seat, betNow ? HandEngine::BetRaise : HandEngine::CheckCall, 100));
        }
        QVERIFY(t.engine.isFinished());
        QStringList shown;
        for (const HandEvent& e : std::as_const(t.events)) {
            const QString position = e.data.value("position").toString();
            if (e.data.contains("actionShow"))
                shown.append("show " + position);
            else if (e.data.contains("actionMuck"))
                shown.append("muck " + position);
        }
        QCOMPARE(shown, expected);
        // Aces win whatever was shown.
        QVERIFY(t.engine.stacks().value(1) > 10000);
    }

    void antesAreGatheredBeforeTheBlinds()
    {
        HandConfig config;
        config.ante = 25;
        Table t(config);
        t.engine.start({{0, 10000}, {1, 10000}, {2, 10000}}, 0, 1);
        QStringList kinds;
        for (const HandEvent& e : std::as_const(t.events)) {
            for (const char* kind : {"postAnte", "bettingDone", "postSmall", "postBig"}) {
                if (e.data.contains(QLatin1String(kind)))
                    kinds.append(QLatin1String(kind));
            }
        }
        QCOMPARE(kinds,
                 (QStringList{"postAnte", "postAnte", "postAnte", "bettingDone", "postSmall", "postBig"}));
        const QVariantList pots = t.find("bettingDone").first().value("bettingDone").toList();
        QCOMPARE(pots.size(), 1);
        QCOMPARE(pots.first().toMap().value("value").toDouble(), 0.75);
    }

    void owedBlindsArePosted()
    {
        Table t;
        Blinds blinds;
        blinds.button = 0;
        blinds.smallBlind = 1;
        blinds.bigBlind = 2;
        // Seat 3 comes back after missing both blinds.
        blinds.livePosts.insert(3, 100);
        blinds.deadPosts.insert(3, 50);
        QVERIFY(t.engine.start({{0, 10000}, {1, 10000}, {2, 10000}, {3, 10000}}, blinds, 1));
        QCOMPARE(t.find("postBig").size(), 2);
        QCOMPARE(t.find("postSmall").size(), 2);
        // The live blind is a bet: seat 3 may check, or raise.
        QCOMPARE(t.engine.actingSeat(), 3);
        QCOMPARE(t.engine.options().toCall, Cents(0));
        QVERIFY(t.engine.options().canRaise);
        t.engine.act(3, HandEngine::CheckCall);
        QCOMPARE(t.engine.options().toCall, Cents(100));
        t.engine.act(0, HandEngine::CheckCall);
        t.engine.act(1, HandEngine::CheckCall);
        t.engine.act(2, HandEngine::CheckCall);
        // Four big blinds and the dead small blind.
        const QVariantList pots = t.find("bettingDone").last().value("bettingDone").toList();
        QCOMPARE(pots.first().toMap().value("value").toDouble(), 4.5);
        QCOMPARE(t.engine.stacks().value(3), Cents(10000 - 150));
    }

    void sidePotsWithThreeAllIns()
    {
        // Seat 0 has aces, seat 1 kings, seat 2 queens, seat 3 jacks; the board helps nobody.
        Table t;
        t.engine.setDeck(
            deckStartingWith({"As", "Ad", "Ks", "Kd", "Qs", "Qd", "Js", "Jd", "2c", "7h", "9c", "3d", "4h"}));
        t.engine.start({{0, 500}, {1, 2000}, {2, 5000}, {3, 9000}}, 3, 1);
        // Order after the button (seat 3): 0 small blind, 1 big blind, 2 first.
        t.engine.act(2, HandEngine::BetRaise, 5000);
        t.engine.act(3, HandEngine::CheckCall);
        t.engine.act(0, HandEngine::CheckCall);
        t.engine.act(1, HandEngine::CheckCall);
        QVERIFY(t.engine.isFinished());
        const QMap<int, Cents> stacks = t.engine.stacks();
        // Main pot 4 x 5.00 = 20.00, side 3 x 15.00 = 45.00, side 2 x 30.00 = 60.00; rake 3.00 from the main.
        QCOMPARE(stacks.value(0), Cents(2000 - 300));
        QCOMPARE(stacks.value(1), Cents(4500));
        QCOMPARE(stacks.value(2), Cents(6000));
        QCOMPARE(stacks.value(3), Cents(9000 - 5000));
        QCOMPARE(sum(stacks) + t.engine.rake(), Cents(500 + 2000 + 5000 + 9000));
        QCOMPARE(t.find("actionShow").size(), 4);
        QCOMPARE(t.find("potGive").size(), 3);
    }

    void splitPotThreeWays()
    {
        // A royal flush on the board: everybody plays it.
        HandConfig config;
        config.smallBlind = 25;
        config.bigBlind = 51;
        config.rakePercent = 0;
        Table t(config);
        t.engine.setDeck(
            deckStartingWith({"2c", "3d", "4c", "5d", "6c", "7d", "As", "Ks", "Qs", "Js", "Ts"}));
        t.engine.start({{0, 1000}, {1, 1000}, {2, 1000}}, 0, 1);
        t.engine.act(0, HandEngine::CheckCall); // the button calls 0.51
        t.engine.act(1, HandEngine::CheckCall); // small blind adds 0.26
        t.engine.act(2, HandEngine::CheckCall); // big blind checks
        for (int street = 0; street < 3; ++street) {
            for (int seat : {1, 2, 0})
                t.engine.act(seat, HandEngine::CheckCall);
        }
        QVERIFY(t.engine.isFinished());
        // 1.53 split three ways: 0.51 each, no odd cent.
        QCOMPARE(t.engine.stacks(), (QMap<int, Cents>{{0, 1000}, {1, 1000}, {2, 1000}}));
    }

    void oddCentOfASplit()
    {
        HandConfig config;
        config.smallBlind = 0;
        config.bigBlind = 0;
        config.ante = 1;
        config.rakePercent = 0;
        Table t(config);
        t.engine.setDeck(
            deckStartingWith({"2c", "3d", "4c", "5d", "7h", "8h", "As", "Ks", "Qs", "Js", "Ts"}));
        t.engine.start({{0, 1000}, {1, 1000}, {2, 1000}}, 2, 1);
        QCOMPARE(t.find("postAnte").size(), 3);
        QCOMPARE(t.engine.actingSeat(), 0);
        QCOMPARE(t.engine.options().minAdd, Cents(1)); // the ante is the least bet here
        t.engine.act(0, HandEngine::CheckCall);
        t.engine.act(1, HandEngine::CheckCall);
        t.engine.act(2, HandEngine::BetRaise, 1);
        t.engine.act(0, HandEngine::CheckCall);
        t.engine.act(1, HandEngine::Fold);
        for (int street = 0; street < 3; ++street) {
            t.engine.act(0, HandEngine::CheckCall);
            t.engine.act(2, HandEngine::CheckCall);
        }
        QVERIFY(t.engine.isFinished());
        // 5 cents between two equal hands: the odd one to seat 0, first left of the button.
        QCOMPARE(t.engine.stacks(), (QMap<int, Cents>{{0, 1001}, {1, 999}, {2, 1000}}));
    }

    void timeoutChecksOrFolds()
    {
        Table t;
        t.engine.start({{0, 10000}, {1, 10000}, {2, 10000}}, 0, 1);
        t.engine.timeout(0); // facing the big blind: folds
        QCOMPARE(t.find("actionFold").size(), 1);
        t.engine.timeout(2); // not its turn: nothing
        t.engine.act(1, HandEngine::CheckCall);
        t.engine.timeout(2); // big blind, nothing to call: checks
        QCOMPARE(t.find("actionCheck").size(), 1);
    }

    void botsConserveChips_data()
    {
        QTest::addColumn<int>("gameType");
        QTest::addColumn<int>("limit");
        QTest::addColumn<Cents>("ante");
        QTest::addColumn<bool>("owedBlinds");
        QTest::newRow("hold'em no limit") << 0x1001 << 1 << Cents(0) << false;
        QTest::newRow("omaha pot limit") << 0x1002 << 2 << Cents(0) << false;
        QTest::newRow("with antes") << 0x1001 << 1 << Cents(25) << false;
        QTest::newRow("players back owing blinds") << 0x1001 << 1 << Cents(25) << true;
    }

    void botsConserveChips()
    {
        QFETCH(int, gameType);
        QFETCH(int, limit);
        QFETCH(Cents, ante);
        QFETCH(bool, owedBlinds);
        HandConfig config;
        config.gameType = gameType;
        config.limit = limit;
        config.ante = ante;
        config.seats = 9;
        std::mt19937 random(99);
        QList<Bot> bots;
        for (int i = 0; i < config.seats; ++i)
            bots.append(Bot(quint32(i + 1)));
        const int hands = qEnvironmentVariableIntValue("VESK_BOT_HANDS") > 0
                              ? qEnvironmentVariableIntValue("VESK_BOT_HANDS")
                              : 10000;
        int showdowns = 0;
        for (int hand = 0; hand < hands / 3; ++hand) {
            Table t(config, quint32(hand));
            QMap<int, Cents> stacks;
            const int players = 2 + int(random() % 8);
            for (int i = 0; i < players; ++i)
                stacks.insert(int(random() % 9), Cents(1 + random() % 30000));
            if (stacks.size() < 2)
                continue;
            const Cents before = sum(stacks);
            Blinds blinds = Blinds::after(stacks.keys(), int(random() % 9));
            if (owedBlinds) {
                // Somebody who missed the blinds posts them now, now and then all-in doing so.
                const int seat = stacks.keys().at(int(random() % stacks.size()));
                if (seat != blinds.smallBlind && seat != blinds.bigBlind) {
                    blinds.deadPosts.insert(seat, config.smallBlind);
                    blinds.livePosts.insert(seat, config.bigBlind);
                }
            }
            QVERIFY(t.engine.start(stacks, blinds, hand));
            int steps = 0;
            while (!t.engine.isFinished() && ++steps < 1000) {
                const int seat = t.engine.actingSeat();
                QVERIFY(seat >= 0);
                const Bot::Decision d = bots[seat].decide(
                    t.engine.options(), t.engine.holeCards().value(seat), t.engine.board(), config.isOmaha());
                QVERIFY(t.engine.act(seat, d.action, d.amount));
            }
            QVERIFY(t.engine.isFinished());
            const QMap<int, Cents> after = t.engine.stacks();
            QCOMPARE(sum(after) + t.engine.rake(), before);
            for (Cents c : after)
                QVERIFY(c >= 0);
            QVERIFY(t.engine.rake() <= config.rakeCap);
            if (!t.find("actionShow").isEmpty())
                ++showdowns;
            // Every pot is paid out in full: what the last gathering shows, less
            // the rake written beside it.
            Cents given = 0;
            for (const QVariantMap& e : t.find("potGive")) {
                for (const QVariant& share : e.value("potGive").toList())
                    given += HandEngine::fromUnits(share.toMap().value("amount").toDouble());
            }
            Cents inPots = 0;
            Cents raked = 0;
            for (const QVariant& pot : t.find("bettingDone").last().value("bettingDone").toList()) {
                inPots += HandEngine::fromUnits(pot.toMap().value("value").toDouble());
                raked += HandEngine::fromUnits(pot.toMap().value("rake").toDouble());
            }
            QCOMPARE(raked, t.engine.rake());
            QCOMPARE(given, inPots - raked);
            Cents net = 0;
            for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it)
                net += it.value() - after.value(it.key());
            QCOMPARE(net, t.engine.rake());
        }
        QVERIFY(showdowns > 0);
    }
};

QTEST_GUILESS_MAIN(TestHandEngine)
#include "tst_handengine.moc"
