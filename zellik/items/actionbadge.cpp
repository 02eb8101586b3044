#include "actionbadge.h"

#include "playeritembase.h"

namespace VeskGames {

QColor ActionBadge::colour(AbstractPlayerItem::PlayerAction action)
{
    switch (action) {
    case AbstractPlayerItem::ActionRaise:
    case AbstractPlayerItem::ActionBet:
    case AbstractPlayerItem::ActionAllIn:
        return QColor(228, 2, 2);
    case AbstractPlayerItem::ActionFold:
    case AbstractPlayerItem::ActionSitOut:
    case AbstractPlayerItem::ActionLeaving:
        return QColor(155, 152, 152);
    case AbstractPlayerItem::ActionCall:
    case AbstractPlayerItem::ActionCheck:
        return QColor(43, 229, 6);
    case AbstractPlayerItem::ActionMuck:
        return QColor(114, 92, 245);
    default:
        return QColor(242, 201, 76);
    }
}

QString ActionBadge::text(AbstractPlayerItem::PlayerAction action)
{
    switch (action) {
    case AbstractPlayerItem::ActionRaise:
        return PlayerItemBase::tr("Raise");
    case AbstractPlayerItem::ActionFold:
        return PlayerItemBase::tr("Fold");
    case AbstractPlayerItem::ActionCall:
        return PlayerItemBase::tr("Call");
    case AbstractPlayerItem::ActionBet:
        return PlayerItemBase::tr("Bet");
    case AbstractPlayerItem::ActionCheck:
        return PlayerItemBase::tr("Check");
    case AbstractPlayerItem::ActionMuck:
        return PlayerItemBase::tr("Muck");
    case AbstractPlayerItem::ActionAllIn:
        return PlayerItemBase::tr("All-in");
    case AbstractPlayerItem::ActionSitOut:
        return PlayerItemBase::tr("Sit out");
    case AbstractPlayerItem::ActionJoining:
        return PlayerItemBase::tr("Joining");
    case AbstractPlayerItem::ActionLeaving:
        return PlayerItemBase::tr("Leaving");
    default:
        return QString();
    }
}

} // namespace VeskGames
