#include "logindialogitem.h"

#include "abstracttheme.h"
#include "dialogbuttonboxitem.h"
#include "labelitem.h"
#include "pixmapitem.h"
#include "pushbuttonitem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace VeskGames {

class LoginDialogItem::Private
{
public:
    LabelItem* title = nullptr;
    QWidget* form = nullptr;
    QLabel* usernameLabel = nullptr;
    QLabel* passwordLabel = nullptr;
    QLabel* languageLabel = nullptr;
    QLineEdit* username = nullptr;
    QLineEdit* password = nullptr;
    QComboBox* language = nullptr;
    QCheckBox* save = nullptr;
    QGraphicsProxyWidget* formProxy = nullptr;
    PixmapItem* errorIcon = nullptr;
    LabelItem* message = nullptr;
    DialogButtonBoxItem* buttons = nullptr;
    PushButtonItem* login = nullptr;
    PushButtonItem* quit = nullptr;
    PushButtonItem* signup = nullptr;
};

LoginDialogItem::LoginDialogItem(QGraphicsItem* parent)
    : AbstractLoginDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("LoginDialog"));
    d->title = createTitle();

    d->form = new QWidget;
    d->form->setAttribute(Qt::WA_TranslucentBackground);
    d->form->setStyleSheet(QStringLiteral("QLabel, QCheckBox { color: #202020; }"));
    auto* grid = new QFormLayout(d->form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    d->username = new QLineEdit;
    d->username->setObjectName(QStringLiteral("usernameLineEdit"));
    d->password = new QLineEdit;
    d->password->setObjectName(QStringLiteral("passwordLineEdit"));
    d->password->setEchoMode(QLineEdit::Password);
    d->language = new QComboBox;
    d->save = new QCheckBox;
    d->usernameLabel = new QLabel;
    d->passwordLabel = new QLabel;
    d->languageLabel = new QLabel;
    d->usernameLabel->setBuddy(d->username);
    d->passwordLabel->setBuddy(d->password);
    d->languageLabel->setBuddy(d->language);
    grid->addRow(d->usernameLabel, d->username);
    grid->addRow(d->passwordLabel, d->password);
    grid->addRow(d->languageLabel, d->language);
    grid->addRow(QString(), d->save);
    d->username->setMinimumWidth(220);
    for (QWidget* w : {static_cast<QWidget*>(d->username), static_cast<QWidget*>(d->password),
                       static_cast<QWidget*>(d->language), static_cast<QWidget*>(d->save)})
        w->installEventFilter(this);
    d->formProxy = new QGraphicsProxyWidget(this);
    d->formProxy->setWidget(d->form);
    d->formProxy->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* messageRow = new QGraphicsLinearLayout(Qt::Horizontal);
    d->errorIcon = new PixmapItem(this);
    d->errorIcon->hide();
    d->errorIcon->setMaximumSize(0, 0);
    d->message = new LabelItem(this);
    d->message->setThemeFlags(NoThemeFlags);
    d->message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    d->message->setBrush(QColor(0x9a, 0x10, 0x10));
    QFont messageFont = font();
    messageFont.setPixelSize(14);
    d->message->setFont(messageFont);
    d->message->setFixedHeight(22);
    messageRow->addItem(d->errorIcon);
    messageRow->addItem(d->message);
    messageRow->setStretchFactor(d->message, 1);

    d->buttons = new DialogButtonBoxItem(this);
    d->buttons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->signup = d->buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    d->quit = d->buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    d->login = d->buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    setupButton(d->login, false);
    setupButton(d->quit, false);
    setupButton(d->signup, false);
    connect(d->login, &PushButtonItem::clicked, this, &LoginDialogItem::slotDoAuth);
    connect(d->quit, &PushButtonItem::clicked, this, &LoginDialogItem::cancel);
    connect(d->signup, &PushButtonItem::clicked, this, &LoginDialogItem::slotShowSignup);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(28, 20, 28, 18);
    layout->setSpacing(12);
    layout->addItem(d->title);
    layout->setAlignment(d->title, Qt::AlignHCenter);
    layout->addItem(d->formProxy);
    layout->addItem(messageRow);
    layout->addItem(d->buttons);

    fillLanguages();
    d->save->setChecked(rememberPasswords());
    connect(d->save, &QCheckBox::stateChanged, this, &LoginDialogItem::slotSavePasswordStateChanged);
    connect(d->username, &QLineEdit::editingFinished, this, &LoginDialogItem::slotUserEditFinished);
    connect(d->username, &QLineEdit::returnPressed, this, &LoginDialogItem::slotDoAuth);
    connect(d->password, &QLineEdit::returnPressed, this, &LoginDialogItem::slotDoAuth);

    retranslateUi();
    loadLogins();
}

