#include "protocol.h"
#include "table.h"

#include "table_p.h"

namespace Pokerd {

namespace {

constexpr int kFreerollResultSeconds = 30;

} // namespace

int Table::tourStatus() const
{
    return d->tournament ? int(d->tournament->status()) : 0;
}

Cents Table::tournamentCost() const
{
    return d->config.isFreeroll() ? 0 : d->config.buyinMin + d->config.tourFee;
}

QMap<QString, Cents> Table::heldMoney() const
{
    QMap<QString, Cents> held;
    if (!d->tournament || tournamentCost() == 0)
        return held;
    for (const auto& [seat, player] : d->players) {
        if (!player.isBot())
            held.insert(player.user, tournamentCost());
    }
    return held;
}

void Table::sendToAll(const QVariantMap& event)
{
    deliver(HandEvent{event, -1, -1});
}

void Table::sendTourStatus(const QString& onlySession)
{
    if (!d->tournament)
        return;
    const QVariantMap event{{QStringLiteral("event"), QStringLiteral("gameEvent")},
                            {QStringLiteral("tourStatus"), int(d->tournament->status())},
                            {QStringLiteral("timestamp"), now()}};
    if (onlySession.isEmpty())
        sendToAll(event);
    else
        Q_EMIT eventFor(onlySession, event);
}

void Table::openTournament()
{
    const TableConfig& c = d->config;
    // The stakes of the first level, whatever the last one reached.
    if (d->tournament) {
        d->config.smallBlind = d->tournament->smallBlindAt(0);
        d->config.bigBlind = d->tournament->bigBlindAt(0);
    }
    const Cents pool = c.isFreeroll() ? c.tourPrizePool : c.buyinMin * c.seats;
    d->tournament.emplace(pool, c.payoutShares(), c.smallBlind, c.bigBlind, c.tourLevelSeconds);
    d->level = 0;
    d->blinds = std::make_unique<BlindRotation>(c.smallBlind, c.bigBlind);
    d->players.clear();
    d->seatBots(c.tourStartStack, quint32(d->handId));
    // A new table: what the last one showed is gone.
    sendToAll({{QStringLiteral("event"), QStringLiteral("gameEvent")},
               {QStringLiteral("handStatus"), VeskGames::Protocol::HandOver},
               {QStringLiteral("timestamp"), now()}});
    sendToAll(parametersEvent());
    for (int seat = 0; seat < c.seats; ++seat)
        sendSeatData(seat);
    sendTourStatus();
    if (int(d->players.size()) >= c.seats)
        startTournament();
}

bool Table::registerPlayer(const QString& user, const QString& session, int avatarId,
                           const QString& shownName)
{
    if (!d->tournament || d->tournament->status() != Tournament::Registering || d->seatOfUser(user) >= 0)
        return false;
    for (int seat = 0; seat < d->config.seats; ++seat) {
        if (d->players.count(seat))
            continue;
        Player player = Private::person(user, shownName, session, avatarId);
        player.stack = d->config.tourStartStack;
        player.sittingOut = session.isEmpty(); // registered, but not here
        d->players.emplace(seat, std::move(player));
        d->watchers.removeAll(session);
        sendSeatData(seat);
        if (int(d->players.size()) >= d->config.seats)
            startTournament();
        return true;
    }
    return false;
}

bool Table::unregisterPlayer(const QString& session)
{
    const int seat = d->seatOf(session);
    if (seat < 0 || !d->tournament || d->tournament->status() != Tournament::Registering)
        return false;
    d->players.erase(seat);
    if (!d->watchers.contains(session))
        d->watchers.append(session);
    sendSeatData(seat);
    return true;
}

void Table::startTournament()
{
    d->tournament->setStatus(Tournament::Running);
    d->tournamentClock.start();
    sendTourStatus();
    d->nextHand.start(d->timing.betweenHandsMs);
}

void Table::updateBlindLevel()
{
    const int level = d->tournament->levelAt(d->tournamentClock.elapsed());
    if (level == d->level)
        return;
    d->level = level;
    d->config.smallBlind = d->tournament->smallBlindAt(level);
    d->config.bigBlind = d->tournament->bigBlindAt(level);
    sendToAll(parametersEvent());
}

void Table::placeBustedPlayers(const QMap<int, Cents>& stacksAtStart)
{
    QMap<int, Cents> busted;
    int stillPlaying = 0;
    for (const auto& [seat, player] : d->players) {
        if (player.stack > 0)
            ++stillPlaying;
        else if (stacksAtStart.contains(seat))
            busted.insert(seat, stacksAtStart.value(seat));
    }
    // Ties share their places' prizes; the odd cent goes to the first seat
    // after the button, as card rooms pay it.
    QList<int> payoutOrder;
    for (int i = 1; i <= d->config.seats; ++i)
        payoutOrder.append((d->lastButton + i + d->config.seats) % d->config.seats);
    QMap<int, Tournament::Finish> finishes = d->tournament->finishes(busted, stillPlaying, payoutOrder);
    if (stillPlaying == 1) {
        for (const auto& [seat, player] : d->players) {
            if (player.stack > 0)
                finishes.insert(seat, {1, d->tournament->prizeFor(1)});
        }
    }
    // The worst place first, as they would have left one by one.
    QList<int> order = finishes.keys();
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return finishes.value(a).place > finishes.value(b).place; });
    for (int seat : std::as_const(order)) {
        const int place = finishes.value(seat).place;
        const Cents prize = finishes.value(seat).prize;
        sendToAll({{QStringLiteral("event"), QStringLiteral("gameEvent")},
                   {QStringLiteral("tourBusted"), place},
                   {QStringLiteral("tourPrice"), HandEngine::toUnits(prize)},
                   {QStringLiteral("position"), seat + 1},
                   {QStringLiteral("timestamp"), now()}});
        const Player& player = d->players.at(seat);
        const QString user = player.user;
        const QString session = player.session;
        const bool person = !player.isBot();
        d->players.erase(seat);
        d->blinds->seatFreed(seat);
        sendSeatData(seat);
        if (person && d->config.isFreeroll() && !session.isEmpty())
            Q_EMIT eventFor(session, {{QStringLiteral("event"), QStringLiteral("gameEvent")},
                                      {QStringLiteral("freerollBusted"), place},
                                      {QStringLiteral("amount"), HandEngine::toUnits(prize)},
                                      {QStringLiteral("currency"), d->config.currency},
                                      {QStringLiteral("timeout"), kFreerollResultSeconds},
                                      {QStringLiteral("timestamp"), now()}});
        if (person) {
            // Still sees the table to the end, from the rail.
            if (!session.isEmpty() && !d->watchers.contains(session))
                d->watchers.append(session);
            Q_EMIT tournamentFinishedFor(user, prize);
        }
    }
    if (stillPlaying <= 1) {
        d->tournament->setStatus(Tournament::Finished);
        sendTourStatus();
        d->nextHand.stop();
        // A freeroll is played once; a Sit & Go table opens the next.
        if (!d->config.isFreeroll())
            d->nextTournament.start(d->timing.betweenTournamentsMs);
    }
}

} // namespace Pokerd
