#ifndef POKERD_ACCOUNTSTORE_H
#define POKERD_ACCOUNTSTORE_H

#include "potbuilder.h"

#include <QString>
#include <QVariantMap>

#include <memory>

namespace Pokerd {

/// Players' accounts: password digests, balances, chips at tables and
/// settings, kept in one JSON file that is replaced atomically on every change.
class AccountStore
{
public:
    struct Account
    {
        QString name;
        QString passwordSha1; ///< hex digest of the UTF-8 password
        QString firstName;
        QString lastName;
        QString email;
        Cents balance = 0;
        Cents atTables = 0; ///< chips taken to tables, still the player's money
        QVariantMap settings;
    };

    /// Opens the store in \a folder; chips left at tables by a server that
    /// stopped go back to the balances.
    explicit AccountStore(const QString& folder);
    ~AccountStore();

    /// Accounts from a users file (JSON array of {name, password, balance});
    /// replaces nobody who exists already.
    bool addUsers(const QString& usersFile, QString* error);
    /// demo1 .. demo10, password "demo", 1000.00 each, where missing.
    void addDemoUsers();

    bool checkPassword(const QString& name, const QString& sha1Hex) const;
    bool exists(const QString& name) const;
    QStringList names() const;
    Account account(const QString& name) const;

    /// Moves \a amount from the balance to a table; false when it is not there.
    bool takeToTable(const QString& name, Cents amount);
    /// Chips come back from a table; \a stillAtTables is what the player has
    /// at other tables. One write, so a crash cannot count the chips twice.
    void returnFromTable(const QString& name, Cents amount, Cents stillAtTables);
    /// Records what the player now has at tables (after a hand).
    void setAtTables(const QString& name, Cents amount);
    void setSettings(const QString& name, const QVariantMap& settings);

    QString path() const;
    bool save();

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
