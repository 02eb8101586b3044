#include "processupdate.h"
#include "playerlogging.h"

#include "downloaditem.h"
#include "updatemanifest.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QThread>

#include <deque>

namespace VeskGames {

class ProcessUpdate::Private
{
public:
    QByteArray manifest;
    QString baseDir;
    QString userAgent;
    QNetworkAccessManager* manager = nullptr;
    std::unique_ptr<QNetworkAccessManager> ownManager;
    std::deque<std::unique_ptr<DownloadItem>> queue;
    std::deque<std::unique_ptr<DownloadItem>> downloaded;
    QPointer<QNetworkReply> reply;
    bool tooLong = false;
    int writePause = 0;
};

ProcessUpdate::ProcessUpdate(const QByteArray& manifest, const QString& baseDir, const QString& userAgent,
                             QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->manifest = manifest;
    d->baseDir = baseDir;
    d->userAgent = userAgent;
}

ProcessUpdate::~ProcessUpdate()
{
    if (d->reply)
        d->reply->abort();
}

void ProcessUpdate::setNetworkAccessManager(QNetworkAccessManager* manager)
{
    d->manager = manager;
}

void ProcessUpdate::setWritePause(int ms)
{
    d->writePause = ms;
}

void ProcessUpdate::start()
{
    UpdateManifest wanted;
    QString error;
    if (!UpdateManifest::parse(d->manifest, &wanted, &error)) {
        qCWarning(lcUpdater, "update: the manifest is not valid: %s", qPrintable(error));
        Q_EMIT processXMLfailed();
        return;
    }
    const UpdateManifest local = UpdateManifest::fromFolder(d->baseDir);
    QHash<QString, qint64> localSizes;
    for (const ManifestFile& file : local.files())
        localSizes.insert(file.name, file.size);

    std::deque<std::unique_ptr<DownloadItem>> fresh;
    std::deque<std::unique_ptr<DownloadItem>> changed;
    for (const ManifestFile& file : wanted.files()) {
        const auto found = localSizes.constFind(file.name);
        if (found == localSizes.constEnd()) {
            if (!file.name.endsWith(QLatin1String("/current.xml")))
                fresh.push_back(std::make_unique<DownloadItem>(file));
            continue;
        }
        bool differs = found.value() != file.size;
        if (!differs && !file.hash.isEmpty()) {
            QFile installed(d->baseDir + file.name);
            QCryptographicHash digest(file.algorithm);
            differs = !installed.open(QIODevice::ReadOnly) || !digest.addData(&installed) ||
                      digest.result() != file.hash;
        }
        if (differs)
            changed.push_back(std::make_unique<DownloadItem>(file));
    }
    quint64 total = 0;
    for (auto* list : {&fresh, &changed}) {
        for (auto& item : *list) {
            total += quint64(item->file.size);
            d->queue.push_back(std::move(item));
        }
    }
    Q_EMIT downloadSize(total);
    if (d->queue.empty()) {
        Q_EMIT processSuccessful();
        return;
    }
    downloadNextFile();
}

void ProcessUpdate::downloadNextFile()
{
    if (d->queue.empty()) {
        install();
        return;
    }
    DownloadItem* item = d->queue.front().get();
    if (item->attempts > MaximumAttempts || item->file.url.isEmpty()) {
        qCWarning(lcUpdater, "update: %s could not be fetched", qPrintable(item->file.name));
        Q_EMIT processDownloadFailed();
        return;
    }
    if (!d->manager) {
        d->ownManager = std::make_unique<QNetworkAccessManager>();
        d->manager = d->ownManager.get();
    }
    QNetworkRequest request{QUrl(item->file.url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, d->userAgent);
    d->tooLong = false;
    d->reply = d->manager->get(request);
    connect(d->reply, &QNetworkReply::readyRead, this, &ProcessUpdate::slotReplyReadyRead);
    connect(d->reply, &QNetworkReply::finished, this, &ProcessUpdate::slotReplyFinished);
    Q_EMIT downloadFile(item->file.name);
}

void ProcessUpdate::slotReplyReadyRead()
{
    if (!d->reply || d->queue.empty())
        return;
    DownloadItem* item = d->queue.front().get();
    if (!item->bytes) {
        item->bytes = std::make_unique<QTemporaryFile>();
        if (!item->bytes->open()) {
            d->reply->abort();
            return;
        }
    }
    if (!item->digest)
        item->digest = std::make_unique<QCryptographicHash>(item->file.algorithm);
    const QByteArray bytes = d->reply->readAll();
    // More than the manifest promised: cut off, and the try has failed.
    if (item->received + bytes.size() > item->file.size) {
        d->tooLong = true;
        d->reply->abort();
        return;
    }
    item->digest->addData(bytes);
    item->bytes->write(bytes);
    item->received += bytes.size();
    Q_EMIT downloadedBytes(quint64(bytes.size()));
}

void ProcessUpdate::slotReplyFinished()
{
    QNetworkReply* reply = d->reply;
    if (!reply || d->queue.empty())
        return;
    reply->deleteLater();
    d->reply.clear();
    std::unique_ptr<DownloadItem> item = std::move(d->queue.front());
    d->queue.pop_front();
    if (item->file.size == 0) {
        item->bytes = std::make_unique<QTemporaryFile>();
        item->bytes->open();
        d->downloaded.push_back(std::move(item));
    } else {
        ++item->attempts;
        if (item->bytes)
            item->bytes->seek(0);
        const bool good = reply->error() == QNetworkReply::NoError && !d->tooLong && item->digest &&
                          item->received == item->file.size && item->digest->result() == item->file.hash;
        if (good) {
            d->downloaded.push_back(std::move(item));
        } else {
            item->digest.reset();
            Q_EMIT downloadedBytes(quint64(-item->received));
            item->received = 0;
            if (item->bytes)
                item->bytes->resize(0);
            d->queue.push_back(std::move(item));
        }
    }
    downloadNextFile();
}

QString ProcessUpdate::targetOf(const QString& name) const
{
    if (!UpdateManifest::isSafeName(name))
        return QString();
    const QString target = d->baseDir + name;
    const QString base = QFileInfo(d->baseDir).canonicalFilePath();
    const QString folder = QFileInfo(QFileInfo(target).absolutePath()).canonicalFilePath();
    // A folder that is a link out of the installation is outside it.
    if (base.isEmpty() || folder.isEmpty() || (folder != base && !folder.startsWith(base + u'/')))
        return QString();
    return target;
}

void ProcessUpdate::install()
{
    std::deque<std::unique_ptr<DownloadItem>> left;
    while (!d->downloaded.empty()) {
        std::unique_ptr<DownloadItem> item = std::move(d->downloaded.front());
        d->downloaded.pop_front();
        Q_EMIT updatingFile(item->file.name);
        const QString name = item->file.name;
        if (!UpdateManifest::isSafeName(name) ||
            !QDir().mkpath(QFileInfo(d->baseDir + name).absolutePath())) {
            left.push_back(std::move(item));
            continue;
        }
        const QString target = targetOf(name);
        // Written beside the target and renamed over it when complete: an
        // interrupted update leaves the old file or the new one.
        QSaveFile out(target);
        bool written =
            !target.isEmpty() && item->bytes && item->bytes->seek(0) && out.open(QIODevice::WriteOnly);
        while (written && !item->bytes->atEnd()) {
            written = out.write(item->bytes->read(64 * 1024)) >= 0;
            if (d->writePause > 0) {
                out.flush();
                QThread::msleep(d->writePause);
            }
        }
        if (written && item->file.executable)
            out.setPermissions(out.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                               QFileDevice::ExeOther);
        if (!written || !out.commit()) {
            qCWarning(lcUpdater, "update: %s could not be installed", qPrintable(name));
            left.push_back(std::move(item));
        }
    }
    if (left.empty())
        Q_EMIT processSuccessful();
    else
        Q_EMIT processFailed();
}

} // namespace VeskGames
