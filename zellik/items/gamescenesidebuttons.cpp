#include "gamescenesidebuttons.h"

#include "pushbuttonitem.h"

namespace VeskGames {

GameSceneSideButtons::GameSceneSideButtons(QGraphicsScene* scene, AbstractTheme* theme, QObject* parent)
    : AbstractGameSceneSideButtons(scene, theme, parent)
{
    // Joining a new game or staying is offered only when a tournament is over;
    // Return replaces Sit Out while the player sits out.
    addButton(JoinNewGame, false);
    addButton(StayAndWatch, false);
    addButton(Options);
    addButton(Return, false);
    addButton(SitOut);
    addButton(Payout, false);
    addButton(BuyChips);
    addButton(Close);
    retranslateUi();
    layoutButtons();
}

void GameSceneSideButtons::retranslateUi()
{
    sideButton(JoinNewGame)->setText(tr("Join\nnew game"));
    sideButton(StayAndWatch)->setText(tr("Stay\nand watch"));
    sideButton(Options)->setText(tr("Options"));
    sideButton(Return)->setText(tr("Return"));
    sideButton(SitOut)->setText(tr("Sit Out"));
    sideButton(Payout)->setText(tr("Payout"));
    sideButton(BuyChips)->setText(tr("Buy Chips"));
    sideButton(Close)->setText(tr("Close"));
}

} // namespace VeskGames
