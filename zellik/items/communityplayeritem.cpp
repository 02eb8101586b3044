#include "communityplayeritem.h"

#include "carditem.h"

#include <QPainter>

namespace VeskGames {

class CommunityPlayerItem::Private
{
public:
    QImage active;
    QImage cardGlow;
    QImage muck;
    QImage call;
    QImage bet;
    QImage winner;
    QImage shownAction;
    bool winnerShown = false;
    QPen winnerPen{Qt::black};
    QBrush winnerBrush{QColor(242, 201, 76)};
    QFont winnerFont;
};

CommunityPlayerItem::CommunityPlayerItem(QGraphicsItem* parent)
    : PlayerItemBase(parent), d(std::make_unique<Private>())
{
    // The base asked for its own size while it was being made: ask again.
    updateGeometry();
    resize(BoxSize);
    centerSubItemTextWithOffset(SubItemName, QPointF(BoxSize.width() / 2, 32));
    centerSubItemTextWithOffset(SubItemStack, QPointF(BoxSize.width() / 2, 62));
    centerSubItemTextWithOffset(SubItemAction, QPointF(BoxSize.width() / 2, 32));
}

CommunityPlayerItem::~CommunityPlayerItem() = default;

void CommunityPlayerItem::setAvatarId(int) {}

void CommunityPlayerItem::setPlayerActiveImage(const QImage& image)
{
    d->active = image;
    update();
}

void CommunityPlayerItem::setPlayerActiveCardGlowImage(const QImage& image)
{
    d->cardGlow = image;
    update();
}

void CommunityPlayerItem::setActionImageMuck(const QImage& image)
{
    d->muck = image;
}

void CommunityPlayerItem::setActionImageCall(const QImage& image)
{
    d->call = image;
}

void CommunityPlayerItem::setActionImageBet(const QImage& image)
{
    d->bet = image;
}

void CommunityPlayerItem::setActionImageWinner(const QImage& image)
{
    d->winner = image;
}

void CommunityPlayerItem::setActionWinnerData(const QPen& pen, const QBrush& brush, const QFont& font)
{
    d->winnerPen = pen;
    d->winnerBrush = brush;
    d->winnerFont = font;
}

void CommunityPlayerItem::showWinner()
{
    d->winnerShown = true;
    prepareGeometryChange();
    d->shownAction = d->winner;
    setSubItemPen(SubItemAction, d->winnerPen);
    setSubItemBrush(SubItemAction, d->winnerBrush);
    update();
}

bool CommunityPlayerItem::isWinnerShown() const
{
    return d->winnerShown;
}

QImage CommunityPlayerItem::actionImage() const
{
    return d->shownAction;
}

QSizeF CommunityPlayerItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::PreferredSize || which == Qt::MinimumSize)
        return BoxSize;
    return PlayerItemBase::sizeHint(which, constraint);
}

QRectF CommunityPlayerItem::boundingRect() const
{
    QRectF area = rect();
    if (!d->shownAction.isNull()) {
        const QSizeF size = d->shownAction.deviceIndependentSize();
        area |= QRectF(QPointF((BoxSize.width() - size.width()) / 2, -size.height() - 4), size);
    }
    QRectF around;
    for (CardItem* card : const_cast<CommunityPlayerItem*>(this)->cards())
        around |= card->mapRectToParent(card->boundingRect());
    if (!around.isNull())
        area |= around.adjusted(-14, -14, 14, 14);
    return area;
}

void CommunityPlayerItem::showActionBadge(PlayerAction action)
{
    prepareGeometryChange(); // the picture above the box comes or goes
    // Seen from afar a picture reads better than a word.
    switch (action) {
    case ActionMuck:
    case ActionFold:
        d->shownAction = d->muck;
        break;
    case ActionCall:
    case ActionCheck:
        d->shownAction = d->call;
        break;
    case ActionBet:
    case ActionRaise:
    case ActionAllIn:
        d->shownAction = d->bet;
        break;
    default:
        d->shownAction = QImage();
        break;
    }
    d->winnerShown = false;
    if (d->shownAction.isNull())
        PlayerItemBase::showActionBadge(action);
    update();
}

void CommunityPlayerItem::paintSeat(QPainter* painter)
{
    if (available())
        return;
    const bool turn = isTimerRunning();
    const QImage& box = turn && !d->active.isNull() ? d->active : seatImage();
    if (!box.isNull())
        painter->drawImage(QRectF(QPointF(), box.deviceIndependentSize()), box);
    if (!d->shownAction.isNull()) {
        const QSizeF size = d->shownAction.deviceIndependentSize();
        painter->drawImage(QRectF(QPointF((BoxSize.width() - size.width()) / 2, -size.height() - 4), size),
                           d->shownAction);
    }
}

void CommunityPlayerItem::paintTimer(QPainter* painter)
{
    // The player whose turn it is has a glowing frame round the cards.
    if (d->cardGlow.isNull() || cards().isEmpty())
        return;
    // Stretched round the cards as they lie, whatever their number.
    QRectF around;
    for (CardItem* card : cards())
        around |= card->mapRectToParent(card->boundingRect());
    painter->drawImage(around.adjusted(-14, -14, 14, 14), d->cardGlow);
}

} // namespace VeskGames
