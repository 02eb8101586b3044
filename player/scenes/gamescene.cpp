#include "gamescene.h"
#include "playerlogging.h"
#include "protocol.h"

#include "gamescene_p.h"

#include "abstractplayeritem.h"
#include "abstracttheme.h"
#include "besthands.h"
#include "carditem.h"
#include "compositecommand.h"
#include "dealholecommand.h"
#include "graphicsitemanimationcommand.h"
#include "parallelcommand.h"
#include "placebetcommand.h"
#include "pot.h"
#include "seatlayout.h"
#include "stackitem.h"
#include "svgimagerenderer.h"

#include <QGraphicsItemAnimation>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QPixmapCache>
#include <QPointer>
#include <QTimeLine>

#include <utility>

namespace VeskGames {

using namespace GameSceneDetail;

GameScene::GameScene(AbstractTheme* theme, QObject* parent)
    : PokerTableScene(parent, theme), d(std::make_unique<Private>())
{
    QPixmapCache::setCacheLimit(10240);
    SvgImageRenderer* chips = theme ? theme->chipRenderThread() : nullptr;
    d->mainPot = new Pot(chips);
    d->sidePot = new Pot(chips);
    for (Pot* pot : {d->mainPot, d->sidePot}) {
        pot->setZValue(200);
        pot->setValue(0, false);
        addItem(pot);
    }
    clearPots();
}

GameScene::~GameScene() = default;

QString GameScene::tableImageName() const
{
    return theme() ? theme()->imageName(AbstractTheme::ImageTableBackground) : QString();
}

void GameScene::setupScene()
{
    refreshSeats();
    setDealerButtonImage();
    if (AbstractTheme* t = theme()) {
        d->mainPot->setPos(t->itemPosition(AbstractTheme::PositionMainPot));
        d->sidePot->setPos(t->itemPosition(AbstractTheme::PositionSidePot));
        d->mainPot->setTheme(t);
        d->sidePot->setTheme(t);
    }
    retranslate();
}

void GameScene::retranslate()
{
    d->mainPot->setTitle(tr("Pot:"));
    d->sidePot->setTitle(tr("Side pot:"));
}

void GameScene::setPlayerCount(int count)
{
    const QSignalBlocker quiet(this);
    qDeleteAll(d->seats);
    qDeleteAll(d->betStacks);
    d->seats.clear();
    d->betStacks.clear();
    d->folded.fill(false, count);
    if (AbstractTheme* t = theme())
        t->playerPositions(count); // warns about a count it has no table for
    SvgImageRenderer* chips = theme() ? theme()->chipRenderThread() : nullptr;
    for (int i = 0; i < count; ++i) {
        AbstractPlayerItem* seat = createPlayerItem();
        seat->setAvailable(true); // free until the server names who sits there
        seat->setShowAvatar(d->showAvatars, false);
        connect(seat, qOverload<qint32, bool>(&AbstractPlayerItem::playSound), this,
                &GameScene::slotPlaySound);
        addItem(seat);
        d->seats.append(seat);
        auto* stack = new StackItem(chips);
        stack->setShowValue(true);
        stack->setVisible(d->showChips);
        addItem(stack);
        d->betStacks.append(stack);
    }
    if (theme())
        refreshSeats();
    update();
}

AbstractPlayerItem* GameScene::createPlayerItem()
{
    return theme()->createPlayerItem();
}

void GameScene::refreshSeats()
{
    for (int i = 0; i < d->seats.size(); ++i) {
        AbstractPlayerItem* seat = d->seats.at(i);
        seat->setSubItemText(AbstractPlayerItem::SubItemAvailable, tr("Available\nSeat"));
        if (seat->available()) {
            seat->hide();
            if (i == d->dealerPosition && d->dealerButton)
                d->dealerButton->hide();
        }
    }
    // Hidden stacks of a table without chips draw none either.
    for (StackItem* stack : std::as_const(d->betStacks))
        stack->setTheme(d->showChips ? theme() : nullptr);
    layoutSeats();
}

void GameScene::layoutSeats()
{
    const int n = int(d->seats.size());
    if (n == 0 || !theme())
        return;
    if (d->viewPosition < 0 && !canLayoutWithoutLocalPlayer())
        return;
    const bool instant = d->gameType >= 0 && (d->gameType & Protocol::InstantDeal);
    d->rotation = SeatLayout::apply(d->seats, d->betStacks, theme(), d->viewPosition, instant);
}

void GameScene::setDealerButtonImage()
{
    if (!d->dealerButton || !theme())
        return;
    const QImage image = theme()->image(AbstractTheme::ImageDealerButton);
    d->dealerButton->setPixmap(QPixmap::fromImage(image));
}

bool GameScene::isLegal(int position, const char* operation) const
{
    if (position >= 0 && position < d->seats.size())
        return true;
    qCDebug(lcTable, "GameScene::%s(), position %d is illegal", operation, position);
    return false;
}

void GameScene::setLocalPlayer(const QString& name)
{
    for (AbstractPlayerItem* seat : std::as_const(d->seats))
        seat->setYOU(false);
    d->viewPosition = -1;
    for (int i = 0; i < d->seats.size(); ++i) {
        if (d->seats.at(i)->playerName() == name) {
            d->viewPosition = i;
            d->seats.at(i)->setYOU(true);
            // Seated, the player has no use for the free seats.
            for (AbstractPlayerItem* seat : std::as_const(d->seats)) {
                if (seat->available())
                    seat->hide();
            }
            break;
        }
    }
    layoutSeats();
}

void GameScene::setGameType(int flags)
{
    d->gameType = flags;
    if (canLayoutWithoutLocalPlayer())
        layoutSeats();
}

bool GameScene::canLayoutWithoutLocalPlayer() const
{
    return false;
}

void GameScene::setPlayerData(int position, const QString& userName, int avatarId, double userStack,
                              int userStatus, const QString& displayName, bool showUserName)
{
    if (!isLegal(position, "setPlayerData"))
        return;
    AbstractPlayerItem* seat = d->seats.at(position);
    if (userName.isEmpty()) {
        // Nobody there any more: the seat is free again.
        clearSeatCards(position);
        seat->setPlayerStack(0);
        seat->setAvailable(true);
        return;
    }
    seat->setPlayerName(position, userName, showUserName, displayName);
    seat->setAvatarId(avatarId);
    seat->setPlayerStack(userStack);
    seat->setAvailable(false);
    seat->setPlayerStatus(AbstractPlayerItem::PlayerStatus(userStatus));
    // In a running tournament a seat without chips stays away.
    if (!seat->isVisible() && (d->tourStatus == 0 || (userStack > kEmpty && d->tourStatus > 0)))
        seat->show();
}

Command* GameScene::setDealer(int position, int msec)
{
    if (!isLegal(position, "setDealer"))
        return nullptr;
    if (!d->dealerButton) {
        d->dealerButton = new QGraphicsPixmapItem;
        d->dealerButton->setZValue(-1);
        d->dealerButton->setTransformationMode(Qt::SmoothTransformation);
        d->dealerButton->hide();
        addItem(d->dealerButton);
        setDealerButtonImage();
    }
    d->dealerTarget = d->seats.at(position)->dealerButtonPosition();
    d->dealerPosition = position;
    const qreal turn = theme() ? theme()->playerRotations(int(d->seats.size())).value(position) : 0.0;
    d->dealerButton->setTransform(QTransform().rotate(turn));
    if (msec > 0) {
        auto* move = new GraphicsItemAnimationCommand(d->dealerButton, false);
        flight(move, d->dealerButton->pos(), d->dealerTarget, msec, QEasingCurve::InOutSine);
        d->dealerButton->show();
        return move;
    }
    d->dealerButton->setPos(d->dealerTarget);
    d->dealerButton->show();
    return nullptr;
}

void GameScene::setDealerTarget(const QPointF& target)
{
    d->dealerTarget = target;
}

StackItem* GameScene::flyingStack(double amount)
{
    auto* chips = new StackItem(theme() ? theme()->chipRenderThread() : nullptr);
    chips->setZValue(kFlyingZ);
    chips->setTheme(theme());
    chips->setValue(amount);
    chips->hide();
    addItem(chips);
    return chips;
}

Command* GameScene::postSmall(int position, double amount, int msec)
{
    if (!isLegal(position, "postSmall"))
        return nullptr;
    AbstractPlayerItem* seat = d->seats.at(position);
    StackItem* bet = d->betStacks.at(position);
    if (msec > 0 && d->showChips) {
        const QPointF start =
            seat->pos() + (theme() ? theme()->itemOffset(AbstractTheme::OffsetBetChips) : QPointF());
        StackItem* chips = flyingStack(amount);
        auto* command = new PlaceBetCommand(chips, seat, position, amount);
        flight(command, start, bet->pos(), msec, QEasingCurve::InOutSine);
        connect(command, &Command::done, this, &GameScene::slotPlaceBetDone);
        return command;
    }
    bet->setValue(bet->value() + amount);
    seat->setPlayerStack(seat->playerStack() - amount);
    return nullptr;
}

void GameScene::slotPlaceBetDone(Command* command)
{
    auto* bet = qobject_cast<PlaceBetCommand*>(command);
    if (!bet || bet->position() >= d->betStacks.size())
        return;
    StackItem* stack = d->betStacks.at(bet->position());
    stack->setValue(stack->value() + bet->amount());
}

CardItem* GameScene::makeCard(const Card& card, int sizeIndex)
{
    auto* item = new CardItem(card);
    if (AbstractTheme* t = theme())
        item->setSize(t->itemSize(AbstractTheme::ItemSize(sizeIndex)));
    if (SvgImageRenderer* renderer = cardRenderer())
        connect(item, &SvgImageItem::renderImage, renderer, &SvgImageRenderer::renderImage);
    return item;
}

Command* GameScene::dealHole(int position, const QVector<Card>& cards, int msec)
{
    if (!isLegal(position, "dealHole"))
        return nullptr;
    return deal(position, cards, msec, false);
}

Command* GameScene::dealHolePublic(int position, const QVector<Card>& cards, int msec)
{
    if (!isLegal(position, "dealHolePublic"))
        return nullptr;
    return deal(position, cards, msec, true);
}

Command* GameScene::deal(int position, const QVector<Card>& cards, int msec, bool open)
{
    AbstractPlayerItem* seat = d->seats.at(position);
    // Sized as they will stay: a back as a back, a known card as a face.
    const auto sizeOf = [open](const Card& card) { return open || card.suit() != Card::Back ? 1 : 0; };
    if (msec <= 0) {
        for (const Card& card : cards) {
            CardItem* item = makeCard(card, sizeOf(card));
            item->preRender();
            seat->addCard(item);
        }
        return nullptr;
    }
    QPointF start =
        d->dealerTarget + (theme() ? theme()->itemOffset(AbstractTheme::OffsetDealStart) : QPointF());
    const QPointF step = theme() ? theme()->itemOffset(AbstractTheme::OffsetHoleCard) : QPointF(20, 20);
    auto* group = new QGraphicsItemGroup;
    group->hide();
    addItem(group);
    QVector<CardItem*> items;
    for (const Card& card : cards) {
        // Private cards fly face down and turn when they land.
        CardItem* item = makeCard(open ? card : Card(Card::Back, 0), sizeOf(card));
        item->setZValue(100);
        item->preRender();
        item->setPos(start);
        start += step;
        group->addToGroup(item);
        items.append(item);
    }
    if (!items.isEmpty())
        group->setZValue(items.first()->zValue());
    auto* command = new DealHoleCommand(group, items, position, cards);
    flight(command, QPointF(0, 0), seat->pos() - d->dealerTarget, msec, QEasingCurve::OutCubic);
    connect(command, &Command::done, this, &GameScene::slotDealHoleDone);
    return command;
}

void GameScene::slotDealHoleDone(Command* command)
{
    auto* deal = qobject_cast<DealHoleCommand*>(command);
    if (!deal)
        return;
    QGraphicsItemGroup* group = deal->group();
    const QVector<CardItem*> items = deal->items();
    const QVector<Card> cards = deal->cards();
    for (CardItem* item : items)
        group->removeFromGroup(item);
    destroyItemGroup(group);
    deal->setItem(nullptr);
    if (deal->position() >= d->seats.size()) {
        qDeleteAll(items);
        return;
    }
    AbstractPlayerItem* seat = d->seats.at(deal->position());
    for (int i = 0; i < items.size(); ++i) {
        CardItem* item = items.at(i);
        seat->addCard(item);
        item->setCard(cards.value(i));
        item->preRender();
        item->show();
    }
}

Command* GameScene::dealCommunity(const QVector<Card>& cards, int msec)
{
    if (cards.isEmpty())
        return nullptr;
    CompositeCommand* sequence = msec > 0 ? new CompositeCommand(true) : nullptr;
    for (const Card& card : cards) {
        const int k = int(d->communityCards.size());
        const QPointF place = boardCardPosition(k);
        CardItem* item = makeCard(card, boardCardSize());
        item->setZValue(100 + k);
        item->preRender();
        addItem(item);
        d->communityCards.append(item);
        if (sequence) {
            item->hide();
            auto* fly = new GraphicsItemAnimationCommand(item, false);
            flight(fly, d->dealerTarget, place, msec / int(cards.size()), QEasingCurve::OutCubic);
            // Cut short before its turn, the card must still lie face up in its place.
            const QPointer<CardItem> landed(item);
            connect(fly, &Command::done, this, [landed] {
                if (landed)
                    landed->show();
            });
            sequence->addCommand(fly);
        } else {
            item->setPos(place);
        }
    }
    return sequence;
}

int GameScene::boardCardSize() const
{
    // Eight seats and more leave no room for the bets around a board of the
    // largest cards: it takes the size of a shown hand.
    return d->seats.size() >= kCrowded ? AbstractTheme::SizeHoleCard : AbstractTheme::SizeCommunityCard;
}

QPointF GameScene::boardCardPosition(int k) const
{
    AbstractTheme* t = theme();
    const QPointF first = t ? t->itemPosition(AbstractTheme::PositionBoard) : QPointF();
    const QPointF gap = t ? t->itemOffset(AbstractTheme::OffsetBoardGap) : QPointF(4, 0);
    const QSizeF full = t ? t->itemSize(AbstractTheme::SizeCommunityCard) : QSizeF(69, 92);
    const QSizeF card = t ? t->itemSize(AbstractTheme::ItemSize(boardCardSize())) : full;
    // A smaller board keeps the middle of the full one.
    const QPointF middle = first + QPointF((5 * full.width() + 4 * gap.x()) / 2, full.height() / 2);
    const QPointF start = middle - QPointF((5 * card.width() + 4 * gap.x()) / 2, card.height() / 2);
    return start + QPointF(k * (card.width() + gap.x()), gap.y());
}

void GameScene::clearCommunityCards()
{
    qDeleteAll(d->communityCards);
    d->communityCards.clear();
}

void GameScene::clearHand()
{
    cancelAction();
    for (int i = 0; i < d->seats.size(); ++i) {
        clearSeatCards(i);
        d->seats.at(i)->setAction(AbstractPlayerItem::ActionNone, 0);
    }
    for (StackItem* bet : std::as_const(d->betStacks))
        bet->setValue(0);
    d->folded.fill(false);
    clearCommunityCards();
    clearPots();
}

void GameScene::foldSeat(int position)
{
    if (!isLegal(position, "foldSeat"))
        return;
    clearSeatCards(position);
    d->folded[position] = true;
}

void GameScene::clearSeatCards(int position)
{
    AbstractPlayerItem* seat = d->seats.value(position);
    if (!seat)
        return;
    // The seat only forgets its cards; the items are the scene's to remove.
    const QVector<CardItem*> cards = seat->cards();
    seat->clearCards();
    qDeleteAll(cards);
}

bool GameScene::isFolded(int position) const
{
    return d->folded.value(position);
}

void GameScene::action(int position, int timeout, qint64 timestamp, qint64 now)
{
    const qint64 elapsed = qMax<qint64>(now - timestamp + 1, 0);
    if (position >= 0 && position < d->seats.size() && elapsed < timeout)
        d->seats.at(position)->startTimer(timeout * 1000, int(elapsed * 1000));
    d->actingPosition = position;
}

void GameScene::cancelAction()
{
    if (d->actingPosition >= 0 && d->actingPosition < d->seats.size())
        d->seats.at(d->actingPosition)->cancelTimer();
}

void GameScene::setTourStatus(int status)
{
    d->tourStatus = status;
}

void GameScene::setPotsShown(int) {}

void GameScene::setShowAvatars(bool show)
{
    d->showAvatars = show;
    for (AbstractPlayerItem* seat : std::as_const(d->seats))
        seat->setShowAvatar(show, true);
}

bool GameScene::showAvatars() const
{
    return d->showAvatars;
}

void GameScene::setUseOneNumberCards(bool use)
{
    d->useOneNumberCards = use;
}

SvgImageRenderer* GameScene::cardRenderer() const
{
    AbstractTheme* t = theme();
    if (!t)
        return nullptr;
    if (d->useFourColourCards)
        return t->cardFourColourRenderThread();
    return d->useOneNumberCards ? t->cardOneRenderThread() : t->cardRenderThread();
}

void GameScene::setUseFourColourCards(bool use)
{
    if (use == d->useFourColourCards)
        return;
    SvgImageRenderer* before = cardRenderer();
    d->useFourColourCards = use;
    SvgImageRenderer* after = cardRenderer();
    if (!before || !after)
        return;
    // Only the cards this scene drew move over: items that bring their own deck keep it.
    const QList<QGraphicsItem*> all = items();
    for (QGraphicsItem* item : all) {
        auto* card = dynamic_cast<CardItem*>(item);
        if (card && disconnect(card, &SvgImageItem::renderImage, before, &SvgImageRenderer::renderImage)) {
            connect(card, &SvgImageItem::renderImage, after, &SvgImageRenderer::renderImage);
            card->setImage(QImage(), card->elementId()); // asked for again when next painted
        }
    }
}

bool GameScene::useFourColourCards() const
{
    return d->useFourColourCards;
}

void GameScene::setShowChips(bool show)
{
    d->showChips = show;
    for (StackItem* stack : std::as_const(d->betStacks)) {
        stack->setVisible(show);
        stack->setTheme(show ? theme() : nullptr);
    }
}

void GameScene::markBestHands()
{
    if (d->communityCards.size() < 3)
        return;
    QList<QVector<CardItem*>> hands;
    for (AbstractPlayerItem* seat : std::as_const(d->seats))
        hands.append(seat->cards());
    BestHands::mark(d->communityCards, hands, d->gameType >= 0 && (d->gameType & 0x2));
}

bool GameScene::allHandsShown() const
{
    for (AbstractPlayerItem* seat : std::as_const(d->seats)) {
        if (seat->countCards() > 0 && !seat->isShowdown())
            return false;
    }
    return true;
}

void GameScene::slotPlaySound(qint32 audioType, bool override)
{
    playSoundNow(audioType, override);
}

void GameScene::playSoundNow(qint32, bool) {}

int GameScene::playerCount() const
{
    return int(d->seats.size());
}

AbstractPlayerItem* GameScene::seat(int position) const
{
    return d->seats.value(position);
}

StackItem* GameScene::betStack(int position) const
{
    return d->betStacks.value(position);
}

const QVector<CardItem*>& GameScene::communityCards() const
{
    return d->communityCards;
}

Pot* GameScene::mainPot() const
{
    return d->mainPot;
}

Pot* GameScene::sidePot() const
{
    return d->sidePot;
}

QGraphicsPixmapItem* GameScene::dealerButton() const
{
    return d->dealerButton;
}

int GameScene::viewPosition() const
{
    return d->viewPosition;
}

int GameScene::dealerPosition() const
{
    return d->dealerPosition;
}

int GameScene::actingPosition() const
{
    return d->actingPosition;
}

int GameScene::handStatus() const
{
    return d->handStatus;
}

int GameScene::tourStatus() const
{
    return d->tourStatus;
}

int GameScene::gameType() const
{
    return d->gameType;
}

double GameScene::mainRake() const
{
    return d->mainRake;
}

double GameScene::sideRakeTotal() const
{
    return d->sideRakeTotal;
}

bool GameScene::showChips() const
{
    return d->showChips;
}

int GameScene::rotation() const
{
    return d->rotation;
}

} // namespace VeskGames
