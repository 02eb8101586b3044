#include "playergamescene.h"
#include "protocol.h"

#include "compositecommand.h"
#include "playerlogging.h"

#include "abstractgamescenesidebuttons.h"
#include "abstractplayeritem.h"
#include "abstracttheme.h"
#include "betpushbuttonitem.h"
#include "carditem.h"
#include "handhistorytext.h"
#include "holecardsitem.h"
#include "kioskbetter.h"
#include "playergamescene_p.h"
#include "pot.h"
#include "pushbuttonitem.h"
#include "slider.h"
#include "stackitem.h"
#include "textitem.h"
#include "textutils.h"
#include "thinclientbetter.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QPixmap>

namespace VeskGames {

namespace {

constexpr double kEpsilon = 0.000001;
constexpr int kPotLimit = 2;
constexpr int kControlsZ = 800;

} // namespace

PlayerGameScene::PlayerGameScene(AbstractTheme* theme, QObject* parent)
    : GameScene(theme, parent), d(std::make_unique<Private>())
{
    setUseOneNumberCards(true);
    d->betMethod = qApp && qApp->property("inifeaturechipsisdefault").toBool() ? BetChips : BetSlider;
    makeControls();
}

PlayerGameScene* PlayerGameScene::createTable(AbstractTheme* theme, QObject* parent)
{
    auto* table = new PlayerGameScene(theme, parent);
    table->setSceneRect(0, 0, 1024, 768);
    if (theme)
        table->setBackgroundBrush(
            QBrush(QPixmap::fromImage(theme->image(AbstractTheme::ImageTableBackground))));
    table->setupScene();
    return table;
}

PlayerGameScene::~PlayerGameScene()
{
    // The side buttons live in this scene but belong to their set.
    delete d->sideButtons;
}

void PlayerGameScene::makeControls()
{
    AbstractTheme* t = theme();
    const auto button = [this, t](auto* item, AbstractTheme::ImageType up, AbstractTheme::ImageType down) {
        item->setThemeImages(t, up, down);
        if (t)
            item->resize(item->preferredSize());
        item->setZValue(kControlsZ);
        item->hide();
        addItem(item);
        connect(item, &PushButtonItem::playSound, this, qOverload<qint32>(&PlayerGameScene::slotPlaySound));
        return item;
    };
    d->fold = button(new PushButtonItem, AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
    d->foldAndLeave =
        button(new PushButtonItem, AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
    d->checkCall =
        button(new BetPushButtonItem, AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
    d->betRaise =
        button(new BetPushButtonItem, AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
    d->plus = button(new PushButtonItem, AbstractTheme::ImagePlusButton, AbstractTheme::ImagePlusButtonDown);
    d->minus =
        button(new PushButtonItem, AbstractTheme::ImageMinusButton, AbstractTheme::ImageMinusButtonDown);
    d->pot =
        button(new PushButtonItem, AbstractTheme::ImageBiggerButton, AbstractTheme::ImageBiggerButtonDown);
    d->presetsOn = t && t->itemBoolean(AbstractTheme::BooleanBetPresets);
    for (int i = 0; i < BetPresets::PresetCount; ++i) {
        BetPushButtonItem* preset =
            button(new BetPushButtonItem, AbstractTheme::ImageBigButton, AbstractTheme::ImageBigButtonDown);
        preset->setObjectName(QStringLiteral("betPreset%1").arg(i));
        connect(preset, &PushButtonItem::clicked, this, [this, i] { slotBetPreset(i); });
        d->presets[size_t(i)] = preset;
    }

    d->slider = new Slider;
    d->sliderProxy = new QGraphicsProxyWidget;
    d->sliderProxy->setWidget(d->slider);
    d->sliderProxy->setZValue(kControlsZ);
    d->sliderProxy->hide();
    addItem(d->sliderProxy);
    d->kioskBetter = new KioskBetter(t ? t->chipRenderThread() : nullptr, t);
    d->kioskBetter->setZValue(kControlsZ);
    d->kioskBetter->hide();
    addItem(d->kioskBetter);
    d->thinClientBetter = new ThinClientBetter;
    d->thinClientBetter->hide();
    addItem(d->thinClientBetter);

    connect(d->slider, &Slider::sliderValueChanged, this, &PlayerGameScene::slotSliderValueChanged);
    connect(d->slider, &Slider::playSound, this, qOverload<qint32>(&PlayerGameScene::slotPlaySound));
    connect(d->kioskBetter, &KioskBetter::sliderValueChanged, this, &PlayerGameScene::slotSliderValueChanged);
    connect(d->thinClientBetter, &ThinClientBetter::sliderValueChanged, this,
            &PlayerGameScene::slotSliderValueChanged);
    connect(d->fold, &PushButtonItem::clicked, this, &PlayerGameScene::slotFold);
    connect(d->foldAndLeave, &PushButtonItem::clicked, this, &PlayerGameScene::slotFoldAndLeave);
    connect(d->checkCall, &PushButtonItem::clicked, this, &PlayerGameScene::slotCheck);
    connect(d->betRaise, &PushButtonItem::clicked, this, &PlayerGameScene::slotBet);
    connect(d->plus, &PushButtonItem::clicked, d->slider, &Slider::pageStepAdd);
    connect(d->minus, &PushButtonItem::clicked, d->slider, &Slider::pageStepSub);
    connect(d->pot, &PushButtonItem::clicked, this, &PlayerGameScene::slotBetPot);

    d->holeCards = new HoleCardsItem(t ? t->cardRenderThread() : nullptr);
    d->holeCards->setZValue(kControlsZ - 10);
    addItem(d->holeCards);
    d->handText = new TextItem;
    d->infoText = new TextItem;
    d->statusText = new TextItem;
    for (TextItem* text : {d->handText, d->infoText, d->statusText}) {
        if (t) {
            text->setFont(t->font(AbstractTheme::Font2));
            text->setPen(t->pen(AbstractTheme::Pen8));
            text->setBrush(t->brush(AbstractTheme::Brush0));
        }
        text->setZValue(kControlsZ);
        addItem(text);
    }
}

void PlayerGameScene::setupScene()
{
    GameScene::setupScene();
    if (!d->sideButtons && theme()) {
        d->sideButtons = theme()->createGameSceneSideButton();
        d->sideButtons->setScene(this);
        connectSideButtons();
    }
    layoutControls();
    retranslate();
}

void PlayerGameScene::layoutControls()
{
    AbstractTheme* t = theme();
    if (!t)
        return;
    d->fold->setPos(t->itemPosition(AbstractTheme::PositionFoldButton));
    d->foldAndLeave->setPos(t->itemPosition(AbstractTheme::PositionFoldButton));
    d->checkCall->setPos(t->itemPosition(AbstractTheme::PositionCheckCallButton));
    d->betRaise->setPos(t->itemPosition(AbstractTheme::PositionBetRaiseButton));
    // The amount row runs under the buttons, from the fold button's left
    // edge to the raise button's right one.
    const qreal left = d->fold->x();
    const qreal right = d->betRaise->x() + d->betRaise->size().width();
    const qreal row = d->fold->y() + d->fold->size().height() + 16;
    const qreal rowHeight = qMax(d->minus->size().height(), d->pot->size().height());
    d->minus->setPos(left, row + (rowHeight - d->minus->size().height()) / 2);
    d->pot->setPos(right - d->pot->size().width(), row + (rowHeight - d->pot->size().height()) / 2);
    // With the presets the pot has its button among them: the slider takes its place.
    const qreal plusRight = d->presetsOn ? right : d->pot->x() - 12;
    d->plus->setPos(plusRight - d->plus->size().width(), row + (rowHeight - d->plus->size().height()) / 2);
    // The presets in a row of their own under the amount row, spread over its width.
    const qreal presetTop = row + rowHeight + 12;
    const qreal presetWidth = (right - left - 12 * (BetPresets::PresetCount - 1)) / BetPresets::PresetCount;
    for (int i = 0; i < BetPresets::PresetCount; ++i) {
        BetPushButtonItem* preset = d->presets[size_t(i)];
        preset->resize(presetWidth, preset->preferredSize().height());
        preset->setPos(left + i * (presetWidth + 12), presetTop);
    }
    const qreal sliderLeft = d->minus->x() + d->minus->size().width() + 12;
    d->sliderProxy->setGeometry(QRectF(sliderLeft, row, d->plus->x() - 12 - sliderLeft, rowHeight));
    d->kioskBetter->setPos(left, row);
    d->holeCards->setPos(t->itemPosition(AbstractTheme::PositionHoleCards));
    d->handText->setPos(t->itemPosition(AbstractTheme::PositionHandName));
    d->infoText->setPos(12, 8);
    if (d->sideButtons)
        d->sideButtons->layoutButtons();
}

void PlayerGameScene::retranslate()
{
    GameScene::retranslate();
    d->fold->setText(tr("Fold"));
    d->foldAndLeave->setText(tr("Fold"));
    d->plus->setText(QString());
    d->minus->setText(QString());
    d->pot->setText(tr("Pot"));
    d->presets[BetPresets::HalfPot]->setText(tr("\u00bd Pot"));
    d->presets[BetPresets::TwoThirdsPot]->setText(tr("\u2154 Pot"));
    d->presets[BetPresets::Pot]->setText(tr("Pot"));
    if (d->sideButtons)
        d->sideButtons->retranslateUi();
    if (d->parameters.valid)
        setGameParameters(d->parameters);
}

void PlayerGameScene::setPlayerCount(int count)
{
    hideActionControls();
    d->foldAndLeave->hide();
    clearHoleCards(true);
    GameScene::setPlayerCount(count);
}

// --- the action request ----------------------------------------------------

void PlayerGameScene::action(int position, int timeout, double valueMin, double valueMax,
                             double valuePotLimit, double value, bool isAllIn, bool canRaise,
                             qint64 timestamp, qint64 now)
{
    if (position < 0 || position >= playerCount()) {
        qCWarning(lcTable, "PlayerGameScene::action(), wrong position %d", position);
        return;
    }
    if (position == viewPosition()) {
        GameScene::slotPlaySound(AbstractTheme::AudioTimeWarning, true);
        d->foldAndLeave->hide();
        const double myBet = betStack(position) ? betStack(position)->value() : 0.0;
        d->requestBet = myBet;
        // Before the controls show: the presets only where there is a choice of amount.
        d->presetRequest = {value, valueMin, valueMax, valuePotLimit, d->limitType == kPotLimit};
        for (int i = 0; i < BetPresets::PresetCount; ++i)
            d->presets[size_t(i)]->setAmountText(
                moneyText(myBet + BetPresets::amount(BetPresets::Preset(i), d->presetRequest)));
        double top = valueMax;
        if (d->limitType == kPotLimit && valueMax - valuePotLimit >= kEpsilon)
            top = valuePotLimit;
        double smallStep = d->smallBlind;
        double bigStep = d->bigBlind;
        if (smallStep <= kEpsilon || bigStep <= kEpsilon)
            smallStep = bigStep = 2 * d->ante;
        setBetWidgetValues(myBet + valueMin, myBet + top, smallStep, bigStep);

        const bool toCall = value > kEpsilon;
        d->checkCall->setText(toCall ? tr("Call") : tr("Check"));
        d->checkCall->setAmountText(toCall ? moneyText(value) : QString());
        d->betRaise->setText(toCall ? tr("Raise") : tr("Bet"));

        if (valueMin > kEpsilon && valueMax - valueMin >= kEpsilon) {
            // A free choice of amount.
            d->fold->show();
            d->checkCall->show();
            d->betRaise->show();
            setBetWidgetVisible(true);
        } else if (isAllIn) {
            hideActionControls();
            d->fold->show();
            d->checkCall->setText(tr("All-in"));
            d->checkCall->show();
        } else if (valueMin <= kEpsilon || valueMin - valueMax >= kEpsilon) {
            // Nothing to raise with.
            hideActionControls();
            d->fold->show();
            d->checkCall->show();
        } else {
            // The only raise there is puts everything in.
            d->fold->show();
            d->checkCall->show();
            d->betRaise->show();
            setBetWidgetVisible(false);
            d->betRaise->setText(tr("All-in"));
            d->betRaise->setAmountText(moneyText(myBet + valueMin));
        }
        if (!canRaise) {
            d->betRaise->hide();
            setBetWidgetVisible(false);
        }
        d->potBetAmount = qMin(valueMax, valuePotLimit);
        connect(seat(position), &AbstractPlayerItem::timeout, this, &PlayerGameScene::slotPlayerTimeout,
                Qt::UniqueConnection);
    }
    GameScene::action(position, timeout, timestamp, now);
}

void PlayerGameScene::offerFoldAndLeave()
{
    // Only while no decision is asked for: the fold of a request says the same.
    if (!d->fold->isVisible())
        d->foldAndLeave->show();
}

void PlayerGameScene::hideActionControls()
{
    d->fold->hide();
    d->checkCall->hide();
    d->betRaise->hide();
    setBetWidgetVisible(false);
}

void PlayerGameScene::setBetWidgetVisible(bool visible)
{
    d->sliderProxy->setVisible(visible && d->betMethod == BetSlider);
    d->plus->setVisible(visible && d->betMethod == BetSlider);
    d->minus->setVisible(visible && d->betMethod == BetSlider);
    d->pot->setVisible(visible && !d->presetsOn);
    for (BetPushButtonItem* preset : d->presets)
        preset->setVisible(visible && d->presetsOn && BetPresets::applies(d->presetRequest));
    d->kioskBetter->setVisible(visible && d->betMethod == BetChips);
    d->thinClientBetter->setVisible(visible && d->betMethod == BetThinClient);
}

bool PlayerGameScene::isBetWidgetVisible() const
{
    switch (d->betMethod) {
    case BetSlider:
        return d->sliderProxy->isVisible();
    case BetChips:
        return d->kioskBetter->isVisible();
    case BetThinClient:
        return d->thinClientBetter->isVisible();
    }
    return false;
}

void PlayerGameScene::setBetWidgetValues(double min, double max, double smallStep, double bigStep)
{
    d->betMin = min;
    d->betMax = max;
    d->smallStep = smallStep;
    d->bigStep = bigStep;
    switch (d->betMethod) {
    case BetSlider:
        d->slider->setValues(min, max, smallStep, bigStep);
        break;
    case BetChips:
        d->kioskBetter->setValues(min, max, smallStep, bigStep);
        break;
    case BetThinClient:
        d->thinClientBetter->setValues(min, max, smallStep, bigStep);
        break;
    }
}

void PlayerGameScene::setBetWidgetAmount(double amount)
{
    switch (d->betMethod) {
    case BetSlider:
        d->slider->setSliderValue(amount);
        break;
    case BetChips:
        d->kioskBetter->setSliderValue(amount);
        break;
    case BetThinClient:
        d->thinClientBetter->setSliderValue(amount);
        break;
    }
}

double PlayerGameScene::betAmount() const
{
    switch (d->betMethod) {
    case BetSlider:
        return d->slider->sliderValue();
    case BetChips:
        return d->kioskBetter->sliderValue();
    case BetThinClient:
        return d->thinClientBetter->sliderValue();
    }
    return 0;
}

QString PlayerGameScene::moneyText(double amount) const
{
    // Tournament chips are plain numbers; a cash table's are money.
    if (d->gameTypeFlags & (Protocol::SitAndGo | Protocol::Freeroll))
        return TextUtils::doubleToString(amount);
    return TextUtils::doubleToCurrencyString(amount, d->parameters.currency);
}

// --- the player's decisions ------------------------------------------------

void PlayerGameScene::slotFold()
{
    hideActionControls();
    if (AbstractPlayerItem* own = seat(viewPosition()))
        own->cancelTimer();
    clearSeatCards(viewPosition());
    clearHoleCards(false);
    Q_EMIT actionFold();
}

void PlayerGameScene::slotCheck()
{
    hideActionControls();
    if (AbstractPlayerItem* own = seat(viewPosition()))
        own->cancelTimer();
    Q_EMIT actionCheck();
}

void PlayerGameScene::slotBet()
{
    // Read before hiding: a hidden widget keeps its amount, but say it plainly.
    const double amount = betAmount();
    hideActionControls();
    if (AbstractPlayerItem* own = seat(viewPosition()))
        own->cancelTimer();
    // What goes in now, not the total in front.
    Q_EMIT actionBet(amount - d->requestBet);
}

void PlayerGameScene::slotBetPot()
{
    // Never outside what the request allows, whatever the pot says.
    setBetWidgetAmount(qBound(d->betMin, d->requestBet + d->potBetAmount, d->betMax));
}

void PlayerGameScene::slotBetPreset(int preset)
{
    if (preset < 0 || preset >= BetPresets::PresetCount || !BetPresets::applies(d->presetRequest))
        return;
    const double add = BetPresets::amount(BetPresets::Preset(preset), d->presetRequest);
    setBetWidgetAmount(qBound(d->betMin, d->requestBet + add, d->betMax));
}

void PlayerGameScene::slotFoldAndLeave()
{
    d->foldAndLeave->hide();
    Q_EMIT actionFoldAndLeave();
}

void PlayerGameScene::slotPlayerTimeout()
{
    hideActionControls();
}

void PlayerGameScene::slotSliderValueChanged(double value)
{
    d->betRaise->setAmountText(moneyText(value));
}

void PlayerGameScene::keyAction(PokerTableView::Action action)
{
    switch (action) {
    case PokerTableView::ActionFold:
        if (d->fold->isVisible())
            slotFold();
        else if (d->foldAndLeave->isVisible())
            slotFoldAndLeave();
        break;
    case PokerTableView::ActionCheckCall:
        if (d->checkCall->isVisible())
            slotCheck();
        break;
    case PokerTableView::ActionBetRaise:
        if (d->betRaise->isVisible())
            slotBet();
        break;
    case PokerTableView::ActionSlideUp:
        if (d->sliderProxy->isVisible())
            d->slider->pageStepAdd();
        break;
    case PokerTableView::ActionSlideDown:
        if (d->sliderProxy->isVisible())
            d->slider->pageStepSub();
        break;
    case PokerTableView::ActionHalfPot:
    case PokerTableView::ActionTwoThirdsPot:
    case PokerTableView::ActionPot: {
        const int preset = action == PokerTableView::ActionHalfPot        ? BetPresets::HalfPot
                           : action == PokerTableView::ActionTwoThirdsPot ? BetPresets::TwoThirdsPot
                                                                          : BetPresets::Pot;
        if (d->presets[size_t(preset)]->isVisible())
            slotBetPreset(preset);
        else if (action == PokerTableView::ActionPot && d->pot->isVisible())
            slotBetPot();
        break;
    }
    case PokerTableView::ActionNone:
        break;
    }
}

void PlayerGameScene::setBetMethod(int method)
{
    if (method == d->betMethod || method < BetSlider || method > BetThinClient)
        return;
    const double amount = betAmount();
    const bool shown = isBetWidgetVisible();
    setBetWidgetVisible(false);
    d->betMethod = method;
    setBetWidgetValues(d->betMin, d->betMax, d->smallStep, d->bigStep);
    setBetWidgetAmount(amount);
    setBetWidgetVisible(shown);
}

void PlayerGameScene::setBetMethodByName(const QString& name)
{
    const QString lower = name.toLower();
    setBetMethod(lower == QLatin1String("chips")        ? BetChips
                 : lower == QLatin1String("thinclient") ? BetThinClient
                                                        : BetSlider);
}

int PlayerGameScene::betMethod() const
{
    return d->betMethod;
}

// --- the local player's cards ----------------------------------------------

Command* PlayerGameScene::dealHole(int position, const QVector<Card>& cards, int msec)
{
    if (position != viewPosition() || position < 0)
        return GameScene::dealHole(position, cards, msec);
    // The faces go to the player's own cards; the seat shows backs.
    QVector<Card> known;
    for (const Card& card : cards) {
        if (card.suit() != Card::Back)
            known.append(card);
    }
    if (!known.isEmpty()) {
        d->holeCards->setCards(known);
        updateHandText();
    }
    return GameScene::dealHole(position, QVector<Card>(cards.size(), Card(Card::Back, 0)), msec);
}

Command* PlayerGameScene::dealCommunity(const QVector<Card>& cards, int msec)
{
    if (cards.size() == 1)
        slotPlaySound(AbstractTheme::AudioDealCard);
    else if (cards.size() == 3)
        slotPlaySound(AbstractTheme::AudioDealCards);
    Command* command = GameScene::dealCommunity(cards, msec);
    // The hand is named once the cards it speaks of lie on the table: when
    // the last one lands, also when the deal is cut short (a sequence cut
    // short says nothing, its steps do).
    auto* sequence = qobject_cast<CompositeCommand*>(command);
    if (sequence && !sequence->commands().isEmpty())
        connect(sequence->commands().last(), &Command::done, this, &PlayerGameScene::updateHandText);
    else if (command)
        connect(command, &Command::done, this, &PlayerGameScene::updateHandText);
    else
        updateHandText();
    return command;
}

Command* PlayerGameScene::potGive(const QList<int>& positions, const QList<double>& amounts, int msec)
{
    slotPlaySound(AbstractTheme::AudioPotWinner);
    return GameScene::potGive(positions, amounts, msec);
}

void PlayerGameScene::clearHand()
{
    GameScene::clearHand();
    hideActionControls();
    clearHoleCards(true);
}

void PlayerGameScene::foldSeat(int position)
{
    GameScene::foldSeat(position);
    if (position == viewPosition() && position >= 0) {
        hideActionControls();
        clearHoleCards(false);
    }
}

void PlayerGameScene::clearHoleCards(bool force)
{
    if (qApp && qApp->property("inifeaturekeepholecards").toBool() && d->stayFold && !force) {
        d->holeCards->setHoleCardsAsFolded(true);
        return;
    }
    d->handText->setText(QString());
    d->holeCards->clearCards();
}

void PlayerGameScene::updateHandText()
{
    const QVector<Card> hole = d->holeCards->cards();
    if (hole.isEmpty())
        return;
    QByteArray board;
    for (const CardItem* item : communityCards())
        board.append(item->card().toEncodedChar());
    QByteArray own;
    for (const Card& card : hole)
        own.append(card.toEncodedChar());
    // Omaha plays exactly two of the hand's cards.
    const bool omaha = hole.size() == 4;
    const QString name =
        board.size() >= 3 ? HandHistoryText::handName(board, own, omaha ? 2 : 0, 2) : QString();
    d->handText->setText(name);
    d->handText->resize(d->handText->effectiveSizeHint(Qt::PreferredSize));
}

void PlayerGameScene::setPotsShown(int count)
{
    GameScene::setPotsShown(count);
    if (count > 1 && mainPot() && sidePot()) {
        sidePot()->setPos(mainPot()->sceneBoundingRect().right() + sidePot()->chipsWidth() + 10,
                          sidePot()->y());
    }
}

// --- sounds ----------------------------------------------------------------

void PlayerGameScene::slotPlaySound(qint32 audioType)
{
    GameScene::slotPlaySound(audioType, false);
}

void PlayerGameScene::playSoundNow(qint32 audioType, bool override)
{
    // Only the table in front of the player speaks.
    bool active = false;
    for (const QGraphicsView* view : views())
        active = active || view->window()->isActiveWindow();
    if (active && theme())
        theme()->playSound(AbstractTheme::AudioType(audioType), override);
}

// --- accessors -------------------------------------------------------------

double PlayerGameScene::potBetAmount() const
{
    return d->potBetAmount;
}

double PlayerGameScene::requestBet() const
{
    return d->requestBet;
}

PushButtonItem* PlayerGameScene::foldButton() const
{
    return d->fold;
}

PushButtonItem* PlayerGameScene::foldAndLeaveButton() const
{
    return d->foldAndLeave;
}

BetPushButtonItem* PlayerGameScene::checkCallButton() const
{
    return d->checkCall;
}

BetPushButtonItem* PlayerGameScene::betRaiseButton() const
{
    return d->betRaise;
}

PushButtonItem* PlayerGameScene::plusButton() const
{
    return d->plus;
}

PushButtonItem* PlayerGameScene::minusButton() const
{
    return d->minus;
}

PushButtonItem* PlayerGameScene::potButton() const
{
    return d->pot;
}

BetPushButtonItem* PlayerGameScene::betPresetButton(int preset) const
{
    return preset >= 0 && preset < BetPresets::PresetCount ? d->presets[size_t(preset)] : nullptr;
}

Slider* PlayerGameScene::slider() const
{
    return d->slider;
}

QGraphicsProxyWidget* PlayerGameScene::sliderProxy() const
{
    return d->sliderProxy;
}

KioskBetter* PlayerGameScene::kioskBetter() const
{
    return d->kioskBetter;
}

ThinClientBetter* PlayerGameScene::thinClientBetter() const
{
    return d->thinClientBetter;
}

HoleCardsItem* PlayerGameScene::holeCards() const
{
    return d->holeCards;
}

TextItem* PlayerGameScene::handText() const
{
    return d->handText;
}

AbstractGameSceneSideButtons* PlayerGameScene::sideButtons() const
{
    return d->sideButtons;
}

} // namespace VeskGames
