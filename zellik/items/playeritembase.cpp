#include "playeritembase.h"

#include "actionbadge.h"
#include "avatarmanager.h"
#include "carditem.h"
#include "drawutils.h"
#include "painterpathitem.h"
#include "textutils.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <array>
#include <cmath>

namespace VeskGames {

namespace {

// The seat's plate, and the round picture at its left, in seat coordinates.
constexpr QRectF kPlate(5, 36, 150, 70);
constexpr QPointF kAvatarCentre(40, 71);
constexpr qreal kAvatarRadius = 26;
constexpr qreal kRingInner = 27;
constexpr qreal kRingOuter = 31;
// The name gets the plate right of the picture; longer names are cut.
constexpr qreal kNameRoom = 82;
constexpr int kNameCut = 12;
constexpr QPointF kGlowMargin(12, 12);

struct StaticImages
{
    QImage deadline;
    QImage track;
    QImage glow;
    QImage glowRed;
};

StaticImages& timerImages()
{
    static StaticImages images;
    return images;
}

} // namespace

class PlayerItemBase::Private
{
public:
    struct Text
    {
        PainterPathItem* item = nullptr;
        QString text;
        QFont font;
        QPointF offset;
        bool centred = false;
        bool visible = true;
    };

    PlayerStatus status = StatusActive;
    PlayerAction action = ActionNone;
    PlayerAction shown = ActionNone;
    double amount = 0;
    double stack = 0;
    QString name;
    QString displayName;
    int position = 0;
    bool showUserName = true;
    int avatarId = -1;
    bool showAvatar = true;
    bool avatarConnected = false;
    QImage avatar;      ///< from the avatar cache
    QImage playerImage; ///< the theme's picture when avatars are off
    QImage seatImage;
    QImage availableImage;
    QImage youImage;
    bool you = false;
    QPointF youOffset{8, 28};
    bool available = false;
    bool vitalVisible = true;
    std::array<Text, SubItemCount> texts;
    QVector<CardItem*> cards;
    QPointF cardOffset{62, -8};
    QPointF nextCardOffset{40, 0};
    QPointF nextOpenCardOffset{4, 0};
    QPointF dealerButton;
    // The turn's clock: started late when the turn began before we saw it.
    QElapsedTimer clock;
    int duration = 0;
    int startedAt = 0;
    QTimer frames;
    bool timerShown = false;
    bool warned = false;
    Qt::Alignment timerAlignment = Qt::AlignTop;
    QTimer actionTimer;
};

PlayerItemBase::PlayerItemBase(QGraphicsItem* parent)
    : AbstractPlayerItem(parent), d(std::make_unique<Private>())
{
    setFlag(ItemHasNoContents, false);
    // A seat changes rarely but is drawn every frame something flies past it.
    setCacheMode(DeviceCoordinateCache);
    for (int i = 0; i < SubItemCount; ++i) {
        Private::Text& t = d->texts[size_t(i)];
        t.item = new PainterPathItem(this);
        t.item->setZValue(200 + i); // texts stay readable over the cards
        t.item->setPen(QPen(QColor(0, 0, 0, 160), 1.0));
        t.item->setBrush(Qt::white);
        t.font.setPixelSize(i == SubItemName ? 14 : 13);
        t.font.setBold(i != SubItemName);
    }
    centerSubItemTextWithOffset(SubItemName, QPointF(110, 58));
    centerSubItemTextWithOffset(SubItemStack, QPointF(110, 84));
    centerSubItemTextWithOffset(SubItemAction, QPointF(110, 58));
    centerSubItemTextWithOffset(SubItemAvailable, QPointF(kPlate.center().x() + 18, kPlate.center().y()));
    setSubItemVisibility(SubItemAction, false);
    setSubItemVisibility(SubItemAvailable, false);
    setSubItemVisibility(SubItemTimer, false);

    d->frames.setInterval(TimerFrameMs);
    d->frames.setTimerType(Qt::PreciseTimer);
    connect(&d->frames, &QTimer::timeout, this, &PlayerItemBase::slotTimerFrame);
    d->actionTimer.setSingleShot(true);
    d->actionTimer.setInterval(ActionTextMs);
    connect(&d->actionTimer, &QTimer::timeout, this, &PlayerItemBase::slotActionTextTimeout);

    resize(SeatSize);
    setPlayerStack(0);
    refreshName();
}

PlayerItemBase::~PlayerItemBase() = default;

void PlayerItemBase::setAction(PlayerAction action, double amount)
{
    d->action = action;
    d->amount = amount;
    if (d->status != StatusActive) {
        const PlayerAction derived = d->status == StatusSittingOut ? ActionSitOut
                                     : d->status == StatusLeaving  ? ActionLeaving
                                                                   : ActionNone;
        showActionBadge(derived);
        return;
    }
    if (action > ActionOutOfGame || action < ActionNone)
        return;
    if (action == ActionOutOfGame) {
        hide();
        return;
    }
    showActionBadge(action);
}

AbstractPlayerItem::PlayerAction PlayerItemBase::action() const
{
    return d->action;
}

AbstractPlayerItem::PlayerAction PlayerItemBase::shownAction() const
{
    return d->shown;
}

void PlayerItemBase::showActionBadge(PlayerAction action)
{
    d->shown = action;
    const QString text = ActionBadge::text(action);
    if (text.isEmpty()) {
        d->actionTimer.stop();
        slotActionTextTimeout();
        return;
    }
    setSubItemBrush(SubItemAction, ActionBadge::colour(action));
    setSubItemText(SubItemAction, text);
    setSubItemVisibility(SubItemAction, true);
    setSubItemVisibility(SubItemName, false);
    d->actionTimer.start();
}

void PlayerItemBase::slotActionTextTimeout()
{
    setSubItemVisibility(SubItemAction, false);
    setSubItemVisibility(SubItemName, true);
}

void PlayerItemBase::addCard(CardItem* card)
{
    if (!card)
        return;
    prepareGeometryChange(); // a seat's outline may follow its cards
    d->cards.append(card);
    card->setParentItem(this);
    card->setZValue(100 + d->cards.size());
    layoutCards();
}

QVector<CardItem*>& PlayerItemBase::cards()
{
    return d->cards;
}

int PlayerItemBase::countCards() const
{
    return int(d->cards.size());
}

void PlayerItemBase::clearCards()
{
    // The scene that dealt them removes them.
    prepareGeometryChange();
    d->cards.clear();
    // Texts moved aside for shown cards go back now, not with the next deal.
    layoutCards();
}

bool PlayerItemBase::isShowdown() const
{
    return !d->cards.isEmpty() && d->cards.first()->card().suit() != Card::Back;
}

void PlayerItemBase::layoutCards()
{
    const int n = int(d->cards.size());
    for (int i = 0; i < n; ++i)
        d->cards.at(i)->setPos(d->cardOffset + d->nextCardOffset * (qreal(i) / n));
}

void PlayerItemBase::setPlayerStatus(PlayerStatus status)
{
    if (d->status == status)
        return;
    d->status = status;
    // The badge follows the status at once; sitting out also dims the seat.
    setAction(d->action, d->amount);
    update();
}

AbstractPlayerItem::PlayerStatus PlayerItemBase::playerStatus() const
{
    return d->status;
}

void PlayerItemBase::setPlayerName(int position, const QString& name, bool showUserName,
                                   const QString& displayName)
{
    d->position = position;
    d->name = name;
    d->showUserName = showUserName;
    d->displayName = displayName;
    refreshName();
}

void PlayerItemBase::refreshName()
{
    QString text;
    if (!d->showUserName)
        text = tr("Player %1").arg(d->position + 1);
    else
        text = d->displayName.isEmpty() ? d->name : d->displayName;
    const QFontMetricsF metrics(d->texts[SubItemName].font);
    if (metrics.horizontalAdvance(text) > kNameRoom) {
        text = text.left(kNameCut);
        // Wide letters can still overflow the plate: the end gives way.
        text = metrics.elidedText(text, Qt::ElideRight, kNameRoom);
    }
    setSubItemText(SubItemName, text);
}

QString PlayerItemBase::playerName()
{
    return d->name;
}

void PlayerItemBase::setYOU(bool you)
{
    d->you = you;
    update();
}

bool PlayerItemBase::isYOU() const
{
    return d->you;
}

void PlayerItemBase::setPlayerStack(double stack)
{
    d->stack = qMax(stack, 0.0);
    setSubItemText(SubItemStack, TextUtils::doubleToString(d->stack));
}

double PlayerItemBase::playerStack() const
{
    return d->stack;
}

void PlayerItemBase::setAvailable(bool available)
{
    d->available = available;
    // A free seat shows its own picture and no texts.
    for (SubItem item : {SubItemName, SubItemStack, SubItemAction})
        d->texts[item].item->setVisible(!available && d->vitalVisible && d->texts[item].visible);
    setSubItemVisibility(SubItemAvailable, available);
    if (available)
        cancelTimer();
    update();
}

bool PlayerItemBase::available() const
{
    return d->available;
}

void PlayerItemBase::setShowAvatar(bool show, bool updateNow)
{
    d->showAvatar = show;
    if (updateNow)
        setAvatarId(d->avatarId);
    update();
}

bool PlayerItemBase::showAvatar() const
{
    return d->showAvatar;
}

void PlayerItemBase::setAvatarId(int id)
{
    d->avatarId = id;
    d->avatar = QImage();
    if (!d->showAvatar || id <= 0) {
        update();
        return;
    }
    AvatarManager* avatars = AvatarManager::instance();
    if (!d->avatarConnected) {
        connect(avatars, &AbstractImageManager::imageChanged, this, &PlayerItemBase::slotAvatarChanged);
        d->avatarConnected = true;
    }
    d->avatar = avatars->avatarImage(id);
    update();
}

int PlayerItemBase::avatarId() const
{
    return d->avatarId;
}

void PlayerItemBase::slotAvatarChanged(int id)
{
    if (id == d->avatarId && d->showAvatar) {
        d->avatar = AvatarManager::instance()->avatarImage(id);
        update();
    }
}

QImage PlayerItemBase::shownAvatar() const
{
    return d->showAvatar && !d->avatar.isNull() ? d->avatar : d->playerImage;
}

void PlayerItemBase::startTimer(int duration, int currentTime)
{
    d->duration = qMax(duration, 1);
    d->startedAt = qBound(0, currentTime, d->duration);
    d->clock.start();
    d->warned = false;
    d->timerShown = true;
    d->frames.start();
    setSubItemVisibility(SubItemTimer, true);
    slotTimerFrame();
}

void PlayerItemBase::cancelTimer()
{
    d->frames.stop();
    d->timerShown = false;
    setSubItemVisibility(SubItemTimer, false);
    update();
}

bool PlayerItemBase::isTimerRunning() const
{
    return d->frames.isActive();
}

int PlayerItemBase::remainingTime() const
{
    if (!d->timerShown)
        return 0;
    return int(qMax(qint64(0), d->duration - d->startedAt - d->clock.elapsed()));
}

qreal PlayerItemBase::timerProgress() const
{
    return d->duration > 0 ? 1.0 - qreal(remainingTime()) / d->duration : 0.0;
}

void PlayerItemBase::slotTimerFrame()
{
    const int left = remainingTime();
    // Tenths only in the last ten seconds, where they matter.
    const QString seconds = left < WarningMs ? QLocale().toString(std::floor(left / 100.0) / 10.0, 'f', 1)
                                             : QString::number(left / 1000);
    const QString text = tr("%1 sec").arg(seconds);
    if (text != d->texts[SubItemTimer].text)
        setSubItemText(SubItemTimer, text);
    if (d->you && !d->warned && left < WarningMs && isVisible()) {
        d->warned = true;
        Q_EMIT playSound(1046, true);
    }
    if (isVisible())
        update();
    if (left == 0)
        slotTimerFinished();
}

void PlayerItemBase::slotTimerFinished()
{
    d->frames.stop();
    d->timerShown = false;
    setSubItemVisibility(SubItemTimer, false);
    update();
    Q_EMIT timeout();
}

void PlayerItemBase::setSubItemText(SubItem item, const QString& text)
{
    if (item < 0 || item >= SubItemCount)
        return;
    Private::Text& t = d->texts[item];
    t.text = text;
    t.item->setPath(DrawUtils::makePath(t.font, text));
    placeSubItem(item);
}

QString PlayerItemBase::subItemText(SubItem item) const
{
    return item >= 0 && item < SubItemCount ? d->texts[item].text : QString();
}

bool PlayerItemBase::isSubItemVisible(SubItem item) const
{
    return item >= 0 && item < SubItemCount && d->texts[item].item->isVisible();
}

QRectF PlayerItemBase::subItemRect(SubItem item) const
{
    if (item < 0 || item >= SubItemCount)
        return QRectF();
    const PainterPathItem* path = d->texts[item].item;
    return path->mapRectToParent(path->path().boundingRect());
}

void PlayerItemBase::placeSubItem(SubItem item)
{
    Private::Text& t = d->texts[item];
    const QRectF box = t.item->path().boundingRect();
    if (item == SubItemTimer) {
        // Where the table has room: above, below or beside the seat.
        Qt::Alignment alignment = d->timerAlignment;
        qreal beside = 6;
        if (!(alignment & (Qt::AlignBottom | Qt::AlignLeft | Qt::AlignRight)) && !d->cards.isEmpty()) {
            // Above the plate lie the seat's cards: beside it then, on the
            // side towards the middle of the table, where there is room.
            const qreal middle = scene() ? scene()->sceneRect().center().x() : 0;
            alignment = middle < mapToScene(kPlate.center()).x() ? Qt::AlignLeft : Qt::AlignRight;
            beside = kGlowMargin.x() + 2; // clear of the turn's glow
        }
        QPointF centre(kPlate.center().x(), -box.height() / 2 - 4);
        if (alignment & Qt::AlignBottom)
            centre = QPointF(kPlate.center().x(), SeatSize.height() + box.height() / 2 + 4);
        else if (alignment & Qt::AlignLeft)
            centre = QPointF(kPlate.left() - box.width() / 2 - beside, kPlate.center().y());
        else if (alignment & Qt::AlignRight)
            centre = QPointF(kPlate.right() + box.width() / 2 + beside, kPlate.center().y());
        t.item->setPos(centre - box.center());
        return;
    }
    t.item->setPos(t.centred ? t.offset - box.center() : t.offset);
}

void PlayerItemBase::setTimerTextAlignment(Qt::Alignment alignment)
{
    d->timerAlignment = alignment;
    placeSubItem(SubItemTimer);
}

void PlayerItemBase::setDealerButtonPosition(const QPointF& position)
{
    d->dealerButton = position;
}

const QPointF& PlayerItemBase::dealerButtonPosition() const
{
    return d->dealerButton;
}

void PlayerItemBase::setPlayerImage(const QImage& image)
{
    d->playerImage = image;
    update();
}

void PlayerItemBase::setAvailableImage(const QImage& image)
{
    d->availableImage = image;
    update();
}

void PlayerItemBase::setSeatImage(const QImage& image)
{
    d->seatImage = image;
    update();
}

void PlayerItemBase::setYOUImage(const QImage& image)
{
    d->youImage = image;
    update();
}

QImage PlayerItemBase::seatImage() const
{
    return d->seatImage;
}

QImage PlayerItemBase::availableImage() const
{
    return d->availableImage;
}

void PlayerItemBase::setSubItemFont(SubItem item, const QFont& font)
{
    if (item < 0 || item >= SubItemCount)
        return;
    d->texts[item].font = font;
    if (item == SubItemName)
        refreshName();
    else
        setSubItemText(item, d->texts[item].text);
}

void PlayerItemBase::setSubItemPen(SubItem item, const QPen& pen)
{
    if (item >= 0 && item < SubItemCount)
        d->texts[item].item->setPen(pen);
}

void PlayerItemBase::setSubItemBrush(SubItem item, const QBrush& brush)
{
    if (item >= 0 && item < SubItemCount)
        d->texts[item].item->setBrush(brush);
}

QBrush PlayerItemBase::subItemBrush(SubItem item) const
{
    return item >= 0 && item < SubItemCount ? d->texts[item].item->brush() : QBrush();
}

void PlayerItemBase::setSubItemOffset(SubItem item, const QPointF& offset)
{
    if (item < 0 || item >= SubItemCount)
        return;
    d->texts[item].offset = offset;
    d->texts[item].centred = false;
    placeSubItem(item);
}

QPointF PlayerItemBase::subItemOffset(SubItem item) const
{
    return item >= 0 && item < SubItemCount ? d->texts[item].offset : QPointF();
}

void PlayerItemBase::setSubItemVisibility(SubItem item, bool visible)
{
    if (item < 0 || item >= SubItemCount)
        return;
    d->texts[item].visible = visible;
    bool shown = visible;
    if (item == SubItemAvailable)
        shown = visible && d->available;
    else if (item != SubItemTimer)
        shown = visible && d->vitalVisible && !d->available;
    d->texts[item].item->setVisible(shown);
}

void PlayerItemBase::centerSubItemTextWithOffset(SubItem item, const QPointF& offset)
{
    if (item < 0 || item >= SubItemCount)
        return;
    d->texts[item].offset = offset;
    d->texts[item].centred = true;
    placeSubItem(item);
}

void PlayerItemBase::setVitalItemsVisibility(bool visible)
{
    d->vitalVisible = visible;
    for (SubItem item : {SubItemName, SubItemStack, SubItemAction})
        setSubItemVisibility(item, d->texts[item].visible);
    update();
}

void PlayerItemBase::setCardOffset(const QPointF& offset)
{
    d->cardOffset = offset;
    layoutCards();
}

QPointF PlayerItemBase::cardOffset() const
{
    return d->cardOffset;
}

void PlayerItemBase::setNextCardOffset(const QPointF& offset)
{
    d->nextCardOffset = offset;
    layoutCards();
}

QPointF PlayerItemBase::nextCardOffset() const
{
    return d->nextCardOffset;
}

void PlayerItemBase::setNextOpenCardOffset(const QPointF& offset)
{
    d->nextOpenCardOffset = offset;
    layoutCards();
}

QPointF PlayerItemBase::nextOpenCardOffset() const
{
    return d->nextOpenCardOffset;
}

void PlayerItemBase::setYOUOffset(const QPointF& offset)
{
    d->youOffset = offset;
    update();
}

void PlayerItemBase::setTimerDeadlineImage(const QImage& image)
{
    timerImages().deadline = image;
}

void PlayerItemBase::setTimerTrackImage(const QImage& image)
{
    timerImages().track = image;
}

void PlayerItemBase::setTimerGlowImage(const QImage& image)
{
    timerImages().glow = image;
}

void PlayerItemBase::setTimerGlowRedImage(const QImage& image)
{
    timerImages().glowRed = image;
}

QRectF PlayerItemBase::plateRect() const
{
    return kPlate;
}

QSizeF PlayerItemBase::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::PreferredSize || which == Qt::MinimumSize)
        return SeatSize;
    return AbstractPlayerItem::sizeHint(which, constraint);
}

