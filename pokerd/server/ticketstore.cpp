#include "ticketstore.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>

#include <array>

namespace Pokerd {

namespace {

constexpr int kTicketWords = 4; // 128 bits
constexpr int kTicketLength = kTicketWords * 8;

bool looksLikeTicket(const QString& text)
{
    if (text.size() != kTicketLength)
        return false;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

/// Tickets are kept by their digest: a look-up's timing tells nothing about them.
QByteArray keyOf(const QString& ticket)
{
    return QCryptographicHash::hash(ticket.toLatin1(), QCryptographicHash::Sha256);
}

} // namespace

class TicketStore::Private
{
public:
    struct Entry
    {
        QString user;
        Purpose purpose = WebPage;
        qint64 issuedMs = 0;
        quint64 serial = 0; ///< issue order, for clocks that stand still
    };

    Clock clock;
    QElapsedTimer steady;
    QHash<QByteArray, Entry> tickets;
    quint64 issued = 0;

    bool expired(const Entry& entry, qint64 now) const { return now - entry.issuedMs >= LifetimeMs; }

    void purge(qint64 now)
    {
        tickets.removeIf([&](const QHash<QByteArray, Entry>::iterator& it) { return expired(*it, now); });
    }

    void makeRoomFor(const QString& user)
    {
        int count = 0;
        auto oldest = tickets.end();
        for (auto it = tickets.begin(); it != tickets.end(); ++it) {
            if (it->user != user)
                continue;
            ++count;
            if (oldest == tickets.end() || it->serial < oldest->serial)
                oldest = it;
        }
        if (count >= MaximumPerUser)
            tickets.erase(oldest);
    }
};

TicketStore::TicketStore(Clock clock) : d(std::make_unique<Private>())
{
    d->steady.start();
    Private* p = d.get();
    d->clock = clock ? std::move(clock) : Clock([p] { return p->steady.elapsed(); });
}

TicketStore::~TicketStore() = default;

QString TicketStore::issue(const QString& user, Purpose purpose)
{
    if (user.isEmpty())
        return QString();
    const qint64 now = d->clock();
    // Every issue sweeps: what is kept is at most a minute's worth of tickets.
    d->purge(now);
    d->makeRoomFor(user);
    std::array<quint32, kTicketWords> words{};
    QRandomGenerator::system()->fillRange(words.data(), kTicketWords);
    QString ticket;
    ticket.reserve(kTicketLength);
    for (const quint32 word : words)
        ticket += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    d->tickets.insert(keyOf(ticket), Private::Entry{user, purpose, now, ++d->issued});
    return ticket;
}

QString TicketStore::redeem(const QString& ticket, Purpose purpose)
{
    if (!looksLikeTicket(ticket))
        return QString();
    const auto it = d->tickets.constFind(keyOf(ticket));
    if (it == d->tickets.constEnd())
        return QString();
    const Private::Entry entry = *it;
    d->tickets.erase(it);
    if (entry.purpose != purpose || d->expired(entry, d->clock()))
        return QString();
    return entry.user;
}

int TicketStore::outstanding() const
{
    return int(d->tickets.size());
}

} // namespace Pokerd
