#ifndef VESKGAMES_SVGIMAGEITEM_P_H
#define VESKGAMES_SVGIMAGEITEM_P_H

#include "svgimageitem.h"

namespace VeskGames {

// Shared with the items derived from SvgImageItem.
class SvgImageItem::Private
{
public:
    virtual ~Private() = default;

    QSizeF size{-1, -1};
    QString elementId;
    QPixmap pixmap;
    // An answer that arrives while painting is drawn by that same paint.
    bool painting = false;
};

} // namespace VeskGames

#endif
