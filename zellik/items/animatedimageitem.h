#ifndef VESKGAMES_ANIMATEDIMAGEITEM_H
#define VESKGAMES_ANIMATEDIMAGEITEM_H

#include "zellik_export.h"

#include <QGraphicsWidget>
#include <QImage>

#include <memory>

namespace VeskGames {

/// Shows its pictures in turn, and only while it can be seen.
class ZELLIK_EXPORT AnimatedImageItem : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit AnimatedImageItem(QGraphicsItem* parent = nullptr);
    ~AnimatedImageItem() override;

    void setImages(const QList<QImage>& images);
    QList<QImage> images() const;
    void setInterval(int ms);
    int interval() const;
    int currentFrame() const;
    bool isRunning() const;

    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void updateRunning();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
