#ifndef VESKGAMES_THINCLIENTBETTER_H
#define VESKGAMES_THINCLIENTBETTER_H

#include "zellik_export.h"

#include <QGraphicsWidget>

#include <memory>

namespace VeskGames {

/// Where an external display draws the amount chooser over the window: it
/// publishes its place and numbers on the application's "commObject" and
/// takes the chosen amount back from it. It paints nothing itself.
class ZELLIK_EXPORT ThinClientBetter : public QGraphicsWidget
{
    Q_OBJECT

public:
    enum BettingType { BetAtTable = 0, BuyIn = 1 };

    explicit ThinClientBetter(QGraphicsItem* parent = nullptr);
    ~ThinClientBetter() override;

    void setBettingType(BettingType type);
    BettingType bettingType() const;
    void setValues(double min, double max, double smallBlind, double bigBlind);
    double sliderValue() const;
    /// The object that speaks to the external display, or null.
    static QObject* commObject();

public Q_SLOTS:
    void setSliderValue(qreal value);
    void updateQWSValues();
    void clearQWSValues();

Q_SIGNALS:
    void sliderValueChanged(qreal value);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleUpdate();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
