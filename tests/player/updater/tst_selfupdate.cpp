// The whole self-update on this machine: an installation of 0.1 asks
// pokerd's update server, fetches the updater program (our own), hands over
// to it, and the updater installs 0.2 and starts the program again, which
// then runs as 0.2 with the arguments it had.
#include "pokerdprocess.h"

#include "currentupdater.h"
#include "scratchfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using VeskGames::CurrentUpdater;

namespace {

/// What the splash screen is told while the updater arrives.
class Progress : public QObject
{
    Q_OBJECT

public:
    quint64 total = 0;
    qint64 received = 0;

public Q_SLOTS:
    void downloadSize(quint64 size) { total = size; }
    void downloadedBytes(quint64 bytes) { received += qint64(bytes); }
};

} // namespace

class TestSelfUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromOneReleaseToTheNext()
    {
        QTemporaryDir dir;
        // The updater's own folder is kept in the temporary folder.
        QVERIFY(QDir().mkpath(dir.filePath("tmp")));
        qputenv("TMPDIR", dir.filePath("tmp").toLocal8Bit());

        const QString releases = dir.filePath("releases");
        QVERIFY(QDir().mkpath(releases + "/VeskUpdater"));
        QVERIFY(QFile::copy(QStringLiteral(UPDATER_PATH), releases + "/VeskUpdater/updater"));
        writeFile(releases + "/VeskUpdater/version", "1.0.0.1");
        const QByteArray program = "#!/bin/sh\nroot=$(dirname \"$0\")/..\n"
                                   "echo \"$(cat \"$root/version.txt\") $*\" > \"$root/restarted\"\n";
        writeFile(releases + "/VeskPoker/version", "0.2.0.0");
        writeFile(releases + "/VeskPoker/version.txt", "0.2.0.0");
        writeFile(releases + "/VeskPoker/bin/player", program + "# 0.2\n", true);
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"), {"--updates", releases}));

        const QString install = dir.filePath("install");
        writeFile(install + "/version.txt", "0.1.0.0");
        writeFile(install + "/bin/player", program, true);

        CurrentUpdater updater;
        updater.setUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/updates/xmlrpc.php").arg(server.port())));
        updater.setComponent("VeskPoker");
        updater.setVersion("0.1.0.0");
        updater.setBaseDir(install);
        Progress progress;
        connect(&updater, &CurrentUpdater::downloadSize, &progress, &Progress::downloadSize);
        connect(&updater, &CurrentUpdater::downloadedBytes, &progress, &Progress::downloadedBytes);
        QSignalSpy available(&updater, &CurrentUpdater::updateAvailable);
        updater.checkForUpdate();
        QVERIFY(available.wait(10000));
        QCOMPARE(available.first().first().toString(), QStringLiteral("0.2.0.0"));

        QSignalSpy ready(&updater, &CurrentUpdater::updateReady);
        updater.prepareUpdate();
        QVERIFY(ready.wait(20000));
        QCOMPARE(progress.total, quint64(QFileInfo(QStringLiteral(UPDATER_PATH)).size()));
        QCOMPARE(progress.received, qint64(progress.total));

        const QStringList handedOver =
            updater.startUpdater(install + "/bin/player", "-host poker.example", true);
        QVERIFY(!handedOver.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(readFile(install + "/restarted").trimmed(),
                                  QByteArray("0.2.0.0 -host poker.example"), 30000);
        QCOMPARE(readFile(install + "/version.txt").trimmed(), QByteArray("0.2.0.0"));
        qunsetenv("TMPDIR");
    }
};

QTEST_GUILESS_MAIN(TestSelfUpdate)
#include "tst_selfupdate.moc"
