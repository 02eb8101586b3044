#include "commoncontroller.h"
#include "playerlogging.h"
#include "protocol.h"

#include "abstractgamelistdialogitem.h"
#include "abstracttheme.h"
#include "client.h"
#include "commoncontroller_p.h"
#include "platform/heaptrimmer.h"
#include "pushbuttonitem.h"
#include "servercommand.h"
#include "stackitem.h"
#include "tablestatefeed.h"

#include <functional>

#include <QCoreApplication>
#include <QTimer>

#include <memory>

namespace VeskGames {

CommonController::CommonController(Client* client, PokerTableView* view, AbstractTheme* theme,
                                   bool singleWindow, QObject* parent)
    : CommonController(std::make_unique<Private>(), client, view, theme, singleWindow, parent)
{}

CommonController::CommonController(std::unique_ptr<Private> dd, Client* client, PokerTableView* view,
                                   AbstractTheme* theme, bool singleWindow, QObject* parent)
    : QObject(parent), d(std::move(dd))
{
    d->client = client;
    d->view = view;
    d->theme = theme;
    d->singleWindow = singleWindow;
    d->feedPath = TableStateFeed::pathFromEnvironment();
    d->batch = new CompositeCommand(true, this);
    connect(d->batch, &Command::done, this, &CommonController::slotBatchDone);
    connectClient();
}

CommonController::~CommonController()
{
    // The queued animations hold items of the scene: they go first.
    if (d->batch) {
        d->batch->disconnect(this);
        d->batch->finish();
        delete d->batch;
    }
}

CommonController::Private* CommonController::d_func() const
{
    return d.get();
}

void CommonController::connectClient()
{
    Client* c = d->client;
    if (!c)
        return;
    connect(c, &Client::done, this, &CommonController::slotConnectionDone);
    connect(c, &Client::failed, this, &CommonController::slotConnectionFailed);
    connect(c, &Client::warning, this, &CommonController::slotConnectionWarning);
    connect(c, &Client::gameParametersEvent, this, &CommonController::slotGameParametersEvent);
    connect(c, &Client::eventBegin, this, &CommonController::slotEventBegin);
    connect(c, &Client::eventEnd, this, &CommonController::slotEventEnd);
    connect(c, &Client::setDealer, this, &CommonController::slotGameEventSetDealer);
    connect(c, &Client::userData, this, &CommonController::slotGameEventUserData);
    connect(c, &Client::postSmall, this, &CommonController::slotGameEventPostSmall);
    connect(c, &Client::postBig, this, &CommonController::slotGameEventPostBig);
    connect(c, &Client::postAnte, this, &CommonController::slotPostAnte);
    connect(c, &Client::dealHole, this, &CommonController::slotGameEventDealHole);
    connect(c, &Client::dealHolePublic, this, &CommonController::slotGameEventDealHolePublic);
    connect(c, &Client::dealCommunity, this, &CommonController::slotGameEventDealCommunity);
    connect(c, &Client::bettingDone, this, &CommonController::slotGameEventBettingDone);
    connect(c, &Client::potReturnUncalled, this, &CommonController::slotGameEventPotReturnUncalled);
    connect(c, &Client::potGive, this, &CommonController::slotGameEventPotGive);
    connect(c, &Client::handStatus, this, &CommonController::slotHandStatusEvent);
    connect(c, &Client::handId, this, &CommonController::slotHandId);
    connect(c, &Client::gameOpen, this, &CommonController::slotGameOpen);
    connect(c, &Client::gameJoin, this, &CommonController::slotGameJoin);
    connect(c, &Client::tourBusted, this, &CommonController::slotTourBusted);
    connect(c, &Client::freerollBusted, this, &CommonController::slotFreerollBusted);
    connect(c, &Client::userStatusChange, this, &CommonController::slotUserStatusChange);
    connect(c, qOverload<int, qint32, qint32, QStringList, qint32>(&Client::userNotify), this,
            qOverload<int, qint32, qint32, QStringList, qint32>(&CommonController::slotUserNotify));
    connect(c, qOverload<QString, qint32, qint32, QStringList, qint32>(&Client::userNotify), this,
            qOverload<QString, qint32, qint32, QStringList, qint32>(&CommonController::slotUserNotify));
    connect(c, &Client::tourStatus, this, &CommonController::slotTourStatus);
    connect(c, &Client::actionFold, this, &CommonController::slotGameEventActionFold);
    connect(c, &Client::actionCheck, this, &CommonController::slotGameEventActionCheck);
    connect(c, &Client::actionCall, this, &CommonController::slotGameEventActionCall);
    connect(c, &Client::actionBet, this, &CommonController::slotGameEventActionBet);
    connect(c, &Client::actionRaise, this, &CommonController::slotGameEventActionRaise);
    connect(c, &Client::actionAllIn, this, &CommonController::slotGameEventActionAllIn);
    connect(c, &Client::actionShow, this, &CommonController::slotGameEventActionShow);
    connect(c, &Client::actionMuck, this, &CommonController::slotGameEventActionMuck);
}

bool CommonController::showUserName() const
{
    return d->showUserName;
}

void CommonController::setShowUserName(bool show)
{
    d->showUserName = show;
}

bool CommonController::quitOnGameOver() const
{
    return d->quitOnGameOver;
}

void CommonController::setQuitOnGameOver(bool quit)
{
    d->quitOnGameOver = quit;
}

bool CommonController::singleWindow() const
{
    return d->singleWindow;
}

GameParameters CommonController::parameters() const
{
    return d->parameters;
}

Client* CommonController::client() const
{
    return d->client;
}

PokerTableView* CommonController::view() const
{
    return d->view;
}

AbstractTheme* CommonController::theme() const
{
    return d->theme;
}

GameScene* CommonController::scene() const
{
    return d->scene;
}

void CommonController::setScene(GameScene* scene)
{
    d->scene = scene;
}

int CommonController::batchCount() const
{
    return d->batchCount;
}

bool CommonController::isSeat(int position) const
{
    return d->scene && position >= 0 && position < d->scene->playerCount();
}

QString CommonController::messageText(int code, const QStringList& params) const
{
    QString text;
    switch (code) {
    case Protocol::NoticeCommunicationFailure:
        text = tr("Communication failure");
        break;
    case Protocol::NoticeReconnectedElsewhere:
        text = tr("Reconnect from another machine");
        break;
    case Protocol::NoticeInactive:
        text = tr("Disconnected due to inactivity");
        break;
    case Protocol::NoticeUnknownMacAddress:
        text = tr("Unknown MAC address: %1");
        break;
    case Protocol::NoticeNoSeat:
        text = tr("No available seat");
        break;
    case Protocol::NoticeInvalidUsername:
        text = tr("Invalid username");
        break;
    case Protocol::NoticeSeatTaken:
        text = tr("This seat is already taken");
        break;
    case Protocol::NoticeAlreadySeated:
        text = tr("You are already seated at this table");
        break;
    case Protocol::NoticeTournamentStarted:
        text = tr("The tournament has already started");
        break;
    case Protocol::NoticeNotRegistered:
        text =
            tr("You were removed from the game, because you were not registered when the tournament started");
        break;
    default:
        break;
    }
    // Only a single parameter fills the place holder; with more it stays.
    if (params.size() == 1)
        text.replace(QLatin1String("%1"), params.first());
    return text;
}

// --- batches ---------------------------------------------------------------

int CommonController::duration(int msec) const
{
    return d->instant ? 0 : qMax(0, msec);
}

void CommonController::play(EventStepCommand::Maker make, int msec)
{
    if (!d->collecting) {
        // Outside a batch there is nothing to wait for.
        std::unique_ptr<Command> animation(make(0));
        if (animation)
            animation->finish();
        return;
    }
    d->batch->addCommand(new EventStepCommand(std::move(make), duration(msec)));
}

void CommonController::apply(std::function<void(GameScene*)> change)
{
    play(
        [this, change = std::move(change)](int) -> Command* {
            if (d->scene)
                change(d->scene);
            return nullptr;
        },
        0);
}

void CommonController::finishBatch()
{
    d->batch->finish();
}

void CommonController::slotEventBegin()
{
    if (d->batchRunning) {
        // The last batch is cut short: the table must show where it ended.
        finishBatch();
        batchReachedEnd();
    } else {
        finishBatch(); // takes the finished steps of the last batch away
    }
    ++d->batchCount;
    d->instant = false;
    d->collecting = true;
}

void CommonController::slotEventEnd()
{
    d->collecting = false;
    d->batchRunning = true;
    d->batch->exec();
}

void CommonController::slotBatchDone()
{
    if (d->batchRunning)
        batchReachedEnd();
}

void CommonController::batchReachedEnd()
{
    d->batchRunning = false;
    if (!d->feedPath.isEmpty() && d->scene && !d->feedFailed) {
        if (!TableStateFeed::append(d->feedPath,
                                    TableStateFeed::snapshot(*d->scene, d->batchCount, d->handId))) {
            d->feedFailed = true;
            qCWarning(lcTable, "table state: cannot write %s", qPrintable(d->feedPath));
        }
    }
    Q_EMIT batchShown(d->batchCount);
}

// --- events ----------------------------------------------------------------
// Every event takes its turn in the batch (see EventStepCommand), so that an
// event applied "at once" never overtakes the animations before it.

void CommonController::slotGameParametersEvent(GameParameters params)
{
    d->parameters = params;
    d->instant = true;
    apply([params](GameScene* s) {
        s->clearPots();
        s->setPlayerCount(params.seats);
        s->clearCommunityCards();
        s->setGameType(params.type);
    });
}

void CommonController::slotGameEventSetDealer(qint32 position, qint32 msec, qint32)
{
    play([this, position](int ms) { return d->scene ? d->scene->setDealer(position, ms) : nullptr; }, msec);
}

void CommonController::slotGameEventUserData(qint32 position, QString userName, qint32 avatarId,
                                             qreal userStack, qint32 userStatus, qint32, QString displayName)
{
    const bool names = d->showUserName;
    apply([=](GameScene* s) {
        s->setPlayerData(position, userName, avatarId, userStack, userStatus, displayName, names);
    });
}

void CommonController::post(int position, double amount, int msec, int action)
{
    play(
        [this, position, amount, action](int ms) -> Command* {
            if (!isSeat(position))
                return nullptr;
            if (action != AbstractPlayerItem::ActionNone)
                d->scene->seat(position)->setAction(AbstractPlayerItem::PlayerAction(action), amount);
            return d->scene->postSmall(position, amount, ms);
        },
        msec);
}

void CommonController::slotGameEventPostSmall(qint32 position, qreal amount, qint32 msec, qint32)
{
    post(position, amount, msec, AbstractPlayerItem::ActionPostSmall);
}

void CommonController::slotGameEventPostBig(qint32 position, qreal amount, qint32 msec, qint32)
{
    post(position, amount, msec, AbstractPlayerItem::ActionPostBig);
}

void CommonController::slotPostAnte(qint32 position, qreal amount, qint32 msec, qint32)
{
    post(position, amount, msec, AbstractPlayerItem::ActionNone);
}

void CommonController::slotGameEventDealHole(qint32 position, QVector<Card> cards, qint32 msec, qint32)
{
    play([this, position,
          cards](int ms) { return d->scene ? d->scene->dealHole(position, cards, ms) : nullptr; },
         msec);
}

void CommonController::slotGameEventDealHolePublic(qint32 position, QVector<Card> cards, qint32 msec, qint32)
{
    play([this, position,
          cards](int ms) { return d->scene ? d->scene->dealHolePublic(position, cards, ms) : nullptr; },
         msec);
}

void CommonController::slotGameEventDealCommunity(QVector<Card> cards, qint32 msec, qint32)
{
    play(
        [this, cards](int ms) -> Command* {
            if (!d->scene)
                return nullptr;
            Command* deal = d->scene->dealCommunity(cards, ms);
            if (d->scene->allHandsShown())
                d->scene->markBestHands();
            return deal;
        },
        msec);
}

void CommonController::slotGameEventBettingDone(QList<qreal> pots, QList<qreal> rakes, qint32 msec, qint32)
{
    play([this, pots, rakes](int ms) { return d->scene ? d->scene->bettingDone(pots, rakes, ms) : nullptr; },
         msec);
}

void CommonController::slotGameEventPotReturnUncalled(qint32 position, qreal value, qint32 msec, qint32)
{
    play([this, position,
          value](int ms) { return d->scene ? d->scene->potReturnUncalled(position, value, ms) : nullptr; },
         msec);
}

void CommonController::slotGameEventPotGive(QList<qint32> positions, QList<qreal> amounts, qint32 msec,
                                            qint32)
{
    play([this, positions,
          amounts](int ms) { return d->scene ? d->scene->potGive(positions, amounts, ms) : nullptr; },
         msec);
}

void CommonController::slotHandStatusEvent(qint32 handStatus, qint32)
{
    apply([this, handStatus](GameScene* s) {
        // A new hand: the last one leaves the table before its blinds arrive.
        if (handStatus == Protocol::HandNew) {
            s->clearHand();
            trimHeap();
        }
        s->setHandStatus(handStatus);
    });
}

void CommonController::trimHeap()
{
    // Between hands little is allocated; a table left open all day would
    // otherwise keep every page its busiest hand ever touched.
    constexpr qint64 minimumInterval = 10000;
    if (d->sinceTrim.isValid() && d->sinceTrim.elapsed() < minimumInterval)
        return;
    d->sinceTrim.start();
    HeapTrimmer::releaseFreeMemory();
}

void CommonController::slotHandId(qint32 handId, qint32)
{
    d->handId = handId;
}

void CommonController::slotTourStatus(qint32 status, qint32)
{
    apply([status](GameScene* s) { s->setTourStatus(status); });
}

void CommonController::slotTourBusted(qint32 position, qint32, qreal, qint32)
{
    apply([this, position](GameScene* s) {
        if (!isSeat(position))
            return;
        s->clearSeatCards(position);
        s->seat(position)->setAction(AbstractPlayerItem::ActionOutOfGame, 0);
    });
}

void CommonController::slotFreerollBusted(qint32, qreal, QString, qint32, qint32) {}

void CommonController::slotUserStatusChange(qint32 position, qint32 userStatus)
{
    apply([this, position, userStatus](GameScene* s) {
        if (isSeat(position))
            s->seat(position)->setPlayerStatus(AbstractPlayerItem::PlayerStatus(userStatus));
    });
}

void CommonController::seatAction(int position, AbstractPlayerItem::PlayerAction action)
{
    apply([this, position, action](GameScene* s) {
        if (!isSeat(position))
            return;
        s->cancelAction();
        s->seat(position)->setAction(action, 0);
    });
}

void CommonController::slotGameEventActionFold(qint32 position, qint32)
{
    seatAction(position, AbstractPlayerItem::ActionFold);
    // Out of the hand: onlookers must not take the seat for one still in.
    apply([position](GameScene* s) { s->foldSeat(position); });
}

void CommonController::slotGameEventActionCheck(qint32 position, qint32)
{
    seatAction(position, AbstractPlayerItem::ActionCheck);
}

void CommonController::slotGameEventActionCall(qint32 position, qreal value, qint32)
{
    playerAction(position, value, AbstractPlayerItem::ActionCall);
}

void CommonController::slotGameEventActionBet(qint32 position, qreal value, qint32)
{
    playerAction(position, value, AbstractPlayerItem::ActionBet);
}

void CommonController::slotGameEventActionRaise(qint32 position, qreal value, qint32)
{
    playerAction(position, value, AbstractPlayerItem::ActionRaise);
}

void CommonController::slotGameEventActionAllIn(qint32 position, qreal value, qint32, bool)
{
    playerAction(position, value, AbstractPlayerItem::ActionAllIn);
}

void CommonController::playerAction(int position, double amount, AbstractPlayerItem::PlayerAction action)
{
    play(
        [this, position, amount, action](int) -> Command* {
            if (!isSeat(position))
                return nullptr;
            GameScene* s = d->scene;
            s->cancelAction();
            // The seat shows its whole bet of the round, not just what it adds now.
            const StackItem* bet = s->betStack(position);
            s->seat(position)->setAction(action, amount + (bet ? bet->value() : 0.0));
            return s->postSmall(position, amount, 0);
        },
        0);
}

void CommonController::slotGameEventActionShow(qint32 position, QVector<Card> cards, qint32)
{
    apply([this, position, cards](GameScene* s) {
        if (!isSeat(position))
            return;
        s->cancelAction();
        s->clearSeatCards(position);
        std::unique_ptr<Command> none(s->dealHole(position, cards, 0));
        s->markBestHands();
    });
}

void CommonController::slotGameEventActionMuck(qint32 position, qint32)
{
    seatAction(position, AbstractPlayerItem::ActionMuck);
}

void CommonController::playHandStatusSound(qint32 statusCode, qint32 timestamp)
{
    // The table replayed after game parameters stays silent.
    if (d->theme && timestamp >= d->parameters.timestamp)
        d->theme->playSound(AbstractTheme::AudioType(statusCode), false);
}

// --- connection, notices, the end ------------------------------------------

PokerTableScene* CommonController::noticeScene() const
{
    return d->scene;
}

void CommonController::slotConnectionWarning(int)
{
    PokerTableScene* shown = noticeScene();
    if (!shown || d->warningDialog)
        return;
    InfoDialogItem* dialog = shown->createInfoDialog();
    dialog->setText(tr("Connection seems slow. Please wait."));
    qCInfo(lcTable, "shown: %s", qPrintable(dialog->text()));
    d->warningDialog = dialog;
    shown->pushDialog(dialog, true);
}

void CommonController::slotConnectionDone(int)
{
    if (!d->warningDialog)
        return;
    InfoDialogItem* dialog = d->warningDialog;
    d->warningDialog.clear();
    if (auto* shown = qobject_cast<PokerTableScene*>(dialog->scene()); shown && shown->topDialog() == dialog)
        shown->popDialog();
    delete dialog;
}

void CommonController::slotConnectionFailed(int, int, QString faultString)
{
    if (d->client)
        d->client->stopRefresh();
    // What the table shows is no longer the server's hand.
    if (d->scene) {
        finishBatch();
        d->scene->clearHand();
    }
    slotUserNotify(tr("Connection problem:\n") + faultString, 10, 1, QStringList(), 0);
}

void CommonController::slotUserNotify(int message, qint32 timeout, qint32 options, QStringList params,
                                      qint32 timestamp)
{
    slotUserNotify(messageText(message, params), timeout, options, params, timestamp);
}

void CommonController::slotUserNotify(QString message, qint32 timeout, qint32 options, QStringList, qint32)
{
    showNotice(message, timeout, options);
    if (timeout > 0 && (options == 1 || options == 3))
        QTimer::singleShot(timeout * 1000, this, &CommonController::gameOver);
}

void CommonController::showNotice(const QString& message, int timeout, int options)
{
    PokerTableScene* shown = noticeScene();
    if (!shown)
        return;
    InfoDialogItem* dialog = shown->createInfoDialog();
    dialog->setText(message);
    // What the player is told, for whoever watches the program from outside.
    qCInfo(lcTable, "shown: %s", qPrintable(QString(message).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    if (options == 1) {
        PushButtonItem* restart = dialog->createButton(tr("Restart"), QDialogButtonBox::AcceptRole, false);
        PushButtonItem* quit = dialog->createButton(tr("Quit"), QDialogButtonBox::RejectRole, false);
        const auto disableAll = [dialog] {
            for (PushButtonItem* button : dialog->buttonBox()->buttons())
                button->setEnabled(false);
        };
        connect(restart, &PushButtonItem::clicked, this, [this, disableAll] {
            disableAll();
            slotActionClone();
            slotQuitApplication();
        });
        connect(quit, &PushButtonItem::clicked, this, [this, disableAll] {
            disableAll();
            slotQuitApplication();
        });
    } else if (options == 2) {
        dialog->createButton(tr("OK"), QDialogButtonBox::AcceptRole, true);
        if (timeout > 0)
            dialog->setTimeout(timeout * 1000);
    }
    if (timeout > 0 && (options == 1 || options == 3))
        countDown(dialog, message, timeout);
    shown->pushDialog(dialog, true);
}

void CommonController::countDown(InfoDialogItem* dialog, const QString& message, int seconds)
{
    // The program ends when the count reaches nought: the player sees when.
    const auto text = [message](int left) {
        return message + QLatin1Char('\n') + tr("Seconds left: %n", nullptr, left);
    };
    dialog->setText(text(seconds));
    auto* tick = new QTimer(dialog);
    auto left = std::make_shared<int>(seconds);
    connect(tick, &QTimer::timeout, dialog, [dialog, tick, left, text] {
        if (--*left <= 0)
            tick->stop();
        dialog->setText(text(qMax(*left, 0)));
    });
    tick->start(1000);
}

void CommonController::slotActionClone() {}

void CommonController::slotQuitApplication()
{
    // Not quit(): the table window refuses to be closed, which would veto it.
    QCoreApplication::exit(0);
}

void CommonController::slotRequestTicket()
{
    // The lobby that asked hears the answer.
    auto* asker = qobject_cast<AbstractGameListDialogItem*>(sender());
    if (!d->client)
        return;
    auto* command = new ServerCommand(d->client, QStringLiteral("userTicket"), this);
    if (asker)
        connect(command, &Command::done, asker, &AbstractGameListDialogItem::getTicketCommandDone);
    command->exec();
}

void CommonController::gameOver()
{
    if (d->over)
        return;
    d->over = true;
    const auto end = [this] {
        if (d->quitOnGameOver)
            QCoreApplication::exit(0);
        else
            deleteLater();
    };
    if (!d->client || !d->client->isRefreshStarted()) {
        end();
        return;
    }
    auto* destroy = new ServerCommand(d->client, QStringLiteral("destroy"), this);
    connect(destroy, &Command::done, this, [destroy, end] {
        destroy->deleteLater();
        end();
    });
    destroy->exec();
}

} // namespace VeskGames
