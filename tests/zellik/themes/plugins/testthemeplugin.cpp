// A theme plug-in for the loader tests: it offers a theme of its own and one
// that shadows the built-in "DefaultTheme".
#include "abstractthemefactory.h"
#include "defaulttheme.h"

#include <QObject>

namespace {

class PluginTheme : public VeskGames::DefaultTheme
{
public:
    explicit PluginTheme(const QString& name) : VeskGames::DefaultTheme(QStringLiteral(":")), m_name(name) {}
    QStringList translations() override { return {QStringLiteral("plugin:") + m_name}; }

private:
    QString m_name;
};

} // namespace

class TestThemeFactory : public QObject, public VeskGames::AbstractThemeFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VeskGames_AbstractThemeFactory_iid)
    Q_INTERFACES(VeskGames::AbstractThemeFactory)

public:
    QStringList availableThemes() override
    {
        return {QStringLiteral("PluginTheme"), QStringLiteral("DefaultTheme")};
    }

    VeskGames::AbstractTheme* createTheme(const QString& name) override
    {
        // The tests read which names the loader asked for.
        setProperty("requested", property("requested").toStringList() << name);
        if (availableThemes().contains(name))
            return new PluginTheme(name);
        return nullptr;
    }
};

#include "testthemeplugin.moc"
