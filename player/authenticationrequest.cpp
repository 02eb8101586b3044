#include "authenticationrequest.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

namespace VeskGames {

QString AuthenticationRequest::digest(const QString& password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString AuthenticationRequest::terminalIdentifier(const QString& realIdentifier, const QString& user,
                                                  bool demo, int screen)
{
    if (demo && (user.size() == 5 || user.size() == 6)) {
        static const QRegularExpression demoUser(QStringLiteral("^demo(\\d+)$"));
        const QRegularExpressionMatch match = demoUser.match(user);
        const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (number >= 1 && number <= 10)
            return QStringLiteral("ff:ff:ff:ff:ff:%1").arg(number, 2, 16, QLatin1Char('0'));
    }
    if (screen >= 0)
        return QStringLiteral("ff:%1:").arg(screen & 0xff, 2, 16, QLatin1Char('0')) + realIdentifier.mid(6);
    return realIdentifier;
}

int AuthenticationRequest::utcOffsetSeconds()
{
    return QDateTime::currentDateTime().offsetFromUtc();
}

QList<xmlrpc::Variant> AuthenticationRequest::parameters(const QString& user, const QString& digest,
                                                         const QString& password, const QString& identifier,
                                                         const QString& partnerName, const QString& language,
                                                         int utcOffset)
{
    QList<xmlrpc::Variant> list;
    int type = 1;
    if (!partnerName.isEmpty()) {
        type = 2;
        list << xmlrpc::Variant(user) << xmlrpc::Variant(password) << xmlrpc::Variant(identifier)
             << xmlrpc::Variant(partnerName);
    } else {
        list << xmlrpc::Variant(user) << xmlrpc::Variant(digest) << xmlrpc::Variant(identifier);
        if (!password.isNull())
            list << xmlrpc::Variant(password);
    }
    return {xmlrpc::Variant(type), xmlrpc::Variant(list), xmlrpc::Variant(language),
            xmlrpc::Variant(utcOffset)};
}

bool AuthenticationRequest::exposesPassword(const QUrl& server)
{
    if (server.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)
        return false;
    const QString host = server.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return false;
    const QHostAddress address(host);
    return address.isNull() || !address.isLoopback();
}

} // namespace VeskGames
