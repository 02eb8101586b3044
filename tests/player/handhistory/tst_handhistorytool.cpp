// The handhistory command on records of its own and on hands the real server
// played: every hand reads completely and its chips add up.
#include "handhistoryrenderer.h"
#include "handrecordreader.h"
#include "handrecords.h"
#include "pokerdprocess.h"
#include "scratchfiles.h"

#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run handhistory(const QStringList& arguments, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(HANDHISTORY_PATH), arguments);
    if (!process.waitForStarted(10000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString foldHand(const QString& who = "alice")
{
    const QStringList players{"alice", "bob"};
    return recordOf(handOpening(0x1001, 0.5, 1, 0, players)) +
           recordOf({{{"actionFold", true}, {"position", players.indexOf(who) + 1}}});
}

QByteArray array(const QStringList& records)
{
    return QJsonDocument(QJsonArray::fromStringList(records)).toJson();
}

/// The events of a record the server wrote (compact JSON, no braces in names).
QList<QVariantMap> eventsOf(const QString& record)
{
    QList<QVariantMap> events;
    const QJsonDocument document =
        QJsonDocument::fromJson(("[" + QString(record).replace("}{", "},{") + "]").toUtf8());
    for (const QJsonValue& value : document.array())
        events.append(value.toObject().toVariantMap());
    return events;
}

double sumOf(const QVariantList& entries, const char* member)
{
    double sum = 0;
    for (const QVariant& entry : entries)
        sum += entry.toMap().value(member).toDouble();
    return sum;
}

} // namespace

class TestHandHistoryTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void command_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        QTest::newRow("one record on standard input")
            << QStringList{} << foldHand().toUtf8() << 0 << "alice: folds\n"
            << "";
        QTest::newRow("a list, hands apart by a blank line")
            << QStringList{"-"} << array({foldHand(), foldHand("bob")}) << 0 << "alice: folds\n\nbob: folds\n"
            << "";
        QTest::newRow("one record per line")
            << QStringList{}
            << QByteArray(array({foldHand()}).trimmed().mid(1).chopped(1) + "\n\n" +
                          array({foldHand("bob")}).trimmed().mid(1).chopped(1) + "\n")
            << 0 << "alice: folds\n\nbob: folds\n"
            << "";
        QTest::newRow("in German") << QStringList{"--locale", "de_DE"} << foldHand().toUtf8() << 0
                                   << "alice: passt\n"
                                   << "";
        QTest::newRow("the hands before a bad one")
            << QStringList{}
            << array({foldHand(), foldHand() + "{\"actionFold\":true,\"position\":9}", foldHand()}) << 1
            << "alice: folds\n"
            << "Hand 2 could not be read";
        QTest::newRow("not a record") << QStringList{} << QByteArray("hello") << 1 << ""
                                      << "not a hand record";
        QTest::newRow("a list with something else in it")
            << QStringList{} << QByteArray("[\"{}\", 5]") << 1 << ""
            << "entry 2";
        QTest::newRow("a broken list") << QStringList{} << QByteArray("[\"{}\"") << 1 << ""
                                       << "not a list";
        QTest::newRow("nothing at all") << QStringList{} << QByteArray("  \n") << 1 << ""
                                        << "no hand records";
        QTest::newRow("a missing file") << QStringList{"/nonexistent/hands.json"} << QByteArray() << 1 << ""
                                        << "cannot read /nonexistent/hands.json";
        QTest::newRow("a replay of a hand the file does not hold")
            << QStringList{"--replay", "-", "--hand", "3"} << array({foldHand(), foldHand()}) << 1 << ""
            << "holds 2 hand(s), not hand 3";
        QTest::newRow("a replay of no hand at all")
            << QStringList{"--replay", "-"} << QByteArray("hello") << 1 << ""
            << "not a hand record";
        QTest::newRow("a replay of a record that is no hand")
            << QStringList{"--replay", "-"} << QByteArray(R"({"handId":1}{"actionFold":true})") << 1 << ""
            << "does not begin with the game's parameters";
        QTest::newRow("a replay of a hand without a number")
            << QStringList{"--replay", "-", "--hand", "two"} << foldHand().toUtf8() << 2 << ""
            << "--hand needs a number";
        QTest::newRow("a language without a catalogue")
            << QStringList{"--locale", "fi_FI"} << foldHand().toUtf8() << 2 << ""
            << "no translation for fi_FI";
    }

    void command()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = handhistory(arguments, input);
        QCOMPARE(run.out, out);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QCOMPARE(run.exitCode, exitCode);
    }

    void files()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("a.txt"), foldHand().toUtf8());
        writeFile(dir.filePath("b.json"), array({foldHand("bob"), foldHand()}));
        const Run run = handhistory({dir.filePath("a.txt"), dir.filePath("b.json")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("alice: folds\n\nbob: folds\n\nalice: folds\n"));
    }

    void replayShowsTheHandsEnd()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath("end.png");
        const Run run = handhistory({"--replay", "-", "--hand", "2", "--screenshot", picture},
                                    array({foldHand(), foldHand("bob")}));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        // The tool finds the table, the button and the avatars on its own.
        QVERIFY2(!run.err.contains("missing or unreadable"), qPrintable(run.err));
        const QImage image(picture);
        QVERIFY(!image.isNull());
        // The whole table and the controls under it.
        QVERIFY2(image.width() >= 1024 && image.height() > 768,
                 qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
    }

    void serverHands()
    {
        // Each kind of game the server offers, a few hundred hands of each.
        QTemporaryDir dir;
        const QString log = dir.filePath("hands.jsonl");
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"), {"--hand-log", log}));
        constexpr int perKind = 300;
        QMap<QString, QStringList> kinds;
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            QTest::qWait(500);
            QStringList records;
            QString error;
            if (!VeskGames::HandRecordReader::read(readFile(log), &records, &error))
                continue;
            kinds.clear();
            for (const QString& record : std::as_const(records)) {
                const QVariantMap parameters = eventsOf(record.left(record.indexOf("}{") + 1)).value(0);
                kinds[QStringLiteral("type %1 limit %2 ante %3")
                          .arg(parameters.value("type").toInt(), 0, 16)
                          .arg(parameters.value("limit").toInt())
                          .arg(parameters.value("ante").toDouble() > 0)]
                    .append(record);
            }
            bool enough = kinds.size() >= 5;
            for (const QStringList& hands : std::as_const(kinds))
                enough = enough && hands.size() >= perKind;
            if (enough || clock.elapsed() > 240000)
                break;
        }
        server.kill();
        QVERIFY2(kinds.size() >= 5, qPrintable(QStringList(kinds.keys()).join(", ")));

        for (auto kind = kinds.constBegin(); kind != kinds.constEnd(); ++kind) {
            const QStringList records = kind.value().mid(0, perKind);
            QVERIFY2(records.size() == perKind, qPrintable(kind.key()));
            for (const QString& record : records) {
                checkChips(kind.key(), record);
                if (QTest::currentTestFailed())
                    return;
            }

            // The command reads them all, and no event is left unread.
            const Run run = handhistory({}, array(records));
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            QVERIFY2(!run.out.contains("unknown event"), qPrintable(kind.key()));
            QCOMPARE(run.out.count("*** SUMMARY ***"), perKind);
            QCOMPARE(run.out.count("is the dealer"), perKind);

            // The pot summary states the pot the server collected.
            const auto rendered = VeskGames::HandHistoryRenderer().render(records);
            QCOMPARE(rendered.error, QString());
            for (int i = 0; i < records.size(); ++i) {
                const QString summary = rendered.hands.at(i).filter("Total pot ").value(0);
                const QString pot = summary.section(' ', 2, 2).remove(QChar(0x20ac));
                double collected = 0;
                for (const QVariantMap& event : eventsOf(records.at(i))) {
                    if (event.contains("bettingDone"))
                        collected = sumOf(event.value("bettingDone").toList(), "value");
                }
                QVERIFY2(qAbs(pot.toDouble() - collected) < 0.005, qPrintable(summary));
            }
        }
    }

