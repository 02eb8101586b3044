#include "themeddialogitem.h"

#include "abstracttheme.h"
#include "dialogbuttonboxitem.h"
#include "labelitem.h"
#include "pushbuttonitem.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <functional>

namespace VeskGames {

namespace {
constexpr qreal kDialogZ = 1001;
constexpr qreal kCornerRadius = 10;
} // namespace

class ThemedDialogItem::Private
{
public:
    Client* client = nullptr;
    bool useDimmer = false;
    QPointer<PushButtonItem> defaultButton;
    QPointer<PushButtonItem> escapeButton;
    // A child stacked behind the dialog: it goes wherever the dialog goes,
    // also when the scene deletes its items.
    QGraphicsRectItem* dimmer = nullptr;

    void dropDimmer()
    {
        delete dimmer;
        dimmer = nullptr;
    }
};

ThemedDialogItem::ThemedDialogItem(QGraphicsItem* parent)
    : ThemedGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setCacheMode(DeviceCoordinateCache);
    setZValue(kDialogZ);
    setFlag(ItemIsPanel);
    setPanelModality(SceneModal);
    // The dialog itself holds the keys while none of its parts has them:
    // Return then goes to its default button once that is enabled.
    setFocusPolicy(Qt::ClickFocus);
}

ThemedDialogItem::~ThemedDialogItem() = default;

void ThemedDialogItem::setClient(Client* client)
{
    d->client = client;
}

Client* ThemedDialogItem::client() const
{
    return d->client;
}

void ThemedDialogItem::setUseDimmer(bool use)
{
    d->useDimmer = use;
    updateDimmer();
}

bool ThemedDialogItem::useDimmer() const
{
    return d->useDimmer;
}

QGraphicsRectItem* ThemedDialogItem::dimmer() const
{
    return d->dimmer;
}

void ThemedDialogItem::centerDialog()
{
    resize(effectiveSizeHint(Qt::PreferredSize));
    if (QGraphicsScene* s = scene())
        setPos(s->sceneRect().center() - QRectF(QPointF(), size()).center());
}

void ThemedDialogItem::setDefaultButton(PushButtonItem* button)
{
    d->defaultButton = button;
}

PushButtonItem* ThemedDialogItem::defaultButton() const
{
    return d->defaultButton;
}

void ThemedDialogItem::setEscapeButton(PushButtonItem* button)
{
    d->escapeButton = button;
}

PushButtonItem* ThemedDialogItem::escapeButton() const
{
    return d->escapeButton;
}

namespace {

bool usable(const QGraphicsItem* item)
{
    return item && item->isVisible() && item->isEnabled();
}

// Depth first, in the order the children were made: the order a reader meets them.
QGraphicsItem* firstMatching(QGraphicsItem* parent, const std::function<bool(QGraphicsItem*)>& matches)
{
    for (QGraphicsItem* child : parent->childItems()) {
        if (!child->isVisible())
            continue;
        if (matches(child))
            return child;
        if (QGraphicsItem* found = firstMatching(child, matches))
            return found;
    }
    return nullptr;
}

bool isTextField(QGraphicsItem* item)
{
    auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item);
    return proxy && proxy->isEnabled() && proxy->widget() && proxy->widget()->isEnabled() &&
           (qobject_cast<QLineEdit*>(proxy->widget()) || proxy->widget()->findChild<QLineEdit*>());
}

} // namespace

void ThemedDialogItem::focusFirst()
{
    if (QGraphicsItem* field = firstMatching(this, isTextField)) {
        auto* proxy = static_cast<QGraphicsProxyWidget*>(field);
        proxy->setFocus(Qt::OtherFocusReason);
        QWidget* widget = proxy->widget();
        QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
        if (!edit)
            edit = widget->findChild<QLineEdit*>();
        if (edit)
            edit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (usable(d->defaultButton)) {
        d->defaultButton->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (d->defaultButton) {
        // Not yet to be pressed (nothing chosen): no other button takes its place.
        setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QGraphicsItem* button = firstMatching(this, [](QGraphicsItem* item) {
            auto* widget = item->isWidget() ? static_cast<QGraphicsWidget*>(item) : nullptr;
            return widget && usable(widget) && qobject_cast<PushButtonItem*>(widget) &&
                   (widget->focusPolicy() & Qt::TabFocus);
        }))
        button->setFocus(Qt::OtherFocusReason);
}

void ThemedDialogItem::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    PushButtonItem* press = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The button with the focus, else the dialog's default one.
        QGraphicsItem* focus = scene() ? scene()->focusItem() : nullptr;
        auto* focused = focus ? qobject_cast<PushButtonItem*>(focus->toGraphicsObject()) : nullptr;
        if (focused && usable(focused) && isAncestorOf(focused))
            press = focused;
        else if (usable(d->defaultButton))
            press = d->defaultButton;
    } else if (key == Qt::Key_Escape && usable(d->escapeButton)) {
        press = d->escapeButton;
    }
    if (!press || event->isAutoRepeat()) {
        ThemedGraphicsWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    press->click();
}

LabelItem* ThemedDialogItem::createTitle(const QString& text)
{
    auto* title = new LabelItem(this);
    title->setThemeFlags(NoThemeFlags);
    QFont titleFont = font();
    titleFont.setPixelSize(22);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setBrush(QColor(0x20, 0x20, 0x20));
    title->setText(text);
    return title;
}

PushButtonItem* ThemedDialogItem::addBoxButton(DialogButtonBoxItem* box, const char* objectName,
                                               QDialogButtonBox::ButtonRole role)
{
    PushButtonItem* button = box->addButton(QString(), role);
    button->setObjectName(QLatin1String(objectName));
    setupButton(button, false);
    return button;
}

void ThemedDialogItem::setupButton(PushButtonItem* button, bool closes)
{
    if (!button)
        return;
    connect(button, &PushButtonItem::clicked, this, &ThemedDialogItem::slotButtonClicked);
    if (closes) {
        connect(button, &PushButtonItem::clicked, this, [this] {
            hide();
            Q_EMIT actionClose();
        });
    }
}

void ThemedDialogItem::slotButtonClicked()
{
    if (AbstractTheme* t = theme())
        t->playSound(AbstractTheme::AudioButtonPressed, false);
}

void ThemedDialogItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(rect().topLeft(), rect().bottomLeft());
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(0x84, 0x83, 0x83));
    painter->setPen(QPen(QColor("beige"), 2));
    painter->setBrush(fill);
    painter->drawRoundedRect(rect().adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);
}

QVariant ThemedDialogItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemVisibleHasChanged || change == ItemSceneHasChanged || change == ItemPositionHasChanged)
        updateDimmer();
    return ThemedGraphicsWidget::itemChange(change, value);
}

void ThemedDialogItem::updateDimmer()
{
    QGraphicsScene* s = scene();
    const bool wanted = d->useDimmer && isVisible() && s;
    if (!wanted) {
        d->dropDimmer();
        return;
    }
    if (!d->dimmer) {
        d->dimmer = new QGraphicsRectItem(this);
        d->dimmer->setFlag(ItemStacksBehindParent);
        d->dimmer->setPen(Qt::NoPen);
        d->dimmer->setBrush(QColor(0, 0, 0, 100));
    }
    // The whole table, wherever the dialog stands on it.
    d->dimmer->setRect(mapRectFromScene(s->sceneRect()));
}

} // namespace VeskGames