QRectF PlayerItemBase::boundingRect() const
{
    return rect().united(
        kPlate.adjusted(-kGlowMargin.x(), -kGlowMargin.y(), kGlowMargin.x(), kGlowMargin.y()));
}

void PlayerItemBase::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (d->timerShown)
        paintTimerGlow(painter);
    paintSeat(painter);
    if (d->timerShown)
        paintTimer(painter);
}

void PlayerItemBase::paintTimerGlow(QPainter* painter)
{
    const bool late = remainingTime() < WarningMs;
    const QImage& glow = late ? timerImages().glowRed : timerImages().glow;
    if (!glow.isNull())
        painter->drawImage(QRectF(kPlate.topLeft() - kGlowMargin, glow.deviceIndependentSize()), glow);
}

void PlayerItemBase::paintSeat(QPainter* painter)
{
    if (d->available) {
        if (!d->availableImage.isNull())
            painter->drawImage(QRectF(kPlate.topLeft(), d->availableImage.deviceIndependentSize()),
                               d->availableImage);
        return;
    }
    if (!d->vitalVisible)
        return;
    // Who sits out is still there, but quieter.
    painter->save();
    if (d->status != StatusActive)
        painter->setOpacity(0.55);
    if (!d->seatImage.isNull()) {
        painter->drawImage(QRectF(kPlate.topLeft(), d->seatImage.deviceIndependentSize()), d->seatImage);
    } else {
        painter->setPen(QPen(QColor(255, 255, 255, 60), 1));
        painter->setBrush(QColor(20, 24, 28, 220));
        painter->drawRoundedRect(kPlate, 10, 10);
    }
    const QImage picture = shownAvatar();
    const QRectF circle(kAvatarCentre - QPointF(kAvatarRadius, kAvatarRadius),
                        QSizeF(2 * kAvatarRadius, 2 * kAvatarRadius));
    if (picture.isNull()) {
        // Nobody's picture: a quiet outline of a head and shoulders.
        QPainterPath round;
        round.addEllipse(circle);
        painter->save();
        painter->setClipPath(round);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(255, 255, 255, 40));
        painter->drawEllipse(QRectF(circle.center() - QPointF(9, 17), QSizeF(18, 20)));
        painter->drawEllipse(QRectF(circle.center() + QPointF(-19, 6), QSizeF(38, 34)));
        painter->restore();
    } else {
        QPainterPath round;
        round.addEllipse(circle);
        painter->save();
        painter->setClipPath(round);
        const QSizeF size =
            picture.deviceIndependentSize().scaled(circle.size(), Qt::KeepAspectRatioByExpanding);
        painter->drawImage(QRectF(circle.center() - QPointF(size.width(), size.height()) / 2, size), picture);
        painter->restore();
    }
    painter->setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(circle);
    painter->restore();
    if (d->you && !d->youImage.isNull())
        painter->drawImage(QRectF(d->youOffset, d->youImage.deviceIndependentSize()), d->youImage);
}

