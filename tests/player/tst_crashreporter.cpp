#include "platform/crashreporter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestCrashReporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportIsWrittenAndProcessStillDies_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal");
        QTest::newRow("segmentation fault") << QString::number(SIGSEGV) << int(SIGSEGV);
        QTest::newRow("bus error") << QString::number(SIGBUS) << int(SIGBUS);
        QTest::newRow("abort") << "abort" << int(SIGABRT);
    }

    void reportIsWrittenAndProcessStillDies()
    {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QTemporaryDir dir;
        // The folder does not exist yet: the reporter makes it.
        const QString report = dir.filePath("nested/crash.txt");
        for (int round = 0; round < 2; ++round) {
            QProcess probe;
            probe.start(PROBE_PATH, {report, how});
            QVERIFY(probe.waitForFinished(30000));
            QCOMPARE(probe.exitStatus(), QProcess::CrashExit);

            QFile file(report);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromLocal8Bit(file.readAll());
            QVERIFY2(text.startsWith("program player\nversion 9.8.7\n"), qPrintable(text));
            QCOMPARE(text.count("signal "), 1); // the last crash replaces the one before
            QVERIFY(text.contains(QStringLiteral("signal %1\n").arg(signal)));
            const QString trace = text.section("backtrace:\n", 1);
            QVERIFY2(trace.count('\n') >= 2, qPrintable(text));
        }
    }

    void defaultReportLivesInTheCacheFolder()
    {
        qputenv("XDG_CACHE_HOME", "/tmp/vesk-cache-test");
        QCOMPARE(VeskGames::CrashReporter::defaultReportPath(),
                 QStringLiteral("/tmp/vesk-cache-test/VeskPoker/player-crash.txt"));
    }
};

QTEST_GUILESS_MAIN(TestCrashReporter)
#include "tst_crashreporter.moc"
