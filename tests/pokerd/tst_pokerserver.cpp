// The protocol as a client meets it, driven in-process against the server's call().
#include "pokerserverfixture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Pokerd;

using namespace PokerServerTest;

namespace {

using Terminals = QMap<QString, QString>;

} // namespace

class TestPokerServer : public Fixture
{
    Q_OBJECT

private Q_SLOTS:
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

    void tilePicturesForTheLobby()
    {
        const QString session = login({"demo1", kDigest, "t"});
        QVERIFY(!session.isEmpty());
        QSet<int> listed;
        for (const QVariant& entry : call(session, "getImageList").value().toList())
            listed.insert(entry.toMap().value("id").toInt());
        QCOMPARE(listed.size(), TableConfig::TileImageCount);
        // The built-in tables each have one; a table set up without one lists none.
        for (const TableConfig& table : TableConfig::defaults())
            QVERIFY2(listed.contains(table.imageId), qPrintable(table.id));
        for (const QVariant& entry : call(session, "gameList").value().toList()) {
            const QVariantMap game = entry.toMap();
            if (game.contains("imageId"))
                QVERIFY2(listed.contains(game.value("imageId").toInt()),
                         qPrintable(game.value("id").toString()));
        }
        for (const int id : listed) {
            const QByteArray bytes =
                call(session, "getImage", {id}).value().toMap().value("image").toByteArray();
            QVERIFY(!QImage::fromData(bytes).isNull());
        }
        for (const QVariant& wrong : QVariantList{0, -1, 999, QString("../avatars/1")})
            QCOMPARE(call(session, "getImage", {wrong}).value().toBool(), false);
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
