#include "abstractpokertablescene.h"

namespace VeskGames {

AbstractPokerTableScene::AbstractPokerTableScene(QObject* parent) : QGraphicsScene(parent) {}

AbstractPokerTableScene::~AbstractPokerTableScene() = default;

} // namespace VeskGames
