#include "accountstore.h"

#include "handengine.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>

namespace Pokerd {

namespace {
QString sha1Hex(const QString& password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex());
}
} // namespace

class AccountStore::Private
{
public:
    QString path;
    QMap<QString, Account> accounts;

    void load()
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject users = root.value("accounts").toObject();
        for (auto it = users.constBegin(); it != users.constEnd(); ++it) {
            const QJsonObject o = it.value().toObject();
            Account a;
            a.name = it.key();
            a.passwordSha1 = o.value("passwordSha1").toString();
            a.firstName = o.value("firstName").toString();
            a.lastName = o.value("lastName").toString();
            a.email = o.value("email").toString();
            // Whole cents are stored as integers: no rounding on the way back.
            a.balance = Cents(o.value("balanceCents").toDouble());
            a.atTables = Cents(o.value("atTablesCents").toDouble());
            a.settings = o.value("settings").toObject().toVariantMap();
            accounts.insert(a.name, a);
        }
    }
};

AccountStore::AccountStore(const QString& folder) : d(std::make_unique<Private>())
{
    QDir().mkpath(folder);
    d->path = QDir(folder).filePath(QStringLiteral("accounts.json"));
    d->load();
    bool recovered = false;
    for (Account& a : d->accounts) {
        if (a.atTables != 0) {
            a.balance += a.atTables;
            a.atTables = 0;
            recovered = true;
        }
    }
    if (recovered)
        save();
}

AccountStore::~AccountStore() = default;

bool AccountStore::addUsers(const QString& usersFile, QString* error)
{
    QFile file(usersFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(usersFile);
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray()) {
        *error = QStringLiteral("%1: expected a JSON array of users").arg(usersFile);
        return false;
    }
    for (const QJsonValue& value : document.array()) {
        const QJsonObject o = value.toObject();
        const QString name = o.value("name").toString();
        if (name.isEmpty() || d->accounts.contains(name))
            continue;
        Account a;
        a.name = name;
        a.passwordSha1 = sha1Hex(o.value("password").toString());
        a.balance = HandEngine::fromUnits(o.value("balance").toDouble(1000));
        a.firstName = o.value("firstName").toString(name);
        a.email = o.value("email").toString();
        d->accounts.insert(name, a);
    }
    return save();
}

void AccountStore::addDemoUsers()
{
    bool added = false;
    for (int i = 1; i <= 10; ++i) {
        const QString name = QStringLiteral("demo%1").arg(i);
        if (d->accounts.contains(name))
            continue;
        Account a;
        a.name = name;
        a.passwordSha1 = sha1Hex(QStringLiteral("demo"));
        a.firstName = QStringLiteral("Demo");
        a.lastName = QString::number(i);
        a.email = name + QStringLiteral("@localhost");
        a.balance = 100000;
        d->accounts.insert(name, a);
        added = true;
    }
    if (added)
        save();
}

bool AccountStore::checkPassword(const QString& name, const QString& sha1) const
{
    const auto it = d->accounts.constFind(name);
    return it != d->accounts.constEnd() && it->passwordSha1.compare(sha1, Qt::CaseInsensitive) == 0;
}

bool AccountStore::exists(const QString& name) const
{
    return d->accounts.contains(name);
}

QStringList AccountStore::names() const
{
    return d->accounts.keys();
}

AccountStore::Account AccountStore::account(const QString& name) const
{
    return d->accounts.value(name);
}

bool AccountStore::takeToTable(const QString& name, Cents amount)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end() || amount <= 0 || it->balance < amount)
        return false;
    it->balance -= amount;
    it->atTables += amount;
    return save();
}

void AccountStore::returnFromTable(const QString& name, Cents amount, Cents stillAtTables)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end())
        return;
    it->balance += amount;
    it->atTables = stillAtTables;
    save();
}

void AccountStore::setAtTables(const QString& name, Cents amount)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end() || it->atTables == amount)
        return;
    it->atTables = amount;
    save();
}

void AccountStore::setSettings(const QString& name, const QVariantMap& settings)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end())
        return;
    for (auto s = settings.constBegin(); s != settings.constEnd(); ++s)
        it->settings.insert(s.key(), s.value());
    save();
}

QString AccountStore::path() const
{
    return d->path;
}

bool AccountStore::save()
{
    QJsonObject users;
    for (const Account& a : std::as_const(d->accounts)) {
        users.insert(a.name, QJsonObject{{"passwordSha1", a.passwordSha1},
                                         {"firstName", a.firstName},
                                         {"lastName", a.lastName},
                                         {"email", a.email},
                                         {"balanceCents", double(a.balance)},
                                         {"atTablesCents", double(a.atTables)},
                                         {"settings", QJsonObject::fromVariantMap(a.settings)}});
    }
    // Written beside the old file and renamed over it: a crash leaves one or the other whole.
    QSaveFile file(d->path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(QJsonObject{{"accounts", users}}).toJson());
    return file.commit();
}

} // namespace Pokerd
