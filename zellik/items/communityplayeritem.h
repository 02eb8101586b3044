#ifndef VESKGAMES_COMMUNITYPLAYERITEM_H
#define VESKGAMES_COMMUNITYPLAYERITEM_H

#include "playeritembase.h"

namespace VeskGames {

/// A seat on the onlookers' screen: a player box instead of an avatar,
/// actions as pictures, a glowing frame for whose turn it is, the winner.
class ZELLIK_EXPORT CommunityPlayerItem : public PlayerItemBase
{
    Q_OBJECT

public:
    static constexpr QSizeF BoxSize{240, 90};

    explicit CommunityPlayerItem(QGraphicsItem* parent = nullptr);
    ~CommunityPlayerItem() override;

    /// Community seats show no avatars.
    void setAvatarId(int id) override;
    void setPlayerActiveImage(const QImage& image);
    void setPlayerActiveCardGlowImage(const QImage& image);
    void setActionImageMuck(const QImage& image);
    void setActionImageCall(const QImage& image);
    void setActionImageBet(const QImage& image);
    void setActionImageWinner(const QImage& image);
    void setActionWinnerData(const QPen& pen, const QBrush& brush, const QFont& font);
    void showWinner();
    bool isWinnerShown() const;
    /// The picture the last action shows, null for none.
    QImage actionImage() const;

    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    /// Also the action picture above the box and the glow round the cards.
    QRectF boundingRect() const override;

protected:
    void paintSeat(QPainter* painter) override;
    void paintTimer(QPainter* painter) override;
    void showActionBadge(PlayerAction action) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
