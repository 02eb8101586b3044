#include "pokerserver.h"

#include "accountstore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <QUuid>

#include <functional>

namespace Pokerd {

namespace {

constexpr int kHistoryHands = 10;

struct Session
{
    QString id;
    QString user; ///< empty for a community display
    QString terminal;
    QString tableId;
    QVariantList events;
    QElapsedTimer idle; ///< since the last call
};

qint32 now()
{
    return qint32(QDateTime::currentSecsSinceEpoch());
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

xmlrpc::Response fault(int code, const QString& text)
{
    return xmlrpc::Response(code, text);
}

xmlrpc::Response ok(const xmlrpc::Variant& value = xmlrpc::Variant(true))
{
    return xmlrpc::Response(value);
}

} // namespace

class PokerServer::Private
{
public:
    PokerServer* q = nullptr;
    AccountStore* accounts = nullptr;
    QString serverId = newId();
    QMap<QString, Session> sessions;
    QList<Table*> tables;
    QMap<QString, QString> communityTables;
    int sessionTimeoutMs = 30 * 60 * 1000;
    QTimer expiry;

    /// Ends a session: its seat is given up (chips go back to the balance).
    void end(const QString& id)
    {
        const auto it = sessions.find(id);
        if (it == sessions.end())
            return;
        if (Table* t = table(it->tableId)) {
            t->leave(id);
            t->forget(id);
        }
        sessions.erase(it);
    }

    void expire()
    {
        QStringList idle;
        for (const Session& session : std::as_const(sessions)) {
            if (session.idle.elapsed() > sessionTimeoutMs)
                idle.append(session.id);
        }
        for (const QString& id : std::as_const(idle))
            end(id);
    }

    Session& create(const QString& user, const QString& terminal)
    {
        Session session;
        session.idle.start();
        session.id = newId();
        session.user = user;
        session.terminal = terminal;
        // Every session hears first which server it talks to.
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("serverInfo")},
                                          {QStringLiteral("id"), serverId},
                                          {QStringLiteral("timestamp"), now()}});
        return sessions.insert(session.id, session).value();
    }

    void queue(const QString& sessionId, const QVariantMap& event)
    {
        const auto it = sessions.find(sessionId);
        if (it != sessions.end())
            it->events.append(event);
    }

    Table* table(const QString& id) const
    {
        for (Table* t : tables) {
            if (t->config().id == id)
                return t;
        }
        return nullptr;
    }

    QMap<QString, Cents> chipsAtTables() const
    {
        QMap<QString, Cents> totals;
        for (Table* t : std::as_const(tables)) {
            const QMap<QString, Cents> stacks = t->peopleStacks();
            for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it)
                totals[it.key()] += it.value();
        }
        return totals;
    }

    void storeTableChips()
    {
        const QMap<QString, Cents> totals = chipsAtTables();
        for (const QString& name : accounts->names())
            accounts->setAtTables(name, totals.value(name));
    }
};

PokerServer::PokerServer(AccountStore* accounts, const QList<TableConfig>& tables, quint32 seed,
                         const Table::Timing& timing, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->accounts = accounts;
    connect(&d->expiry, &QTimer::timeout, this, [this] { d->expire(); });
    setSessionTimeout(30 * 60);
    quint32 tableSeed = seed;
    for (const TableConfig& config : tables) {
        auto* table = new Table(config, ++tableSeed, timing, this);
        connect(table, &Table::eventFor, this,
                [this](const QString& session, const QVariantMap& event) { d->queue(session, event); });
        connect(table, &Table::playerLeft, this,
                [this](const QString& user, const QString& session, Cents chips) {
                    d->accounts->returnFromTable(user, chips, d->chipsAtTables().value(user));
                    d->queue(session, {{QStringLiteral("event"), QStringLiteral("gameClose")}});
                });
        connect(table, &Table::handFinished, this, [this] { d->storeTableChips(); });
        d->tables.append(table);
    }
}

PokerServer::~PokerServer() = default;

