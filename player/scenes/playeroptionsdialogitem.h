#ifndef VESKGAMES_PLAYEROPTIONSDIALOGITEM_H
#define VESKGAMES_PLAYEROPTIONSDIALOGITEM_H

#include "themeddialogitem.h"

#include <memory>

namespace VeskGames {

class AvatarWheelItem;
class PlayerGameScene;
class PushButtonItem;

/// The table options: the avatar, the hand history, and toggles whose text
/// says what a click will do ("Show Avatars" while they are hidden).
class PlayerOptionsDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    enum Toggle {
        ToggleAvatars = 0,
        ToggleChips,
        ToggleHoleCards,
        ToggleMute,
        ToggleFourColour,
        ToggleStay,
        ToggleCount
    };

    /// Reads the current settings from \a scene and changes them there.
    explicit PlayerOptionsDialogItem(PlayerGameScene* scene);
    ~PlayerOptionsDialogItem() override;

    PushButtonItem* toggle(Toggle which) const;
    PushButtonItem* historyButton() const;
    PushButtonItem* closeButton() const;
    AvatarWheelItem* avatarWheel() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
