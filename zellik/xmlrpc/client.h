#ifndef XMLRPC_CLIENT_H
#define XMLRPC_CLIENT_H

#include "variant.h"

#include <QObject>
#include <QSslConfiguration>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace xmlrpc {

/// Sends XML-RPC calls to one endpoint, strictly one at a time, and reports
/// each outcome under the id that request() returned.
class Client : public QObject
{
    Q_OBJECT

public:
    /// Failure codes besides the server's own fault codes.
    enum FailureCode { TransportFailure = -32300, MalformedResponse = -32600 };
    static constexpr qint64 DefaultMaximumResponseSize = 16 * 1024 * 1024;
    /// Redirects one call follows before it fails: a server that sends it round in circles.
    static constexpr int MaximumRedirects = 5;

    explicit Client(QObject* parent = nullptr);
    ~Client() override;

    void setUrl(const QUrl& url);
    QUrl url() const;
    void setUserAgent(const QString& userAgent);
    void setSslConfiguration(const QSslConfiguration& configuration);
    /// Seconds after which a call is given up.
    void setTimeout(int seconds);
    /// Seconds after which a call is reported as slow; -1 switches that off.
    void setWarningTimeout(int seconds);
    /// Larger response bodies are cut off while they arrive and reported as
    /// a transport failure.
    void setMaximumResponseSize(qint64 bytes);
    qint64 maximumResponseSize() const;
    /// A call in flight on the previous manager fails at once as a transport
    /// failure; queued calls go on through the new one.
    void setNetworkAccessManager(QNetworkAccessManager* manager);
    QNetworkAccessManager* networkAccessManager() const;

    int request(const QList<Variant>& params, const QString& methodName);
    int request(const QString& methodName);
    int request(const QString& methodName, const Variant& p1);
    int request(const QString& methodName, const Variant& p1, const Variant& p2);
    int request(const QString& methodName, const Variant& p1, const Variant& p2, const Variant& p3);
    int request(const QString& methodName, const Variant& p1, const Variant& p2, const Variant& p3,
                const Variant& p4);

    /// True while nothing is queued or in flight.
    bool isIdle() const;

Q_SIGNALS:
    void done(int requestId, QVariant res);
    void failed(int requestId, int faultCode, QString faultString);
    void warning(int requestId);

private Q_SLOTS:
    void requestFinished(QNetworkReply* reply);
    void requestTimedOut();
    void requestWarningTimedOut();

private:
    int enqueue(const QList<Variant>& params, const QString& methodName, int originalId, int redirects = 0);
    void processNextRequest();
    void readReplyData(QNetworkReply* reply);
    void dropInFlight(const QString& reason);
    /// Aborts and forgets the call in flight, without signals; returns the callers' ids.
    QList<int> abandonInFlight();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace xmlrpc

#endif