void PokerServer::setSessionTimeout(int seconds)
{
    // Sessions nobody calls for are ended, so that abandoned logins do not pile up.
    d->sessionTimeoutMs = seconds * 1000;
    d->expiry.start(qBound(100, d->sessionTimeoutMs / 4, 60000));
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

int PokerServer::sessionCount() const
{
    return int(d->sessions.size());
}

xmlrpc::Response PokerServer::call(const QString& method, const QList<xmlrpc::Variant>& params,
                                   const QString& sessionId, QString* newSessionId)
{
    auto param = [&](int i) -> QVariant { return i < params.size() ? QVariant(params.at(i)) : QVariant(); };

    if (method == QLatin1String("ping"))
        return ok();

    if (method == QLatin1String("authenticate")) {
        const QStringList credentials = param(1).toStringList();
        const QString user = credentials.value(0);
        const QString terminal = credentials.value(2);
        if (user.isEmpty() && credentials.value(1).isEmpty()) {
            // A community display: an onlooker without an account.
            Session& session = d->create(QString(), terminal);
            *newSessionId = session.id;
            session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("authenticate")},
                                              {QStringLiteral("ok"), true},
                                              {QStringLiteral("reconnect"), false},
                                              {QStringLiteral("formattedUserName"), QString()},
                                              {QStringLiteral("portalSelectUsername"), false}});
            return ok();
        }
        if (!d->accounts->checkPassword(user, credentials.value(1)))
            return fault(BadLogin, tr("Invalid user name or password."));
        Session& session = d->create(user, terminal);
        *newSessionId = session.id;
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("authenticate")},
                                          {QStringLiteral("ok"), true},
                                          {QStringLiteral("reconnect"), false},
                                          {QStringLiteral("formattedUserName"), user},
                                          {QStringLiteral("portalSelectUsername"), false}});
        return ok();
    }

    const auto found = d->sessions.find(sessionId);
    if (found == d->sessions.end())
        return fault(NotLoggedIn, tr("Not logged in."));
    Session& session = found.value();
    session.idle.restart();
    Table* table = d->table(session.tableId);

    if (method == QLatin1String("refresh")) {
        const QVariantList events = std::exchange(session.events, {});
        return ok(xmlrpc::Variant(events));
    }
    if (method == QLatin1String("destroy")) {
        d->end(session.id);
        return ok();
    }
    if (method == QLatin1String("userInfo")) {
        const AccountStore::Account a = d->accounts->account(session.user);
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("userInfo")},
                                          {QStringLiteral("firstname"), a.firstName},
                                          {QStringLiteral("lastname"), a.lastName},
                                          {QStringLiteral("email"), a.email},
                                          {QStringLiteral("balance"), HandEngine::toUnits(a.balance)},
                                          {QStringLiteral("session"), HandEngine::toUnits(a.atTables)}});
        return ok();
    }
    if (method == QLatin1String("userSettings")) {
        if (param(0).toBool()) {
            d->accounts->setSettings(session.user, param(1).toMap());
            return ok();
        }
        return ok(xmlrpc::Variant(QVariant(d->accounts->account(session.user).settings)));
    }
    if (method == QLatin1String("gameList")) {
        QVariantList list;
        for (Table* t : std::as_const(d->tables))
            list.append(t->listing(t->isSeated(session.id)));
        return ok(xmlrpc::Variant(list));
    }
    if (method == QLatin1String("freerollList"))
        return ok(xmlrpc::Variant(QVariantList()));
    if (method == QLatin1String("freerollDetails") || method == QLatin1String("freerollRegister"))
        return fault(NoSuchFreeroll, tr("There is no such freeroll."));
    if (method == QLatin1String("gameOpen")) {
        Table* wanted = d->table(param(0).toString());
        if (!wanted)
            return fault(NoSuchTable, tr("There is no such table."));
        // The table gets a session of its own, which the client takes over.
        Session& child = d->create(session.user, session.terminal);
        child.tableId = wanted->config().id;
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameOpen")},
                                          {QStringLiteral("action"), 0},
                                          {QStringLiteral("childSessionId"), child.id},
                                          {QStringLiteral("selection"), wanted->config().id},
                                          {QStringLiteral("timestamp"), now()}});
        return ok();
    }
    if (method == QLatin1String("gameJoin")) {
        QString tableId = param(0).toString();
        if (tableId.isEmpty())
            tableId = session.tableId;
        if (tableId.isEmpty() && session.user.isEmpty())
            tableId = d->communityTables.value(session.terminal, d->tables.value(0)->config().id);
        Table* wanted = d->table(tableId);
        if (!wanted)
            return fault(NoSuchTable, tr("There is no such table."));
        session.tableId = tableId;
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameJoin")},
                                          {QStringLiteral("ok"), true},
                                          {QStringLiteral("timestamp"), now()}});
        if (session.user.isEmpty()) {
            wanted->watch(session.id);
        } else if (wanted->join(session.user, session.id, 1) < 0) {
            session.events.removeLast();
            return fault(TableFull, tr("The table is full."));
        }
        return ok();
    }
    if (method == QLatin1String("userBuyin")) {
        Table* target = params.size() > 1 ? d->table(param(1).toString()) : table;
        if (!target || !target->isSeated(session.id))
            return fault(NotSeated, tr("Take a seat before buying chips."));
        const Cents amount = HandEngine::fromUnits(param(0).toDouble());
        const Cents stack = target->stackOf(session.id);
        const TableConfig& c = target->config();
        bool accepted = amount > 0 && stack + amount <= c.buyinMax && (stack > 0 || amount >= c.buyinMin) &&
                        d->accounts->takeToTable(session.user, amount);
        if (accepted)
            accepted = target->addChips(session.id, amount);
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("userBuyin")},
                                          {QStringLiteral("ok"), accepted}});
        return accepted ? ok() : fault(BuyinRefused, tr("The buy-in was refused."));
    }
    if (method == QLatin1String("gameAction")) {
        if (!table ||
            !table->act(session.id, param(0).toString(), HandEngine::fromUnits(param(1).toDouble())))
            return fault(NotSeated, tr("It is not your turn."));
        return ok();
    }
    if (method == QLatin1String("gameSetting")) {
        if (!table || !table->setting(session.id, param(0).toString()))
            return fault(NotSeated, tr("That setting is not available here."));
        return ok();
    }
    if (method == QLatin1String("gameLeave")) {
        if (!table)
            return fault(NotSeated, tr("You are not at a table."));
        table->leave(session.id);
        return ok();
    }
    if (method == QLatin1String("gameHistory")) {
        const QStringList hands = table ? table->history(session.id, kHistoryHands) : QStringList();
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameHistory")},
                                          {QStringLiteral("gameEvents"), QVariant(hands).toList()}});
        return ok();
    }
    if (method == QLatin1String("portalAccountAdd")) {
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("portalAccountAdd")},
                                          {QStringLiteral("ok"), false}});
        return ok();
    }
    if (method == QLatin1String("userTicket")) {
        const quint64 ticket = QRandomGenerator::system()->generate64();
        return ok(xmlrpc::Variant(QString::number(ticket, 16)));
    }
    if (method == QLatin1String("getAvatarList")) {
        QVariantList list;
        QFile index(QStringLiteral(":/avatars/avatars.txt"));
        if (index.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : index.readAll().split('\n')) {
                const QList<QByteArray> parts = line.trimmed().split(' ');
                if (parts.size() == 2)
                    list.append(QVariantMap{{QStringLiteral("id"), parts.at(0).toInt()},
                                            {QStringLiteral("name"), QString::fromUtf8(parts.at(1))}});
            }
        }
        return ok(xmlrpc::Variant(list));
    }
    if (method == QLatin1String("getAvatar")) {
        QFile picture(QStringLiteral(":/avatars/%1.png").arg(param(0).toInt()));
        if (!picture.open(QIODevice::ReadOnly))
            return ok(xmlrpc::Variant(false));
        return ok(xmlrpc::Variant(QVariantMap{{QStringLiteral("image"), picture.readAll()}}));
    }
    if (method == QLatin1String("getImageList"))
        return ok(xmlrpc::Variant(QVariantList()));
    if (method == QLatin1String("getImage"))
        return ok(xmlrpc::Variant(false));
    return fault(UnknownMethod, tr("Unknown method: %1").arg(method));
}

} // namespace Pokerd
