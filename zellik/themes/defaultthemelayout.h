#ifndef VESKGAMES_DEFAULTTHEMELAYOUT_H
#define VESKGAMES_DEFAULTTHEMELAYOUT_H

#include <QList>
#include <QPointF>

namespace VeskGames {

/// The fixed per-seat-count tables of the default 1024 x 768 table, normal
/// and instant-deal. Counts outside 1..10 give empty lists and a warning.
namespace DefaultThemeLayout {

enum class Layout { Normal, InstaDeal };

QList<QPointF> seatPositions(Layout layout, int count);
QList<QPointF> stackPositions(Layout layout, int count);
QList<QPointF> dealerButtonPositions(Layout layout, int count);
QList<Qt::Alignment> stackTextAlignment(Layout layout, int count);
QList<Qt::Alignment> timerTextAlignment(Layout layout, int count);
QList<QList<int>> stackLayout(Layout layout, int count);

} // namespace DefaultThemeLayout
} // namespace VeskGames

#endif
