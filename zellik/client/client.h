#ifndef VESKGAMES_CLIENT_H
#define VESKGAMES_CLIENT_H

#include "card.h"
#include "gameparameters.h"
#include "xmlrpc/variant.h"
#include "zellik_export.h"

#include <QList>
#include <QObject>
#include <QSslError>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QVector>

#include <memory>

class QNetworkReply;

namespace VeskGames {

/// The client's one connection to the game server: endpoint, trust, session
/// cookie, terminal identity, and the refresh poll that turns the server's
/// events into signals. Seat positions in signals are 0-based.
class ZELLIK_EXPORT Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(QObject* parent = nullptr);
    ~Client() override;

    /// A fresh network manager (and so an empty cookie jar) for a new session.
    void connect();
    QUrl url() const;
    bool ssl() const;
    void setUseActiveMac(bool use);
    bool useActiveMac() const;
    void setEnableAnimations(bool enable);
    bool enableAnimations() const;
    void setRefreshInterval(int ms);
    int refreshInterval() const;
    /// The session cookie that every later request carries.
    void setSessionId(const QString& sessionId);
    QString macAddress() const;
    GameParameters gameParameters() const;

    /// Turns one "refresh" answer into its bracketed run of signals, as the
    /// poll does; for replays and measurements of the event stream.
    void handleBatch(const QVariant& result);

    void startRefresh();
    void stopRefresh();
    void restartRefresh();
    bool isRefreshStarted() const;

public Q_SLOTS:
    void setHost(QString hostname, quint16 port = 80, QString path = QStringLiteral("/"), bool ssl = false);
    void setHost(QUrl url, bool ssl = false);

    int request(QList<xmlrpc::Variant> params, QString methodName);
    int request(QString methodName);
    int request(QString methodName, xmlrpc::Variant param1);
    int request(QString methodName, xmlrpc::Variant param1, xmlrpc::Variant param2);
    int request(QString methodName, xmlrpc::Variant param1, xmlrpc::Variant param2, xmlrpc::Variant param3);
    int request(QString methodName, xmlrpc::Variant param1, xmlrpc::Variant param2, xmlrpc::Variant param3,
                xmlrpc::Variant param4);

Q_SIGNALS:
    void done(int requestId, QVariant res);
    void failed(int requestId, int faultCode, QString faultString);
    void warning(int requestId);

    void eventBegin();
    void eventEnd();
    void authenticateEvent(bool ok, bool reconnect, QString username, bool portalSelectUsername);
    void gameParametersEvent(VeskGames::GameParameters params);
    void userInfo(QString firstname, QString lastname, QString email, qreal balance, qreal session);
    void userBuyin(bool ok);
    void userNotify(int message, qint32 timeout, qint32 options, QStringList params, qint32 timestamp);
    void userNotify(QString message, qint32 timeout, qint32 options, QStringList params, qint32 timestamp);
    void gameJoin(bool ok, qint32 timestamp);
    void gameOpen(int action, QString sessionId, QString selection, qint32 timestamp);
    void gameHistoryEvent(QList<QVariant> handList);
    void returnToLobby();
    void portalAccountAddEvent(bool ok);
    void statusInfoEvent(qint32 message, QVariantList params);

    void actionRequest(qint32 position, qint32 timeout, qreal postSmall, qreal postBig, qreal potLimit,
                       qreal postNowWait, bool isCallAllIn, bool isRaise, qint32 timestamp);
    void rebuyRequest(qint32 position, qint32 timeout, qint32 timestamp);
    void foldAndLeaveRequest(qint32 position);

    void postAnte(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    void tourBusted(qint32 position, qint32 place, qreal amount, qint32 timestamp);
    void tourStatus(qint32 status, qint32 timestamp);
    void userStatusChange(qint32 position, qint32 userStatus);
    void handId(qint32 handId, qint32 timestamp);
    void handStatus(qint32 statusCode, qint32 timestamp);
    void setDealer(qint32 position, qint32 msec, qint32 timestamp);
    void postSmall(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    void postBig(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    void dealHole(qint32 position, QVector<VeskGames::Card> cards, qint32 msec, qint32 timestamp);
    void dealHolePublic(qint32 position, QVector<VeskGames::Card> cards, qint32 msec, qint32 timestamp);
    void dealCommunity(QVector<VeskGames::Card> cards, qint32 msec, qint32 timestamp);
    void userData(qint32 position, QString userName, qint32 avatarId, qreal userStack, qint32 userStatus,
                  qint32 timestamp, QString displayName);
    void bettingDone(QList<qreal> pots, QList<qreal> rakes, qint32 msec, qint32 timestamp);
    void actionShow(qint32 position, QVector<VeskGames::Card> cards, qint32 timestamp);
    void actionMuck(qint32 position, qint32 timestamp);
    void potReturnUncalled(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    void potGive(QList<qint32> positions, QList<qreal> amounts, qint32 msec, qint32 timestamp);
    void actionCheck(qint32 position, qint32 timestamp);
    void actionFold(qint32 position, qint32 timestamp);
    void actionCall(qint32 position, qreal amount, qint32 timestamp);
    void actionBet(qint32 position, qreal amount, qint32 timestamp);
    void actionRaise(qint32 position, qreal amount, qint32 timestamp);
    void actionAllIn(qint32 position, qreal amount, qint32 timestamp, bool isRaise);
    void freerollBusted(qint32 place, qreal amount, QString currency, qint32 timeout, qint32 timestamp);

private Q_SLOTS:
    void slotRefresh();
    void slotRefreshDone();
    void sslErrors(QNetworkReply* reply, QList<QSslError> errors);

private:
    void init();
    QUrl createUrl() const;
    void scheduleRefresh();
    void handleEvent(const QVariantMap& event);
    void handleGameEvent(const QVariantMap& event);
    void handleGameRequest(const QVariantMap& event);
    void handleGameParameters(const QVariantMap& event);
    void handleServerInfo(const QVariantMap& event);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
