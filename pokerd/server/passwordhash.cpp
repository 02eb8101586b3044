#include "passwordhash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace Pokerd {
namespace PasswordHash {

namespace {

constexpr int kIterations = 10000;
constexpr int kKeyBytes = 32;
const QLatin1String kScheme("pbkdf2-sha256");

QByteArray derive(const QString& digest, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, digest.toLower().toLatin1(), salt,
                                              iterations, kKeyBytes);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}

} // namespace

QString digestOf(const QString& clearPassword)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(clearPassword.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString make(const QString& digest)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kScheme)
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toHex()),
             QString::fromLatin1(derive(digest, salt, kIterations).toHex()));
}

bool isHash(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    bool numeric = false;
    return parts.size() == 4 && parts.at(0) == kScheme && parts.at(1).toInt(&numeric) > 0 && numeric &&
           !parts.at(2).isEmpty() && parts.at(3).size() == 2 * kKeyBytes;
}

bool matches(const QString& stored, const QString& digest)
{
    if (!isHash(stored) || digest.isEmpty())
        return false;
    const QStringList parts = stored.split(QLatin1Char('$'));
    const QByteArray salt = QByteArray::fromHex(parts.at(2).toLatin1());
    return sameBytes(derive(digest, salt, parts.at(1).toInt()), QByteArray::fromHex(parts.at(3).toLatin1()));
}

} // namespace PasswordHash
} // namespace Pokerd
