#ifndef VESKGAMES_KIOSKBETTER_H
#define VESKGAMES_KIOSKBETTER_H

#include "zellik_export.h"

#include <QGraphicsWidget>

#include <memory>

namespace VeskGames {

class AbstractTheme;
class ChipPushButton;
class PushButtonItem;
class SvgImageRenderer;

/// An amount chooser for touch screens: Min, Max and four chips that fit
/// the stakes; a chip adds itself, or starts the amount when it is larger.
class ZELLIK_EXPORT KioskBetter : public QGraphicsWidget
{
    Q_OBJECT

public:
    static constexpr int ChipCount = 4;

    KioskBetter(SvgImageRenderer* chips, AbstractTheme* theme, QGraphicsItem* parent = nullptr);
    ~KioskBetter() override;

    /// The chips offered at a table with this big blind.
    static QList<double> chipValuesFor(double bigBlind);

    void setValues(double min, double max, double smallBlind, double bigBlind);
    void setSliderValue(double value);
    double sliderValue() const;
    QList<double> chipValues() const;
    bool isChipEnabled(int index) const;
    ChipPushButton* chipButton(int index) const;
    PushButtonItem* minButton() const;
    PushButtonItem* maxButton() const;

public Q_SLOTS:
    void slotButtonClicked(int index);
    void slotMin();
    void slotMax();

Q_SIGNALS:
    void sliderValueChanged(double value);

private:
    void rebuildChips();
    void refreshEnabled();
    void changed();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
