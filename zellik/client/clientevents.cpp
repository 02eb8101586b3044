// The decoding half of Client: one refresh answer becomes a bracketed run of signals.
#include "client.h"
#include "client_p.h"
#include "zelliklogging.h"

#include <QVariantMap>

namespace VeskGames {

namespace {

int intOf(const QVariantMap& event, const char* key)
{
    return event.value(QLatin1String(key)).toInt();
}

double doubleOf(const QVariantMap& event, const char* key)
{
    return event.value(QLatin1String(key)).toDouble();
}

bool boolOf(const QVariantMap& event, const char* key)
{
    return event.value(QLatin1String(key)).toBool();
}

QString stringOf(const QVariantMap& event, const char* key)
{
    return event.value(QLatin1String(key)).toString();
}

bool has(const QVariantMap& event, const char* key)
{
    return event.contains(QLatin1String(key));
}

/// Base64 values arrive as bytes; a string is taken as its bytes.
QVector<Card> cardsOf(const QVariantMap& event, const char* key)
{
    return Card::fromByteArray(event.value(QLatin1String(key)).toByteArray());
}

/// Seats are numbered from 1 on the wire and from 0 everywhere here.
int seatOf(const QVariantMap& event)
{
    return intOf(event, "position") - 1;
}

/// A value that is not an array counts as an empty one.
QVariantList listOf(const QVariant& value)
{
    return value.metaType().id() == QMetaType::QVariantList ? value.toList() : QVariantList();
}

QList<QVariantMap> structsOf(const QVariant& value)
{
    QList<QVariantMap> result;
    const QVariantList list = listOf(value);
    for (const QVariant& item : list) {
        if (item.metaType().id() == QMetaType::QVariantMap)
            result.append(item.toMap());
    }
    return result;
}

} // namespace

void Client::handleBatch(const QVariant& result)
{
    const QList<QVariantMap> events = structsOf(result);
    if (listOf(result).isEmpty())
        return;
    Q_EMIT eventBegin();
    for (const QVariantMap& event : events)
        handleEvent(event);
    Q_EMIT eventEnd();
}

void Client::handleEvent(const QVariantMap& event)
{
    const QString kind = stringOf(event, "event");
    if (kind == QLatin1String("authenticate")) {
        if (!d->serverRestarted)
            Q_EMIT authenticateEvent(boolOf(event, "ok"), boolOf(event, "reconnect"),
                                     stringOf(event, "formattedUserName"),
                                     boolOf(event, "portalSelectUsername"));
    } else if (kind == QLatin1String("gameParameters")) {
        handleGameParameters(event);
    } else if (kind == QLatin1String("userInfo")) {
        Q_EMIT userInfo(stringOf(event, "firstname"), stringOf(event, "lastname"), stringOf(event, "email"),
                        doubleOf(event, "balance"), doubleOf(event, "session"));
    } else if (kind == QLatin1String("userBuyin")) {
        Q_EMIT userBuyin(boolOf(event, "ok"));
    } else if (kind == QLatin1String("gameEvent")) {
        handleGameEvent(event);
    } else if (kind == QLatin1String("gameRequest")) {
        handleGameRequest(event);
    } else if (kind == QLatin1String("gameJoin")) {
        const int timestamp = intOf(event, "timestamp");
        d->gameParameters.timestamp = qMax(d->gameParameters.timestamp, timestamp);
        Q_EMIT gameJoin(boolOf(event, "ok"), timestamp);
    } else if (kind == QLatin1String("gameOpen")) {
        Q_EMIT gameOpen(intOf(event, "action"), stringOf(event, "childSessionId"),
                        stringOf(event, "selection"), intOf(event, "timestamp"));
    } else if (kind == QLatin1String("userNotify")) {
        Q_EMIT userNotify(intOf(event, "message"), intOf(event, "timeout"), intOf(event, "options"),
                          event.value(QStringLiteral("params")).toStringList(), intOf(event, "timestamp"));
    } else if (kind == QLatin1String("serverInfo")) {
        handleServerInfo(event);
    } else if (kind == QLatin1String("gameHistory")) {
        Q_EMIT gameHistoryEvent(event.value(QStringLiteral("gameEvents")).toList());
    } else if (kind == QLatin1String("gameClose")) {
        Q_EMIT returnToLobby();
    } else if (kind == QLatin1String("portalAccountAdd")) {
        Q_EMIT portalAccountAddEvent(boolOf(event, "ok"));
    } else if (kind == QLatin1String("statusInfo")) {
        Q_EMIT statusInfoEvent(intOf(event, "message"), event.value(QStringLiteral("params")).toList());
    } else {
        qCWarning(lcClient, "Unknown event type %s", qPrintable(kind));
    }
}

void Client::handleGameParameters(const QVariantMap& event)
{
    GameParameters& p = d->gameParameters;
    p.type = intOf(event, "type");
    p.limit = intOf(event, "limit");
    p.seats = intOf(event, "seats");
    p.period = intOf(event, "period");
    p.stakeMin = doubleOf(event, "stakeMin");
    p.stakeMax = doubleOf(event, "stakeMax");
    p.buyinMin = doubleOf(event, "buyinMin");
    p.buyinMax = doubleOf(event, "buyinMax");
    p.rake = doubleOf(event, "rake");
    p.ante = doubleOf(event, "ante");
    p.tourStakeChangeInterval = intOf(event, "tourStakeChangeInterval");
    p.tourBuyinFee = doubleOf(event, "tourBuyinFee");
    p.tourPayoutValues.clear();
    const QStringList payouts = stringOf(event, "tourPayoutValues").split(QLatin1Char('|'));
    for (const QString& part : payouts)
        p.tourPayoutValues.append(part.toDouble());
    p.tourStartStack = doubleOf(event, "tourStartStack");
    p.timestamp = intOf(event, "timestamp");
    p.currency = stringOf(event, "currency");
    p.valid = true;
    Q_EMIT gameParametersEvent(p);
}

void Client::handleServerInfo(const QVariantMap& event)
{
    d->gameParameters.timestamp = intOf(event, "timestamp");
    const QString id = stringOf(event, "id");
    if (d->gameParameters.serverId.isEmpty()) {
        d->gameParameters.serverId = id;
        return;
    }
    if (id == d->gameParameters.serverId)
        return;
    d->serverRestarted = true;
    Q_EMIT userNotify(
        tr("The server has restarted. If a game was in progress,\nthe last hand will have been "
           "invalidated and funds returned to your\naccount. Please restart the application to join "
           "a new game."),
        5, 1, QStringList(), d->gameParameters.timestamp);
}

void Client::handleGameRequest(const QVariantMap& event)
{
    const int p = seatOf(event);
    if (boolOf(event, "action")) {
        Q_EMIT actionRequest(p, intOf(event, "timeout"), doubleOf(event, "valueMin"),
                             doubleOf(event, "valueMax"), doubleOf(event, "valuePotLimit"),
                             doubleOf(event, "value"), boolOf(event, "isAllIn"), boolOf(event, "canRaise"),
                             intOf(event, "timestamp"));
    } else if (boolOf(event, "rebuy")) {
        Q_EMIT rebuyRequest(p, intOf(event, "timeout"), intOf(event, "timestamp"));
    } else if (has(event, "foldAndLeave")) {
        Q_EMIT foldAndLeaveRequest(p);
    }
}

void Client::handleGameEvent(const QVariantMap& event)
{
    const int p = seatOf(event);
    const int msec = d->enableAnimations ? intOf(event, "animationMs") : 0;
    const int timestamp = intOf(event, "timestamp");

    if (has(event, "postAnte")) {
        Q_EMIT postAnte(p, doubleOf(event, "postAnte"), msec, timestamp);
    } else if (has(event, "tourBusted")) {
        Q_EMIT tourBusted(p, intOf(event, "tourBusted") - 1, doubleOf(event, "tourPrice"), timestamp);
    } else if (has(event, "tourStatus")) {
        Q_EMIT tourStatus(intOf(event, "tourStatus"), timestamp);
    } else if (has(event, "userStatusChange")) {
        Q_EMIT userStatusChange(p, intOf(event, "userStatusChange"));
    } else if (has(event, "handId")) {
        Q_EMIT handId(intOf(event, "handId"), timestamp);
    } else if (has(event, "handStatus")) {
        Q_EMIT handStatus(intOf(event, "handStatus"), timestamp);
    } else if (has(event, "setDealer")) {
        Q_EMIT setDealer(p, msec, timestamp);
    } else if (has(event, "postSmall")) {
        Q_EMIT postSmall(p, doubleOf(event, "postSmall"), msec, timestamp);
    } else if (has(event, "postBig")) {
        Q_EMIT postBig(p, doubleOf(event, "postBig"), msec, timestamp);
    } else if (has(event, "dealHole")) {
        Q_EMIT dealHole(p, cardsOf(event, "dealHole"), msec, timestamp);
    } else if (has(event, "dealHolePublic")) {
        Q_EMIT dealHolePublic(p, cardsOf(event, "dealHolePublic"), msec, timestamp);
    } else if (has(event, "dealCommunity")) {
        Q_EMIT dealCommunity(cardsOf(event, "dealCommunity"), msec, timestamp);
    } else if (has(event, "userName")) {
        Q_EMIT userData(p, stringOf(event, "userName"), intOf(event, "userAvatarId"),
                        doubleOf(event, "userStack"), intOf(event, "userStatus"), timestamp,
                        stringOf(event, "userDisplayName"));
    } else if (has(event, "bettingDone")) {
        QList<qreal> pots;
        QList<qreal> rakes;
        for (const QVariantMap& pot : structsOf(event.value(QStringLiteral("bettingDone")))) {
            pots.append(doubleOf(pot, "value"));
            rakes.append(doubleOf(pot, "rake"));
        }
        Q_EMIT bettingDone(pots, rakes, msec, timestamp);
    } else if (has(event, "actionShow")) {
        Q_EMIT actionShow(p, cardsOf(event, "actionShow"), timestamp);
    } else if (has(event, "actionMuck")) {
        Q_EMIT actionMuck(p, timestamp);
    } else if (has(event, "potReturnUncalled")) {
        Q_EMIT potReturnUncalled(p, doubleOf(event, "potReturnUncalled"), msec, timestamp);
    } else if (has(event, "potGive")) {
        QList<qint32> positions;
        QList<qreal> amounts;
        for (const QVariantMap& share : structsOf(event.value(QStringLiteral("potGive")))) {
            positions.append(intOf(share, "position") - 1);
            amounts.append(doubleOf(share, "amount"));
        }
        Q_EMIT potGive(positions, amounts, msec, timestamp);
    } else if (has(event, "actionCheck")) {
        Q_EMIT actionCheck(p, timestamp);
    } else if (has(event, "actionFold")) {
        Q_EMIT actionFold(p, timestamp);
    } else if (has(event, "actionCall")) {
        Q_EMIT actionCall(p, doubleOf(event, "actionCall"), timestamp);
    } else if (has(event, "actionBet")) {
        Q_EMIT actionBet(p, doubleOf(event, "actionBet"), timestamp);
    } else if (has(event, "actionRaise")) {
        Q_EMIT actionRaise(p, doubleOf(event, "actionRaise"), timestamp);
    } else if (has(event, "actionAllIn")) {
        Q_EMIT actionAllIn(p, doubleOf(event, "actionAllIn"), timestamp, boolOf(event, "isRaise"));
    } else if (has(event, "freerollBusted")) {
        Q_EMIT freerollBusted(intOf(event, "freerollBusted"), doubleOf(event, "amount"),
                              stringOf(event, "currency"), intOf(event, "timeout"), timestamp);
    }
}

} // namespace VeskGames
