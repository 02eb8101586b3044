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
    if (WebDialogItem* cashier = openPage(QCoreApplication::instance()->property("iniurlbuyin").toString()))
        connect(cashier, &ThemedDialogItem::actionClose, this,
                &AbstractGameListDialogItem::actionCashierClosed);
}

WebDialogItem* AbstractGameListDialogItem::openPage(const QString& url)
{
    // Over the lobby on the scene's stack, with a ticket of the player's own.
    auto* stack = qobject_cast<AbstractPokerTableScene*>(scene());
    if (url.isEmpty() || !stack)
        return nullptr;
    auto* page = new WebDialogItem;
    page->setTheme(theme());
    page->setClient(client());
    page->setUrl(QUrl(url));
    stack->pushDialog(page, true);
    return page;
}

void AbstractGameListDialogItem::setUserSettings(const QVariantMap&) {}

void AbstractGameListDialogItem::slotDetailsResult(Command*) {}

void AbstractGameListDialogItem::getTicketCommandDone(Command* command)
{
    command->deleteLater();
}

} // namespace VeskGames
