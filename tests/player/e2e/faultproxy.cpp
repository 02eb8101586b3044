#include "faultproxy.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

/// One connection of the program, with its own connection to the server.
class FaultProxy::Connection : public QObject
{
public:
    Connection(FaultProxy* proxy, QTcpSocket* client) : QObject(proxy), m_proxy(proxy), m_client(client)
    {
        m_client->setParent(this);
        m_trickle.setInterval(1000);
        connect(&m_trickle, &QTimer::timeout, this, [this] {
            if (m_pending.isEmpty() || !m_client)
                return;
            m_client->write(m_pending.left(1));
            m_pending.remove(0, 1);
        });
        connect(m_client, &QTcpSocket::readyRead, this, [this] { takeRequests(); });
        connect(m_client, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    }

private:
    void takeRequests()
    {
        m_buffer += m_client->readAll();
        for (;;) {
            const qsizetype end = m_buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            qsizetype length = 0;
            for (const QByteArray& line : m_buffer.left(end).split('\n')) {
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            }
            if (m_buffer.size() < end + 4 + length)
                return;
            const QByteArray request = m_buffer.left(end + 4 + length);
            m_buffer.remove(0, request.size());
            answer(request);
        }
    }

    void answer(const QByteArray& request)
    {
        const Mode mode = m_proxy->mode();
        if (mode == Slow)
            ++m_proxy->m_faults;
        if (mode == Pass || mode == Slow) {
            upstream()->write(request);
            return;
        }
        ++m_proxy->m_faults;
        const QByteArray xml = "<?xml version=\"1.0\"?><methodResponse><params><param><value><struct>"
                               "<member><name>x</name></struct></param></methodResponse>";
        switch (mode) {
        case Status500:
            m_client->write("HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/plain\r\n"
                            "Content-Length: 21\r\n\r\nInternal Server Error");
            break;
        case Malformed:
            m_client->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                            QByteArray::number(xml.size()) + "\r\n\r\n" + xml);
            break;
        case Truncated:
            m_client->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 900\r\n\r\n" +
                            xml.left(40));
            m_client->disconnectFromHost();
            break;
        case RedirectToSelf:
            m_client->write("HTTP/1.1 301 Moved Permanently\r\nLocation: http://127.0.0.1:" +
                            QByteArray::number(m_proxy->port()) + "/\r\nContent-Length: 0\r\n\r\n");
            break;
        default:
            break;
        }
    }

    QTcpSocket* upstream()
    {
        if (m_upstream)
            return m_upstream;
        m_upstream = new QTcpSocket(this);
        m_upstream->connectToHost(QHostAddress::LocalHost, m_proxy->m_upstream);
        connect(m_upstream, &QTcpSocket::readyRead, this, [this] {
            const QByteArray bytes = m_upstream->readAll();
            if (m_proxy->mode() == Slow || !m_pending.isEmpty()) {
                m_pending += bytes;
                if (!m_trickle.isActive())
                    m_trickle.start();
            } else if (m_client) {
                m_client->write(bytes);
            }
        });
        connect(m_upstream, &QTcpSocket::disconnected, this, [this] {
            if (m_client && m_pending.isEmpty())
                m_client->disconnectFromHost();
        });
        return m_upstream;
    }

    FaultProxy* m_proxy;
    QPointer<QTcpSocket> m_client;
    QPointer<QTcpSocket> m_upstream;
    QByteArray m_buffer;
    QByteArray m_pending;
    QTimer m_trickle;
};

FaultProxy::FaultProxy(quint16 upstreamPort, QObject* parent) : QObject(parent), m_upstream(upstreamPort)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FaultProxy::slotNewConnection);
}

FaultProxy::~FaultProxy() = default;

bool FaultProxy::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 FaultProxy::port() const
{
    return m_server.serverPort();
}

void FaultProxy::setMode(Mode mode)
{
    m_mode = mode;
}

FaultProxy::Mode FaultProxy::mode() const
{
    return m_mode;
}

int FaultProxy::faults() const
{
    return m_faults;
}

void FaultProxy::slotNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection())
        new Connection(this, socket);
}
