#ifndef VESKGAMES_SLIDER_H
#define VESKGAMES_SLIDER_H

#include <QSlider>
#include <QVector>

#include <memory>

namespace VeskGames {

/// The bet amount as a horizontal slider over amounts that grow with the
/// bet: fine steps near the minimum, coarse ones towards a big stack. Page
/// steps move by one small blind between two of those amounts.
class Slider : public QSlider
{
    Q_OBJECT

public:
    explicit Slider(QWidget* parent = nullptr);
    ~Slider() override;

    /// The amount of every slider position for bets from \a min to \a max.
    static QVector<double> ticksFor(double min, double max, double smallBlind, double bigBlind);

    /// The amount shown: the position's amount plus the page steps since.
    double sliderValue() const;
    const QVector<double>& ticks() const;

public Q_SLOTS:
    void setValues(double min, double max, double smallBlind, double bigBlind);
    void setSliderValue(double value);
    void pageStepAdd();
    void pageStepSub();

Q_SIGNALS:
    void sliderValueChanged(double value);
    void playSound(qint32 type);

private Q_SLOTS:
    void slotValueChanged(int position);
    void slotActionTriggered(int action);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
