#include "painterpathitem.h"

#include "drawutils.h"

#include <QPainter>

namespace VeskGames {

PainterPathItem::PainterPathItem(QGraphicsItem* parent) : QGraphicsPathItem(parent)
{
    // Filling outlined glyphs is costly; the pixels are kept at the screen's
    // own resolution, so they stay sharp and are only made again on a change.
    setCacheMode(DeviceCoordinateCache);
}

PainterPathItem::PainterPathItem(const QPainterPath& path, QGraphicsItem* parent)
    : QGraphicsPathItem(path, parent)
{
    setCacheMode(DeviceCoordinateCache);
}

void PainterPathItem::setTrueOutline(bool on)
{
    m_trueOutline = on;
    update();
}

bool PainterPathItem::trueOutline() const
{
    return m_trueOutline;
}

void PainterPathItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (!m_trueOutline) {
        QGraphicsPathItem::paint(painter, option, widget);
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(pen());
    painter->setBrush(brush());
    DrawUtils::drawOutlinePath(painter, path());
}

} // namespace VeskGames
