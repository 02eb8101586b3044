#ifndef VESKGAMES_PAINTERPATHITEM_H
#define VESKGAMES_PAINTERPATHITEM_H

#include "zellik_export.h"

#include <QGraphicsPathItem>

namespace VeskGames {

/// A path item that can draw a true outline: the pen stroked around the
/// shape and the fill over it, so thin text keeps its shape inside the outline.
class ZELLIK_EXPORT PainterPathItem : public QGraphicsPathItem
{
public:
    explicit PainterPathItem(QGraphicsItem* parent = nullptr);
    explicit PainterPathItem(const QPainterPath& path, QGraphicsItem* parent = nullptr);

    void setTrueOutline(bool on);
    bool trueOutline() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    bool m_trueOutline = false;
};

} // namespace VeskGames

#endif
