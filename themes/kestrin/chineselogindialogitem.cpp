#include "chineselogindialogitem.h"

#include "dialogbuttonboxitem.h"
#include "externallinkpage.h"
#include "kestrinimages.h"
#include "labelitem.h"
#include "pushbuttonitem.h"
#include "webpaneitem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace VeskGames {

namespace {
const QString kLabelStyle = QStringLiteral("color: white; font-size: %1px");
constexpr int kLabelPixels = 14;
constexpr int kLinkPixels = 12;
const QSizeF kNewsSize(280, 300);
const QSizeF kRegisterSize(160, 44);
} // namespace

class ChineseLoginDialogItem::Private
{
public:
    QImage background;
    LabelItem* title = nullptr;
    WebPaneItem* news = nullptr;
    QWidget* form = nullptr;
    QGraphicsProxyWidget* formProxy = nullptr;
    QLabel* usernameLabel = nullptr;
    QLabel* passwordLabel = nullptr;
    QLabel* languageLabel = nullptr;
    QLineEdit* username = nullptr;
    QLineEdit* password = nullptr;
    QComboBox* language = nullptr;
    QCheckBox* save = nullptr;
    QPushButton* lostPassword = nullptr;
    LabelItem* message = nullptr;
    DialogButtonBoxItem* buttons = nullptr;
    PushButtonItem* login = nullptr;
    PushButtonItem* quit = nullptr;
    PushButtonItem* registerButton = nullptr;
};

