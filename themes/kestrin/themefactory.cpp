#include "themefactory.h"

#include "theme.h"

namespace VeskGames {

QStringList ThemeFactory::availableThemes()
{
    return {Theme::name()};
}

AbstractTheme* ThemeFactory::createTheme(const QString& name)
{
    if (name == Theme::name())
        return new Theme;
    return nullptr;
}

} // namespace VeskGames
