// HTTPS: the server is trusted through the authority the program carries in
// its resources, and through nothing else.
#include "scriptedhttpserver.h"
#include "xmlrpc/response.h"

#include "client.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QResource>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using VeskGames::Client;

namespace {

bool run(const QString& program, const QStringList& args, const QString& dir)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAll().constData());
        return false;
    }
    return true;
}

} // namespace

class TestClientSsl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString openssl = QStandardPaths::findExecutable("openssl");
        if (openssl.isEmpty())
            QSKIP("openssl is not installed");
        QVERIFY(m_dir.isValid());
        const QString dir = m_dir.path();
        QFile ext(dir + "/server.ext");
        QVERIFY(ext.open(QIODevice::WriteOnly));
        ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n");
        ext.close();
        // Two authorities, each with a server certificate for 127.0.0.1.
        for (const QString& ca : {QStringLiteral("trusted"), QStringLiteral("rogue")}) {
            QVERIFY(run(openssl,
                        {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                         "/CN=" + ca + " test authority", "-keyout", ca + "-ca.key", "-out", ca + "-ca.pem"},
                        dir));
            QVERIFY(run(openssl,
                        {"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout",
                         ca + "-server.key", "-out", ca + "-server.csr"},
                        dir));
            QVERIFY(run(openssl,
                        {"x509", "-req", "-in", ca + "-server.csr", "-CA", ca + "-ca.pem", "-CAkey",
                         ca + "-ca.key", "-CAcreateserial", "-days", "2", "-extfile", "server.ext", "-out",
                         ca + "-server.pem"},
                        dir));
        }
        // The program's authority resource, as the build would embed it.
        QDir(dir).mkpath("res/table");
        QVERIFY(QFile::copy(dir + "/trusted-ca.pem", dir + "/res/table/cacert.pem"));
        QFile qrc(dir + "/res/ca.qrc");
        QVERIFY(qrc.open(QIODevice::WriteOnly));
        qrc.write("<RCC><qresource prefix=\"/\"><file>table/cacert.pem</file></qresource></RCC>\n");
        qrc.close();
        QVERIFY(run(QStringLiteral(RCC_PATH), {"-binary", "ca.qrc", "-o", "ca.rcc"}, dir + "/res"));
        m_authorityResource = dir + "/res/ca.rcc";
        QVERIFY(QFile::exists(m_authorityResource));
    }

    void trust_data()
    {
        QTest::addColumn<QString>("authority");
        QTest::addColumn<bool>("withResource");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("our authority") << "trusted" << true << true;
        QTest::newRow("another authority") << "rogue" << true << false;
        // Without the resource the system's default trust applies, which knows neither.
        QTest::newRow("no authority file, our server") << "trusted" << false << false;
        QTest::newRow("no authority file, another server") << "rogue" << false << false;
    }

    void trust()
    {
        QFETCH(QString, authority);
        QFETCH(bool, withResource);
        QFETCH(bool, accepted);
        if (withResource)
            QVERIFY(QResource::registerResource(m_authorityResource));
        const auto unregister = qScopeGuard([&] {
            if (withResource)
                QResource::unregisterResource(m_authorityResource);
        });
        QCOMPARE(QFile::exists(":/table/cacert.pem"), withResource);
        ScriptedHttpServer server;
        server.setHandler([](const ScriptedHttpServer::Received&) {
            return ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(QStringLiteral("pong"))).toXml());
        });
        QVERIFY(server.listen(tlsConfiguration(authority)));

        Client client;
        client.connect();
        client.setHost(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("/"), true);
        QSignalSpy done(&client, &Client::done);
        QSignalSpy failed(&client, &Client::failed);
        QSignalSpy notice(&client,
                          qOverload<QString, qint32, qint32, QStringList, qint32>(&Client::userNotify));
        client.request(QStringLiteral("ping"));
        QTRY_COMPARE_WITH_TIMEOUT(done.size() + failed.size(), 1, 20000);
        if (accepted) {
            QCOMPARE(done.at(0).at(1), QVariant("pong"));
            QCOMPARE(notice.size(), 0);
            return;
        }
        QCOMPARE(failed.at(0).at(1).toInt(), -32300);
        QCOMPARE(notice.size(), 1);
        const QString text = notice.at(0).at(0).toString();
        QVERIFY2(text.startsWith("SSL error:\n"), qPrintable(text));
        QCOMPARE(notice.at(0).mid(1), (QVariantList{0, 1, QStringList(), 0}));
        QCOMPARE(server.received().size(), 0);
    }

private:
    QSslConfiguration tlsConfiguration(const QString& authority)
    {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        QFile cert(m_dir.path() + "/" + authority + "-server.pem");
        QFile key(m_dir.path() + "/" + authority + "-server.key");
        if (cert.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly)) {
            tls.setLocalCertificate(QSslCertificate(&cert, QSsl::Pem));
            tls.setPrivateKey(QSslKey(&key, QSsl::Rsa, QSsl::Pem));
        }
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        return tls;
    }

    QTemporaryDir m_dir;
    QString m_authorityResource;
};

QTEST_GUILESS_MAIN(TestClientSsl)
#include "tst_clientssl.moc"
