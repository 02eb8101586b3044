#include "refreshharness.h"
#include "servercommand.h"
#include "terminalidentity.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using VeskGames::Client;
using VeskGames::Command;
using VeskGames::ServerCommand;
namespace Identity = VeskGames::TerminalIdentity;

Q_DECLARE_METATYPE(QList<Identity::Interface>)

class TestClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void urls_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");     // -1: the default
        QTest::addColumn<QString>("path"); // "<default>": the default
        QTest::addColumn<bool>("ssl");
        QTest::addColumn<QString>("url");
        QTest::newRow("all given") << "poker.example" << 8080 << "rpc" << true
                                   << "https://poker.example:8080/rpc";
        QTest::newRow("defaults: two slashes")
            << "poker.example" << -1 << "<default>" << false << "http://poker.example:80//";
        QTest::newRow("loopback") << "127.0.0.1" << 7777 << "/" << false << "http://127.0.0.1:7777//";
    }

    void urls()
    {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, path);
        QFETCH(bool, ssl);
        QFETCH(QString, url);
        Client client;
        if (port < 0)
            client.setHost(host);
        else if (path == QLatin1String("<default>"))
            client.setHost(host, quint16(port));
        else
            client.setHost(host, quint16(port), path, ssl);
        QCOMPARE(client.url().toString(), url);
        QCOMPARE(client.ssl(), ssl);
    }

    void urlForm()
    {
        Client client;
        client.setHost(QUrl("http://games.example:7000/api"), true);
        QCOMPARE(client.url().toString(), QStringLiteral("https://games.example:7000//api"));
    }

    void commandsKeepTheirOwnAnswers()
    {
        RefreshHarness harness;
        ServerCommand first(harness.client.get(), QStringLiteral("userInfo"));
        ServerCommand second(harness.client.get(), {xmlrpc::Variant(false), xmlrpc::Variant(QVariantMap())},
                             QStringLiteral("userSettings"));
        QSignalSpy firstDone(&first, &Command::done);
        QSignalSpy secondDone(&second, &Command::done);
        first.exec();
        second.exec();
        QVERIFY(!first.isDone());
        QTRY_COMPARE(secondDone.size(), 1);
        QCOMPARE(firstDone.size(), 1);
        QCOMPARE(firstDone.at(0).at(0).value<Command*>(), &first);
        QCOMPARE(first.result(), QVariant("userInfo"));
        QCOMPARE(second.result(), QVariant("userSettings"));
        QVERIFY(first.isDone() && !first.hasError());
        QCOMPARE(harness.methods, (QStringList{"userInfo", "userSettings"}));

        // Run again: a new request, a new answer.
        second.setRequest({}, QStringLiteral("ping"));
        second.exec();
        QVERIFY(!second.isDone());
        QVERIFY(!second.result().isValid());
        QTRY_COMPARE(secondDone.size(), 2);
        QCOMPARE(second.result(), QVariant("ping"));
        QCOMPARE(second.command(), QStringLiteral("ping"));
        QCOMPARE(firstDone.size(), 1);
    }

    void failedCommand()
    {
        RefreshHarness harness;
        harness.server.setHandler([](const ScriptedHttpServer::Received&) {
            return ScriptedHttpServer::xml(xmlrpc::Response(21, QStringLiteral("Not seated")).toXml());
        });
        ServerCommand command(harness.client.get(), QStringLiteral("gameLeave"));
        QSignalSpy done(&command, &Command::done);
        command.exec();
        QTRY_COMPARE(done.size(), 1);
        QVERIFY(command.hasError());
        QVERIFY(!command.result().isValid());
        QCOMPARE(command.error(), 21);
        QCOMPARE(command.errorString(), QStringLiteral("Not seated"));
    }

    // One reading of a reply: an answer other than false is success.
    void succeeded_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QVariant>("answer");
        QTest::addColumn<bool>("succeeded");
        QTest::newRow("true") << 0 << QVariant(true) << true;
        QTest::newRow("false") << 0 << QVariant(false) << false;
        QTest::newRow("a list") << 0 << QVariant(QVariantList{1, 2}) << true;
        QTest::newRow("an empty text") << 0 << QVariant(QString()) << true;
        QTest::newRow("zero") << 0 << QVariant(0) << true;
        QTest::newRow("a fault") << 21 << QVariant() << false;
    }

    void succeeded()
    {
        QFETCH(int, fault);
        QFETCH(QVariant, answer);
        QFETCH(bool, succeeded);
        RefreshHarness harness;
        harness.server.setHandler([&](const ScriptedHttpServer::Received&) {
            return ScriptedHttpServer::xml(fault ? xmlrpc::Response(fault, QStringLiteral("No")).toXml()
                                                 : xmlrpc::Response(xmlrpc::Variant(answer)).toXml());
        });
        ServerCommand command(harness.client.get(), QStringLiteral("userBuyin"));
        QSignalSpy done(&command, &Command::done);
        command.exec();
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(ServerCommand::succeeded(&command), succeeded);
        QVERIFY(!ServerCommand::succeeded(nullptr));
    }

    void reconnectWithACallInFlight_data()
    {
        QTest::addColumn<int>("reconnects");
        QTest::newRow("once") << 1;
        QTest::newRow("twice in a row") << 2;
    }

    void reconnectWithACallInFlight()
    {
        QFETCH(int, reconnects);
        RefreshHarness harness;
        harness.server.setHandler([](const ScriptedHttpServer::Received& request) {
            xmlrpc::Request call;
            call.parse(request.body);
            ScriptedHttpServer::Reply reply =
                ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(call.methodName())).toXml());
            reply.hold = call.methodName() == QLatin1String("authenticate"); // never answered
            return reply;
        });
        Client* client = harness.client.get();
        ServerCommand login(client, QStringLiteral("authenticate"));
        QSignalSpy loginDone(&login, &Command::done);
        login.exec();
        QTRY_COMPARE(harness.server.heldCount(), 1);

        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < reconnects; ++i)
            client->connect();
        ServerCommand ping(client, QStringLiteral("ping"));
        QSignalSpy pingDone(&ping, &Command::done);
        ping.exec();
        QTRY_COMPARE_WITH_TIMEOUT(pingDone.size(), 1, 1000);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!ping.hasError());
        QCOMPARE(ping.result(), QVariant("ping"));
        // The call on the old connection ended as a transport failure, once.
        QCOMPARE(loginDone.size(), 1);
        QVERIFY(login.hasError());
        QCOMPARE(login.error(), -32300);
        QTest::qWait(100); // the old manager's deferred deletion runs
        QCOMPARE(loginDone.size(), 1);
    }

    void sessionCookie()
    {
        RefreshHarness harness;
        harness.server.setHandler([](const ScriptedHttpServer::Received& request) {
            ScriptedHttpServer::Reply reply =
                ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(1)).toXml());
            if (request.body.contains("authenticate"))
                reply.headers.append(
                    qMakePair(QByteArray("Set-Cookie"), QByteArray("sessionId=from-server; Path=/")));
            return reply;
        });
        Client* client = harness.client.get();
        QSignalSpy done(client, &Client::done);

        client->request(QStringLiteral("ping"));
        QTRY_COMPARE(done.size(), 1);
        QVERIFY(!harness.server.received().at(0).headers.contains("cookie"));

        client->request(QStringLiteral("authenticate"));
        client->request(QStringLiteral("userInfo"));
        QTRY_COMPARE(done.size(), 3);
        QCOMPARE(harness.server.received().at(2).headers.value("cookie"),
                 QByteArray("sessionId=from-server"));

        client->setSessionId(QStringLiteral("child-42"));
        client->request(QStringLiteral("gameJoin"));
        QTRY_COMPARE(done.size(), 4);
        QCOMPARE(harness.server.received().at(3).headers.value("cookie"), QByteArray("sessionId=child-42"));

        // A new connection starts with an empty jar.
        client->connect();
        client->request(QStringLiteral("ping"));
        QTRY_COMPARE(done.size(), 5);
        QVERIFY(!harness.server.received().at(4).headers.contains("cookie"));
    }

    void macAddress_data()
    {
        QTest::addColumn<QList<Identity::Interface>>("interfaces");
        QTest::addColumn<bool>("activeOnly");
        QTest::addColumn<QString>("address");

        const Identity::Interface loopback{true, true, "00:00:00:00:00:00"};
        const Identity::Interface down{false, false, "AA:00:00:00:00:01"};
        const Identity::Interface up{false, true, "AA:00:00:00:00:02"};
        const Identity::Interface noAddress{false, true, ""};
        QTest::newRow("first non-loopback")
            << QList<Identity::Interface>{loopback, down, up} << false << "AA:00:00:00:00:01";
        QTest::newRow("active only skips a disconnected one")
            << QList<Identity::Interface>{loopback, down, up} << true << "AA:00:00:00:00:02";
        QTest::newRow("empty addresses are passed over")
            << QList<Identity::Interface>{noAddress, up} << true << "AA:00:00:00:00:02";
        QTest::newRow("nothing qualifies") << QList<Identity::Interface>{loopback, down} << true << "";
    }

    void macAddress()
    {
        QFETCH(QList<Identity::Interface>, interfaces);
        QFETCH(bool, activeOnly);
        QFETCH(QString, address);
        QCOMPARE(Identity::macAddress(interfaces, activeOnly), address);
    }

    void loginIdentifier_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("identifier");
        const QString mac = "1C:2B:3A:4D:5E:6F";
        QTest::newRow("plain") << "anna" << false << -1 << mac;
        QTest::newRow("demo3") << "demo3" << true << -1 << "ff:ff:ff:ff:ff:03";
        QTest::newRow("demo10") << "demo10" << true << -1 << "ff:ff:ff:ff:ff:0a";
        QTest::newRow("demo11 is ordinary") << "demo11" << true << -1 << mac;
        QTest::newRow("demo0 is ordinary") << "demo0" << true << -1 << mac;
        QTest::newRow("space before the number") << "demo 7" << true << -1 << mac;
        QTest::newRow("sign before the number") << "demo+7" << true << -1 << mac;
        QTest::newRow("number then space") << "demo7 " << true << -1 << mac;
        QTest::newRow("leading zero") << "demo07" << true << -1 << "ff:ff:ff:ff:ff:07";
        QTest::newRow("demo name outside demo mode") << "demo3" << false << -1 << mac;
        QTest::newRow("second screen") << "anna" << false << 1 << "ff:01:3A:4D:5E:6F";
        QTest::newRow("screen 12") << "anna" << false << 12 << "ff:0c:3A:4D:5E:6F";
        QTest::newRow("demo wins over screen") << "demo7" << true << 2 << "ff:ff:ff:ff:ff:07";
    }

    void loginIdentifier()
    {
        QFETCH(QString, user);
        QFETCH(bool, demo);
        QFETCH(int, screen);
        QFETCH(QString, identifier);
        QCOMPARE(Identity::loginIdentifier("1C:2B:3A:4D:5E:6F", user, demo, screen), identifier);
    }

    void systemAddressHasTheRightShape()
    {
        Client client;
        const QString mac = client.macAddress();
        if (mac.isEmpty())
            QSKIP("this machine has no network interface with a hardware address");
        QVERIFY2(QRegularExpression("^([0-9A-F]{2}:){5}[0-9A-F]{2}$").match(mac).hasMatch(), qPrintable(mac));
    }
};

QTEST_GUILESS_MAIN(TestClient)
#include "tst_client.moc"
