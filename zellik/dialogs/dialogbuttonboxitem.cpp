#include "dialogbuttonboxitem.h"

#include "abstracttheme.h"
#include "pushbuttonitem.h"

#include <QApplication>
#include <QGraphicsLinearLayout>
#include <QLayout>
#include <QPushButton>

namespace VeskGames {

class DialogButtonBoxItem::Private
{
public:
    QGraphicsLinearLayout* layout = nullptr;
    QList<QPair<PushButtonItem*, ButtonRole>> buttons;
    AbstractTheme* theme = nullptr;
};

DialogButtonBoxItem::DialogButtonBoxItem(QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    d->layout = new QGraphicsLinearLayout(Qt::Horizontal, this);
    d->layout->setContentsMargins(0, 0, 0, 0);
    d->layout->setSpacing(8);
}

DialogButtonBoxItem::~DialogButtonBoxItem()
{
    // The buttons go after us, hiding as they go: not to be laid out by then.
    for (const auto& entry : std::as_const(d->buttons))
        disconnect(entry.first, nullptr, this, nullptr);
}

PushButtonItem* DialogButtonBoxItem::addButton(const QString& text, ButtonRole role)
{
    auto* button = new PushButtonItem(this);
    button->setText(text);
    if (d->theme) {
        button->setUpImage(d->theme->image(AbstractTheme::ImageSmallButton));
        button->setDownImage(d->theme->image(AbstractTheme::ImageSmallButtonDown));
        button->setTheme(d->theme);
    }
    button->setFontScaling(true);
    button->setPressOffsets(1, 1);
    d->buttons.append({button, role});
    connect(button, &QGraphicsObject::visibleChanged, this, &DialogButtonBoxItem::invalidate);
    invalidate();
    return button;
}

QList<PushButtonItem*> DialogButtonBoxItem::buttons() const
{
    QList<PushButtonItem*> result;
    for (const auto& entry : std::as_const(d->buttons))
        result.append(entry.first);
    return result;
}

DialogButtonBoxItem::ButtonRole DialogButtonBoxItem::buttonRole(PushButtonItem* button) const
{
    for (const auto& entry : std::as_const(d->buttons)) {
        if (entry.first == button)
            return entry.second;
    }
    return QDialogButtonBox::InvalidRole;
}

void DialogButtonBoxItem::clear()
{
    const auto buttons = std::exchange(d->buttons, {});
    for (const auto& entry : buttons)
        delete entry.first;
    invalidate();
}

void DialogButtonBoxItem::invalidate()
{
    while (d->layout->count() > 0)
        d->layout->removeAt(0);
    d->layout->addStretch();
    QList<ButtonRole> roles;
    QList<PushButtonItem*> visible;
    for (const auto& [button, role] : std::as_const(d->buttons)) {
        // Shown unless hidden itself: a dialog made hidden still lays out its buttons.
        if (button->isVisibleTo(this)) {
            visible.append(button);
            roles.append(role);
        }
    }
    for (int index : platformOrder(roles))
        d->layout->addItem(visible.at(index));
    d->layout->invalidate();
    updateGeometry();
}

void DialogButtonBoxItem::setTheme(AbstractTheme* theme)
{
    d->theme = theme;
    if (!theme)
        return;
    for (const auto& entry : std::as_const(d->buttons)) {
        entry.first->setUpImage(theme->image(AbstractTheme::ImageSmallButton));
        entry.first->setDownImage(theme->image(AbstractTheme::ImageSmallButtonDown));
        entry.first->setTheme(theme);
    }
    invalidate();
}

QList<int> DialogButtonBoxItem::platformOrder(const QList<ButtonRole>& roles)
{
    QList<int> order;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // No widgets to ask: as added.
        for (int i = 0; i < roles.size(); ++i)
            order.append(i);
        return order;
    }
    // The style's own button box knows the order; ask it instead of guessing.
    QDialogButtonBox box;
    QList<QPushButton*> made;
    for (ButtonRole role : roles)
        made.append(box.addButton(QString::number(made.size()), role));
    QLayout* layout = box.layout();
    for (int i = 0; layout && i < layout->count(); ++i) {
        if (auto* button = qobject_cast<QPushButton*>(layout->itemAt(i)->widget()))
            order.append(int(made.indexOf(button)));
    }
    for (int i = 0; i < roles.size(); ++i) {
        if (!order.contains(i))
            order.append(i);
    }
    return order;
}

} // namespace VeskGames
