#ifndef POKERD_PASSWORDHASH_H
#define POKERD_PASSWORDHASH_H

#include <QString>

namespace Pokerd {

/// Stored passwords: a salted PBKDF2 hash of the password's SHA-1 digest
/// (the digest is what a client sends), so the file holds nothing a client
/// could log in with.
namespace PasswordHash {

/// 40 lower-case hex digits of the SHA-1 of the UTF-8 password.
QString digestOf(const QString& clearPassword);
/// A new salted hash of \a digest (hex, either case).
QString make(const QString& digest);
/// True when \a digest (hex, either case) is the one \a stored was made from.
bool matches(const QString& stored, const QString& digest);
/// Whether \a stored is a hash this code makes (and not, say, a bare digest).
bool isHash(const QString& stored);

} // namespace PasswordHash
} // namespace Pokerd

#endif
