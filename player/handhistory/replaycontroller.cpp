#include "replaycontroller.h"

#include "abstractgamescenesidebuttons.h"
#include "abstracttheme.h"
#include "client.h"
#include "commoncontroller_p.h"
#include "compositecommand.h"
#include "holecardsitem.h"
#include "playergamescene.h"
#include "pokertableview.h"

namespace VeskGames {

class ReplayController::Private
{
public:
    std::unique_ptr<PlayerGameScene> scene;
    QString localPlayer;
};

ReplayController::ReplayController(Client* client, PokerTableView* view, AbstractTheme* theme,
                                   const QString& localPlayer, QObject* parent)
    : CommonController(client, view, theme, false, parent), d(std::make_unique<Private>())
{
    d->localPlayer = localPlayer;
    d->scene.reset(PlayerGameScene::createTable(theme));
    hideTableButtons();
    setScene(d->scene.get());
    setShowUserName(true);
    if (view)
        view->showScene(d->scene.get());
    // A tournament's state brings its own buttons out again.
    if (client)
        connect(client, &Client::tourStatus, this,
                [this] { apply([this](GameScene*) { hideTableButtons(); }); });
}

ReplayController::~ReplayController()
{
    // The animations still queued hold the scene's items: they end before the scene goes.
    if (CommonController::Private* p = d_func(); p->batch)
        p->batch->finish();
    if (PokerTableView* v = view())
        v->setScene(nullptr);
    setScene(nullptr);
}

PlayerGameScene* ReplayController::playerScene() const
{
    return d->scene.get();
}

void ReplayController::hideTableButtons()
{
    // Nothing at a replayed table can be left, bought or changed.
    AbstractGameSceneSideButtons* set = d->scene->sideButtons();
    if (!set)
        return;
    for (int type = AbstractGameSceneSideButtons::JoinNewGame;
         type <= AbstractGameSceneSideButtons::PokerSchool; ++type)
        set->setButtonVisible(AbstractGameSceneSideButtons::SideButtonType(type), false);
    set->layoutButtons();
}

void ReplayController::showOwnCards()
{
    // The player looked at their cards during the hand: the replay shows them face up.
    HoleCardsItem* own = d->scene->holeCards();
    own->setAlwaysHideCards(false);
    own->setShowHoleCards(true);
}

void ReplayController::slotGameParametersEvent(GameParameters params)
{
    if (params.valid && d->scene->playerCount() != params.seats) {
        d->scene->setPlayerCount(params.seats);
        d->scene->setupScene();
        hideTableButtons();
    }
    CommonController::slotGameParametersEvent(params);
    if (params.valid) {
        apply([this, params](GameScene* s) {
            static_cast<PlayerGameScene*>(s)->setGameParameters(params);
            hideTableButtons();
            showOwnCards();
        });
    }
}

void ReplayController::slotGameEventUserData(qint32 position, QString userName, qint32 avatarId,
                                             qreal userStack, qint32 userStatus, qint32 timestamp,
                                             QString displayName)
{
    CommonController::slotGameEventUserData(position, userName, avatarId, userStack, userStatus, timestamp,
                                            displayName);
    if (!d->localPlayer.isEmpty() && userName == d->localPlayer)
        apply([user = d->localPlayer](GameScene* s) { s->setLocalPlayer(user); });
}

void ReplayController::slotGameOpen(int, QString, QString, qint32) {}

void ReplayController::slotGameJoin(bool, qint32) {}

void ReplayController::slotQuitApplication() {}

void ReplayController::gameOver() {}

} // namespace VeskGames
