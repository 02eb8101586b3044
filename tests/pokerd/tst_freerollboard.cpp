#include "freerollboard.h"

#include <QTest>

using namespace Pokerd;

namespace {

FreerollBoard::Freeroll freeroll(const QString& id, FreerollBoard::Status status, int capacity, int others)
{
    FreerollBoard::Freeroll f;
    f.id = id;
    f.name = id;
    f.status = status;
    f.capacity = capacity;
    f.othersRegistered = others;
    f.start = QDateTime(QDate(2026, 12, 24), QTime(18, 0), Qt::UTC);
    return f;
}

FreerollBoard board()
{
    return FreerollBoard({freeroll("open", FreerollBoard::Registering, 100, 3),
                          freeroll("last-seat", FreerollBoard::Registering, 4, 3),
                          freeroll("running", FreerollBoard::Running, 100, 50),
                          freeroll("finished", FreerollBoard::Finished, 100, 80),
                          freeroll("full", FreerollBoard::Full, 10, 10)});
}

QVariantMap record(const FreerollBoard& board, const QString& user, const QString& id)
{
    for (const QVariant& entry : board.list(user)) {
        if (entry.toMap().value("id").toString() == id)
            return entry.toMap();
    }
    return QVariantMap();
}

} // namespace

class TestFreerollBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registering_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("statusAfter");
        QTest::newRow("open") << "open" << int(FreerollBoard::Done) << int(FreerollBoard::Registering);
        QTest::newRow("last seat fills it")
            << "last-seat" << int(FreerollBoard::Done) << int(FreerollBoard::Full);
        QTest::newRow("running") << "running" << int(FreerollBoard::NotOpen) << int(FreerollBoard::Running);
        QTest::newRow("finished") << "finished" << int(FreerollBoard::NotOpen)
                                  << int(FreerollBoard::Finished);
        QTest::newRow("full") << "full" << int(FreerollBoard::NoRoom) << int(FreerollBoard::Full);
        QTest::newRow("unknown") << "nope" << int(FreerollBoard::NoSuchFreeroll) << -1;
    }

    void registering()
    {
        QFETCH(QString, id);
        QFETCH(int, outcome);
        QFETCH(int, statusAfter);
        FreerollBoard b = board();
        const int before = record(b, "demo1", id).value("players").toInt();
        QCOMPARE(int(b.setRegistered("demo1", id, true)), outcome);
        const QVariantMap after = record(b, "demo1", id);
        if (statusAfter < 0) {
            QVERIFY(after.isEmpty());
            return;
        }
        QCOMPARE(after.value("tourStatus").toInt(), statusAfter);
        const bool done = outcome == FreerollBoard::Done;
        QCOMPARE(after.value("isPlaying").toBool(), done);
        QCOMPARE(after.value("players").toInt(), before + (done ? 1 : 0));
        // Somebody else does not see the registration as theirs.
        QVERIFY(!record(b, "demo2", id).value("isPlaying").toBool());
        if (done) {
            QCOMPARE(int(b.setRegistered("demo1", id, true)), int(FreerollBoard::AlreadyRegistered));
            QCOMPARE(record(b, "demo1", id).value("players").toInt(), before + 1);
        }
    }

    void unregistering()
    {
        FreerollBoard b = board();
        QCOMPARE(int(b.setRegistered("demo1", "open", false)), int(FreerollBoard::NotRegistered));
        QCOMPARE(int(b.setRegistered("demo1", "last-seat", true)), int(FreerollBoard::Done));
        QCOMPARE(int(b.setRegistered("demo2", "last-seat", true)), int(FreerollBoard::NoRoom));
        // Leaving a full freeroll opens it again.
        QCOMPARE(int(b.setRegistered("demo1", "last-seat", false)), int(FreerollBoard::Done));
        const QVariantMap reopened = record(b, "demo1", "last-seat");
        QCOMPARE(reopened.value("tourStatus").toInt(), int(FreerollBoard::Registering));
        QCOMPARE(reopened.value("players").toInt(), 3);
        QVERIFY(!reopened.value("isPlaying").toBool());
        QCOMPARE(int(b.setRegistered("demo2", "last-seat", true)), int(FreerollBoard::Done));
        // Nobody without a name registers.
        QCOMPARE(int(b.setRegistered(QString(), "open", true)), int(FreerollBoard::NoSuchFreeroll));
        QVERIFY(!record(b, QString(), "open").value("isPlaying").toBool());
    }

    void recordsCarryWhatTheLobbyReads()
    {
        const FreerollBoard b = board();
        const QVariantMap open = record(b, "demo1", "open");
        for (const char* key :
             {"id", "type", "currency", "tourStart", "tourStatus", "tourPayoutSum", "players", "isPlaying"})
            QVERIFY2(open.contains(key), key);
        QCOMPARE(open.value("tourStart").toDateTime(), QDateTime(QDate(2026, 12, 24), QTime(18, 0), Qt::UTC));
        QCOMPARE(open.value("type").toInt() & 0x10000, 0x10000);
    }

    void details()
    {
        FreerollBoard b = board();
        QVERIFY(b.details("nope").isEmpty());
        QVERIFY(b.setRegistered("demo1", "open", true) == FreerollBoard::Done);
        const QVariantMap details = b.details("open");
        QCOMPARE(details.value("refreshInterval").toInt(), int(FreerollBoard::DetailsRefreshSeconds));
        const QString text = details.value("gameDetails").toString();
        QVERIFY2(text.contains("Players: 4 of 100"), qPrintable(text));
        QVERIFY2(text.contains("2026-12-24 18:00"), qPrintable(text));
    }

    void theDefaultsCoverEveryState()
    {
        const QList<FreerollBoard::Freeroll> list = FreerollBoard::defaults(QDateTime::currentDateTimeUtc());
        QSet<int> statuses;
        QSet<QString> ids;
        for (const FreerollBoard::Freeroll& f : list) {
            statuses.insert(f.status);
            ids.insert(f.id);
            QVERIFY(f.players() <= f.capacity);
            QCOMPARE(f.status == FreerollBoard::Full, f.players() == f.capacity);
        }
        QCOMPARE(ids.size(), list.size());
        QCOMPARE(statuses, (QSet<int>{FreerollBoard::Registering, FreerollBoard::Running,
                                      FreerollBoard::Finished, FreerollBoard::Full}));
    }
};

QTEST_APPLESS_MAIN(TestFreerollBoard)
#include "tst_freerollboard.moc"
