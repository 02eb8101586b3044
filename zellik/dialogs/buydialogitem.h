#ifndef VESKGAMES_BUYDIALOGITEM_H
#define VESKGAMES_BUYDIALOGITEM_H

#include "abstractbuydialogitem.h"
#include "abstracttheme.h"

#include <memory>

class QCheckBox;
class QLabel;
class QSlider;

namespace VeskGames {

class KioskBetter;
class LabelItem;
class PushButtonItem;
class SvgImageRenderer;
class ThinClientBetter;
class WebDialogItem;

/// How many chips to take to the table: the table's limits, the balance,
/// a chooser that keeps to both, and automatic re-buying.
class ZELLIK_EXPORT BuyDialogItem : public AbstractBuyDialogItem
{
    Q_OBJECT

public:
    BuyDialogItem(const QString& gameId, AbstractTheme::SliderMode mode, SvgImageRenderer* chips,
                  AbstractTheme* theme, QGraphicsItem* parent = nullptr);
    ~BuyDialogItem() override;

    QString gameId() const;
    AbstractTheme::SliderMode sliderMode() const;
    void setValues(double min, double max, double balance, double stack) override;
    /// The stakes the kiosk chips are chosen by; the currency amounts are written in.
    Q_INVOKABLE void setStakes(double smallBlind, double bigBlind, const QString& currency);
    void setLoading(bool loading) override;
    bool isLoading() const;
    void setShowAutomaticRebuy(bool visible, bool checked) override;
    void setError(const QString& text) override;
    void setShowWarningNextHand(bool show);
    /// The plain slider's step, in currency units.
    void setExtraRoundingHint(double step);
    void setTimeout(int ms);
    bool isTimerActive() const;

    bool isInError() const;
    QString rangeText() const;
    QString balanceText() const;
    QString amountText() const;
    QString descriptionText() const;
    double amount() const;
    QSlider* slider() const;
    KioskBetter* kioskBetter() const;
    ThinClientBetter* thinClientBetter() const;
    QCheckBox* automaticReBuyCheckBox() const;
    PushButtonItem* okButton() const;
    PushButtonItem* cancelButton() const;
    PushButtonItem* cashierButton() const;
    WebDialogItem* cashier() const;

public Q_SLOTS:
    void slotBuyin();
    void slotEmitAutoBuyin();
    void slotSliderValueChanged(double value);
    void slotValueChanged(int value);
    void slotWebReload();
    void slotCancel();
    void slotCashier();

protected:
    /// For a theme's own look of the same dialog.
    LabelItem* titleItem() const;
    QWidget* form() const;
    QLabel* nextHandLabel() const;

private:
    void showAmount(double value);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
