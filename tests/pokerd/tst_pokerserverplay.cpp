// Playing at the tables through the protocol: turns, seats, buying chips,
// the requests the server makes of a player.
#include "pokerserverfixture.h"

#include <QSignalSpy>

using namespace PokerServerTest;

class TestPokerServerPlay : public Fixture
{
    Q_OBJECT

private Q_SLOTS:
    void aNewcomerIsDealtInAsTheBigBlind()
    {
        const QString child = seatAtBusy("demo4", 40.0);
        QVERIFY(!child.isEmpty());
        int mine = -1;
        int big = -1;
        bool dealt = false;
        const auto poll = [&] {
            for (const QVariant& v : events(child)) {
                const QVariantMap e = v.toMap();
                const int position = e.value("position").toInt();
                if (e.value("userName") == "demo4")
                    mine = position;
                if (e.contains("postBig") && !dealt)
                    big = position;
                // Our own cards come face up: the first hand we play.
                if (e.contains("dealHole") && position == mine &&
                    !e.value("dealHole").toByteArray().contains('\0'))
                    dealt = true;
            }
            return dealt;
        };
        QTRY_VERIFY_WITH_TIMEOUT(poll(), 5000);
        QCOMPARE(big, mine);
    }

    void arrivingMidHandShowsTheHandInPlay()
    {
        const QString child = seatAtBusy("demo3", 40.0);
        QVERIFY(!child.isEmpty());
        Table* busy = m_server->tables().at(0);
        // The hand waits for us (the action time-out is long).
        QSignalSpy asked(busy, &Table::actionRequested);
        QVERIFY(asked.wait(5000));
        int mine = -1;
        QByteArray myCards;
        for (const QVariant& v : events(child)) {
            const QVariantMap e = v.toMap();
            if (e.value("userName") == "demo3")
                mine = e.value("position").toInt();
            if (e.contains("dealHole") && e.value("position").toInt() == mine)
                myCards = e.value("dealHole").toByteArray();
        }
        QCOMPARE(myCards.size(), 2);

        // What each newcomer to the table is told, by kind.
        const auto arrive = [&](const QString& session) {
            QMap<QString, QVariantMap> seen;
            QMap<int, QByteArray> cards;
            double onTable = 0; // in the pots and in front of the seats
            for (const QVariant& v : events(session)) {
                const QVariantMap e = v.toMap();
                for (const QVariant& pot : e.value("bettingDone").toList())
                    onTable += pot.toMap().value("value").toDouble();
                onTable += e.value("actionBet").toDouble() + e.value("actionAllIn").toDouble();
                for (const char* kind : {"handId", "setDealer", "bettingDone", "gameRequest"}) {
                    if (e.contains(QLatin1String(kind)) || e.value("event") == QLatin1String(kind))
                        seen.insert(QLatin1String(kind), e);
                }
                if (e.contains("dealHole"))
                    cards.insert(e.value("position").toInt(), e.value("dealHole").toByteArray());
            }
            // At least the blinds are in.
            if (onTable < 1.5)
                seen.clear();
            return std::make_pair(seen, cards);
        };

        // An onlooker: the hand, the request, and nobody's cards.
        QString display;
        call(QString(), "authenticate", {1, QStringList{"", "", "screen"}, "en_US", 0}, &display);
        QVERIFY(call(display, "gameJoin", {QString()}).value().toBool());
        const auto [watched, backs] = arrive(display);
        QVERIFY(watched.contains("handId") && watched.contains("setDealer"));
        QCOMPARE(watched.value("gameRequest").value("position").toInt(), mine);
        QVERIFY(backs.size() >= 2);
        for (const QByteArray& c : backs)
            QCOMPARE(c, QByteArray(2, '\0'));

        // The player, back from another login: its own cards, and its turn to answer from here.
        const QString again = login({"demo3", kDigest, "t"});
        QVERIFY(call(again, "gameJoin", {"busy"}).value().toBool());
        const auto [back, own] = arrive(again);
        QCOMPARE(own.value(mine), myCards);
        QCOMPARE(back.value("gameRequest").value("position").toInt(), mine);
        QVERIFY(call(again, "gameAction", {"actionFold", 0.0}).value().toBool());
    }

    void everybodySeesASeatSitOut()
    {
        const QString first = seatAtBusy("demo1", 40.0);
        const QString second = seatAtBusy("demo2", 40.0);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        int position = -1;
        for (const QVariant& v : events(second)) {
            if (v.toMap().value("userName") == "demo1")
                position = v.toMap().value("position").toInt();
        }
        QVERIFY(position > 0);
        QVERIFY(call(first, "gameSetting", {"sitout"}).value().toBool());
        int status = -1;
        for (const QVariant& v : events(second)) {
            const QVariantMap e = v.toMap();
            if (e.contains("userStatusChange") && e.value("position").toInt() == position)
                status = e.value("userStatusChange").toInt();
        }
        QCOMPARE(status, 2);
    }

