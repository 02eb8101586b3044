#include "themeloader.h"

#include "abstractthemefactory.h"

#include <QDir>
#include <QPluginLoader>

#include <functional>

namespace VeskGames {

namespace {
QString& defaultName()
{
    static QString name;
    return name;
}
} // namespace

class ThemeLoader::Private
{
public:
    QString pluginPath = QStringLiteral("./plugins");

    /// Calls \a visit with every factory in search order until it returns true.
    void forEachFactory(const std::function<bool(AbstractThemeFactory*)>& visit) const
    {
        const QDir dir(pluginPath);
        const QStringList files = dir.entryList(QDir::Files, QDir::Unsorted);
        for (const QString& file : files) {
            // The loader object is only needed while the factory is consulted;
            // the library itself stays loaded.
            QPluginLoader loader(dir.absoluteFilePath(file));
            auto* factory = qobject_cast<AbstractThemeFactory*>(loader.instance());
            if (factory && visit(factory))
                return;
        }
        const QObjectList statics = QPluginLoader::staticInstances();
        for (QObject* instance : statics) {
            auto* factory = qobject_cast<AbstractThemeFactory*>(instance);
            if (factory && visit(factory))
                return;
        }
    }
};

ThemeLoader::ThemeLoader() : d(std::make_unique<Private>()) {}

ThemeLoader::ThemeLoader(const ThemeLoader& other) : d(std::make_unique<Private>(*other.d)) {}

ThemeLoader& ThemeLoader::operator=(const ThemeLoader& other)
{
    *d = *other.d;
    return *this;
}

ThemeLoader::~ThemeLoader() = default;

QString ThemeLoader::pluginPath() const
{
    return d->pluginPath;
}

void ThemeLoader::setPluginPath(const QString& path)
{
    d->pluginPath = path;
}

QStringList ThemeLoader::availableThemes() const
{
    QStringList names;
    d->forEachFactory([&names](AbstractThemeFactory* factory) {
        names += factory->availableThemes();
        return false;
    });
    return names;
}

AbstractTheme* ThemeLoader::theme(const QString& name) const
{
    const QString wanted = name.isEmpty() ? defaultName() : name;
    AbstractTheme* made = nullptr;
    d->forEachFactory([&](AbstractThemeFactory* factory) {
        made = factory->createTheme(wanted);
        return made != nullptr;
    });
    return made;
}

void ThemeLoader::setDefaultThemeName(const QString& name)
{
    defaultName() = name;
}

QString ThemeLoader::defaultThemeName()
{
    return defaultName();
}

} // namespace VeskGames
