#ifndef POKERD_HANDRECORD_H
#define POKERD_HANDRECORD_H

#include "handengine.h"

#include <QList>
#include <QString>
#include <QVariantMap>

namespace Pokerd {

/// One finished hand as the players' hand-history viewer reads it: event
/// objects written one after the other, cards as two hex digits each.
class HandRecord
{
public:
    void setHeader(const QVariantMap& gameParameters, const QList<QVariantMap>& seatedPlayers);
    void add(const HandEvent& event);

    /// The record as \a seat saw it: its own hole cards, backs for the others
    /// (-1: an onlooker, who sees only what was shown).
    QString text(int seat) const;
    /// The lowest seat dealt in (0-based), -1 for none.
    int firstSeat() const;

private:
    QVariantMap m_parameters;
    QList<QVariantMap> m_players;
    QList<HandEvent> m_events;
};

} // namespace Pokerd

#endif
