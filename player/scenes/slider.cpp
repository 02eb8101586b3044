#include "slider.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <utility>

namespace VeskGames {

namespace {

constexpr double kEpsilon = 0.000001;
constexpr qint32 kSoundSliderValueChanged = 1044;
// More positions than these cannot be told apart on a slider.
constexpr int kPartTicks = 60;
constexpr int kLastPartTicks = 300;

// Where the steps grow, in small blinds, and the step from there, in big blinds.
constexpr std::array<std::pair<double, double>, 8> kSteps{
    {{0, 1}, {10, 2.5}, {30, 5}, {100, 10}, {200, 25}, {300, 50}, {1000, 250}, {3000, 500}}};

} // namespace

class Slider::Private
{
public:
    QVector<double> ticks{0.0};
    double smallBlind = 0;
    double offset = 0;
};

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent), d(std::make_unique<Private>())
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setRange(0, 0);
    setSingleStep(1);
    setPageStep(0);
    connect(this, &QSlider::valueChanged, this, &Slider::slotValueChanged);
    connect(this, &QSlider::actionTriggered, this, &Slider::slotActionTriggered);
}

Slider::~Slider() = default;

QVector<double> Slider::ticksFor(double min, double max, double smallBlind, double bigBlind)
{
    if (!qIsFinite(min))
        min = 0;
    QVector<double> ticks{min};
    if (!qIsFinite(max) || max <= min + kEpsilon)
        return ticks;
    const double small = qIsFinite(smallBlind) && smallBlind > 0 ? smallBlind : 0;
    const double big = qIsFinite(bigBlind) && bigBlind > 0 ? bigBlind : 0;
    double a = 0;
    // Steps from a up to \a end; a part of the range that would take more
    // than \a most positions shares them out instead (no step at all would
    // never reach the end, a huge stack with a tiny blind makes millions).
    const auto walk = [&](double end, double step, int most) {
        end = std::min(end, max);
        step = std::max(step, (end - std::max(a, min)) / most);
        while (a < end) {
            // The last step of a part may go past its end, never past the maximum.
            a = max - (a + step) < kEpsilon ? max : a + step;
            // A minimum beyond the thresholds must not put smaller amounts after it.
            if (a > min)
                ticks.append(a);
        }
    };
    for (size_t i = 0; i + 1 < kSteps.size(); ++i)
        walk(kSteps[i + 1].first * small, kSteps[i].second * big, kPartTicks);
    walk(max, kSteps.back().second * big, kLastPartTicks);
    return ticks;
}

double Slider::sliderValue() const
{
    return d->ticks.value(value()) + d->offset;
}

const QVector<double>& Slider::ticks() const
{
    return d->ticks;
}

void Slider::setValues(double min, double max, double smallBlind, double bigBlind)
{
    d->offset = 0;
    d->smallBlind = smallBlind;
    d->ticks = ticksFor(min, max, smallBlind, bigBlind);
    {
        const QSignalBlocker blocker(this);
        setRange(0, int(d->ticks.size()) - 1);
        setSingleStep(1);
        setPageStep(0);
        setValue(0);
    }
    Q_EMIT sliderValueChanged(d->ticks.first());
}

void Slider::setSliderValue(double amount)
{
    int position = 0;
    while (position + 1 < d->ticks.size() && d->ticks.at(position + 1) < amount + kEpsilon)
        ++position;
    {
        const QSignalBlocker blocker(this);
        setValue(position);
    }
    d->offset = amount - d->ticks.at(position);
    Q_EMIT sliderValueChanged(amount);
}

void Slider::pageStepAdd()
{
    triggerAction(QAbstractSlider::SliderPageStepAdd);
}

void Slider::pageStepSub()
{
    triggerAction(QAbstractSlider::SliderPageStepSub);
}

void Slider::slotValueChanged(int position)
{
    d->offset = 0;
    Q_EMIT sliderValueChanged(d->ticks.value(position));
}

void Slider::slotActionTriggered(int action)
{
    const int i = value();
    const QVector<double>& t = d->ticks;
    if (action == QAbstractSlider::SliderPageStepAdd) {
        const bool top = i + 1 >= t.size();
        if (top && d->offset > -kEpsilon)
            return;
        Q_EMIT playSound(kSoundSliderValueChanged);
        if (top) { // below the last amount after stepping down from it
            d->offset = std::min(d->offset + d->smallBlind, 0.0);
            Q_EMIT sliderValueChanged(t.at(i) + d->offset);
            return;
        }
        const double gap = t.at(i + 1) - t.at(i);
        // Without a small blind the step is the whole interval.
        const double offset = d->offset + (d->smallBlind > kEpsilon ? d->smallBlind : gap);
        if (gap <= offset) {
            setValue(i + 1);
            return;
        }
        d->offset = offset;
        Q_EMIT sliderValueChanged(t.at(i) + offset);
    } else if (action == QAbstractSlider::SliderPageStepSub) {
        // Above the first amount, stepping down comes back to it.
        if (i == 0 && d->offset < kEpsilon)
            return;
        Q_EMIT playSound(kSoundSliderValueChanged);
        if (i == 0) {
            d->offset = std::max(d->offset - (d->smallBlind > kEpsilon ? d->smallBlind : d->offset), 0.0);
            Q_EMIT sliderValueChanged(t.at(i) + d->offset);
            return;
        }
        const double offset = d->offset - (d->smallBlind > kEpsilon ? d->smallBlind : t.at(i) - t.at(i - 1));
        if (t.at(i) + offset <= t.at(i - 1)) {
            setValue(i - 1);
            return;
        }
        d->offset = offset;
        Q_EMIT sliderValueChanged(t.at(i) + offset);
    }
}

} // namespace VeskGames
