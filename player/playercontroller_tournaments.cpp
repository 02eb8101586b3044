// The player's side of tournaments: Sit & Go registration, results, and the
// end of a freeroll.

#include "playercontroller.h"
#include "protocol.h"

#include "abstractgamelistdialogitem.h"
#include "client.h"
#include "freerollbusteddialogitem.h"
#include "infodialogitem.h"
#include "playercontroller_p.h"
#include "playergamescene.h"
#include "pushbuttonitem.h"
#include "servercommand.h"
#include "sngfinisheddialog.h"
#include "sngregisterdialog.h"

#include <QPushButton>

namespace VeskGames {

namespace {

constexpr int kRegistering = 1;
constexpr int kRunning = 2;
constexpr int kFinished = 3;
constexpr double kCentTolerance = 0.000001;

} // namespace

void PlayerController::showSnGDialog(bool registering)
{
    Private* p = dd();
    PokerTableScene* current = currentScene();
    if (!current)
        return;
    auto* dialog =
        new SnGRegisterDialog(registering ? SnGRegisterDialog::Registration : SnGRegisterDialog::Information,
                              parameters(), current);
    dialog->setScene(current);
    dialog->setTheme(theme());
    if (p->userInfoSeen)
        dialog->setBalance(p->balance);
    if (registering) {
        QObject::connect(dialog, &SnGRegisterDialog::actionQuit, this, &PlayerController::slotActionLeave);
        QObject::connect(dialog, &SnGRegisterDialog::actionRegister, this, &PlayerController::slotTourBuyin);
    }
    p->sngDialog = dialog;
    current->pushDialog(dialog);
}

void PlayerController::slotTourStatusEvent(qint32 status, qint32)
{
    Private* p = dd();
    const int previous = std::exchange(p->tourStatus, status);
    // One tournament was enough: leave when the next one opens.
    if (p->gameOverExit && previous == kFinished && status == kRegistering) {
        slotActionLeave();
        return;
    }
    if (p->state == StateGameOver || p->state == StateLeaving)
        return;
    if ((status == kRunning || status == kFinished) && p->client)
        QObject::disconnect(p->client, &Client::userBuyin, this, &PlayerController::slotTourRegister);
    // In turn with the batch: the last tournament's result shows before the next one's registration.
    apply([this, status](GameScene*) {
        Private* r = dd();
        if (r->state == StateGameOver || r->state == StateLeaving)
            return;
        if (status == kRegistering && (parameters().type & Protocol::SitAndGo)) {
            closeDialogs();
            showSnGDialog(true);
            r->sngDialog->clearStatus();
            requestUserInfo();
        } else if (status == kRunning && (r->sngDialog || r->registeredDialog)) {
            // Registered or not, the game has begun: the registration is over.
            closeDialogs();
        }
    });
}

void PlayerController::slotTourBuyin()
{
    Private* p = dd();
    const GameParameters params = parameters();
    const double total = params.buyinMin + params.tourBuyinFee;
    if (total <= p->session + kCentTolerance) {
        slotTourRegister(true);
        return;
    }
    if (p->userInfoSeen && p->balance + p->session + kCentTolerance < total) {
        // The server would refuse it: say why at once.
        if (p->sngDialog)
            p->sngDialog->setStatus(SnGRegisterDialog::NoFunds);
        return;
    }
    if (!p->client)
        return;
    QObject::connect(p->client, &Client::userBuyin, this, &PlayerController::slotTourRegister,
                     Qt::UniqueConnection);
    auto* command =
        new ServerCommand(p->client, {xmlrpc::Variant(double(total))}, QStringLiteral("userBuyin"), this);
    QObject::connect(command, &Command::done, this, &PlayerController::slotTourBuyinDone);
    command->exec();
}

void PlayerController::slotTourBuyinDone(Command* command)
{
    const bool failed = !ServerCommand::succeeded(command);
    if (command)
        command->deleteLater();
    if (failed)
        slotTourRegister(false);
}

void PlayerController::slotTourRegister(bool buyinOk)
{
    Private* p = dd();
    if (p->client)
        QObject::disconnect(p->client, &Client::userBuyin, this, &PlayerController::slotTourRegister);
    if (!(parameters().type & Protocol::SitAndGo))
        return;
    if (!buyinOk) {
        if (p->sngDialog)
            p->sngDialog->setStatus(SnGRegisterDialog::BuyinFailed);
        return;
    }
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, {xmlrpc::Variant(QStringLiteral("register"))},
                                      QStringLiteral("gameSetting"), this);
    QObject::connect(command, &Command::done, this, &PlayerController::slotTourRegisterDone);
    command->exec();
}

