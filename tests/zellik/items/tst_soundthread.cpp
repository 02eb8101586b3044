#include "sounddevice.h"
#include "soundthread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using VeskGames::SoundDevice;
using VeskGames::SoundOutput;
using VeskGames::SoundThread;

namespace {

// What the fake device saw.
struct DeviceLog
{
    QList<QPointer<SoundOutput>> outputs;
    QList<QAudioFormat> formats;
    QStringList started;
};

class FakeOutput : public SoundOutput
{
public:
    explicit FakeOutput(DeviceLog* log) : m_log(log) {}

    void start(QIODevice* source) override
    {
        auto* file = qobject_cast<QFile*>(source);
        m_log->started << (file && file->isOpen() ? QFileInfo(file->fileName()).fileName() : QString("?"));
        emit stateChanged(QAudio::ActiveState);
    }
    // A real sink reports the stop too; that must not count as played out.
    void stop() override { emit stateChanged(QAudio::StoppedState); }

private:
    DeviceLog* m_log;
};

class FakeDevice : public SoundDevice
{
public:
    FakeDevice(DeviceLog* log, bool supported) : m_log(log), m_supported(supported) {}

    bool isFormatSupported(const QAudioFormat& format) const override
    {
        return m_supported && format == SoundThread::soundFormat();
    }
    SoundOutput* createOutput(const QAudioFormat& format) override
    {
        m_log->formats << format;
        auto* output = new FakeOutput(m_log);
        m_log->outputs << output;
        return output;
    }

private:
    DeviceLog* m_log;
    bool m_supported;
};

// A PulseAudio daemon of our own with a null sink, so sounds really play
// without a sound card; the test sees what reached the sink on its monitor.
class PulseServer
{
public:
    ~PulseServer()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000))
                m_process.kill();
            m_process.waitForFinished(1000);
        }
    }

    bool start(QString* why)
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (exe.isEmpty()) {
            *why = QStringLiteral("pulseaudio is not installed (scripts/setup-debian.sh installs it)");
            return false;
        }
        if (!m_dir.isValid()) {
            *why = QStringLiteral("no temporary folder for pulseaudio");
            return false;
        }
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* var : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
            env.insert(QString::fromLatin1(var), m_dir.path());
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(exe, {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                              "--use-pid-file=no", "--log-target=stderr", "-L",
                              "module-null-sink sink_name=vesk_test rate=44100 channels=1", "-L",
                              "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        QElapsedTimer timer;
        timer.start();
        while (!QFile::exists(socket) && timer.elapsed() < 10000) {
            if (m_process.state() == QProcess::NotRunning || m_process.waitForFinished(50))
                break;
        }
        if (!QFile::exists(socket)) {
            *why = QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(m_process.readAll());
            return false;
        }
        m_server = QStringLiteral("unix:") + socket;
        qputenv("PULSE_SERVER", m_server.toLocal8Bit());
        return true;
    }

    // Starts recording what the null sink plays.
    bool record(QProcess& recorder) const
    {
        const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (parec.isEmpty())
            return false;
        recorder.start(parec, {"--server=" + m_server, "--device=vesk_test.monitor", "--raw",
                               "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=20"});
        return recorder.waitForStarted(3000);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_server;
};

int loudestSample(const QByteArray& pcm)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2) {
        const qint16 s = qint16(quint8(pcm[i]) | (quint8(pcm[i + 1]) << 8));
        peak = qMax(peak, std::abs(int(s)));
    }
    return peak;
}

} // namespace

