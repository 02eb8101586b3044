#ifndef VESKGAMES_TABLEWINDOWGEOMETRY_H
#define VESKGAMES_TABLEWINDOWGEOMETRY_H

#include <QRect>
#include <QSize>

namespace VeskGames {

/// Where and how large the table window opens.
namespace TableWindowGeometry {

/// The largest 4:3 size that fits in 90 % of \a desktop.
QSize windowSize(const QSize& desktop);

/// True for a rectangle whose left is not right of its right and whose top is
/// not below its bottom; screen numbers that do not exist give an invalid one.
bool isUsableScreen(const QRect& geometry);

} // namespace TableWindowGeometry
} // namespace VeskGames

#endif
