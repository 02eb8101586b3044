// The server as an independent implementation (Python's xmlrpc.client) sees it.
#include "pokerdprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPokerdInterop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pythonClient()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.path()));

        QProcess script;
        script.start(python, {QStringLiteral(INTEROP_SCRIPT), QString::number(server.port())});
        QVERIFY(script.waitForFinished(60000));
        const QByteArray errors = script.readAllStandardError();
        QVERIFY2(script.exitCode() == 0, errors.constData());
        const QJsonObject out = QJsonDocument::fromJson(script.readAllStandardOutput()).object();

        QCOMPARE(out.value("ping").toBool(), true);
        QCOMPARE(out.value("unauthenticated").toArray().at(0).toInt(), 2);
        QCOMPARE(out.value("bad_password_result").toBool(), true);
        QCOMPARE(out.value("bad_password").toArray(), QJsonArray{false});
        QCOMPARE(out.value("login").toBool(), true);
        QVERIFY(out.value("cookie").toBool());
        QCOMPARE(out.value("first_events").toArray(), (QJsonArray{"serverInfo", "authenticate"}));
        QCOMPARE(out.value("unknown_method").toArray().at(0).toInt(), -32601);

        const QJsonArray games = out.value("games").toArray();
        QCOMPARE(games.size(), 10); // the server's default tables
        const QJsonObject first = games.at(0).toObject();
        for (const char* member : {"id", "name", "type", "currency", "limit", "stakeMin", "stakeMax", "ante",
                                   "buyinMin", "buyinMax", "seats", "players", "isPlaying"})
            QVERIFY2(first.contains(member), member);
        QCOMPARE(first.value("type").toInt(), 0x1001);
        QCOMPARE(first.value("stakeMin").toDouble(), 0.5);
        QCOMPARE(first.value("buyinMin").toDouble(), 20.0);

        const QJsonObject info = out.value("user_info").toArray().at(0).toObject();
        QCOMPARE(info.value("balance").toDouble(), 1000.0);

        const QJsonArray events = out.value("table_events").toArray();
        for (const char* kind : {"gameJoin", "gameParameters", "gameEvent", "userBuyin"})
            QVERIFY2(events.contains(QString::fromLatin1(kind)), kind);
        QVERIFY(out.value("hand_status").toArray().contains(101));

        QCOMPARE(out.value("avatars").toArray().size(), 10);
        QCOMPARE(out.value("avatars").toArray().at(0).toObject().value("name").toString(),
                 QStringLiteral("Fox"));
        QVERIFY(out.value("avatar_png").toBool());
        QCOMPARE(out.value("missing_avatar").toBool(true), false);

        const QJsonArray garbage = out.value("garbage").toArray();
        QCOMPARE(garbage.at(0).toInt(), 200);
        QVERIFY(garbage.at(1).toString().contains("<name>faultCode</name>"));
        QCOMPARE(out.value("too_large").toInt(), 413);
        QCOMPARE(server.process().state(), QProcess::Running);
    }

    void pagesAtTheAddressesLogged()
    {
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.path()));
        // The lines after the one with the port tell where the pages are.
        QString cashier;
        QString help;
        const QRegularExpression cashierLine("^pokerd cashier page: (\\S+)$");
        const QRegularExpression helpLine("^pokerd help page: (\\S+)$");
        while (help.isEmpty() &&
               (server.process().canReadLine() || server.process().waitForReadyRead(10000))) {
            while (server.process().canReadLine()) {
                const QString line = QString::fromLocal8Bit(server.process().readLine()).trimmed();
                if (const QRegularExpressionMatch m = cashierLine.match(line); m.hasMatch())
                    cashier = m.captured(1);
                if (const QRegularExpressionMatch m = helpLine.match(line); m.hasMatch())
                    help = m.captured(1);
            }
        }
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
        QCOMPARE(cashier, base + "/cashier?ticket=VeskGames::Ticket");
        QCOMPARE(help, base + "/help");

        // The help page, as a browser that knows nothing of the client would open it.
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QProcess browser;
        browser.start(python, {"-c",
                               "import sys, urllib.request as u; r = u.urlopen(sys.argv[1]);"
                               "print(r.status, r.headers['Content-Type'], 'demo10' in r.read().decode())",
                               help});
        QVERIFY(browser.waitForFinished(30000));
        QCOMPARE(browser.readAllStandardOutput().trimmed(), QByteArray("200 text/html; charset=utf-8 True"));
    }

    void https()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        const QString openssl = QStandardPaths::findExecutable("openssl");
        if (python.isEmpty() || openssl.isEmpty())
            QSKIP("python3 or openssl is not installed");
        QTemporaryDir data;
        const QStringList tls = PokerdProcess::selfSignedTls(openssl, data.path());
        QVERIFY(!tls.isEmpty());
        PokerdProcess server;
        QVERIFY(server.start(data.path(), tls));

        // Trusting exactly that certificate, Python's client talks to it.
        QProcess client;
        client.start(python,
                     {"-c",
                      "import ssl, sys, xmlrpc.client as x;"
                      "c = ssl.create_default_context(cafile=sys.argv[2]);"
                      "print(x.ServerProxy('https://127.0.0.1:%s//' % sys.argv[1], context=c).ping())",
                      QString::number(server.port()), data.filePath("cert.pem")});
        QVERIFY(client.waitForFinished(30000));
        QCOMPARE(client.readAllStandardOutput().trimmed(), QByteArray("True"));
    }
};

QTEST_GUILESS_MAIN(TestPokerdInterop)
#include "tst_pokerdinterop.moc"
