#ifndef VESKTEST_SCRIPTEDHTTPSERVER_H
#define VESKTEST_SCRIPTEDHTTPSERVER_H

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <functional>
#include <memory>

/// A small HTTP/1.1 server on 127.0.0.1 whose answers the test decides.
class ScriptedHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Received
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; ///< names in lower case
        QByteArray body;
        qint64 atMs = 0; ///< since the server started
    };

    struct Reply
    {
        int status = 200;
        QByteArray reason = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        int delayMs = 0;
        bool hold = false;          ///< no answer until release()
        bool withoutLength = false; ///< body ends when the connection closes
    };

    using Handler = std::function<Reply(const Received&)>;

    explicit ScriptedHttpServer(QObject* parent = nullptr);
    ~ScriptedHttpServer() override;

    /// \a port 0 takes a free one.
    bool listen(quint16 port = 0);
    /// HTTPS with the given certificate and key.
    bool listen(const QSslConfiguration& tls);
    quint16 port() const;
    QUrl url(const QString& path = QStringLiteral("/")) const;

    /// Answers every request; the default answers an empty 200.
    void setHandler(Handler handler);
    QList<Received> received() const;
    /// Answers the oldest request held back with Reply::hold.
    bool release(const Reply& reply);
    int heldCount() const;

    static Reply xml(const QByteArray& body);

Q_SIGNALS:
    void requestReceived(int index);

private:
    void onConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Reply& reply);

    std::unique_ptr<QTcpServer> m_server;
    Handler m_handler;
    QList<Received> m_received;
    QList<QPointer<QTcpSocket>> m_held;
    QMap<QTcpSocket*, QByteArray> m_buffers;
    QElapsedTimer m_clock;
};

#endif
