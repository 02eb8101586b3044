#include "playerassembly.h"
#include "playerlogging.h"

#include "abstracttheme.h"
#include "client.h"
#include "commandlineoptions.h"
#include "communitycontroller.h"
#include "configuration.h"
#include "playercontroller.h"
#include "pokertableview.h"
#include "staticcredentials.h"
#include "tablewindowgeometry.h"
#include "themeloader.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace VeskGames {

namespace {
// Start states of the player controller.
enum StartState { StartInteractive = 0, StartStaticCredentials = 1, StartKiosk = 3 };
} // namespace

class PlayerAssembly::Private
{
public:
    QString pluginPath;
    std::function<void()> releaseInstance;
    QString themeName;
    bool disableUpdate = false;
    // Destroyed in reverse: the controller before what it uses.
    std::unique_ptr<AbstractTheme> theme;
    std::unique_ptr<Client> client;
    std::unique_ptr<PokerTableView> view;
    std::unique_ptr<CommonController> controller;
    PlayerController* player = nullptr;
};

PlayerAssembly::PlayerAssembly() : d(std::make_unique<Private>()) {}

PlayerAssembly::~PlayerAssembly()
{
    d->controller.reset();
    d->view.reset();
    d->client.reset();
    d->theme.reset();
}

void PlayerAssembly::setPluginPath(const QString& path)
{
    d->pluginPath = path;
}

void PlayerAssembly::setInstanceRelease(std::function<void()> release)
{
    d->releaseInstance = std::move(release);
}

QString PlayerAssembly::defaultKeyboardCommands()
{
    return QStringLiteral(
        "fold=F;checkCall=C;betRaise=B;slideUp=+;slideDown=-;halfPot=H;twoThirdsPot=T;pot=P");
}

PlayerAssembly::Result PlayerAssembly::build(const CommandLineOptions& options,
                                             const Configuration& configuration)
{
    // The server client.
    d->client = std::make_unique<Client>();
    d->client->setUseActiveMac(options.value<bool>(QStringLiteral("useActiveMac")));
    const QString host = options.hasValue(QStringLiteral("host"))
                             ? options.value<QString>(QStringLiteral("host"))
                             : QStringLiteral("localhost");
    const int port =
        options.hasValue(QStringLiteral("port")) ? options.value<int>(QStringLiteral("port")) : 7777;
    d->client->setHost(host, quint16(port), QStringLiteral("/"), options.value<bool>(QStringLiteral("ssl")));

    // The theme: the one asked for, else the first one found.
    ThemeLoader::registerBuiltinFactory();
    ThemeLoader loader;
    loader.setPluginPath(d->pluginPath.isEmpty()
                             ? QCoreApplication::applicationDirPath() + QStringLiteral("/plugins")
                             : d->pluginPath);
    const QStringList themes = loader.availableThemes();
    const QString wanted = options.value<QString>(QStringLiteral("theme"));
    d->themeName = themes.contains(wanted) ? wanted : themes.value(0);
    d->theme.reset(loader.theme(d->themeName));
    if (!d->theme) {
        qCCritical(lcStartup, "player: no theme could be made (asked for \"%s\")", qPrintable(d->themeName));
        return NoTheme;
    }
    d->theme->setSoundEnabled(options.value<bool>(QStringLiteral("sound")));

    // The configuration as application properties.
    configuration.publish(QCoreApplication::instance(), d->theme->defaultSettings());

    // The table window.
    d->view = std::make_unique<PokerTableView>();
    const bool community = options.value<bool>(QStringLiteral("community"));

    int startState = StartInteractive;
    StaticCredentials credentials;
    if (!community) {
        // Log-in data from the command line must be well formed.
        const QString authStatic = QStringLiteral("authStatic");
        if (options.hasValue(authStatic)) {
            if (!StaticCredentials::parse(options.value<QString>(authStatic), &credentials))
                return MalformedCredentials;
            startState = StartStaticCredentials;
        } else if (options.hasValue(QStringLiteral("authKiosk"))) {
            startState = StartKiosk;
        }
        // The screen of a multi-headed machine.
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

    // Full screen, or the largest 4:3 window in nine tenths of the desktop; shown
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

    if (community) {
        d->controller = std::make_unique<CommunityController>(d->client.get(), d->view.get(), d->theme.get());
    } else {
        const bool singleWindow = options.value<bool>(QStringLiteral("singleWindow"));
        auto controller = std::make_unique<PlayerController>(ApplicationState(startState), d->client.get(),
                                                             d->view.get(), d->theme.get(), singleWindow);
        PlayerController* player = controller.get();
        if (startState == StartStaticCredentials)
            player->setStaticCredentials(credentials.user, credentials.password, credentials.buyinAmount);
        player->setSlider(options.value<QString>(QStringLiteral("slider")));
        player->setDemo(options.value<bool>(QStringLiteral("demo")));
        player->setLock(options.value<bool>(QStringLiteral("lock")));
        if (options.hasValue(QStringLiteral("multihead")))
            player->setScreen(options.value<int>(QStringLiteral("multihead")));
        if (options.hasValue(QStringLiteral("locale")))
            player->slotLanguageChanged(options.value<QString>(QStringLiteral("locale")));
        player->setSingleTouchHoleCards(options.value<QString>(QStringLiteral("viewHoleCards")) ==
                                        QLatin1String("singletouch"));
        player->setUpdateSource(QUrl(configuration.value(QStringLiteral("updateUrl")).toString()),
                                configuration.value(QStringLiteral("updateContext")).toString(),
                                options.value<QString>(QStringLiteral("releaseTag")));
        // Without the option the player still plays from the keyboard.
        player->setKeyboardCommands(options.hasValue(QStringLiteral("keyboardCommands"))
                                        ? options.value<QString>(QStringLiteral("keyboardCommands"))
                                        : defaultKeyboardCommands());
        player->setGameOverExit(options.value<bool>(QStringLiteral("gameOverExit")));
        // A restart repeats the command line the program was made from.
        player->setArguments(options.commandLine().isEmpty() ? QCoreApplication::arguments()
                                                             : options.commandLine());
        if (d->releaseInstance)
            player->setInstanceRelease(d->releaseInstance);
        d->player = player;
        d->controller = std::move(controller);
    }
    d->controller->setShowUserName(options.value<bool>(QStringLiteral("showUserName")));
    d->controller->setQuitOnGameOver(true);
    d->disableUpdate = options.value<bool>(QStringLiteral("disableUpdate"));

    qCInfo(lcStartup, "player: started with theme %s, start state %d, %s", qPrintable(d->themeName),
           startState, community ? "community table" : "player table");
    return Built;
}

void PlayerAssembly::start()
{
    if (d->player)
        d->player->startUp(d->disableUpdate);
}

QString PlayerAssembly::themeName() const
{
    return d->themeName;
}

AbstractTheme* PlayerAssembly::theme() const
{
    return d->theme.get();
}

Client* PlayerAssembly::client() const
{
    return d->client.get();
}

PokerTableView* PlayerAssembly::view() const
{
    return d->view.get();
}

CommonController* PlayerAssembly::controller() const
{
    return d->controller.get();
}

PlayerController* PlayerAssembly::player() const
{
    return d->player;
}

} // namespace VeskGames
