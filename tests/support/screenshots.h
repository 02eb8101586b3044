#ifndef VESKTEST_SCREENSHOTS_H
#define VESKTEST_SCREENSHOTS_H

// A picture of what a test shows, at 1x and 2x, for a person to look at.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <functional>

namespace TestSupport {

/// \a draw paints \a logical pixels; saved as \a pattern with "%1" the scale ("shot-%1x.png").
inline bool saveScreenshots(const QSize& logical, const QString& pattern,
                            const std::function<void(QPainter*)>& draw)
{
    for (const qreal scale : {1.0, 2.0}) {
        QImage shot(logical * scale, QImage::Format_ARGB32);
        shot.setDevicePixelRatio(scale);
        shot.fill(Qt::black);
        QPainter painter(&shot);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        draw(&painter);
        painter.end();
        const QString path = pattern.arg(int(scale));
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!shot.save(path))
            return false;
    }
    return true;
}

} // namespace TestSupport

#endif