private:
    /// What went in comes out: to the winners, back to the bettor, or to the rake.
    void checkChips(const QString& kind, const QString& record)
    {
        QMap<int, double> stacks;
        QMap<int, double> putIn;
        double returned = 0;
        double pots = 0;
        double rake = 0;
        double given = 0;
        bool handId = false;
        for (const QVariantMap& event : eventsOf(record)) {
            const int seat = event.value("position").toInt();
            if (event.contains("userName") && !event.contains("event"))
                stacks.insert(seat, event.value("userStack").toDouble());
            for (const char* put : {"postAnte", "postSmall", "postBig", "actionCall", "actionBet",
                                    "actionRaise", "actionAllIn"}) {
                if (event.contains(put))
                    putIn[seat] += event.value(put).toDouble();
            }
            if (event.contains("potReturnUncalled")) {
                returned += event.value("potReturnUncalled").toDouble();
                putIn[seat] -= event.value("potReturnUncalled").toDouble();
            }
            // Each round's end lists the pots as they stand: the last one counts.
            if (event.contains("bettingDone")) {
                pots = sumOf(event.value("bettingDone").toList(), "value");
                rake = sumOf(event.value("bettingDone").toList(), "rake");
            }
            given += sumOf(event.value("potGive").toList(), "amount");
            handId = handId || event.contains("handId");
        }
        const QString where = kind + ": " + record.left(300);
        QVERIFY2(handId, qPrintable(where));
        double total = 0;
        for (auto it = putIn.constBegin(); it != putIn.constEnd(); ++it) {
            QVERIFY2(stacks.contains(it.key()), qPrintable(where));
            QVERIFY2(it.value() <= stacks.value(it.key()) + 0.005, qPrintable(where));
            total += it.value();
        }
        QVERIFY2(qAbs(total - pots) < 0.005, qPrintable(where));
        QVERIFY2(qAbs(given + rake - pots) < 0.005, qPrintable(where));
        QVERIFY2(returned >= 0, qPrintable(where));
    }
};

QTEST_GUILESS_MAIN(TestHandHistoryTool)
#include "tst_handhistorytool.moc"
