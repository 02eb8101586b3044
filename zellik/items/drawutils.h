#ifndef VESKGAMES_DRAWUTILS_H
#define VESKGAMES_DRAWUTILS_H

#include "zellik_export.h"

#include <QPainterPath>

class QFont;
class QPainter;
class QString;

namespace VeskGames {

/// Outlined text that stays readable on any background.
class ZELLIK_EXPORT DrawUtils
{
public:
    enum PathFlag { AlignCenter = 0, AlignLeft = 1 };

    DrawUtils() = delete;

    /// One sub-path per non-empty line of text; lines are centred on the widest
    /// one (or flush left with AlignLeft), the first baseline at y = 0.
    static QPainterPath makePath(const QFont& font, const QString& text, int flags = AlignCenter);
    /// Strokes with the painter's pen, then fills with its brush, so the
    /// outline stays visible around the fill.
    static void drawOutlinePath(QPainter* painter, const QPainterPath& path);
};

} // namespace VeskGames

#endif
