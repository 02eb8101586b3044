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
#include <QTimer>

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
    bool busy = false;
    int busyStep = 0;
    QTimer busyTimer;
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

    for (const QString& locale : availableLocales())
        d->language->addItem(languageToString(locale), locale);
    connect(d->language, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &LoginDialogItem::slotHandleCurrentIndexChanged);
    d->save->setChecked(rememberPasswords());
    connect(d->save, &QCheckBox::stateChanged, this, &LoginDialogItem::slotSavePasswordStateChanged);
    connect(d->username, &QLineEdit::editingFinished, this, &LoginDialogItem::slotUserEditFinished);
    connect(d->username, &QLineEdit::returnPressed, this, &LoginDialogItem::slotDoAuth);
    connect(d->password, &QLineEdit::returnPressed, this, &LoginDialogItem::slotDoAuth);

    d->busyTimer.setInterval(400);
    connect(&d->busyTimer, &QTimer::timeout, this, [this] {
        // Moving dots: the wait is visible, not only the greyed fields.
        d->busyStep = (d->busyStep + 1) % 4;
        showMessage(tr("Logging in") + QString(d->busyStep, QLatin1Char('.')), false);
    });

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

void LoginDialogItem::setCurrentLocale(const QString& locale)
{
    const int index = d->language->findData(locale);
    if (index < 0)
        return;
    const QSignalBlocker quiet(d->language);
    d->language->setCurrentIndex(index);
}

QString LoginDialogItem::message() const
{
    return d->message->text();
}

bool LoginDialogItem::isBusy() const
{
    return d->busy;
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
    for (int i = 0; i < d->language->count(); ++i)
        d->language->setItemText(i, languageToString(d->language->itemData(i).toString()));
    fitForm();
}

void LoginDialogItem::setMessage(const QString& text)
{
    setBusy(false);
    d->password->clear();
    d->username->setFocus();
    d->username->selectAll();
    showMessage(text, true);
}

void LoginDialogItem::reset()
{
    setBusy(false);
    d->username->clear();
    d->password->clear();
    showMessage(QString(), false);
    d->username->setFocus();
}

void LoginDialogItem::slotDoAuth()
{
    if (d->busy)
        return;
    const QString name = d->username->text().trimmed();
    const QString password = d->password->text();
    if (name.isEmpty() || password.isEmpty()) {
        showMessage(tr("Invalid username and/or password!"), true);
        return;
    }
    setBusy(true);
    Q_EMIT authenticate(name, password);
}

void LoginDialogItem::slotHandleCurrentIndexChanged(int index)
{
    const QString locale = d->language->itemData(index).toString();
    if (!locale.isEmpty())
        Q_EMIT languageChanged(locale);
}

QLineEdit* LoginDialogItem::usernameField() const
{
    return d->username;
}

QLineEdit* LoginDialogItem::passwordField() const
{
    return d->password;
}

void LoginDialogItem::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT cancel();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        slotDoAuth();
        return;
    }
    AbstractLoginDialogItem::keyPressEvent(event);
}

bool LoginDialogItem::eventFilter(QObject* watched, QEvent* event)
{
    // Escape from any field quits; Return on the check box or the list logs in.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            Q_EMIT cancel();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            (watched == d->save || watched == d->language)) {
            slotDoAuth();
            return true;
        }
    }
    return AbstractLoginDialogItem::eventFilter(watched, event);
}

void LoginDialogItem::setBusy(bool busy)
{
    d->busy = busy;
    d->form->setEnabled(!busy);
    d->login->setEnabled(!busy);
    d->signup->setEnabled(!busy);
    if (busy) {
        d->busyStep = 0;
        showMessage(tr("Logging in"), false);
        d->busyTimer.start();
    } else {
        d->busyTimer.stop();
    }
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
