#ifndef VESKGAMES_KESTRINIMAGES_H
#define VESKGAMES_KESTRINIMAGES_H

#include <QImage>
#include <QSizeF>

namespace VeskGames {

/// The theme's pictures, drawn at twice their logical size so that they
/// stay sharp on high-density screens.
class KestrinImages
{
public:
    /// The picture at \a name in the resource search paths, null when there
    /// is none; with a \a logical size its pixel ratio makes it that size.
    static QImage image(const QString& name, const QSizeF& logical = QSizeF());
    /// The pressed look of a button picture.
    static QImage darker(const QImage& image);
};

} // namespace VeskGames

#endif
