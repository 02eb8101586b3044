#ifndef VESKGAMES_SVGIMAGEITEM_H
#define VESKGAMES_SVGIMAGEITEM_H

#include "zellik_export.h"

#include <QGraphicsItem>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

namespace VeskGames {

/// Shows one element of an SVG document at the exact pixel size it covers.
///
/// Painting never rasterises: when the picture is missing or of another
/// size, paint() asks through renderImage() (connected to the right
/// SvgImageRenderer by whoever creates the item) and meanwhile shows the old
/// picture stretched.
class ZELLIK_EXPORT SvgImageItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    explicit SvgImageItem(QGraphicsItem* parent = nullptr);
    ~SvgImageItem() override;

    void setElementId(const QString& id);
    QString elementId() const;
    /// Size in scene units; nothing is drawn or asked for until it is set.
    void setSize(const QSizeF& size);
    QSizeF size() const;
    /// The picture shown now; null while none has arrived.
    QPixmap pixmap() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget = nullptr) override;

    /// Pixels covered by \a rect under \a transform. The scale is taken along
    /// the item's own axes, so a turned item asks for an upright picture.
    static QSize deviceSize(const QRectF& rect, const QTransform& transform);

Q_SIGNALS:
    void renderImage(VeskGames::SvgImageItem* item, QSize size, QString id);

public Q_SLOTS:
    /// Takes \a img only if \a id is still the item's element id.
    void setImage(const QImage& img, const QString& id = QString());
    void preRender();

protected:
    class Private;
    SvgImageItem(std::unique_ptr<Private> dd, QGraphicsItem* parent);
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