void PlayerItemBase::paintTimer(QPainter* painter)
{
    const StaticImages& images = timerImages();
    const bool late = remainingTime() < WarningMs;
    const QImage& ring = late && !images.deadline.isNull() ? images.deadline : images.track;
    if (!ring.isNull()) {
        const QSizeF size = ring.deviceIndependentSize();
        painter->drawImage(QRectF(kAvatarCentre - QPointF(size.width(), size.height()) / 2, size), ring);
    }
    // The clock: a ring round the picture that fills from twelve o'clock as time runs out.
    const QRectF outer(kAvatarCentre - QPointF(kRingOuter, kRingOuter),
                       QSizeF(2 * kRingOuter, 2 * kRingOuter));
    const QRectF inner(kAvatarCentre - QPointF(kRingInner, kRingInner),
                       QSizeF(2 * kRingInner, 2 * kRingInner));
    QPainterPath band;
    band.addEllipse(outer);
    band.addEllipse(inner);
    QPainterPath sweep;
    sweep.moveTo(kAvatarCentre);
    sweep.arcTo(outer.adjusted(-2, -2, 2, 2), 90, -360 * timerProgress());
    sweep.closeSubpath();
    painter->setPen(Qt::NoPen);
    painter->setBrush(late ? QColor(235, 64, 52) : QColor(242, 201, 76));
    painter->drawPath(band.intersected(sweep));
}

} // namespace VeskGames
