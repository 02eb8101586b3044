#include "communitygamescene.h"

#include "abstracttheme.h"
#include "carditem.h"
#include "communityplayeritem.h"
#include "communitytheme.h"
#include "graphicsitemanimationcommand.h"
#include "pot.h"
#include "textitem.h"

#include <QGraphicsItemAnimation>
#include <QGraphicsPixmapItem>
#include <QTimeLine>

namespace VeskGames {

namespace {

constexpr double kEmpty = 0.000001;

// Half a turn about a point: what the people across the table read upright.
QTransform halfTurnAbout(const QPointF& centre)
{
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(180);
    turn.translate(-centre.x(), -centre.y());
    return turn;
}

} // namespace

class CommunityGameScene::Private
{
public:
    Pot* mainMirror = nullptr;
    Pot* sideMirror = nullptr;
    std::array<TextItem*, 2> texts{};
    QList<QGraphicsItem*> frames;
    int potsShown = 1;
    GameParameters parameters;
};

CommunityGameScene::CommunityGameScene(AbstractTheme* theme, QObject* parent)
    : GameScene(theme, parent), d(std::make_unique<Private>())
{
    setShowChips(false);
    SvgImageRenderer* chips = theme ? theme->chipRenderThread() : nullptr;
    d->mainMirror = new Pot(chips);
    d->sideMirror = new Pot(chips);
    for (Pot* mirror : {d->mainMirror, d->sideMirror}) {
        mirror->setZValue(200);
        mirror->hide();
        addItem(mirror);
    }
    mainPot()->setMirror(d->mainMirror);
    sidePot()->setMirror(d->sideMirror);
    for (TextItem*& text : d->texts) {
        text = new TextItem;
        text->setZValue(300);
        text->hide();
        addItem(text);
    }
}

CommunityGameScene::~CommunityGameScene() = default;

QSizeF CommunityGameScene::screenSize() const
{
    // The theme's places are in the scene's units; the view does the scaling.
    if (!sceneRect().isEmpty())
        return sceneRect().size();
    const QSize configured = theme() ? theme()->configureForScreenSize() : QSize();
    return configured.isValid() ? QSizeF(configured) : QSizeF(CommunityTheme::DesignSize);
}

void CommunityGameScene::setGameParameters(const GameParameters& params)
{
    d->parameters = params;
    setupScene();
}

const GameParameters& CommunityGameScene::gameParameters() const
{
    return d->parameters;
}

void CommunityGameScene::resetDealer()
{
    // The seat's box may have grown with the shown cards.
    if (dealerPosition() >= 0 && dealerPosition() < playerCount())
        setDealer(dealerPosition(), 0);
}

void CommunityGameScene::setupScene()
{
    GameScene::setupScene();
    AbstractTheme* t = theme();
    if (!t)
        return;
    d->mainMirror->setTheme(t);
    d->sideMirror->setTheme(t);
    qDeleteAll(d->frames);
    d->frames.clear();
    // Where the board will fall: five empty frames in a row.
    const QImage frame = t->image(AbstractTheme::ImageCardFrame);
    const QPixmap picture = QPixmap::fromImage(frame);
    const QSizeF card = t->itemSize(AbstractTheme::SizeCommunityCard);
    // The frame's margin lies round the card's place.
    const QSizeF margin = (frame.deviceIndependentSize() - card) / 2;
    const QPointF first = t->itemPosition(AbstractTheme::PositionBoard);
    const QPointF gap = t->itemOffset(AbstractTheme::OffsetBoardGap);
    for (int i = 0; i < CardFrameCount; ++i) {
        auto* item = new QGraphicsPixmapItem(picture);
        item->setTransformationMode(Qt::SmoothTransformation);
        item->setPos(first +
                     QPointF(i * (card.width() + gap.x()) - margin.width(), gap.y() - margin.height()));
        item->setZValue(50);
        addItem(item);
        d->frames.append(item);
    }
    const QStringList words{tr("Tournament running"), tr("Players still in")};
    for (int i = 0; i < 2; ++i) {
        TextItem* text = d->texts.at(size_t(i));
        text->setPen(t->pen(AbstractTheme::Pen10));
        text->setBrush(t->brush(AbstractTheme::Brush11));
        text->setFont(t->font(AbstractTheme::Font12));
        text->setText(words.at(i));
        text->resize(text->effectiveSizeHint(Qt::PreferredSize));
        const QSizeF screen = screenSize();
        text->setPos((screen.width() - text->size().width()) / 2,
                     i == 0 ? 12 : screen.height() - text->size().height() - 12);
        if (i == 0)
            text->setTransform(halfTurnAbout(text->boundingRect().center()));
    }
}

void CommunityGameScene::clearPots()
{
    mainPot()->setPendingBets(0, false);
    GameScene::clearPots();
}

AbstractPlayerItem* CommunityGameScene::createPlayerItem()
{
    auto* seat = new CommunityPlayerItem;
    if (AbstractTheme* t = theme()) {
        seat->setActionImageMuck(t->image(AbstractTheme::ImageActionMuck));
        seat->setActionImageCall(t->image(AbstractTheme::ImageActionCall));
        seat->setActionImageBet(t->image(AbstractTheme::ImageActionBet));
        seat->setActionImageWinner(t->image(AbstractTheme::ImageActionWinner));
        seat->setPlayerActiveImage(t->image(AbstractTheme::ImageNoPlayerAvatar));
        seat->setSeatImage(t->image(AbstractTheme::ImagePlayerAvatar));
        seat->setPlayerActiveCardGlowImage(t->image(AbstractTheme::ImageTimerDeadline));
        QFont winner = t->font(AbstractTheme::Font4);
        winner.setPixelSize(winner.pixelSize() + 4);
        seat->setActionWinnerData(t->pen(AbstractTheme::Pen5), t->brush(AbstractTheme::Brush3), winner);
        for (PlayerItemBase::SubItem item :
             {PlayerItemBase::SubItemName, PlayerItemBase::SubItemStack, PlayerItemBase::SubItemAction}) {
            seat->setSubItemFont(item, t->font(AbstractTheme::Font4));
            seat->setSubItemPen(item, t->pen(AbstractTheme::Pen1));
        }
        seat->setSubItemBrush(PlayerItemBase::SubItemStack, t->brush(AbstractTheme::Brush3));
        // The cards lie on the table's side of the box, which faces outwards.
        seat->setCardOffset(QPointF(24, -125));
        seat->setNextCardOffset(QPointF(120, 0));
        seat->setTheme(t);
    }
    return seat;
}

bool CommunityGameScene::canLayoutWithoutLocalPlayer() const
{
    return true;
}

Command* CommunityGameScene::postSmall(int position, double amount, int msec)
{
    Command* command = GameScene::postSmall(position, amount, msec);
    if (position < 0 || position >= playerCount())
        return command;
    // The round's bets add up in the pot that collects them.
    Pot* collecting = sidePot()->value() > kEmpty ? sidePot() : mainPot();
    collecting->setPendingBets(collecting->pendingBets() + amount, true);
    collecting->show();
    collecting->mirror()->show();
    setPotsShown(sidePot()->isVisible() ? 2 : 1);
    return command;
}

Command* CommunityGameScene::bettingDone(const QList<double>& pots, const QList<double>& rakes, int msec)
{
    mainPot()->setPendingBets(0, false);
    sidePot()->setPendingBets(0, false);
    return GameScene::bettingDone(pots, rakes, msec);
}

void CommunityGameScene::setPotsShown(int count)
{
    d->potsShown = count;
    AbstractTheme* t = theme();
    const QPointF place = t ? t->itemPosition(AbstractTheme::PositionMainPot) : QPointF(0, 0);
    const QSizeF screen = screenSize();
    for (Pot* pot : {mainPot(), sidePot(), d->mainMirror, d->sideMirror})
        pot->setTransform(QTransform());
    if (count != 2) {
        Pot* pot = mainPot();
        const QRectF box = pot->boundingRect();
        pot->setPos((screen.width() - box.width()) / 2 - box.left(), place.y());
        pot->setTransform(halfTurnAbout(box.center()));
        // Point-mirrored: as far from the top as the pot's bottom is from the bottom.
        d->mainMirror->setPos((screen.width() - box.width()) / 2 - box.left(),
                              screen.height() - place.y() - box.bottom() - box.top());
        d->mainMirror->setVisible(pot->isVisible());
        d->sideMirror->hide();
        stepAside(pot);
        return;
    }
    mainPot()->setPos(screen.width() - place.x() - mainPot()->boundingRect().right(), place.y());
    sidePot()->setPos(place);
    const QPointF centre(screen.width() / 2, screen.height() / 2);
    for (Pot* pot : {mainPot(), sidePot()}) {
        pot->setTransform(halfTurnAbout(pot->boundingRect().center()));
        Pot* mirror = pot->mirror();
        mirror->setPos(pot->pos());
        // Opposite its pot, upright for the other side.
        const QTransform aboutScreen = halfTurnAbout(mirror->mapFromScene(centre));
        mirror->setTransform(halfTurnAbout(mirror->boundingRect().center()) * aboutScreen);
        mirror->setVisible(pot->isVisible());
        stepAside(pot);
    }
}

void CommunityGameScene::stepAside(Pot* pot)
{
    // The pots lie between the board and the seats' cards; where a seat's
    // cards reach into that row, the pot and its mirror step along it, as
    // little as they can, to where both are clear of every seat.
    Pot* mirror = pot->mirror();
    QList<QRectF> seats;
    for (int i = 0; i < playerCount(); ++i) {
        auto* s = dynamic_cast<PlayerItemBase*>(seat(i));
        if (!s || !s->isVisible())
            continue;
        // The box and the cards; the turn's glow round them may lie under a pot.
        seats << s->mapRectToScene(s->rect());
        for (const CardItem* card : s->cards())
            seats << card->sceneBoundingRect();
    }
    const QRectF here = pot->sceneBoundingRect();
    const QRectF there = mirror ? mirror->sceneBoundingRect() : QRectF();
    const qreal width = screenSize().width();
    const auto clear = [&](qreal dx) {
        // Point-mirrored, the mirror steps the other way.
        const QRectF a = here.translated(dx, 0);
        const QRectF b = there.translated(-dx, 0);
        if (a.left() < 0 || a.right() > width || (!b.isNull() && (b.left() < 0 || b.right() > width)))
            return false;
        for (const QRectF& r : std::as_const(seats)) {
            if (r.intersects(a) || (!b.isNull() && r.intersects(b)))
                return false;
        }
        return true;
    };
    for (qreal step = 0; step < width; step += 4) {
        for (const qreal dx : {step, -step}) {
            if (clear(dx)) {
                pot->moveBy(dx, 0);
                if (mirror)
                    mirror->moveBy(-dx, 0);
                return;
            }
        }
    }
}

Command* CommunityGameScene::setDealer(int position, int msec)
{
    if (!isLegal(position, "setDealer"))
        return nullptr;
    // The base makes and dresses the button; the place is beside the seat box.
    // It moves from where it was shown, not from the base's place for the seat.
    const bool shown = dealerButton() && dealerButton()->isVisible();
    const QPointF from = shown ? dealerButton()->pos() : QPointF();
    GameScene::setDealer(position, 0);
    QGraphicsPixmapItem* button = dealerButton();
    const qreal turn = theme() ? theme()->playerRotations(playerCount()).value(position) : 0.0;
    const QRectF seat = this->seat(position)->sceneBoundingRect();
    const QRectF own = button->boundingRect();
    QPointF target;
    if (qFuzzyCompare(turn, -90.0))
        target = QPointF(seat.x() + seat.width() - (own.height() - 1), seat.y());
    else if (qFuzzyCompare(turn, 180.0))
        target = QPointF(seat.x(), seat.y() + own.width() + 4);
    else if (qFuzzyCompare(turn, 90.0))
        target = QPointF(seat.x() + seat.width() + 1, seat.y() + seat.height());
    else
        target = QPointF(seat.x() + seat.width(), seat.y() - 1);
    button->setTransform(QTransform().rotate(turn));
    // The next cards are dealt from the button's own place.
    setDealerTarget(target);
    if (msec > 0 && shown) {
        button->setPos(from);
        auto* move = new GraphicsItemAnimationCommand(button, false);
        move->animation()->setPosAt(0.0, from);
        move->animation()->setPosAt(1.0, target);
        move->timeLine()->setDuration(msec);
        move->timeLine()->setEasingCurve(QEasingCurve::InOutSine);
        button->show();
        return move;
    }
    button->setPos(target);
    button->show();
    return nullptr;
}

void CommunityGameScene::setTourStatus(int status)
{
    if (status != tourStatus()) {
        for (TextItem* text : d->texts)
            text->setVisible(status == 1);
    }
    GameScene::setTourStatus(status);
}

Pot* CommunityGameScene::mainPotMirror() const
{
    return d->mainMirror;
}

Pot* CommunityGameScene::sidePotMirror() const
{
    return d->sideMirror;
}

QList<TextItem*> CommunityGameScene::tournamentTexts() const
{
    return {d->texts.at(0), d->texts.at(1)};
}

QList<QGraphicsItem*> CommunityGameScene::cardFrames() const
{
    return d->frames;
}

} // namespace VeskGames