ChineseLoginDialogItem::ChineseLoginDialogItem(QGraphicsItem* parent)
    : AbstractLoginDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("LoginDialog"));
    d->background = KestrinImages::image(QStringLiteral("/login/background.png"), DialogSize);
    d->title = createTitle();
    d->title->setBrush(QColor(255, 224, 140));

    d->news = new WebPaneItem(this);
    d->news->setObjectName(QStringLiteral("loginNews"));
    d->news->setMinimumSize(kNewsSize);
    d->news->setMaximumSize(kNewsSize);
    d->news->setUrl(QUrl(QCoreApplication::instance()->property("iniurlloginnews").toString()));
    connect(d->news, &WebPaneItem::linkClicked, this, &ChineseLoginDialogItem::slotLinkClicked);

    d->form = new QWidget;
    d->form->setAttribute(Qt::WA_TranslucentBackground);
    auto* grid = new QGridLayout(d->form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    d->username = new QLineEdit;
    d->username->setObjectName(QStringLiteral("usernameLineEdit"));
    d->password = new QLineEdit;
    d->password->setObjectName(QStringLiteral("passwordLineEdit"));
    d->password->setEchoMode(QLineEdit::Password);
    d->language = new QComboBox;
    d->save = new QCheckBox;
    d->save->setStyleSheet(kLabelStyle.arg(kLabelPixels));
    d->usernameLabel = new QLabel;
    d->passwordLabel = new QLabel;
    d->languageLabel = new QLabel;
    for (QLabel* label : {d->usernameLabel, d->passwordLabel, d->languageLabel})
        label->setStyleSheet(kLabelStyle.arg(kLabelPixels));
    d->usernameLabel->setBuddy(d->username);
    d->passwordLabel->setBuddy(d->password);
    d->languageLabel->setBuddy(d->language);
    d->lostPassword = new QPushButton;
    d->lostPassword->setObjectName(QStringLiteral("lostPasswordButton"));
    d->lostPassword->setFlat(true);
    d->lostPassword->setCursor(Qt::PointingHandCursor);
    d->lostPassword->setStyleSheet(kLabelStyle.arg(kLinkPixels) +
                                   QStringLiteral("; text-decoration: underline; border: none;"
                                                  " text-align: left; padding: 0 2px"));
    d->username->setMinimumWidth(150);
    grid->addWidget(d->usernameLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(d->username, 0, 1);
    grid->addWidget(d->passwordLabel, 1, 0, Qt::AlignRight);
    grid->addWidget(d->password, 1, 1);
    grid->addWidget(d->lostPassword, 1, 2);
    grid->addWidget(d->languageLabel, 2, 0, Qt::AlignRight);
    grid->addWidget(d->language, 2, 1);
    grid->addWidget(d->save, 3, 1, 1, 2);
    for (QWidget* w : {static_cast<QWidget*>(d->username), static_cast<QWidget*>(d->password),
                       static_cast<QWidget*>(d->language), static_cast<QWidget*>(d->save)})
        w->installEventFilter(this);
    d->formProxy = new QGraphicsProxyWidget(this);
    d->formProxy->setWidget(d->form);
    d->formProxy->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    d->message = new LabelItem(this);
    d->message->setThemeFlags(NoThemeFlags);
    d->message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont messageFont = font();
    messageFont.setPixelSize(13);
    d->message->setFont(messageFont);
    d->message->setFixedHeight(20);

    d->buttons = new DialogButtonBoxItem(this);
    d->buttons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->quit = addBoxButton(d->buttons, "quitButton", QDialogButtonBox::RejectRole);
    d->login = addBoxButton(d->buttons, "loginButton", QDialogButtonBox::AcceptRole);
    connect(d->login, &PushButtonItem::clicked, this, &ChineseLoginDialogItem::slotDoAuth);
    connect(d->quit, &PushButtonItem::clicked, this, &ChineseLoginDialogItem::cancel);

    d->registerButton = new PushButtonItem(this);
    d->registerButton->setObjectName(QStringLiteral("registerButton"));
    d->registerButton->setThemeFlags(NoThemeFlags);
    const QImage up = KestrinImages::image(QStringLiteral("/login/register_button.png"), kRegisterSize);
    d->registerButton->setUpImage(up);
    d->registerButton->setDownImage(KestrinImages::darker(up));
    d->registerButton->setTextBrush(QColor(0x3a, 0x1a, 0x08));
    d->registerButton->setFocusPolicy(Qt::StrongFocus);
    // Its picture's size: stretched, the gold frame would blur.
    d->registerButton->setMinimumSize(kRegisterSize);
    d->registerButton->setMaximumSize(kRegisterSize);
    d->registerButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QFont registerFont = font();
    registerFont.setPixelSize(17);
    registerFont.setBold(true);
    d->registerButton->setFont(registerFont);
    setupButton(d->registerButton, false);
    connect(d->registerButton, &PushButtonItem::clicked, this, &ChineseLoginDialogItem::slotShowRegistration);
    connect(d->lostPassword, &QPushButton::clicked, this, &ChineseLoginDialogItem::slotShowLostPassword);

    auto* column = new QGraphicsLinearLayout(Qt::Vertical);
    column->setSpacing(10);
    column->addItem(d->formProxy);
    column->addItem(d->message);
    column->addItem(d->buttons);
    column->addStretch();
    column->addItem(d->registerButton);
    column->setAlignment(d->registerButton, Qt::AlignRight);
    auto* row = new QGraphicsLinearLayout(Qt::Horizontal);
    row->setSpacing(20);
    row->addItem(d->news);
    row->addItem(column);
    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(24, 16, 24, 22);
    layout->setSpacing(12);
    layout->addItem(d->title);
    layout->setAlignment(d->title, Qt::AlignHCenter);
    layout->addItem(row);

    fillLanguages();
    d->save->setChecked(rememberPasswords());
    connect(d->save, &QCheckBox::stateChanged, this, &ChineseLoginDialogItem::slotSavePasswordStateChanged);
    connect(d->username, &QLineEdit::editingFinished, this, &ChineseLoginDialogItem::slotUserEditFinished);
    connect(d->username, &QLineEdit::returnPressed, this, &ChineseLoginDialogItem::slotDoAuth);
    connect(d->password, &QLineEdit::returnPressed, this, &ChineseLoginDialogItem::slotDoAuth);

    setMinimumSize(DialogSize);
    setPreferredSize(DialogSize);
    setMaximumSize(DialogSize);
    retranslateUi();
    loadLogins();
}

ChineseLoginDialogItem::~ChineseLoginDialogItem() = default;

QString ChineseLoginDialogItem::message() const
{
    return d->message->text();
}

WebPaneItem* ChineseLoginDialogItem::newsPane() const
{
    return d->news;
}

QComboBox* ChineseLoginDialogItem::languageBox() const
{
    return d->language;
}

QCheckBox* ChineseLoginDialogItem::saveBox() const
{
    return d->save;
}

QPushButton* ChineseLoginDialogItem::lostPasswordButton() const
{
    return d->lostPassword;
}

PushButtonItem* ChineseLoginDialogItem::loginButton() const
{
    return d->login;
}

PushButtonItem* ChineseLoginDialogItem::quitButton() const
{
    return d->quit;
}

PushButtonItem* ChineseLoginDialogItem::registerButton() const
{
    return d->registerButton;
}

void ChineseLoginDialogItem::retranslateUi()
{
    d->title->setText(tr("LOGIN"));
    d->usernameLabel->setText(tr("Username"));
    d->passwordLabel->setText(tr("Password"));
    d->languageLabel->setText(tr("Language"));
    d->save->setText(tr("Save username and password"));
    d->lostPassword->setText(tr("Forgot\npassword"));
    d->login->setText(tr("Login"));
    d->quit->setText(tr("Quit"));
    d->registerButton->setText(tr("Register"));
    retranslateLanguages();
    // Never squeezed below what the texts need.
    d->form->adjustSize();
    d->formProxy->setMinimumSize(d->form->sizeHint());
}

void ChineseLoginDialogItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    AbstractLoginDialogItem::changeEvent(event);
}

