#ifndef VESKGAMES_LABELITEM_H
#define VESKGAMES_LABELITEM_H

#include "themeable.h"
#include "zellik_export.h"

#include <QGraphicsWidget>
#include <QPen>

#include <memory>

namespace VeskGames {

/// Text of the table scene, drawn as a path so that it can be outlined and
/// stays sharp when the table is scaled.
class ZELLIK_EXPORT LabelItem : public QGraphicsWidget, public Themeable
{
    Q_OBJECT
    Q_INTERFACES(VeskGames::Themeable)

public:
    explicit LabelItem(QGraphicsItem* parent = nullptr);
    explicit LabelItem(const QString& text, QGraphicsItem* parent = nullptr);
    ~LabelItem() override;

    void setText(const QString& text);
    QString text() const;
    void setPen(const QPen& pen);
    QPen pen() const;
    void setBrush(const QBrush& brush);
    QBrush brush() const;
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    void setOutlinedText(bool outlined);
    /// A height that does not follow the text (0: the text's own).
    void setFixedHeight(qreal height);

    void setTheme(AbstractTheme* theme) override;
    void setThemeFlags(ThemeFlags flags) override;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    /// Where the text's path goes inside the rectangle, by the alignment.
    QPointF textOffset() const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
