// The updater program against pokerd's update server: it brings a scratch
// installation to the release and starts the client again with its
// arguments, also when the update fails.
#include "pokerdprocess.h"

#include "handoverarguments.h"
#include "scratchfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using VeskGames::HandOverArguments;

class TestUpdaterProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void updatesAndRestarts_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a release to install") << "VeskPoker" << 0;
        QTest::newRow("no such release") << "Nothing" << 1;
    }

    void updatesAndRestarts()
    {
        QFETCH(QString, component);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString releases = dir.filePath("releases");
        writeFile(releases + "/VeskPoker/version", "0.2.0.0");
        writeFile(releases + "/VeskPoker/bin/player", "player 0.2", true);
        writeFile(releases + "/VeskPoker/share/sounds.ini", "[sounds]");
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"), {"--updates", releases}));

        const QString install = dir.filePath("install");
        writeFile(install + "/bin/player", "player 0.1", true);
        writeFile(install + "/default.local.ini", "kept");
        // The "client" to start again writes down what it was given.
        const QString client = dir.filePath("client.sh");
        writeFile(client, "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/restarted\"\n", true);

        const HandOverArguments::Installation installation{
            component, "0.1.0.0", install + '/',
            QStringLiteral("http://127.0.0.1:%1/updates/xmlrpc.php").arg(server.port()), QString()};
        QProcess updater;
        updater.start(QStringLiteral(UPDATER_PATH),
                      HandOverArguments::list(installation, client, "-host poker.example", true));
        QVERIFY(updater.waitForFinished(30000));
        QCOMPARE(updater.exitCode(), exitCode);
        const bool updated = exitCode == 0;
        QCOMPARE(readFile(install + "/bin/player"),
                 updated ? QByteArray("player 0.2") : QByteArray("player 0.1"));
        QVERIFY(QFileInfo(install + "/bin/player").isExecutable());
        QCOMPARE(readFile(install + "/share/sounds.ini"),
                 updated ? QByteArray("[sounds]") : QByteArray("<missing>"));
        QCOMPARE(readFile(install + "/default.local.ini"), QByteArray("kept"));
        QTRY_COMPARE_WITH_TIMEOUT(readFile(dir.filePath("restarted")), QByteArray("-host poker.example\n"),
                                  10000);
    }

    void killedWhileInstallingLeavesOldOrNew()
    {
        // Stopped dead at some point of the update, every file is whole: the
        // old one or the new one, never a mixture or a stump.
        QTemporaryDir dir;
        const QString releases = dir.filePath("releases");
        writeFile(releases + "/VeskPoker/version", "0.2.0.0");
        const int files = 12;
        const QByteArray fresh(1536 * 1024, 'n');
        const QByteArray old(1536 * 1024, 'o');
        for (int i = 0; i < files; ++i)
            writeFile(releases + QStringLiteral("/VeskPoker/lib/part%1.bin").arg(i), fresh);
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"), {"--updates", releases}));
        const HandOverArguments::Installation release{
            "VeskPoker", "0.1.0.0", QString(),
            QStringLiteral("http://127.0.0.1:%1/updates/xmlrpc.php").arg(server.port()), QString()};
        int sawBoth = 0;
        for (int run = 0; run < 6; ++run) {
            const QString install = dir.filePath(QStringLiteral("install%1").arg(run));
            for (int i = 0; i < files; ++i)
                writeFile(install + QStringLiteral("/lib/part%1.bin").arg(i), old);
            HandOverArguments::Installation installation = release;
            installation.baseDir = install + '/';
            QProcess updater;
            updater.start(QStringLiteral(UPDATER_PATH),
                          HandOverArguments::list(installation, QString(), QString(), false));
            QVERIFY(updater.waitForStarted(10000));
            // Killed once it has begun to install its (run + 1)th file.
            QByteArray output;
            while (output.count("installing") <= run && updater.waitForReadyRead(10000))
                output += updater.readAllStandardOutput();
            updater.kill();
            updater.waitForFinished(10000);
            int renewed = 0;
            for (int i = 0; i < files; ++i) {
                const QByteArray now = readFile(install + QStringLiteral("/lib/part%1.bin").arg(i));
                QVERIFY2(now == old || now == fresh,
                         qPrintable(QStringLiteral("run %1, part %2").arg(run).arg(i)));
                renewed += now == fresh ? 1 : 0;
            }
            sawBoth += renewed > 0 && renewed < files ? 1 : 0;
        }
        QVERIFY2(sawBoth > 0, "no run was stopped in the middle of installing");
    }

    void refusesAnIncompleteCommandLine()
    {
        QProcess updater;
        updater.start(QStringLiteral(UPDATER_PATH), {"-component", "VeskPoker"});
        QVERIFY(updater.waitForFinished(10000));
        QCOMPARE(updater.exitCode(), 2);
        QVERIFY(updater.readAllStandardError().contains("usage:"));
    }
};

QTEST_GUILESS_MAIN(TestUpdaterProgram)
#include "tst_updaterprogram.moc"
