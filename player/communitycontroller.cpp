#include "communitycontroller.h"
#include "protocol.h"

#include "client.h"
#include "commoncontroller_p.h"
#include "communitygamescene.h"
#include "communityplayeritem.h"
#include "communitytheme.h"
#include "servercommand.h"
#include "splashscene.h"
#include "xmlrpc/client.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace VeskGames {

namespace {

QBrush pictureBrush(const QImage& image)
{
    return QBrush(QPixmap::fromImage(image));
}

QRectF pictureRect(const QImage& image)
{
    return QRectF(QPointF(0, 0), image.deviceIndependentSize());
}

} // namespace

class CommunityController::Private : public CommonController::Private
{
public:
    int state = StateAuthenticating;
    std::unique_ptr<CommunityTheme> ownTheme;
    xmlrpc::Client* kioskClient = nullptr;
    QPointer<SplashScene> splash;
    QPointer<CommunityGameScene> communityScene;
};

std::unique_ptr<CommonController::Private> CommunityController::makeRecord()
{
    auto record = std::make_unique<Private>();
    record->ownTheme = std::make_unique<CommunityTheme>();
    return record;
}

CommunityController::CommunityController(Client* client, PokerTableView* view, AbstractTheme*,
                                         QObject* parent)
    : CommonController(makeRecord(), client, view, nullptr, false, parent)
{
    Private* p = dd();
    p->theme = p->ownTheme.get();
    if (client)
        QObject::connect(client, &Client::handStatus, this, &CommunityController::playStatusSound);
    p->theme->setSoundEnabled(true);

    // The whole screen: the splash picture stretched to it.
    QImage picture = p->theme->image(AbstractTheme::ImageType(0));
    const QSize screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    if (screen.isValid() && !picture.isNull() && picture.size() != screen)
        picture = picture.scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p->theme->setConfigureForScreenSize(screen);

    p->splash = new SplashScene(p->theme, this);
    p->splash->setStatus(SplashScene::StatusConnecting);
    p->splash->setBackgroundBrush(pictureBrush(picture));
    p->splash->setSceneRect(pictureRect(picture));
    if (view)
        view->showScene(p->splash);

    connect();

    auto* table = new CommunityGameScene(p->theme, this);
    const QImage cloth = p->theme->image(AbstractTheme::ImageTableBackground);
    table->setBackgroundBrush(pictureBrush(cloth));
    table->setSceneRect(pictureRect(cloth));
    table->setupScene();
    p->communityScene = table;
    setScene(table);
    if (client)
        QObject::connect(client, &Client::actionRequest, this, &CommunityController::slotGameRequestAction);

    p->kioskClient = new xmlrpc::Client(this);
    p->kioskClient->setUrl(QUrl(QStringLiteral("http://127.0.0.1:1980/")));
    p->kioskClient->setTimeout(5);
    p->kioskClient->setWarningTimeout(-1);
}

CommunityController::~CommunityController()
{
    // Animations, then the scenes, then (with the record) the theme they use.
    Private* p = dd();
    if (p->batch)
        p->batch->finish();
    if (p->view)
        p->view->setScene(nullptr);
    delete p->communityScene;
    delete p->splash;
}

CommunityController::Private* CommunityController::dd() const
{
    return static_cast<Private*>(d_func());
}

int CommunityController::state() const
{
    return dd()->state;
}

SplashScene* CommunityController::splash() const
{
    return dd()->splash;
}

CommunityGameScene* CommunityController::communityScene() const
{
    return dd()->communityScene;
}

void CommunityController::setKioskUrl(const QUrl& url)
{
    dd()->kioskClient->setUrl(url);
}

void CommunityController::connect()
{
    Private* p = dd();
    if (!p->client)
        return;
    p->state = StateAuthenticating;
    p->client->connect();
    // No user and no password: the terminal's identifier is the login.
    const QList<xmlrpc::Variant> credentials{xmlrpc::Variant(QString()), xmlrpc::Variant(QString()),
                                             xmlrpc::Variant(p->client->macAddress())};
    auto* command = new ServerCommand(p->client, {xmlrpc::Variant(1), xmlrpc::Variant(credentials)},
                                      QStringLiteral("authenticate"), this);
    QObject::connect(command, &Command::done, this, &CommunityController::nextState);
    command->exec();
}

