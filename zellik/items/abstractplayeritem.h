#ifndef VESKGAMES_ABSTRACTPLAYERITEM_H
#define VESKGAMES_ABSTRACTPLAYERITEM_H

#include "themedgraphicswidget.h"
#include "zellik_export.h"

#include <QImage>
#include <QVector>

namespace VeskGames {

class CardItem;

/// One seat of the table as the scenes drive it: who sits there, their chips,
/// their last action, their cards and the clock of their turn.
class ZELLIK_EXPORT AbstractPlayerItem : public ThemedGraphicsWidget
{
    Q_OBJECT

public:
    enum PlayerAction {
        ActionNone = 0,
        ActionPostSmall = 1,
        ActionPostBig = 2,
        ActionRaise = 3,
        ActionFold = 4,
        ActionCall = 5,
        ActionBet = 6,
        ActionCheck = 7,
        ActionMuck = 8,
        ActionAllIn = 9,
        ActionSitOut = 10,
        ActionJoining = 11,
        ActionLeaving = 12,
        ActionOutOfGame = 13 ///< the whole seat is hidden
    };
    Q_ENUM(PlayerAction)

    enum PlayerStatus { StatusNone = 0, StatusActive = 1, StatusSittingOut = 2, StatusLeaving = 4 };
    Q_ENUM(PlayerStatus)

    enum SubItem {
        SubItemName = 0,      ///< the name, or "Player n"
        SubItemStack = 1,     ///< the chips behind
        SubItemAction = 2,    ///< the last action, for a while in place of the name
        SubItemAvailable = 3, ///< what a free seat says
        SubItemTimer = 4,     ///< the seconds left in a turn
        SubItemCount
    };
    Q_ENUM(SubItem)

    explicit AbstractPlayerItem(QGraphicsItem* parent = nullptr);
    ~AbstractPlayerItem() override;

    virtual void setAction(PlayerAction action, double amount) = 0;
    virtual void addCard(CardItem* card) = 0;
    virtual QVector<CardItem*>& cards() = 0;
    virtual int countCards() const = 0;
    virtual void clearCards() = 0;
    virtual bool isShowdown() const = 0;
    virtual void setPlayerStatus(PlayerStatus status) = 0;
    virtual void setPlayerName(int position, const QString& name, bool showUserName,
                               const QString& displayName) = 0;
    virtual QString playerName() = 0;
    virtual void setYOU(bool you) = 0;
    virtual void setPlayerStack(double stack) = 0;
    virtual double playerStack() const = 0;
    virtual void setAvailable(bool available) = 0;
    virtual bool available() const = 0;
    virtual void setShowAvatar(bool show, bool update) = 0;
    virtual void setAvatarId(int id) = 0;
    virtual int avatarId() const = 0;
    /// \a duration and \a currentTime in milliseconds.
    virtual void startTimer(int duration, int currentTime) = 0;
    virtual void cancelTimer() = 0;
    virtual void setSubItemText(SubItem item, const QString& text) = 0;
    virtual void setTimerTextAlignment(Qt::Alignment alignment) = 0;
    virtual void setDealerButtonPosition(const QPointF& position) = 0;
    virtual const QPointF& dealerButtonPosition() const = 0;
    virtual void setPlayerImage(const QImage& image) = 0;

Q_SIGNALS:
    void timeout();
    void playSound(qint32 audioType, bool override);
    void playSound(qint32 audioType);
};

} // namespace VeskGames

#endif