void LoginDialogItem::fitForm()
{
    // Never squeezed below what the texts need: that clips the check box's text.
    d->form->adjustSize();
    d->formProxy->setMinimumSize(d->form->sizeHint());
}

LoginDialogItem::~LoginDialogItem() = default;

QString LoginDialogItem::message() const
{
    return d->message->text();
}

QComboBox* LoginDialogItem::languageBox() const
{
    return d->language;
}

QCheckBox* LoginDialogItem::saveBox() const
{
    return d->save;
}

PushButtonItem* LoginDialogItem::loginButton() const
{
    return d->login;
}

PushButtonItem* LoginDialogItem::quitButton() const
{
    return d->quit;
}

void LoginDialogItem::setTabOrder()
{
    // Reading order: the fields, then the buttons as the row puts them.
    const QList<PushButtonItem*> made{d->signup, d->quit, d->login};
    QGraphicsWidget* previous = d->formProxy;
    for (int index : DialogButtonBoxItem::platformOrder(
             {QDialogButtonBox::ActionRole, QDialogButtonBox::RejectRole, QDialogButtonBox::AcceptRole})) {
        QGraphicsWidget::setTabOrder(previous, made.at(index));
        previous = made.at(index);
    }
}

QVariant LoginDialogItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    // The scene keeps the tab chain: it can only be set once the dialog is in one.
    if (change == ItemSceneHasChanged && scene())
        setTabOrder();
    return AbstractLoginDialogItem::itemChange(change, value);
}

PushButtonItem* LoginDialogItem::signupButton() const
{
    return d->signup;
}

void LoginDialogItem::retranslateUi()
{
    d->title->setText(tr("User Login"));
    d->usernameLabel->setText(tr("Username"));
    d->passwordLabel->setText(tr("Password"));
    d->languageLabel->setText(tr("Language"));
    d->save->setText(tr("Save username and password"));
    d->login->setText(tr("Login"));
    d->quit->setText(tr("Quit"));
    d->signup->setText(tr("Signup"));
    retranslateLanguages();
    fitForm();
}

QLineEdit* LoginDialogItem::usernameField() const
{
    return d->username;
}

QLineEdit* LoginDialogItem::passwordField() const
{
    return d->password;
}

QComboBox* LoginDialogItem::languageField() const
{
    return d->language;
}

void LoginDialogItem::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event, true))
        AbstractLoginDialogItem::keyPressEvent(event);
}

bool LoginDialogItem::eventFilter(QObject* watched, QEvent* event)
{
    // Escape from any field quits; Return on the check box or the list logs in.
    if (event->type() == QEvent::KeyPress &&
        handleKey(static_cast<QKeyEvent*>(event), watched == d->save || watched == d->language))
        return true;
    return AbstractLoginDialogItem::eventFilter(watched, event);
}

void LoginDialogItem::setInputEnabled(bool enabled)
{
    d->form->setEnabled(enabled);
    d->login->setEnabled(enabled);
    d->signup->setEnabled(enabled);
}

void LoginDialogItem::showMessage(const QString& text, bool error)
{
    d->message->setText(text);
    d->message->setBrush(error ? QColor(0x9a, 0x10, 0x10) : QColor(0x20, 0x20, 0x20));
    const AbstractTheme* t = theme();
    const bool icon = error && !text.isEmpty() && t && !t->image(AbstractTheme::ImageErrorIcon).isNull();
    // A hidden item still takes its room in the row: it gets none while hidden.
    QSizeF room(0, 0);
    if (icon) {
        const QImage image = t->image(AbstractTheme::ImageErrorIcon);
        d->errorIcon->setPixmap(QPixmap::fromImage(image));
        room = image.deviceIndependentSize().scaled(QSizeF(22, 22), Qt::KeepAspectRatio);
    }
    d->errorIcon->setMinimumSize(room);
    d->errorIcon->setMaximumSize(room);
    d->errorIcon->setPreferredSize(room);
    d->errorIcon->setVisible(icon);
}

} // namespace VeskGames
