#ifndef VESKGAMES_CHINESEGAMESCENESIDEBUTTONS_H
#define VESKGAMES_CHINESEGAMESCENESIDEBUTTONS_H

#include "gamescenesidebuttons.h"

namespace VeskGames {

/// The table's side buttons with the partner's two web links below them.
class ChineseGameSceneSideButtons : public GameSceneSideButtons
{
    Q_OBJECT

public:
    ChineseGameSceneSideButtons(QGraphicsScene* scene, AbstractTheme* theme, QObject* parent = nullptr);
    void retranslateUi() override;
    /// The page a link button opens: the configured address, or an empty one.
    static QUrl linkUrl(SideButtonType type);

private Q_SLOTS:
    void slotSideButtonClicked(VeskGames::AbstractGameSceneSideButtons::SideButtonType type);
};

} // namespace VeskGames

#endif
