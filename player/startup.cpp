#include "startup.h"
#include "playerlogging.h"

#include "abstracttheme.h"
#include "client.h"
#include "commandlineoptions.h"
#include "communitycontroller.h"
#include "configuration.h"
#include "localresources.h"
#include "platform/crashreporter.h"
#include "playercontroller.h"
#include "pokertableview.h"
#include "renderingsetup.h"
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
    std::unique_ptr<Client> client;
    std::unique_ptr<PokerTableView> view;
    std::unique_ptr<CommonController> controller;
};

Startup::Startup() : d(std::make_unique<Private>()) {}

Startup::~Startup()
{
    // The controller uses view, client and theme; the theme holds fonts and
    // pixmaps: all of them go before the application.
    d->controller.reset();
    d->view.reset();
    d->client.reset();
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

    // 5. One instance only; a second start leaves quietly. With OpenGL the
    // web pages (cashier, news) draw with the widgets' context, which must be
    // shared from the start.
    if (!RenderingSetup::apply())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    d->app = std::make_unique<QApplication>(argc, argv);
    d->instance = std::make_unique<SingleInstance>(kIdentifier);
    if (!d->instance->claim()) {
        qCInfo(lcStartup, "player: another instance is running; leaving");
        return 0;
    }

    // 6. Window icon.
    if (QFile::exists(QStringLiteral("TP.ico")))
        QApplication::setWindowIcon(QIcon(QStringLiteral("TP.ico")));

    // 7. Resources: embedded first, then the folder beside the program.
    LocalResources::addSearchPath(QStringLiteral(":"));
    LocalResources::addSearchPath(QCoreApplication::applicationDirPath() + QStringLiteral("/Resources"));
    QSettings().setValue(QStringLiteral("themeResourcePrefix"), QStringLiteral(":"));

    // 8. The server client.
    d->client = std::make_unique<Client>();
    d->client->setUseActiveMac(options.value<bool>(QStringLiteral("useActiveMac")));
    const QString host = options.hasValue(QStringLiteral("host"))
                             ? options.value<QString>(QStringLiteral("host"))
                             : QStringLiteral("localhost");
    const int port =
        options.hasValue(QStringLiteral("port")) ? options.value<int>(QStringLiteral("port")) : 7777;
    d->client->setHost(host, quint16(port), QStringLiteral("/"), options.value<bool>(QStringLiteral("ssl")));

    // 9. Theme.
    ThemeLoader::registerBuiltinFactory();
    ThemeLoader loader;
    loader.setPluginPath(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins"));
    const QStringList themes = loader.availableThemes();
    const QString wanted = options.value<QString>(QStringLiteral("theme"));
    const QString themeName = themes.contains(wanted) ? wanted : themes.value(0);
    d->theme.reset(loader.theme(themeName));
    if (!d->theme) {
        qCCritical(lcStartup, "player: no theme could be made (asked for \"%s\")", qPrintable(themeName));
        return 1;
    }
    d->theme->setSoundEnabled(options.value<bool>(QStringLiteral("sound")));

    // 10. Configuration as application properties.
    d->configuration.publish(d->app.get(), d->theme->defaultSettings());

    // 11. The table window.
    d->view = std::make_unique<PokerTableView>();
    const bool community = options.value<bool>(QStringLiteral("community"));

    // 12. The player's table checks its log-in data and screen; the onlookers' needs nothing.
    int startState = StartInteractive;
    if (!community) {
        // 13. Log-in data from the command line must be well formed.
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
        // 14. The screen of a multi-headed machine.
        if (options.hasValue(QStringLiteral("multihead"))) {
            const int number = options.value<int>(QStringLiteral("multihead"));
            const QList<QScreen*> screens = QGuiApplication::screens();
            const QRect geometry =
                number >= 0 && number < screens.size() ? screens.at(number)->geometry() : QRect();
            if (TableWindowGeometry::isUsableScreen(geometry))
                d->view->move(geometry.topLeft());
            else
                qCInfo(lcStartup, "player: screen %d does not exist; staying on the primary screen", number);
        }
    }

    // 15. Full screen, or the largest 4:3 window in nine tenths of the desktop; shown
    // before the controllers are built, so that their splash is the first thing painted.
    if (options.value<bool>(QStringLiteral("fullscreen"))) {
        d->view->showFullScreen();
    } else {
        QSize windowSize(800, 600);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            windowSize = TableWindowGeometry::windowSize(screen->virtualSize());
        d->view->setFixedSize(windowSize);
        d->view->show();
    }

    PlayerController* player = nullptr;
    if (community) {
        d->controller = std::make_unique<CommunityController>(d->client.get(), d->view.get(), d->theme.get());
    } else {
        const bool singleWindow = options.value<bool>(QStringLiteral("singleWindow"));
        auto controller = std::make_unique<PlayerController>(ApplicationState(startState), d->client.get(),
                                                             d->view.get(), d->theme.get(), singleWindow);
        player = controller.get();
        StaticCredentials credentials;
        if (startState == StartStaticCredentials &&
            StaticCredentials::parse(options.value<QString>(QStringLiteral("authStatic")), &credentials))
            player->setStaticCredentials(credentials.user, credentials.password, credentials.buyinAmount);
        player->setDemo(options.value<bool>(QStringLiteral("demo")));
        if (options.hasValue(QStringLiteral("multihead")))
            player->setScreen(options.value<int>(QStringLiteral("multihead")));
        player->setGameOverExit(options.value<bool>(QStringLiteral("gameOverExit")));
        player->setUpdateSource(QUrl(d->configuration.value(QStringLiteral("updateUrl")).toString()),
                                d->configuration.value(QStringLiteral("updateContext")).toString(),
                                options.value<QString>(QStringLiteral("releaseTag")));
        player->setArguments(QCoreApplication::arguments());
        SingleInstance* instance = d->instance.get();
        player->setInstanceRelease([instance] { instance->release(); });
        if (options.hasValue(QStringLiteral("locale")))
            player->slotLanguageChanged(options.value<QString>(QStringLiteral("locale")));
        d->controller = std::move(controller);
    }

    qCInfo(lcStartup, "player: started with theme %s, start state %d, %s", qPrintable(themeName), startState,
           community ? "community table" : "player table");

    // 16. Run.
    d->controller->setShowUserName(options.value<bool>(QStringLiteral("showUserName")));
    d->controller->setQuitOnGameOver(true);
    if (player)
        player->startUp(options.value<bool>(QStringLiteral("disableUpdate")));
    const int code = QApplication::exec();
    d->controller.reset();
    return code;
}

} // namespace VeskGames
