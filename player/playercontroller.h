#ifndef VESKGAMES_PLAYERCONTROLLER_H
#define VESKGAMES_PLAYERCONTROLLER_H

#include "applicationstate.h"
#include "commoncontroller.h"
#include "pokertableview.h"
#include "xmlrpc/variant.h"

#include <QMap>
#include <QUrl>
#include <QVariantMap>

class QGraphicsWidget;

namespace VeskGames {

class AbstractGameListDialogItem;
class PlayerGameScene;
class PokerTableScene;
class SplashScene;

/// The player program from start to end: update check, connection, log-in
/// (interactive, static, kiosk or demo), the portal nickname, the lobby,
/// tables in windows of their own (each with its own server session),
/// leaving, reconnection and game over. A small state machine: entering a
/// state runs its entry action; a finished server command moves it on by
/// one of two fixed tables.
class PlayerController : public CommonController
{
    Q_OBJECT

public:
    /// \a startState: StateStart (interactive), StateReconnect (static
    /// credentials), StateKioskCredentials, or StateTableOpening for a table
    /// controller a lobby made.
    PlayerController(ApplicationState startState, Client* client, PokerTableView* view, AbstractTheme* theme,
                     bool singleWindow, QObject* parent = nullptr);
    ~PlayerController() override;

    /// Runs once after construction; with \a disableUpdate no update check.
    void startUp(bool disableUpdate);

    ApplicationState state() const;
    ApplicationState startState() const;
    SplashScene* splash() const;
    QString user() const;
    QString language() const;
    bool isAuthenticated() const;
    QString gameId() const;
    /// Table controllers by session (or, until the server opened it, game) id.
    QMap<QString, PlayerController*> tables() const;
    /// The player's table, or null before there is one.
    PlayerGameScene* playerScene() const;
    /// The user's settings as last loaded or changed.
    QVariantMap userSettings() const;
    /// The dialog on top of the scene shown now, if any.
    QGraphicsWidget* topDialog() const;

