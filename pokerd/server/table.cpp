#include "table.h"
#include "pokerdlogging.h"
#include "protocol.h"

#include "handsnapshot.h"
#include "table_p.h"

namespace Pokerd {

Table::Table(const TableConfig& config, quint32 seed, const Timing& timing, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->config = config;
    d->timing = timing;
    d->seed = seed;
    d->blinds = std::make_unique<BlindRotation>(config.smallBlind, config.bigBlind);
    d->nextHand.setSingleShot(true);
    connect(&d->nextHand, &QTimer::timeout, this, &Table::slotStartHand);
    d->actionTimer.setSingleShot(true);
    if (config.isTournament()) {
        d->nextTournament.setSingleShot(true);
        connect(&d->nextTournament, &QTimer::timeout, this, &Table::openTournament);
        openTournament();
        return;
    }

    d->seatBots(config.buyinMax, 0);
    d->nextHand.start(0);
}

Table::~Table() = default;

const TableConfig& Table::config() const
{
    return d->config;
}

QVariantMap Table::listing(bool isPlaying) const
{
    const TableConfig& c = d->config;
    QVariantMap record{{QStringLiteral("id"), c.id},
                       {QStringLiteral("name"), c.name},
                       {QStringLiteral("type"), c.type},
                       {QStringLiteral("currency"), c.currency},
                       {QStringLiteral("limit"), c.limit},
                       {QStringLiteral("stakeMin"), HandEngine::toUnits(c.smallBlind)},
                       {QStringLiteral("stakeMax"), HandEngine::toUnits(c.bigBlind)},
                       {QStringLiteral("ante"), HandEngine::toUnits(c.ante)},
                       {QStringLiteral("buyinMin"), HandEngine::toUnits(c.buyinMin)},
                       {QStringLiteral("buyinMax"), HandEngine::toUnits(c.buyinMax)},
                       {QStringLiteral("seats"), c.seats},
                       {QStringLiteral("players"), playerCount()},
                       {QStringLiteral("isPlaying"), isPlaying}};
    if (c.imageId > 0)
        record.insert(QStringLiteral("imageId"), c.imageId);
    // A lobby can then say what a seat in a Sit & Go costs in all.
    if (c.isTournament())
        record.insert(QStringLiteral("tourBuyinFee"), HandEngine::toUnits(c.tourFee));
    return record;
}

QVariantMap Table::parametersEvent() const
{
    const TableConfig& c = d->config;
    // The prizes as amounts, first place first.
    QStringList prizes;
    if (d->tournament) {
        for (Cents prize : d->tournament->prizes())
            prizes.append(QString::number(HandEngine::toUnits(prize), 'f', 2));
    }
    const QString payouts = prizes.join(QLatin1Char('|'));
    return {
        {QStringLiteral("event"), QStringLiteral("gameParameters")},
        {QStringLiteral("type"), c.type},
        {QStringLiteral("limit"), c.limit},
        {QStringLiteral("seats"), c.seats},
        {QStringLiteral("period"), 0},
        {QStringLiteral("stakeMin"), HandEngine::toUnits(c.smallBlind)},
        {QStringLiteral("stakeMax"), HandEngine::toUnits(c.bigBlind)},
        {QStringLiteral("buyinMin"), HandEngine::toUnits(c.buyinMin)},
        {QStringLiteral("buyinMax"), HandEngine::toUnits(c.buyinMax)},
        {QStringLiteral("rake"), 0.05},
        {QStringLiteral("ante"), HandEngine::toUnits(c.ante)},
        {QStringLiteral("tourPayoutValues"), payouts},
        {QStringLiteral("tourBuyinFee"), HandEngine::toUnits(c.tourFee)},
        {QStringLiteral("tourStakeChangeInterval"), c.isTournament() ? c.tourLevelSeconds : 0},
        {QStringLiteral("tourStartStack"), c.isTournament() ? HandEngine::toUnits(c.tourStartStack) : 0.0},
        {QStringLiteral("currency"), c.currency},
        {QStringLiteral("timestamp"), now()}};
}

int Table::join(const QString& user, const QString& session, int avatarId, int preferredSeat,
                const QString& shownName)
{
    const int existing = d->seatOf(session);
    if (existing >= 0) {
        // Joined again, or first at a seat taken for it: the table as it stands.
        Q_EMIT eventFor(session, parametersEvent());
        for (const auto& entry : d->players)
            sendSeatData(entry.first, session);
        sendTourStatus(session);
        sendRunningHand(session, existing);
        return existing;
    }
    const int own = d->seatOfUser(user);
    if (own >= 0) {
        Player& player = d->players[own];
        const QString previous = std::exchange(player.session, session);
        d->watchers.removeAll(session);
        Q_EMIT eventFor(session, parametersEvent());
        for (const auto& entry : d->players)
            sendSeatData(entry.first, session);
        Q_EMIT seatTakenOver(user, previous);
        sendTourStatus(session);
        sendRunningHand(session, own);
        return own;
    }
    if (d->tournament)
        return -1; // a seat here is taken by registering
    const bool preferredFree =
        preferredSeat >= 0 && preferredSeat < d->config.seats && !d->players.count(preferredSeat);
    for (int seat = preferredFree ? preferredSeat : 0; seat < d->config.seats; ++seat) {
        if (d->players.count(seat))
            continue;
        d->players.emplace(seat, Private::person(user, shownName, session, avatarId));
        d->blinds->seatTaken(seat);
        d->watchers.removeAll(session);
        Q_EMIT eventFor(session, parametersEvent());
        for (const auto& entry : d->players)
            sendSeatData(entry.first, session);
        sendRunningHand(session, -1);
        sendSeatData(seat);
        return seat;
    }
    return -1;
}

void Table::watch(const QString& session)
{
    if (!d->watchers.contains(session))
        d->watchers.append(session);
    Q_EMIT eventFor(session, parametersEvent());
    for (const auto& entry : d->players)
        sendSeatData(entry.first, session);
    sendTourStatus(session);
    sendRunningHand(session, -1);
}

bool Table::isSeated(const QString& session) const
{
    return d->seatOf(session) >= 0;
}

bool Table::hasSeat(const QString& user) const
{
    return d->seatOfUser(user) >= 0;
}

bool Table::addChips(const QString& session, Cents amount)
{
    const int seat = d->seatOf(session);
    if (seat < 0 || amount <= 0 || d->tournament)
        return false; // tournament chips are not bought
    d->ledgerIn += amount;
    if (d->handRunning && d->engine && d->engine->stacks().contains(seat)) {
        // The hand in play owns the stack; these chips wait beside it.
        d->players[seat].waiting += amount;
        d->boughtDuringHand += amount;
        return true;
    }
    d->players[seat].stack += amount;
    d->players[seat].askedToRebuy = false;
    // Not in a hand: the new stack shows at once.
    sendSeatData(seat);
    if (!d->handRunning && !d->nextHand.isActive())
        d->nextHand.start(d->timing.betweenHandsMs);
    return true;
}

Cents Table::chipsOf(const QString& session) const
{
    const int seat = d->seatOf(session);
    return seat < 0 ? 0 : d->players.at(seat).stack + d->players.at(seat).waiting;
}

bool Table::act(const QString& session, const QString& action, Cents amount)
{
    const int seat = d->seatOf(session);
    if (seat < 0 || !d->engine || d->engine->actingSeat() != seat)
        return false;
    HandEngine::Action what = HandEngine::Fold;
    if (action == QLatin1String("actionCheckCall"))
        what = HandEngine::CheckCall;
    else if (action == QLatin1String("actionBetRaise"))
        what = HandEngine::BetRaise;
    else if (action != QLatin1String("actionFold"))
        return false;
    d->actionTimer.stop();
    d->players[seat].timeouts = 0;
    d->engine->act(seat, what, amount);
    afterAction();
    return true;
}

bool Table::setting(const QString& session, const QString& name)
{
    const int seat = d->seatOf(session);
    if (seat < 0)
        return false;
    Player& player = d->players[seat];
    if (name == QLatin1String("sitout")) {
        player.sittingOut = true;
    } else if (name == QLatin1String("return")) {
        player.sittingOut = false;
        player.timeouts = 0;
        if (!d->handRunning && !d->nextHand.isActive())
            d->nextHand.start(d->timing.betweenHandsMs);
    } else if (name == QLatin1String("foldAndLeave")) {
        if (d->engine && d->engine->actingSeat() == seat)
            act(session, QStringLiteral("actionFold"), 0);
        leave(session);
        return true;
    } else {
        return false;
    }
    sendStatusChange(seat);
    return true;
}

void Table::sendStatusChange(int seat)
{
    // Everybody at the table sees the seat change, not only its player.
    const QVariantMap change{{QStringLiteral("event"), QStringLiteral("gameEvent")},
                             {QStringLiteral("userStatusChange"), d->players.at(seat).status()},
                             {QStringLiteral("position"), seat + 1},
                             {QStringLiteral("timestamp"), now()}};
    for (const auto& entry : d->players) {
        if (!entry.second.isBot())
            Q_EMIT eventFor(entry.second.session, change);
    }
    for (const QString& watcher : std::as_const(d->watchers))
        Q_EMIT eventFor(watcher, change);
}

void Table::leave(const QString& session)
{
    d->watchers.removeAll(session);
    const int seat = d->seatOf(session);
    if (seat < 0)
        return;
    if (d->tournament) {
        Player& player = d->players[seat];
        const QString user = player.user;
        if (d->tournament->status() == Tournament::Registering) {
            // Not started: the seat and its money go back.
            d->players.erase(seat);
            sendSeatData(seat);
            Q_EMIT playerLeft(user, session, tournamentCost());
            return;
        }
        // The chips stay in play, blinded away, until they win or run out.
        player.session.clear();
        player.sittingOut = true;
        sendStatusChange(seat);
        if (d->engine && d->engine->actingSeat() == seat && foldLeavingPlayer())
            afterAction();
        Q_EMIT playerLeft(user, session, 0);
        return;
    }
    const bool inHand = d->handRunning && d->engine && d->engine->stacks().contains(seat);
    if (inHand) {
        d->players[seat].leaving = true;
        sendStatusChange(seat);
        // Nobody waits for a player who has gone.
        if (d->engine->actingSeat() == seat && foldLeavingPlayer())
            afterAction();
        return;
    }
    const Player& player = d->players[seat];
    const QString user = player.user;
    const Cents chips = player.stack + player.waiting;
    d->players.erase(seat);
    d->ledgerOut += chips;
    d->blinds->seatFreed(seat);
    sendSeatData(seat);
    Q_EMIT playerLeft(user, session, chips);
    auditLedger();
}

void Table::auditLedger()
{
    if (d->tournament || d->handRunning)
        return; // tournament chips are no money; in a hand the engine holds the stacks
    const Cents onTable = d->chipsOnTable();
    const Cents owed = d->ledgerIn - d->ledgerOut - d->ledgerRake;
    if (onTable != owed)
        qCCritical(lcPokerdTable,
                   "pokerd: table %s after hand %d: %lld cents on the table, %lld by its ledger",
                   qPrintable(d->config.id), d->handId, onTable, owed);
}

void Table::forget(const QString& session)
{
    d->watchers.removeAll(session);
}

QStringList Table::history(const QString& user, int count, bool onlyPlayed) const
{
    QStringList texts;
    for (auto it = d->records.crbegin(); it != d->records.crend() && texts.size() < count; ++it) {
        const auto seat = it->second.constFind(user);
        if (seat != it->second.constEnd())
            texts.prepend(it->first->text(seat.value()));
        else if (!onlyPlayed)
            texts.prepend(it->first->text(-1));
    }
    return texts;
}

QString Table::lastRecord() const
{
    if (d->records.empty())
        return QString();
    const HandRecord& record = *d->records.back().first;
    return record.text(record.firstSeat());
}

int Table::seatOfUser(const QString& user) const
{
    return d->seatOfUser(user);
}

int Table::playerCount() const
{
    return int(d->players.size());
}

QMap<QString, Cents> Table::peopleStacks() const
{
    QMap<QString, Cents> stacks;
    if (d->tournament)
        return stacks; // tournament chips are not money
    for (const auto& [seat, player] : d->players) {
        if (!player.isBot())
            stacks.insert(player.user, player.stack + player.waiting);
    }
    return stacks;
}

int Table::handsPlayed() const
{
    return d->handsPlayed;
}

void Table::deliver(const HandEvent& event)
{
    if (d->record)
        d->record->add(event);
    for (const auto& [seat, player] : d->players) {
        if (player.isBot())
            continue;
        if (event.onlySeat >= 0 && event.onlySeat != seat)
            continue;
        if (event.exceptSeat == seat)
            continue;
        Q_EMIT eventFor(player.session, event.data);
    }
    if (event.onlySeat < 0) {
        for (const QString& watcher : std::as_const(d->watchers))
            Q_EMIT eventFor(watcher, event.data);
    }
}

void Table::sendSeatData(int seat, const QString& onlySession)
{
    const auto it = d->players.find(seat);
    QVariantMap data{{QStringLiteral("event"), QStringLiteral("gameEvent")},
                     {QStringLiteral("position"), seat + 1},
                     {QStringLiteral("timestamp"), now()}};
    if (it == d->players.end()) {
        // An empty seat.
        data.insert(QStringLiteral("userName"), QString());
        data.insert(QStringLiteral("userAvatarId"), 0);
        data.insert(QStringLiteral("userStack"), 0.0);
        data.insert(QStringLiteral("userStatus"), int(StatusEmpty));
        data.insert(QStringLiteral("userDisplayName"), QString());
    } else {
        const Player& p = it->second;
        data.insert(QStringLiteral("userName"), p.shownName());
        data.insert(QStringLiteral("userAvatarId"), p.avatarId);
        // Mid-hand the stack is what is left behind the bets.
        const bool inHand = d->handRunning && d->engine && d->engine->stacks().contains(seat);
        const Cents stack = inHand ? d->engine->stacks().value(seat) : p.stack;
        data.insert(QStringLiteral("userStack"), HandEngine::toUnits(stack));
        data.insert(QStringLiteral("userStatus"), p.status());
        data.insert(QStringLiteral("userDisplayName"), QStringLiteral("Player %1").arg(seat + 1));
    }
    if (!onlySession.isEmpty())
        Q_EMIT eventFor(onlySession, data);
    else
        deliver(HandEvent{data, -1, -1});
}

void Table::slotStartHand()
{
    if (d->handRunning)
        return;
    if (d->tournament) {
        if (!d->tournamentRunning())
            return;
        updateBlindLevel();
    }
    for (auto& [seat, player] : d->players) {
        if (d->tournament)
            break; // nobody buys chips in a tournament
        // Bots buy again when they run low; they never run out of money.
        if (player.isBot() && player.stack < d->config.buyinMin) {
            d->ledgerIn += d->config.buyinMax - player.stack;
            player.stack = d->config.buyinMax;
        }
    }
    QMap<int, BlindRotation::SeatState> seats;
    for (const auto& [seat, player] : d->players) {
        // In a tournament whoever has chips is dealt in, there or not.
        const bool ready = player.stack > 0 && ((!player.sittingOut && !player.leaving) || d->tournament);
        seats.insert(seat, ready ? BlindRotation::Ready : BlindRotation::Away);
    }
    const BlindRotation::Hand hand = d->blinds->next(seats);
    if (hand.dealtIn.size() < 2)
        return; // waits for chips or players
    QMap<int, Cents> stacks;
    for (int seat : hand.dealtIn)
        stacks.insert(seat, d->players.at(seat).stack);
    d->stacksAtStart = stacks;
    ++d->handId;

    d->record = std::make_unique<HandRecord>();
    d->recordSeats.clear();
    QList<QVariantMap> seated;
    for (const auto& [seat, player] : d->players) {
        if (!player.isBot() && stacks.contains(seat))
            d->recordSeats.insert(player.user, seat);
        if (stacks.contains(seat))
            seated.append({{QStringLiteral("userName"), player.shownName()},
                           {QStringLiteral("position"), seat + 1},
                           {QStringLiteral("userStack"), HandEngine::toUnits(player.stack)}});
    }
    QVariantMap header = parametersEvent();
    d->record->setHeader(header, seated);
    for (const auto& entry : d->players)
        sendSeatData(entry.first);

    d->engine = std::make_unique<HandEngine>(
        d->handConfig(), [this](const HandEvent& e) { deliver(e); }, d->seed * 7919u + quint32(d->handId));
    d->handRunning = true;
    d->chipsAtStart = d->waitingChips();
    d->boughtDuringHand = 0;
    for (Cents c : std::as_const(stacks))
        d->chipsAtStart += c;
    d->engine->start(stacks, hand.blinds, d->handId);
    if (d->config.type & VeskGames::Protocol::InstantDeal) {
        // A pool: whoever is dealt in may fold at once and go, ahead of the turn.
        for (const auto& [seat, player] : d->players) {
            if (!player.isBot() && stacks.contains(seat))
                Q_EMIT eventFor(player.session, {{QStringLiteral("event"), QStringLiteral("gameRequest")},
                                                 {QStringLiteral("foldAndLeave"), true},
                                                 {QStringLiteral("position"), seat + 1},
                                                 {QStringLiteral("timestamp"), now()}});
        }
    }
    afterAction();
}

void Table::afterAction()
{
    if (!d->engine)
        return;
    while (!d->engine->isFinished() && foldLeavingPlayer()) {
    }
    if (d->engine->isFinished()) {
        finishHand();
        return;
    }
    const int seat = d->engine->actingSeat();
    Player& player = d->players[seat];
    const int handId = d->handId;
    // Everybody at the table sees whose turn it is and runs that seat's timer.
    const QVariantMap request = requestEvent(d->timing.actionTimeoutMs);
    for (const auto& entry : d->players) {
        if (!entry.second.isBot())
            Q_EMIT eventFor(entry.second.session, request);
    }
    for (const QString& watcher : std::as_const(d->watchers))
        Q_EMIT eventFor(watcher, request);
    if (player.isBot()) {
        QTimer::singleShot(d->timing.botDelayMs, this, [this, handId, seat] { slotBotTurn(handId, seat); });
        return;
    }
    Q_EMIT actionRequested(player.session);
    d->actionTimer.disconnect(this);
    connect(&d->actionTimer, &QTimer::timeout, this,
            [this, handId, seat] { slotActionTimeout(handId, seat); });
    d->actionTimer.start(d->timing.actionTimeoutMs);
}

QVariantMap Table::requestEvent(int timeoutMs) const
{
    const HandEngine::Options o = d->engine->options();
    return {{QStringLiteral("event"), QStringLiteral("gameRequest")},
            {QStringLiteral("action"), true},
            {QStringLiteral("position"), d->engine->actingSeat() + 1},
            {QStringLiteral("timeout"), qMax(1, timeoutMs / 1000)},
            {QStringLiteral("valueMin"), HandEngine::toUnits(o.minAdd)},
            {QStringLiteral("valueMax"), HandEngine::toUnits(o.maxAdd)},
            {QStringLiteral("valuePotLimit"), HandEngine::toUnits(o.potLimitAdd)},
            {QStringLiteral("value"), HandEngine::toUnits(o.toCall)},
            {QStringLiteral("isAllIn"), o.isAllIn},
            {QStringLiteral("canRaise"), o.canRaise},
            {QStringLiteral("timestamp"), now()}};
}

void Table::sendRunningHand(const QString& session, int seat)
{
    if (!d->handRunning || !d->engine || d->engine->isFinished())
        return;
    for (const QVariantMap& event : runningHandEvents(*d->engine, seat, now()))
        Q_EMIT eventFor(session, event);
    const int acting = d->engine->actingSeat();
    if (acting < 0)
        return;
    const bool timed = d->actionTimer.isActive();
    Q_EMIT eventFor(session,
                    requestEvent(timed ? d->actionTimer.remainingTime() : d->timing.actionTimeoutMs));
    // A player back at the seat whose turn it is answers the request from here.
    if (acting == seat && timed)
        Q_EMIT actionRequested(session);
}

bool Table::foldLeavingPlayer()
{
    const int seat = d->engine->actingSeat();
    const auto it = d->players.find(seat);
    if (it == d->players.end())
        return false;
    if (d->tournament && it->second.sittingOut && !it->second.isBot()) {
        // Away from a tournament: checks when it can, folds when it must.
        d->actionTimer.stop();
        d->engine->timeout(seat);
        return true;
    }
    if (!it->second.leaving)
        return false;
    d->actionTimer.stop();
    return d->engine->act(seat, HandEngine::Fold);
}

void Table::slotBotTurn(int handId, int seat)
{
    if (!d->engine || handId != d->handId || d->engine->actingSeat() != seat)
        return;
    Player& player = d->players[seat];
    const Bot::Decision decision = player.bot->decide(
        d->engine->options(), d->engine->holeCards().value(seat), d->engine->board(), d->config.type & 0x2);
    d->engine->act(seat, decision.action, decision.amount);
    afterAction();
}

void Table::slotActionTimeout(int handId, int seat)
{
    if (!d->engine || handId != d->handId || d->engine->actingSeat() != seat)
        return;
    Player& player = d->players[seat];
    if (++player.timeouts >= kTimeoutsBeforeSittingOut) {
        player.sittingOut = true;
        sendStatusChange(seat);
    }
    d->engine->timeout(seat);
    afterAction();
}

void Table::finishHand()
{
    d->actionTimer.stop();
    const QMap<int, Cents> stacks = d->engine->stacks();
    Cents chipsAtEnd = d->engine->rake();
    d->ledgerRake += d->engine->rake();
    for (auto it = stacks.constBegin(); it != stacks.constEnd(); ++it) {
        d->players[it.key()].stack = it.value();
        chipsAtEnd += it.value();
    }
    for (auto& entry : d->players) {
        chipsAtEnd += entry.second.waiting;
        entry.second.stack += std::exchange(entry.second.waiting, 0);
    }
    // Every cent is somewhere: in a stack, beside one or in the rake.
    if (chipsAtEnd != d->chipsAtStart + d->boughtDuringHand)
        qCCritical(lcPokerdTable, "pokerd: table %s, hand %d: %lld cents at the start, %lld at the end",
                   qPrintable(d->config.id), d->handId, d->chipsAtStart, chipsAtEnd);
    d->handRunning = false;
    d->lastHandId = d->engine->handId();
    d->lastButton = d->engine->button();
    d->lastBoard = d->engine->board();
    d->engine.reset();
    ++d->handsPlayed;

    d->records.emplace_back(std::move(d->record), d->recordSeats);
    while (d->records.size() > size_t(kKeptRecords))
        d->records.pop_front();

    // Everybody sees the stacks as the hand left them, those who leave now too:
    // their last stack is what goes back to their balance.
    for (const auto& entry : d->players)
        sendSeatData(entry.first);
    QList<QString> leaving;
    for (const auto& [seat, player] : d->players) {
        if (player.leaving)
            leaving.append(player.session);
    }
    for (const QString& session : std::as_const(leaving)) {
        const int seat = d->seatOf(session);
        d->players[seat].leaving = false;
        leave(session);
    }
    if (d->tournament)
        placeBustedPlayers(d->stacksAtStart);
    auditLedger();
    if (!d->tournament) {
        // Out of chips at a cash table: asked to buy again, or to go.
        for (auto& [seat, player] : d->players) {
            if (player.stack > 0)
                player.askedToRebuy = false;
            if (player.isBot() || player.stack != 0 || player.session.isEmpty() ||
                std::exchange(player.askedToRebuy, true))
                continue;
            Q_EMIT eventFor(player.session, {{QStringLiteral("event"), QStringLiteral("gameRequest")},
                                             {QStringLiteral("rebuy"), true},
                                             {QStringLiteral("position"), seat + 1},
                                             {QStringLiteral("timeout"), d->timing.actionTimeoutMs / 1000},
                                             {QStringLiteral("timestamp"), now()}});
        }
    }
    deliver(HandEvent{{{QStringLiteral("event"), QStringLiteral("gameEvent")},
                       {QStringLiteral("handStatus"), VeskGames::Protocol::HandWaiting},
                       {QStringLiteral("timestamp"), now()}},
                      -1,
                      -1});
    Q_EMIT handFinished();
    if (!d->tournament || d->tournamentRunning())
        d->nextHand.start(d->timing.betweenHandsMs);
}

} // namespace Pokerd

