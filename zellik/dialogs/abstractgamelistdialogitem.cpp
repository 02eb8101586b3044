#include "abstractgamelistdialogitem.h"

namespace VeskGames {

AbstractGameListDialogItem::AbstractGameListDialogItem(QGraphicsItem* parent) : ThemedDialogItem(parent) {}

AbstractGameListDialogItem::~AbstractGameListDialogItem() = default;

void AbstractGameListDialogItem::displayCashier() {}

} // namespace VeskGames
