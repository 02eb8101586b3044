#include "tablewindowgeometry.h"

#include <cmath>

namespace VeskGames {
namespace TableWindowGeometry {

QSize windowSize(const QSize& desktop)
{
    const int w = desktop.width();
    const int h = desktop.height();
    const int w0 = int(std::lround(w * 0.9));
    const int h0 = int(std::lround(h * 0.9));
    if (3 * (w / 4) <= h)
        return QSize(4 * (w0 / 4), 3 * (w0 / 4));
    return QSize(4 * (h0 / 3), 3 * (h0 / 3));
}

bool isUsableScreen(const QRect& geometry)
{
    return geometry.left() <= geometry.right() && geometry.top() <= geometry.bottom();
}

} // namespace TableWindowGeometry
} // namespace VeskGames
