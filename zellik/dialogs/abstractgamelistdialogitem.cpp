#include "abstractgamelistdialogitem.h"

namespace VeskGames {

AbstractGameListDialogItem::AbstractGameListDialogItem(QGraphicsItem* parent) : ThemedDialogItem(parent) {}

AbstractGameListDialogItem::~AbstractGameListDialogItem() = default;

void AbstractGameListDialogItem::displayCashier() {}

void AbstractGameListDialogItem::setUserSettings(const QVariantMap&) {}

} // namespace VeskGames