class TestSoundThread : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* name : {"a.raw", "b.raw"}) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8820, '\0'));
        }
        // Before anything asks for audio devices: the audio back end connects once.
        m_pulseRunning = m_pulse.start(&m_pulseWhy);
    }

    void stateMachine_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("playing");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<int>("alive");
        // a, b: play without override; a!, b!: with override; x: a file that is not
        // there; idle, active, stopped: the newest output reports that state.
        QTest::newRow("plays") << "a"
                               << "a.raw" << QStringList{"a.raw"} << 1;
        QTest::newRow("second dropped") << "a,b"
                                        << "a.raw" << QStringList{"a.raw"} << 1;
        QTest::newRow("override replaces") << "a,b!"
                                           << "b.raw" << QStringList{"a.raw", "b.raw"} << 1;
        QTest::newRow("override when idle") << "a!"
                                            << "a.raw" << QStringList{"a.raw"} << 1;
        QTest::newRow("played out") << "a,idle"
                                    << "" << QStringList{"a.raw"} << 0;
        QTest::newRow("next after idle") << "a,idle,b"
                                         << "b.raw" << QStringList{"a.raw", "b.raw"} << 1;
        QTest::newRow("other states ignored") << "a,active,stopped,b"
                                              << "a.raw" << QStringList{"a.raw"} << 1;
        QTest::newRow("missing file") << "x"
                                      << "" << QStringList{} << 0;
        QTest::newRow("starts afresh after a missing file") << "x,a"
                                                            << "a.raw" << QStringList{"a.raw"} << 1;
        QTest::newRow("override by a missing file") << "a,x!"
                                                    << "" << QStringList{"a.raw"} << 0;
        QTest::newRow("idle twice") << "a,idle,idle,b,b"
                                    << "b.raw" << QStringList{"a.raw", "b.raw"} << 1;
    }

    void stateMachine()
    {
        QFETCH(QString, script);
        QFETCH(QString, playing);
        QFETCH(QStringList, started);
        QFETCH(int, alive);
        DeviceLog log;
        SoundThread sound(std::make_unique<FakeDevice>(&log, true));
        QVERIFY(sound.isSupported());
        for (const QString& step : script.split(',')) {
            const QPointer<SoundOutput> newest = log.outputs.isEmpty() ? nullptr : log.outputs.last();
            if (step == "idle" || step == "active" || step == "stopped") {
                if (newest) {
                    emit newest->stateChanged(step == "idle"     ? QAudio::IdleState
                                              : step == "active" ? QAudio::ActiveState
                                                                 : QAudio::StoppedState);
                }
                continue;
            }
            const bool override = step.endsWith('!');
            const QString name =
                step.at(0) == 'x' ? QStringLiteral("missing.raw") : step.at(0) + QString(".raw");
            sound.playSound(m_dir.filePath(name), override);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QFileInfo(sound.currentFile()).fileName(), playing);
        QCOMPARE(sound.isPlaying(), !playing.isEmpty());
        QCOMPARE(log.started, started);
        int living = 0;
        for (const QPointer<SoundOutput>& output : log.outputs)
            living += output ? 1 : 0;
        QCOMPARE(living, alive);
        for (const QAudioFormat& format : log.formats)
            QCOMPARE(format, SoundThread::soundFormat());
    }

    void unsupportedDeviceIsSilent()
    {
        DeviceLog log;
        SoundThread sound(std::make_unique<FakeDevice>(&log, false));
        QVERIFY(!sound.isSupported());
        sound.playSound(m_dir.filePath("a.raw"), false);
        sound.playSound(m_dir.filePath("b.raw"), true);
        QVERIFY(!sound.isPlaying());
        QVERIFY(log.formats.isEmpty());
    }

    void destroyedWhilePlaying()
    {
        DeviceLog log;
        {
            SoundThread sound(std::make_unique<FakeDevice>(&log, true));
            sound.playSound(m_dir.filePath("a.raw"), false);
            QVERIFY(sound.isPlaying());
        }
        QCOMPARE(log.outputs.size(), 1);
        QVERIFY(!log.outputs.first());
    }

    void realPlayback()
    {
        if (!m_pulseRunning)
            QSKIP(qPrintable("no real playback: " + m_pulseWhy));
        SoundThread sound;
        QVERIFY2(sound.isSupported(), "the null sink does not take 44100 Hz mono 16-bit");
        QProcess recorder;
        const bool recording = m_pulse.record(recorder);
        QTest::qWait(200); // let the recorder connect before the sound starts

        // The shipped "deal_card" sound, about 0.3 s.
        sound.playSound(QStringLiteral(":/audio/deal_card.raw"), false);
        QVERIFY(sound.isPlaying());
        sound.playSound(QStringLiteral(":/audio/flop.raw"), false); // dropped
        QCOMPARE(sound.currentFile(), QStringLiteral(":/audio/deal_card.raw"));
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isPlaying(), 5000);

        // Replaced at once by an overriding sound, which plays to the end.
        sound.playSound(QStringLiteral(":/audio/shuffle5.raw"), false);
        QTest::qWait(100);
        QVERIFY(sound.isPlaying());
        sound.playSound(QStringLiteral(":/audio/flop.raw"), true);
        QCOMPARE(sound.currentFile(), QStringLiteral(":/audio/flop.raw"));
        QTRY_VERIFY_WITH_TIMEOUT(!sound.isPlaying(), 5000);

        if (!recording)
            QSKIP("parec is missing: played, but what reached the sink was not checked");
        QTest::qWait(300);
        recorder.terminate();
        recorder.waitForFinished(3000);
        const QByteArray pcm = recorder.readAllStandardOutput();
        QVERIFY2(pcm.size() > 44100, qPrintable(QString("recorded only %1 bytes").arg(pcm.size())));
        QVERIFY2(loudestSample(pcm) > 3000, "the sink heard silence");
    }

private:
    QTemporaryDir m_dir;
    PulseServer m_pulse;
    bool m_pulseRunning = false;
    QString m_pulseWhy;
};

QTEST_GUILESS_MAIN(TestSoundThread)
#include "tst_soundthread.moc"
