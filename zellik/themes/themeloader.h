#ifndef VESKGAMES_THEMELOADER_H
#define VESKGAMES_THEMELOADER_H

#include "zellik_export.h"

#include <QString>
#include <QStringList>

namespace VeskGames {

class AbstractTheme;

/// Finds theme factories (plug-ins in a folder first, then those registered
/// inside the program) and makes themes by name.
class ZELLIK_EXPORT ThemeLoader
{
public:
    ThemeLoader();
    ThemeLoader(const ThemeLoader& other);
    ThemeLoader& operator=(const ThemeLoader& other);
    ~ThemeLoader();

    QString pluginPath() const;
    void setPluginPath(const QString& path);

    QStringList availableThemes() const;
    /// The caller owns the result; null when no factory makes \a name.
    AbstractTheme* theme(const QString& name) const;

    static void setDefaultThemeName(const QString& name);
    static QString defaultThemeName();

    /// Registers the library's built-in factory as a static plug-in (once).
    static void registerBuiltinFactory();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
