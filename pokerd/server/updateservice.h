#ifndef POKERD_UPDATESERVICE_H
#define POKERD_UPDATESERVICE_H

#include "rpchandler.h"

#include <QUrl>

namespace Pokerd {

/// An update server for the client's self-update: releases in a folder,
/// one subfolder per component ("VeskPoker", "VeskUpdater"), each holding a
/// file "version" and the files of the release. It answers the version and
/// manifest queries and hands out the files.
class UpdateService : public RpcHandler
{
public:
    /// Where the queries are posted.
    static QString endpointPath();
    /// Where the files are fetched from, below the listener.
    static QString filesPath();

    explicit UpdateService(const QString& folder);

    /// The listener's address, for the files' addresses in the manifests.
    void setBaseUrl(const QUrl& url);

    xmlrpc::Response call(const QString& method, const QList<xmlrpc::Variant>& params,
                          const QString& sessionId, QString* newSessionId, const QString& peer) override;

    /// A release file by the path below filesPath(); false for anything
    /// outside the release folders.
    bool file(const QString& path, QByteArray* bytes) const;

    /// -1, 0 or 1 as dotted version \a a is older, the same or newer than \a b.
    static int compareVersions(const QString& a, const QString& b);

private:
    QString releaseVersion(const QString& component) const;
    QByteArray manifest(const QString& component) const;

    QString m_folder;
    QUrl m_base;
};

} // namespace Pokerd

#endif
