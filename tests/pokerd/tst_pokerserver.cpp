// The protocol as a client meets it, driven in-process against the server's call().
#include "accountstore.h"
#include "passwordhash.h"
#include "pokerserver.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Pokerd;

namespace {

const QString kDigest = PasswordHash::digestOf(QStringLiteral("demo"));

TableConfig table(const QString& id, int seats, int bots)
{
    TableConfig t;
    t.id = id;
    t.name = id;
    t.seats = seats;
    t.bots = bots;
    return t;
}

using Terminals = QMap<QString, QString>;

} // namespace

class TestPokerServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AccountStore> m_accounts;
    std::unique_ptr<PokerServer> m_server;

    xmlrpc::Response call(const QString& session, const QString& method, const QVariantList& params = {},
                          QString* created = nullptr, const QString& peer = QStringLiteral("10.0.0.1"))
    {
        QString fresh;
        QList<xmlrpc::Variant> values;
        for (const QVariant& v : params)
            values.append(v);
        const xmlrpc::Response response = m_server->call(method, values, session, &fresh, peer);
        if (created)
            *created = fresh;
        return response;
    }

    QString login(const QStringList& credentials, int mode = 1,
                  const QString& peer = QStringLiteral("10.0.0.1"))
    {
        QString session;
        const xmlrpc::Response r =
            call(QString(), "authenticate", {mode, credentials, QString("en_US"), 0}, &session, peer);
        return r.isFault() ? QString() : session;
    }

    QVariantList events(const QString& session) { return call(session, "refresh").value().toList(); }

    QVariantMap firstEvent(const QString& session, const QString& kind)
    {
        for (const QVariant& e : events(session)) {
            if (e.toMap().value("event") == kind)
                return e.toMap();
        }
        return {};
    }

    // The child session a table window would take over, with the gameOpen event.
    QString open(const QString& lobby, const QString& tableId, int* action = nullptr)
    {
        if (!call(lobby, "gameOpen", {tableId}).value().toBool())
            return QString();
        const QVariantMap e = firstEvent(lobby, "gameOpen");
        if (action)
            *action = e.value("action").toInt();
        return e.value("childSessionId").toString();
    }

    // A table session of \a user seated at "busy" with \a amount; empty when that failed.
    QString seatAtBusy(const QString& user, double amount)
    {
        const QString child = open(login({user, kDigest, "t"}), "busy");
        const bool seated = call(child, "userBuyin", {amount}).value().toBool() &&
                            call(child, "gameJoin", {child}).value().toBool();
        return seated ? child : QString();
    }