    void everyTurnIsAnswerable()
    {
        // Heads-up against a bot the same seat is often asked twice in a row:
        // it closes a betting round and speaks first on the next.
        const QString child = open(login({"demo2", kDigest, "t"}), "duel");
        QVERIFY(call(child, "userBuyin", {50.0}).value().toBool());
        QVERIFY(call(child, "gameJoin", {child}).value().toBool());
        int mine = -1;
        int answered = 0;
        int refused = 0;
        const auto play = [&] {
            for (const QVariant& v : events(child)) {
                const QVariantMap e = v.toMap();
                if (e.value("userName") == "demo2")
                    mine = e.value("position").toInt();
                if (e.value("event") == "gameRequest" && e.value("position").toInt() == mine) {
                    if (call(child, "gameAction", {"actionCheckCall", 0.0}).value().toBool())
                        ++answered;
                    else
                        ++refused;
                }
            }
            return answered >= 40;
        };
        QTRY_VERIFY_WITH_TIMEOUT(play(), 20000);
        QCOMPARE(refused, 0);
    }

    void aBustedPlayerIsAskedToBuyAgain()
    {
        const QString child = open(login({"demo8", kDigest, "t"}), "duel");
        QVERIFY(call(child, "userBuyin", {20.0}).value().toBool());
        QVERIFY(call(child, "gameJoin", {child}).value().toBool());
        int mine = -1;
        double stack = 20;
        bool asked = false;
        bool askedWithChips = false;
        int timeout = 0;
        // All in every time until the chips are gone.
        const auto play = [&] {
            for (const QVariant& v : events(child)) {
                const QVariantMap e = v.toMap();
                if (e.value("userName") == "demo8") {
                    mine = e.value("position").toInt();
                    stack = e.value("userStack").toDouble();
                }
                if (e.value("event") != "gameRequest" || e.value("position").toInt() != mine)
                    continue;
                if (e.value("rebuy").toBool()) {
                    askedWithChips = askedWithChips || stack != 0;
                    timeout = e.value("timeout").toInt();
                    asked = true;
                } else if (e.value("action").toBool()) {
                    call(child, "gameAction", {"actionBetRaise", e.value("valueMax").toDouble()});
                }
            }
            return asked;
        };
        QTRY_VERIFY_WITH_TIMEOUT(play(), 30000);
        QVERIFY2(!askedWithChips, "asked to buy again with chips left");
        QVERIFY(timeout > 0);
        QVERIFY(call(child, "userBuyin", {20.0}).value().toBool());
        QCOMPARE(m_server->tables().at(2)->chipsOf(child), Cents(2000));
    }

