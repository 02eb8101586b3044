#include "handsnapshot.h"
#include "protocol.h"

#include "handengine.h"

namespace Pokerd {

namespace {

// Street codes the client shows, by the number of board cards.
int streetStatus(qsizetype boardCards)
{
    return boardCards >= 5   ? VeskGames::Protocol::HandRiver
           : boardCards == 4 ? VeskGames::Protocol::HandTurn
           : boardCards == 3 ? VeskGames::Protocol::HandFlop
                             : VeskGames::Protocol::HandHoleCards;
}

} // namespace

QList<QVariantMap> runningHandEvents(const HandEngine& engine, int viewerSeat, qint32 timestamp)
{
    QList<QVariantMap> events;
    const auto add = [&](QVariantMap data, int seat = -1) {
        data.insert(QStringLiteral("event"), QStringLiteral("gameEvent"));
        data.insert(QStringLiteral("timestamp"), timestamp);
        if (seat >= 0)
            data.insert(QStringLiteral("position"), seat + 1);
        events.append(data);
    };
    if (engine.isFinished())
        return events;

    add({{QStringLiteral("handId"), engine.handId()}});
    add({{QStringLiteral("setDealer"), true}, {QStringLiteral("animationMs"), 0}}, engine.button());
    const QByteArray board = engine.board();
    add({{QStringLiteral("handStatus"), streetStatus(board.size())}});

    QVariantList pots;
    for (const Pot& pot : engine.gatheredPots()) {
        pots.append(QVariantMap{{QStringLiteral("value"), HandEngine::toUnits(pot.amount)},
                                {QStringLiteral("rake"), 0.0}});
    }
    if (!pots.isEmpty())
        add({{QStringLiteral("bettingDone"), pots}, {QStringLiteral("animationMs"), 0}});

    const QMap<int, HandEngine::SeatView> seats = engine.seatViews();
    for (auto it = seats.constBegin(); it != seats.constEnd(); ++it) {
        if (it->folded)
            continue;
        const QByteArray cards = it.key() == viewerSeat ? it->hole : QByteArray(it->hole.size(), '\0');
        add({{QStringLiteral("dealHole"), cards}, {QStringLiteral("animationMs"), 0}}, it.key());
    }
    if (!board.isEmpty())
        add({{QStringLiteral("dealCommunity"), board}, {QStringLiteral("animationMs"), 0}});

    for (auto it = seats.constBegin(); it != seats.constEnd(); ++it) {
        if (it->folded) {
            add({{QStringLiteral("actionFold"), true}}, it.key());
        } else if (it->allIn && it->bet > 0) {
            add({{QStringLiteral("actionAllIn"), HandEngine::toUnits(it->bet)},
                 {QStringLiteral("isRaise"), false}},
                it.key());
        } else if (it->bet > 0) {
            add({{QStringLiteral("actionBet"), HandEngine::toUnits(it->bet)}}, it.key());
        }
    }
    return events;
}

} // namespace Pokerd
