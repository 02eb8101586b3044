#ifndef VESKGAMES_STACKITEM_H
#define VESKGAMES_STACKITEM_H

#include <QGraphicsItem>
#include <QList>

#include <memory>

namespace VeskGames {

class AbstractTheme;
class PainterPathItem;
class SvgImageItem;
class SvgImageRenderer;

/// The chips in front of a seat, with the amount written beside them.
/// Draws nothing itself: the chips and the text are its children.
class StackItem : public QGraphicsItem
{
public:
    explicit StackItem(SvgImageRenderer* renderer, QGraphicsItem* parent = nullptr);
    ~StackItem() override;

    /// Rebuilds the pile only when the amount really changes.
    void setValue(double value);
    double value() const;
    /// Not owned; nothing is drawn without one.
    void setTheme(AbstractTheme* theme);
    AbstractTheme* theme() const;
    void setShowValue(bool show);
    bool showValue() const;
    /// Right, left, top or bottom of the chips.
    void setValueTextAlignment(Qt::Alignment alignment);
    Qt::Alignment valueTextAlignment() const;
    /// Columns to shift a pile of 0, 1 or 2 columns to the right by, so
    /// piles of any width line up the way the seat wants.
    void setLayout(const QList<int>& layout);
    QList<int> layout() const;

    int columnCount() const;
    int chipCount() const;
    /// The chips, column by column, bottom chip first.
    QList<SvgImageItem*> chipItems() const;
    PainterPathItem* valueTextItem() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget = nullptr) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void redraw();
    void refreshTextVisibility();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
