#include "client.h"

#include "request.h"
#include "response.h"

#include <QElapsedTimer>
#include <QMap>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <utility>

namespace xmlrpc {

namespace {
const char* const kRequestId = "requestId";

struct Entry
{
    QString method;
    QList<Variant> params;
    // Guarded: the manager that made the reply may delete it behind our back.
    QPointer<QNetworkReply> reply;
    int id = -1;
    int originalId = -1; ///< the caller's id of a call posted again after a redirect
    int redirects = 0;   ///< how often this call was posted again
    QByteArray body;
    bool tooLarge = false;

    int reportId() const { return originalId >= 0 ? originalId : id; }
};
} // namespace

class Client::Private
{
public:
    QUrl url;
    QString userAgent = QStringLiteral("QXMLRPC");
    QSslConfiguration sslConfiguration = QSslConfiguration::defaultConfiguration();
    int timeout = 30;
    int warningTimeout = -1;
    qint64 maximumResponseSize = DefaultMaximumResponseSize;
    QTimer* timeoutTimer = nullptr;
    QTimer* warningTimer = nullptr;
    QElapsedTimer clock;
    QPointer<QNetworkAccessManager> manager;
    std::atomic<int> nextId{0};
    QMap<int, Entry> inFlight;
    QList<Entry> queue;
};

Client::Client(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->timeoutTimer = new QTimer(this);
    d->warningTimer = new QTimer(this);
    d->timeoutTimer->setSingleShot(true);
    d->warningTimer->setSingleShot(true);
    connect(d->timeoutTimer, &QTimer::timeout, this, &Client::requestTimedOut);
    connect(d->warningTimer, &QTimer::timeout, this, &Client::requestWarningTimedOut);
    setNetworkAccessManager(new QNetworkAccessManager(this));
}

Client::~Client()
{
    // Calls still queued or in flight are dropped without signals.
    if (d->manager)
        d->manager->disconnect(this);
    abandonInFlight();
    d->queue.clear();
    setNetworkAccessManager(nullptr);
}

void Client::setUrl(const QUrl& url)
{
    d->url = url;
}

QUrl Client::url() const
{
    return d->url;
}

void Client::setUserAgent(const QString& userAgent)
{
    d->userAgent = userAgent;
}

void Client::setSslConfiguration(const QSslConfiguration& configuration)
{
    d->sslConfiguration = configuration;
}

void Client::setTimeout(int seconds)
{
    d->timeout = seconds;
}

void Client::setWarningTimeout(int seconds)
{
    d->warningTimeout = seconds;
}

void Client::setMaximumResponseSize(qint64 bytes)
{
    d->maximumResponseSize = bytes;
}

qint64 Client::maximumResponseSize() const
{
    return d->maximumResponseSize;
}

void Client::setNetworkAccessManager(QNetworkAccessManager* manager)
{
    if (manager == d->manager)
        return;
    if (d->manager) {
        d->manager->disconnect(this);
        if (d->manager->parent() == this)
            delete d->manager.data();
    }
    d->manager = manager;
    if (manager) {
        connect(manager, &QNetworkAccessManager::finished, this, &Client::requestFinished);
        // A manager deleted by its owner takes its replies along without a finished signal.
        // Queued calls then wait for the next manager.
        connect(manager, &QObject::destroyed, this, [this] {
            d->manager = nullptr;
            dropInFlight(QStringLiteral("Network access manager deleted with the call in flight"));
        });
    }
    dropInFlight(QStringLiteral("Connection replaced with the call in flight"));
    processNextRequest();
}

void Client::dropInFlight(const QString& reason)
{
    if (d->inFlight.isEmpty())
        return;
    d->timeoutTimer->stop();
    d->warningTimer->stop();
    for (const int reportId : abandonInFlight())
        Q_EMIT failed(reportId, TransportFailure, reason);
}

QList<int> Client::abandonInFlight()
{
    const QMap<int, Entry> abandoned = std::exchange(d->inFlight, {});
    QList<int> reportIds;
    for (const Entry& entry : abandoned) {
        if (entry.reply) {
            entry.reply->disconnect(this);
            entry.reply->abort();
            entry.reply->deleteLater();
        }
        reportIds.append(entry.reportId());
    }
    return reportIds;
}

QNetworkAccessManager* Client::networkAccessManager() const
{
    return d->manager;
}

int Client::request(const QList<Variant>& params, const QString& methodName)
{
    return enqueue(params, methodName, -1);
}

int Client::request(const QString& methodName)
{
    return request(QList<Variant>(), methodName);
}

int Client::request(const QString& methodName, const Variant& p1)
{
    return request(QList<Variant>{p1}, methodName);
}

int Client::request(const QString& methodName, const Variant& p1, const Variant& p2)
{
    return request(QList<Variant>{p1, p2}, methodName);
}

int Client::request(const QString& methodName, const Variant& p1, const Variant& p2, const Variant& p3)
{
    return request(QList<Variant>{p1, p2, p3}, methodName);
}

int Client::request(const QString& methodName, const Variant& p1, const Variant& p2, const Variant& p3,
                    const Variant& p4)
{
    return request(QList<Variant>{p1, p2, p3, p4}, methodName);
}

bool Client::isIdle() const
{
    return d->queue.isEmpty() && d->inFlight.isEmpty();
}

int Client::enqueue(const QList<Variant>& params, const QString& methodName, int originalId, int redirects)
{
    Entry entry;
    entry.method = methodName;
    entry.params = params;
    entry.id = d->nextId.fetch_add(1);
    entry.originalId = originalId;
    entry.redirects = redirects;
    const int id = entry.id;
    d->queue.append(entry);
    processNextRequest();
    return id;
}

void Client::processNextRequest()
{
    if (d->queue.isEmpty() || !d->inFlight.isEmpty() || !d->manager)
        return;
    Entry entry = d->queue.takeFirst();
    const QByteArray body = Request(entry.method, entry.params).toXml();

    QNetworkRequest request(d->url);
    request.setSslConfiguration(d->sslConfiguration);
    // Redirects are ours to handle: a 301 moves every later call too.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml"));
    request.setRawHeader("Content-Encoding", "UTF-8");
    request.setRawHeader("User-Agent", d->userAgent.toLatin1());
    request.setRawHeader("Connection", "Keep-Alive");

    QNetworkReply* reply = d->manager->post(request, body);
    reply->setProperty(kRequestId, entry.id);
    connect(reply, &QIODevice::readyRead, this, [this, reply] { readReplyData(reply); });

    d->clock.restart();
    d->timeoutTimer->setProperty(kRequestId, entry.id);
    d->timeoutTimer->start(d->timeout * 1000);
    if (d->warningTimeout != -1) {
        d->warningTimer->setProperty(kRequestId, entry.id);
        d->warningTimer->start(d->warningTimeout * 1000);
    }
    entry.reply = reply;
    d->inFlight.insert(entry.id, entry);
}

void Client::readReplyData(QNetworkReply* reply)
{
    const auto it = d->inFlight.find(reply->property(kRequestId).toInt());
    if (it == d->inFlight.end() || it->reply != reply || it->tooLarge)
        return;
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > d->maximumResponseSize ||
        it->body.size() + reply->bytesAvailable() > d->maximumResponseSize) {
        // Stop receiving now rather than hold a hostile body in memory.
        it->tooLarge = true;
        it->body.clear();
        reply->abort();
        return;
    }
    it->body += reply->readAll();
}

