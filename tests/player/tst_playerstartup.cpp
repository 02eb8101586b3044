// Runs the real program the way a user starts it.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct Run
{
    int exitCode = -100;
    QString out;
    QString err;
};

} // namespace

class TestPlayerStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir(m_dir->path()).mkpath("config");
        QDir(m_dir->path()).mkpath("tmp");
    }

    void helpListing()
    {
        const Run run = player({"-help"});
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines.first(), QStringLiteral(" -authKiosk <bool>: Obtain authentication data through kiosk "
                                               "(default value: false)"));
        QCOMPARE(lines.at(12), QStringLiteral(" -port <int>: Server port to connect to"));
        // Start-up goes on after the listing.
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("player: started"));
    }

    void unknownOptionShowsHelpAndGoesOn()
    {
        const Run run = player({"-nosuchoption"});
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).size(), 22);
        QCOMPARE(run.exitCode, 0);
    }

    void startStates_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("localIni");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("startState");

        QTest::newRow("interactive") << QStringList() << QByteArray() << 0 << 0;
        QTest::newRow("static log-in") << QStringList{"-authStatic", "a::5"} << QByteArray() << 0 << 1;
        QTest::newRow("kiosk, value does not matter")
            << QStringList{"-authKiosk", "false"} << QByteArray() << 0 << 3;
        QTest::newRow("empty amount") << QStringList{"-authStatic", "a:b:"} << QByteArray() << -1 << -1;
        QTest::newRow("four parts") << QStringList{"-authStatic", "a:b:c:d"} << QByteArray() << -1 << -1;
        QTest::newRow("static log-in wins over kiosk")
            << QStringList{"-authKiosk", "-authStatic", "u:p:1"} << QByteArray() << 0 << 1;
        QTest::newRow("local file overrides command line")
            << QStringList{"-authStatic", "u:p:1"} << QByteArray("extraParameters=-authStatic broken\n") << -1
            << -1;
        QTest::newRow("local file gives log-in")
            << QStringList() << QByteArray("extraParameters=-authStatic u:p:10\n") << 0 << 1;
    }

    void startStates()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, localIni);
        QFETCH(int, exitCode);
        QFETCH(int, startState);

        if (!localIni.isEmpty())
            writeFile("default.local.ini", localIni);
        const Run run = player(args);
        QCOMPARE(run.exitCode, exitCode & 0xff);
        if (startState < 0) {
            // Malformed log-in data: the listing, and no window.
            QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).size(), 22);
            QVERIFY(!run.err.contains("player: started"));
        } else {
            QVERIFY2(run.err.contains(QStringLiteral("start state %1,").arg(startState)),
                     qPrintable(run.err));
        }
    }

    void themeChoice_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("theme");
        // The partner's plug-in lies beside the program: it is chosen by name only.
        QTest::newRow("none asked for") << QStringList() << "DefaultTheme";
        QTest::newRow("built-in") << QStringList{"-theme", "CommunityTheme"} << "CommunityTheme";
        QTest::newRow("plug-in") << QStringList{"-theme", "KestrinTheme"} << "KestrinTheme";
        // Unknown names fall back on the first theme found: plug-ins come first.
        QTest::newRow("unknown") << QStringList{"-theme", "Nope"} << "KestrinTheme";
        QTest::newRow("case matters") << QStringList{"-theme", "communitytheme"} << "KestrinTheme";
    }

    void themeChoice()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, theme);
        const Run run = player(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("with theme " + theme + ","), qPrintable(run.err));
    }

    void asRootTheWebPagesStart()
    {
#ifdef Q_OS_UNIX
        if (geteuid() != 0)
            QSKIP("only the root user meets the web engine's sandbox refusal");
#endif
        // The partner's log-in opens a web pane at once: the engine starts with it.
        QProcess process;
        QProcessEnvironment env = environment();
        env.remove("QTWEBENGINE_DISABLE_SANDBOX");
        env.remove("QTWEBENGINE_CHROMIUM_FLAGS");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir->path());
        process.start(QStringLiteral(PLAYER_PATH),
                      {"-host", "127.0.0.1", "-port", "9", "-theme", "KestrinTheme"});
        QVERIFY(process.waitForStarted(10000));
        QTest::qWait(8000);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(process.state() == QProcess::Running, qPrintable(err));
        process.kill();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(err.count("without the web engine's sandbox"), 1);
    }

    void missingScreenIsIgnored()
    {
        const Run run = player({"-multihead", "3"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("screen 3 does not exist"));
    }

    void optionsPresetInTheSettingsStore()
    {
        writeFile("config/Vesk Games/VeskPoker.conf", "[General]\ntheme=CommunityTheme\n");
        const Run run = player({});
        QVERIFY2(run.err.contains("with theme CommunityTheme,"), qPrintable(run.err));
        // Start-up records where themes find their files.
        QFile conf(m_dir->filePath("config/Vesk Games/VeskPoker.conf"));
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QVERIFY(conf.readAll().contains("themeResourcePrefix=:"));
    }

    void secondInstanceLeavesQuietly()
    {
        QProcess holder;
        holder.setProcessEnvironment(environment());
        holder.start(QStringLiteral(HOLDER_PATH), {QStringLiteral("VeskPoker")});
        QVERIFY(holder.waitForStarted());
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("claimed"));

        const Run run = player({});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("another instance is running"));
        QVERIFY(!run.err.contains("player: started"));
        QVERIFY(holder.readAll().isEmpty()); // nothing was sent to the first

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(player({}).err.contains("player: started"));
    }

    void versionAndQuietStartUp()
    {
        // Answered before anything starts.
        Run run = player({"--version"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("player " VESK_VERSION "\n"));
        // The start-up's report is an info message: not shown unless the rules ask for it.
        QProcess quiet;
        QProcessEnvironment env = environment();
        env.remove("QT_LOGGING_RULES");
        quiet.setProcessEnvironment(env);
        quiet.setWorkingDirectory(m_dir->path());
        quiet.start(QStringLiteral(PLAYER_PATH), {"-host", "127.0.0.1", "-port", "9"});
        QVERIFY(quiet.waitForStarted(10000));
        QTest::qWait(3000);
        QCOMPARE(quiet.state(), QProcess::Running);
        quiet.kill();
        QVERIFY(quiet.waitForFinished(10000));
        QVERIFY2(!quiet.readAllStandardError().contains("player: started"),
                 "info messages are off by default");
    }

private:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", m_dir->filePath("config"));
        env.insert("XDG_CACHE_HOME", m_dir->filePath("cache"));
        env.insert("TMPDIR", m_dir->filePath("tmp"));
        // The start-up's report, off by default, is how the test knows the program is up.
        env.insert("QT_LOGGING_RULES", "vesk.startup.info=true");
        return env;
    }

    void writeFile(const QString& name, const QByteArray& text)
    {
        const QString path = m_dir->filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    Run player(const QStringList& args)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(m_dir->path());
        process.start(QStringLiteral(PLAYER_PATH), args);
        Run run;
        // A program that got as far as its window runs until it is closed: that is success here.
        QElapsedTimer clock;
        clock.start();
        while (process.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
            process.waitForReadyRead(100);
            run.out += QString::fromLocal8Bit(process.readAllStandardOutput());
            run.err += QString::fromLocal8Bit(process.readAllStandardError());
            if (run.err.contains(QLatin1String("player: started"))) {
                process.kill();
                process.waitForFinished(10000);
                run.exitCode = 0;
                return run;
            }
        }
        if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = process.exitCode();
        run.out += QString::fromLocal8Bit(process.readAllStandardOutput());
        run.err += QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestPlayerStartup)
#include "tst_playerstartup.moc"
