#ifndef VESKGAMES_PLAYERGAMESCENE_P_H
#define VESKGAMES_PLAYERGAMESCENE_P_H

#include "betpresets.h"
#include "playergamescene.h"

#include <QPointer>

#include <array>

namespace VeskGames {

class InfoDialogItem;

class PlayerGameScene::Private
{
public:
    AbstractGameSceneSideButtons* sideButtons = nullptr;
    PushButtonItem* fold = nullptr;
    PushButtonItem* foldAndLeave = nullptr;
    BetPushButtonItem* checkCall = nullptr;
    BetPushButtonItem* betRaise = nullptr;
    QGraphicsProxyWidget* sliderProxy = nullptr;
    PushButtonItem* plus = nullptr;
    PushButtonItem* minus = nullptr;
    PushButtonItem* pot = nullptr;
    /// Half pot, two thirds, pot: beside the bet chooser where the theme has room.
    std::array<BetPushButtonItem*, BetPresets::PresetCount> presets{};
    bool presetsOn = false;
    BetPresets::Request presetRequest;
    HoleCardsItem* holeCards = nullptr;
    TextItem* handText = nullptr;
    TextItem* infoText = nullptr;
    TextItem* statusText = nullptr;

    bool lockScreenMode = false;
    bool multihead = false;
    bool useAutoReBuyin = false;
    bool stayFold = false;
    bool muteSound = false;
    int avatarId = -1;
    int betMethod = BetSlider;
    ThinClientBetter* thinClientBetter = nullptr;
    KioskBetter* kioskBetter = nullptr;
    Slider* slider = nullptr;

    GameParameters parameters;
    double smallBlind = 0;
    double bigBlind = 0;
    int gameTypeFlags = 0;
    int limitType = 0;
    double potBetAmount = 0;
    double ante = 0;

    // The request being answered: the bet widget's range and what was in front.
    double requestBet = 0;
    double betMin = 0;
    double betMax = 0;
    double smallStep = 0;
    double bigStep = 0;

    int handId = -1;
    QString statusLine;
    QPointer<InfoDialogItem> sittingOut;
};

} // namespace VeskGames

#endif
