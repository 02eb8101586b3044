// The kiosk stand-in answers the three calls a terminal's client makes, in
// the shapes the client relies on, in-process and over HTTP.
#include "pokerdprocess.h"

#include "kioskservice.h"
#include "xmlrpc/client.h"

#include <QSignalSpy>
#include <QTest>

using Pokerd::KioskService;

class TestKioskService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("params");
        QTest::addColumn<bool>("fault");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("credentials") << "getCredentials" << QVariantList{"VeskPoker"} << false
                                     << QVariant(QVariantMap{{"username", "demo3"}, {"password", "pw:x"}});
        QTest::newRow("credentials for another program")
            << "getCredentials" << QVariantList{"Other"} << true << QVariant();
        QTest::newRow("credentials without a name")
            << "getCredentials" << QVariantList{} << true << QVariant();
        QTest::newRow("lock") << "lockScreen" << QVariantList{300, QString()} << false << QVariant(true);
        QTest::newRow("idle timer") << "resetIdleTimer" << QVariantList{} << false << QVariant(true);
        QTest::newRow("anything else") << "shutdown" << QVariantList{} << true << QVariant();
    }

    void answers()
    {
        QFETCH(QString, method);
        QFETCH(QVariantList, params);
        QFETCH(bool, fault);
        QFETCH(QVariant, value);
        KioskService kiosk(QStringLiteral("demo3"), QStringLiteral("pw:x"));
        QList<xmlrpc::Variant> values;
        for (const QVariant& param : params)
            values.append(param);
        QString session;
        const xmlrpc::Response response =
            kiosk.call(method, values, QString(), &session, QStringLiteral("local"));
        QCOMPARE(response.isFault(), fault);
        if (!fault)
            QCOMPARE(QVariant(response.value()), value);
        QCOMPARE(kiosk.calls(), QStringList{method});
        QVERIFY(session.isEmpty());
    }

    void answersOverHttp()
    {
        // pokerd --kiosk: the client's own transport gets the log-in.
        QTemporaryDir dir;
        PokerdProcess server;
        QVERIFY(server.start(dir.path(), {"--kiosk", "0", "--kiosk-login", "demo4:secret"}));
        QProcess& process = server.process();
        quint16 port = 0;
        while (port == 0 && (process.canReadLine() || process.waitForReadyRead(10000))) {
            const QString line = QString::fromLocal8Bit(process.readLine());
            const QRegularExpressionMatch match =
                QRegularExpression("kiosk service on http://127.0.0.1:(\\d+)/").match(line);
            if (match.hasMatch())
                port = match.captured(1).toUShort();
        }
        QVERIFY(port != 0);
        xmlrpc::Client client;
        client.setUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
        QSignalSpy done(&client, &xmlrpc::Client::done);
        client.request(QStringLiteral("getCredentials"), xmlrpc::Variant(QStringLiteral("VeskPoker")));
        QVERIFY(done.wait(10000));
        const QVariantMap login = done.first().at(1).toMap();
        QCOMPARE(login, (QVariantMap{{"username", "demo4"}, {"password", "secret"}}));
        QString log;
        QTRY_VERIFY_WITH_TIMEOUT((log += QString::fromLocal8Bit(process.readAll()))
                                     .contains(QLatin1String("kiosk: getCredentials")),
                                 5000);
    }
};

QTEST_GUILESS_MAIN(TestKioskService)
#include "tst_kioskservice.moc"
