#include "accountstore.h"
#include "pokerdlogging.h"

#include "handengine.h"
#include "passwordhash.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMap>
#include <QSaveFile>

#include <cmath>
#include <limits>
#include <utility>

#include <unistd.h>

namespace Pokerd {

namespace {
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QList<AccountStore::Seat> seatsFrom(const QJsonValue& value)
{
    QList<AccountStore::Seat> seats;
    for (const QJsonValue& entry : value.toArray()) {
        const QJsonObject o = entry.toObject();
        AccountStore::Seat seat;
        seat.table = o.value(QStringLiteral("table")).toString();
        seat.seat = o.value(QStringLiteral("seat")).toInt(-1);
        seat.chips = Cents(o.value(QStringLiteral("chipsCents")).toDouble());
        if (!seat.table.isEmpty() && seat.chips > 0)
            seats.append(seat);
    }
    return seats;
}

QJsonArray seatsJson(const QList<AccountStore::Seat>& seats)
{
    QJsonArray array;
    for (const AccountStore::Seat& seat : seats)
        array.append(QJsonObject{{QStringLiteral("table"), seat.table},
                                 {QStringLiteral("seat"), seat.seat},
                                 {QStringLiteral("chipsCents"), double(seat.chips)}});
    return array;
}
} // namespace

class AccountStore::Private
{
public:
    QString folder;
    QString path;
    std::unique_ptr<QLockFile> lock;
    QMap<QString, Account> accounts;
    bool dirty = false;
    int writes = 0;

    QString previousPath() const { return path + QStringLiteral(".previous"); }

    bool load(QString* error)
    {
        QFile file(path);
        if (!file.exists())
            return true;
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
            return false;
        }
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
        const QJsonValue users = document.object().value(QStringLiteral("accounts"));
        if (parseError.error != QJsonParseError::NoError || !users.isObject()) {
            const QString reason = parseError.error != QJsonParseError::NoError
                                       ? parseError.errorString()
                                       : QStringLiteral("no accounts");
            *error = QStringLiteral("%1 is damaged (%2) and was left as it is; the copy before the last "
                                    "change is %3")
                         .arg(path, reason, previousPath());
            return false;
        }
        const QJsonObject all = users.toObject();
        for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
            const QJsonObject o = it.value().toObject();
            Account a;
            a.name = it.key();
            a.passwordHash = o.value(QStringLiteral("passwordHash")).toString();
            if (!PasswordHash::isHash(a.passwordHash)) {
                // Files of earlier servers kept the bare digest.
                const QString digest = o.value(QStringLiteral("passwordSha1")).toString();
                a.passwordHash = digest.isEmpty() ? QString() : PasswordHash::make(digest);
                dirty = true;
            }
            a.firstName = o.value(QStringLiteral("firstName")).toString();
            a.lastName = o.value(QStringLiteral("lastName")).toString();
            a.email = o.value(QStringLiteral("email")).toString();
            // Whole cents are stored as integers: no rounding on the way back.
            a.balance = Cents(o.value(QStringLiteral("balanceCents")).toDouble());
            a.atTables = Cents(o.value(QStringLiteral("atTablesCents")).toDouble());
            a.starting = Cents(o.value(QStringLiteral("startingCents")).toDouble(double(DefaultStarting)));
            a.settings = o.value(QStringLiteral("settings")).toObject().toVariantMap();
            a.nickname = o.value(QStringLiteral("nickname")).toString();
            a.seats = seatsFrom(o.value(QStringLiteral("seats")));
            a.heldSeats = seatsFrom(o.value(QStringLiteral("heldSeats")));
            // JSON has one kind of number; a client's integer setting must come back as one.
            for (QVariant& value : a.settings) {
                const double number = value.toDouble();
                if (value.metaType().id() == QMetaType::Double && number == std::trunc(number) &&
                    std::abs(number) <= double(std::numeric_limits<int>::max()))
                    value = int(number);
            }
            accounts.insert(a.name, a);
        }
        return true;
    }

    QByteArray serialised() const
    {
        QJsonObject users;
        for (const Account& a : accounts) {
            QJsonObject o{{QStringLiteral("passwordHash"), a.passwordHash},
                          {QStringLiteral("firstName"), a.firstName},
                          {QStringLiteral("lastName"), a.lastName},
                          {QStringLiteral("email"), a.email},
                          {QStringLiteral("balanceCents"), double(a.balance)},
                          {QStringLiteral("atTablesCents"), double(a.atTables)},
                          {QStringLiteral("startingCents"), double(a.starting)},
                          {QStringLiteral("settings"), QJsonObject::fromVariantMap(a.settings)}};
            if (!a.nickname.isEmpty())
                o.insert(QStringLiteral("nickname"), a.nickname);
            if (!a.seats.isEmpty())
                o.insert(QStringLiteral("seats"), seatsJson(a.seats));
            if (!a.heldSeats.isEmpty())
                o.insert(QStringLiteral("heldSeats"), seatsJson(a.heldSeats));
            users.insert(a.name, o);
        }
        return QJsonDocument(QJsonObject{{QStringLiteral("accounts"), users}}).toJson(QJsonDocument::Compact);
    }

    // The file as it is now stays beside the new one: a second name for the
    // same data, made and moved into place before the new file replaces it.
    void keepPrevious() const
    {
        const QByteArray current = QFile::encodeName(path);
        const QByteArray fresh = QFile::encodeName(previousPath() + QStringLiteral(".new"));
        ::unlink(fresh.constData());
        if (::link(current.constData(), fresh.constData()) == 0)
            ::rename(fresh.constData(), QFile::encodeName(previousPath()).constData());
    }
};

