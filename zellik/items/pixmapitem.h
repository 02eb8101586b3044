#ifndef VESKGAMES_PIXMAPITEM_H
#define VESKGAMES_PIXMAPITEM_H

#include "zellik_export.h"

#include <QGraphicsWidget>
#include <QPixmap>

#include <memory>

namespace VeskGames {

/// A picture as a graphics widget, laid out at the picture's own size.
class ZELLIK_EXPORT PixmapItem : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit PixmapItem(QGraphicsItem* parent = nullptr);
    explicit PixmapItem(const QPixmap& pixmap, QGraphicsItem* parent = nullptr);
    ~PixmapItem() override;

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

/// A picture placed by position and size, with a glow around it when lit
/// (a highlighted seat, a button to notice).
class ZELLIK_EXPORT GlowingPixmapItem : public PixmapItem
{
    Q_OBJECT

public:
    explicit GlowingPixmapItem(QGraphicsItem* parent = nullptr);
    ~GlowingPixmapItem() override;

    void setPlacement(const QPointF& position, const QSizeF& size);
    void setGlowing(bool glowing, const QColor& colour = QColor(255, 220, 120));
    bool isGlowing() const;
};

} // namespace VeskGames

#endif
