#ifndef VESKGAMES_SVGIMAGERENDERER_H
#define VESKGAMES_SVGIMAGERENDERER_H

#include "zellik_export.h"

#include <QSize>
#include <QString>
#include <QThread>

#include <memory>

namespace VeskGames {

class SvgImageItem;

/// Turns elements of one SVG document into images for SvgImageItems.
///
/// Rasterising SVG is slow, so nothing is drawn while an item paints: the
/// item asks here for its exact pixel size, a cache hit is answered at once,
/// and misses are rendered on the next turn of the event loop, keeping only
/// the newest request of every item. Although a QThread, it is never
/// started; all work happens on the thread that made it.
class ZELLIK_EXPORT SvgImageRenderer : public QThread
{
    Q_OBJECT

public:
    /// The image cache holds at most \a cacheKilobytes KiB of pixels.
    explicit SvgImageRenderer(int cacheKilobytes, QObject* parent = nullptr);
    ~SvgImageRenderer() override;

    /// Replaces the document (queued) and empties the cache.
    void load(const QString& file);

    /// "<id>-(<width>,<height>)"
    static QString cacheKey(const QString& id, const QSize& size);

    qsizetype cacheMaxCost() const;
    qsizetype cacheTotalCost() const;
    bool isCached(const QString& id, const QSize& size) const;
    int pendingCount() const;

public Q_SLOTS:
    void renderImage(VeskGames::SvgImageItem* item, const QSize& s, const QString& id);

Q_SIGNALS:
    void sigLoad(QString file);
    void sigRender();
    /// An element was rasterised (a cache miss); for diagnostics and benchmarks.
    void rendered(QString id, QSize size);

protected:
    void run() override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
