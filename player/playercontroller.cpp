#include "playercontroller.h"
#include "playerlogging.h"

#include "abstractbuydialogitem.h"
#include "abstractgamelistdialogitem.h"
#include "abstractlogindialogitem.h"
#include "abstracttheme.h"
#include "authenticationrequest.h"
#include "avatarmanager.h"
#include "client.h"
#include "gamescene.h"
#include "holecardsitem.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "playercontroller_p.h"
#include "playergamescene.h"
#include "playerusernamedialogitem.h"
#include "pokertableview.h"
#include "restartarguments.h"
#include "sngregisterdialog.h"
#include "xmlrpc/client.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPixmap>
#include <QProcess>
#include <QTimer>

namespace VeskGames {

namespace {

constexpr int kPingRetryMs = 200;
constexpr int kUpdateFailedExitMs = 5000;

} // namespace

std::unique_ptr<CommonController::Private> PlayerController::makeRecord()
{
    return std::make_unique<Private>();
}

PlayerController::Private* PlayerController::dd() const
{
    return static_cast<Private*>(d_func());
}

PlayerController::PlayerController(ApplicationState startState, Client* client, PokerTableView* view,
                                   AbstractTheme* theme, bool singleWindow, QObject* parent)
    : CommonController(makeRecord(), client, view, theme, singleWindow, parent)
{
    Private* p = dd();
    p->startState = startState;
    p->isTable = startState == StateTableOpening;
    QLocale::setDefault(QLocale(p->language));

    // The splash first, painted before anything else is built.
    // Both scenes are laid out in the table's own 1024 x 768 coordinates.
    const QRectF area(0, 0, 1024, 768);
    p->splash = new SplashScene(theme, this);
    p->splash->setSceneRect(area);
    if (theme) {
        const QImage picture = theme->image(AbstractTheme::ImageType(0));
        p->splash->setBackgroundBrush(QBrush(QPixmap::fromImage(
            picture.scaled(area.size().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
    }
    p->splash->setupScene();
    if (view) {
        view->showScene(p->splash);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    PlayerGameScene* table = PlayerGameScene::createTable(theme, this);
    setScene(table);
    connectPlayerScene(table);

    if (view)
        QObject::connect(view, &PokerTableView::closeWindow, this, &PlayerController::slotActionLeave);
    if (client) {
        QObject::connect(client, &Client::authenticateEvent, this, &PlayerController::slotAuthenticateEvent);
        QObject::connect(client, &Client::portalAccountAddEvent, this,
                         &PlayerController::slotPortalAccountAddEvent);
        QObject::connect(client, &Client::statusInfoEvent, this, &PlayerController::slotStatusInfoEvent);
        QObject::connect(client, &Client::userInfo, this, &PlayerController::slotUserInfo);
        QObject::connect(client, &Client::returnToLobby, this, &PlayerController::slotReturnToLobby);
        QObject::connect(client, &Client::tourStatus, this, &PlayerController::slotTourStatusEvent);
    }
}

PlayerController::~PlayerController()
{
    Private* p = dd();
    if (p->batch)
        p->batch->finish();
    if (p->view)
        p->view->setScene(nullptr);
    delete scene();
    delete p->splash;
    // Tables live on their own; they outlive nothing of ours but the theme.
    for (const QPointer<PlayerController>& table : std::as_const(p->tables))
        delete table.data();
}

void PlayerController::startUp(bool disableUpdate)
{
    Private* p = dd();
    if (disableUpdate || p->isTable) {
        showSplash(SplashScene::StatusConnecting);
        nextState(p->startState);
        return;
    }
    showSplash(SplashScene::StatusCheckingUpdate);
    p->updater = std::make_unique<CurrentUpdater>();
    QUrl url = p->updateUrl;
    if (url.isEmpty() && p->client) {
        // The game server's own update endpoint.
        url = p->client->url();
        url.setPath(QStringLiteral("/updates/xmlrpc.php"));
    }
    p->updater->setUrl(url);
    p->updater->setComponent(p->updateContext.isEmpty() ? QStringLiteral("VeskPoker") : p->updateContext);
    p->updater->setVersion(CurrentUpdater::currentVersion());
    p->updater->setBaseDir(QDir::currentPath());
    if (!p->releaseTag.isEmpty())
        p->updater->setTag(p->releaseTag);
    QObject::connect(p->updater.get(), &CurrentUpdater::noUpdateAvailable, this,
                     &PlayerController::slotNoUpdateAvailable);
    QObject::connect(p->updater.get(), &CurrentUpdater::updateAvailable, this,
                     &PlayerController::slotUpdateAvailable);
    QObject::connect(p->updater.get(), &CurrentUpdater::updateReady, this,
                     &PlayerController::slotUpdateReady);
    QObject::connect(p->updater.get(), &CurrentUpdater::updateFailed, this,
                     &PlayerController::slotUpdateFailed);
    p->updater->checkForUpdate();
}

ApplicationState PlayerController::state() const
{
    return dd()->state;
}

ApplicationState PlayerController::startState() const
{
    return dd()->startState;
}

SplashScene* PlayerController::splash() const
{
    return dd()->splash;
}

QString PlayerController::user() const
{
    return dd()->user;
}

QString PlayerController::language() const
{
    return dd()->language;
}

bool PlayerController::isAuthenticated() const
{
    return dd()->authenticated;
}

QString PlayerController::gameId() const
{
    return dd()->gameId;
}

QMap<QString, PlayerController*> PlayerController::tables() const
{
    QMap<QString, PlayerController*> out;
    for (auto it = dd()->tables.constBegin(); it != dd()->tables.constEnd(); ++it) {
        if (it.value())
            out.insert(it.key(), it.value());
    }
    return out;
}

QGraphicsWidget* PlayerController::topDialog() const
{
    PokerTableScene* current = currentScene();
    return current ? current->topDialog() : nullptr;
}

void PlayerController::setStaticCredentials(const QString& user, const QString& password, double buyin)
{
    dd()->user = user;
    dd()->password = password;
    dd()->staticBuyin = buyin;
}

void PlayerController::setDemo(bool demo)
{
    dd()->demo = demo;
}

void PlayerController::setScreen(int screen)
{
    dd()->screen = screen;
}

void PlayerController::setKioskUrl(const QUrl& url)
{
    dd()->kioskUrl = url;
}

void PlayerController::setUpdateSource(const QUrl& url, const QString& context, const QString& releaseTag)
{
    dd()->updateUrl = url;
    dd()->updateContext = context;
    dd()->releaseTag = releaseTag;
}

void PlayerController::setGameOverExit(bool exit)
{
    dd()->gameOverExit = exit;
}

void PlayerController::setSlider(const QString& name)
{
    dd()->slider = name;
    if (PlayerGameScene* table = playerScene(); table && !name.isEmpty())
        table->setBetMethodByName(name);
}

void PlayerController::setLock(bool lock)
{
    dd()->lock = lock;
    if (PlayerGameScene* table = playerScene())
        table->setLockScreenMode(lock);
}

void PlayerController::setSingleTouchHoleCards(bool singleTouch)
{
    dd()->singleTouchHoleCards = singleTouch;
    if (PlayerGameScene* table = playerScene())
        table->holeCards()->setSingleTouch(singleTouch);
}

void PlayerController::setKeyboardCommands(const QString& commands)
{
    dd()->keyboardCommands = commands;
    if (PokerTableView* v = view())
        v->setKeyboardCommands(commands);
}

void PlayerController::setProgram(const QString& program)
{
    dd()->program = program;
}

void PlayerController::setArguments(const QStringList& arguments)
{
    dd()->arguments = arguments;
}

void PlayerController::setInstanceRelease(std::function<void()> release)
{
    dd()->releaseInstance = std::move(release);
}

PokerTableScene* PlayerController::currentScene() const
{
    Private* p = dd();
    if (p->view)
        if (auto* shown = qobject_cast<PokerTableScene*>(p->view->scene()))
            return shown;
    return p->splash;
}

PokerTableScene* PlayerController::noticeScene() const
{
    // Log-in, lobby and a table's buy-in are on the splash: the notice goes where the player looks.
    return currentScene();
}

void PlayerController::showSplash(int status, const QString& text)
{
    Private* p = dd();
    if (!p->splash)
        return;
    p->splash->setStatus(status, text);
    if (p->view && p->view->scene() != p->splash)
        p->view->showScene(p->splash);
}

void PlayerController::closeDialogs()
{
    if (PokerTableScene* current = currentScene())
        current->clearDialogs();
}

void PlayerController::sendCommand(const QString& method, const QList<xmlrpc::Variant>& params)
{
    Private* p = dd();
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, params, method, this);
    QObject::connect(command, &Command::done, this, &PlayerController::commandDone, Qt::QueuedConnection);
    command->exec();
}

// --- The machine -----------------------------------------------------------

void PlayerController::commandDone(Command* cmd)
{
    Private* p = dd();
    auto* command = qobject_cast<ServerCommand*>(cmd);
    p->lastCommand = command;
    const ApplicationState next = stateAfterCommand(p->state, ServerCommand::succeeded(command));
    // Nothing is expected to finish in the last two states; it is dropped.
    if (next != StateNone)
        nextState(next);
    if (p->lastCommand)
        p->lastCommand->deleteLater();
    p->lastCommand = nullptr;
}

void PlayerController::nextState(ApplicationState state)
{
    Private* p = dd();
    const ApplicationState previous = p->state;
    p->state = state;
    switch (state) {
    case StateStart:
        p->state = StateLogin;
        enterLogin(StateStart);
        break;
    case StateReconnect:
        if (p->lastCommand) {
            showSplash(SplashScene::StatusReconnecting, p->lastCommand->errorString());
            p->lastCommand->deleteLater();
            p->lastCommand = nullptr;
            // A server that refuses at once would otherwise be asked again in a tight loop.
            QTimer::singleShot(kPingRetryMs, this, [this] {
                if (dd()->state == StateReconnect) {
                    if (dd()->client)
                        dd()->client->connect();
                    slotAuthenticate(dd()->user, dd()->password);
                }
            });
            break;
        }
        if (p->client)
            p->client->connect();
        slotAuthenticate(p->user, p->password);
        break;
    case StateReconnectWait:
        if (p->client)
            p->client->startRefresh();
        break;
    case StateKioskCredentials:
        askKiosk();
        break;
    case StateKioskWait:
    case StateLoginWait:
        if (p->client) {
            p->client->startRefresh();
            if (p->authenticated && p->client->gameParameters().valid) {
                nextState(StateTable);
                return;
            }
        }
        break;
    case StateConnect:
        showSplash(SplashScene::StatusConnecting);
        if (previous == StateStart) {
            connect();
        } else if (previous == StateConnect || previous == StateLogin || previous == StateLoginWait) {
            if (p->lastCommand)
                showSplash(SplashScene::StatusReconnecting, p->lastCommand->errorString());
            QTimer::singleShot(kPingRetryMs, this, &PlayerController::connect);
        }
        break;
    case StateLogin:
        enterLogin(previous);
        break;
    case StateSelectUsername:
        enterSelectUsername();
        break;
    case StateLobby:
        enterLobby();
        break;
    case StateTableOpening:
    case StateJoinWait:
        break;
    case StateJoin:
        sendCommand(QStringLiteral("gameJoin"), {xmlrpc::Variant(p->gameId)});
        break;
    case StateTable:
        closeDialogs();
        if (p->view && scene())
            p->view->showScene(scene());
        break;
    case StateGameOver:
        if (previous == StateNone)
            slotQuitApplication();
        else
            gameOver();
        break;
    case StateLeaving:
        if (previous != StateLeaving)
            enterLeaving();
        break;
    case StateNone:
        break;
    }
    Q_EMIT stateEntered(state);
}

void PlayerController::connect()
{
    Private* p = dd();
    p->authenticated = false;
    if (!p->client)
        return;
    p->client->stopRefresh();
    p->client->connect();
    sendCommand(QStringLiteral("ping"), {});
}

// --- Language --------------------------------------------------------------

void PlayerController::slotLanguageChanged(QString language)
{
    Private* p = dd();
    p->language = language;
    QLocale::setDefault(QLocale(language));
    if (p->theme)
        p->theme->switchFont(!language.contains(QLatin1String("zh_CN")));
    for (const auto& translator : p->translators)
        QCoreApplication::removeTranslator(translator.get());
    p->translators.clear();
    const QStringList catalogues = p->theme ? p->theme->translations() : QStringList();
    for (const QString& base : catalogues) {
        const QString path = LocalResources::resourcePath(
            QStringLiteral("/translations/%1_%2.qm").arg(base, language), QMetaType::fromType<QString>());
        if (path.isEmpty() || !QFileInfo::exists(path))
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(path)) {
            QCoreApplication::installTranslator(translator.get());
            p->translators.push_back(std::move(translator));
        }
    }
}

// --- Update ----------------------------------------------------------------

void PlayerController::slotNoUpdateAvailable()
{
    showSplash(SplashScene::StatusConnecting);
    nextState(dd()->startState);
}

void PlayerController::slotUpdateAvailable(QString, QString)
{
    Private* p = dd();
    showSplash(SplashScene::StatusPreparingUpdate);
    QObject::connect(p->updater.get(), &CurrentUpdater::downloadSize, p->splash.data(),
                     &SplashScene::downloadSize, Qt::UniqueConnection);
    QObject::connect(p->updater.get(), &CurrentUpdater::downloadedBytes, p->splash.data(),
                     &SplashScene::downloadedBytes, Qt::UniqueConnection);
    p->updater->prepareUpdate();
}

void PlayerController::slotUpdateReady()
{
    Private* p = dd();
    const QStringList arguments = p->arguments.isEmpty() ? QCoreApplication::arguments() : p->arguments;
    p->updater->startUpdater(arguments.value(0), arguments.mid(1).join(QLatin1Char(' ')), true);
    p->state = StateGameOver;
    gameOver();
}

void PlayerController::slotUpdateFailed()
{
    showSplash(SplashScene::StatusUpdateFailed);
    QTimer::singleShot(kUpdateFailedExitMs, this, &PlayerController::slotGameOver);
}

// --- Notices and the end ------------------------------------------------------

void PlayerController::slotUserNotify(int message, qint32 timeout, qint32 options, QStringList params,
                                      qint32 timestamp)
{
    CommonController::slotUserNotify(message, timeout, options, params, timestamp);
    if (options == 1)
        dd()->state = StateLeaving;
}

void PlayerController::slotUserNotify(QString message, qint32 timeout, qint32 options, QStringList params,
                                      qint32 timestamp)
{
    CommonController::slotUserNotify(message, timeout, options, params, timestamp);
    if (options == 1)
        dd()->state = StateLeaving;
}

void PlayerController::slotGameOver()
{
    nextState(StateGameOver);
}

void PlayerController::gameOver()
{
    showSplash(SplashScene::StatusClosing);
    CommonController::gameOver();
}

void PlayerController::slotActionClone()
{
    Private* p = dd();
    const QStringList own = p->arguments.isEmpty() ? QCoreApplication::arguments() : p->arguments;
    // Credentials the server refused are not given again.
    const QStringList arguments =
        RestartArguments::build(own, p->authenticated ? p->user : QString(), p->password, p->language);
    // The new instance must be able to claim the single-instance lock.
    if (p->releaseInstance)
        p->releaseInstance();
    qint64 processId = 0;
    if (QProcess::startDetached(p->program.isEmpty() ? QCoreApplication::applicationFilePath() : p->program,
                                arguments, QString(), &processId))
        Q_EMIT restarted(processId);
}

void PlayerController::slotReturnToLobby()
{
    Private* p = dd();
    closeDialogs();
    showSplash(SplashScene::StatusConnecting);
    nextState(p->isTable ? StateGameOver : StateLobby);
}

} // namespace VeskGames