AccountStore::AccountStore(const QString& folder) : d(std::make_unique<Private>())
{
    d->folder = folder;
    d->path = QDir(folder).filePath(QStringLiteral("accounts.json"));
}

AccountStore::~AccountStore()
{
    flush();
}

bool AccountStore::open(QString* error)
{
    if (!QDir().mkpath(d->folder)) {
        *error = QStringLiteral("cannot make the data folder %1").arg(d->folder);
        return false;
    }
    d->lock = std::make_unique<QLockFile>(QDir(d->folder).filePath(QStringLiteral("pokerd.lock")));
    d->lock->setStaleLockTime(0); // a crashed server's lock is found stale by its process id
    if (!d->lock->tryLock(0)) {
        *error = QStringLiteral("another pokerd is using the data folder %1").arg(d->folder);
        d->lock.reset();
        return false;
    }
    if (!d->load(error)) {
        d->accounts.clear();
        d->lock.reset(); // and with it every write
        return false;
    }
    for (Account& a : d->accounts) {
        if (a.atTables != 0) {
            a.balance += a.atTables;
            // The seats are offered again, for no more than came back.
            Cents listed = 0;
            for (const Seat& seat : std::as_const(a.seats))
                listed += seat.chips;
            a.heldSeats = listed <= a.atTables ? a.seats : QList<Seat>();
            a.atTables = 0;
            d->dirty = true;
        }
        if (!a.seats.isEmpty()) {
            a.seats.clear();
            d->dirty = true;
        }
    }
    if (d->dirty && !save()) {
        *error = QStringLiteral("cannot write %1").arg(d->path);
        return false;
    }
    return true;
}

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
    const QMap<QString, Account> before = d->accounts;
    for (const QJsonValue& value : document.array()) {
        const QJsonObject o = value.toObject();
        const QString name = o.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || d->accounts.contains(name))
            continue;
        Account a;
        a.name = name;
        a.passwordHash =
            PasswordHash::make(PasswordHash::digestOf(o.value(QStringLiteral("password")).toString()));
        a.balance = HandEngine::fromUnits(
            o.value(QStringLiteral("balance")).toDouble(HandEngine::toUnits(DefaultStarting)));
        a.starting = a.balance;
        a.firstName = o.value(QStringLiteral("firstName")).toString(name);
        a.email = o.value(QStringLiteral("email")).toString();
        d->accounts.insert(name, a);
    }
    if (!saveAdded(before)) {
        *error = QStringLiteral("cannot write %1").arg(d->path);
        return false;
    }
    return true;
}

bool AccountStore::addDemoUsers()
{
    const QMap<QString, Account> before = d->accounts;
    QString hash;
    for (int i = 1; i <= 10; ++i) {
        const QString name = QStringLiteral("demo%1").arg(i);
        if (d->accounts.contains(name))
            continue;
        if (hash.isEmpty())
            hash = PasswordHash::make(PasswordHash::digestOf(QStringLiteral("demo")));
        Account a;
        a.name = name;
        a.passwordHash = hash;
        a.firstName = QStringLiteral("Demo");
        a.lastName = QString::number(i);
        a.email = name + QStringLiteral("@localhost");
        a.balance = DefaultStarting;
        a.starting = DefaultStarting;
        d->accounts.insert(name, a);
    }
    return saveAdded(before);
}

