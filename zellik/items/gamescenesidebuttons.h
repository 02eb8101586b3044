#ifndef VESKGAMES_GAMESCENESIDEBUTTONS_H
#define VESKGAMES_GAMESCENESIDEBUTTONS_H

#include "abstractgamescenesidebuttons.h"

namespace VeskGames {

/// The table's side buttons.
class ZELLIK_EXPORT GameSceneSideButtons : public AbstractGameSceneSideButtons
{
    Q_OBJECT

public:
    GameSceneSideButtons(QGraphicsScene* scene, AbstractTheme* theme, QObject* parent = nullptr);
    void retranslateUi() override;
};

} // namespace VeskGames

#endif
