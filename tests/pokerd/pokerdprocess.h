#ifndef VESKTEST_POKERDPROCESS_H
#define VESKTEST_POKERDPROCESS_H

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

/// Runs the real server on a free port with its data in \a dataDir.
class PokerdProcess
{
public:
    bool start(const QString& dataDir, const QStringList& extra = {})
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(POKERD_PATH),
                        QStringList{"--listen", "127.0.0.1:0", "--data", dataDir, "--seed", "42",
                                    "--bot-delay", "0", "--hand-delay", "20", "--action-timeout", "5"} +
                            extra);
        if (!m_process.waitForStarted(10000))
            return false;
        while (m_port == 0 && m_process.waitForReadyRead(20000)) {
            const QString line = QString::fromLocal8Bit(m_process.readLine());
            const QRegularExpressionMatch match = QRegularExpression(":(\\d+) ").match(line);
            if (match.hasMatch())
                m_port = match.captured(1).toUShort();
        }
        return m_port != 0;
    }

    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
        m_port = 0;
    }

    ~PokerdProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                kill();
        }
    }

    quint16 port() const { return m_port; }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

#endif
