#include "abstractplayeritem.h"

namespace VeskGames {

AbstractPlayerItem::AbstractPlayerItem(QGraphicsItem* parent) : ThemedGraphicsWidget(parent) {}

AbstractPlayerItem::~AbstractPlayerItem() = default;

} // namespace VeskGames
