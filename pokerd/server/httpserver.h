#ifndef POKERD_HTTPSERVER_H
#define POKERD_HTTPSERVER_H

#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>

#include <memory>

class QTcpSocket;

namespace Pokerd {

class PokerServer;
class RpcHandler;
class UpdateService;

/// HTTP/1.1 with keep-alive, carrying XML-RPC calls posted to any path, and
/// the web pages (GET, HEAD, and the cashier's form) beside them.
class HttpServer : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaximumBodySize = 1024 * 1024;
    static constexpr qint64 MaximumPendingReply = 4 * 1024 * 1024;
    static constexpr int MaximumConnections = 4000;
    static constexpr int MaximumConnectionsPerAddress = 256;
    static constexpr int IdleTimeoutMs = 30 * 1000;

    explicit HttpServer(PokerServer* server, QObject* parent = nullptr);
    /// Only the calls, for \a handler; no web pages.
    explicit HttpServer(RpcHandler* handler, QObject* parent = nullptr);
    ~HttpServer() override;

    bool listen(const QHostAddress& address, quint16 port);
    /// HTTPS instead of HTTP.
    bool listen(const QHostAddress& address, quint16 port, const QSslConfiguration& tls);
    /// Connections that bring no whole request for this long are closed.
    void setIdleTimeout(int ms);
    /// Connections beyond these are closed at once.
    void setConnectionLimits(int total, int perAddress);
    /// Answers the update queries and hands out the release files beside the rest.
    void setUpdateService(UpdateService* updates);
    quint16 port() const;
    QString errorString() const;

private:
    bool startListening(const QHostAddress& address, quint16 port);
    void onConnection();
    void onReadyRead(QTcpSocket* socket);
    void reply(QTcpSocket* socket, int status, const QByteArray& reason, const QByteArray& body,
               const QByteArray& extraHeaders, bool close, bool headersOnly = false);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
