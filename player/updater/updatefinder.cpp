#include "updatefinder.h"

#include "currentupdater.h"
#include "platform/updaterplatform.h"
#include "xmlrpc/client.h"

namespace VeskGames {

class UpdateFinder::Private
{
public:
    Kind kind = CurrentVersion;
    CurrentUpdater* owner = nullptr;
    xmlrpc::Client client;
    int requestId = -1;
};

UpdateFinder::UpdateFinder(Kind kind, CurrentUpdater* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->kind = kind;
    d->owner = parent;
    connect(&d->client, &xmlrpc::Client::done, this, &UpdateFinder::done);
    connect(&d->client, &xmlrpc::Client::failed, this, &UpdateFinder::failed);
}

UpdateFinder::~UpdateFinder() = default;

UpdateFinder::Kind UpdateFinder::kind() const
{
    return d->kind;
}

QVariantMap UpdateFinder::query() const
{
    QVariantMap query{{QStringLiteral("component"), d->owner->component()},
                      {QStringLiteral("currentVersion"), d->owner->version()},
                      {QStringLiteral("platform"), d->owner->platform()->platformName()}};
    if (!d->owner->tag().isEmpty())
        query.insert(QStringLiteral("tag"), d->owner->tag());
    return query;
}

void UpdateFinder::start()
{
    d->client.setUrl(d->owner->url());
    QMap<QString, xmlrpc::Variant> members;
    const QVariantMap q = query();
    for (auto it = q.cbegin(); it != q.cend(); ++it)
        members.insert(it.key(), xmlrpc::Variant(it.value()));
    d->requestId = d->client.request(d->kind == CurrentVersion ? QStringLiteral("getCurrentVersion")
                                                               : QStringLiteral("getManifest"),
                                     xmlrpc::Variant(members));
}

void UpdateFinder::done(int requestId, QVariant res)
{
    if (requestId != d->requestId)
        return;
    const QVariantMap result = res.toMap();
    const bool ok = result.value(QStringLiteral("ok"), false).toBool();
    if (d->kind == CurrentVersion) {
        if (ok)
            Q_EMIT currentVersionAvailable(result.value(QStringLiteral("currentVersion")).toString(),
                                           QString());
        else
            Q_EMIT currentVersionUnavailable();
        return;
    }
    if (ok && result.contains(QStringLiteral("manifest")))
        Q_EMIT manifest(result.value(QStringLiteral("manifest")).toByteArray());
    else
        Q_EMIT manifestFailed(-1);
}

void UpdateFinder::failed(int requestId, int faultCode, QString)
{
    if (requestId != d->requestId)
        return;
    if (d->kind == Manifest)
        Q_EMIT manifestFailed(faultCode);
    Q_EMIT currentVersionUnavailable();
}

} // namespace VeskGames
