// The seated player: decisions and table settings to the server, the
// server's requests back to the table, the user's stored settings.
#include "playercontroller.h"

#include "abstractbuydialogitem.h"
#include "abstractgamelistdialogitem.h"
#include "abstractplayeritem.h"
#include "client.h"
#include "handreplay.h"
#include "handreplayer.h"
#include "playercontroller_p.h"
#include "playergamescene.h"
#include "playeroptionsdialogitem.h"
#include "pokertableview.h"
#include "replaywindow.h"
#include "windowactivator.h"
#include "xmlrpc/client.h"

#include <QApplication>

namespace VeskGames {

namespace {

/// Settings travel as strings, whatever their type here.
QVariantMap asStrings(const QVariantMap& settings)
{
    QVariantMap out;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        out.insert(it.key(), it.value().toString());
    return out;
}

} // namespace

PlayerGameScene* PlayerController::playerScene() const
{
    return qobject_cast<PlayerGameScene*>(scene());
}

void PlayerController::connectPlayerScene(PlayerGameScene* table)
{
    QObject::connect(table, &PlayerGameScene::actionFold, this, &PlayerController::slotActionFold);
    QObject::connect(table, &PlayerGameScene::actionCheck, this, &PlayerController::slotActionCheck);
    QObject::connect(table, &PlayerGameScene::actionBet, this, &PlayerController::slotActionBet);
    QObject::connect(table, &PlayerGameScene::actionLeave, this, &PlayerController::slotActionLeave);
    QObject::connect(table, &PlayerGameScene::actionCashier, this, &PlayerController::slotActionCashier);
    QObject::connect(table, &PlayerGameScene::actionSitOut, this, &PlayerController::slotActionSitOut);
    QObject::connect(table, &PlayerGameScene::actionReturn, this, &PlayerController::slotActionReturn);
    QObject::connect(table, &PlayerGameScene::actionLock, this, &PlayerController::slotActionLock);
    QObject::connect(table, &PlayerGameScene::actionGameHistory, this,
                     &PlayerController::slotActionGameHistory);
    QObject::connect(table, &PlayerGameScene::actionPayout, this, &PlayerController::slotActionPayout);
    QObject::connect(table, &PlayerGameScene::actionFoldAndLeave, this,
                     &PlayerController::slotActionFoldAndLeave);
    QObject::connect(table, &PlayerGameScene::userSettingsChanged, this,
                     qOverload<QVariantMap>(&PlayerController::saveUserSettings));
    if (Client* c = client()) {
        QObject::connect(c, &Client::actionRequest, this, &PlayerController::slotGameRequestAction);
        QObject::connect(c, &Client::gameHistoryEvent, this, &PlayerController::slotGameHistoryEvent);
        QObject::connect(c, &Client::rebuyRequest, this, &PlayerController::slotGameRequestRebuy);
        QObject::connect(c, &Client::foldAndLeaveRequest, this,
                         &PlayerController::slotGameRequestFoldAndLeave);
        QObject::connect(c, &Client::handId, this,
                         [table](qint32 handId, qint32) { table->setHandId(handId); });
        // However the turn ended (a time-out, the server acting for the player),
        // the window no longer waits for the player.
        const auto ownTurnEnded = [this, table](qint32 position) {
            if (position == table->viewPosition())
                deactivateWindow();
        };
        QObject::connect(c, &Client::actionFold, this,
                         [ownTurnEnded](qint32 at, qint32) { ownTurnEnded(at); });
        QObject::connect(c, &Client::actionCheck, this,
                         [ownTurnEnded](qint32 at, qint32) { ownTurnEnded(at); });
        for (auto signal : {&Client::actionCall, &Client::actionBet, &Client::actionRaise})
            QObject::connect(c, signal, this, [ownTurnEnded](qint32 at, qreal, qint32) { ownTurnEnded(at); });
        QObject::connect(c, &Client::actionAllIn, this,
                         [ownTurnEnded](qint32 at, qreal, qint32, bool) { ownTurnEnded(at); });
    }
    if (PokerTableView* v = view())
        QObject::connect(v, &PokerTableView::actionKeyPressed, this, &PlayerController::slotActionKeyPressed);
}

void PlayerController::sendAction(const QString& method, const QList<xmlrpc::Variant>& params)
{
    Private* p = dd();
    if (!p->client)
        return;
    // Fire and forget: the server's next events put the table right.
    auto* command = new ServerCommand(p->client, params, method, this);
    QObject::connect(command, &Command::done, command, &QObject::deleteLater);
    command->exec();
}

// --- decisions ---------------------------------------------------------------

void PlayerController::deactivateWindow()
{
    if (PokerTableView* v = view())
        WindowActivator::instance()->deactivate(v);
}

void PlayerController::slotActionFold()
{
    deactivateWindow();
    sendAction(QStringLiteral("gameAction"),
               {xmlrpc::Variant(QStringLiteral("actionFold")), xmlrpc::Variant(0.0)});
}

void PlayerController::slotActionCheck()
{
    deactivateWindow();
    sendAction(QStringLiteral("gameAction"),
               {xmlrpc::Variant(QStringLiteral("actionCheckCall")), xmlrpc::Variant(0.0)});
}

void PlayerController::slotActionBet(qreal amount)
{
    deactivateWindow();
    sendAction(QStringLiteral("gameAction"),
               {xmlrpc::Variant(QStringLiteral("actionBetRaise")), xmlrpc::Variant(double(amount))});
}

void PlayerController::slotActionReturn()
{
    sendAction(QStringLiteral("gameSetting"), {xmlrpc::Variant(QStringLiteral("return"))});
}

void PlayerController::slotActionSitOut()
{
    sendAction(QStringLiteral("gameSetting"), {xmlrpc::Variant(QStringLiteral("sitout"))});
}

void PlayerController::slotActionFoldAndLeave()
{
    sendAction(QStringLiteral("gameSetting"), {xmlrpc::Variant(QStringLiteral("foldAndLeave"))});
}

void PlayerController::slotActionKeyPressed(PokerTableView::Action action)
{
    if (PlayerGameScene* table = playerScene())
        table->keyAction(action);
}

void PlayerController::slotActionCashier()
{
    // Chips are bought before a tournament, not during one.
    if (dd()->tourStatus != 0)
        return;
    showBuyDialog(false);
    requestUserInfo();
}

void PlayerController::slotActionLock()
{
    // Nobody waits for the answer; a kiosk that does not lock stays as it is.
    auto* lock = new xmlrpc::Client(this);
    lock->setTimeout(5);
    lock->setWarningTimeout(-1);
    lock->setUrl(kioskEndpoint());
    QObject::connect(lock, &xmlrpc::Client::done, lock, &QObject::deleteLater);
    QObject::connect(lock, &xmlrpc::Client::failed, lock, &QObject::deleteLater);
    lock->request({xmlrpc::Variant(300), xmlrpc::Variant(QString())}, QStringLiteral("lockScreen"));
}

void PlayerController::slotActionGameHistory()
{
    Private* p = dd();
    // On the scene the player looks at: the table, or the lobby's screen.
    PokerTableScene* shown = currentScene();
    if (shown && !p->historyDialog) {
        auto* dialog = new GameHistoryDialogItem;
        dialog->setTheme(theme());
        QObject::connect(dialog, &GameHistoryDialogItem::replayRequested, this,
                         &PlayerController::slotReplayHand);
        shown->pushDialog(dialog, true);
        p->historyDialog = dialog;
    }
    sendAction(QStringLiteral("gameHistory"), {});
}

void PlayerController::slotOpenOptions()
{
    PlayerGameScene* table = playerScene();
    PokerTableScene* shown = currentScene();
    if (!table || !shown)
        return;
    // The settings belong to the player's table scene wherever the dialog shows.
    shown->pushDialog(new PlayerOptionsDialogItem(table), true);
}

void PlayerController::slotGameHistoryEvent(QList<QVariant> records)
{
    Private* p = dd();
    // Hands nobody asked for (the dialog was closed meanwhile) are dropped.
    if (p->historyDialog)
        p->historyDialog->slotGameHistoryEvent(records);
}

void PlayerController::slotReplayHand(const QString& record)
{
    QString error;
    const HandReplay replay = HandReplay::fromRecord(record, &error);
    if (!replay.isValid()) {
        slotUserNotify(tr("This hand cannot be replayed: %1").arg(error), 5, 2, {}, 0);
        return;
    }
    // A window of its own that goes with the table's.
    auto* window = new ReplayWindow(replay, theme(), view());
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->replayer()->play();
}

// --- the server's requests -------------------------------------------------

void PlayerController::slotGameRequestAction(qint32 position, qint32 timeout, qreal postSmall, qreal postBig,
                                             qreal potLimit, qreal postNowWait, bool isCallAllIn,
                                             bool canRaise, qint32 timestamp)
{
    // The request takes its turn behind the batch it came with: the new hand
    // it belongs to must be on the table before the controls show.
    apply([this, position, timeout, postSmall, postBig, potLimit, postNowWait, isCallAllIn, canRaise,
           timestamp](GameScene* s) {
        auto* table = qobject_cast<PlayerGameScene*>(s);
        if (!table)
            return;
        if (position == table->viewPosition() && view()) {
            WindowActivator::instance()->activate(view());
            // Somebody else's window in front: ask for the player's eye.
            if (!view()->isActiveWindow())
                QApplication::alert(view()->window());
        }
        // The request's own time is the reference: the turn started when it was sent.
        table->action(position, timeout, postSmall, postBig, potLimit, postNowWait, isCallAllIn, canRaise,
                      timestamp, timestamp);
    });
}

void PlayerController::slotGameRequestFoldAndLeave(qint32 position)
{
    apply([position](GameScene* s) {
        auto* table = qobject_cast<PlayerGameScene*>(s);
        if (table && position == table->viewPosition())
            table->offerFoldAndLeave();
    });
}

void PlayerController::slotGameRequestRebuy(qint32 position, qint32, qint32)
{
    Private* p = dd();
    PlayerGameScene* table = playerScene();
    if (!table || position != table->viewPosition())
        return;
    if (view())
        WindowActivator::instance()->activate(view());
    if (table->useAutoReBuyin() && p->buyinMax > 0) {
        // The table's full buy-in again, without asking.
        slotBuyin(p->lastBuyin > 0 ? p->lastBuyin : p->buyinMax);
        return;
    }
    if (p->buyDialog && table->topDialog() == p->buyDialog.data())
        return;
    showBuyDialog(false);
    requestUserInfo();
}

void PlayerController::slotUserStatusChange(qint32 position, qint32 userStatus)
{
    CommonController::slotUserStatusChange(position, userStatus);
    apply([position, userStatus](GameScene* s) {
        auto* table = qobject_cast<PlayerGameScene*>(s);
        if (!table || position != table->viewPosition() || position < 0)
            return;
        if (userStatus == AbstractPlayerItem::StatusSittingOut)
            table->showSittingOut();
        else if (userStatus == AbstractPlayerItem::StatusActive)
            table->showPlaying();
    });
}

void PlayerController::slotGameEventActionShow(qint32 position, QVector<Card> cards, qint32 timestamp)
{
    PlayerGameScene* table = playerScene();
    if (!table || position != table->viewPosition()) {
        CommonController::slotGameEventActionShow(position, cards, timestamp);
        return;
    }
    deactivateWindow();
    // The own cards open on the seat at the showdown.
    apply([position, cards](GameScene* s) {
        s->cancelAction();
        s->clearSeatCards(position);
        std::unique_ptr<Command> none(s->dealHolePublic(position, cards, 0));
        s->markBestHands();
    });
}

// --- user settings ---------------------------------------------------------

void PlayerController::loadUserSettings()
{
    Private* p = dd();
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, {xmlrpc::Variant(false), xmlrpc::Variant(QVariantMap())},
                                      QStringLiteral("userSettings"), this);
    QObject::connect(command, &Command::done, this, &PlayerController::slotLoadUserSettingsDone);
    command->exec();
}

