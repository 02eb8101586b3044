#ifndef VESKGAMES_CHIPPUSHBUTTON_H
#define VESKGAMES_CHIPPUSHBUTTON_H

#include "zellik_export.h"

#include <QGraphicsWidget>

#include <memory>

namespace VeskGames {

class SvgImageItem;
class SvgImageRenderer;

/// A chip that works as a button: it sinks a little while pressed and
/// reports a click released on the chip.
class ZELLIK_EXPORT ChipPushButton : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit ChipPushButton(SvgImageRenderer* renderer, QGraphicsItem* parent = nullptr);
    ~ChipPushButton() override;

    /// The chip's element in the chip set, e.g. "chip_25".
    void setElementId(const QString& id);
    QString elementId() const;
    SvgImageItem* chipItem() const;
    bool isPressed() const;

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void layoutChip();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
