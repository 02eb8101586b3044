// The self-update against pokerd's update server and a scripted file server:
// what is fetched, what is skipped, retries, cut-offs, and nothing written
// outside the installation.
#include "pokerdprocess.h"

#include "currentupdater.h"
#include "platform/updaterplatform.h"
#include "processupdate.h"
#include "scratchfiles.h"
#include "scriptedhttpserver.h"
#include "updatefinder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace VeskGames;

namespace {

QByteArray sha1(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

/// A manifest of one file served at \a url.
QByteArray oneFile(const QString& name, const QByteArray& bytes, const QUrl& url)
{
    return "<manifest><version>2</version><files><file><name>" + name.toUtf8() + "</name><size>" +
           QByteArray::number(bytes.size()) + "</size><url>" + url.toString().toUtf8() +
           "</url><hash algorithm=\"sha1\">" + sha1(bytes) + "</hash></file></files></manifest>";
}

/// The system's side, written down instead of done.
class RecordingPlatform : public UpdaterPlatform
{
public:
    explicit RecordingPlatform(const QString& folder) : m_folder(folder) {}
    QString platformName() const override { return QStringLiteral("linux"); }
    QString updaterFolder() const override { return m_folder; }
    QString updaterProgram() const override { return m_folder + QStringLiteral("updater"); }
    bool startUpdater(const QString& program, const QStringList& arguments) override
    {
        started = QStringList{program} + arguments;
        return true;
    }
    QStringList started;

private:
    QString m_folder;
};

} // namespace

class TestProcessUpdate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PokerdProcess m_server;
    QUrl m_endpoint;

    QString releases() const { return m_dir.filePath("releases"); }

private Q_SLOTS:
    void initTestCase()
    {
        writeFile(releases() + "/VeskPoker/version", "0.2.0.0\n");
        writeFile(releases() + "/VeskPoker/player", "new player");
        writeFile(releases() + "/VeskPoker/same.txt", "unchanged");
        writeFile(releases() + "/VeskPoker/lib/plugins/kestrin.so", "plug-in v2");
        writeFile(releases() + "/VeskUpdater/version", "1.0.0.1");
        writeFile(releases() + "/VeskUpdater/updater", "#!/bin/sh\n");
        QFile::setPermissions(releases() + "/VeskUpdater/updater",
                              QFile::permissions(releases() + "/VeskUpdater/updater") |
                                  QFileDevice::ExeOwner);
        QVERIFY(m_server.start(m_dir.filePath("data"), {"--updates", releases()}));
        m_endpoint = QUrl(QStringLiteral("http://127.0.0.1:%1/updates/xmlrpc.php").arg(m_server.port()));
    }

