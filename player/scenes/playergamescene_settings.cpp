// The player's table: side buttons, dialogs, information texts and the
// user settings, each kept on the server as a one-key map.
#include "abstractgamescenesidebuttons.h"
#include "abstractplayeritem.h"
#include "abstracttheme.h"
#include "holecardsitem.h"
#include "infodialogitem.h"
#include "playergamescene.h"
#include "playergamescene_p.h"
#include "playeroptionsdialogitem.h"
#include "protocol.h"
#include "pushbuttonitem.h"
#include "textitem.h"
#include "textutils.h"

#include <QCoreApplication>

namespace VeskGames {

namespace {

using SideType = AbstractGameSceneSideButtons::SideButtonType;

constexpr SideType kSideTypes[PlayerGameScene::SideButtonCount] = {
    AbstractGameSceneSideButtons::Close,        AbstractGameSceneSideButtons::BuyChips,
    AbstractGameSceneSideButtons::SitOut,       AbstractGameSceneSideButtons::Return,
    AbstractGameSceneSideButtons::StayAndWatch, AbstractGameSceneSideButtons::Options,
    AbstractGameSceneSideButtons::Payout,
};

QString amountText(double value, bool tournament, const QString& currency)
{
    return tournament ? TextUtils::doubleToString(value) : TextUtils::doubleToCurrencyString(value, currency);
}

} // namespace

// --- side buttons ----------------------------------------------------------

void PlayerGameScene::connectSideButtons()
{
    AbstractGameSceneSideButtons* set = d->sideButtons;
    for (int i = 0; i < SideButtonCount; ++i)
        set->setButtonVisible(kSideTypes[i], i != SideReturn && i != SideStayJoin && i != SidePayout);
    set->setButtonVisible(AbstractGameSceneSideButtons::JoinNewGame, false);
    if (PushButtonItem* stay = set->sideButton(AbstractGameSceneSideButtons::StayAndWatch)) {
        stay->setCheckable(true);
        stay->setCheckedText(tr("Join\nnew game"));
    }
    connect(set, &AbstractGameSceneSideButtons::sideButtonClicked, this, [this](SideType type) {
        switch (type) {
        case AbstractGameSceneSideButtons::Close:
            slotLeave();
            break;
        case AbstractGameSceneSideButtons::BuyChips:
            slotCashier();
            break;
        case AbstractGameSceneSideButtons::SitOut:
            Q_EMIT actionSitOut();
            break;
        case AbstractGameSceneSideButtons::Return:
            Q_EMIT actionReturn();
            break;
        case AbstractGameSceneSideButtons::StayAndWatch:
            slotStayJoin();
            break;
        case AbstractGameSceneSideButtons::Options:
            slotOptions();
            break;
        case AbstractGameSceneSideButtons::Payout:
            Q_EMIT actionPayout();
            break;
        default:
            break;
        }
    });
    set->layoutButtons();
}

PushButtonItem* PlayerGameScene::sideButton(SideButton button) const
{
    if (!d->sideButtons || button < 0 || button >= SideButtonCount)
        return nullptr;
    return d->sideButtons->sideButton(kSideTypes[button]);
}

static void showSide(AbstractGameSceneSideButtons* set, PlayerGameScene::SideButton button, bool visible)
{
    if (!set)
        return;
    set->setButtonVisible(kSideTypes[button], visible);
    set->layoutButtons();
}

void PlayerGameScene::slotLeave()
{
    InfoDialogItem* dialog = createInfoDialog();
    dialog->setText(tr("Confirm Close"));
    dialog->createButton(tr("Cancel"), QDialogButtonBox::RejectRole, true);
    PushButtonItem* close = dialog->createButton(tr("Close"), QDialogButtonBox::AcceptRole, true);
    connect(close, &PushButtonItem::clicked, this, &PlayerGameScene::actionLeave);
    pushDialog(dialog, true);
}

void PlayerGameScene::slotCashier()
{
    Q_EMIT actionCashier();
}

void PlayerGameScene::slotStayJoin()
{
    if (PushButtonItem* stay = sideButton(SideStayJoin))
        setStayFold(stay->isChecked(), true);
}

void PlayerGameScene::slotOptions()
{
    auto* dialog = new PlayerOptionsDialogItem(this);
    pushDialog(dialog, true);
}

void PlayerGameScene::showSittingOut()
{
    if (d->gameTypeFlags & Protocol::InstantDeal) {
        showSide(d->sideButtons, SideSitOut, false);
        showSide(d->sideButtons, SideReturn, true);
        return;
    }
    if (d->sittingOut)
        return; // one is enough, however often the server says so
    InfoDialogItem* dialog = createInfoDialog();
    d->sittingOut = dialog;
    dialog->setText(tr("Sitting Out"));
    PushButtonItem* back = dialog->createButton(tr("Return"), QDialogButtonBox::AcceptRole, true);
    connect(back, &PushButtonItem::clicked, this, &PlayerGameScene::actionReturn);
    if (d->lockScreenMode) {
        PushButtonItem* lock = dialog->createButton(tr("Lock"), QDialogButtonBox::ActionRole, true);
        connect(lock, &PushButtonItem::clicked, this, &PlayerGameScene::actionLock);
    }
    PushButtonItem* quit = dialog->createButton(tr("Quit"), QDialogButtonBox::RejectRole, true);
    connect(quit, &PushButtonItem::clicked, this, &PlayerGameScene::actionLeave);
    showDialog(dialog);
}

void PlayerGameScene::showPlaying()
{
    showSide(d->sideButtons, SideSitOut, true);
    showSide(d->sideButtons, SideReturn, false);
    if (!d->sittingOut)
        return;
    // Queued or covered, it must not come up later: the stack skips what is gone.
    if (topDialog() == d->sittingOut.data())
        popDialog();
    else
        delete d->sittingOut.data();
}

void PlayerGameScene::setTourStatus(int status)
{
    GameScene::setTourStatus(status);
    PushButtonItem* cashier = sideButton(SideCashier);
    PushButtonItem* payout = sideButton(SidePayout);
    if (!cashier || !payout)
        return;
    if (status > 0 && cashier->isVisible()) {
        showSide(d->sideButtons, SideCashier, false);
        showSide(d->sideButtons, SidePayout, true);
    } else if (status == 0 && payout->isVisible()) {
        showSide(d->sideButtons, SideCashier, true);
        showSide(d->sideButtons, SidePayout, false);
    }
}

void PlayerGameScene::setLockScreenMode(bool on)
{
    d->lockScreenMode = on;
}

bool PlayerGameScene::lockScreenMode() const
{
    return d->lockScreenMode;
}

void PlayerGameScene::setMultihead(bool on)
{
    d->multihead = on;
    d->holeCards->setMultihead(on);
}

// --- information texts -----------------------------------------------------

void PlayerGameScene::setGameParameters(const GameParameters& params)
{
    d->parameters = params;
    d->smallBlind = params.stakeMin;
    d->bigBlind = params.stakeMax;
    d->ante = params.ante;
    d->limitType = params.limit;
    d->gameTypeFlags = params.type;
    const bool instant = params.type & Protocol::InstantDeal;
    const bool freeroll = params.type & Protocol::Freeroll;
    showSide(d->sideButtons, SideStayJoin, instant && !freeroll);
    if (freeroll)
        showSide(d->sideButtons, SideCashier, false);
    d->holeCards->setAlwaysHideCards(!instant);

    const bool tournament = params.type & (Protocol::SitAndGo | Protocol::Freeroll);
    const QString limit = TextUtils::limitTypeToString(params.limit);
    const QString game = TextUtils::gameTypeToString(params.type);
    const QString small = amountText(params.stakeMin, tournament, params.currency);
    const QString big = amountText(params.stakeMax, tournament, params.currency);
    const QString ante = amountText(params.ante, tournament, params.currency);
    const int minutes = params.tourStakeChangeInterval / 60;
    const bool blinds = params.stakeMin > 0.000001 || params.stakeMax > 0.000001;
    const bool hasAnte = params.ante > 0.000001;
    QString text;
    if (!blinds && hasAnte) {
        text = tournament ? tr("%1 %2\nAnte: %3 (%4 min)").arg(limit, game, ante).arg(minutes)
                          : tr("%1 %2\nAnte: %3").arg(limit, game, ante);
    } else if (tournament) {
        text = hasAnte
                   ? tr("%1 %2\n%3/%4 (%5 min)\nAnte: %6").arg(limit, game, small, big).arg(minutes).arg(ante)
                   : tr("%1 %2\n%3/%4 (%5 min)").arg(limit, game, small, big).arg(minutes);
    } else {
        text = hasAnte ? tr("%1 %2\n%3/%4\nAnte: %5").arg(limit, game, small, big, ante)
                       : tr("%1 %2\n%3/%4").arg(limit, game, small, big);
    }
    d->infoText->setText(text);
    d->infoText->resize(d->infoText->effectiveSizeHint(Qt::PreferredSize));
    setHandId(d->handId);
}

void PlayerGameScene::setHandId(int handId)
{
    d->handId = handId;
    QStringList lines;
    if (!d->statusLine.isEmpty())
        lines.append(d->statusLine);
    if (handId >= 0)
        lines.append(tr("Game-ID: %1").arg(handId));
    d->statusText->setText(lines.join(QLatin1Char('\n')));
    d->statusText->resize(d->statusText->effectiveSizeHint(Qt::PreferredSize));
    d->statusText->setPos(d->infoText->x(), d->infoText->y() + d->infoText->size().height() + 6);
}

void PlayerGameScene::setStatusInfo(int message, const QVariantList& params)
{
    const QString first = params.value(0).toString();
    const QString second = params.value(1).toString();
    if (message == 1)
        d->statusLine = tr("Players: %1 Active: %2").arg(first, second);
    else if (message == 2)
        d->statusLine = tr("Position: %2/%1").arg(first, second);
    else
        return;
    setHandId(d->handId);
}

QString PlayerGameScene::informationText() const
{
    return d->infoText->text();
}

QString PlayerGameScene::statusText() const
{
    return d->statusText->text();
}

// --- user settings ---------------------------------------------------------

void PlayerGameScene::store(const QString& key, const QVariant& value)
{
    Q_EMIT userSettingsChanged(QVariantMap{{key, value}});
}

void PlayerGameScene::setUseKioskSlider(bool chips, bool storeOnServer)
{
    setBetMethod(chips ? BetChips : BetSlider);
    if (storeOnServer)
        store(QStringLiteral("betMethod"),
              d->betMethod == BetChips ? QStringLiteral("chips") : QStringLiteral("slider"));
}

void PlayerGameScene::setUseKioskSlider(bool chips)
{
    setUseKioskSlider(chips, true);
}

void PlayerGameScene::setShowHoleCards(bool show, bool storeOnServer)
{
    d->holeCards->setShowHoleCards(show);
    if (storeOnServer)
        store(QStringLiteral("holeShow"), show);
}

void PlayerGameScene::setShowHoleCards(bool show)
{
    setShowHoleCards(show, true);
}

void PlayerGameScene::setShowAvatars(bool show, bool storeOnServer)
{
    GameScene::setShowAvatars(show);
    if (storeOnServer)
        store(QStringLiteral("avatarShow"), show);
}

void PlayerGameScene::setShowAvatars(bool show)
{
    setShowAvatars(show, true);
}

void PlayerGameScene::setUseFourColourCards(bool use, bool storeOnServer)
{
    GameScene::setUseFourColourCards(use);
    if (AbstractTheme* t = theme())
        d->holeCards->setRenderer(use ? t->cardFourColourRenderThread() : t->cardRenderThread());
    if (storeOnServer)
        store(QStringLiteral("fourColourDeck"), use);
}

void PlayerGameScene::setUseFourColourCards(bool use)
{
    setUseFourColourCards(use, true);
}

void PlayerGameScene::setMuteSound(bool mute, bool storeOnServer)
{
    d->muteSound = mute;
    if (theme())
        theme()->setSoundEnabled(!mute);
    if (storeOnServer)
        store(QStringLiteral("soundMute"), mute);
}

void PlayerGameScene::setMuteSound(bool mute)
{
    setMuteSound(mute, true);
}

void PlayerGameScene::setStayFold(bool stay, bool storeOnServer)
{
    d->stayFold = stay;
    if (storeOnServer) {
        store(QStringLiteral("instaStay"), stay);
    } else if (PushButtonItem* button = sideButton(SideStayJoin)) {
        const QSignalBlocker quiet(button);
        button->setChecked(stay);
    }
}

void PlayerGameScene::setStayFold(bool stay)
{
    setStayFold(stay, true);
}

void PlayerGameScene::setAvatarId(int id, bool storeOnServer)
{
    d->avatarId = id;
    if (AbstractPlayerItem* own = seat(viewPosition()))
        own->setAvatarId(id);
    if (storeOnServer)
        store(QStringLiteral("avatarId"), id);
}

void PlayerGameScene::setAvatarId(int id)
{
    setAvatarId(id, true);
}

void PlayerGameScene::setUseAutoReBuyin(bool use, bool storeOnServer)
{
    d->useAutoReBuyin = use;
    if (storeOnServer)
        store(QStringLiteral("autoReBuyin"), use);
}

void PlayerGameScene::setUseAutoReBuyin(bool use)
{
    setUseAutoReBuyin(use, true);
}

static bool settingOn(const QVariant& value)
{
    // Stored as strings on the server: "true", "1".
    const QString text = value.toString().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1");
}

void PlayerGameScene::applyUserSettings(const QVariantMap& settings, bool storeOnServer)
{
    if (settings.contains(QStringLiteral("soundMute")))
        setMuteSound(settingOn(settings.value(QStringLiteral("soundMute"))), storeOnServer);
    if (settings.contains(QStringLiteral("betMethod")) && d->betMethod != BetThinClient)
        setUseKioskSlider(settings.value(QStringLiteral("betMethod")).toString() == QLatin1String("chips"),
                          storeOnServer);
    if (settings.contains(QStringLiteral("holeShow")))
        setShowHoleCards(settingOn(settings.value(QStringLiteral("holeShow"))), storeOnServer);
    if (settings.contains(QStringLiteral("avatarShow")))
        setShowAvatars(settingOn(settings.value(QStringLiteral("avatarShow"))), storeOnServer);
    if (settings.contains(QStringLiteral("fourColourDeck")))
        setUseFourColourCards(settingOn(settings.value(QStringLiteral("fourColourDeck"))), storeOnServer);
    if (settings.contains(QStringLiteral("instaStay")))
        setStayFold(settingOn(settings.value(QStringLiteral("instaStay"))), storeOnServer);
}

void PlayerGameScene::applyUserSettings(const QVariantMap& settings)
{
    applyUserSettings(settings, false);
}

bool PlayerGameScene::stayFold() const
{
    return d->stayFold;
}

bool PlayerGameScene::useAutoReBuyin() const
{
    return d->useAutoReBuyin;
}

bool PlayerGameScene::muteSound() const
{
    return d->muteSound;
}

int PlayerGameScene::avatarId() const
{
    return d->avatarId;
}

} // namespace VeskGames
