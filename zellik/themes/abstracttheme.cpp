#include "abstracttheme.h"

namespace VeskGames {

AbstractTheme::~AbstractTheme() = default;

QVariantMap AbstractTheme::defaultSettings()
{
    return QVariantMap();
}

} // namespace VeskGames
