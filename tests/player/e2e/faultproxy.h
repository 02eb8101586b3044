#ifndef VESKTEST_FAULTPROXY_H
#define VESKTEST_FAULTPROXY_H

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

#include <memory>

/// Stands between the program and its server and, when told, answers the
/// program's requests the ways a broken server or network would.
class FaultProxy : public QObject
{
    Q_OBJECT

public:
    enum Mode {
        Pass,           ///< every request to the server, every answer back
        Status500,      ///< "500 Internal Server Error"
        Malformed,      ///< an answer that is no XML
        Truncated,      ///< half an answer, then the connection closed
        RedirectToSelf, ///< "301 Moved Permanently" to this same address
        Slow,           ///< the server's answers, one byte a second
    };
    Q_ENUM(Mode)

    explicit FaultProxy(quint16 upstreamPort, QObject* parent = nullptr);
    ~FaultProxy() override;

    bool listen();
    quint16 port() const;
    void setMode(Mode mode);
    Mode mode() const;
    /// Requests answered with a fault so far.
    int faults() const;

private:
    void slotNewConnection();

    class Connection;
    QTcpServer m_server;
    quint16 m_upstream = 0;
    Mode m_mode = Pass;
    int m_faults = 0;
};

#endif
