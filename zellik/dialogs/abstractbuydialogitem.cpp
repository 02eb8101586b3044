#include "abstractbuydialogitem.h"

namespace VeskGames {

AbstractBuyDialogItem::AbstractBuyDialogItem(QGraphicsItem* parent) : ThemedDialogItem(parent) {}

AbstractBuyDialogItem::~AbstractBuyDialogItem() = default;

} // namespace VeskGames