void PlayerController::slotLoadUserSettingsDone(Command* cmd)
{
    auto* command = qobject_cast<ServerCommand*>(cmd);
    if (command && !command->hasError()) {
        const QVariant result = command->result();
        if (result.typeId() == QMetaType::QVariantMap) {
            Private* p = dd();
            p->settings = result.toMap();
            applySettings(p->settings);
            // Tables the server opened again at the log-in came before the settings.
            spreadSettings(p->settings, this);
            // The lobby is shown before the settings come.
            if (p->gameList)
                p->gameList->setUserSettings(p->settings);
        }
    }
    if (cmd)
        cmd->deleteLater();
}

void PlayerController::applySettings(const QVariantMap& settings)
{
    PlayerGameScene* table = playerScene();
    if (!table)
        return;
    table->applyUserSettings(settings);
    // Not among what the scene stores back: applied here, without storing.
    if (settings.contains(QStringLiteral("autoReBuyin")))
        table->setUseAutoReBuyin(
            settings.value(QStringLiteral("autoReBuyin")).toString() == QLatin1String("true"), false);
    if (settings.contains(QStringLiteral("avatarId")))
        table->setAvatarId(settings.value(QStringLiteral("avatarId")).toInt(), false);
}

void PlayerController::saveUserSettings(QVariantMap settings)
{
    Private* p = dd();
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        p->settings.insert(it.key(), it.value());
    if (p->client)
        sendAction(QStringLiteral("userSettings"),
                   {xmlrpc::Variant(true), xmlrpc::Variant(asStrings(settings))});
    // One player, one set of settings: the lobby and every open table follow,
    // and a table opened later starts with them.
    if (p->lobby)
        p->lobby->spreadSettings(settings, this);
    else
        spreadSettings(settings, this);
}

void PlayerController::spreadSettings(const QVariantMap& settings, PlayerController* from)
{
    Private* p = dd();
    if (from != this) {
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            p->settings.insert(it.key(), it.value());
    }
    for (const QPointer<PlayerController>& table : std::as_const(p->tables)) {
        if (!table || table == from || table == this)
            continue;
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            table->dd()->settings.insert(it.key(), it.value());
        table->applySettings(settings);
    }
}

void PlayerController::saveUserSettings()
{
    saveUserSettings(dd()->settings);
}

QVariantMap PlayerController::userSettings() const
{
    return dd()->settings;
}

} // namespace VeskGames
