#ifndef POKERD_KIOSKSERVICE_H
#define POKERD_KIOSKSERVICE_H

#include "rpchandler.h"

#include <QStringList>

namespace Pokerd {

/// A stand-in for a kiosk terminal's local service, for development and
/// tests: it hands out one log-in, takes screen locks and idle-timer resets,
/// and logs every call.
class KioskService : public RpcHandler
{
public:
    KioskService(const QString& user, const QString& password);

    xmlrpc::Response call(const QString& method, const QList<xmlrpc::Variant>& params,
                          const QString& sessionId, QString* newSessionId, const QString& peer) override;

    /// The methods called so far, oldest first.
    QStringList calls() const;

private:
    QString m_user;
    QString m_password;
    QStringList m_calls;
};

} // namespace Pokerd

#endif