    void aPoolOffersFoldingAndLeavingAtOnce()
    {
        TableConfig pool = table("pool", 4, 2);
        pool.type = 0x5001;
        Table::Timing timing;
        timing.botDelayMs = 1;
        timing.betweenHandsMs = 20;
        m_server = std::make_unique<PokerServer>(m_accounts.get(), QList<TableConfig>{pool}, 3, timing);
        const QString child = open(login({"demo7", kDigest, "t"}), "pool");
        QVERIFY(call(child, "userBuyin", {50.0}).value().toBool());
        QVERIFY(call(child, "gameJoin", {child}).value().toBool());
        int mine = -1;
        int offeredAt = -1;
        const auto offered = [&] {
            for (const QVariant& v : events(child)) {
                const QVariantMap e = v.toMap();
                if (e.value("userName") == "demo7")
                    mine = e.value("position").toInt();
                if (e.value("event") == "gameRequest" && e.contains("foldAndLeave"))
                    offeredAt = e.value("position").toInt();
            }
            return offeredAt > 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(offered(), 20000);
        QCOMPARE(offeredAt, mine);
        // Taken up: out of the hand and off the table, with the chips.
        QVERIFY(call(child, "gameSetting", {"foldAndLeave"}).value().toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!m_server->tables().at(0)->hasSeat("demo7"), 10000);
        QVERIFY(m_accounts->account("demo7").balance > Cents(100000) - 5000 - 100);
        QCOMPARE(m_accounts->account("demo7").atTables, Cents(0));
    }

    void chipsBoughtOutsideTheHandShowAtOnce()
    {
        const QString child = seatAtBusy("demo9", 20.0);
        QVERIFY(!child.isEmpty());
        Table* busy = m_server->tables().at(0);
        events(child);
        // A newcomer waits for the big blind: the first hand dealt runs without us.
        bool bought = false;
        connect(busy, &Table::eventFor, this, [&](const QString& session, const QVariantMap& e) {
            if (bought || session != child || e.value("handStatus").toInt() != 200)
                return;
            bought = call(child, "userBuyin", {10.0}).value().toBool();
        });
        QTRY_VERIFY_WITH_TIMEOUT(bought, 5000);
        double shown = -1;
        for (const QVariant& v : events(child)) {
            if (v.toMap().value("userName") == "demo9")
                shown = v.toMap().value("userStack").toDouble();
        }
        QCOMPARE(shown, 30.0);
    }

    void buyingDuringAHandWaitsForItsEnd()
    {
        const QString child = seatAtBusy("demo6", 20.0);
        QVERIFY(!child.isEmpty());
        Table* busy = m_server->tables().at(0);
        // Mid-hand: our turn has come (the action time-out is long).
        QSignalSpy asked(busy, &Table::actionRequested);
        QVERIFY(asked.wait(5000));
        events(child);
        const Cents before = busy->chipsOf(child);
        QVERIFY(call(child, "userBuyin", {50.0}).value().toBool());
        QCOMPARE(busy->chipsOf(child), before + 5000); // the stack and the chips waiting beside it
        QSignalSpy finished(busy, &Table::handFinished);
        QVERIFY(call(child, "gameAction", {"actionFold", 0.0}).value().toBool());
        QVERIFY(finished.wait(5000));
        // Folding costs at most the big blind; the 50.00 are all there.
        QVERIFY2(busy->chipsOf(child) >= Cents(7000) - 100,
                 qPrintable(QString::number(busy->chipsOf(child))));
        QCOMPARE(m_accounts->account("demo6").balance, Cents(93000));
        QCOMPARE(m_accounts->account("demo6").atTables, busy->chipsOf(child));
    }

    void lateActionsAreRefused()
    {
        const QString child = seatAtBusy("demo7", 100.0);
        QVERIFY(!child.isEmpty());
        Table* busy = m_server->tables().at(0);
        bool lateAccepted = true;
        int asked = 0;
        connect(busy, &Table::actionRequested, this, [&](const QString& session) {
            if (session != child || asked++ > 0)
                return;
            // The request is queued, the client has not polled: this action answers an older one.
            lateAccepted = call(child, "gameAction", {"actionCheckCall", 0.0}).value().toBool();
        });
        QTRY_VERIFY_WITH_TIMEOUT(asked > 0, 5000);
        QVERIFY(!lateAccepted);
        events(child);
        QVERIFY(call(child, "gameAction", {"actionCheckCall", 0.0}).value().toBool());
        // One answer per request.
        QVERIFY(!call(child, "gameAction", {"actionCheckCall", 0.0}).value().toBool());
    }

    void everybodyHearsEveryTurn()
    {
        QString display;
        call(QString(), "authenticate", {1, QStringList{"", "", "screen"}, "en_US", 0}, &display);
        QVERIFY(call(display, "gameJoin", {QString()}).value().toBool());
        QSet<int> positions;
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                     for (const QVariant& e : events(display)) {
                                         if (e.toMap().value("event") == "gameRequest")
                                             positions.insert(e.toMap().value("position").toInt());
                                     }
                                     return positions.size() >= 2;
                                 }()),
                                 5000);
    }

    void aPlayerWhoLeftIsFoldedAtOnce()
    {
        const QString child = seatAtBusy("demo8", 20.0);
        QVERIFY(!child.isEmpty());
        Table* busy = m_server->tables().at(0);
        QSignalSpy asked(busy, &Table::actionRequested);
        QVERIFY(asked.wait(5000));
        events(child);
        // Chips bought now wait beside the hand and go back with the stack.
        QVERIFY(call(child, "userBuyin", {30.0}).value().toBool());
        QSignalSpy left(busy, &Table::playerLeft);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(call(child, "gameLeave").value().toBool());
        // Not after the ten seconds of the time-out.
        QVERIFY(left.wait(3000));
        QVERIFY(clock.elapsed() < 3000);
        const Cents returned = left.first().at(2).value<Cents>();
        QVERIFY(returned >= Cents(5000) - 100);
        QCOMPARE(m_accounts->account("demo8").atTables, Cents(0));
        QCOMPARE(m_accounts->account("demo8").balance, Cents(95000) + returned);
        // The last stack the leaver was shown is what went back.
        double shown = -1;
        for (const QVariant& e : events(child)) {
            if (e.toMap().value("userName") == "demo8")
                shown = e.toMap().value("userStack").toDouble();
        }
        QCOMPARE(qRound64(shown * 100), returned);
    }
};

QTEST_GUILESS_MAIN(TestPokerServerPlay)
#include "tst_pokerserverplay.moc"
