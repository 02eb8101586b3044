#ifndef POKERD_POKERSERVER_P_H
#define POKERD_POKERSERVER_P_H

#include "pokerserver.h"

#include "accountstore.h"
#include "freerollboard.h"
#include "loginthrottle.h"
#include "passwordhash.h"
#include "ticketstore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <functional>

namespace Pokerd {

namespace ServerDetail {

constexpr int kHistoryHands = 10;

struct Session
{
    QString id;
    QString user; ///< empty for a community display and a failed login
    QString terminal;
    QString peer; ///< the caller's address
    QString tableId;
    bool loginFailed = false; ///< only there to tell the client so
    Cents bought = 0;         ///< bought for tableId before joining it
    bool requestOpen = false; ///< asked to act, no action yet
    bool requestSeen = false; ///< and polled since it was asked
    bool lostEvents = false;  ///< did not poll for too long: its queue was dropped
    bool isChild = false;     ///< made by gameOpen for a table window
    int preferredSeat = -1;   ///< the seat the player had before the server stopped
    Cents heldChips = 0;      ///< and the chips, taken from the balance when the seat is taken
    QString portalUser;       ///< an account that must choose a nickname before it plays
    QVariantList events;
    QElapsedTimer idle; ///< since the last call
    int batches = 0;    ///< polls answered with events
};

constexpr int kLoginFailuresPerUser = 5;
constexpr int kLoginFailuresPerAddress = 20;
constexpr int kLoginWindowMs = 60 * 1000;
constexpr int kSettingsWriteDelayMs = 500;
// A session that does not poll cannot make the server keep its events forever.
constexpr int kQueueKeptMs = 60 * 1000;
constexpr int kQueueMaximum = 20000;
// Sessions nobody logs into (displays, failed logins, table sessions) that
// one address may hold; the least recently used goes first.
constexpr int kLightSessionsPerAddress = 64;

inline qint32 now()
{
    return qint32(QDateTime::currentSecsSinceEpoch());
}

inline QString newId()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

inline xmlrpc::Response fault(int code, const QString& text)
{
    return xmlrpc::Response(code, text);
}

inline xmlrpc::Response ok(const xmlrpc::Variant& value = xmlrpc::Variant(true))
{
    return xmlrpc::Response(value);
}

} // namespace ServerDetail

using namespace ServerDetail;

/// One call as it reached the server: its parameters, where it came from,
/// and, once known, its session and that session's table.
struct RpcCall
{
    const QList<xmlrpc::Variant>& params;
    QString peer;
    QString* newSessionId = nullptr;
    Session* session = nullptr;
    Table* table = nullptr;

    QVariant param(int i) const { return i < params.size() ? QVariant(params.at(i)) : QVariant(); }
};

class PokerServer::Private
{
public:
    /// Who may call a method: anyone, any session (a failed log-in's too), or a logged-in one.
    enum Caller { Anyone, AnySession, LoggedIn };
    struct Method
    {
        Caller caller;
        xmlrpc::Response (Private::*handler)(RpcCall& call);
    };
    /// The method of that name; null for none.
    static const Method* method(const QString& name);
    xmlrpc::Response rpcPing(RpcCall& call);
    xmlrpc::Response rpcAuthenticate(RpcCall& call);
    xmlrpc::Response rpcRefresh(RpcCall& call);
    xmlrpc::Response rpcDestroy(RpcCall& call);
    xmlrpc::Response rpcUserInfo(RpcCall& call);
    xmlrpc::Response rpcUserSettings(RpcCall& call);
    xmlrpc::Response rpcGameList(RpcCall& call);
    xmlrpc::Response rpcFreerollList(RpcCall& call);
    xmlrpc::Response rpcFreerollDetails(RpcCall& call);
    xmlrpc::Response rpcFreerollRegister(RpcCall& call);
    xmlrpc::Response rpcGameOpen(RpcCall& call);
    xmlrpc::Response rpcGameJoin(RpcCall& call);
    xmlrpc::Response rpcUserBuyin(RpcCall& call);
    xmlrpc::Response rpcGameAction(RpcCall& call);
    xmlrpc::Response rpcGameSetting(RpcCall& call);
    xmlrpc::Response rpcGameLeave(RpcCall& call);
    xmlrpc::Response rpcGameHistory(RpcCall& call);
    xmlrpc::Response rpcPortalAccountAdd(RpcCall& call);
    xmlrpc::Response rpcUserTicket(RpcCall& call);
    xmlrpc::Response rpcGetAvatarList(RpcCall& call);
    xmlrpc::Response rpcGetAvatar(RpcCall& call);
    xmlrpc::Response rpcGetImageList(RpcCall& call);
    xmlrpc::Response rpcGetImage(RpcCall& call);

