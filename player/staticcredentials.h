#ifndef VESKGAMES_STATICCREDENTIALS_H
#define VESKGAMES_STATICCREDENTIALS_H

#include <QString>

namespace VeskGames {

/// Log-in data given on the command line as "user:pass:buyin_amount".
struct StaticCredentials
{
    QString user;
    QString password;
    double buyinAmount = 0.0;

    /// Exactly three parts, the last a number; empty user or password parts
    /// are allowed. Returns false and leaves \a out alone otherwise.
    static bool parse(const QString& text, StaticCredentials* out);
};

} // namespace VeskGames

#endif
