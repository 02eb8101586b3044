#ifndef VESKGAMES_LOBBYSIDEBUTTONS_H
#define VESKGAMES_LOBBYSIDEBUTTONS_H

#include "abstractgamescenesidebuttons.h"

namespace VeskGames {

/// The lobby's side buttons.
class ZELLIK_EXPORT LobbySideButtons : public AbstractGameSceneSideButtons
{
    Q_OBJECT

public:
    LobbySideButtons(QGraphicsScene* scene, AbstractTheme* theme, QObject* parent = nullptr);
    void retranslateUi() override;
};

} // namespace VeskGames

#endif