    PokerServer* q = nullptr;
    AccountStore* accounts = nullptr;
    QString serverId = newId();
    QMap<QString, Session> sessions;
    QList<Table*> tables;
    QMap<QString, QString> communityTables;
    Table::Timing timing;
    quint32 nextSeed = 0;
    QTimer freerollClock;

    /// Plays \a table (owned by the server) and hears what it says.
    void addTable(Table* table);
    void startDueFreerolls();
    QString stateLog;
    QString handLog;

    void logState(const Session& session, const Table& table)
    {
        QVariantMap state = table.stateSnapshot();
        state.insert(QStringLiteral("session"), session.id);
        state.insert(QStringLiteral("batch"), session.batches);
        QFile file(stateLog);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(QJsonDocument::fromVariant(state).toJson(QJsonDocument::Compact) + '\n');
    }
    FreerollBoard freerolls{FreerollBoard::defaults(QDateTime::currentDateTimeUtc())};
    int sessionTimeoutMs = 30 * 60 * 1000;
    int queueKeptMs = kQueueKeptMs;
    QTimer expiry;
    QTimer settingsWrite;
    LoginThrottle userLogins{kLoginFailuresPerUser, kLoginWindowMs};
    LoginThrottle addressLogins{kLoginFailuresPerAddress, kLoginWindowMs};
    TicketStore tickets;

