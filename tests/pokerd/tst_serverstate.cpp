#include "accountstore.h"
#include "handrecord.h"
#include "tableconfig.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Pokerd;

namespace {
void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QString kDemoDigest = QStringLiteral("89e495e7941cf9e40e6980d14a16bf023ccd4c91"); // sha1("demo")
} // namespace

class TestServerState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accountsSurviveARestart()
    {
        QTemporaryDir dir;
        {
            AccountStore store(dir.path());
            QString error;
            QVERIFY2(store.open(&error), qPrintable(error));
            QVERIFY(store.addDemoUsers());
            QVERIFY(store.checkPassword("demo3", kDemoDigest));
            QVERIFY(store.checkPassword("demo3", kDemoDigest.toUpper()));
            QVERIFY(!store.checkPassword("demo3", "0000"));
            QVERIFY(!store.checkPassword("nobody", kDemoDigest));
            QCOMPARE(store.account("demo3").balance, Cents(100000));

            QVERIFY(store.takeToTable("demo3", 2500));
            QVERIFY(!store.takeToTable("demo3", 1000000)); // not that much money
            QVERIFY(!store.takeToTable("demo3", -5));
            const int writes = store.writeCount();
            store.setAtTables("demo3", 4000); // won at the table
            store.setSettings("demo3", {{"soundMute", "true"}, {"tableSize", 3}});
            QCOMPARE(store.writeCount(), writes); // written once, by the flush after the hand
            QVERIFY(store.flush());
            QCOMPARE(store.writeCount(), writes + 1);
            QCOMPARE(store.account("demo3").balance, Cents(97500));
        }
        // The server stopped with chips on the table: they are the player's.
        AccountStore reopened(dir.path());
        QString error;
        QVERIFY(reopened.open(&error));
        QCOMPARE(reopened.account("demo3").balance, Cents(101500));
        QCOMPARE(reopened.account("demo3").atTables, Cents(0));
        QCOMPARE(reopened.account("demo3").settings.value("soundMute"), QVariant("true"));
        QCOMPARE(reopened.account("demo3").settings.value("tableSize"), QVariant(3));
        // The finished file, the one before it and the lock; no temporary files.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"accounts.json", "accounts.json.previous", "pokerd.lock"}));
        QFile file(dir.filePath("accounts.json"));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(int(file.permissions() & others), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Neither the password nor its digest is stored.
        QVERIFY(!file.readAll().contains(kDemoDigest.toLatin1()));
    }

    void damagedFilesAreNeverOverwritten_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("not JSON") << QByteArray("{\"accounts\": {\"demo1\": ");
        QTest::newRow("no accounts") << QByteArray("{\"users\": []}");
        QTest::newRow("empty") << QByteArray();
    }

    void damagedFilesAreNeverOverwritten()
    {
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        writeFile(dir.filePath("accounts.json"), text);
        AccountStore store(dir.path());
        QString error;
        QVERIFY(!store.open(&error));
        QVERIFY2(error.contains(dir.filePath("accounts.json")), qPrintable(error));
        QVERIFY(!store.addDemoUsers());
        QFile file(dir.filePath("accounts.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
    }

    void oneServerPerFolder()
    {
        QTemporaryDir dir;
        AccountStore first(dir.path());
        QString error;
        QVERIFY(first.open(&error));
        AccountStore second(dir.path());
        QVERIFY(!second.open(&error));
        QVERIFY2(error.contains("another pokerd"), qPrintable(error));
    }

    void digestsOfEarlierFilesBecomeHashes()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("accounts.json"),
                  R"({"accounts": {"old": {"passwordSha1": "89e495e7941cf9e40e6980d14a16bf023ccd4c91",
                                           "balanceCents": 500, "atTablesCents": 0}}})");
        {
            AccountStore store(dir.path());
            QString error;
            QVERIFY(store.open(&error));
            QVERIFY(store.checkPassword("old", kDemoDigest));
            QCOMPARE(store.account("old").balance, Cents(500));
        }
        QFile file(dir.filePath("accounts.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY(!stored.contains(kDemoDigest.toLatin1()));
        QVERIFY(stored.contains("pbkdf2-sha256$"));
    }

    void aFailedWriteMovesNoMoney()
    {
        QTemporaryDir dir;
        AccountStore store(dir.path());
        QString error;
        QVERIFY(store.open(&error));
        QVERIFY(store.addDemoUsers());
        // A directory where the file goes: the rename over it fails, even for root.
        QVERIFY(QFile::remove(dir.filePath("accounts.json")));
        QVERIFY(QDir(dir.path()).mkdir("accounts.json"));
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("cannot write"));
        QVERIFY(!store.takeToTable("demo1", 2000));
        QCOMPARE(store.account("demo1").balance, Cents(100000));
        QCOMPARE(store.account("demo1").atTables, Cents(0));
    }

    void leavingBringsChipsBack()
    {
        QTemporaryDir dir;
        AccountStore store(dir.path());
        QString error;
        QVERIFY(store.open(&error));
        QVERIFY(store.addDemoUsers());
        QVERIFY(store.takeToTable("demo1", 5000));
        store.returnFromTable("demo1", 7350, 0);
        QCOMPARE(store.account("demo1").balance, Cents(102350));
        QCOMPARE(store.account("demo1").atTables, Cents(0));
    }

    void topUpsReachTheStartingAmount_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Cents>("starting");
        QTest::newRow("demo account") << "demo1" << Cents(100000);
        QTest::newRow("from a users file") << "anna" << Cents(1250);
        QTest::newRow("from an earlier file") << "old" << Cents(100000);
    }

    void topUpsReachTheStartingAmount()
    {
        QFETCH(QString, name);
        QFETCH(Cents, starting);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("data"));
        writeFile(dir.filePath("users.json"), R"([{"name": "anna", "password": "secret", "balance": 12.5}])");
        writeFile(dir.filePath("data/accounts.json"),
                  R"({"accounts": {"old": {"passwordSha1": "89e495e7941cf9e40e6980d14a16bf023ccd4c91",
                                           "balanceCents": 500, "atTablesCents": 0}}})");
        {
            AccountStore store(dir.filePath("data"));
            QString error;
            QVERIFY(store.open(&error));
            QVERIFY(store.addDemoUsers());
            QVERIFY(store.addUsers(dir.filePath("users.json"), &error));
            const Cents balance = store.account(name).balance;
            if (balance >= starting)
                QVERIFY(store.takeToTable(name, balance - starting + 200));
            QVERIFY(!store.hasUnwrittenChanges());
            const Cents atTables = store.account(name).atTables;
            QVERIFY(store.topUp(name));
            QCOMPARE(store.account(name).balance, starting);
            QCOMPARE(store.account(name).atTables, atTables);
            QVERIFY(!store.hasUnwrittenChanges());
            QVERIFY(!store.topUp(name)); // nothing left to raise
            QVERIFY(!store.topUp("nobody"));
            QVERIFY(store.takeToTable(name, 100));
        }
        // The starting amount is kept with the account.
        AccountStore reopened(dir.filePath("data"));
        QString error;
        QVERIFY(reopened.open(&error));
        QCOMPARE(reopened.account(name).starting, starting);
        QVERIFY(reopened.takeToTable(name, reopened.account(name).balance - starting + 50));
        // Not written, not done.
        QVERIFY(QFile::remove(dir.filePath("data/accounts.json")));
        QVERIFY(QDir(dir.filePath("data")).mkdir("accounts.json"));
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("cannot write"));
        QVERIFY(!reopened.topUp(name));
        QCOMPARE(reopened.account(name).balance, starting - 50);
    }

    void usersFile()
    {
        QTemporaryDir dir;
        writeFile(
            dir.filePath("users.json"),
            R"([{"name": "anna", "password": "secret", "balance": 12.5}, {"name": "", "password": "x"}])");
        writeFile(dir.filePath("broken.json"), "{not json");
        AccountStore store(dir.filePath("data"));
        QString error;
        QVERIFY(store.open(&error));
        QVERIFY(store.addUsers(dir.filePath("users.json"), &error));
        QVERIFY(store.exists("anna"));
        QCOMPARE(store.account("anna").balance, Cents(1250));
        QVERIFY(store.checkPassword("anna", "e5e9fa1ba31ecd1ae84f75caaa474f3a663f05f4"));
        QVERIFY(!store.addUsers(dir.filePath("broken.json"), &error));
        QVERIFY(error.contains("JSON array"));
    }

    void tableFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("tables");
        QTest::addColumn<bool>("error");
        QTest::newRow("two tables")
            << QByteArray(R"([{"id": "a", "smallBlind": 1, "bigBlind": 2, "buyinMin": 40, "buyinMax": 200},
                              {"id": "b", "type": 4098, "limit": 2, "seats": 12}])")
            << 2 << false;
        QTest::newRow("not an array") << QByteArray(R"({"id": "a"})") << -1 << true;
        QTest::newRow("no id") << QByteArray(R"([{"name": "x"}])") << -1 << true;
        QTest::newRow("buy-in upside down")
            << QByteArray(R"([{"id": "a", "buyinMin": 50, "buyinMax": 10}])") << -1 << true;
        QTest::newRow("empty") << QByteArray("[]") << -1 << true;
        QTest::newRow("negative blind")
            << QByteArray(R"([{"id": "a", "smallBlind": -1, "bigBlind": 2}])") << -1 << true;
        QTest::newRow("nothing to play for")
            << QByteArray(R"([{"id": "a", "smallBlind": 0, "bigBlind": 0, "ante": 0}])") << -1 << true;
        QTest::newRow("unknown limit") << QByteArray(R"([{"id": "a", "limit": 0}])") << -1 << true;
        QTest::newRow("zero buy-in") << QByteArray(R"([{"id": "a", "buyinMin": 0}])") << -1 << true;
        QTest::newRow("ante only") << QByteArray(R"([{"id": "a", "smallBlind": 0, "bigBlind": 0, "ante": 1},
                                                     {"id": "b", "limit": 2, "seats": 12, "bigBlind": 2}])")
                                   << 2 << false;
        QTest::newRow("sit and go") << QByteArray(R"([{"id": "s", "type": 8193, "seats": 3, "buyinMin": 10,
                                                       "buyinMax": 10, "fee": 1, "payouts": [65, 35]}])")
                                    << 1 << false;
        QTest::newRow("prizes above the pool")
            << QByteArray(R"([{"id": "s", "type": 8193, "payouts": [70, 40]}])") << -1 << true;
        QTest::newRow("more prizes than seats")
            << QByteArray(R"([{"id": "s", "type": 8193, "seats": 2, "payouts": [50, 30, 20]}])") << -1
            << true;
        QTest::newRow("negative fee")
            << QByteArray(R"([{"id": "s", "type": 8193, "fee": -1}])") << -1 << true;
        QTest::newRow("no starting chips")
            << QByteArray(R"([{"id": "s", "type": 8193, "startStack": 0}])") << -1 << true;
        QTest::newRow("tournament blinds with cents")
            << QByteArray(R"([{"id": "s", "type": 8193, "smallBlind": 0.5, "bigBlind": 1}])") << -1 << true;
        QTest::newRow("tournament chips with cents")
            << QByteArray(R"([{"id": "s", "type": 8193, "startStack": 1500.5}])") << -1 << true;
    }

    void tableFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, tables);
        QFETCH(bool, error);
        QTemporaryDir dir;
        writeFile(dir.filePath("tables.json"), text);
        QString message;
        const QList<TableConfig> loaded = TableConfig::load(dir.filePath("tables.json"), &message);
        // -1: the defaults stand in for a file that cannot be used.
        QCOMPARE(loaded.size(), tables < 0 ? TableConfig::defaults().size() : tables);
        QCOMPARE(!message.isEmpty(), error);
        if (!error && QTest::currentDataTag() == QLatin1String("two tables")) {
            QCOMPARE(loaded.at(0).bigBlind, Cents(200));
            QCOMPARE(loaded.at(1).seats, 10); // at most ten seats
            QCOMPARE(loaded.at(1).limit, 2);
        }
    }

    void defaultTables()
    {
        const QList<TableConfig> tables = TableConfig::defaults();
        QCOMPARE(tables.size(), 10);
        QCOMPARE(tables.at(0).type, 0x1001);
        QCOMPARE(tables.at(1).type, 0x1002);
        QCOMPARE(tables.at(1).limit, 2);
        QCOMPARE(tables.at(2).seats, 10);
        QCOMPARE(tables.at(3).type, 0x5001);
        QCOMPARE(tables.at(4).bigBlind, Cents(0));
        QCOMPARE(tables.at(4).ante, Cents(100));
        // Every kind the lobby shows: both games in both limits, one full table and one empty.
        QSet<int> kinds;
        int full = 0;
        int empty = 0;
        int sitAndGos = 0;
        for (const TableConfig& t : tables) {
            QVERIFY2(t.problem().isEmpty(), qPrintable(t.id));
            if (t.isSitAndGo()) {
                // One seat left for a person; the buy-in is one amount.
                ++sitAndGos;
                QCOMPARE(t.botCount(), t.seats - 1);
                QCOMPARE(t.buyinMin, t.buyinMax);
                continue;
            }
            kinds.insert((t.type & 0x3) * 10 + t.limit);
            if (t.botCount() == t.seats)
                ++full;
            else if (t.botCount() == 0)
                ++empty;
            else
                QVERIFY(t.botCount() <= t.seats - 2); // room for people
        }
        QCOMPARE(kinds, (QSet<int>{11, 12, 21, 22}));
        QCOMPARE(full, 1);
        QCOMPARE(empty, 1);
        QCOMPARE(sitAndGos, 1);
    }

    void handRecord()
    {
        HandRecord record;
        record.setHeader({{"event", "gameParameters"}, {"currency", "EUR"}, {"seats", 6}},
                         {{{"userName", "anna"}, {"position", 1}, {"userStack", 20.0}}});
        record.add({{{"event", "gameEvent"}, {"handStatus", 200}}, -1, -1});
        record.add(
            {{{"event", "gameEvent"}, {"dealHole", QByteArray("\x01\x34", 2)}, {"position", 1}}, 0, -1});
        record.add({{{"event", "gameEvent"}, {"dealHole", QByteArray(2, '\0')}, {"position", 1}}, -1, 0});
        record.add({{{"event", "gameEvent"}, {"actionCheck", true}, {"position", 1}}, -1, -1});
        record.add({{{"event", "gameEvent"}, {"dealCommunity", QByteArray("\x0a\x0b\x0c", 3)}}, -1, -1});

        const QString own = record.text(0);
        const QString other = record.text(3);
        QVERIFY(own.startsWith(R"({"currency":"EUR","event":"gameParameters","seats":6}{"position":1,)"));
        // One card per event, two hex digits each; backs for everybody else.
        QVERIFY(own.contains(R"("dealHole":"01")") && own.contains(R"("dealHole":"34")"));
        QVERIFY(!own.contains(R"("dealHole":"00")"));
        QCOMPARE(other.count(R"("dealHole":"00")"), 2);
        QVERIFY(!other.contains(R"("dealHole":"34")"));
        QVERIFY(own.contains(R"("dealCommunity":"0a0b0c")"));
        // Hole cards print at the first request to act, after the deal.
        QVERIFY(own.indexOf(R"({"event":"gameRequest"})") > own.lastIndexOf("dealHole"));
        QVERIFY(own.indexOf(R"({"event":"gameRequest"})") < own.indexOf("actionCheck"));
        // The objects meet as "}{" and each one parses.
        for (const QString& part : own.split("}{")) {
            QString object = part;
            if (!object.startsWith('{'))
                object.prepend('{');
            if (!object.endsWith('}'))
                object.append('}');
            QVERIFY2(QJsonDocument::fromJson(object.toUtf8()).isObject(), qPrintable(object));
        }
    }
};

QTEST_GUILESS_MAIN(TestServerState)
#include "tst_serverstate.moc"
