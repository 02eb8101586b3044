#ifndef VESKGAMES_PLAYERCONTROLLER_P_H
#define VESKGAMES_PLAYERCONTROLLER_P_H

#include "abstractlogindialogitem.h"
#include "commoncontroller_p.h"
#include "currentupdater.h"
#include "gamehistorydialogitem.h"
#include "playercontroller.h"
#include "servercommand.h"
#include "splashscene.h"

#include <QTranslator>

#include <memory>

namespace xmlrpc {
class Client;
}

namespace VeskGames {

class AbstractBuyDialogItem;
class AbstractGameListDialogItem;
class PlayerUsernameDialogItem;
class SnGRegisterDialog;
class InfoDialogItem;

class PlayerController::Private : public CommonController::Private
{
public:
    ApplicationState startState = StateStart;
    ApplicationState state = StateNone;
    QPointer<ServerCommand> lastCommand;
    QPointer<AbstractLoginDialogItem> loginDialog;
    QPointer<PlayerUsernameDialogItem> usernameDialog;
    QPointer<AbstractGameListDialogItem> gameList;
    QPointer<AbstractBuyDialogItem> buyDialog;
    /// Whether the buy-in dialog buys the way to a seat (else chips at the table).
    bool buyJoining = false;
    QPointer<SplashScene> splash;
    /// Credentials of the last authentication, for reconnection and tables.
    QString user;
    QString password;
    double staticBuyin = 0;
    bool authenticated = false;
    bool demo = false;
    int screen = -1;
    QString language = QStringLiteral("en_US");
    QString gameId;
    double buyinMin = 0;
    double buyinMax = 0;
    /// The amount of the last buy-in, bought again by an automatic re-buy.
    double lastBuyin = 0;
    QString currency;
    int gameType = 0;
    int tourStatus = 0;
    double balance = 0;
    /// What the server holds for the player's games, as userInfo last said.
    double session = 0;
    bool userInfoSeen = false;
    QPointer<SnGRegisterDialog> sngDialog;
    QPointer<InfoDialogItem> registeredDialog;
    QPointer<GameHistoryDialogItem> historyDialog;
    QVariantMap settings;
    QMap<QString, QPointer<PlayerController>> tables;
    std::vector<std::unique_ptr<QTranslator>> translators;
    QUrl kioskUrl;
    xmlrpc::Client* kioskClient = nullptr;
    QUrl updateUrl;
    QString updateContext;
    QString releaseTag;
    std::unique_ptr<CurrentUpdater> updater;
    bool gameOverExit = false;
    /// Table options from the command line, handed on to every table window.
    QString slider;
    bool lock = false;
    bool singleTouchHoleCards = false;
    QString keyboardCommands;
    QStringList arguments;
    QString program; ///< started by a restart; this program's file when empty
    std::function<void()> releaseInstance;
    /// A table controller owns its window and its server link.
    std::unique_ptr<PokerTableView> ownView;
    std::unique_ptr<Client> ownClient;
    /// Whether this is a table controller a lobby made.
    bool isTable = false;
    /// The controller that made this table's, which keeps the player's settings.
    QPointer<PlayerController> lobby;
};

} // namespace VeskGames

#endif
