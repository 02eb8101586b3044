#ifndef POKERD_LOGINTHROTTLE_H
#define POKERD_LOGINTHROTTLE_H

#include <QString>

#include <memory>

namespace Pokerd {

/// Slows down password guessing: after a number of failed logins within a
/// window, further attempts for that key (a user name or an address) are
/// refused without a look at the password until the window has passed.
class LoginThrottle
{
public:
    LoginThrottle(int allowedFailures, int windowMs);
    ~LoginThrottle();

    bool isBlocked(const QString& key) const;
    void failed(const QString& key);
    void succeeded(const QString& key);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
