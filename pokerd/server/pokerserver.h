#ifndef POKERD_POKERSERVER_H
#define POKERD_POKERSERVER_H

#include "freerollboard.h"
#include "rpchandler.h"
#include "table.h"
#include "xmlrpc/response.h"

#include <QObject>

#include <memory>

namespace Pokerd {

class AccountStore;
class TicketStore;

/// The game server's side of the protocol: sessions named by the
/// "sessionId" cookie, the methods the client calls, and the events each
/// session collects until its next "refresh".
class PokerServer : public QObject, public RpcHandler
{
    Q_OBJECT

public:
    enum Fault {
        BadLogin = 1,
        NotLoggedIn = 2,
        NoSuchTable = 3,
        TableFull = 4,
        BuyinRefused = 5,
        NotSeated = 6,
        NoSuchFreeroll = 7,
        UnknownMethod = -32601,
        BadParameters = -32602
    };

    PokerServer(AccountStore* accounts, const QList<TableConfig>& tables, quint32 seed,
                const Table::Timing& timing, QObject* parent = nullptr);
    ~PokerServer() override;

    /// Runs one call for the caller at \a peer with \a sessionId (empty
    /// without a cookie); \a newSessionId receives a session the caller should keep.
    /// Refusals a client meets in normal play are answers, not faults: a
    /// client takes a fault for a broken connection.
    xmlrpc::Response call(const QString& method, const QList<xmlrpc::Variant>& params,
                          const QString& sessionId, QString* newSessionId,
                          const QString& peer = QString()) override;

    /// Terminal identifier -> table id shown to community displays.
    void setCommunityTables(const QMap<QString, QString>& tables);
    /// Sessions without a call for this long end; their seats are given up.
    void setSessionTimeout(int seconds);
    /// Appends the table of every answered poll that carried events, one
    /// JSON line each, so that a client's view can be checked against it.
    void setStateLog(const QString& path);
    /// The freerolls the lobby lists; each is played at its start.
    void setFreerolls(const QList<FreerollBoard::Freeroll>& freerolls);
    void setFreerollLevelSeconds(int seconds);
    /// Appends every finished hand's record, one JSON text per line.
    void setHandLog(const QString& path);
    /// A session that has not polled for this long loses its queued events
    /// and hears a new server id at its next poll.
    void setEventQueueLifetime(int ms);
    QString serverId() const;
    QList<Table*> tables() const;
    AccountStore* accounts() const;
    /// The one-time tickets "userTicket" hands out, for the web pages to take.
    TicketStore* tickets() const;
    int sessionCount() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
