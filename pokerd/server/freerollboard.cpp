#include "freerollboard.h"
#include "protocol.h"

#include "handengine.h"

namespace Pokerd {

namespace {

QString statusText(FreerollBoard::Status status)
{
    switch (status) {
    case FreerollBoard::Registering:
        return QStringLiteral("Registration open");
    case FreerollBoard::Running:
        return QStringLiteral("Running");
    case FreerollBoard::Finished:
        return QStringLiteral("Finished");
    case FreerollBoard::Full:
        return QStringLiteral("Full");
    case FreerollBoard::NotRunning:
        break;
    }
    return QStringLiteral("Not started");
}

} // namespace

QList<FreerollBoard::Freeroll> FreerollBoard::defaults(const QDateTime& now)
{
    const QDateTime base = now.toUTC();
    QList<Freeroll> list;
    Freeroll open;
    open.id = QStringLiteral("freeroll-evening");
    open.name = QStringLiteral("Evening Freeroll");
    open.start = base.addSecs(2 * 3600);
    open.prizePool = 100;
    open.capacity = 200;
    open.othersRegistered = 37;
    list.append(open);

    Freeroll omaha = open;
    omaha.id = QStringLiteral("freeroll-omaha");
    omaha.name = QStringLiteral("Omaha Freeroll");
    omaha.type = 0x10002;
    omaha.start = base.addSecs(26 * 3600);
    omaha.prizePool = 50;
    omaha.capacity = 100;
    omaha.othersRegistered = 4;
    list.append(omaha);

    Freeroll running = open;
    running.id = QStringLiteral("freeroll-running");
    running.name = QStringLiteral("Morning Freeroll");
    running.start = base.addSecs(-1800);
    running.status = Running;
    running.othersRegistered = 142;
    list.append(running);

    Freeroll full = open;
    full.id = QStringLiteral("freeroll-sng-full");
    full.name = QStringLiteral("Sit & Go Freeroll");
    full.type = 0x12001;
    full.start = base.addSecs(600);
    full.status = Full;
    full.prizePool = 10;
    full.capacity = 10;
    full.othersRegistered = 10;
    list.append(full);

    Freeroll finished = open;
    finished.id = QStringLiteral("freeroll-finished");
    finished.name = QStringLiteral("Night Freeroll");
    finished.start = base.addSecs(-5 * 3600);
    finished.status = Finished;
    finished.othersRegistered = 180;
    list.append(finished);
    return list;
}

FreerollBoard::FreerollBoard(const QList<Freeroll>& freerolls) : m_freerolls(freerolls) {}

QVariantList FreerollBoard::list(const QString& user) const
{
    QVariantList records;
    for (const Freeroll& f : m_freerolls) {
        records.append(
            QVariantMap{{QStringLiteral("id"), f.id},
                        {QStringLiteral("name"), f.name},
                        {QStringLiteral("type"), f.type},
                        {QStringLiteral("currency"), f.currency},
                        {QStringLiteral("tourStart"), f.start},
                        {QStringLiteral("tourStatus"), int(f.status)},
                        {QStringLiteral("tourPayoutSum"), f.prizePool},
                        {QStringLiteral("players"), f.players()},
                        {QStringLiteral("seats"), f.capacity},
                        {QStringLiteral("isPlaying"), !user.isEmpty() && f.registered.contains(user)}});
    }
    return records;
}

QVariantMap FreerollBoard::details(const QString& id) const
{
    const Freeroll* f = freeroll(id);
    if (!f)
        return QVariantMap();
    const QString text =
        QStringLiteral("%1\nStarts: %2 UTC\nStatus: %3\nPlayers: %4 of %5\nPrize pool: %6 %7")
            .arg(f->name, f->start.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                 statusText(f->status))
            .arg(f->players())
            .arg(f->capacity)
            .arg(f->prizePool, 0, 'f', 2)
            .arg(f->currency);
    return {{QStringLiteral("gameDetails"), text},
            {QStringLiteral("refreshInterval"), DetailsRefreshSeconds}};
}

FreerollBoard::Outcome FreerollBoard::setRegistered(const QString& user, const QString& id, bool registered)
{
    Freeroll* f = nullptr;
    for (Freeroll& candidate : m_freerolls) {
        if (candidate.id == id)
            f = &candidate;
    }
    if (!f || user.isEmpty())
        return NoSuchFreeroll;
    if (registered) {
        if (f->registered.contains(user))
            return AlreadyRegistered;
        if (f->status == Full)
            return NoRoom;
        if (f->status != Registering)
            return NotOpen;
        f->registered.insert(user);
        if (f->players() >= f->capacity)
            f->status = Full;
        return Done;
    }
    if (!f->registered.contains(user))
        return NotRegistered;
    // Once it runs, a registered player is in it.
    if (f->status != Registering && f->status != Full)
        return NotOpen;
    f->registered.remove(user);
    if (f->status == Full && f->players() < f->capacity)
        f->status = Registering;
    return Done;
}

QList<FreerollBoard::Freeroll> FreerollBoard::due(const QDateTime& now) const
{
    QList<Freeroll> starting;
    for (const Freeroll& f : m_freerolls) {
        if ((f.status == Registering || f.status == Full) && f.start <= now)
            starting.append(f);
    }
    return starting;
}

void FreerollBoard::setStatus(const QString& id, Status status)
{
    for (Freeroll& f : m_freerolls) {
        if (f.id == id)
            f.status = status;
    }
}

TableConfig FreerollBoard::tableFor(const Freeroll& f, int people) const
{
    TableConfig c;
    c.id = f.id;
    c.name = f.name;
    c.type = f.type | VeskGames::Protocol::Freeroll;
    c.currency = f.currency;
    c.seats = qBound(2, people + f.othersRegistered, 10);
    c.bots = qMax(0, c.seats - people);
    c.smallBlind = 1000;
    c.bigBlind = 2000;
    c.buyinMin = 1; // nothing is paid: the buy-in only keeps the table a valid one
    c.buyinMax = 1;
    c.tourStartStack = 150000;
    c.tourLevelSeconds = m_levelSeconds;
    c.tourPrizePool = HandEngine::fromUnits(f.prizePool);
    if (c.seats < 3)
        c.tourPayouts = {100};
    return c;
}

void FreerollBoard::setLevelSeconds(int seconds)
{
    m_levelSeconds = qMax(1, seconds);
}

const FreerollBoard::Freeroll* FreerollBoard::freeroll(const QString& id) const
{
    for (const Freeroll& f : m_freerolls) {
        if (f.id == id)
            return &f;
    }
    return nullptr;
}

} // namespace Pokerd