private Q_SLOTS:
    void init()
    {
        m_accounts = std::make_unique<AccountStore>(m_dir.path() + "/" + QTest::currentTestFunction() +
                                                    QTest::currentDataTag());
        QString error;
        QVERIFY2(m_accounts->open(&error), qPrintable(error));
        QVERIFY(m_accounts->addDemoUsers());
        Table::Timing timing;
        timing.botDelayMs = 1;
        timing.betweenHandsMs = 20;
        timing.actionTimeoutMs = 10000;
        m_server = std::make_unique<PokerServer>(
            m_accounts.get(),
            QList<TableConfig>{table("busy", 6, 3), table("pair", 2, 0), table("duel", 2, 1)}, 7, timing);
    }

    void cleanup()
    {
        m_server.reset();
        m_accounts.reset();
    }

    void communityDisplayJoinsItsTable_data()
    {
        QTest::addColumn<Terminals>("tables");
        QTest::addColumn<QString>("terminal");
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("players");
        // busy: 6 seats, 3 bots; pair: 2 seats, nobody; duel: 2 seats, 1 bot.
        QTest::newRow("no table named") << Terminals{} << "t1" << 6 << 3;
        QTest::newRow("its own table") << Terminals{{"t1", "duel"}, {"*", "pair"}} << "t1" << 2 << 1;
        QTest::newRow("every other terminal") << Terminals{{"t1", "duel"}, {"*", "pair"}} << "t2" << 2 << 0;
    }

    void communityDisplayJoinsItsTable()
    {
        // No user, no password: an onlooker at the table set up for its terminal.
        QFETCH(Terminals, tables);
        QFETCH(QString, terminal);
        QFETCH(int, seats);
        QFETCH(int, players);
        m_server->setCommunityTables(tables);
        const QString display = login({QString(), QString(), terminal});
        QVERIFY(!display.isEmpty());
        QVERIFY(call(display, "gameJoin", {QString()}).value().toBool());
        int shownSeats = -1;
        int named = 0;
        for (const QVariant& e : events(display)) {
            const QVariantMap event = e.toMap();
            if (event.value("event") == QLatin1String("gameParameters"))
                shownSeats = event.value("seats").toInt();
            if (event.contains("userName") && !event.value("userName").toString().isEmpty())
                ++named;
        }
        QCOMPARE(shownSeats, seats);
        QCOMPARE(named, players);
    }

    void logins_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("credentials");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digest") << 1 << QStringList{"demo1", kDigest, "t"} << true;
        QTest::newRow("digest in capitals") << 1 << QStringList{"demo1", kDigest.toUpper(), "t"} << true;
        QTest::newRow("password after the digest") << 1 << QStringList{"demo1", "junk", "t", "demo"} << true;
        QTest::newRow("kiosk password as it is") << 1 << QStringList{"demo1", "demo", "t"} << true;
        QTest::newRow("portal, clear password") << 2 << QStringList{"demo1", "demo", "t", "partner"} << true;
        QTest::newRow("portal, digest") << 2 << QStringList{"demo1", kDigest, "t", "partner"} << false;
        QTest::newRow("wrong password") << 1 << QStringList{"demo1", "0000", "t", "nope"} << false;
        QTest::newRow("unknown user") << 1 << QStringList{"nobody", kDigest, "t"} << false;
    }

    void logins()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, credentials);
        QFETCH(bool, accepted);
        QString session;
        const xmlrpc::Response r = call(QString(), "authenticate", {mode, credentials, "en_US", 0}, &session);
        // A refusal is an answer: a fault would read as a broken connection.
        QVERIFY(!r.isFault());
        QVERIFY(!session.isEmpty());
        const QVariantMap event = firstEvent(session, "authenticate");
        QCOMPARE(event.value("ok").toBool(), accepted);
        QCOMPARE(event.value("reconnect").toBool(), false);
        // Through a portal the account has to choose a nickname before it plays.
        QCOMPARE(event.value("portalSelectUsername").toBool(), accepted && mode == 2);
        QCOMPARE(call(session, "gameOpen", {"busy"}).value().toBool(), accepted && mode == 1);
    }

    void portalNicknames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("forAccount");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("letters and digits") << "Ace5"
                                            << "demo1" << true;
        QTest::newRow("ten letters") << "Abcdefghij"
                                     << "demo1" << true;
        QTest::newRow("eleven letters") << "Abcdefghijk"
                                        << "demo1" << false;
        QTest::newRow("empty") << ""
                               << "demo1" << false;
        QTest::newRow("blank inside") << "Ace 5"
                                      << "demo1" << false;
        QTest::newRow("punctuation") << "Ace!"
                                     << "demo1" << false;
        QTest::newRow("markup") << "<b>x</b>"
                                << "demo1" << false;
        QTest::newRow("letter outside ASCII") << QString::fromUtf8("\xc3\x85sa") << "demo1" << false;
        QTest::newRow("another account's name") << "demo2"
                                                << "demo1" << false;
        QTest::newRow("that name in capitals") << "DEMO2"
                                               << "demo1" << false;
        QTest::newRow("for another account") << "Ace5"
                                             << "demo2" << false;
    }

    void portalNicknames()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, forAccount);
        QFETCH(bool, accepted);
        const QStringList portal{"demo1", "demo", "t", "partner"};
        const QString pending = login(portal, 2);
        QCOMPARE(firstEvent(pending, "authenticate").value("portalSelectUsername").toBool(), true);
        call(pending, "portalAccountAdd", {chosen, "partner", forAccount});
        QCOMPARE(firstEvent(pending, "portalAccountAdd").value("ok").toBool(), accepted);
        QCOMPARE(m_accounts->account("demo1").nickname, accepted ? chosen : QString());
        QVERIFY(m_accounts->account("demo2").nickname.isEmpty());
        if (!accepted)
            return;

        // From now on the account logs in as itself, under either name, and is shown by its nickname.
        for (const QString& name : {QString("demo1"), chosen.toLower()}) {
            QStringList credentials = portal;
            credentials[0] = name;
            const QVariantMap event = firstEvent(login(credentials, 2), "authenticate");
            QCOMPARE(event.value("ok").toBool(), true);
            QCOMPARE(event.value("portalSelectUsername").toBool(), false);
            QCOMPARE(event.value("formattedUserName").toString(), chosen);
        }
        // Chosen once, and nobody else's.
        const QString again = login(portal, 2);
        call(again, "portalAccountAdd", {"Other1", "partner", "demo1"});
        QCOMPARE(firstEvent(again, "portalAccountAdd").value("ok").toBool(), false);
        const QString other = login({"demo3", "demo", "t", "partner"}, 2);
        call(other, "portalAccountAdd", {chosen.toUpper(), "partner", "demo3"});
        QCOMPARE(firstEvent(other, "portalAccountAdd").value("ok").toBool(), false);
        // A session that is logged in already has nothing to choose.
        const QString plain = login({"demo4", kDigest, "t"});
        call(plain, "portalAccountAdd", {"Fresh1", "partner", "demo4"});
        QCOMPARE(firstEvent(plain, "portalAccountAdd").value("ok").toBool(), false);

        // The tables show the nickname, never the account's name.
        const QString child = seatAtBusy("demo1", 30.0);
        QVERIFY(!child.isEmpty());
        QStringList names;
        for (const QVariant& seat : m_server->tables().at(0)->stateSnapshot().value("seats").toList())
            names.append(seat.toMap().value("name").toString());
        QVERIFY(names.contains(chosen));
        QVERIFY(!names.contains("demo1"));
    }

    void seatsComeBackAfterARestart()
    {
        const QString before = seatAtBusy("demo6", 40.0);
        QVERIFY(!before.isEmpty());
        Table* busy = m_server->tables().at(0);
        const int seat = busy->seatOfUser("demo6");
        QSignalSpy hands(busy, &Table::handFinished);
        QVERIFY(hands.wait(10000));
        const QString folder = m_accounts->path().section('/', 0, -2);
        const Cents total = m_accounts->account("demo6").balance + m_accounts->account("demo6").atTables;
        m_server.reset();
        m_accounts.reset();

        m_accounts = std::make_unique<AccountStore>(folder);
        QString error;
        QVERIFY2(m_accounts->open(&error), qPrintable(error));
        // The chips are back in the balance; the seat is held.
        QCOMPARE(m_accounts->account("demo6").balance, total);
        const QList<AccountStore::Seat> held = m_accounts->account("demo6").heldSeats;
        QCOMPARE(held.size(), 1);
        QCOMPARE(held.first().table, QString("busy"));
        QCOMPARE(held.first().seat, seat);
        const Cents chips = held.first().chips;
        QVERIFY(chips > 0);
        Table::Timing timing;
        timing.botDelayMs = 1;
        timing.actionTimeoutMs = 10000;
        m_server = std::make_unique<PokerServer>(
            m_accounts.get(), QList<TableConfig>{table("busy", 6, 3), table("pair", 2, 0)}, 8, timing);

        // A client still polling the stopped server hears that this is another one.
        const QVariantList told = events(before);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().toMap().value("event").toString(), QString("serverInfo"));
        QCOMPARE(told.first().toMap().value("id").toString(), m_server->serverId());
        // An id this server might have made but did not is no such thing.
        QVERIFY(call(m_server->serverId().left(8) + "-nothing", "refresh").isFault());

        // Logging in again opens the table, at the same seat with the same chips.
        const QString lobby = login({"demo6", kDigest, "t"});
        const QVariantList loggedIn = events(lobby);
        QVariantMap authenticated, opened;
        for (const QVariant& e : loggedIn) {
            if (e.toMap().value("event") == "authenticate")
                authenticated = e.toMap();
            if (e.toMap().value("event") == "gameOpen")
                opened = e.toMap();
        }
        QCOMPARE(authenticated.value("reconnect").toBool(), true);
        QCOMPARE(opened.value("action").toInt(), 1);
        QCOMPARE(opened.value("selection").toString(), QString("busy"));
        const QString child = opened.value("childSessionId").toString();
        QVERIFY(call(child, "gameJoin", {child}).value().toBool());
        busy = m_server->tables().at(0);
        QCOMPARE(busy->seatOfUser("demo6"), seat);
        QCOMPARE(busy->peopleStacks().value("demo6"), chips);
        QCOMPARE(m_accounts->account("demo6").balance, total - chips);
        // Offered once: the next log-in has nothing more to open.
        QVERIFY(m_accounts->account("demo6").heldSeats.isEmpty());
    }

    void guessingIsThrottled()
    {
        for (int i = 0; i < 5; ++i)
            QVERIFY(!firstEvent(login({"demo2", "guess", "t"}), "authenticate").value("ok").toBool());
        // Now even the right password is turned away for a while, but only for that user.
        QVERIFY(!firstEvent(login({"demo2", kDigest, "t"}), "authenticate").value("ok").toBool());
        QVERIFY(firstEvent(login({"demo3", kDigest, "t"}), "authenticate").value("ok").toBool());
        // An address guessing many names is held back too.
        for (int i = 0; i < 20; ++i)
            login({QString("x%1").arg(i), "guess", "t"}, 1, "10.9.9.9");
        QVERIFY(
            !firstEvent(login({"demo4", kDigest, "t"}, 1, "10.9.9.9"), "authenticate").value("ok").toBool());
        QVERIFY(
            firstEvent(login({"demo4", kDigest, "t"}, 1, "10.1.1.1"), "authenticate").value("ok").toBool());
    }

    void buyingInBeforeJoining()
    {
        const QString lobby = login({"demo1", kDigest, "t"});
        int action = 0;
        const QString child = open(lobby, "busy", &action);
        QCOMPARE(action, 2); // no chips here yet: buy first
        QCOMPARE(call(child, "userBuyin", {30.0}).value().toBool(), true);
        QCOMPARE(m_accounts->account("demo1").balance, Cents(97000));
        QCOMPARE(call(child, "gameJoin", {child}).value().toBool(), true);
        Table* busy = m_server->tables().at(0);
        QCOMPARE(busy->peopleStacks().value("demo1"), Cents(3000));
        // With chips at the table, opening it again means joining.
        open(lobby, "busy", &action);
        QCOMPARE(action, 1);

        // Bought for a table never joined: the money comes back with the session's end.
        const QString other = open(lobby, "pair");
        QCOMPARE(call(lobby, "userBuyin", {25.0, other}).value().toBool(), true);
        QCOMPARE(m_accounts->account("demo1").balance, Cents(94500));
        QVERIFY(call(other, "destroy").value().toBool());
        QCOMPARE(m_accounts->account("demo1").balance, Cents(97000));
    }

    void refusalsAreAnswers_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("params");
        QTest::newRow("buy-in over the maximum") << "userBuyin" << QVariantList{500.0};
        QTest::newRow("buy-in under the minimum") << "userBuyin" << QVariantList{1.0};
        QTest::newRow("buy-in of nothing") << "userBuyin" << QVariantList{0.0};
        QTest::newRow("action out of turn") << "gameAction" << QVariantList{"actionFold", 0.0};
        QTest::newRow("unknown setting") << "gameSetting" << QVariantList{"dance"};
        QTest::newRow("no such table") << "gameOpen" << QVariantList{"nowhere"};
    }

    void refusalsAreAnswers()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, params);
        const QString lobby = login({"demo1", kDigest, "t"});
        const QString child = open(lobby, "pair");
        const xmlrpc::Response r = call(child, method, params);
        QVERIFY2(!r.isFault(), qPrintable(r.faultString()));
        QCOMPARE(r.value().toBool(), false);
        QCOMPARE(m_accounts->account("demo1").balance, Cents(100000));
    }

    void malformedAmountsAreFaults_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("params");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("NaN buy-in") << "userBuyin" << QVariantList{nan};
        QTest::newRow("infinite buy-in") << "userBuyin" << QVariantList{inf};
        QTest::newRow("huge buy-in") << "userBuyin" << QVariantList{1e300};
        QTest::newRow("NaN raise") << "gameAction" << QVariantList{"actionBetRaise", nan};
        QTest::newRow("raise without amount") << "gameAction" << QVariantList{"actionBetRaise"};
    }

    void malformedAmountsAreFaults()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, params);
        const QString lobby = login({"demo1", kDigest, "t"});
        const QString child = open(lobby, "pair");
        QCOMPARE(call(child, method, params).faultCode(), int(PokerServer::BadParameters));
        QCOMPARE(m_accounts->account("demo1").balance, Cents(100000));
    }

    void fullTableIsAnAnswer()
    {
        QStringList children;
        for (const char* user : {"demo1", "demo2", "demo3"}) {
            const QString lobby = login({user, kDigest, "t"});
            children.append(open(lobby, "pair"));
        }
        QVERIFY(call(children.at(0), "gameJoin", {children.at(0)}).value().toBool());
        QVERIFY(call(children.at(1), "gameJoin", {children.at(1)}).value().toBool());
        const xmlrpc::Response full = call(children.at(2), "gameJoin", {children.at(2)});
        QVERIFY(!full.isFault());
        QCOMPARE(full.value().toBool(), false);
        QCOMPARE(firstEvent(children.at(2), "gameJoin").value("ok").toBool(), false);
    }

    void oneSeatPerUser()
    {
        const QString table1 = seatAtBusy("demo5", 40.0);
        QVERIFY(!table1.isEmpty());
        Table* busy = m_server->tables().at(0);
        const int players = busy->playerCount();

        // Logging in again finds the seat and gets back to it: the same seat, not a second one.
        const QString again = login({"demo5", kDigest, "t"});
        QVariantMap opened;
        for (const QVariant& e : events(again)) {
            const QVariantMap event = e.toMap();
            if (event.value("event") == "authenticate")
                QCOMPARE(event.value("reconnect").toBool(), true);
            if (event.value("event") == "gameOpen")
                opened = event;
        }
        // The table comes back as one the server opens.
        QCOMPARE(opened.value("selection").toString(), QString("busy"));
        QCOMPARE(opened.value("action").toInt(), 1);
        QVERIFY(call(again, "gameJoin", {"busy"}).value().toBool());
        QCOMPARE(busy->playerCount(), players);
        QCOMPARE(busy->peopleStacks().value("demo5"), Cents(4000));
        QVERIFY(busy->isSeated(again));
        QVERIFY(!busy->isSeated(table1));
        QVERIFY(!firstEvent(table1, "gameClose").isEmpty());
    }

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

    void freerollsAreListedAndRegisteredPerUser()
    {
        const QString first = login({"demo1", kDigest, "t"});
        const QString second = login({"demo2", kDigest, "t"});
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        const auto registered = [&](const QString& session, const QString& id) {
            for (const QVariant& entry : call(session, "freerollList").value().toList()) {
                if (entry.toMap().value("id").toString() == id)
                    return entry.toMap().value("isPlaying").toBool();
            }
            return false;
        };
        QVERIFY(call(first, "freerollRegister", {"freeroll-evening", true}).value().toBool());
        QVERIFY(registered(first, "freeroll-evening"));
        QVERIFY(!registered(second, "freeroll-evening"));
        // A second session of the same user sees the registration too.
        QVERIFY(registered(login({"demo1", kDigest, "t"}), "freeroll-evening"));
        QVERIFY(!call(first, "freerollRegister", {"freeroll-running", true}).value().toBool());
        QVERIFY(!call(QString(), "freerollRegister", {"freeroll-evening", true}).value().toBool());
        QVERIFY(call(first, "freerollRegister", {"freeroll-evening", false}).value().toBool());
        QVERIFY(!registered(first, "freeroll-evening"));
        QVERIFY(call(first, "freerollDetails", {"freeroll-evening"}).value().toMap().contains("gameDetails"));
        QCOMPARE(call(first, "freerollDetails", {"nope"}).faultCode(), int(PokerServer::NoSuchFreeroll));
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

    void silentSessionsLoseTheirQueue()
    {
        m_server->setEventQueueLifetime(200);
        QString display;
        call(QString(), "authenticate", {1, QStringList{"", "", "screen"}, "en_US", 0}, &display);
        QVERIFY(call(display, "gameJoin", {QString()}).value().toBool());
        const QString serverId = m_server->serverId();
        QTest::qWait(600); // the table goes on meanwhile
        const QVariantList after = events(display);
        QCOMPARE(after.size(), 1);
        QCOMPARE(after.first().toMap().value("event").toString(), QString("serverInfo"));
        QVERIFY(after.first().toMap().value("id").toString() != serverId);
        // And it is told once; polling again brings the table's events.
        int got = 0;
        for (int i = 0; i < 100 && got == 0; ++i) {
            QTest::qWait(50);
            got = int(events(display).size());
        }
        QVERIFY(got > 0);
    }

    void sessionsWithoutAccountAreLimitedPerAddress()
    {
        for (int i = 0; i < 200; ++i)
            call(QString(), "authenticate", {1, QStringList{"", "", "screen"}, "en_US", 0}, nullptr,
                 "10.7.7.7");
        QVERIFY(m_server->sessionCount() <= 64);
        const QString player = login({"demo1", kDigest, "t"}, 1, "10.7.7.7");
        for (int i = 0; i < 100; ++i)
            open(player, "busy");
        // The player's own session is never the one to go.
        QVERIFY(call(player, "gameList").value().toList().size() == 3);
        QVERIFY(m_server->sessionCount() <= 65);
    }
};

QTEST_GUILESS_MAIN(TestPokerServer)
#include "tst_pokerserver.moc"
