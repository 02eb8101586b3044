#ifndef VESKGAMES_PUSHBUTTONITEM_H
#define VESKGAMES_PUSHBUTTONITEM_H

#include "abstracttheme.h"
#include "themeable.h"
#include "zellik_export.h"

#include <QGraphicsWidget>
#include <QImage>
#include <QPen>

#include <memory>

namespace VeskGames {

/// An image button of the table scene. The text is drawn as a path so that
/// it stays sharp at any scale and can be outlined; it sinks by the press
/// offsets while the button is held down. Space and Select work it from the
/// keyboard.
class ZELLIK_EXPORT PushButtonItem : public QGraphicsWidget, public Themeable
{
    Q_OBJECT
    Q_INTERFACES(VeskGames::Themeable)

public:
    explicit PushButtonItem(QGraphicsItem* parent = nullptr);
    ~PushButtonItem() override;

    void setUpImage(const QImage& image);
    void setDownImage(const QImage& image);
    void setText(const QString& text);
    QString text() const;
    /// Shown instead of the text while a checkable button is checked.
    void setCheckedText(const QString& text);
    void setTextPen(const QPen& pen);
    QPen textPen() const;
    void setTextBrush(const QBrush& brush);
    QBrush textBrush() const;
    void setOutlinedText(bool outlined);
    void setTextOffsets(qreal x, qreal y);
    void setPressOffsets(qreal x, qreal y);
    /// The look of the table's own buttons: \a up and \a down from \a theme
    /// (when there is one), text scaled to fit, pressed one pixel down and right.
    void setThemeImages(AbstractTheme* theme, AbstractTheme::ImageType up, AbstractTheme::ImageType down);
    /// Shrinks the font until the text fits the button's width.
    void setFontScaling(bool on);
    /// The font the text is drawn in: the widget's font, shrunk if need be.
    QFont textFont() const;
    void setCheckable(bool checkable);
    bool isCheckable() const;
    void setChecked(bool checked);
    bool isChecked() const;
    bool isPressed() const;

    void setTheme(AbstractTheme* theme) override;
    void setThemeFlags(ThemeFlags flags) override;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

public Q_SLOTS:
    /// As a release inside the button, while it is enabled.
    void click();

Q_SIGNALS:
    void clicked();
    void toggled(bool checked);
    void playSound(qint32 type);

protected:
    /// Where the text is centred; items drawing more than text make room here.
    virtual QRectF textArea() const;
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF& constraint = QSizeF()) const override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void release(bool inside);
    void textChanged();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
