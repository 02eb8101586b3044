#ifndef VESKGAMES_ACTIONBADGE_H
#define VESKGAMES_ACTIONBADGE_H

#include "abstractplayeritem.h"

#include <QColor>
#include <QString>

namespace VeskGames {

/// What a seat's badge says for an action, and in which colour: red for
/// money in, green for staying in cheaply, grey for leaving the hand.
class ActionBadge
{
public:
    /// Empty for the actions that show no text.
    static QString text(AbstractPlayerItem::PlayerAction action);
    static QColor colour(AbstractPlayerItem::PlayerAction action);
};

} // namespace VeskGames

#endif
