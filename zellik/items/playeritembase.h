#ifndef VESKGAMES_PLAYERITEMBASE_H
#define VESKGAMES_PLAYERITEMBASE_H

#include "abstractplayeritem.h"

#include <QBrush>
#include <QFont>
#include <QPen>

#include <memory>

namespace VeskGames {

/// What every seat does: texts, action badge, cards, avatar and the turn
/// clock. The look (pictures, fonts, offsets) is handed in by the theme.
class ZELLIK_EXPORT PlayerItemBase : public AbstractPlayerItem
{
    Q_OBJECT

public:
    /// The seat's size in the table's design.
    static constexpr QSizeF SeatSize{160, 106};
    /// How long an action stays in place of the name.
    static constexpr int ActionTextMs = 3000;
    /// Below this the clock turns red and shows tenths.
    static constexpr int WarningMs = 10000;
    /// Clock frames: the pie moves under 3 degrees a frame on a 15 s turn.
    /// Each frame repaints the whole seat, so at 25 ms a table of bots cost
    /// several times the CPU of everything else it does.
    static constexpr int TimerFrameMs = 100;

    explicit PlayerItemBase(QGraphicsItem* parent = nullptr);
    ~PlayerItemBase() override;

    void setAction(PlayerAction action, double amount) override;
    PlayerAction action() const;
    /// The action as the badge shows it, after the status had its say.
    PlayerAction shownAction() const;
    void addCard(CardItem* card) override;
    QVector<CardItem*>& cards() override;
    int countCards() const override;
    void clearCards() override;
    bool isShowdown() const override;
    void setPlayerStatus(PlayerStatus status) override;
    PlayerStatus playerStatus() const;
    void setPlayerName(int position, const QString& name, bool showUserName,
                       const QString& displayName) override;
    QString playerName() override;
    void setYOU(bool you) override;
    bool isYOU() const;
    void setPlayerStack(double stack) override;
    double playerStack() const override;
    void setAvailable(bool available) override;
    bool available() const override;
    void setShowAvatar(bool show, bool update) override;
    bool showAvatar() const;
    void setAvatarId(int id) override;
    int avatarId() const override;
    void startTimer(int duration, int currentTime) override;
    void cancelTimer() override;
    bool isTimerRunning() const;
    /// Milliseconds left in the turn, 0 without a clock.
    int remainingTime() const;
    void setSubItemText(SubItem item, const QString& text) override;
    QString subItemText(SubItem item) const;
    bool isSubItemVisible(SubItem item) const;
    /// The sub-item's text path in seat coordinates.
    QRectF subItemRect(SubItem item) const;
    void setTimerTextAlignment(Qt::Alignment alignment) override;
    void setDealerButtonPosition(const QPointF& position) override;
    const QPointF& dealerButtonPosition() const override;
    void setPlayerImage(const QImage& image) override;
    /// The picture shown in the seat, avatar or the theme's.
    QImage shownAvatar() const;

    void setAvailableImage(const QImage& image);
    void setSeatImage(const QImage& image);
    void setYOUImage(const QImage& image);
    void setSubItemFont(SubItem item, const QFont& font);
    void setSubItemPen(SubItem item, const QPen& pen);
    void setSubItemBrush(SubItem item, const QBrush& brush);
    QBrush subItemBrush(SubItem item) const;
    void setSubItemOffset(SubItem item, const QPointF& offset);
    QPointF subItemOffset(SubItem item) const;
    void setSubItemVisibility(SubItem item, bool visible);
    /// The text's centre goes to \a offset, now and whenever it changes.
    void centerSubItemTextWithOffset(SubItem item, const QPointF& offset);
    void setVitalItemsVisibility(bool visible);
    void setCardOffset(const QPointF& offset);
    QPointF cardOffset() const;
    void setNextCardOffset(const QPointF& offset);
    QPointF nextCardOffset() const;
    void setNextOpenCardOffset(const QPointF& offset);
    QPointF nextOpenCardOffset() const;
    void setYOUOffset(const QPointF& offset);

    static void setTimerDeadlineImage(const QImage& image);
    static void setTimerTrackImage(const QImage& image);
    static void setTimerGlowImage(const QImage& image);
    static void setTimerGlowRedImage(const QImage& image);

    QRectF plateRect() const;
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    /// Also the turn's glow, which reaches past the seat.
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

public Q_SLOTS:
    void slotActionTextTimeout();
    void slotAvatarChanged(int id);

protected:
    /// Lays the cards out again after one was added or the offsets changed.
    virtual void layoutCards();
    /// Paints the seat's background (plate and picture) in seat coordinates.
    virtual void paintSeat(QPainter* painter);
    virtual void paintTimer(QPainter* painter);
    void paintTimerGlow(QPainter* painter);
    /// The action badge; a subclass may show it as a picture instead.
    virtual void showActionBadge(PlayerAction action);
    QImage seatImage() const;
    QImage availableImage() const;
    qreal timerProgress() const;
    void placeSubItem(SubItem item);

private Q_SLOTS:
    void slotTimerFrame();
    void slotTimerFinished();

private:
    void refreshAction();
    void refreshName();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
