// The lobby, the tables it opens (a window and a server session each), the
// buy-in on the way to a seat, and leaving.
#include "playercontroller.h"
#include "protocol.h"

#include "abstractbuydialogitem.h"
#include "abstractgamelistdialogitem.h"
#include "abstracttheme.h"
#include "client.h"
#include "gamescene.h"
#include "infodialogitem.h"
#include "playercontroller_p.h"
#include "playergamescene.h"
#include "pokertableview.h"
#include "sngfinisheddialog.h"
#include "windowactivator.h"

#include <QCoreApplication>

namespace VeskGames {

namespace {} // namespace

void PlayerController::enterLobby()
{
    Private* p = dd();
    p->gameId.clear();
    PokerTableScene* current = currentScene();
    if (!p->theme || !current)
        return;
    if (!p->gameList) {
        AbstractGameListDialogItem* dialog =
            p->theme->createGameListDialogItem(p->client, p->settings, current);
        dialog->setTheme(p->theme);
        dialog->setClient(p->client);
        dialog->setUseDimmer(false);
        using Lobby = AbstractGameListDialogItem;
        // A theme's lobby that lacks a feature never emits its signal.
        QObject::connect(dialog, &Lobby::actionQuit, this, &PlayerController::gameOver);
        QObject::connect(dialog, &Lobby::actionOptions, this, &PlayerController::slotOpenOptions);
        QObject::connect(dialog, &Lobby::actionHandHistory, this, &PlayerController::slotActionGameHistory);
        QObject::connect(dialog, &Lobby::actionJoin, this, &PlayerController::slotActionGameListJoin);
        QObject::connect(dialog, &Lobby::actionRefreshGameList, this,
                         &PlayerController::slotActionRefreshGameList);
        QObject::connect(dialog, &Lobby::actionRegister, this, &PlayerController::slotActionGameListRegister);
        QObject::connect(dialog, &Lobby::actionUnregister, this,
                         &PlayerController::slotActionGameListUnregister);
        QObject::connect(dialog, &Lobby::actionDetails, this, &PlayerController::slotActionGameListDetails);
        QObject::connect(dialog, &Lobby::actionRefreshFreerollList, this,
                         &PlayerController::slotActionRefreshFreerollList);
        QObject::connect(dialog, &AbstractGameListDialogItem::actionNeedTicket, this,
                         &CommonController::slotRequestTicket);
        QObject::connect(dialog, &AbstractGameListDialogItem::actionCashierClosed, this,
                         &PlayerController::requestUserInfo);
        p->gameList = dialog;
    }
    current->pushDialog(p->gameList, true);
    if (current == p->splash)
        p->splash->setStatus(SplashScene::StatusNone);
    slotActionRefreshGameList();
}

void PlayerController::refreshLobby(const QString& method,
                                    void (AbstractGameListDialogItem::*answer)(Command*))
{
    Private* p = dd();
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, method, this);
    QObject::connect(command, &Command::done, this, [this, command, answer] {
        // Only to a lobby still on top: a list for a dialog under the buy-in would be lost.
        if (dd()->gameList && topDialog() == dd()->gameList)
            (dd()->gameList.data()->*answer)(command);
        command->deleteLater();
    });
    command->exec();
}

void PlayerController::slotActionRefreshGameList()
{
    refreshLobby(QStringLiteral("gameList"), &AbstractGameListDialogItem::slotGameList);
}

void PlayerController::slotActionRefreshFreerollList()
{
    refreshLobby(QStringLiteral("freerollList"), &AbstractGameListDialogItem::slotFreerollList);
}

void PlayerController::slotActionGameListJoin(QString gameId, qreal min, qreal max, QString currency,
                                              qint32 type)
{
    Private* p = dd();
    if (gameId.isNull())
        return;
    if (singleWindow()) {
        if (scene())
            scene()->clearHand();
        p->gameId = gameId;
        p->buyinMin = min;
        p->buyinMax = max;
        p->currency = currency;
        p->gameType = type;
        showBuyDialog(true);
        return;
    }
    for (const QPointer<PlayerController>& table : std::as_const(p->tables)) {
        if (table && table->gameId() == gameId) {
            WindowActivator::instance()->activate(table->view());
            return;
        }
    }
    PlayerController* table = createTableController(gameId, min, max, currency, type);
    table->showSplash(SplashScene::StatusConnecting);
    table->nextState(StateTableOpening);
    if (table->view())
        table->view()->show();
    p->tables.insert(gameId, table);
    QObject::connect(table, &QObject::destroyed, this, &PlayerController::controllerDeleted);
    Q_EMIT tableCreated(table, gameId);

    auto* command = new ServerCommand(p->client, {xmlrpc::Variant(gameId)}, QStringLiteral("gameOpen"), this);
    command->setProperty("controller", QVariant::fromValue<QObject*>(table));
    QObject::connect(command, &Command::done, this, &PlayerController::slotGameOpenReply);
    command->exec();
}

