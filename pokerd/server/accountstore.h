#ifndef POKERD_ACCOUNTSTORE_H
#define POKERD_ACCOUNTSTORE_H

#include "potbuilder.h"

#include <QMap>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace Pokerd {

/// Players' accounts: password hashes, balances, chips at tables and
/// settings, kept in one JSON file in a data folder that one server holds.
/// Money moving between balance and table is written before it counts;
/// chips at tables and settings are written by flush(), once per hand.
class AccountStore
{
public:
    /// A seat a player had at a table, with the chips in front of them.
    struct Seat
    {
        QString table;
        int seat = -1;
        Cents chips = 0;
        bool operator==(const Seat& o) const
        {
            return table == o.table && seat == o.seat && chips == o.chips;
        }
    };

    struct Account
    {
        QString name;
        QString passwordHash; ///< salted hash of the password's SHA-1 digest
        QString firstName;
        QString lastName;
        QString email;
        Cents balance = 0;
        Cents atTables = 0; ///< chips taken to tables, still the player's money
        Cents starting = 0; ///< what the account began with; the cashier tops up to it
        QVariantMap settings;
        QString nickname;  ///< what the tables show, chosen once on a partner portal
        QList<Seat> seats; ///< where the chips at tables are, as of the last flush
        /// Seats of a server that stopped: the chips are back in the balance and
        /// the player is offered the seats again at the next log-in.
        QList<Seat> heldSeats;
    };

    explicit AccountStore(const QString& folder);
    ~AccountStore();

    /// Locks the folder and reads the accounts; chips left at tables by a
    /// server that stopped go back to the balances. False, with a message
    /// naming the file, when the folder is in use or the file cannot be read:
    /// a damaged file is never replaced.
    bool open(QString* error);

    /// What demo accounts, and accounts from files that did not record it, start with.
    static constexpr Cents DefaultStarting = 100000;

    /// Accounts from a users file (JSON array of {name, password, balance});
    /// replaces nobody who exists already.
    bool addUsers(const QString& usersFile, QString* error);
    /// demo1 .. demo10, password "demo", 1000.00 each, where missing.
    bool addDemoUsers();

    /// \a sha1Hex is the password's SHA-1 digest in hex, either case.
    bool checkPassword(const QString& name, const QString& sha1Hex) const;
    bool exists(const QString& name) const;
    /// The account \a login names: its own name, or its nickname in any case.
    /// Empty when there is none.
    QString accountFor(const QString& login) const;
    /// Whether \a name is an account's name or nickname, in any case.
    bool nameTaken(const QString& name) const;
    /// Gives the account a nickname, written at once; false when it has one
    /// already, the name is taken or it could not be written.
    bool setNickname(const QString& account, const QString& nickname);
    /// The name the tables show for \a account.
    QString shownName(const QString& account) const;
    QStringList names() const;
    Account account(const QString& name) const;

    /// Moves \a amount from the balance to a table; false when it is not
    /// there or the change could not be written (then nothing changed).
    bool takeToTable(const QString& name, Cents amount);
    /// Chips come back from a table; \a stillAtTables is what the player has
    /// at other tables. One write, so a crash cannot count the chips twice.
    bool returnFromTable(const QString& name, Cents amount, Cents stillAtTables);
    /// Raises a balance below the account's starting amount to it; chips at
    /// tables stay as they are. False when there is nothing to raise or the
    /// change could not be written (then nothing changed).
    bool topUp(const QString& name);
    /// Records what the player now has at tables; written by the next flush().
    void setAtTables(const QString& name, Cents amount);
    /// Where the player's chips at tables are; written by the next flush().
    void setSeats(const QString& name, const QList<Seat>& seats);
    /// The held seats, which are given up by taking them.
    QList<Seat> takeHeldSeats(const QString& name);
    /// Merged into the stored settings; written by the next flush().
    void setSettings(const QString& name, const QVariantMap& settings);

    /// Writes what changed since the last write; true when nothing is left unwritten.
    bool flush();
    bool hasUnwrittenChanges() const;
    /// How many times the file was written.
    int writeCount() const;

    QString path() const;

private:
    bool save();
    /// Writes accounts added since \a before, or takes them back when that fails.
    bool saveAdded(const QMap<QString, Account>& before);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
