#ifndef POKERD_HANDSNAPSHOT_H
#define POKERD_HANDSNAPSHOT_H

#include <QList>
#include <QVariantMap>

namespace Pokerd {

class HandEngine;

/// The running hand as events for someone arriving in the middle of it: the
/// hand and its dealer, the pots gathered so far, cards (face up only at
/// \a viewerSeat, -1 for an onlooker), the board, the bets in front of the
/// seats and who has folded. Nothing animates: it is already on the table.
QList<QVariantMap> runningHandEvents(const HandEngine& engine, int viewerSeat, qint32 timestamp);

} // namespace Pokerd

#endif