PlayerController* PlayerController::createTableController(const QString& gameId, qreal min, qreal max,
                                                          const QString& currency, qint32 type)
{
    Private* p = dd();
    auto view = std::make_unique<PokerTableView>();
    if (p->view)
        view->setFixedSize(p->view->size());
    auto client = std::make_unique<Client>();
    if (p->client) {
        client->setUseActiveMac(p->client->useActiveMac());
        client->setHost(p->client->url(), p->client->ssl());
    }
    auto* table = new PlayerController(StateTableOpening, client.get(), view.get(), p->theme, false);
    Private* t = table->dd();
    t->ownView = std::move(view);
    t->ownClient = std::move(client);
    t->gameId = gameId;
    t->buyinMin = min;
    t->buyinMax = max;
    t->currency = currency;
    t->gameType = type;
    t->settings = p->settings;
    t->lobby = this;
    t->user = p->user;
    t->password = p->password;
    t->demo = p->demo;
    t->screen = p->screen;
    t->language = p->language;
    t->authenticated = true;
    t->feedPath = p->feedPath;
    // One tournament and out, at every table this program opens.
    t->gameOverExit = p->gameOverExit;
    // A restart from a table window starts the same program the same way.
    t->arguments = p->arguments;
    t->program = p->program;
    t->releaseInstance = p->releaseInstance;
    table->setShowUserName(showUserName());
    table->setQuitOnGameOver(false);
    table->setSlider(p->slider);
    table->setLock(p->lock);
    table->setSingleTouchHoleCards(p->singleTouchHoleCards);
    table->setKeyboardCommands(p->keyboardCommands);
    // The player's stored settings hold at every table from its first hand.
    table->applySettings(p->settings);
    return table;
}

void PlayerController::slotGameOpenReply(Command* cmd)
{
    auto* command = qobject_cast<ServerCommand*>(cmd);
    if (command && !ServerCommand::succeeded(command)) {
        auto* table = qobject_cast<PlayerController*>(command->property("controller").value<QObject*>());
        delete table;
    }
    if (cmd)
        cmd->deleteLater();
}

void PlayerController::slotGameOpen(int action, QString sessionId, QString selection, qint32)
{
    Private* p = dd();
    // Tables, and a single window, join through the buy-in instead.
    if (p->isTable || singleWindow())
        return;
    QPointer<PlayerController> table = p->tables.value(sessionId);
    if (!table) {
        table = p->tables.value(selection);
        if (table) {
            p->tables.remove(selection);
        } else {
            // Opened by the server: a table this player sits at elsewhere, or is invited to.
            table = createTableController(selection, 0, 0, QString(), 0);
            table->startUp(true);
            QObject::connect(table, &QObject::destroyed, this, &PlayerController::controllerDeleted);
            if (table->view()) {
                table->view()->show();
                WindowActivator::instance()->activate(table->view());
            }
            Q_EMIT tableCreated(table, selection);
        }
        p->tables.insert(sessionId, table);
    }
    openTable(table, action, sessionId);
}

void PlayerController::openTable(PlayerController* table, int action, const QString& sessionId)
{
    Client* client = table->client();
    if (!client)
        return;
    client->connect();
    client->setSessionId(sessionId);
    client->startRefresh();
    if (action & 2) {
        table->showBuyDialog(true);
        table->requestUserInfo();
    } else if (action & 1) {
        table->nextState(StateJoin);
    } else {
        table->nextState(StateTable);
    }
}

void PlayerController::controllerDeleted(QObject* controller)
{
    Private* p = dd();
    for (auto it = p->tables.begin(); it != p->tables.end();) {
        if (!it.value() || it.value() == controller)
            it = p->tables.erase(it);
        else
            ++it;
    }
}

// --- Buying in ---------------------------------------------------------------

