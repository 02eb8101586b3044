#ifndef VESKGAMES_ABSTRACTBUYDIALOGITEM_H
#define VESKGAMES_ABSTRACTBUYDIALOGITEM_H

#include "themeddialogitem.h"

namespace VeskGames {

/// What every buy-in dialog tells the program, whichever theme draws it.
class ZELLIK_EXPORT AbstractBuyDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit AbstractBuyDialogItem(QGraphicsItem* parent = nullptr);
    ~AbstractBuyDialogItem() override;

    /// The range the player may take, their balance, and what they already
    /// have at the table (it counts against the range's top).
    virtual void setValues(double min, double max, double balance, double stack) = 0;
    /// While the balance is asked for the amount cannot be chosen.
    virtual void setLoading(bool loading) = 0;
    /// The server refused: the dialog says why and stays.
    virtual void setError(const QString& text) = 0;
    virtual void setShowAutomaticRebuy(bool visible, bool checked) = 0;

Q_SIGNALS:
    void buyin(qreal amount);
    void cancel();
    /// The cashier was open: the balance may have changed.
    void accountMightBeReloaded();
    void automaticReBuyToggled(bool on);
};

} // namespace VeskGames

#endif