    void setStaticCredentials(const QString& user, const QString& password, double buyin);
    void setDemo(bool demo);
    /// Screen number of a multi-headed terminal; -1 for none.
    void setScreen(int screen);
    /// Where the local kiosk service answers; the default is port 1980
    /// (1980 + 10 x screen) on this machine.
    void setKioskUrl(const QUrl& url);
    void setUpdateSource(const QUrl& url, const QString& context, const QString& releaseTag);
    void setGameOverExit(bool exit);
    /// The bet widget by name ("slider", "chips", "thinclient"); empty keeps the default.
    void setSlider(const QString& name);
    /// Lock-screen mode: "Sitting Out" offers the kiosk's lock.
    void setLock(bool lock);
    /// Hole cards raised while touched, on a single-touch screen.
    void setSingleTouchHoleCards(bool singleTouch);
    /// The key map of this window and of every table window it opens.
    void setKeyboardCommands(const QString& commands);
    /// The program's own command line, for a restart.
    void setArguments(const QStringList& arguments);
    /// The program file a restart starts; this program's own by default.
    void setProgram(const QString& program);
    /// Gives up the single-instance claim before a restart starts the next instance.
    void setInstanceRelease(std::function<void()> release);

public Q_SLOTS:
    void commandDone(VeskGames::Command* cmd);
    void nextState(VeskGames::ApplicationState state);
    void connect();
    void slotAuthenticate(QString user, QString pass);
    void slotAuthenticateHashDone(QString user, QString encryptedPassword, QString password);
    void slotAuthenticateEvent(bool ok, bool reconnect, QString username, bool selectPortalUsername);
    void slotCancelAuthenticate();
    void slotSelectUsername(QString username);
    void slotCancelSelectUsername();
    void slotPortalAccountAddEvent(bool ok);
    void slotStatusInfoEvent(qint32 message, QVariantList params);
    void slotLanguageChanged(QString language);
    void slotUserInfo(QString firstname, QString lastname, QString email, qreal balance, qreal session);
    void slotReturnToLobby();
    void slotNoUpdateAvailable();
    void slotUpdateAvailable(QString version, QString changelog);
    void slotUpdateReady();
    void slotUpdateFailed();
    void slotActionRefreshGameList();
    void slotActionRefreshFreerollList();
    void slotActionGameListJoin(QString gameId, qreal min, qreal max, QString currency, qint32 type);
    void slotActionGameListBuyin(qreal amount);
    void slotActionGameListBuyinDone(VeskGames::Command* command);
    void slotActionGameListBuyinCancel();
    void slotActionGameListRegister(QString gameId);
    void slotActionGameListUnregister(QString gameId);
    void slotActionGameListDetails(QString gameId, const QObject* receiver);
    void slotBuyin(qreal amount);
    /// The player declined a top-up at the table.
    void slotBuyinCancel();
    void slotActionLeave();
    void slotActionTourLeave();
    void slotWaitingGameOverDone(VeskGames::Command* cmd);
    void slotGameOpenReply(VeskGames::Command* cmd);
    void slotGameOpen(int action, QString sessionId, QString selection, qint32 timestamp) override;
    void slotGameJoin(bool ok, qint32 timestamp) override;
    void slotGameParametersEvent(VeskGames::GameParameters params) override;
    void slotHandStatusEvent(qint32 handStatus, qint32 timestamp) override;
    void slotGameEventUserData(qint32 position, QString userName, qint32 avatarId, qreal userStack,
                               qint32 userStatus, qint32 timestamp, QString displayName) override;
    void slotTourStatusEvent(qint32 status, qint32 timestamp);
    void slotTourBuyin();
    void slotTourBuyinDone(VeskGames::Command* command);
    void slotTourRegister(bool buyinOk);
    void slotTourRegisterDone(VeskGames::Command* command);
    void slotUnregister();
    void slotTourUnregisterDone(VeskGames::Command* command);
    void slotTourBusted(qint32 position, qint32 place, qreal amount, qint32 timestamp) override;
    void slotFreerollBusted(qint32 place, qreal amount, QString currency, qint32 timeout,
                            qint32 timestamp) override;
    void slotUserNotify(int message, qint32 timeout, qint32 options, QStringList params,
                        qint32 timestamp) override;
    void slotUserNotify(QString message, qint32 timeout, qint32 options, QStringList params,
                        qint32 timestamp) override;
    void slotGameOver();
    void slotActionClone() override;
    void slotActionFold();
    void slotActionCheck();
    void slotActionBet(qreal amount);
    void slotActionReturn();
    void slotActionSitOut();
    void slotActionFoldAndLeave();
    void slotActionKeyPressed(VeskGames::PokerTableView::Action action);
    void slotActionCashier();
    void slotActionLock();
    void slotActionGameHistory();
    /// The player's options over whatever the window shows (the lobby, a table).
    void slotOpenOptions();
    /// The hands asked for: into the open hand-history dialog.
    void slotGameHistoryEvent(QList<QVariant> records);
    /// Opens a window that plays the hand in \a record again.
    void slotReplayHand(const QString& record);
    void slotActionPayout();
    void slotGameRequestAction(qint32 position, qint32 timeout, qreal postSmall, qreal postBig,
                               qreal potLimit, qreal postNowWait, bool isCallAllIn, bool canRaise,
                               qint32 timestamp);
    void slotGameRequestRebuy(qint32 position, qint32 timeout, qint32 timestamp);
    void slotGameRequestFoldAndLeave(qint32 position);
    void slotUserStatusChange(qint32 position, qint32 userStatus) override;
    void slotGameEventActionShow(qint32 position, QVector<VeskGames::Card> cards, qint32 timestamp) override;
    void loadUserSettings();
    void saveUserSettings(QVariantMap settings);
    void saveUserSettings();
    void slotLoadUserSettingsDone(VeskGames::Command* cmd);
    void gameOver() override;

Q_SIGNALS:
    /// Entered \a state (after its entry action ran).
    void stateEntered(VeskGames::ApplicationState state);
    /// A table controller was made for \a gameId.
    void tableCreated(VeskGames::PlayerController* table, const QString& gameId);
    /// A restart started the next instance as process \a processId.
    void restarted(qint64 processId);

private Q_SLOTS:
    void controllerDeleted(QObject* controller);
    void requestUserInfo();
    void slotKioskCredentials(int requestId, QVariant result);
    void slotKioskFailed(int requestId, int faultCode, QString faultString);

private:
    class Private;
    static std::unique_ptr<CommonController::Private> makeRecord();
    Private* dd() const;

    PokerTableScene* currentScene() const;
    PokerTableScene* noticeScene() const override;
    void showSplash(int status, const QString& text = QString());
    void closeDialogs();
    void enterLogin(ApplicationState previous);
    void enterLobby();
    void enterLeaving();
    void enterSelectUsername();
    void askKiosk();
    void showBuyDialog(bool joining);
    /// The Sit & Go dialog for the current game, registering or informing.
    void showSnGDialog(bool registering);
    void sendFreerollRegistration(const QString& gameId, bool registering);
    void sendCommand(const QString& method, const QList<xmlrpc::Variant>& params);
    /// A request nothing waits for.
    void sendAction(const QString& method, const QList<xmlrpc::Variant>& params);
    void connectPlayerScene(PlayerGameScene* table);
    void applySettings(const QVariantMap& settings);
    /// Settings changed at \a from: kept here and applied at every other table.
    void spreadSettings(const QVariantMap& settings, PlayerController* from);
    /// The player acted here: the window stops waiting for the player.
    void deactivateWindow();
    QUrl kioskEndpoint() const;
    /// Asks for a lobby list and hands the answer to the lobby's \a receiverSlot.
    void refreshLobby(const QString& method, void (AbstractGameListDialogItem::*answer)(Command*));
    PlayerController* createTableController(const QString& gameId, qreal min, qreal max,
                                            const QString& currency, qint32 type);
    void openTable(PlayerController* table, int action, const QString& sessionId);
};

} // namespace VeskGames

#endif
