#ifndef POKERD_TICKETSTORE_H
#define POKERD_TICKETSTORE_H

#include <QString>

#include <functional>
#include <memory>

namespace Pokerd {

/// One-time tickets that stand for a logged-in user where no session cookie
/// goes, such as a web page the client opens in a browser. Each is good for
/// one use, for a minute, and for the purpose it was issued for.
class TicketStore
{
public:
    enum Purpose {
        WebPage, ///< handed to the client, put in a page's address
        TopUp    ///< embedded in the cashier page, sent back with its form
    };

    static constexpr qint64 LifetimeMs = 60 * 1000;
    static constexpr int MaximumPerUser = 16;

    /// Milliseconds from any fixed start; steady by default, a test's own when given.
    using Clock = std::function<qint64()>;

    explicit TicketStore(Clock clock = Clock());
    ~TicketStore();

    /// A fresh ticket for \a user; empty for nobody. The user's oldest
    /// outstanding ticket goes when it would have more than MaximumPerUser.
    QString issue(const QString& user, Purpose purpose);
    /// The user \a ticket was issued to, when it was issued for \a purpose and
    /// has neither been used nor expired; empty otherwise. Either way it
    /// cannot be used again.
    QString redeem(const QString& ticket, Purpose purpose);
    /// Tickets issued, neither used nor known to have expired.
    int outstanding() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
