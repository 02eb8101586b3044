#ifndef VESKGAMES_KESTRIN_THEMEFACTORY_H
#define VESKGAMES_KESTRIN_THEMEFACTORY_H

#include "abstractthemefactory.h"

#include <QObject>

namespace VeskGames {

/// Root object of the partner plug-in; makes "KestrinTheme" only.
class ThemeFactory : public QObject, public AbstractThemeFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VeskGames_AbstractThemeFactory_iid FILE "kestrin.json")
    Q_INTERFACES(VeskGames::AbstractThemeFactory)

public:
    QStringList availableThemes() override;
    AbstractTheme* createTheme(const QString& name) override;
};

} // namespace VeskGames

#endif
