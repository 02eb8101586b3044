#include "scriptedhttpserver.h"

#include <QSslServer>
#include <QTimer>

ScriptedHttpServer::ScriptedHttpServer(QObject* parent) : QObject(parent)
{
    m_handler = [](const Received&) { return Reply(); };
    m_clock.start();
}

ScriptedHttpServer::~ScriptedHttpServer() = default;

bool ScriptedHttpServer::listen(quint16 port)
{
    m_server = std::make_unique<QTcpServer>();
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &ScriptedHttpServer::onConnection);
    return m_server->listen(QHostAddress::LocalHost, port);
}

bool ScriptedHttpServer::listen(const QSslConfiguration& tls)
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    m_server = std::move(server);
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &ScriptedHttpServer::onConnection);
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 ScriptedHttpServer::port() const
{
    return m_server ? m_server->serverPort() : 0;
}

QUrl ScriptedHttpServer::url(const QString& path) const
{
    const bool tls = qobject_cast<QSslServer*>(m_server.get()) != nullptr;
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(tls ? "https" : "http").arg(port()).arg(path));
}

void ScriptedHttpServer::setHandler(Handler handler)
{
    m_handler = std::move(handler);
}

QList<ScriptedHttpServer::Received> ScriptedHttpServer::received() const
{
    return m_received;
}

int ScriptedHttpServer::heldCount() const
{
    return int(m_held.size());
}

bool ScriptedHttpServer::release(const Reply& reply)
{
    while (!m_held.isEmpty()) {
        QPointer<QTcpSocket> socket = m_held.takeFirst();
        if (socket && socket->state() == QAbstractSocket::ConnectedState) {
            answer(socket, reply);
            return true;
        }
    }
    return false;
}

ScriptedHttpServer::Reply ScriptedHttpServer::xml(const QByteArray& body)
{
    Reply reply;
    reply.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/xml")));
    reply.body = body;
    return reply;
}

void ScriptedHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void ScriptedHttpServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    for (;;) {
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Received request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                       lines.at(i).mid(colon + 1).trimmed());
        }
        const qsizetype length = request.headers.value("content-length").toLongLong();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);
        request.atMs = m_clock.elapsed();
        m_received.append(request);

        const Reply reply = m_handler(request);
        Q_EMIT requestReceived(int(m_received.size() - 1));
        if (reply.hold) {
            m_held.append(socket);
        } else if (reply.delayMs > 0) {
            QPointer<QTcpSocket> guarded(socket);
            QTimer::singleShot(reply.delayMs, this, [this, guarded, reply] {
                if (guarded)
                    answer(guarded, reply);
            });
        } else {
            answer(socket, reply);
        }
    }
}

void ScriptedHttpServer::answer(QTcpSocket* socket, const Reply& reply)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
    for (const auto& header : reply.headers)
        out += header.first + ": " + header.second + "\r\n";
    if (reply.withoutLength)
        out += "Connection: close\r\n";
    else
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    out += "\r\n" + reply.body;
    socket->write(out);
    if (reply.withoutLength)
        socket->disconnectFromHost();
}