    /// Ends a session: its seat is given up (chips go back to the balance).
    void end(const QString& id)
    {
        const auto it = sessions.find(id);
        if (it == sessions.end())
            return;
        const QString user = it->user;
        const Cents bought = it->bought;
        if (Table* t = table(it->tableId)) {
            t->leave(id);
            t->forget(id);
        }
        sessions.erase(it);
        // Bought for a table never joined: back to the balance.
        if (bought > 0)
            accounts->returnFromTable(user, bought, chipsAtTables().value(user));
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

    bool isLight(const Session& session) const
    {
        if (session.user.isEmpty())
            return true;
        const Table* t = table(session.tableId);
        return session.isChild && !(t && t->isSeated(session.id)) && session.bought == 0;
    }

    void makeRoomFor(const QString& peer)
    {
        QString oldest;
        qint64 oldestIdle = -1;
        int count = 0;
        for (const Session& session : std::as_const(sessions)) {
            if (session.peer != peer || !isLight(session))
                continue;
            ++count;
            if (session.idle.elapsed() > oldestIdle) {
                oldestIdle = session.idle.elapsed();
                oldest = session.id;
            }
        }
        if (count >= kLightSessionsPerAddress)
            end(oldest);
    }

    Session& create(const QString& user, const QString& terminal, const QString& peer)
    {
        makeRoomFor(peer);
        Session session;
        session.idle.start();
        session.id = sessionTag() + newId();
        session.user = user;
        session.terminal = terminal;
        session.peer = peer;
        // Every session hears first which server it talks to.
        session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("serverInfo")},
                                          {QStringLiteral("id"), serverId},
                                          {QStringLiteral("timestamp"), now()}});
        return sessions.insert(session.id, session).value();
    }

    void queue(const QString& sessionId, const QVariantMap& event)
    {
        const auto it = sessions.find(sessionId);
        if (it == sessions.end() || it->lostEvents)
            return;
        if (it->idle.elapsed() > queueKeptMs || it->events.size() >= kQueueMaximum) {
            it->events.clear();
            it->lostEvents = true;
            return;
        }
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
        for (Table* t : std::as_const(tables)) {
            const QMap<QString, Cents> held = t->heldMoney();
            for (auto it = held.constBegin(); it != held.constEnd(); ++it)
                totals[it.key()] += it.value();
        }
        for (const Session& session : sessions) {
            if (session.bought > 0)
                totals[session.user] += session.bought;
        }
        return totals;
    }

    /// Registers \a session for the Sit & Go at \a t, paying from what the
    /// session bought for it or else from the balance; or unregisters it,
    /// the money going back to what the session holds.
    bool setRegistered(Session& session, Table* t, bool registering)
    {
        if (session.user.isEmpty())
            return false;
        const Cents cost = t->tournamentCost();
        if (!registering) {
            if (!t->unregisterPlayer(session.id))
                return false;
            session.bought += cost;
            return true;
        }
        if (t->tourStatus() != 1 || t->hasSeat(session.user))
            return false;
        const Cents missing = cost - qMin(cost, session.bought);
        if (missing > 0 && !accounts->takeToTable(session.user, missing))
            return false;
        session.bought += missing;
        if (!t->registerPlayer(session.user, session.id, 1, accounts->shownName(session.user)))
            return false; // the money stays with the session, and goes back with it
        session.bought -= cost;
        accounts->setAtTables(session.user, chipsAtTables().value(session.user));
        return true;
    }

    /// Session ids begin with this server's own tag, so that a client still
    /// polling a server that stopped can be told it talks to another one now.
    QString sessionTag() const { return serverId.left(8) + QLatin1Char('-'); }

    /// Table sessions for the tables the user sits at, or sat at before the
    /// server stopped (to the same seat when it is free, with the chips from
    /// the balance once the client joins), announced to \a session as
    /// server-opened tables. False when there are none.
    bool reopenSeats(Session& session)
    {
        const QList<AccountStore::Seat> held = accounts->takeHeldSeats(session.user);
        bool any = false;
        for (Table* t : std::as_const(tables)) {
            const QString id = t->config().id;
            Cents chips = 0;
            int seat = t->seatOfUser(session.user);
            if (seat < 0) {
                const auto it = std::find_if(held.cbegin(), held.cend(),
                                             [&](const AccountStore::Seat& s) { return s.table == id; });
                if (it == held.cend() || it->chips > t->config().buyinMax ||
                    it->chips > accounts->account(session.user).balance)
                    continue;
                chips = it->chips;
                seat = it->seat;
            }
            Session& child = create(session.user, session.terminal, session.peer);
            child.tableId = id;
            child.isChild = true;
            child.heldChips = chips;
            child.preferredSeat = seat;
            session.events.append(QVariantMap{{QStringLiteral("event"), QStringLiteral("gameOpen")},
                                              {QStringLiteral("action"), 1},
                                              {QStringLiteral("childSessionId"), child.id},
                                              {QStringLiteral("selection"), id},
                                              {QStringLiteral("timestamp"), now()}});
            any = true;
        }
        return any;
    }

    Session* findSession(const QString& id)
    {
        const auto it = sessions.find(id);
        return it == sessions.end() ? nullptr : &it.value();
    }

    bool passwordMatches(int mode, const QString& user, const QStringList& credentials) const
    {
        const QString second = credentials.value(1);
        if (mode == 2) // a partner portal sends the password itself
            return accounts->checkPassword(user, PasswordHash::digestOf(second));
        if (accounts->checkPassword(user, second))
            return true;
        if (credentials.size() > 3) // the password itself follows the digest
            return accounts->checkPassword(user, PasswordHash::digestOf(credentials.at(3)));
        // A kiosk sends its password as it is.
        return accounts->checkPassword(user, PasswordHash::digestOf(second));
    }

    static QVariantMap authenticateEvent(bool accepted, bool reconnect, const QString& user,
                                         bool selectNickname = false)
    {
        return {{QStringLiteral("event"), QStringLiteral("authenticate")},
                {QStringLiteral("ok"), accepted},
                {QStringLiteral("reconnect"), reconnect},
                {QStringLiteral("formattedUserName"), user},
                {QStringLiteral("portalSelectUsername"), selectNickname}};
    }

    void storeTableChips()
    {
        const QMap<QString, Cents> totals = chipsAtTables();
        QMap<QString, QList<AccountStore::Seat>> seats;
        for (Table* t : std::as_const(tables)) {
            const QMap<QString, Cents> stacks = t->peopleStacks();
            for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it) {
                if (it.value() > 0)
                    seats[it.key()].append({t->config().id, t->seatOfUser(it.key()), it.value()});
            }
        }
        for (const QString& name : accounts->names()) {
            accounts->setAtTables(name, totals.value(name));
            accounts->setSeats(name, seats.value(name));
        }
    }
};

} // namespace Pokerd

#endif
