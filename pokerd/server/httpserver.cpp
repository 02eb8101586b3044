#include "httpserver.h"

#include "pokerserver.h"
#include "rpchandler.h"
#include "updateservice.h"
#include "webpages.h"
#include "xmlrpc/request.h"

#include <QPointer>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace Pokerd {

namespace {

constexpr qint64 kMaximumHeaderSize = 64 * 1024;
// Addresses are short here: a page's one parameter is a ticket.
constexpr qint64 kMaximumTargetSize = 8 * 1024;
constexpr int kRequestsPerTurn = 16;

QString cookieValue(const QByteArray& header, const QByteArray& name)
{
    for (const QByteArray& part : header.split(';')) {
        const QByteArray trimmed = part.trimmed();
        if (trimmed.startsWith(name + '='))
            return QString::fromLatin1(trimmed.mid(name.size() + 1));
    }
    return QString();
}

} // namespace

class HttpServer::Private
{
public:
    RpcHandler* server = nullptr;
    UpdateService* updates = nullptr;
    std::unique_ptr<WebPages> pages;
    std::unique_ptr<QTcpServer> listener;
    QHash<QTcpSocket*, QByteArray> buffers;
    QHash<QString, int> perAddress;
    int connections = 0;
    int maximumConnections = MaximumConnections;
    int maximumPerAddress = MaximumConnectionsPerAddress;
    int idleTimeoutMs = IdleTimeoutMs;
    bool secure = false;
};

HttpServer::HttpServer(PokerServer* server, QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->server = server;
    d->pages = std::make_unique<WebPages>(server);
}

HttpServer::HttpServer(RpcHandler* handler, QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->server = handler;
}

HttpServer::~HttpServer() = default;

bool HttpServer::listen(const QHostAddress& address, quint16 port)
{
    d->listener = std::make_unique<QTcpServer>();
    return startListening(address, port);
}

bool HttpServer::listen(const QHostAddress& address, quint16 port, const QSslConfiguration& tls)
{
    d->secure = true;
    auto listener = std::make_unique<QSslServer>();
    listener->setSslConfiguration(tls);
    d->listener = std::move(listener);
    return startListening(address, port);
}

bool HttpServer::startListening(const QHostAddress& address, quint16 port)
{
    connect(d->listener.get(), &QTcpServer::pendingConnectionAvailable, this, &HttpServer::onConnection);
    // Out of file descriptors, the listener stops accepting; it tries again
    // shortly, once some connections have closed.
    connect(d->listener.get(), &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError) {
        QTimer::singleShot(200, this, [this] {
            if (d->listener)
                d->listener->resumeAccepting();
        });
    });
    return d->listener->listen(address, port);
}

void HttpServer::setIdleTimeout(int ms)
{
    d->idleTimeoutMs = ms;
}

void HttpServer::setConnectionLimits(int total, int perAddress)
{
    d->maximumConnections = total;
    d->maximumPerAddress = perAddress;
}

void HttpServer::setUpdateService(UpdateService* updates)
{
    d->updates = updates;
}

quint16 HttpServer::port() const
{
    return d->listener ? d->listener->serverPort() : 0;
}

QString HttpServer::errorString() const
{
    return d->listener ? d->listener->errorString() : QString();
}

void HttpServer::onConnection()
{
    while (QTcpSocket* socket = d->listener->nextPendingConnection()) {
        const QString peer = socket->peerAddress().toString();
        if (d->connections >= d->maximumConnections || d->perAddress.value(peer) >= d->maximumPerAddress) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++d->connections;
        ++d->perAddress[peer];
        socket->setParent(this);
        socket->setReadBufferSize(MaximumBodySize + kMaximumHeaderSize);
        // Half-open, silent and slow clients do not keep a connection for ever.
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(d->idleTimeoutMs);
        connect(idle, &QTimer::timeout, socket, [socket] { socket->abort(); });
        idle->start();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            // Caught up: requests held back wait in the socket or in our buffer.
            if (socket->bytesToWrite() <= MaximumPendingReply &&
                (socket->bytesAvailable() > 0 || !d->buffers.value(socket).isEmpty()))
                onReadyRead(socket);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket, peer] {
            d->buffers.remove(socket);
            --d->connections;
            if (--d->perAddress[peer] <= 0)
                d->perAddress.remove(peer);
            socket->deleteLater();
        });
    }
}

