// The program against a server that fails the ways servers and networks do:
// errors, answers that are no XML or half of one, a redirect to itself, one
// byte a second, a server stopped for 25 seconds, a certificate no
// authority the program trusts signed. Each time the program says
// what is wrong, and either goes on once the fault is gone or ends the
// orderly way; it never crashes or hangs, and the server loses no chips.
#include "faultproxy.h"
#include "pokerdprocess.h"
#include "tablefeedlines.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/types.h>

namespace {

/// The hands the table showed so far, by the table state feed.
int handsShown(const QString& feed)
{
    return TableFeed::distinctHands(TableFeed::readLines(feed));
}

constexpr int kServerStopped = -1;

/// The program in community mode against 127.0.0.1, its table state feed
/// in \a feed, its settings and caches inside \a dir.
void startPlayer(QProcess& player, const QTemporaryDir& dir, const QString& feed,
                 const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VESK_TABLE_STATE", feed);
    env.insert("QT_LOGGING_RULES", "vesk.table.info=true");
    env.insert("HOME", dir.filePath("home"));
    env.insert("XDG_CONFIG_HOME", dir.filePath("home/config"));
    env.insert("XDG_CACHE_HOME", dir.filePath("home/cache"));
    env.insert("TMPDIR", dir.filePath("home/tmp"));
    QDir().mkpath(dir.filePath("home/tmp"));
    player.setProcessEnvironment(env);
    player.setWorkingDirectory(dir.path());
    player.start(QStringLiteral(PLAYER_PATH), QStringList{"-community", "-host", "127.0.0.1"} + arguments);
}

} // namespace

class TestPlayerFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void faults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("told");
        QTest::newRow("HTTP 500") << int(FaultProxy::Status500) << 5 << "Connection problem";
        QTest::newRow("malformed XML") << int(FaultProxy::Malformed) << 5 << "Connection problem";
        QTest::newRow("truncated answer") << int(FaultProxy::Truncated) << 5 << "Connection problem";
        QTest::newRow("301 to itself") << int(FaultProxy::RedirectToSelf) << 5 << "Connection problem";
        QTest::newRow("one byte a second") << int(FaultProxy::Slow) << 12 << "Connection seems slow";
        QTest::newRow("server stopped 25 s") << kServerStopped << 25 << "Connection seems slow";
    }

    void faults()
    {
        QFETCH(int, fault);
        QFETCH(int, seconds);
        QFETCH(QString, told);
        QTemporaryDir dir;
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"), {"--bot-delay", "40", "--hand-delay", "120"}));
        FaultProxy proxy(server.port());
        QVERIFY(proxy.listen());

        const QString feed = dir.filePath("feed.jsonl");
        QProcess player;
        startPlayer(player, dir, feed, {"-port", QString::number(proxy.port())});
        QVERIFY(player.waitForStarted(10000));
        const int wait = 60000;
        QTRY_VERIFY_WITH_TIMEOUT(handsShown(feed) >= 2, wait);

        // The fault, for a while.
        const qint64 serverPid = server.process().processId();
        if (fault == kServerStopped)
            QCOMPARE(::kill(pid_t(serverPid), SIGSTOP), 0);
        else
            proxy.setMode(FaultProxy::Mode(fault));
        QTest::qWait(seconds * 1000);
        if (fault == kServerStopped)
            QCOMPARE(::kill(pid_t(serverPid), SIGCONT), 0);
        else
            proxy.setMode(FaultProxy::Pass);
        const int before = handsShown(feed);

        // Then it goes on, or ends the orderly way; either way it told the player why.
        QString err;
        const auto settled = [&] {
            err += QString::fromLocal8Bit(player.readAllStandardError());
            return player.state() == QProcess::NotRunning || handsShown(feed) >= before + 2;
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), wait);
        err += QString::fromLocal8Bit(player.readAllStandardError());
        QVERIFY2(err.contains("shown: " + told), qPrintable(err));
        if (player.state() == QProcess::NotRunning) {
            QCOMPARE(player.exitStatus(), QProcess::NormalExit);
            QCOMPARE(player.exitCode(), 0);
            qInfo("the program ended after: %s",
                  qPrintable(err.section("shown: ", 1, 1).section('\n', 0, 0)));
        } else {
            qInfo("the program went on after the fault");
            player.kill();
            player.waitForFinished(10000);
        }
        if (fault != kServerStopped)
            QVERIFY(proxy.faults() > 0);

        // The server played on and lost no chips: every hand's chips added up.
        QCOMPARE(server.process().state(), QProcess::Running);
        const QString serverErr = QString::fromLocal8Bit(server.process().readAllStandardError());
        QVERIFY2(PokerdProcess::chipsAddUp(serverErr), qPrintable(serverErr));
    }

    void foreignCertificate()
    {
        // The server's certificate is its own, signed by no authority the
        // program trusts: the program must say so and talk to it no further.
        const QString openssl = QStandardPaths::findExecutable("openssl");
        if (openssl.isEmpty())
            QSKIP("openssl is not installed");
        QTemporaryDir dir;
        const QStringList tls = PokerdProcess::selfSignedTls(openssl, dir.path());
        QVERIFY(!tls.isEmpty());
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"),
                             QStringList{"--bot-delay", "40", "--hand-delay", "120"} + tls));

        const QString feed = dir.filePath("feed.jsonl");
        QProcess player;
        startPlayer(player, dir, feed, {"-port", QString::number(server.port()), "-ssl"});
        QVERIFY(player.waitForStarted(10000));
        QString err;
        const auto told = [&] {
            err += QString::fromLocal8Bit(player.readAllStandardError());
            return err.contains("shown: SSL error:") || player.state() == QProcess::NotRunning;
        };
        const int wait = 30000;
        QTRY_VERIFY_WITH_TIMEOUT(told(), wait);
        QVERIFY2(err.contains("shown: SSL error:"), qPrintable(err));
        // Still there a while later, asking again, and shown nothing the server sent.
        QTest::qWait(3000);
        err += QString::fromLocal8Bit(player.readAllStandardError());
        QCOMPARE(player.state(), QProcess::Running);
        QCOMPARE(handsShown(feed), 0);
        player.kill();
        player.waitForFinished(10000);
        QCOMPARE(server.process().state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestPlayerFaults)
#include "tst_playerfaults.moc"
