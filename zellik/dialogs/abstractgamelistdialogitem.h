#ifndef VESKGAMES_ABSTRACTGAMELISTDIALOGITEM_H
#define VESKGAMES_ABSTRACTGAMELISTDIALOGITEM_H

#include "themeddialogitem.h"

namespace VeskGames {

class WebDialogItem;

/// What every lobby offers the program, whichever theme draws it.
class ZELLIK_EXPORT AbstractGameListDialogItem : public ThemedDialogItem
{
    Q_OBJECT

public:
    explicit AbstractGameListDialogItem(QGraphicsItem* parent = nullptr);
    ~AbstractGameListDialogItem() override;

protected:
    /// Opens the operator's page at \a url over the lobby; null when there is none.
    WebDialogItem* openPage(const QString& url);

public Q_SLOTS:
    virtual void refreshList() = 0;
    virtual void refreshDetails() = 0;
    /// The operator's cashier page ("urlBuyin") over the lobby, when there is one.
    virtual void displayCashier();
    /// The player's stored settings, which may arrive after the lobby is shown.
    virtual void setUserSettings(const QVariantMap& settings);

Q_SIGNALS:
    void actionCashierClosed();
    void actionNeedTicket();
};

} // namespace VeskGames

#endif
