#include "kioskbetter.h"

#include "abstracttheme.h"
#include "chippushbutton.h"
#include "pushbuttonitem.h"

#include <QGraphicsLinearLayout>

#include <array>
#include <cmath>

namespace VeskGames {

namespace {

constexpr double kTolerance = 0.000001;

struct ChipBand
{
    double below; ///< for big blinds under this
    std::array<double, KioskBetter::ChipCount> chips;
};

constexpr ChipBand kBands[] = {
    {0.1, {0.01, 0.05, 1, 5}},
    {0.2, {0.05, 0.25, 1, 5}},
    {0.5, {0.05, 1, 5, 25}},
    {1, {0.25, 1, 5, 25}},
    {30, {1, 5, 25, 100}},
    {100, {5, 25, 100, 500}},
    {200, {25, 100, 500, 1000}},
    {1000, {100, 500, 1000, 5000}},
    {2000, {500, 1000, 5000, 25000}},
    {INFINITY, {1000, 5000, 25000, 100000}},
};

} // namespace

class KioskBetter::Private
{
public:
    AbstractTheme* theme = nullptr;
    double min = 0;
    double max = 0;
    double smallBlind = 0;
    double bigBlind = 0;
    double value = 0;
    QList<double> chipValues;
    std::array<int, ChipCount> chipIndexes{{-1, -1, -1, -1}};
    std::array<ChipPushButton*, ChipCount> chips{};
    PushButtonItem* minButton = nullptr;
    PushButtonItem* maxButton = nullptr;
};

KioskBetter::KioskBetter(SvgImageRenderer* chips, AbstractTheme* theme, QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    d->theme = theme;
    auto* row = new QGraphicsLinearLayout(Qt::Horizontal, this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    const auto textButton = [&](const QString& text) {
        auto* button = new PushButtonItem(this);
        button->setText(text);
        if (theme) {
            button->setUpImage(theme->image(AbstractTheme::ImageSmallestButton));
            button->setDownImage(theme->image(AbstractTheme::ImageSmallestButtonDown));
        }
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row->addItem(button);
        row->setAlignment(button, Qt::AlignVCenter);
        return button;
    };
    d->minButton = textButton(tr("Min"));
    for (int i = 0; i < ChipCount; ++i) {
        d->chips[size_t(i)] = new ChipPushButton(chips, this);
        d->chips[size_t(i)]->setPreferredSize(48, 48);
        d->chips[size_t(i)]->setMinimumSize(48, 48);
        row->addItem(d->chips[size_t(i)]);
        connect(d->chips[size_t(i)], &ChipPushButton::clicked, this, [this, i] { slotButtonClicked(i); });
    }
    d->maxButton = textButton(tr("Max"));
    connect(d->minButton, &PushButtonItem::clicked, this, &KioskBetter::slotMin);
    connect(d->maxButton, &PushButtonItem::clicked, this, &KioskBetter::slotMax);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

KioskBetter::~KioskBetter() = default;

QList<double> KioskBetter::chipValuesFor(double bigBlind)
{
    for (const ChipBand& band : kBands) {
        if (bigBlind < band.below)
            return QList<double>(band.chips.begin(), band.chips.end());
    }
    return {};
}

void KioskBetter::setValues(double min, double max, double smallBlind, double bigBlind)
{
    d->min = min;
    d->max = max;
    d->smallBlind = smallBlind;
    d->bigBlind = bigBlind;
    d->value = min;
    rebuildChips();
    refreshEnabled();
    Q_EMIT sliderValueChanged(d->value);
}

void KioskBetter::rebuildChips()
{
    d->chipValues = chipValuesFor(d->bigBlind);
    for (int i = 0; i < ChipCount; ++i) {
        const double value = d->chipValues.value(i);
        const int index = d->theme ? d->theme->chipIndex(value) : -1;
        d->chipIndexes[size_t(i)] = index;
        if (index >= 0)
            d->chips[size_t(i)]->setElementId(QStringLiteral("chip") + d->theme->chipElementId(index));
    }
}

void KioskBetter::refreshEnabled()
{
    const bool full = d->value > d->max - kTolerance;
    for (ChipPushButton* chip : d->chips)
        chip->setEnabled(!full);
}

void KioskBetter::setSliderValue(double value)
{
    d->value = value;
    refreshEnabled();
    // The bet button shows the amount a click sends.
    Q_EMIT sliderValueChanged(d->value);
}

double KioskBetter::sliderValue() const
{
    return d->value;
}

QList<double> KioskBetter::chipValues() const
{
    return d->chipValues;
}

bool KioskBetter::isChipEnabled(int index) const
{
    return index >= 0 && index < ChipCount && d->chips[size_t(index)]->isEnabled();
}

ChipPushButton* KioskBetter::chipButton(int index) const
{
    return index >= 0 && index < ChipCount ? d->chips[size_t(index)] : nullptr;
}

PushButtonItem* KioskBetter::minButton() const
{
    return d->minButton;
}

PushButtonItem* KioskBetter::maxButton() const
{
    return d->maxButton;
}

void KioskBetter::slotButtonClicked(int index)
{
    if (index < 0 || index >= int(d->chipValues.size()))
        return;
    const double chip = d->chipValues.at(index);
    // A small chip adds up; a large one is the new amount.
    d->value = chip <= d->value + kTolerance ? d->value + chip : chip;
    d->value = qMin(d->value, d->max);
    changed();
}

void KioskBetter::slotMin()
{
    d->value = d->min;
    changed();
}

void KioskBetter::slotMax()
{
    d->value = d->max;
    changed();
}

void KioskBetter::changed()
{
    refreshEnabled();
    if (d->theme)
        d->theme->playSound(AbstractTheme::AudioType(1044), false);
    Q_EMIT sliderValueChanged(d->value);
}

} // namespace VeskGames