void Client::requestFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    const int id = reply->property(kRequestId).toInt();
    const auto it = d->inFlight.find(id);
    if (it == d->inFlight.end() || it->reply != reply) {
        processNextRequest(); // a late reply
        return;
    }
    d->timeoutTimer->stop();
    d->warningTimer->stop();
    if (!it->tooLarge && reply->error() == QNetworkReply::NoError)
        readReplyData(reply); // what is left, under the same size limit
    const Entry entry = d->inFlight.take(id);
    const int reportId = entry.reportId();

    if (entry.tooLarge) {
        Q_EMIT failed(
            reportId, TransportFailure,
            QStringLiteral("Response larger than %1 bytes; transfer aborted").arg(d->maximumResponseSize));
    } else if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT failed(reportId, TransportFailure, reply->errorString());
    } else if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 301 &&
               reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl().isValid()) {
        d->url = d->url.resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        // A server that redirects in circles would keep the call going for ever.
        if (entry.redirects >= MaximumRedirects) {
            Q_EMIT failed(reportId, TransportFailure,
                          QStringLiteral("Too many redirects (%1); the last to %2")
                              .arg(entry.redirects + 1)
                              .arg(d->url.toString()));
        } else {
            enqueue(entry.params, entry.method, reportId, entry.redirects + 1);
            return;
        }
    } else {
        Response response;
        if (!response.parse(entry.body)) {
            Q_EMIT failed(reportId, MalformedResponse,
                          QStringLiteral("Server error: Invalid xml-rpc. \nNot conforming to spec."));
        } else if (response.isFault()) {
            Q_EMIT failed(reportId, response.faultCode(), response.faultString());
        } else {
            Q_EMIT done(reportId, response.value());
        }
    }
    processNextRequest();
}

void Client::requestTimedOut()
{
    const int id = d->timeoutTimer->property(kRequestId).toInt();
    const auto it = d->inFlight.find(id);
    if (it == d->inFlight.end()) {
        processNextRequest();
        return;
    }
    if (d->clock.elapsed() >= qint64(d->timeout) * 1000) {
        if (it->reply)
            it->reply->abort(); // reported through requestFinished as a transport failure
        else
            dropInFlight(QStringLiteral("Operation canceled"));
        processNextRequest();
    } else {
        d->timeoutTimer->start(d->timeout * 1000);
    }
}

void Client::requestWarningTimedOut()
{
    const int id = d->warningTimer->property(kRequestId).toInt();
    if (!d->inFlight.contains(id))
        return;
    if (d->clock.elapsed() >= qint64(d->warningTimeout) * 1000)
        Q_EMIT warning(id);
    else
        d->warningTimer->start(d->warningTimeout * 1000);
}

} // namespace xmlrpc
