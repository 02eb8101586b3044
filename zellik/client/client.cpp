#include "client.h"
#include "client_p.h"
#include "zelliklogging.h"

#include "servercommand.h"
#include "terminalidentity.h"
#include "xmlrpc/client.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslConfiguration>

namespace VeskGames {

namespace {
constexpr int kKeptRoundTrips = 10;
constexpr int kTransportTimeout = 20;
constexpr int kTransportWarning = 5;
} // namespace

Client::Client(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    init();
}

Client::~Client()
{
    d->refreshTimer.stop();
    delete d->transport;
    d->transport = nullptr;
    delete d->manager.data();
}

void Client::init()
{
    d->refreshTimer.setSingleShot(true);
    QObject::connect(&d->refreshTimer, &QTimer::timeout, this, &Client::slotRefresh);

    d->transport = new xmlrpc::Client;
    d->transport->setTimeout(kTransportTimeout);
    d->transport->setWarningTimeout(kTransportWarning);

    // The deployment's own authority is the only one the client trusts.
    QFile caFile(QStringLiteral(":/table/cacert.pem"));
    if (caFile.open(QIODevice::ReadOnly)) {
        const QList<QSslCertificate> authorities = QSslCertificate::fromData(caFile.readAll(), QSsl::Pem);
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setCaCertificates(authorities.mid(0, 1));
        d->transport->setSslConfiguration(configuration);
    }

    QObject::connect(d->transport, &xmlrpc::Client::done, this, &Client::done);
    QObject::connect(d->transport, &xmlrpc::Client::failed, this, &Client::failed);
    QObject::connect(d->transport, &xmlrpc::Client::warning, this, &Client::warning);
}

void Client::connect()
{
    if (d->manager)
        d->manager->deleteLater();
    d->manager = new QNetworkAccessManager(this);
    QObject::connect(d->manager, &QNetworkAccessManager::sslErrors, this, &Client::sslErrors);
    d->transport->setNetworkAccessManager(d->manager);
}

void Client::setHost(QString hostname, quint16 port, QString path, bool ssl)
{
    d->host = hostname;
    d->port = port;
    d->path = path;
    d->ssl = ssl;
    d->transport->setUrl(createUrl());
}

void Client::setHost(QUrl url, bool ssl)
{
    setHost(url.host(), quint16(url.port(ssl ? 443 : 80)), url.path(), ssl);
}

QUrl Client::createUrl() const
{
    return QUrl(
        QStringLiteral("http%1://%2:%3/%4")
            .arg(d->ssl ? QStringLiteral("s") : QString(), d->host, QString::number(d->port), d->path));
}

QUrl Client::url() const
{
    return createUrl();
}

bool Client::ssl() const
{
    return d->ssl;
}

void Client::setUseActiveMac(bool use)
{
    d->useActiveMac = use;
}

bool Client::useActiveMac() const
{
    return d->useActiveMac;
}

void Client::setEnableAnimations(bool enable)
{
    d->enableAnimations = enable;
}

bool Client::enableAnimations() const
{
    return d->enableAnimations;
}

void Client::setRefreshInterval(int ms)
{
    d->refreshInterval = ms;
}

int Client::refreshInterval() const
{
    return d->refreshInterval;
}

void Client::setSessionId(const QString& sessionId)
{
    if (!d->manager) {
        qCWarning(lcClient, "Client::setSessionId: connect() has not been called");
        return;
    }
    QNetworkCookie cookie(QByteArrayLiteral("sessionId"), sessionId.toLatin1());
    // Valid for every path of the server, whatever the endpoint's path is.
    cookie.setPath(QStringLiteral("/"));
    d->manager->cookieJar()->setCookiesFromUrl({cookie}, createUrl());
}

QString Client::macAddress() const
{
    return TerminalIdentity::macAddress(TerminalIdentity::systemInterfaces(), d->useActiveMac);
}

GameParameters Client::gameParameters() const
{
    return d->gameParameters;
}

int Client::request(QList<xmlrpc::Variant> params, QString methodName)
{
    return d->transport->request(params, methodName);
}

int Client::request(QString methodName)
{
    return request(QList<xmlrpc::Variant>(), methodName);
}

int Client::request(QString methodName, xmlrpc::Variant param1)
{
    return request(QList<xmlrpc::Variant>{param1}, methodName);
}

int Client::request(QString methodName, xmlrpc::Variant param1, xmlrpc::Variant param2)
{
    return request(QList<xmlrpc::Variant>{param1, param2}, methodName);
}

int Client::request(QString methodName, xmlrpc::Variant param1, xmlrpc::Variant param2,
                    xmlrpc::Variant param3)
{
    return request(QList<xmlrpc::Variant>{param1, param2, param3}, methodName);
}

int Client::request(QString methodName, xmlrpc::Variant param1, xmlrpc::Variant param2,
                    xmlrpc::Variant param3, xmlrpc::Variant param4)
{
    return request(QList<xmlrpc::Variant>{param1, param2, param3, param4}, methodName);
}

void Client::startRefresh()
{
    d->refreshStarted = true;
    // With a poll out, its answer schedules the next one: a second poll now
    // would take a new request id and throw the first one's batch away.
    if (!d->refreshOut)
        d->refreshTimer.start(d->refreshInterval);
}

void Client::stopRefresh()
{
    d->refreshStarted = false;
    d->refreshTimer.stop();
    d->roundTrips.clear();
    d->roundTripTotal = 0;
}

void Client::restartRefresh()
{
    if (!d->refreshOut)
        scheduleRefresh();
}

bool Client::isRefreshStarted() const
{
    return d->refreshStarted;
}

void Client::slotRefresh()
{
    d->refreshTimer.stop();
    if (d->refreshOut)
        return;
    if (!d->refreshCommand) {
        d->refreshCommand = new ServerCommand(this, QStringLiteral("refresh"), this);
        QObject::connect(d->refreshCommand, &Command::done, this, &Client::slotRefreshDone);
    }
    d->refreshOut = true;
    d->refreshCommand->exec();
    d->refreshClock.start();
}

void Client::slotRefreshDone()
{
    const int elapsed = int(d->refreshClock.elapsed());
    d->roundTrips.append(elapsed);
    d->roundTripTotal += elapsed;
    if (d->roundTrips.size() > kKeptRoundTrips)
        d->roundTripTotal -= d->roundTrips.takeFirst();

    // Handlers may start, stop or restart the poll; that takes effect below.
    if (d->refreshCommand->hasError())
        qCWarning(lcClient, "Error: %s", qPrintable(d->refreshCommand->errorString()));
    else
        handleBatch(d->refreshCommand->result());
    d->refreshOut = false;
    scheduleRefresh();
}

void Client::scheduleRefresh()
{
    if (!d->refreshStarted || d->refreshOut)
        return;
    const int average = d->roundTrips.isEmpty() ? 0 : d->roundTripTotal / int(d->roundTrips.size());
    if (average >= d->refreshInterval)
        slotRefresh();
    else
        d->refreshTimer.start(d->refreshInterval - average);
}

void Client::sslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    Q_UNUSED(reply);
    QString text = tr("SSL error:");
    for (const QSslError& error : errors) {
        if (error.error() != QSslError::NoError)
            text += QLatin1Char('\n') + error.errorString();
    }
    Q_EMIT userNotify(text, 0, 1, QStringList(), 0);
}

} // namespace VeskGames
