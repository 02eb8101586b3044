#include "abstractgamelistdialogitem.h"

#include "abstractpokertablescene.h"
#include "webdialogitem.h"

#include <QCoreApplication>
#include <QUrl>

namespace VeskGames {

AbstractGameListDialogItem::AbstractGameListDialogItem(QGraphicsItem* parent) : ThemedDialogItem(parent)
{
    // The lobby is the screen itself, not a question over it: its side buttons
    // beside it must answer. What is pushed over it still blocks it.
    setPanelModality(NonModal);
}

AbstractGameListDialogItem::~AbstractGameListDialogItem() = default;

void AbstractGameListDialogItem::displayCashier()
{
    // The operator's cashier, as the table opens it; the balance may change there.
    const QString url = QCoreApplication::instance()->property("iniurlbuyin").toString();
    auto* stack = qobject_cast<AbstractPokerTableScene*>(scene());
    if (url.isEmpty() || !stack)
        return;
    auto* cashier = new WebDialogItem;
    cashier->setTheme(theme());
    cashier->setClient(client());
    connect(cashier, &ThemedDialogItem::actionClose, this, &AbstractGameListDialogItem::actionCashierClosed);
    cashier->setUrl(QUrl(url));
    stack->pushDialog(cashier, true);
}

void AbstractGameListDialogItem::setUserSettings(const QVariantMap&) {}

} // namespace VeskGames