    void versionCheck_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("newer");
        QTest::newRow("older") << "0.1.0.0"
                               << "" << true;
        QTest::newRow("the same") << "0.2.0.0"
                                  << "" << false;
        QTest::newRow("newer than the server's") << "0.10.0.0"
                                                 << "beta" << false;
    }

    void versionCheck()
    {
        QFETCH(QString, installed);
        QFETCH(QString, tag);
        QFETCH(bool, newer);
        RecordingPlatform platform(m_dir.filePath("unused/"));
        CurrentUpdater updater;
        updater.setPlatform(&platform);
        updater.setUrl(m_endpoint);
        updater.setComponent("VeskPoker");
        updater.setVersion(installed);
        updater.setTag(tag);
        QSignalSpy available(&updater, &CurrentUpdater::updateAvailable);
        QSignalSpy none(&updater, &CurrentUpdater::noUpdateAvailable);
        UpdateFinder probe(UpdateFinder::CurrentVersion, &updater);
        // No "tag" member at all when there is none.
        QCOMPARE(probe.query().contains("tag"), !tag.isEmpty());
        QCOMPARE(probe.query().value("platform").toString(), QStringLiteral("linux"));
        updater.checkForUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(available.size() + none.size(), 1, 10000);
        QCOMPARE(available.size(), newer ? 1 : 0);
        if (newer)
            QCOMPARE(available.first().first().toString(), QStringLiteral("0.2.0.0"));
    }

    void bringsAFolderToTheRelease()
    {
        // The local folder: one file as released, one changed at the same
        // size, one missing in a subfolder, one the release does not know.
        QTemporaryDir install;
        writeFile(install.filePath("same.txt"), "unchanged");
        writeFile(install.filePath("player"), "old player");
        writeFile(install.filePath("mine.ini"), "kept");
        RecordingPlatform platform(m_dir.filePath("unused/"));
        CurrentUpdater updater;
        updater.setPlatform(&platform);
        updater.setUrl(m_endpoint);
        updater.setComponent("VeskPoker");
        updater.setVersion("0.1.0.0");
        updater.setBaseDir(QDir::toNativeSeparators(install.path()));
        UpdateFinder finder(UpdateFinder::Manifest, &updater);
        QSignalSpy manifest(&finder, &UpdateFinder::manifest);
        finder.start();
        QVERIFY(manifest.wait(10000));
        ProcessUpdate process(manifest.first().first().toByteArray(), updater.baseDir(), "VeskPoker/0.1.0.0");
        QSignalSpy fetched(&process, &ProcessUpdate::downloadFile);
        QSignalSpy size(&process, &ProcessUpdate::downloadSize);
        QSignalSpy success(&process, &ProcessUpdate::processSuccessful);
        process.start();
        QTRY_COMPARE_WITH_TIMEOUT(success.size(), 1, 10000);
        QStringList names;
        for (const QList<QVariant>& signal : fetched)
            names.append(signal.first().toString());
        // New files first, then the changed one; the unchanged one is not fetched.
        QCOMPARE(names, (QStringList{"lib/plugins/kestrin.so", "player"}));
        QCOMPARE(size.first().first().toULongLong(), quint64(QByteArray("plug-in v2new player").size()));
        QCOMPARE(readFile(install.filePath("player")), QByteArray("new player"));
        QCOMPARE(readFile(install.filePath("lib/plugins/kestrin.so")), QByteArray("plug-in v2"));
        QCOMPARE(readFile(install.filePath("mine.ini")), QByteArray("kept"));
    }

    void triesThreeTimes_data()
    {
        QTest::addColumn<int>("badAnswers");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("overlong"); // the bad answers are too long rather than wrong
        QTest::newRow("right at once") << 0 << true << false;
        QTest::newRow("corrupted twice, then right") << 2 << true << false;
        QTest::newRow("corrupted three times") << 3 << false << false;
        QTest::newRow("too long twice, then right") << 2 << true << true;
    }

    void triesThreeTimes()
    {
        QFETCH(int, badAnswers);
        QFETCH(bool, installed);
        QFETCH(bool, overlong);
        const QByteArray good("the right bytes");
        int asked = 0;
        QByteArrayList agents;
        ScriptedHttpServer files;
        files.setHandler([&](const ScriptedHttpServer::Received& request) {
            ScriptedHttpServer::Reply reply;
            agents.append(request.headers.value("user-agent"));
            reply.body = asked++ < badAnswers
                             ? (overlong ? good + QByteArray(100000, 'x') : QByteArray("the wrong bytes"))
                             : good;
            return reply;
        });
        QVERIFY(files.listen());
        QTemporaryDir install;
        ProcessUpdate process(oneFile("data.bin", good, files.url("/data.bin")), install.path() + '/',
                              "VeskUpdater/1.0.0.0");
        QSignalSpy success(&process, &ProcessUpdate::processSuccessful);
        QSignalSpy failed(&process, &ProcessUpdate::processDownloadFailed);
        qint64 progress = 0;
        qint64 fellBack = 0;
        connect(&process, &ProcessUpdate::downloadedBytes, this, [&](quint64 bytes) {
            progress += qint64(bytes);
            fellBack += qint64(bytes) < 0 ? 1 : 0;
        });
        process.start();
        QTRY_COMPARE_WITH_TIMEOUT(success.size() + failed.size(), 1, 10000);
        QCOMPARE(success.size(), installed ? 1 : 0);
        QCOMPARE(asked, qMin(badAnswers + 1, 3));
        // What was taken back for each bad try leaves only the good bytes counted.
        QCOMPARE(progress, installed ? qint64(good.size()) : 0);
        if (!overlong)
            QCOMPARE(fellBack, qint64(qMin(badAnswers, 3)));
        QCOMPARE(agents.value(0), QByteArray("VeskUpdater/1.0.0.0"));
        QCOMPARE(readFile(install.filePath("data.bin")), installed ? good : QByteArray("<missing>"));
    }

    void neverWritesOutside()
    {
        // A folder inside the installation that links outside it.
        QTemporaryDir outside;
        QTemporaryDir install;
        QVERIFY(QFile::link(outside.path(), install.filePath("link")));
        const QByteArray bytes("evil");
        ScriptedHttpServer files;
        files.setHandler([&](const ScriptedHttpServer::Received&) {
            ScriptedHttpServer::Reply reply;
            reply.body = bytes;
            return reply;
        });
        QVERIFY(files.listen());
        ProcessUpdate process(oneFile("link/planted", bytes, files.url("/x")), install.path() + '/', "x/1");
        QSignalSpy failed(&process, &ProcessUpdate::processFailed);
        process.start();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
        QVERIFY(QDir(outside.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void fetchesTheUpdaterAndHandsOver()
    {
        QTemporaryDir folder;
        RecordingPlatform platform(folder.path() + '/');
        CurrentUpdater updater;
        updater.setPlatform(&platform);
        updater.setUrl(m_endpoint);
        updater.setComponent("VeskPoker");
        updater.setVersion("0.1.0.0");
        updater.setBaseDir("/home/someone/vesk");
        QSignalSpy ready(&updater, &CurrentUpdater::updateReady);
        QSignalSpy failed(&updater, &CurrentUpdater::updateFailed);
        updater.prepareUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(ready.size() + failed.size(), 1, 10000);
        QCOMPARE(ready.size(), 1);
        QCOMPARE(readFile(folder.filePath("updater")), QByteArray("#!/bin/sh\n"));
        QVERIFY(QFileInfo(folder.filePath("updater")).isExecutable());
        const QStringList list =
            updater.startUpdater("/home/someone/vesk/player", "-host poker.example", true);
        QCOMPARE(platform.started.value(0), folder.path() + "/updater");
        QCOMPARE(platform.started.mid(1), list);
        QCOMPARE(list.mid(0, 6), (QStringList{"-component", "VeskPoker", "-version", "0.1.0.0", "-baseDir",
                                              "/home/someone/vesk/"}));
        QCOMPARE(list.mid(8), (QStringList{"-restart", "/home/someone/vesk/player", "-restartAuto", "--",
                                           "-host", "poker.example"}));
    }
};

QTEST_GUILESS_MAIN(TestProcessUpdate)
#include "tst_processupdate.moc"
