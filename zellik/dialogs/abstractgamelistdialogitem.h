#ifndef VESKGAMES_ABSTRACTGAMELISTDIALOGITEM_H
#define VESKGAMES_ABSTRACTGAMELISTDIALOGITEM_H

#include "themeddialogitem.h"

namespace VeskGames {

/// What every lobby offers the program, whichever theme draws it.
class ZELLIK_EXPORT AbstractGameListDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit AbstractGameListDialogItem(QGraphicsItem* parent = nullptr);
    ~AbstractGameListDialogItem() override;

public Q_SLOTS:
    virtual void refreshList() = 0;
    virtual void refreshDetails() = 0;
    /// The cashier; a lobby without one ignores it.
    virtual void displayCashier();
    /// The player's stored settings, which may arrive after the lobby is shown.
    virtual void setUserSettings(const QVariantMap& settings);

Q_SIGNALS:
    void actionCashierClosed();
    void actionNeedTicket();
};

} // namespace VeskGames

#endif
