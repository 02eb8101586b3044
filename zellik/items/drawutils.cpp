#include "drawutils.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace VeskGames {

QPainterPath DrawUtils::makePath(const QFont& font, const QString& text, int flags)
{
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QFontMetricsF metrics(font);

    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));

    QPainterPath path;
    qreal y = 0;
    for (const QString& line : lines) {
        const qreal x = flags == AlignLeft ? 0 : (widest - metrics.horizontalAdvance(line)) / 2;
        path.addText(x, y, font, line);
        y += metrics.height();
    }
    return path;
}

void DrawUtils::drawOutlinePath(QPainter* painter, const QPainterPath& path)
{
    if (!painter)
        return;
    painter->strokePath(path, painter->pen());
    painter->fillPath(path, painter->brush());
}

} // namespace VeskGames