void PlayerController::showBuyDialog(bool joining)
{
    Private* p = dd();
    PokerTableScene* current = currentScene();
    if (!p->theme || !current)
        return;
    if (p->buyDialog)
        p->buyDialog->deleteLater();
    AbstractBuyDialogItem* dialog =
        p->theme->createBuyDialogItem(p->gameId, AbstractTheme::SliderPlain, current);
    dialog->setTheme(p->theme);
    // The cashier's page asks the server for a ticket through this link.
    dialog->setClient(p->client);
    p->buyJoining = joining;
    dialog->setValues(p->buyinMin, p->buyinMax, p->balance, joining ? 0.0 : p->session);
    // Until the balance is known the amount cannot be chosen.
    dialog->setLoading(true);
    dialog->setShowAutomaticRebuy(QCoreApplication::instance()->property("inifeatureautorebuyin").toBool(),
                                  false);
    using Buy = AbstractBuyDialogItem;
    if (joining) {
        QObject::connect(dialog, &Buy::buyin, this, &PlayerController::slotActionGameListBuyin);
        QObject::connect(dialog, &Buy::cancel, this, &PlayerController::slotActionGameListBuyinCancel);
    } else {
        QObject::connect(dialog, &Buy::buyin, this, &PlayerController::slotBuyin);
        // Declining a top-up leaves the player at the table as before.
        QObject::connect(dialog, &Buy::cancel, this, &PlayerController::slotBuyinCancel);
    }
    if (PlayerGameScene* table = playerScene())
        QObject::connect(dialog, &AbstractBuyDialogItem::automaticReBuyToggled, table,
                         [table](bool on) { table->setUseAutoReBuyin(on); });
    QObject::connect(dialog, &Buy::accountMightBeReloaded, this, &PlayerController::requestUserInfo);
    p->buyDialog = dialog;
    current->pushDialog(dialog, true);
    if (current == p->splash)
        p->splash->setStatus(SplashScene::StatusNone);
}

void PlayerController::slotActionGameListBuyin(qreal amount)
{
    Private* p = dd();
    if (!p->client)
        return;
    p->lastBuyin = amount;
    QList<xmlrpc::Variant> params{xmlrpc::Variant(double(amount))};
    // The lobby's own session buys for the table it names.
    if (!p->isTable)
        params << xmlrpc::Variant(p->gameId);
    auto* command = new ServerCommand(p->client, params, QStringLiteral("userBuyin"), this);
    QObject::connect(command, &Command::done, this, &PlayerController::slotActionGameListBuyinDone);
    command->exec();
}

void PlayerController::slotActionGameListBuyinDone(Command* cmd)
{
    auto* command = qobject_cast<ServerCommand*>(cmd);
    const bool bought = ServerCommand::succeeded(command);
    if (cmd)
        cmd->deleteLater();
    if (!bought) {
        if (dd()->buyDialog)
            dd()->buyDialog->setError(tr("The buy-in was refused."));
        return;
    }
    closeDialogs();
    nextState(StateJoin);
}

void PlayerController::slotActionGameListBuyinCancel()
{
    closeDialogs();
    nextState(dd()->isTable ? StateGameOver : StateLobby);
}

void PlayerController::slotBuyinCancel()
{
    Private* p = dd();
    PokerTableScene* current = currentScene();
    if (current && p->buyDialog && current->topDialog() == p->buyDialog.data())
        current->popDialog();
}

void PlayerController::slotBuyin(qreal amount)
{
    Private* p = dd();
    if (!p->client)
        return;
    p->lastBuyin = amount;
    auto* command =
        new ServerCommand(p->client, {xmlrpc::Variant(double(amount))}, QStringLiteral("userBuyin"), this);
    QObject::connect(command, &Command::done, this, [this](Command* cmd) {
        const bool refused = !ServerCommand::succeeded(cmd);
        cmd->deleteLater();
        Private* r = dd();
        if (!r->buyDialog)
            return;
        // Bought: back to the table; refused: the dialog says so and stays.
        if (refused) {
            r->buyDialog->setError(tr("The buy-in was refused."));
        } else if (PokerTableScene* current = currentScene();
                   current && current->topDialog() == r->buyDialog) {
            current->popDialog();
        }
    });
    command->exec();
}

// --- At the table ------------------------------------------------------------

