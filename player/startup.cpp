#include "startup.h"

#include "abstracttheme.h"
#include "commandlineoptions.h"
#include "configuration.h"
#include "localresources.h"
#include "platform/crashreporter.h"
#include "singleinstance.h"
#include "staticcredentials.h"
#include "tablewindowgeometry.h"
#include "themeloader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QSettings>

namespace VeskGames {

namespace {
const QString kIdentifier = QStringLiteral("VeskPoker");

// Start states of the player controller.
enum StartState { StartInteractive = 0, StartStaticCredentials = 1, StartKiosk = 3 };
} // namespace

class Startup::Private
{
public:
    std::unique_ptr<CrashReporter> crashReporter;
    CommandLineOptions options;
    Configuration configuration;
    std::unique_ptr<QApplication> app;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<AbstractTheme> theme;
};

Startup::Startup() : d(std::make_unique<Private>()) {}

Startup::~Startup()
{
    // The theme holds fonts and pixmaps: it goes before the application.
    d->theme.reset();
    d->instance.reset();
    d->app.reset();
}

int Startup::run(int& argc, char** argv)
{
    // 1. Crash reports.
    d->crashReporter = CrashReporter::create();
    d->crashReporter->install(CrashReporter::defaultReportPath(), QByteArrayLiteral(VESK_VERSION));

    // 2. Options. After -help the listing is shown and start-up goes on.
    CommandLineOptions& options = d->options;
    options.setOptions(Configuration::options());
    options.parseOptions(argc, argv);

    // 3. Configuration files; their extra parameters override the command line.
    d->configuration.read(QDir::current(), options);

    // 4. Identity.
    const QString context = QStringLiteral("updateContext");
    if (!d->configuration.values().contains(context))
        d->configuration.setValue(context, kIdentifier);
    QCoreApplication::setOrganizationDomain(QStringLiteral("veskgames.example"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vesk Games"));
    QCoreApplication::setApplicationName(d->configuration.value(context).toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(VESK_VERSION));

    // 5. One instance only; a second start leaves quietly.
    d->app = std::make_unique<QApplication>(argc, argv);
    d->instance = std::make_unique<SingleInstance>(kIdentifier);
    if (!d->instance->claim()) {
        qInfo("player: another instance is running; leaving");
        return 0;
    }

    // 6. Window icon.
    if (QFile::exists(QStringLiteral("TP.ico")))
        QApplication::setWindowIcon(QIcon(QStringLiteral("TP.ico")));

    // 7. Resources: embedded first, then the folder beside the program.
    LocalResources::addSearchPath(QStringLiteral(":"));
    LocalResources::addSearchPath(QCoreApplication::applicationDirPath() + QStringLiteral("/Resources"));
    QSettings().setValue(QStringLiteral("themeResourcePrefix"), QStringLiteral(":"));

    // 8. The server client comes with the server link.

    // 9. Theme.
    ThemeLoader::registerBuiltinFactory();
    ThemeLoader loader;
    loader.setPluginPath(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins"));
    const QStringList themes = loader.availableThemes();
    const QString wanted = options.value<QString>(QStringLiteral("theme"));
    const QString themeName = themes.contains(wanted) ? wanted : themes.value(0);
    d->theme.reset(loader.theme(themeName));
    if (!d->theme) {
        qCritical("player: no theme could be made (asked for \"%s\")", qPrintable(themeName));
        return 1;
    }
    d->theme->setSoundEnabled(options.value<bool>(QStringLiteral("sound")));

    // 10. Configuration as application properties.
    d->configuration.publish(d->app.get(), d->theme->defaultSettings());

    // 13. Log-in data from the command line must be well formed.
    int startState = StartInteractive;
    const QString authStatic = QStringLiteral("authStatic");
    if (options.hasValue(authStatic)) {
        StaticCredentials credentials;
        if (!StaticCredentials::parse(options.value<QString>(authStatic), &credentials)) {
            options.help();
            return -1;
        }
        startState = StartStaticCredentials;
    } else if (options.hasValue(QStringLiteral("authKiosk"))) {
        startState = StartKiosk;
    }

    // 14, 15. Screen and window size.
    QSize windowSize;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        windowSize = TableWindowGeometry::windowSize(screen->virtualSize());
    if (options.hasValue(QStringLiteral("multihead"))) {
        const int number = options.value<int>(QStringLiteral("multihead"));
        const QList<QScreen*> screens = QGuiApplication::screens();
        const QRect geometry =
            number >= 0 && number < screens.size() ? screens.at(number)->geometry() : QRect();
        if (!TableWindowGeometry::isUsableScreen(geometry))
            qInfo("player: screen %d does not exist; staying on the primary screen", number);
    }

    // The table window and the controllers are not part of this build yet.
    qInfo("player: started with theme %s, start state %d, window %dx%d%s; no table window in this build",
          qPrintable(themeName), startState, windowSize.width(), windowSize.height(),
          options.value<bool>(QStringLiteral("fullscreen")) ? " (full screen)" : "");
    return 0;
}

} // namespace VeskGames
