#include "loginthrottle.h"

#include <QElapsedTimer>
#include <QHash>

namespace Pokerd {

namespace {
constexpr int kMaximumKeys = 100000;

struct Failures
{
    int count = 0;
    QElapsedTimer since; ///< the first failure of the window
};
} // namespace

class LoginThrottle::Private
{
public:
    int allowed = 5;
    int windowMs = 60000;
    QHash<QString, Failures> failures;

    void dropExpired()
    {
        for (auto it = failures.begin(); it != failures.end();) {
            if (it->since.elapsed() > windowMs)
                it = failures.erase(it);
            else
                ++it;
        }
    }
};

LoginThrottle::LoginThrottle(int allowedFailures, int windowMs) : d(std::make_unique<Private>())
{
    d->allowed = allowedFailures;
    d->windowMs = windowMs;
}

LoginThrottle::~LoginThrottle() = default;

bool LoginThrottle::isBlocked(const QString& key) const
{
    const auto it = d->failures.constFind(key);
    return it != d->failures.constEnd() && it->count >= d->allowed && it->since.elapsed() <= d->windowMs;
}

void LoginThrottle::failed(const QString& key)
{
    // Many guessed names must not grow the table without bound.
    if (d->failures.size() >= kMaximumKeys)
        d->dropExpired();
    if (d->failures.size() >= kMaximumKeys)
        d->failures.clear(); // the per-address key still holds such a guesser back
    Failures& f = d->failures[key];
    if (!f.since.isValid() || f.since.elapsed() > d->windowMs) {
        f.count = 0;
        f.since.start();
    }
    ++f.count;
}

void LoginThrottle::succeeded(const QString& key)
{
    d->failures.remove(key);
}

} // namespace Pokerd
