// pokerd's update server: versions compared part by part, manifests made
// from the release folder, and files handed out only from inside it.
#include "scratchfiles.h"
#include "updateservice.h"
#include "xmlrpc/response.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Pokerd::UpdateService;

namespace {

QVariantMap answer(UpdateService& service, const QString& method, const QVariantMap& query)
{
    QString unused;
    const xmlrpc::Response response =
        service.call(method, {xmlrpc::Variant(query)}, QString(), &unused, QStringLiteral("local"));
    return response.isFault() ? QVariantMap{{"fault", response.faultCode()}} : response.value().toMap();
}

} // namespace

class TestUpdateService : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        writeFile(m_dir.filePath("rel/VeskPoker/version"), "1.10.0.0\n");
        writeFile(m_dir.filePath("rel/VeskPoker/bin/player"), "abc");
        writeFile(m_dir.filePath("secret.txt"), "not for you");
        QVERIFY(QFile::link(m_dir.filePath("secret.txt"), m_dir.filePath("rel/VeskPoker/link.txt")));
    }

    void versions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("part by part, not as text") << "1.10.0.0"
                                                   << "1.9.0.0" << 1;
        QTest::newRow("missing parts are 0") << "1.2"
                                             << "1.2.0.0" << 0;
        QTest::newRow("older") << "0.1.0.0"
                               << "0.2" << -1;
    }

    void versions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(UpdateService::compareVersions(a, b), order);
        QCOMPARE(UpdateService::compareVersions(b, a), -order);
    }

    void queries()
    {
        UpdateService service(m_dir.filePath("rel"));
        service.setBaseUrl(QUrl("http://127.0.0.1:4000"));
        QCOMPARE(
            answer(service, "getCurrentVersion", {{"component", "VeskPoker"}, {"currentVersion", "1.9.0.0"}}),
            (QVariantMap{{"ok", true}, {"currentVersion", "1.10.0.0"}}));
        QCOMPARE(
            answer(service, "getCurrentVersion", {{"component", "VeskPoker"}, {"currentVersion", "1.10"}})
                .value("ok"),
            QVariant(false));
        QCOMPARE(answer(service, "getManifest", {{"component", "../rel/VeskPoker"}}).value("ok"),
                 QVariant(false));
        const QByteArray manifest =
            answer(service, "getManifest", {{"component", "VeskPoker"}}).value("manifest").toByteArray();
        QVERIFY(manifest.contains("<name>bin/player</name>"));
        QVERIFY(manifest.contains("http://127.0.0.1:4000/updates/files/VeskPoker/bin/player"));
        QVERIFY(manifest.contains(QCryptographicHash::hash("abc", QCryptographicHash::Sha1).toHex()));
        QVERIFY(!manifest.contains("<name>version</name>"));
        QCOMPARE(answer(service, "dropTables", {}).value("fault"), QVariant(-32601));
    }

    void files_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("served");
        QTest::newRow("a release file") << "VeskPoker/bin/player" << true;
        QTest::newRow("the version file") << "VeskPoker/version" << false;
        QTest::newRow("up and out") << "VeskPoker/../../secret.txt" << false;
        QTest::newRow("a link out") << "VeskPoker/link.txt" << false;
        QTest::newRow("a folder") << "VeskPoker/bin" << false;
        QTest::newRow("no component") << "../secret.txt" << false;
    }

    void files()
    {
        QFETCH(QString, path);
        QFETCH(bool, served);
        UpdateService service(m_dir.filePath("rel"));
        QByteArray bytes;
        QCOMPARE(service.file(path, &bytes), served);
        QCOMPARE(bytes, served ? QByteArray("abc") : QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestUpdateService)
#include "tst_updateservice.moc"
