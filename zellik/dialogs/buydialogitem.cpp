#include "buydialogitem.h"

#include "abstractpokertablescene.h"
#include "buyinrange.h"
#include "dialogbuttonboxitem.h"
#include "kioskbetter.h"
#include "labelitem.h"
#include "pushbuttonitem.h"
#include "textutils.h"
#include "thinclientbetter.h"
#include "webdialogitem.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace VeskGames {

namespace {

constexpr double kTolerance = 0.000001;

int hundredths(double amount)
{
    return int(std::llround(amount * 100));
}

} // namespace

class BuyDialogItem::Private
{
public:
    QString gameId;
    AbstractTheme::SliderMode mode = AbstractTheme::SliderPlain;
    AbstractTheme* theme = nullptr;
    double smallBlind = 0.5;
    double bigBlind = 1;
    QString currency;
    BuyinRange range;
    bool error = true;
    bool loading = false;
    int step = 100;
    LabelItem* title = nullptr;
    QWidget* form = nullptr;
    QGraphicsProxyWidget* formProxy = nullptr;
    QLabel* balanceValue = nullptr;
    QLabel* rangeLabel = nullptr;
    QLabel* amountValue = nullptr;
    QLabel* description = nullptr;
    QLabel* loadingLabel = nullptr;
    QSlider* slider = nullptr;
    QCheckBox* rebuy = nullptr;
    QLabel* nextHand = nullptr;
    KioskBetter* kiosk = nullptr;
    ThinClientBetter* thin = nullptr;
    DialogButtonBoxItem* buttons = nullptr;
    PushButtonItem* ok = nullptr;
    PushButtonItem* cancel = nullptr;
    PushButtonItem* cashierButton = nullptr;
    QPointer<WebDialogItem> cashier;
    QTimer timeout;
};

BuyDialogItem::BuyDialogItem(const QString& gameId, AbstractTheme::SliderMode mode, SvgImageRenderer* chips,
                             AbstractTheme* theme, QGraphicsItem* parent)
    : AbstractBuyDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("BuyDialog"));
    d->gameId = gameId;
    d->mode = mode;
    d->theme = theme;

    d->title = createTitle(tr("Buy Chips"));

    d->form = new QWidget;
    d->form->setObjectName(QStringLiteral("buyForm"));
    d->form->setAttribute(Qt::WA_TranslucentBackground);
    auto* grid = new QGridLayout(d->form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    d->balanceValue = new QLabel;
    d->rangeLabel = new QLabel;
    d->amountValue = new QLabel;
    d->amountValue->setObjectName(QStringLiteral("amountValue"));
    d->amountValue->setMinimumWidth(90);
    d->amountValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(tr("Balance")), 0, 0);
    grid->addWidget(d->balanceValue, 0, 1, 1, 2);
    grid->addWidget(d->rangeLabel, 1, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Amount")), 2, 0);
    d->slider = new QSlider(Qt::Horizontal);
    d->slider->setObjectName(QStringLiteral("amountSlider"));
    d->slider->setMinimumWidth(260);
    d->slider->setSingleStep(100);
    d->slider->setPageStep(200);
    d->loadingLabel = new QLabel(tr("Loading..."));
    d->loadingLabel->hide();
    grid->addWidget(d->slider, 2, 1);
    grid->addWidget(d->loadingLabel, 2, 1);
    grid->addWidget(d->amountValue, 2, 2);
    d->description = new QLabel(tr("Please choose your chip amount"));
    d->description->setObjectName(QStringLiteral("descriptionLabel"));
    d->description->setWordWrap(true);
    grid->addWidget(d->description, 3, 0, 1, 3);
    d->rebuy = new QCheckBox(tr("Enable automatic re-buyin"));
    d->rebuy->setObjectName(QStringLiteral("automaticReBuyCheckBox"));
    grid->addWidget(d->rebuy, 4, 0, 1, 3);
    d->nextHand = new QLabel(tr("The bought chips will be added at the beginning of next hand"));
    d->nextHand->setWordWrap(true);
    d->nextHand->hide();
    grid->addWidget(d->nextHand, 5, 0, 1, 3);
    d->formProxy = new QGraphicsProxyWidget(this);
    d->formProxy->setWidget(d->form);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(28, 20, 28, 18);
    layout->setSpacing(12);
    layout->addItem(d->title);
    layout->setAlignment(d->title, Qt::AlignHCenter);
    layout->addItem(d->formProxy);

    // Only one chooser is shown; the plain slider is the fallback.
    if (mode == AbstractTheme::SliderKiosk) {
        d->kiosk = new KioskBetter(chips, theme, this);
        layout->addItem(d->kiosk);
        layout->setAlignment(d->kiosk, Qt::AlignHCenter);
        connect(d->kiosk, &KioskBetter::sliderValueChanged, this, &BuyDialogItem::slotSliderValueChanged);
        d->slider->hide();
    } else if (mode == AbstractTheme::SliderThinClient) {
        d->thin = new ThinClientBetter(this);
        d->thin->setBettingType(ThinClientBetter::BuyIn);
        d->thin->setMinimumSize(0, 0);
        d->thin->setPreferredSize(400, 60);
        layout->addItem(d->thin);
        connect(d->thin, &ThinClientBetter::sliderValueChanged, this, &BuyDialogItem::slotSliderValueChanged);
        d->slider->hide();
    }
    connect(d->slider, &QSlider::valueChanged, this, &BuyDialogItem::slotValueChanged);
    connect(d->rebuy, &QCheckBox::toggled, this, &BuyDialogItem::slotEmitAutoBuyin);

    d->buttons = new DialogButtonBoxItem(this);
    d->buttons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->cancel = d->buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    if (!QCoreApplication::instance()->property("iniurlbuyin").toString().isEmpty()) {
        d->cashierButton = d->buttons->addButton(tr("Cashier"), QDialogButtonBox::AcceptRole);
        connect(d->cashierButton, &PushButtonItem::clicked, this, &BuyDialogItem::slotCashier);
    }
    d->ok = d->buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    // Return buys, Escape declines.
    setDefaultButton(d->ok);
    setEscapeButton(d->cancel);
    d->ok->setEnabled(false);
    for (PushButtonItem* button : {d->cancel, d->cashierButton, d->ok})
        setupButton(button, false);
    connect(d->ok, &PushButtonItem::clicked, this, [this] {
        slotEmitAutoBuyin();
        slotBuyin();
    });
    connect(d->cancel, &PushButtonItem::clicked, this, &BuyDialogItem::slotCancel);
    layout->addItem(d->buttons);

    d->timeout.setSingleShot(true);
    connect(&d->timeout, &QTimer::timeout, this, [this] { Q_EMIT cancel(); });
    connect(this, &BuyDialogItem::buyin, &d->timeout, &QTimer::stop);
    connect(this, &BuyDialogItem::cancel, &d->timeout, &QTimer::stop);
    setTheme(theme);
    setError(QString());
    d->description->setText(tr("Please choose your chip amount"));
    d->error = true; // nothing to choose from until the numbers come
    d->slider->setEnabled(false);
}

