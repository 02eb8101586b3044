#ifndef VESKGAMES_ABSTRACTTHEMEFACTORY_H
#define VESKGAMES_ABSTRACTTHEMEFACTORY_H

#include "zellik_export.h"

#include <QObject>
#include <QStringList>

namespace VeskGames {

class AbstractTheme;

/// Plug-in interface of everything that makes themes.
class ZELLIK_EXPORT AbstractThemeFactory
{
public:
    virtual ~AbstractThemeFactory();
    virtual QStringList availableThemes() = 0;
    /// A new theme owned by the caller, or null when \a name is not ours.
    virtual AbstractTheme* createTheme(const QString& name) = 0;
};

} // namespace VeskGames

#define VeskGames_AbstractThemeFactory_iid "com.veskgames.AbstractThemeFactory/1.0"
Q_DECLARE_INTERFACE(VeskGames::AbstractThemeFactory, VeskGames_AbstractThemeFactory_iid)

#endif
