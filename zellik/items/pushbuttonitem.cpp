#include "pushbuttonitem.h"

#include "abstracttheme.h"
#include "drawutils.h"

#include <QFontInfo>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace VeskGames {

class PushButtonItem::Private
{
public:
    QImage up;
    QImage down;
    QString text;
    QString checkedText;
    QPen pen{Qt::NoPen};
    QBrush brush{Qt::black};
    bool outlined = false;
    QPointF textOffsets;
    QPointF pressOffsets;
    bool fontScaling = false;
    bool checkable = false;
    bool checked = false;
    bool pressed = false;
    ThemeFlags themeFlags = ThemeFont | ThemePen | ThemeBrush;
    // The shrunk font and the path drawn with it, until text, font or size change.
    mutable bool cached = false;
    mutable QFont font;
    mutable QPainterPath path;
};

PushButtonItem::PushButtonItem(QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptedMouseButtons(Qt::LeftButton);
}

PushButtonItem::~PushButtonItem() = default;

void PushButtonItem::setUpImage(const QImage& image)
{
    d->up = image;
    updateGeometry();
    update();
}

void PushButtonItem::setDownImage(const QImage& image)
{
    d->down = image;
    update();
}

void PushButtonItem::setText(const QString& text)
{
    d->text = text;
    textChanged();
}

QString PushButtonItem::text() const
{
    return d->text;
}

void PushButtonItem::setCheckedText(const QString& text)
{
    d->checkedText = text;
    textChanged();
}

void PushButtonItem::setTextPen(const QPen& pen)
{
    d->pen = pen;
    update();
}

QPen PushButtonItem::textPen() const
{
    return d->pen;
}

void PushButtonItem::setTextBrush(const QBrush& brush)
{
    d->brush = brush;
    update();
}

QBrush PushButtonItem::textBrush() const
{
    return d->brush;
}

void PushButtonItem::setOutlinedText(bool outlined)
{
    d->outlined = outlined;
    update();
}

void PushButtonItem::setTextOffsets(qreal x, qreal y)
{
    d->textOffsets = QPointF(x, y);
    textChanged();
}

void PushButtonItem::setPressOffsets(qreal x, qreal y)
{
    d->pressOffsets = QPointF(x, y);
    textChanged();
}

void PushButtonItem::setThemeImages(AbstractTheme* theme, AbstractTheme::ImageType up,
                                    AbstractTheme::ImageType down)
{
    if (theme) {
        setUpImage(theme->image(up));
        setDownImage(theme->image(down));
        setTheme(theme);
    }
    setFontScaling(true);
    setPressOffsets(1, 1);
}

void PushButtonItem::setFontScaling(bool on)
{
    d->fontScaling = on;
    textChanged();
}

QFont PushButtonItem::textFont() const
{
    if (d->cached)
        return d->font;
    const QString shown = d->checked && !d->checkedText.isEmpty() ? d->checkedText : d->text;
    QFont f = font();
    QPainterPath path = DrawUtils::makePath(f, shown);
    if (d->fontScaling && !shown.isEmpty()) {
        const qreal room =
            size().width() - 2 * std::abs(d->textOffsets.x()) - 2 * std::abs(d->pressOffsets.x());
        int pixels = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
        // One pixel at a time, so the text ends up as large as still fits.
        while (path.boundingRect().width() > room && pixels > 1) {
            f.setPixelSize(--pixels);
            path = DrawUtils::makePath(f, shown);
        }
    }
    d->font = f;
    d->path = path;
    d->cached = true;
    return f;
}

void PushButtonItem::setCheckable(bool checkable)
{
    d->checkable = checkable;
    if (!checkable)
        setChecked(false);
}

bool PushButtonItem::isCheckable() const
{
    return d->checkable;
}

void PushButtonItem::setChecked(bool checked)
{
    if (!d->checkable || d->checked == checked)
        return;
    d->checked = checked;
    textChanged();
}

bool PushButtonItem::isChecked() const
{
    return d->checked;
}

bool PushButtonItem::isPressed() const
{
    return d->pressed;
}

void PushButtonItem::setTheme(AbstractTheme* theme)
{
    if (!theme)
        return;
    if (d->themeFlags & ThemeFont)
        setFont(theme->font(AbstractTheme::Font0));
    if (d->themeFlags & ThemePen)
        setTextPen(theme->pen(AbstractTheme::Pen0));
    if (d->themeFlags & ThemeBrush)
        setTextBrush(theme->brush(AbstractTheme::Brush0));
}