void PlayerController::slotTourRegisterDone(Command* command)
{
    Private* p = dd();
    const bool failed = !ServerCommand::succeeded(command);
    if (command)
        command->deleteLater();
    requestUserInfo();
    if (failed) {
        if (p->sngDialog)
            p->sngDialog->setStatus(SnGRegisterDialog::RegistrationFailed);
        return;
    }
    PokerTableScene* current = currentScene();
    if (!current)
        return;
    InfoDialogItem* info = current->createInfoDialog();
    info->setText(tr("You are registered!"));
    PushButtonItem* unregister = info->createButton(tr("Unregister"), QDialogButtonBox::RejectRole, true);
    QObject::connect(unregister, &PushButtonItem::clicked, this, &PlayerController::slotUnregister);
    p->registeredDialog = info;
    current->pushDialog(info, true);
}

void PlayerController::slotUnregister()
{
    Private* p = dd();
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, {xmlrpc::Variant(QStringLiteral("unregister"))},
                                      QStringLiteral("gameSetting"), this);
    QObject::connect(command, &Command::done, this, &PlayerController::slotTourUnregisterDone);
    command->exec();
}

void PlayerController::slotTourUnregisterDone(Command* command)
{
    Private* p = dd();
    const bool failed = !ServerCommand::succeeded(command);
    if (command)
        command->deleteLater();
    if (failed)
        return;
    if (p->sngDialog)
        p->sngDialog->setStatus(SnGRegisterDialog::Ready);
    requestUserInfo();
}

void PlayerController::slotActionGameListRegister(QString gameId)
{
    sendFreerollRegistration(gameId, true);
}

void PlayerController::slotActionGameListUnregister(QString gameId)
{
    sendFreerollRegistration(gameId, false);
}

void PlayerController::sendFreerollRegistration(const QString& gameId, bool registering)
{
    Private* p = dd();
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, {xmlrpc::Variant(gameId), xmlrpc::Variant(registering)},
                                      QStringLiteral("freerollRegister"), this);
    // The list shows the registration once the server has it.
    QObject::connect(command, &Command::done, this, [this](Command* done) {
        done->deleteLater();
        slotActionRefreshFreerollList();
    });
    command->exec();
}

void PlayerController::slotActionGameListDetails(QString gameId, const QObject* receiver)
{
    Private* p = dd();
    if (!p->client || !receiver)
        return;
    auto* command =
        new ServerCommand(p->client, {xmlrpc::Variant(gameId)}, QStringLiteral("freerollDetails"), this);
    // The lobby asks, and hears the answer, for itself.
    QPointer<AbstractGameListDialogItem> target =
        qobject_cast<AbstractGameListDialogItem*>(const_cast<QObject*>(receiver));
    QObject::connect(command, &Command::done, this, [target](Command* done) {
        if (target)
            target->slotDetailsResult(done);
        done->deleteLater();
    });
    command->exec();
}

void PlayerController::slotActionPayout()
{
    showSnGDialog(false);
    requestUserInfo();
}

void PlayerController::slotTourBusted(qint32 position, qint32 place, qreal amount, qint32 timestamp)
{
    CommonController::slotTourBusted(position, place, amount, timestamp);
    // In turn with the batch: the result shows when the hand that ended it has.
    apply([this, position, place, amount](GameScene* s) {
        auto* table = qobject_cast<PlayerGameScene*>(s);
        // A freeroll tells its result with an event of its own.
        if (!table || position != table->viewPosition() || !(parameters().type & Protocol::SitAndGo))
            return;
        auto* dialog = new SnGFinishedDialog(parameters(), table);
        dialog->setScene(table);
        dialog->setTheme(theme());
        dialog->setResult(place, amount);
        QObject::connect(dialog, &SnGFinishedDialog::actionLeave, this,
                         &PlayerController::slotActionTourLeave);
        table->pushDialog(dialog);
        requestUserInfo();
    });
}

void PlayerController::slotFreerollBusted(qint32 place, qreal amount, QString currency, qint32 timeout,
                                          qint32 timestamp)
{
    CommonController::slotFreerollBusted(place, amount, currency, timeout, timestamp);
    apply([this, place, amount, currency, timeout](GameScene* s) {
        auto* table = qobject_cast<PlayerGameScene*>(s);
        if (!table)
            return;
        auto* dialog = new FreerollBustedDialogItem(theme());
        dialog->setResult(place, amount, currency);
        dialog->setTimeoutSeconds(timeout);
        QObject::connect(dialog, &ThemedDialogItem::actionClose, this, &PlayerController::slotGameOver);
        table->pushDialog(dialog, true);
        dialog->centerDialog();
    });
}

} // namespace VeskGames
