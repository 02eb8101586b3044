#include "kioskservice.h"

#include <cstdio>

namespace Pokerd {

namespace {
const QString kApplication = QStringLiteral("VeskPoker");
} // namespace

KioskService::KioskService(const QString& user, const QString& password) : m_user(user), m_password(password)
{}

xmlrpc::Response KioskService::call(const QString& method, const QList<xmlrpc::Variant>& params,
                                    const QString&, QString*, const QString& peer)
{
    m_calls.append(method);
    std::printf("kiosk: %s from %s\n", qPrintable(method), qPrintable(peer));
    std::fflush(stdout);
    if (method == QLatin1String("getCredentials")) {
        // Only the program it keeps the log-in for gets it.
        if (params.value(0).toString() != kApplication)
            return xmlrpc::Response(1, QStringLiteral("No log-in for this application."));
        return xmlrpc::Response(xmlrpc::Variant(
            QMap<QString, xmlrpc::Variant>{{QStringLiteral("username"), xmlrpc::Variant(m_user)},
                                           {QStringLiteral("password"), xmlrpc::Variant(m_password)}}));
    }
    if (method == QLatin1String("lockScreen") || method == QLatin1String("resetIdleTimer"))
        return xmlrpc::Response(xmlrpc::Variant(true));
    return xmlrpc::Response(-32601, QStringLiteral("Unknown method %1").arg(method));
}

QStringList KioskService::calls() const
{
    return m_calls;
}

} // namespace Pokerd
