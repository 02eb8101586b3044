// Logging in: the interactive log-in, the kiosk's credentials, the
// authentication and its answer, the portal nickname, and what the server
// says of the account (status lines, balance).
#include "playercontroller.h"
#include "playerlogging.h"

#include "abstractbuydialogitem.h"
#include "abstractlogindialogitem.h"
#include "abstracttheme.h"
#include "authenticationrequest.h"
#include "avatarmanager.h"
#include "client.h"
#include "playercontroller_p.h"
#include "playergamescene.h"
#include "playerusernamedialogitem.h"
#include "pokertableview.h"
#include "sngregisterdialog.h"
#include "xmlrpc/client.h"

#include <QCoreApplication>

namespace VeskGames {

namespace {
constexpr int kKioskPort = 1980;
} // namespace

// --- Logging in ------------------------------------------------------------

void PlayerController::enterLogin(ApplicationState previous)
{
    Private* p = dd();
    if (p->client)
        p->client->stopRefresh();
    PokerTableScene* current = currentScene();
    if (!p->loginDialog && p->theme && current) {
        AbstractLoginDialogItem* dialog = p->theme->createLoginDialogItem(current);
        dialog->setTheme(p->theme);
        dialog->setUseDimmer(false);
        dialog->setCurrentLocale(p->language);
        using Login = AbstractLoginDialogItem;
        QObject::connect(dialog, &Login::authenticate, this, &PlayerController::slotAuthenticate);
        QObject::connect(dialog, &Login::cancel, this, &PlayerController::slotCancelAuthenticate);
        QObject::connect(dialog, &Login::languageChanged, this, &PlayerController::slotLanguageChanged);
        p->loginDialog = dialog;
    }
    if (p->loginDialog && current) {
        // Again after a refused log-in: it stays up, in front, with the reason.
        current->pushDialog(p->loginDialog, true);
        if (current == p->splash)
            p->splash->setStatus(SplashScene::StatusNone);
    }
    if (p->client)
        p->client->connect();
    if (!p->loginDialog)
        return;
    if (previous == StateLogin || previous == StateLoginWait) {
        p->authenticated = false;
        const QString error = p->lastCommand ? p->lastCommand->errorString() : QString();
        p->loginDialog->setMessage(error.isEmpty() ? tr("Login failed, please try again") : error);
    } else {
        p->loginDialog->reset();
        p->loginDialog->setSingleUsername();
    }
}

void PlayerController::slotAuthenticate(QString user, QString pass)
{
    slotAuthenticateHashDone(user, AuthenticationRequest::digest(pass), pass);
}

void PlayerController::slotAuthenticateHashDone(QString user, QString encryptedPassword, QString password)
{
    Private* p = dd();
    if (!p->client)
        return;
    const QString identifier =
        AuthenticationRequest::terminalIdentifier(p->client->macAddress(), user, p->demo, p->screen);
    p->user = user;
    p->password = password;
    // The protocol sends the clear password beside its digest: say once where that can be read.
    static bool warned = false;
    if (!password.isEmpty() && !warned && AuthenticationRequest::exposesPassword(p->client->url())) {
        warned = true;
        qCWarning(lcSession, "player: %s is reached without TLS; the password can be read on the way",
                  qPrintable(p->client->url().host()));
    }
    const QString partner = QCoreApplication::instance()->property("iniportalpartnername").toString();
    sendCommand(QStringLiteral("authenticate"),
                AuthenticationRequest::parameters(user, encryptedPassword, password, identifier, partner,
                                                  p->language, AuthenticationRequest::utcOffsetSeconds()));
}

void PlayerController::slotAuthenticateEvent(bool ok, bool reconnect, QString username,
                                             bool selectPortalUsername)
{
    Private* p = dd();
    const bool waiting =
        p->state == StateReconnectWait || p->state == StateKioskWait || p->state == StateLoginWait;
    if (ok && waiting) {
        closeDialogs();
        if (selectPortalUsername) {
            nextState(StateSelectUsername);
            return;
        }
        p->authenticated = true;
        if (!username.isEmpty())
            p->user = username;
        QCoreApplication::instance()->setProperty("iniusername", p->user);
        if (auto* login = qobject_cast<AbstractLoginDialogItem*>(p->loginDialog.data()))
            login->addCompletionUsername(p->user, p->password);
        if (!p->isTable) {
            // The lobby's session serves the pictures for every window of the program.
            AvatarManager* avatars = AvatarManager::instance();
            avatars->setClient(p->client);
            avatars->update();
        }
        requestUserInfo();
        loadUserSettings();
        // With a window per table the tables come back as server-opened ones;
        // this window stays the lobby.
        nextState(reconnect && (p->isTable || singleWindow()) ? StateTable : StateLobby);
        return;
    }
    if (ok || p->state == StateLeaving)
        return;
    if (p->startState == StateStart) {
        nextState(StateLogin);
        return;
    }
    slotUserNotify(tr("Authentication failed, exiting."), 5, 1, {}, 0);
    p->state = StateLeaving;
}

void PlayerController::slotCancelAuthenticate()
{
    nextState(StateGameOver);
}

QUrl PlayerController::kioskEndpoint() const
{
    const Private* p = dd();
    if (!p->kioskUrl.isEmpty())
        return p->kioskUrl;
    return QUrl(
        QStringLiteral("http://127.0.0.1:%1/").arg(kKioskPort + (p->screen >= 0 ? 10 * p->screen : 0)));
}

void PlayerController::askKiosk()
{
    Private* p = dd();
    if (!p->kioskClient) {
        p->kioskClient = new xmlrpc::Client(this);
        p->kioskClient->setTimeout(5);
        p->kioskClient->setWarningTimeout(-1);
        QObject::connect(p->kioskClient, &xmlrpc::Client::done, this,
                         &PlayerController::slotKioskCredentials);
        QObject::connect(p->kioskClient, &xmlrpc::Client::failed, this, &PlayerController::slotKioskFailed);
    }
    p->kioskClient->setUrl(kioskEndpoint());
    p->kioskClient->request({xmlrpc::Variant(QStringLiteral("VeskPoker"))}, QStringLiteral("getCredentials"));
}

void PlayerController::slotKioskCredentials(int, QVariant result)
{
    Private* p = dd();
    if (p->kioskClient) {
        p->kioskClient->deleteLater();
        p->kioskClient = nullptr;
    }
    const QVariantMap answer = result.toMap();
    const bool wellFormed = result.typeId() == QMetaType::QVariantMap && answer.size() == 2 &&
                            answer.contains(QStringLiteral("username")) &&
                            answer.contains(QStringLiteral("password"));
    if (!wellFormed) {
        QCoreApplication::exit(0);
        return;
    }
    if (p->client)
        p->client->connect();
    // The kiosk's password goes as it is: it is no password a person typed.
    slotAuthenticateHashDone(answer.value(QStringLiteral("username")).toString(),
                             answer.value(QStringLiteral("password")).toString(), QString());
}

void PlayerController::slotKioskFailed(int, int, QString)
{
    Private* p = dd();
    if (p->kioskClient) {
        p->kioskClient->deleteLater();
        p->kioskClient = nullptr;
    }
    QCoreApplication::exit(0);
}

void PlayerController::enterSelectUsername()
{
    Private* p = dd();
    PokerTableScene* current = currentScene();
    if (!current)
        return;
    if (!p->usernameDialog) {
        auto* dialog = new PlayerUsernameDialogItem;
        dialog->setTheme(p->theme);
        dialog->setUseDimmer(false);
        QObject::connect(dialog, &PlayerUsernameDialogItem::cancel, this,
                         &PlayerController::slotCancelSelectUsername);
        QObject::connect(dialog, &PlayerUsernameDialogItem::selectUsername, this,
                         &PlayerController::slotSelectUsername);
        p->usernameDialog = dialog;
    }
    current->pushDialog(p->usernameDialog, true);
}

void PlayerController::slotSelectUsername(QString username)
{
    Private* p = dd();
    if (!p->client)
        return;
    const QString partner = QCoreApplication::instance()->property("iniportalpartnername").toString();
    auto* command = new ServerCommand(
        p->client, {xmlrpc::Variant(username), xmlrpc::Variant(partner), xmlrpc::Variant(p->user)},
        QStringLiteral("portalAccountAdd"), this);
    QObject::connect(command, &Command::done, command, &QObject::deleteLater);
    command->exec();
}

void PlayerController::slotPortalAccountAddEvent(bool ok)
{
    Private* p = dd();
    if (ok) {
        closeDialogs();
        p->state = StateLoginWait;
        slotAuthenticate(p->user, p->password);
        return;
    }
    if (p->usernameDialog)
        p->usernameDialog->setMessage(tr("Invalid and/or existing username"));
}

void PlayerController::slotCancelSelectUsername()
{
    closeDialogs();
    nextState(StateLogin);
}

void PlayerController::slotStatusInfoEvent(qint32 message, QVariantList params)
{
    // The table's own lines: players and position.
    if (PlayerGameScene* table = playerScene(); table && (message == 1 || message == 2)) {
        table->setStatusInfo(message, params);
        return;
    }
    QStringList texts;
    for (const QVariant& param : std::as_const(params))
        texts.append(param.toString());
    // A code without a text of ours would be an empty box: logged, not shown.
    if (messageText(message, texts).isEmpty()) {
        qCInfo(lcSession, "player: status message %d without a text", message);
        return;
    }
    CommonController::slotUserNotify(message, 5, 2, texts, 0);
}

void PlayerController::slotUserInfo(QString, QString, QString, qreal balance, qreal session)
{
    dd()->balance = balance;
    dd()->session = session;
    dd()->userInfoSeen = true;
    if (dd()->sngDialog)
        dd()->sngDialog->setBalance(balance);
    if (AbstractBuyDialogItem* buy = dd()->buyDialog.data()) {
        // The chips already at the table count against the range's top.
        buy->setValues(dd()->buyinMin, dd()->buyinMax, balance, dd()->buyJoining ? 0.0 : session);
        buy->setLoading(false);
    }
}

void PlayerController::requestUserInfo()
{
    Private* p = dd();
    if (!p->client)
        return;
    auto* command = new ServerCommand(p->client, QStringLiteral("userInfo"), this);
    QObject::connect(command, &Command::done, command, &QObject::deleteLater);
    command->exec();
}

} // namespace VeskGames
