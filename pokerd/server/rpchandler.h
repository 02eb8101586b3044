#ifndef POKERD_RPCHANDLER_H
#define POKERD_RPCHANDLER_H

#include "xmlrpc/response.h"
#include "xmlrpc/variant.h"

#include <QList>
#include <QString>

namespace Pokerd {

/// What answers the XML-RPC calls an HTTP listener carries.
class RpcHandler
{
public:
    virtual ~RpcHandler() = default;
    /// One call from \a peer with \a sessionId (empty without a cookie);
    /// \a newSessionId receives a session the caller should keep.
    virtual xmlrpc::Response call(const QString& method, const QList<xmlrpc::Variant>& params,
                                  const QString& sessionId, QString* newSessionId, const QString& peer) = 0;
};

} // namespace Pokerd

#endif
