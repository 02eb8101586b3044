#ifndef VESKGAMES_DEFAULTTHEMEFACTORY_H
#define VESKGAMES_DEFAULTTHEMEFACTORY_H

#include "abstractthemefactory.h"
#include "zellik_export.h"

#include <QObject>

namespace VeskGames {

/// The library's own factory: "DefaultTheme" and "CommunityTheme".
class ZELLIK_EXPORT DefaultThemeFactory : public QObject, public AbstractThemeFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VeskGames_AbstractThemeFactory_iid)
    Q_INTERFACES(VeskGames::AbstractThemeFactory)

public:
    QStringList availableThemes() override;
    AbstractTheme* createTheme(const QString& name) override;
};

} // namespace VeskGames

#endif
