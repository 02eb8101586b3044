#ifndef VESKGAMES_GAMESCENE_P_H
#define VESKGAMES_GAMESCENE_P_H

#include "gamescene.h"
#include "graphicsitemanimationcommand.h"

#include <QEasingCurve>
#include <QGraphicsItemAnimation>
#include <QPointF>
#include <QTimeLine>

namespace VeskGames {

namespace GameSceneDetail {

constexpr double kEmpty = 0.000001;
constexpr int kCrowded = 8;  ///< seats from which the board is dealt smaller
constexpr qreal kPotGap = 8; ///< between the main pot's amount and the side pot's chips
// Chips in flight pass over the table and its controls, never over a dialog (1001 and up).
constexpr int kFlyingZ = 1000;

inline GraphicsItemAnimationCommand* flight(GraphicsItemAnimationCommand* command, const QPointF& from,
                                            const QPointF& to, int msec, QEasingCurve::Type shape)
{
    command->animation()->setPosAt(0.0, from);
    command->animation()->setPosAt(1.0, to);
    command->timeLine()->setDuration(msec);
    command->timeLine()->setEasingCurve(shape);
    return command;
}

} // namespace GameSceneDetail

class GameScene::Private
{
public:
    QVector<AbstractPlayerItem*> seats;
    QVector<StackItem*> betStacks;
    QVector<CardItem*> communityCards;
    QPointF dealerTarget;
    Pot* mainPot = nullptr;
    Pot* sidePot = nullptr;
    QGraphicsPixmapItem* dealerButton = nullptr;
    int viewPosition = -1;
    int dealerPosition = -1;
    int actingPosition = -1;
    bool showAvatars = true;
    bool useOneNumberCards = false;
    bool useFourColourCards = false;
    bool showChips = true;
    int handStatus = -1;
    double mainRake = 0;
    double sideRakeTotal = 0;
    int tourStatus = 0;
    int gameType = -1;
    int rotation = 0;
    QVector<bool> folded;
};

} // namespace VeskGames

#endif