void ChineseLoginDialogItem::slotLinkClicked(const QUrl& url)
{
    ExternalLinkPage::openInBrowser(url);
}

void ChineseLoginDialogItem::slotShowLostPassword()
{
    ExternalLinkPage::openInBrowser(
        ExternalLinkPage::webUrl(QCoreApplication::instance()->property("iniurllostpassword").toString()));
}

void ChineseLoginDialogItem::slotShowRegistration()
{
    ExternalLinkPage::openInBrowser(
        ExternalLinkPage::webUrl(QCoreApplication::instance()->property("iniurlsignup").toString()));
}

QLineEdit* ChineseLoginDialogItem::usernameField() const
{
    return d->username;
}

QLineEdit* ChineseLoginDialogItem::passwordField() const
{
    return d->password;
}

QComboBox* ChineseLoginDialogItem::languageField() const
{
    return d->language;
}

void ChineseLoginDialogItem::setInputEnabled(bool enabled)
{
    d->form->setEnabled(enabled);
    d->login->setEnabled(enabled);
}

void ChineseLoginDialogItem::keyPressEvent(QKeyEvent* event)
{
    // On the register button Return registers, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && d->registerButton->hasFocus()) {
        slotShowRegistration();
        return;
    }
    if (!handleKey(event, true))
        AbstractLoginDialogItem::keyPressEvent(event);
}

bool ChineseLoginDialogItem::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        handleKey(static_cast<QKeyEvent*>(event), watched == d->save || watched == d->language))
        return true;
    return AbstractLoginDialogItem::eventFilter(watched, event);
}

void ChineseLoginDialogItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (d->background.isNull()) {
        AbstractLoginDialogItem::paint(painter, option, widget);
        return;
    }
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect(), d->background);
}

void ChineseLoginDialogItem::showMessage(const QString& text, bool error)
{
    d->message->setText(text);
    // Light tones: the text sits on the dark background.
    d->message->setBrush(error ? QColor(0xff, 0xb4, 0x9a) : QColor(0xf1, 0xd7, 0xb0));
}

} // namespace VeskGames
