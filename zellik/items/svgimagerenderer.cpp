#include "svgimagerenderer.h"
#include "zelliklogging.h"

#include "svgimageitem.h"

#include <QCache>
#include <QFile>
#include <QImage>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QtDebug>

#include <unordered_map>

namespace VeskGames {

namespace {

// One pending request; it answers the item that asked, if that still exists.
class WorkItem : public QObject
{
    Q_OBJECT

public:
    WorkItem(SvgImageItem* requester, const QSize& requestedSize, const QString& requestedId)
        : item(requester), size(requestedSize), id(requestedId)
    {
        connect(this, &WorkItem::imageComplete, requester, &SvgImageItem::setImage);
    }

    QPointer<SvgImageItem> item;
    QSize size;
    QString id;

Q_SIGNALS:
    void imageComplete(QImage img, QString id);
};

qsizetype imageCost(const QImage& image)
{
    return qsizetype(image.width()) * image.height() * image.depth() / 8;
}

} // namespace

class SvgImageRenderer::Private : public QObject
{
    Q_OBJECT

public:
    explicit Private(SvgImageRenderer* owner, int cacheKilobytes) : q(owner)
    {
        cache.setMaxCost(qsizetype(qMax(0, cacheKilobytes)) * 1024);
    }

    SvgImageRenderer* q;
    std::unique_ptr<QSvgRenderer> svg = std::make_unique<QSvgRenderer>();
    mutable QMutex cacheMutex;
    QCache<QString, QImage> cache;
    mutable QMutex pendingMutex;
    std::unordered_map<SvgImageItem*, std::unique_ptr<WorkItem>> pending;

    std::unique_ptr<WorkItem> takePending()
    {
        QMutexLocker lock(&pendingMutex);
        if (pending.empty())
            return nullptr;
        auto it = pending.begin();
        std::unique_ptr<WorkItem> work = std::move(it->second);
        pending.erase(it);
        return work;
    }

public Q_SLOTS:
    void load(const QString& filename)
    {
        setObjectName(QStringLiteral("%1_renderer").arg(filename));
        {
            QMutexLocker lock(&cacheMutex);
            cache.clear();
        }
        // A fresh renderer, so a failed load leaves no trace of the old document.
        svg = std::make_unique<QSvgRenderer>();
        if (!QFile::exists(filename) || !svg->load(filename))
            qCWarning(lcImages).noquote() << "Error loading svg file" << filename;
    }

    void render()
    {
        while (std::unique_ptr<WorkItem> work = takePending()) {
            if (work->size.width() < 0 || work->size.height() < 0 || !work->item)
                continue;
            const QString key = cacheKey(work->id, work->size);
            QImage image;
            {
                QMutexLocker lock(&cacheMutex);
                if (const QImage* cached = cache.object(key))
                    image = *cached;
            }
            if (image.isNull()) {
                image = QImage(work->size, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                if (svg->isValid()) {
                    QPainter painter(&image);
                    painter.setRenderHint(QPainter::Antialiasing);
                    svg->render(&painter, work->id, QRectF(QPointF(0, 0), QSizeF(work->size)));
                }
                emit q->rendered(work->id, work->size);
                QMutexLocker lock(&cacheMutex);
                // QCache drops the least recently used images to make room and
                // refuses (deletes) one that alone costs more than the limit.
                cache.insert(key, new QImage(image), imageCost(image));
            }
            emit work->imageComplete(image, work->id);
        }
    }
};

SvgImageRenderer::SvgImageRenderer(int cacheKilobytes, QObject* parent)
    : QThread(parent), d(std::make_unique<Private>(this, cacheKilobytes))
{
    connect(this, &SvgImageRenderer::sigLoad, d.get(), &Private::load, Qt::QueuedConnection);
    connect(this, &SvgImageRenderer::sigRender, d.get(), &Private::render, Qt::QueuedConnection);
}

SvgImageRenderer::~SvgImageRenderer() = default;

void SvgImageRenderer::load(const QString& file)
{
    emit sigLoad(file);
}

QString SvgImageRenderer::cacheKey(const QString& id, const QSize& size)
{
    return QStringLiteral("%1-(%2,%3)").arg(id).arg(size.width()).arg(size.height());
}

qsizetype SvgImageRenderer::cacheMaxCost() const
{
    QMutexLocker lock(&d->cacheMutex);
    return d->cache.maxCost();
}

qsizetype SvgImageRenderer::cacheTotalCost() const
{
    QMutexLocker lock(&d->cacheMutex);
    return d->cache.totalCost();
}

bool SvgImageRenderer::isCached(const QString& id, const QSize& size) const
{
    QMutexLocker lock(&d->cacheMutex);
    return d->cache.contains(cacheKey(id, size));
}

int SvgImageRenderer::pendingCount() const
{
    QMutexLocker lock(&d->pendingMutex);
    return int(d->pending.size());
}

void SvgImageRenderer::renderImage(SvgImageItem* item, const QSize& s, const QString& id)
{
    if (!item || s.width() < 1 || s.height() < 1)
        return;
    const QString key = cacheKey(id, s);
    QImage hit;
    {
        QMutexLocker lock(&d->cacheMutex);
        if (const QImage* cached = d->cache.object(key))
            hit = *cached;
    }
    if (!hit.isNull()) {
        item->setImage(hit, id);
        return;
    }
    {
        QMutexLocker lock(&d->pendingMutex);
        // Only the newest request of an item is worth rendering.
        d->pending[item] = std::make_unique<WorkItem>(item, s, id);
    }
    emit sigRender();
}

void SvgImageRenderer::run()
{
    // Never started: the work runs through queued calls on the owner's thread.
}

} // namespace VeskGames

#include "svgimagerenderer.moc"