void CommunityController::join()
{
    Private* p = dd();
    p->state = StateJoining;
    auto* command =
        new ServerCommand(p->client, {xmlrpc::Variant(QString())}, QStringLiteral("gameJoin"), this);
    QObject::connect(command, &Command::done, this, &CommunityController::nextState);
    command->exec();
}

void CommunityController::nextState(Command* command)
{
    Private* p = dd();
    auto* server = qobject_cast<ServerCommand*>(command);
    if (command)
        command->deleteLater();
    if (!server)
        return;
    switch (p->state) {
    case StateAuthenticating:
        if (!server->hasError() && server->result() == QVariant(true)) {
            join();
        } else {
            if (p->splash)
                p->splash->setStatus(SplashScene::StatusReconnecting, server->errorString());
            QTimer::singleShot(RetryMs, this, &CommunityController::connect);
        }
        break;
    case StateJoining:
        if (server->hasError() || server->result() == QVariant(false)) {
            p->state = StateOver;
            gameOver();
        } else if (p->client) {
            p->client->startRefresh();
        }
        break;
    default:
        break;
    }
}

void CommunityController::slotGameJoin(bool ok, qint32)
{
    Private* p = dd();
    if (ok && p->state == StateJoining) {
        p->state = StateShowing;
        if (p->view && p->communityScene)
            p->view->showScene(p->communityScene);
        return;
    }
    if (p->state != StateOver) {
        p->state = StateOver;
        gameOver();
    }
}

void CommunityController::slotGameOpen(int, QString, QString, qint32) {}

void CommunityController::slotConnectionFailed(int requestId, int faultCode, QString faultString)
{
    // While logging in, the retry every 200 ms is the answer to a dead server.
    if (dd()->state == StateAuthenticating)
        return;
    CommonController::slotConnectionFailed(requestId, faultCode, faultString);
}

void CommunityController::slotGameParametersEvent(GameParameters params)
{
    CommonController::slotGameParametersEvent(params);
    apply([params](GameScene* scene) {
        if (auto* table = qobject_cast<CommunityGameScene*>(scene))
            table->setGameParameters(params);
    });
}

void CommunityController::slotGameEventPotGive(QList<qint32> positions, QList<qreal> amounts, qint32 msec,
                                               qint32 timestamp)
{
    apply([positions](GameScene* table) {
        for (int position : positions) {
            if (auto* seat = qobject_cast<CommunityPlayerItem*>(table->seat(position)))
                seat->showWinner();
        }
    });
    CommonController::slotGameEventPotGive(positions, amounts, msec, timestamp);
}

void CommunityController::slotGameEventActionShow(qint32 position, QVector<Card> cards, qint32 timestamp)
{
    apply([position](GameScene* scene) {
        auto* table = qobject_cast<CommunityGameScene*>(scene);
        if (table && position == table->dealerPosition())
            table->resetDealer();
    });
    CommonController::slotGameEventActionShow(position, cards, timestamp);
}

void CommunityController::slotHandStatusEvent(qint32 handStatus, qint32 timestamp)
{
    CommonController::slotHandStatusEvent(handStatus, timestamp);
    // Games keep the kiosk awake; whether it heard does not matter.
    if (handStatus == Protocol::HandNew)
        dd()->kioskClient->request(QStringLiteral("resetIdleTimer"));
}

void CommunityController::slotGameRequestAction(qint32 position, qint32 timeout, qreal, qreal, qreal, qreal,
                                                bool, bool, qint32 timestamp)
{
    // Only the turn's clock: nobody here answers.
    if (CommunityGameScene* table = dd()->communityScene)
        table->action(position, timeout, timestamp, timestamp);
}

void CommunityController::playStatusSound(qint32 statusCode, qint32 timestamp)
{
    switch (statusCode) {
    case 101:
    case 210:
    case 220:
    case 230:
    case 300:
        playHandStatusSound(statusCode, timestamp);
        break;
    default:
        break;
    }
}

void CommunityController::slotUserNotify(int message, qint32 timeout, qint32 options, QStringList params,
                                         qint32 timestamp)
{
    slotUserNotify(messageText(message, params), timeout, options, params, timestamp);
}

void CommunityController::slotUserNotify(QString message, qint32 timeout, qint32 options, QStringList params,
                                         qint32 timestamp)
{
    // Nobody is there to answer: no buttons, and the notice ends the game.
    if (options == 1)
        dd()->state = StateOver;
    CommonController::slotUserNotify(message, timeout, 3, params, timestamp);
}

} // namespace VeskGames
