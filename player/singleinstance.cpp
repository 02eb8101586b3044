#include "singleinstance.h"
#include "playerlogging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace VeskGames {

namespace {
// One name per user and identifier, short enough for a socket path.
QString baseName(const QString& identifier)
{
    const QByteArray key = identifier.toUtf8() + '/' + QDir::homePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12);
    return identifier + QLatin1Char('-') + QString::fromLatin1(hash);
}
} // namespace

class SingleInstance::Private
{
public:
    explicit Private(const QString& id)
        : identifier(id), lock(QDir::temp().filePath(baseName(id) + QStringLiteral(".lock")))
    {
        // Never stale by age: only a claim whose process is gone is taken over.
        lock.setStaleLockTime(0);
    }

    QString identifier;
    QLockFile lock;
    std::unique_ptr<QLocalServer> server;
};

SingleInstance::SingleInstance(const QString& identifier) : d(std::make_unique<Private>(identifier)) {}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::claim()
{
    if (d->lock.isLocked())
        return true;
    if (!d->lock.tryLock(0))
        return false;
    const QString name = baseName(d->identifier);
    // A socket left by a killed process would block listen().
    QLocalServer::removeServer(name);
    d->server = std::make_unique<QLocalServer>();
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!d->server->listen(name))
        qCWarning(lcStartup, "SingleInstance: cannot announce the running instance: %s",
                  qPrintable(d->server->errorString()));
    return true;
}

bool SingleInstance::isClaimed() const
{
    return d->lock.isLocked();
}

void SingleInstance::release()
{
    if (d->server) {
        d->server->close();
        d->server.reset();
    }
    if (d->lock.isLocked())
        d->lock.unlock();
}

bool SingleInstance::isRunning(const QString& identifier)
{
    QLocalSocket socket;
    socket.connectToServer(baseName(identifier));
    const bool connected = socket.waitForConnected(500);
    socket.abort();
    return connected;
}

} // namespace VeskGames