namespace Pokerd {

QVariantMap Table::stateSnapshot() const
{
    const HandEngine* engine = d->engine.get();
    const bool running = engine && !engine->isFinished();
    const QMap<int, HandEngine::SeatView> views =
        engine ? engine->seatViews() : QMap<int, HandEngine::SeatView>();
    QVariantList seats;
    for (const auto& [seat, player] : d->players) {
        const bool inHand = running && views.contains(seat);
        const HandEngine::SeatView view = views.value(seat);
        QVariantList cards;
        if (engine && views.contains(seat)) {
            for (char card : view.hole)
                cards.append(int(card));
        }
        seats.append(
            QVariantMap{{QStringLiteral("seat"), seat},
                        {QStringLiteral("name"), player.shownName()},
                        {QStringLiteral("stack"), HandEngine::toUnits(inHand ? view.stack : player.stack)},
                        {QStringLiteral("bet"), HandEngine::toUnits(inHand ? view.bet : 0)},
                        {QStringLiteral("folded"), views.contains(seat) && view.folded},
                        {QStringLiteral("inHand"), views.contains(seat)},
                        {QStringLiteral("cards"), cards},
                        {QStringLiteral("sittingOut"), player.sittingOut}});
    }
    QVariantList pots;
    if (running) {
        for (const Pot& pot : engine->gatheredPots())
            pots.append(HandEngine::toUnits(pot.amount));
    }
    QVariantList board;
    for (char card : engine ? engine->board() : d->lastBoard)
        board.append(int(card));
    const int handId = engine ? engine->handId() : d->lastHandId;
    return {{QStringLiteral("table"), d->config.id},
            {QStringLiteral("handId"), handId >= 0 ? QVariant(handId) : QVariant()},
            {QStringLiteral("running"), running},
            {QStringLiteral("dealer"), engine ? engine->button() : d->lastButton},
            {QStringLiteral("board"), board},
            {QStringLiteral("pots"), pots},
            {QStringLiteral("seats"), seats}};
}

} // namespace Pokerd
