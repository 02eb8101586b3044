#include "handrecord.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace Pokerd {

namespace {

QString hex(const QByteArray& cards)
{
    return QString::fromLatin1(cards.toHex());
}

QString json(QVariantMap event)
{
    for (const char* member : {"dealCommunity", "actionShow"}) {
        const QString key = QLatin1String(member);
        if (event.contains(key))
            event.insert(key, hex(event.value(key).toByteArray()));
    }
    return QString::fromUtf8(
        QJsonDocument(QJsonObject::fromVariantMap(event)).toJson(QJsonDocument::Compact));
}

} // namespace

void HandRecord::setHeader(const QVariantMap& gameParameters, const QList<QVariantMap>& seatedPlayers)
{
    m_parameters = gameParameters;
    m_players = seatedPlayers;
}

void HandRecord::add(const HandEvent& event)
{
    m_events.append(event);
}

int HandRecord::firstSeat() const
{
    int first = -1;
    for (const QVariantMap& player : m_players) {
        const int seat = player.value(QStringLiteral("position")).toInt() - 1;
        if (first < 0 || seat < first)
            first = seat;
    }
    return first;
}

QString HandRecord::text(int seat) const
{
    QString out = json(m_parameters);
    for (const QVariantMap& player : m_players)
        out += json(player);
    bool dealt = false;
    bool requested = false;
    for (const HandEvent& event : m_events) {
        if (event.onlySeat >= 0 && event.onlySeat != seat)
            continue;
        if (event.exceptSeat >= 0 && event.exceptSeat == seat)
            continue;
        const QVariantMap& data = event.data;
        if (data.contains(QStringLiteral("dealHole"))) {
            // One card per event in the record.
            const QByteArray cards = data.value(QStringLiteral("dealHole")).toByteArray();
            for (char card : cards) {
                QVariantMap one = data;
                one.insert(QStringLiteral("dealHole"), hex(QByteArray(1, card)));
                out += json(one);
            }
            dealt = true;
            continue;
        }
        if (dealt && !requested) {
            // The viewer prints the hole cards at the first request to act.
            out += json({{QStringLiteral("event"), QStringLiteral("gameRequest")}});
            requested = true;
        }
        out += json(data);
    }
    return out;
}

} // namespace Pokerd