void PlayerController::slotGameJoin(bool ok, qint32)
{
    Private* p = dd();
    if (ok && p->authenticated) {
        if (p->startState == StateReconnect && p->staticBuyin > 0)
            slotBuyin(p->staticBuyin);
        p->state = StateTable;
        closeDialogs();
        if (p->view && scene())
            p->view->showScene(scene());
        Q_EMIT stateEntered(StateTable);
        return;
    }
    if (p->state != StateLeaving)
        nextState(StateGameOver);
}

void PlayerController::slotGameParametersEvent(GameParameters params)
{
    Private* p = dd();
    // The table's seats before anything is played on them.
    if (params.valid && scene() && scene()->playerCount() != params.seats) {
        scene()->setPlayerCount(params.seats);
        scene()->setupScene();
    }
    CommonController::slotGameParametersEvent(params);
    if (params.valid) {
        apply([params](GameScene* s) {
            if (auto* table = qobject_cast<PlayerGameScene*>(s))
                table->setGameParameters(params);
        });
        p->gameType = params.type;
        p->currency = params.currency;
        // A table the server opened learns its buy-in range here.
        if (p->buyinMax <= 0) {
            p->buyinMin = params.buyinMin;
            p->buyinMax = params.buyinMax;
        }
    }
}

void PlayerController::slotGameEventUserData(qint32 position, QString userName, qint32 avatarId,
                                             qreal userStack, qint32 userStatus, qint32 timestamp,
                                             QString displayName)
{
    // In a freeroll the others' sitting out is shown as playing: their chips stay in.
    if ((parameters().type & Protocol::Freeroll) && userName != dd()->user && userStatus == 2)
        userStatus = 1;
    CommonController::slotGameEventUserData(position, userName, avatarId, userStack, userStatus, timestamp,
                                            displayName);
    // The table turns so that the player's own seat is at the bottom.
    if (userName == dd()->user)
        apply([user = dd()->user](GameScene* s) { s->setLocalPlayer(user); });
}

void PlayerController::slotHandStatusEvent(qint32 handStatus, qint32 timestamp)
{
    Private* p = dd();
    CommonController::slotHandStatusEvent(handStatus, timestamp);
    // A leave completes when the hand is over.
    if (p->state == StateLeaving && !(p->gameType & Protocol::InstantDeal) &&
        (handStatus == Protocol::HandWaiting || handStatus == Protocol::HandNew ||
         handStatus == Protocol::HandOver)) {
        nextState(StateGameOver);
        return;
    }
    // A new Sit & Go replaces the last one's result.
    if (!(parameters().type & Protocol::SitAndGo) || handStatus != Protocol::HandOver)
        return;
    apply([](GameScene* s) {
        if (qobject_cast<SnGFinishedDialog*>(s->topWidgetDialog()))
            s->popDialog();
    });
}

void PlayerController::slotActionLeave()
{
    Private* p = dd();
    if (p->state == StateGameOver || p->state == StateLeaving)
        return;
    if (p->tourStatus != 0 && p->tourStatus != 1) {
        slotUserNotify(tr("Tournament is running. You cannot leave the game."), 5, 2, {}, 0);
        return;
    }
    nextState(p->state == StateTable ? StateLeaving : StateGameOver);
}

void PlayerController::slotActionTourLeave()
{
    nextState(StateLeaving);
}

void PlayerController::enterLeaving()
{
    Private* p = dd();
    if (p->gameType & Protocol::Freeroll) {
        nextState(StateGameOver);
        return;
    }
    if (PokerTableScene* current = currentScene()) {
        InfoDialogItem* info = current->createInfoDialog();
        info->setText(
            (p->gameType & Protocol::InstantDeal)
                ? tr("Please wait, leaving pool.")
                : tr("The player has left the table!\nYou can take the seat once the ongoing hand has "
                     "finished!"));
        current->pushDialog(info, true);
    }
    if (!p->client) {
        nextState(StateGameOver);
        return;
    }
    auto* command = new ServerCommand(p->client, QStringLiteral("gameLeave"), this);
    QObject::connect(command, &Command::done, this, &PlayerController::slotWaitingGameOverDone);
    command->exec();
}

void PlayerController::slotWaitingGameOverDone(Command* cmd)
{
    auto* command = qobject_cast<ServerCommand*>(cmd);
    const bool refused = !ServerCommand::succeeded(command);
    if (cmd)
        cmd->deleteLater();
    if (refused)
        nextState(StateGameOver);
}

} // namespace VeskGames
