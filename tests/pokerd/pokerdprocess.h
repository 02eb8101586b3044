#ifndef VESKTEST_POKERDPROCESS_H
#define VESKTEST_POKERDPROCESS_H

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

/// Runs the real server on a free port with its data in \a dataDir.
class PokerdProcess
{
public:
    /// \a port 0 takes a free one.
    bool start(const QString& dataDir, const QStringList& extra = {}, quint16 port = 0)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_lines.clear();
        m_process.start(QStringLiteral(POKERD_PATH),
                        QStringList{"--listen", QStringLiteral("127.0.0.1:%1").arg(port), "--data", dataDir,
                                    "--seed", "42", "--bot-delay", "0", "--hand-delay", "20",
                                    "--action-timeout", "5"} +
                            extra);
        if (!m_process.waitForStarted(10000))
            return false;
        const QString first = line(QStringLiteral("pokerd listening"));
        const QRegularExpressionMatch match = QRegularExpression(":(\\d+) ").match(first);
        if (match.hasMatch())
            m_port = match.captured(1).toUShort();
        return m_port != 0;
    }

    /// The first line of the server's output that begins with \a prefix,
    /// waiting for it; empty when the server ends or goes quiet first.
    QString line(const QString& prefix)
    {
        for (int i = 0;; ++i) {
            while (i >= m_lines.size()) {
                while (!m_process.canReadLine()) {
                    if (!m_process.waitForReadyRead(20000))
                        return QString();
                }
                m_lines.append(QString::fromLocal8Bit(m_process.readLine()).trimmed());
            }
            if (m_lines.at(i).startsWith(prefix))
                return m_lines.at(i);
        }
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

    /// Makes, with \a openssl, a certificate for 127.0.0.1 that signs itself
    /// and its key in \a dir; returns the arguments that serve HTTPS with
    /// them, or nothing when they could not be made.
    /// Whether the server's log \a err is free of chips lost or made: each
    /// hand adds up, and between hands each table holds what its ledger says.
    static bool chipsAddUp(const QString& err)
    {
        return !err.contains(QLatin1String("cents at the start")) &&
               !err.contains(QLatin1String("by its ledger"));
    }

    static QStringList selfSignedTls(const QString& openssl, const QString& dir)
    {
        QProcess make;
        make.setWorkingDirectory(dir);
        make.start(openssl,
                   {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                    "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", "key.pem", "-out", "cert.pem"});
        if (!make.waitForFinished(60000) || make.exitCode() != 0)
            return {};
        return {"--tls", dir + "/cert.pem," + dir + "/key.pem"};
    }

private:
    QProcess m_process;
    QStringList m_lines;
    quint16 m_port = 0;
};

#endif