bool AccountStore::saveAdded(const QMap<QString, Account>& before)
{
    if (d->accounts.size() == before.size() || save())
        return true;
    d->accounts = before; // not written, so not added
    return false;
}

bool AccountStore::checkPassword(const QString& name, const QString& sha1) const
{
    const auto it = d->accounts.constFind(name);
    return it != d->accounts.constEnd() && PasswordHash::matches(it->passwordHash, sha1);
}

bool AccountStore::exists(const QString& name) const
{
    return d->accounts.contains(name);
}

QStringList AccountStore::names() const
{
    return d->accounts.keys();
}

QString AccountStore::accountFor(const QString& login) const
{
    if (d->accounts.contains(login))
        return login;
    if (login.isEmpty())
        return QString();
    for (const Account& a : std::as_const(d->accounts)) {
        if (a.nickname.compare(login, Qt::CaseInsensitive) == 0)
            return a.name;
    }
    return QString();
}

bool AccountStore::nameTaken(const QString& name) const
{
    for (const Account& a : std::as_const(d->accounts)) {
        if (a.name.compare(name, Qt::CaseInsensitive) == 0 ||
            a.nickname.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool AccountStore::setNickname(const QString& account, const QString& nickname)
{
    auto it = d->accounts.find(account);
    if (it == d->accounts.end() || !it->nickname.isEmpty() || nickname.isEmpty() || nameTaken(nickname))
        return false;
    it->nickname = nickname;
    if (save())
        return true;
    it->nickname.clear(); // not written, so not chosen
    return false;
}

QString AccountStore::shownName(const QString& account) const
{
    const auto it = d->accounts.constFind(account);
    return it == d->accounts.constEnd() || it->nickname.isEmpty() ? account : it->nickname;
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
    if (save())
        return true;
    // Not written, so it did not happen.
    it->balance += amount;
    it->atTables -= amount;
    return false;
}

bool AccountStore::returnFromTable(const QString& name, Cents amount, Cents stillAtTables)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end())
        return false;
    // The chips have left the table: they stay in the balance even when the
    // write fails, and the next flush() tries again.
    it->balance += amount;
    it->atTables = stillAtTables;
    d->dirty = true;
    return save();
}

bool AccountStore::topUp(const QString& name)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end() || it->balance >= it->starting)
        return false;
    const Cents before = it->balance;
    it->balance = it->starting;
    if (save())
        return true;
    it->balance = before; // not written, so it did not happen
    return false;
}

void AccountStore::setAtTables(const QString& name, Cents amount)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end() || it->atTables == amount)
        return;
    it->atTables = amount;
    d->dirty = true;
}

void AccountStore::setSeats(const QString& name, const QList<Seat>& seats)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end() || it->seats == seats)
        return;
    it->seats = seats;
    d->dirty = true;
}

QList<AccountStore::Seat> AccountStore::takeHeldSeats(const QString& name)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end() || it->heldSeats.isEmpty())
        return {};
    d->dirty = true;
    return std::exchange(it->heldSeats, {});
}

void AccountStore::setSettings(const QString& name, const QVariantMap& settings)
{
    auto it = d->accounts.find(name);
    if (it == d->accounts.end())
        return;
    for (auto s = settings.constBegin(); s != settings.constEnd(); ++s)
        it->settings.insert(s.key(), s.value());
    d->dirty = true;
}

bool AccountStore::flush()
{
    return !d->dirty || save();
}

bool AccountStore::hasUnwrittenChanges() const
{
    return d->dirty;
}

int AccountStore::writeCount() const
{
    return d->writes;
}

QString AccountStore::path() const
{
    return d->path;
}

bool AccountStore::save()
{
    if (!d->lock)
        return false; // never write over a file that was not read
    // Written beside the old file and renamed over it: a crash leaves one or the other whole.
    QSaveFile file(d->path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kOwnerOnly)) {
        qCCritical(lcPokerdAccounts, "pokerd: cannot write %s: %s", qPrintable(d->path),
                   qPrintable(file.errorString()));
        return false;
    }
    file.write(d->serialised());
    if (QFile::exists(d->path))
        d->keepPrevious();
    if (!file.commit()) {
        qCCritical(lcPokerdAccounts, "pokerd: cannot write %s: %s", qPrintable(d->path),
                   qPrintable(file.errorString()));
        return false;
    }
    d->dirty = false;
    ++d->writes;
    return true;
}

} // namespace Pokerd
