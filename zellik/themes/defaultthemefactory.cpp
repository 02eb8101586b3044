// Built as a static plug-in: the program registers it itself and the loader
// finds it after the plug-in folder's factories.
#define QT_STATICPLUGIN
#include "defaultthemefactory.h"

#include "communitytheme.h"
#include "defaulttheme.h"
#include "themeloader.h"

#include <QtPlugin>

namespace VeskGames {

QStringList DefaultThemeFactory::availableThemes()
{
    return {QStringLiteral("DefaultTheme"), QStringLiteral("CommunityTheme")};
}

AbstractTheme* DefaultThemeFactory::createTheme(const QString& name)
{
    if (name == QLatin1String("DefaultTheme"))
        return new DefaultTheme;
    if (name == QLatin1String("CommunityTheme"))
        return new CommunityTheme;
    return nullptr;
}

} // namespace VeskGames

#include "moc_defaultthemefactory.cpp"

void VeskGames::ThemeLoader::registerBuiltinFactory()
{
    static const bool registered = [] {
        qRegisterStaticPluginFunction(qt_static_plugin_DefaultThemeFactory());
        return true;
    }();
    Q_UNUSED(registered);
}
