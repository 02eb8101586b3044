// The rules the player program's log-in and restart follow: the terminal
// identity, the authentication call, the restart's command line, and which
// state follows a server command.
#include "applicationstate.h"
#include "authenticationrequest.h"
#include "restartarguments.h"

#include <QTest>
#include <QUrl>

using namespace VeskGames;

class TestPlayerRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identifier_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("identifier");

        const QString real = "00:1a:2b:3c:4d:5e";
        QTest::newRow("a person") << "alice" << false << -1 << real;
        QTest::newRow("demo7 in demo mode") << "demo7" << true << -1 << "ff:ff:ff:ff:ff:07";
        QTest::newRow("demo10 in demo mode") << "demo10" << true << -1 << "ff:ff:ff:ff:ff:0a";
        QTest::newRow("demo11 keeps the real one") << "demo11" << true << -1 << real;
        QTest::newRow("demo0 keeps the real one") << "demo0" << true << -1 << real;
        QTest::newRow("demo7 outside demo mode") << "demo7" << false << -1 << real;
        QTest::newRow("screen 2") << "alice" << false << 2 << "ff:02:2b:3c:4d:5e";
        QTest::newRow("screen 12") << "alice" << false << 12 << "ff:0c:2b:3c:4d:5e";
        QTest::newRow("demo wins over the screen") << "demo3" << true << 2 << "ff:ff:ff:ff:ff:03";
    }

    void identifier()
    {
        QFETCH(QString, user);
        QFETCH(bool, demo);
        QFETCH(int, screen);
        QFETCH(QString, identifier);
        QCOMPARE(AuthenticationRequest::terminalIdentifier("00:1a:2b:3c:4d:5e", user, demo, screen),
                 identifier);
    }

    void parameters_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("list");

        const QString digest = AuthenticationRequest::digest("demo");
        QTest::newRow("typed password") << "demo"
                                        << "" << 1 << QStringList{"demo1", digest, "id", "demo"};
        QTest::newRow("kiosk password: no clear text")
            << QString() << "" << 1 << QStringList{"demo1", digest, "id"};
        QTest::newRow("partner portal") << "demo"
                                        << "acme" << 2 << QStringList{"demo1", "demo", "id", "acme"};
    }

    void parameters()
    {
        QFETCH(QString, password);
        QFETCH(QString, partner);
        QFETCH(int, type);
        QFETCH(QStringList, list);
        const QList<xmlrpc::Variant> params = AuthenticationRequest::parameters(
            "demo1", AuthenticationRequest::digest("demo"), password, "id", partner, "sv_SE", 3600);
        QCOMPARE(params.size(), 4);
        QCOMPARE(params.at(0).toInt(), type);
        QCOMPARE(params.at(1).toStringList(), list);
        QCOMPARE(params.at(2).toString(), QString("sv_SE"));
        QCOMPARE(params.at(3).toInt(), 3600);
    }

    void digest()
    {
        QCOMPARE(AuthenticationRequest::digest("demo"), QString("89e495e7941cf9e40e6980d14a16bf023ccd4c91"));
        QCOMPARE(AuthenticationRequest::digest(QString::fromUtf8("p\xc3\xa4ss")).size(), 40);
    }

    void passwordExposure_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("exposed");
        QTest::newRow("loopback") << "http://127.0.0.1:7777/" << false;
        QTest::newRow("loopback, IPv6") << "http://[::1]:7777/" << false;
        QTest::newRow("localhost") << "http://LocalHost/" << false;
        QTest::newRow("another machine") << "http://10.0.0.5/" << true;
        QTest::newRow("a name") << "http://poker.example.org/" << true;
        QTest::newRow("a name that looks local") << "http://localhost.example.org/" << true;
        QTest::newRow("TLS") << "https://poker.example.org/" << false;
    }

    void passwordExposure()
    {
        QFETCH(QString, url);
        QFETCH(bool, exposed);
        QCOMPARE(AuthenticationRequest::exposesPassword(QUrl(url)), exposed);
    }

    void restart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("restart");

        QTest::newRow("plain") << QStringList{"/opt/player", "-host", "h"}
                               << QStringList{"-host",          "h",       "-authStatic", "demo1:pw:0",
                                              "-disableUpdate", "-locale", "de_DE"};
        QTest::newRow("a locale given stays")
            << QStringList{"/opt/player", "-locale", "sv_SE"}
            << QStringList{"-locale", "sv_SE", "-authStatic", "demo1:pw:0", "-disableUpdate"};
        QTest::newRow("an earlier log-in is replaced")
            << QStringList{"/opt/player", "-authStatic", "old:x:5", "-sound"}
            << QStringList{"-sound", "-authStatic", "demo1:pw:0", "-disableUpdate", "-locale", "de_DE"};
    }

    void restart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, restart);
        QCOMPARE(RestartArguments::build(arguments, "demo1", "pw", "de_DE"), restart);
    }

    void transitions_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("success");
        QTest::addColumn<int>("failure");

        QTest::newRow("reconnect") << int(StateReconnect) << int(StateReconnectWait) << int(StateReconnect);
        QTest::newRow("kiosk") << int(StateKioskCredentials) << int(StateKioskWait)
                               << int(StateKioskCredentials);
        QTest::newRow("ping") << int(StateConnect) << int(StateLogin) << int(StateConnect);
        QTest::newRow("login") << int(StateLogin) << int(StateLoginWait) << int(StateLogin);
        QTest::newRow("login wait") << int(StateLoginWait) << int(StateLoginWait) << int(StateLogin);
        QTest::newRow("lobby") << int(StateLobby) << int(StateJoin) << int(StateGameOver);
        QTest::newRow("join") << int(StateJoin) << int(StateJoinWait) << int(StateGameOver);
        QTest::newRow("table") << int(StateTable) << int(StateGameOver) << int(StateLogin);
        QTest::newRow("game over") << int(StateGameOver) << int(StateNone) << int(StateGameOver);
        QTest::newRow("leaving") << int(StateLeaving) << int(StateNone) << int(StateLeaving);
        QTest::newRow("out of range") << int(StateNone) << int(StateNone) << int(StateNone);
    }

    void transitions()
    {
        QFETCH(int, state);
        QFETCH(int, success);
        QFETCH(int, failure);
        QCOMPARE(int(stateAfterCommand(ApplicationState(state), true)), success);
        QCOMPARE(int(stateAfterCommand(ApplicationState(state), false)), failure);
    }
};

QTEST_GUILESS_MAIN(TestPlayerRules)
#include "tst_playerrules.moc"
