#include "currentupdater.h"

#include "handoverarguments.h"
#include "platform/updaterplatform.h"
#include "processupdate.h"
#include "updatefinder.h"

#include <QDir>
#include <QPointer>

namespace VeskGames {

class CurrentUpdater::Private
{
public:
    QUrl url;
    QString component;
    QString version;
    QString baseDir;
    QString tag;
    QPointer<ProcessUpdate> process;
    QPointer<UpdateFinder> finder;
    UpdaterPlatform* platform = nullptr;
    std::unique_ptr<UpdaterPlatform> ownPlatform;
};

CurrentUpdater::CurrentUpdater(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {}

CurrentUpdater::~CurrentUpdater() = default;

void CurrentUpdater::setUrl(const QUrl& url)
{
    d->url = url;
}

QUrl CurrentUpdater::url() const
{
    return d->url;
}

void CurrentUpdater::setComponent(const QString& component)
{
    d->component = component;
}

QString CurrentUpdater::component() const
{
    return d->component;
}

void CurrentUpdater::setVersion(const QString& version)
{
    d->version = version;
}

QString CurrentUpdater::version() const
{
    return d->version;
}

void CurrentUpdater::setBaseDir(const QString& baseDir)
{
    d->baseDir = QDir::fromNativeSeparators(baseDir);
    if (!d->baseDir.endsWith(u'/'))
        d->baseDir.append(u'/');
}

QString CurrentUpdater::baseDir() const
{
    return d->baseDir;
}

void CurrentUpdater::setTag(const QString& tag)
{
    d->tag = tag;
}

QString CurrentUpdater::tag() const
{
    return d->tag;
}

void CurrentUpdater::setPlatform(UpdaterPlatform* platform)
{
    d->platform = platform;
}

UpdaterPlatform* CurrentUpdater::platform() const
{
    if (!d->platform) {
        d->ownPlatform = UpdaterPlatform::create();
        d->platform = d->ownPlatform.get();
    }
    return d->platform;
}

QString CurrentUpdater::currentVersion()
{
    // The build's version, in the four parts the update server compares.
    QStringList parts = QStringLiteral(VESK_VERSION).split(u'.');
    while (parts.size() < 4)
        parts.append(QStringLiteral("0"));
    return parts.mid(0, 4).join(u'.');
}

void CurrentUpdater::checkForUpdate()
{
    Q_EMIT stateChanged(CheckingVersion);
    auto* finder = new UpdateFinder(UpdateFinder::CurrentVersion, this);
    connect(finder, &UpdateFinder::currentVersionAvailable, this, &CurrentUpdater::updateAvailable);
    connect(finder, &UpdateFinder::currentVersionUnavailable, this, &CurrentUpdater::noUpdateAvailable);
    d->finder = finder;
    finder->start();
}

void CurrentUpdater::prepareUpdate()
{
    auto* updater = new CurrentUpdater(this);
    updater->setComponent(QStringLiteral("VeskUpdater"));
    updater->setVersion(QStringLiteral("1.0.0.0"));
    updater->setUrl(d->url);
    updater->setTag(d->tag);
    updater->setPlatform(platform());
    updater->setBaseDir(platform()->updaterFolder());
    QDir().mkpath(updater->baseDir());
    connect(updater, &CurrentUpdater::updateReady, this, &CurrentUpdater::updateReady);
    connect(updater, &CurrentUpdater::updateFailed, this, &CurrentUpdater::updateFailed);
    connect(updater, &CurrentUpdater::downloadSize, this, &CurrentUpdater::downloadSize);
    connect(updater, &CurrentUpdater::downloadedBytes, this, &CurrentUpdater::downloadedBytes);

    Q_EMIT updater->stateChanged(FetchingManifest);
    auto* finder = new UpdateFinder(UpdateFinder::Manifest, updater);
    connect(finder, &UpdateFinder::manifest, updater, &CurrentUpdater::manifest);
    connect(finder, &UpdateFinder::manifestFailed, updater, &CurrentUpdater::updateFailed);
    updater->d->finder = finder;
    finder->start();
}

void CurrentUpdater::manifest(QByteArray manifest)
{
    Q_EMIT stateChanged(ProcessingManifest);
    auto* process = new ProcessUpdate(manifest, d->baseDir, d->component + u'/' + d->version, this);
    connect(process, &ProcessUpdate::processXMLfailed, this, &CurrentUpdater::updateFailed);
    connect(process, &ProcessUpdate::processDownloadFailed, this, &CurrentUpdater::updateFailed);
    connect(process, &ProcessUpdate::processFailed, this, &CurrentUpdater::updateFailed);
    connect(process, &ProcessUpdate::downloadSize, this, &CurrentUpdater::downloadSize);
    connect(process, &ProcessUpdate::downloadedBytes, this, &CurrentUpdater::downloadedBytes);
    if (d->component == QLatin1String("VeskUpdater"))
        connect(process, &ProcessUpdate::processSuccessful, this, &CurrentUpdater::updateReady);
    d->process = process;
    process->start();
}

QStringList CurrentUpdater::startUpdater(const QString& program, const QString& arguments, bool autoRestart)
{
    const HandOverArguments::Installation installation{d->component, d->version, d->baseDir,
                                                       d->url.toString(), d->tag};
    const QStringList list = HandOverArguments::list(installation, program, arguments, autoRestart);
    if (!platform()->startUpdater(platform()->updaterProgram(), list))
        return QStringList();
    return list;
}

} // namespace VeskGames