void HttpServer::onReadyRead(QTcpSocket* socket)
{
    // A client that does not read its answers gets no more of them: what it
    // sends waits in a bounded read buffer until it catches up.
    if (socket->bytesToWrite() > MaximumPendingReply)
        return;
    QByteArray& buffer = d->buffers[socket];
    // Never more than one request's worth held here: the rest waits in the
    // socket's bounded buffer, and behind it in the client's window.
    const qint64 room = MaximumBodySize + kMaximumHeaderSize - buffer.size();
    if (room > 0)
        buffer += socket->read(room);
    int answered = 0;
    for (;;) {
        if (answered == kRequestsPerTurn) {
            // Pipelined requests take turns with every other connection.
            QPointer<QTcpSocket> guard(socket);
            QMetaObject::invokeMethod(
                this,
                [this, guard] {
                    if (guard)
                        onReadyRead(guard);
                },
                Qt::QueuedConnection);
            return;
        }
        // Pipelined requests are answered only as fast as the answers are read.
        if (socket->bytesToWrite() > MaximumPendingReply)
            return;
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            if (buffer.size() > kMaximumHeaderSize)
                reply(socket, 431, "Request Header Fields Too Large", QByteArray(), QByteArray(), true);
            return;
        }
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        QByteArray cookie;
        qint64 length = -1;
        bool chunked = false;
        bool close = lines.value(0).trimmed().endsWith("HTTP/1.0");
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = lines.at(i).left(colon).trimmed().toLower();
            const QByteArray value = lines.at(i).mid(colon + 1).trimmed();
            if (name == "content-length") {
                bool number = false;
                length = value.toLongLong(&number);
                if (!number || length < 0) {
                    reply(socket, 400, "Bad Request", QByteArray(), QByteArray(), true);
                    return;
                }
            } else if (name == "cookie")
                cookie += value + ';';
            else if (name == "connection")
                close = value.toLower() == "close" || (close && value.toLower() != "keep-alive");
            else if (name == "transfer-encoding")
                chunked = true;
        }
        if (requestLine.size() != 3 || !requestLine.at(2).startsWith("HTTP/1.")) {
            reply(socket, 400, "Bad Request", QByteArray(), QByteArray(), true);
            return;
        }
        const QByteArray& method = requestLine.at(0);
        const bool head = method == "HEAD";
        if (method != "POST" && method != "GET" && !head) {
            const WebPages::Page page = WebPages::methodNotAllowed();
            reply(socket, page.status, page.reason, page.body,
                  WebPages::headers() + "Allow: GET, HEAD, POST\r\n", true);
            return;
        }
        // Where a body ends without a length cannot be told: nothing after it can be read.
        if (chunked) {
            reply(socket, 501, "Not Implemented", QByteArray(), QByteArray(), true);
            return;
        }
        if (requestLine.at(1).size() > kMaximumTargetSize) {
            reply(socket, 414, "URI Too Long", QByteArray(), QByteArray(), true);
            return;
        }
        if (length < 0 && method == "POST") {
            reply(socket, 411, "Length Required", QByteArray(), QByteArray(), true);
            return;
        }
        if (length > MaximumBodySize) {
            reply(socket, 413, "Payload Too Large", QByteArray(), QByteArray(), true);
            return;
        }
        length = qMax<qint64>(length, 0);
        if (buffer.size() < headerEnd + 4 + length)
            return;
        const QByteArray body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);

        const QUrl target(QString::fromLatin1(requestLine.at(1)), QUrl::StrictMode);
        const bool forUpdates = d->updates && target.isValid() &&
                                (target.path() == UpdateService::endpointPath() ||
                                 target.path().startsWith(UpdateService::filesPath()));
        if (forUpdates && method == "POST") {
            xmlrpc::Request request;
            QString error;
            QString unused;
            const xmlrpc::Response response =
                request.parse(body, &error)
                    ? d->updates->call(request.methodName(), request.params(), QString(), &unused,
                                       socket->peerAddress().toString())
                    : xmlrpc::Response(-32700, QStringLiteral("Parse error: %1").arg(error));
            reply(socket, 200, "OK", response.toXml(), "Content-Type: text/xml\r\n", close);
        } else if (forUpdates) {
            QByteArray bytes;
            if (d->updates->file(target.path().mid(UpdateService::filesPath().size()), &bytes))
                reply(socket, 200, "OK", bytes, "Content-Type: application/octet-stream\r\n", close, head);
            else
                reply(socket, 404, "Not Found", QByteArray(), QByteArray(), close, head);
        } else if (method == "POST" && (!d->pages || !WebPages::takesForm(target.path()))) {
            xmlrpc::Request request;
            QString error;
            xmlrpc::Response response;
            QByteArray extra;
            if (!request.parse(body, &error)) {
                response = xmlrpc::Response(-32700, QStringLiteral("Parse error: %1").arg(error));
            } else {
                QString newSession;
                response =
                    d->server->call(request.methodName(), request.params(), cookieValue(cookie, "sessionId"),
                                    &newSession, socket->peerAddress().toString());
                if (!newSession.isEmpty())
                    extra = "Set-Cookie: sessionId=" + newSession.toLatin1() + "; Path=/; HttpOnly" +
                            (d->secure ? "; Secure" : "") + "\r\n";
            }
            reply(socket, 200, "OK", response.toXml(), "Content-Type: text/xml\r\n" + extra, close);
        } else if (!target.isValid() || !target.path().startsWith(u'/')) {
            reply(socket, 400, "Bad Request", QByteArray(), QByteArray(), true);
            return;
        } else if (!d->pages) {
            reply(socket, 404, "Not Found", QByteArray(), QByteArray(), close, head);
        } else {
            const WebPages::Page page =
                method == "POST" ? d->pages->post(target.path(), body) : d->pages->get(target);
            reply(socket, page.status, page.reason, page.body, WebPages::headers(), close, head);
        }
        ++answered;
        if (close)
            return;
        // The clock runs from one whole request to the next: a byte now and
        // then does not keep a connection.
        if (QTimer* idle = socket->findChild<QTimer*>())
            idle->start();
    }
}

void HttpServer::reply(QTcpSocket* socket, int status, const QByteArray& reason, const QByteArray& body,
                       const QByteArray& extraHeaders, bool close, bool headersOnly)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    out += "Server: pokerd\r\n";
    out += extraHeaders;
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += close ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    out += "\r\n";
    if (!headersOnly)
        out += body;
    socket->write(out);
    if (close) {
        d->buffers.remove(socket);
        socket->disconnectFromHost();
    }
}

} // namespace Pokerd
