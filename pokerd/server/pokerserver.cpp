#include "pokerserver.h"

#include "pokerserver_p.h"

namespace Pokerd {

PokerServer::PokerServer(AccountStore* accounts, const QList<TableConfig>& tables, quint32 seed,
                         const Table::Timing& timing, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->accounts = accounts;
    connect(&d->expiry, &QTimer::timeout, this, [this] { d->expire(); });
    d->settingsWrite.setSingleShot(true);
    connect(&d->settingsWrite, &QTimer::timeout, this, [this] { d->accounts->flush(); });
    setSessionTimeout(30 * 60);
    quint32 tableSeed = seed;
    d->timing = timing;
    for (const TableConfig& config : tables)
        d->addTable(new Table(config, ++tableSeed, timing, this));
    d->nextSeed = tableSeed;
    connect(&d->freerollClock, &QTimer::timeout, this, [this] { d->startDueFreerolls(); });
    d->freerollClock.start(1000);
}

PokerServer::~PokerServer() = default;

void PokerServer::setFreerolls(const QList<FreerollBoard::Freeroll>& freerolls)
{
    d->freerolls = FreerollBoard(freerolls);
}

void PokerServer::setFreerollLevelSeconds(int seconds)
{
    d->freerolls.setLevelSeconds(seconds);
}

void PokerServer::setHandLog(const QString& path)
{
    d->handLog = path;
}

void PokerServer::setStateLog(const QString& path)
{
    d->stateLog = path;
}

void PokerServer::setSessionTimeout(int seconds)
{
    // Sessions nobody calls for are ended, so that abandoned logins do not pile up.
    d->sessionTimeoutMs = seconds * 1000;
    d->expiry.start(qBound(100, d->sessionTimeoutMs / 4, 60000));
}

void PokerServer::setEventQueueLifetime(int ms)
{
    d->queueKeptMs = ms;
}

void PokerServer::setCommunityTables(const QMap<QString, QString>& tables)
{
    d->communityTables = tables;
}

QString PokerServer::serverId() const
{
    return d->serverId;
}

QList<Table*> PokerServer::tables() const
{
    return d->tables;
}

AccountStore* PokerServer::accounts() const
{
    return d->accounts;
}

TicketStore* PokerServer::tickets() const
{
    return &d->tickets;
}

int PokerServer::sessionCount() const
{
    return int(d->sessions.size());
}

xmlrpc::Response PokerServer::call(const QString& method, const QList<xmlrpc::Variant>& params,
                                   const QString& sessionId, QString* newSessionId, const QString& peer)
{
    RpcCall rpc{params, peer, newSessionId};
    const Private::Method* handler = Private::method(method);
    if (handler && handler->caller == Private::Anyone)
        return (d.get()->*handler->handler)(rpc);

    const auto found = d->sessions.find(sessionId);
    if (found == d->sessions.end()) {
        // A session of a server that ran before this one: the client learns
        // that the server is another one now and tells its player so.
        if (method == QLatin1String("refresh") && !sessionId.isEmpty() &&
            !sessionId.startsWith(d->sessionTag()))
            return ok(xmlrpc::Variant(
                QVariantList{QVariantMap{{QStringLiteral("event"), QStringLiteral("serverInfo")},
                                         {QStringLiteral("id"), d->serverId},
                                         {QStringLiteral("timestamp"), now()}}}));
        return fault(NotLoggedIn, tr("Not logged in."));
    }
    Session& session = found.value();
    session.idle.restart();
    rpc.session = &session;
    rpc.table = d->table(session.tableId);
    if (handler && handler->caller == Private::AnySession)
        return (d.get()->*handler->handler)(rpc);
    // A failed log-in's session only hears its answer.
    if (session.loginFailed)
        return ok(xmlrpc::Variant(false));
    if (!handler)
        return fault(UnknownMethod, tr("Unknown method: %1").arg(method));
    return (d.get()->*handler->handler)(rpc);
}

} // namespace Pokerd