BuyDialogItem::~BuyDialogItem()
{
    if (d->cashier)
        d->cashier->deleteLater();
}

LabelItem* BuyDialogItem::titleItem() const
{
    return d->title;
}

QWidget* BuyDialogItem::form() const
{
    return d->form;
}

QLabel* BuyDialogItem::nextHandLabel() const
{
    return d->nextHand;
}

QString BuyDialogItem::gameId() const
{
    return d->gameId;
}

AbstractTheme::SliderMode BuyDialogItem::sliderMode() const
{
    return d->mode;
}

void BuyDialogItem::setStakes(double smallBlind, double bigBlind, const QString& currency)
{
    d->smallBlind = smallBlind;
    d->bigBlind = bigBlind;
    d->currency = currency;
}

void BuyDialogItem::setValues(double min, double max, double balance, double stack)
{
    d->rangeLabel->setText(tr("Table limits: %1 to %2")
                               .arg(TextUtils::doubleToCurrencyString(min, d->currency),
                                    TextUtils::doubleToCurrencyString(max, d->currency)));
    d->balanceValue->setText(TextUtils::doubleToString(balance));
    d->range = BuyinRange::compute(min, max, balance, stack);
    switch (d->range.state) {
    case BuyinRange::LimitedBalance:
        setError(tr("Unable to rebuy due to limited balance"));
        return;
    case BuyinRange::BigStack:
        setError(tr("Unable to rebuy due to big stack"));
        return;
    case BuyinRange::Allowed:
        break;
    }
    d->error = false;
    d->description->setText(tr("Amount of chips allowed at table"));
    if (d->kiosk) {
        d->kiosk->setEnabled(true);
        d->kiosk->setValues(d->range.lowest, d->range.highest, d->smallBlind, d->bigBlind);
    } else if (d->thin) {
        d->thin->setEnabled(true);
        d->thin->setValues(d->range.lowest, d->range.highest, d->smallBlind, d->bigBlind);
    } else {
        const QSignalBlocker quiet(d->slider);
        d->slider->setEnabled(true);
        d->slider->setRange(hundredths(d->range.lowest), hundredths(d->range.highest));
        d->slider->setValue(d->slider->minimum());
    }
    showAmount(d->range.lowest);
}

void BuyDialogItem::setError(const QString& text)
{
    d->error = true;
    if (!text.isEmpty())
        d->description->setText(text);
    d->slider->setEnabled(false);
    if (d->kiosk)
        d->kiosk->setEnabled(false);
    if (d->thin)
        d->thin->setEnabled(false);
    d->ok->setEnabled(false);
}

