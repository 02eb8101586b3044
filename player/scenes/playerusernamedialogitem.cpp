#include "playerusernamedialogitem.h"

#include "dialogbuttonboxitem.h"
#include "labelitem.h"
#include "pushbuttonitem.h"

#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace VeskGames {

class PlayerUsernameDialogItem::Private
{
public:
    QLabel* text = nullptr;
    QLineEdit* edit = nullptr;
    QLabel* message = nullptr;
    PushButtonItem* save = nullptr;
};

PlayerUsernameDialogItem::PlayerUsernameDialogItem(QGraphicsItem* parent)
    : ThemedDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("PlayerUsernameDialog"));
    LabelItem* title = createTitle(tr("Nickname"));

    auto* form = new QWidget;
    form->setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(0, 0, 0, 0);
    d->text =
        new QLabel(tr("Please enter the nickname you wish to show\nat the tables, the nickname can be up to "
                      "10\ncharacters long, please use letters and numbers.\n\nIn order to protect the "
                      "safety of your account we\nadvise you NOT to enter your username. Once\nselected "
                      "your nickname cannot be changed."));
    d->text->setTextFormat(Qt::PlainText);
    d->text->setStyleSheet(QStringLiteral("QLabel { color: #202020; background: transparent; }"));
    d->edit = new QLineEdit;
    d->edit->setObjectName(QStringLiteral("nicknameEdit"));
    d->edit->setMaxLength(64);
    d->message = new QLabel;
    d->message->setTextFormat(Qt::PlainText);
    d->message->setStyleSheet(QStringLiteral("QLabel { color: #a01010; background: transparent; }"));
    column->addWidget(d->text);
    column->addWidget(d->edit);
    column->addWidget(d->message);
    form->adjustSize();
    auto* proxy = new QGraphicsProxyWidget(this);
    proxy->setWidget(form);

    auto* buttons = new DialogButtonBoxItem(this);
    PushButtonItem* cancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    d->save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    setupButton(cancelButton, false);
    setupButton(d->save, false);
    connect(cancelButton, &PushButtonItem::clicked, this, &PlayerUsernameDialogItem::cancel);
    connect(d->save, &PushButtonItem::clicked, this, &PlayerUsernameDialogItem::slotSave);
    connect(d->edit, &QLineEdit::returnPressed, this, &PlayerUsernameDialogItem::slotSave);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(12);
    layout->addItem(title);
    layout->addItem(proxy);
    layout->addItem(buttons);
}

PlayerUsernameDialogItem::~PlayerUsernameDialogItem() = default;

QLineEdit* PlayerUsernameDialogItem::nameEdit() const
{
    return d->edit;
}

PushButtonItem* PlayerUsernameDialogItem::saveButton() const
{
    return d->save;
}

QString PlayerUsernameDialogItem::message() const
{
    return d->message->text();
}

void PlayerUsernameDialogItem::setMessage(const QString& text)
{
    d->message->setText(text);
    setEnabled(true);
    show();
    d->edit->setFocus();
}

void PlayerUsernameDialogItem::slotSave()
{
    const QString name = d->edit->text().trimmed();
    if (name.isEmpty()) {
        setMessage(tr("Invalid and/or existing username"));
        return;
    }
    d->message->clear();
    setEnabled(false);
    Q_EMIT selectUsername(name);
    hide();
}

void PlayerUsernameDialogItem::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        slotSave();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT cancel();
        return;
    }
    ThemedDialogItem::keyPressEvent(event);
}

} // namespace VeskGames