void PushButtonItem::setThemeFlags(ThemeFlags flags)
{
    d->themeFlags = flags;
}

void PushButtonItem::click()
{
    if (isEnabled())
        release(true);
}

QRectF PushButtonItem::textArea() const
{
    return rect();
}

void PushButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& image = (d->pressed || d->checked) && !d->down.isNull() ? d->down : d->up;
    if (!image.isNull()) {
        painter->drawImage(rect(), image);
    } else {
        // Without pictures from the theme a plain button, darker while down.
        const bool down = d->pressed || d->checked;
        QLinearGradient fill(rect().topLeft(), rect().bottomLeft());
        fill.setColorAt(0, down ? QColor(0x6a, 0x6a, 0x6a) : QColor(0xf4, 0xf4, 0xf4));
        fill.setColorAt(1, down ? QColor(0x9a, 0x9a, 0x9a) : QColor(0xb8, 0xb8, 0xb8));
        painter->setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        painter->setBrush(fill);
        painter->drawRoundedRect(rect().adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
    if (!isEnabled())
        painter->setOpacity(0.5);

    textFont();
    if (!d->path.isEmpty()) {
        const QRectF bounds = d->path.boundingRect();
        QPointF at = textArea().center() - bounds.center() + d->textOffsets;
        if (d->pressed)
            at += d->pressOffsets;
        painter->save();
        painter->translate(at);
        painter->setPen(d->pen);
        painter->setBrush(d->brush);
        if (d->outlined)
            DrawUtils::drawOutlinePath(painter, d->path);
        else
            painter->fillPath(d->path, d->brush);
        painter->restore();
    }
    painter->setOpacity(1);
    if (hasFocus()) {
        // Keyboard users see where they are.
        painter->setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(rect().adjusted(2, 2, -2, -2), 4, 4);
    }
}

QSizeF PushButtonItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::PreferredSize && !d->up.isNull())
        return QSizeF(d->up.size()) / d->up.devicePixelRatio();
    if (which == Qt::PreferredSize) {
        // Room for the text with a margin around it.
        const QRectF text = DrawUtils::makePath(font(), d->text).boundingRect();
        return QSizeF(qMax<qreal>(96, text.width() + 24), qMax<qreal>(30, text.height() + 14));
    }
    return QGraphicsWidget::sizeHint(which, constraint);
}

void PushButtonItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    d->pressed = true;
    update();
    event->accept();
    Q_EMIT playSound(AbstractTheme::AudioButtonPressed);
}

void PushButtonItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (!d->pressed)
        return;
    release(rect().contains(event->pos()));
}

void PushButtonItem::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space && event->key() != Qt::Key_Select) {
        QGraphicsWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && !d->pressed) {
        d->pressed = true;
        update();
        Q_EMIT playSound(AbstractTheme::AudioButtonPressed);
    }
    event->accept();
}

void PushButtonItem::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space && event->key() != Qt::Key_Select) {
        QGraphicsWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && d->pressed)
        release(true);
    event->accept();
}

void PushButtonItem::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    QGraphicsWidget::resizeEvent(event);
    textChanged();
}

void PushButtonItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        textChanged();
    if (event->type() == QEvent::EnabledChange && !isEnabled() && d->pressed) {
        d->pressed = false;
        update();
    }
    QGraphicsWidget::changeEvent(event);
}

void PushButtonItem::focusInEvent(QFocusEvent* event)
{
    QGraphicsWidget::focusInEvent(event);
    update();
}

void PushButtonItem::focusOutEvent(QFocusEvent* event)
{
    // Focus leaving with the key still down must not leave the button pressed.
    d->pressed = false;
    QGraphicsWidget::focusOutEvent(event);
    update();
}

void PushButtonItem::release(bool inside)
{
    d->pressed = false;
    update();
    if (!inside)
        return;
    if (d->checkable) {
        d->checked = !d->checked;
        textChanged();
        Q_EMIT toggled(d->checked);
    }
    Q_EMIT clicked();
}

void PushButtonItem::textChanged()
{
    d->cached = false;
    update();
}

} // namespace VeskGames
