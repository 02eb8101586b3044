#ifndef VESKGAMES_COMMONCONTROLLER_H
#define VESKGAMES_COMMONCONTROLLER_H

#include "abstractplayeritem.h"
#include "card.h"
#include "eventstepcommand.h"
#include "gameparameters.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

namespace VeskGames {

class InfoDialogItem;
class PokerTableScene;

class AbstractTheme;
class Client;
class Command;
class GameScene;
class PokerTableView;

/// What both table controllers share: the server's events turned into
/// operations on the table scene, one batch of events played as one
/// sequence of animations; the server's notices, connection warnings and
/// failures; the end of the game.
class CommonController : public QObject
{
    Q_OBJECT

public:
    CommonController(Client* client, PokerTableView* view, AbstractTheme* theme, bool singleWindow,
                     QObject* parent = nullptr);
    ~CommonController() override;

    bool showUserName() const;
    void setShowUserName(bool show);
    bool quitOnGameOver() const;
    void setQuitOnGameOver(bool quit);
    bool singleWindow() const;
    GameParameters parameters() const;

    Client* client() const;
    PokerTableView* view() const;
    AbstractTheme* theme() const;
    GameScene* scene() const;
    /// Batches begun so far.
    int batchCount() const;
    /// The text of a notice code, with its one parameter filled in.
    QString messageText(int code, const QStringList& params) const;

public Q_SLOTS:
    void slotConnectionDone(int requestId);
    virtual void slotConnectionFailed(int requestId, int faultCode, QString faultString);
    void slotConnectionWarning(int requestId);
    void slotRequestTicket();
    virtual void slotGameParametersEvent(VeskGames::GameParameters params);
    void slotEventBegin();
    void slotEventEnd();
    void slotGameEventSetDealer(qint32 position, qint32 msec, qint32 timestamp);
    virtual void slotGameEventUserData(qint32 position, QString userName, qint32 avatarId, qreal userStack,
                                       qint32 userStatus, qint32 timestamp, QString displayName);
    virtual void slotGameEventPostSmall(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    virtual void slotGameEventPostBig(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    void slotPostAnte(qint32 position, qreal amount, qint32 msec, qint32 timestamp);
    void slotGameEventDealHole(qint32 position, QVector<VeskGames::Card> cards, qint32 msec,
                               qint32 timestamp);
    void slotGameEventDealHolePublic(qint32 position, QVector<VeskGames::Card> cards, qint32 msec,
                                     qint32 timestamp);
    void slotGameEventDealCommunity(QVector<VeskGames::Card> cards, qint32 msec, qint32 timestamp);
    void slotGameEventBettingDone(QList<qreal> pots, QList<qreal> rakes, qint32 msec, qint32 timestamp);
    void slotGameEventPotReturnUncalled(qint32 position, qreal value, qint32 msec, qint32 timestamp);
    virtual void slotGameEventPotGive(QList<qint32> positions, QList<qreal> amounts, qint32 msec,
                                      qint32 timestamp);
    virtual void slotHandStatusEvent(qint32 handStatus, qint32 timestamp);
    void slotHandId(qint32 handId, qint32 timestamp);
    virtual void slotGameOpen(int action, QString sessionId, QString selection, qint32 timestamp) = 0;
    virtual void slotGameJoin(bool ok, qint32 timestamp) = 0;
    virtual void slotTourBusted(qint32 position, qint32 place, qreal amount, qint32 timestamp);
    virtual void slotFreerollBusted(qint32 place, qreal amount, QString currency, qint32 timeout,
                                    qint32 timestamp);
    virtual void slotUserStatusChange(qint32 position, qint32 userStatus);
    virtual void slotUserNotify(int message, qint32 timeout, qint32 options, QStringList params,
                                qint32 timestamp);
    virtual void slotUserNotify(QString message, qint32 timeout, qint32 options, QStringList params,
                                qint32 timestamp);
    void slotTourStatus(qint32 status, qint32 timestamp);
    virtual void slotGameEventActionFold(qint32 position, qint32 timestamp);
    virtual void slotGameEventActionCheck(qint32 position, qint32 timestamp);
    virtual void slotGameEventActionCall(qint32 position, qreal value, qint32 timestamp);
    virtual void slotGameEventActionBet(qint32 position, qreal value, qint32 timestamp);
    virtual void slotGameEventActionRaise(qint32 position, qreal value, qint32 timestamp);
    virtual void slotGameEventActionAllIn(qint32 position, qreal value, qint32 timestamp, bool isRaise);
    virtual void slotGameEventActionShow(qint32 position, QVector<VeskGames::Card> cards, qint32 timestamp);
    virtual void slotGameEventActionMuck(qint32 position, qint32 timestamp);
    /// "Restart" of a failure notice: the player's table starts the program again.
    virtual void slotActionClone();
    virtual void slotQuitApplication();
    virtual void gameOver();

Q_SIGNALS:
    /// A batch's animations have all reached their end state.
    void batchShown(int batch);

protected:
    class Private;
    CommonController(std::unique_ptr<Private> d, Client* client, PokerTableView* view, AbstractTheme* theme,
                     bool singleWindow, QObject* parent);
    Private* d_func() const;

    void setScene(GameScene* scene);
    void playerAction(int position, double amount, AbstractPlayerItem::PlayerAction action);
    /// Applies an event at its turn in the batch; \a make gets the duration.
    void play(EventStepCommand::Maker make, int msec);
    /// The same for an event without animation.
    void apply(std::function<void(GameScene*)> change);
    /// Plays the theme's sound for a hand status, unless the event is older
    /// than the current game parameters (the table being replayed).
    void playHandStatusSound(qint32 statusCode, qint32 timestamp);
    bool isSeat(int position) const;
    /// Where notices and connection messages go: the scene the window shows.
    virtual PokerTableScene* noticeScene() const;

private Q_SLOTS:
    void slotBatchDone();

private:
    void connectClient();
    int duration(int msec) const;
    void post(int position, double amount, int msec, int action);
    void seatAction(int position, AbstractPlayerItem::PlayerAction action);
    /// The batch's animations jump to their end state.
    void finishBatch();
    void batchReachedEnd();
    void showNotice(const QString& message, int timeout, int options);
    void countDown(InfoDialogItem* dialog, const QString& message, int seconds);
    void trimHeap();

    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
