#ifndef VESKGAMES_AUTHENTICATIONREQUEST_H
#define VESKGAMES_AUTHENTICATIONREQUEST_H

#include "xmlrpc/variant.h"

#include <QList>
#include <QString>

class QUrl;

namespace VeskGames {

/// The parameters of the "authenticate" call and the terminal identity it carries.
class AuthenticationRequest
{
public:
    AuthenticationRequest() = delete;

    /// SHA-1 of the password's UTF-8 bytes, 40 lower-case hex digits.
    static QString digest(const QString& password);
    /// The identifier sent for \a user: demo terminals ("demo1" .. "demo10"
    /// in demo mode) and each screen of a multi-headed terminal have their own.
    static QString terminalIdentifier(const QString& realIdentifier, const QString& user, bool demo,
                                      int screen);
    /// Local time's offset from UTC in seconds, east positive.
    static int utcOffsetSeconds();
    /// Type 2 with the clear password for a partner portal, else type 1
    /// with the digest, then the clear password unless it is null.
    static QList<xmlrpc::Variant> parameters(const QString& user, const QString& digest,
                                             const QString& password, const QString& identifier,
                                             const QString& partnerName, const QString& language,
                                             int utcOffset);
    /// Whether a clear password sent to \a server could be read on the way:
    /// no TLS and another machine.
    static bool exposesPassword(const QUrl& server);
};

} // namespace VeskGames

#endif
