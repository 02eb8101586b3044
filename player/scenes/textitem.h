#ifndef VESKGAMES_TEXTITEM_H
#define VESKGAMES_TEXTITEM_H

#include <QBrush>
#include <QGraphicsWidget>
#include <QPainterPath>
#include <QPen>

#include <memory>

namespace VeskGames {

/// A line of outlined text for layouts of the table: exactly as large as
/// its text, which it centres or sets flush left. The font is the widget's
/// own (setFont(), or what it inherits from its parent or the scene).
class TextItem : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit TextItem(QGraphicsItem* parent = nullptr);
    explicit TextItem(const QString& text, QGraphicsItem* parent = nullptr);
    ~TextItem() override;

    void setText(const QString& text);
    QString text() const;
    void setPen(const QPen& pen);
    QPen pen() const;
    void setBrush(const QBrush& brush);
    QBrush brush() const;
    /// Qt::AlignCenter centres the text; anything else sets it flush left.
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    QPainterPath path() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget = nullptr) override;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    qreal penWidth() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
