#ifndef VESKTEST_HANDRECORDS_H
#define VESKTEST_HANDRECORDS_H

#include "card.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <QVector>

/// "Ah Kd" as the hexadecimal card bytes of a hand record.
inline QString hexOf(const QString& cards)
{
    QVector<VeskGames::Card> list;
    // Cards read suit first: "Ah" is "hA".
    for (const QString& text : cards.split(u' ', Qt::SkipEmptyParts))
        list.append(VeskGames::Card(QString(text.at(1)) + text.at(0)));
    return QString::fromLatin1(VeskGames::Card::toByteArray(list).toHex());
}

/// A hand record: the events written one after the other.
inline QString recordOf(const QList<QVariantMap>& events)
{
    QString out;
    for (const QVariantMap& event : events)
        out += QString::fromUtf8(
            QJsonDocument(QJsonObject::fromVariantMap(event)).toJson(QJsonDocument::Compact));
    return out;
}

/// The opening of a hand: its parameters and the players in their seats
/// (seats counted from 1, as records count them).
inline QList<QVariantMap> handOpening(int type, double small, double big, double ante = 0,
                                      const QStringList& players = {"alice", "bob", "carol"},
                                      double stack = 100, const QString& currency = "EUR")
{
    QList<QVariantMap> events{{{"event", "gameParameters"},
                               {"currency", currency},
                               {"type", type},
                               {"limit", 1},
                               {"seats", 6},
                               {"stakeMin", small},
                               {"stakeMax", big},
                               {"ante", ante},
                               {"timestamp", 1700000000}}};
    for (int i = 0; i < players.size(); ++i)
        events.append({{"userName", players.at(i)}, {"position", i + 1}, {"userStack", stack}});
    return events;
}

#endif
