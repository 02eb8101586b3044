#include "abstractlogindialogitem.h"

#include "abstractpokertablescene.h"
#include "infodialogitem.h"
#include "localresources.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QStringListModel>
#include <QTimer>
#include <QUrl>

namespace VeskGames {

namespace {
const QString kRememberKey = QStringLiteral("login/rememberPasswords");
const QString kLoginsKey = QStringLiteral("logins");
} // namespace

class AbstractLoginDialogItem::Private
{
public:
    bool autoComplete = true;
    bool rememberPasswords = false;
    QStringList names;
    QMap<QString, QString> passwords;
    QStringListModel model;
    QCompleter* completer = nullptr;
    bool busy = false;
    int busyStep = 0;
    QTimer busyTimer;
};

AbstractLoginDialogItem::AbstractLoginDialogItem(QGraphicsItem* parent)
    : ThemedDialogItem(parent), d(std::make_unique<Private>())
{
    d->rememberPasswords = QSettings().value(kRememberKey, false).toBool();
    d->busyTimer.setInterval(400);
    connect(&d->busyTimer, &QTimer::timeout, this, [this] {
        // Moving dots: the wait is visible, not only the greyed fields.
        d->busyStep = (d->busyStep + 1) % 4;
        showMessage(tr("Logging in") + QString(d->busyStep, QLatin1Char('.')), false);
    });
}

AbstractLoginDialogItem::~AbstractLoginDialogItem() = default;

void AbstractLoginDialogItem::setAutoCompleteUsername(bool on)
{
    d->autoComplete = on;
}

bool AbstractLoginDialogItem::autoCompleteUsername() const
{
    return d->autoComplete;
}

void AbstractLoginDialogItem::setRememberPasswords(bool on)
{
    const bool forget = d->rememberPasswords && !on;
    d->rememberPasswords = on;
    if (!on)
        d->passwords.clear();
    if (forget)
        saveLogins();
}

bool AbstractLoginDialogItem::rememberPasswords() const
{
    return d->rememberPasswords;
}

QStringList AbstractLoginDialogItem::rememberedUsernames() const
{
    return d->names;
}

QString AbstractLoginDialogItem::rememberedPassword(const QString& user) const
{
    return d->passwords.value(user);
}

void AbstractLoginDialogItem::addCompletionUsername(const QString& user, const QString& password)
{
    if (!d->autoComplete || user.trimmed().isEmpty())
        return;
    const QString name = user.trimmed();
    d->names.removeAll(name);
    d->names.prepend(name);
    while (d->names.size() > MaximumRememberedLogins)
        d->passwords.remove(d->names.takeLast());
    if (d->rememberPasswords)
        d->passwords.insert(name, password);
    else
        d->passwords.remove(name);
    d->model.setStringList(d->names);
    saveLogins();
}

void AbstractLoginDialogItem::setSingleUsername()
{
    if (d->names.size() != 1 || !usernameField())
        return;
    usernameField()->setText(d->names.first());
    slotUserEditFinished();
    if (passwordField())
        passwordField()->setFocus();
}

void AbstractLoginDialogItem::loadLogins()
{
    QSettings settings;
    d->names.clear();
    d->passwords.clear();
    const int size = settings.beginReadArray(kLoginsKey);
    // A damaged or enormous list must not hold the dialog up.
    for (int i = 0; i < size && d->names.size() < MaximumRememberedLogins; ++i) {
        settings.setArrayIndex(i);
        const QString name = settings.value(QStringLiteral("userName")).toString().trimmed();
        if (name.isEmpty() || d->names.contains(name))
            continue;
        d->names.append(name);
        const QByteArray stored = settings.value(QStringLiteral("password")).toByteArray();
        if (d->rememberPasswords && !stored.isEmpty())
            d->passwords.insert(name, QString::fromUtf8(QByteArray::fromBase64(stored)));
    }
    settings.endArray();
    d->model.setStringList(d->names);
    if (QLineEdit* field = usernameField()) {
        if (!d->completer) {
            d->completer = new QCompleter(&d->model, field);
            d->completer->setCaseSensitivity(Qt::CaseInsensitive);
            field->setCompleter(d->completer);
        }
    }
}

void AbstractLoginDialogItem::saveLogins()
{
    bool secrets = false;
    {
        QSettings settings;
        settings.remove(kLoginsKey);
        settings.beginWriteArray(kLoginsKey, int(d->names.size()));
        for (int i = 0; i < d->names.size(); ++i) {
            settings.setArrayIndex(i);
            const QString name = d->names.at(i);
            const QString password = d->rememberPasswords ? d->passwords.value(name) : QString();
            secrets = secrets || !password.isEmpty();
            settings.setValue(QStringLiteral("userName"), name);
            settings.setValue(QStringLiteral("password"), QString::fromLatin1(password.toUtf8().toBase64()));
        }
        settings.endArray();
        settings.sync();
        // Base64 hides nothing: at least nobody but the owner may read the file.
        if (secrets)
            QFile::setPermissions(settings.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

void AbstractLoginDialogItem::slotUserEditFinished()
{
    if (!d->rememberPasswords || !usernameField() || !passwordField())
        return;
    const QString name = usernameField()->text().trimmed();
    if (!d->passwords.contains(name))
        return;
    passwordField()->setText(d->passwords.value(name));
    passwordField()->selectAll();
}

void AbstractLoginDialogItem::slotSavePasswordStateChanged(int state)
{
    const bool ticked = state == Qt::Checked;
    setAutoCompleteUsername(ticked);
    setRememberPasswords(ticked);
    QSettings settings;
    if (!settings.contains(kRememberKey))
        showPasswordNotice();
    settings.setValue(kRememberKey, ticked);
}

void AbstractLoginDialogItem::showPasswordNotice()
{
    // On the scene's dialog stack: it covers the log-in, and closing it brings
    // the log-in back with its keys and clicks.
    auto* s = qobject_cast<AbstractPokerTableScene*>(scene());
    if (!s)
        return;
    InfoDialogItem* notice = s->createInfoDialog();
    notice->setTheme(theme());
    notice->setText(
        tr("NOTE! Do not save your password unless you are sure\nno-one else has access to this computer!"));
    notice->createButton(tr("OK"), QDialogButtonBox::AcceptRole, true);
    s->pushDialog(notice, true);
}

void AbstractLoginDialogItem::slotShowSignup()
{
    const QString url = QCoreApplication::instance()->property("iniurlsignup").toString();
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

QStringList AbstractLoginDialogItem::availableLocales()
{
    QStringList locales{QStringLiteral("en_US")};
    for (const QString& path : LocalResources::searchPaths()) {
        const QDir folder(path + QStringLiteral("/translations/"));
        const QStringList files =
            folder.entryList({QStringLiteral("player*.qm")}, QDir::Files | QDir::Readable);
        for (const QString& file : files) {
            // "player_de_DE.qm": what lies between the first underscore and the last dot.
            const qsizetype underscore = file.indexOf(QLatin1Char('_'));
            const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
            if (underscore < 0 || dot <= underscore + 1)
                continue;
            const QString locale = file.mid(underscore + 1, dot - underscore - 1);
            if (!locales.contains(locale))
                locales.append(locale);
        }
    }
    return locales;
}

QString AbstractLoginDialogItem::languageToString(const QString& locale)
{
    const QString language = locale.section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("zh"))
        return QStringLiteral("中文 (Chinese)");
    if (language == QLatin1String("en"))
        return QStringLiteral("English");
    if (language == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (language == QLatin1String("it"))
        return QStringLiteral("Italiano");
    if (language == QLatin1String("sv"))
        return QStringLiteral("Svenska");
    return tr("Unknown");
}

void AbstractLoginDialogItem::setCurrentLocale(const QString& locale)
{
    QComboBox* box = languageField();
    const int index = box ? box->findData(locale) : -1;
    if (index < 0)
        return;
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index);
}

bool AbstractLoginDialogItem::isBusy() const
{
    return d->busy;
}

void AbstractLoginDialogItem::setMessage(const QString& text)
{
    setBusy(false);
    passwordField()->clear();
    usernameField()->setFocus();
    usernameField()->selectAll();
    showMessage(text, true);
}

void AbstractLoginDialogItem::reset()
{
    setBusy(false);
    usernameField()->clear();
    passwordField()->clear();
    showMessage(QString(), false);
    usernameField()->setFocus();
}

void AbstractLoginDialogItem::slotDoAuth()
{
    if (d->busy)
        return;
    const QString name = usernameField()->text().trimmed();
    const QString password = passwordField()->text();
    if (name.isEmpty() || password.isEmpty()) {
        showMessage(tr("Invalid username and/or password!"), true);
        return;
    }
    setBusy(true);
    Q_EMIT authenticate(name, password);
}

void AbstractLoginDialogItem::slotHandleCurrentIndexChanged(int index)
{
    const QString locale = languageField()->itemData(index).toString();
    if (!locale.isEmpty())
        Q_EMIT languageChanged(locale);
}

void AbstractLoginDialogItem::fillLanguages()
{
    QComboBox* box = languageField();
    for (const QString& locale : availableLocales())
        box->addItem(languageToString(locale), locale);
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AbstractLoginDialogItem::slotHandleCurrentIndexChanged);
}

void AbstractLoginDialogItem::retranslateLanguages()
{
    QComboBox* box = languageField();
    for (int i = 0; i < box->count(); ++i)
        box->setItemText(i, languageToString(box->itemData(i).toString()));
}

bool AbstractLoginDialogItem::handleKey(QKeyEvent* event, bool returnLogsIn)
{
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT cancel();
        return true;
    }
    if (returnLogsIn && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        slotDoAuth();
        return true;
    }
    return false;
}

void AbstractLoginDialogItem::setBusy(bool busy)
{
    d->busy = busy;
    setInputEnabled(!busy);
    if (busy) {
        d->busyStep = 0;
        showMessage(tr("Logging in"), false);
        d->busyTimer.start();
    } else {
        d->busyTimer.stop();
    }
}

} // namespace VeskGames