void BuyDialogItem::showAmount(double value)
{
    d->amountValue->setText(TextUtils::doubleToString(value));
    d->ok->setEnabled(!d->error && !d->loading && value > kTolerance);
}

void BuyDialogItem::setLoading(bool loading)
{
    d->loading = loading;
    d->loadingLabel->setVisible(loading);
    d->slider->setVisible(!loading && !d->kiosk && !d->thin);
    if (d->kiosk)
        d->kiosk->setVisible(!loading);
    if (d->thin)
        d->thin->setVisible(!loading);
    showAmount(amount());
}

bool BuyDialogItem::isLoading() const
{
    return d->loading;
}

void BuyDialogItem::setShowAutomaticRebuy(bool visible, bool checked)
{
    const QSignalBlocker quiet(d->rebuy);
    d->rebuy->setVisible(visible);
    d->rebuy->setChecked(checked);
}

void BuyDialogItem::setShowWarningNextHand(bool show)
{
    d->nextHand->setVisible(show);
}

void BuyDialogItem::setExtraRoundingHint(double step)
{
    if (step > 0) {
        d->step = qMax(1, hundredths(step));
        d->slider->setSingleStep(d->step);
        d->slider->setPageStep(2 * d->step);
    }
}

void BuyDialogItem::setTimeout(int ms)
{
    d->timeout.start(ms);
}

bool BuyDialogItem::isTimerActive() const
{
    return d->timeout.isActive();
}

bool BuyDialogItem::isInError() const
{
    return d->error;
}

QString BuyDialogItem::rangeText() const
{
    return d->rangeLabel->text();
}

QString BuyDialogItem::balanceText() const
{
    return d->balanceValue->text();
}

QString BuyDialogItem::amountText() const
{
    return d->amountValue->text();
}

QString BuyDialogItem::descriptionText() const
{
    return d->description->text();
}

double BuyDialogItem::amount() const
{
    if (d->kiosk)
        return d->kiosk->sliderValue();
    if (d->thin)
        return d->thin->sliderValue();
    return BuyinRange::sliderAmount(d->slider->value(), d->slider->minimum(), d->slider->maximum(),
                                    d->slider->singleStep());
}

QSlider* BuyDialogItem::slider() const
{
    return d->slider;
}

KioskBetter* BuyDialogItem::kioskBetter() const
{
    return d->kiosk;
}

ThinClientBetter* BuyDialogItem::thinClientBetter() const
{
    return d->thin;
}

QCheckBox* BuyDialogItem::automaticReBuyCheckBox() const
{
    return d->rebuy;
}

PushButtonItem* BuyDialogItem::okButton() const
{
    return d->ok;
}

PushButtonItem* BuyDialogItem::cancelButton() const
{
    return d->cancel;
}

PushButtonItem* BuyDialogItem::cashierButton() const
{
    return d->cashierButton;
}

WebDialogItem* BuyDialogItem::cashier() const
{
    return d->cashier;
}

void BuyDialogItem::slotBuyin()
{
    if (d->error || d->loading)
        return;
    const double value = amount();
    if (value <= kTolerance)
        return;
    Q_EMIT buyin(value);
}

void BuyDialogItem::slotEmitAutoBuyin()
{
    // Only a choice the player was offered is passed on.
    if (!d->rebuy->isHidden())
        Q_EMIT automaticReBuyToggled(d->rebuy->isChecked());
}

void BuyDialogItem::slotCancel()
{
    slotEmitAutoBuyin();
    Q_EMIT cancel();
}

void BuyDialogItem::slotSliderValueChanged(double value)
{
    showAmount(value);
}

void BuyDialogItem::slotValueChanged(int)
{
    showAmount(amount());
}

void BuyDialogItem::slotCashier()
{
    const QString url = QCoreApplication::instance()->property("iniurlbuyin").toString();
    auto* stack = qobject_cast<AbstractPokerTableScene*>(scene());
    if (url.isEmpty() || !stack || d->cashier)
        return;
    // Over this dialog on the scene's stack: closing the page brings the
    // buy-in back, and the player may have paid in meanwhile.
    d->cashier = new WebDialogItem;
    d->cashier->setTheme(d->theme);
    d->cashier->setClient(client());
    connect(d->cashier, &WebDialogItem::actionClose, this, &BuyDialogItem::slotWebReload);
    d->cashier->setUrl(QUrl(url));
    stack->pushDialog(d->cashier, true);
}

void BuyDialogItem::slotWebReload()
{
    // The player may have paid in: the controller asks for the balance again.
    Q_EMIT accountMightBeReloaded();
}

} // namespace VeskGames
