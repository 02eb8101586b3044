#include "lobbysidebuttons.h"

#include "pushbuttonitem.h"

namespace VeskGames {

LobbySideButtons::LobbySideButtons(QGraphicsScene* scene, AbstractTheme* theme, QObject* parent)
    : AbstractGameSceneSideButtons(scene, theme, parent)
{
    addButton(Cashier);
    addButton(HandHistory);
    addButton(Options);
    addButton(Quit);
    retranslateUi();
    layoutButtons();
}

void LobbySideButtons::retranslateUi()
{
    sideButton(Cashier)->setText(tr("Cashier"));
    sideButton(HandHistory)->setText(tr("Hand\nHistory"));
    sideButton(Options)->setText(tr("Options"));
    sideButton(Quit)->setText(tr("Quit"));
}

} // namespace VeskGames
