#include "terminalidentity.h"

#include <algorithm>

#include <QNetworkInterface>
#include <QRegularExpression>

namespace VeskGames {
namespace TerminalIdentity {

QList<Interface> systemInterfaces()
{
    QList<Interface> result;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& iface : all) {
        const QNetworkInterface::InterfaceFlags flags = iface.flags();
        Interface entry;
        entry.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
        entry.upAndRunning =
            flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning);
        entry.hardwareAddress = iface.hardwareAddress();
        result.append(entry);
    }
    return result;
}

QString macAddress(const QList<Interface>& interfaces, bool activeOnly)
{
    for (const Interface& iface : interfaces) {
        if (iface.loopback || (activeOnly && !iface.upAndRunning))
            continue;
        if (!iface.hardwareAddress.isEmpty())
            return iface.hardwareAddress;
    }
    return QString();
}

QString loginIdentifier(const QString& macAddress, const QString& userName, bool demoMode, int screen)
{
    if (demoMode && (userName.size() == 5 || userName.size() == 6) &&
        userName.startsWith(QLatin1String("demo"))) {
        const QString digits = userName.mid(4);
        // toInt() would also take " 7" or "+7"; the number is digits only.
        const bool allDigits = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        const int n = allDigits ? digits.toInt() : 0;
        if (n >= 1 && n <= 10)
            return QStringLiteral("ff:ff:ff:ff:ff:%1").arg(n, 2, 16, QLatin1Char('0'));
    }
    if (screen >= 0)
        return QStringLiteral("ff:%1:%2").arg(screen, 2, 16, QLatin1Char('0')).arg(macAddress.mid(6));
    return macAddress;
}

} // namespace TerminalIdentity
} // namespace VeskGames
