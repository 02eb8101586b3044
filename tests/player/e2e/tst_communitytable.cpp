// The onlookers' table against the real server: after every batch of events
// the table shows what the server holds, hand after hand.
#include "pokerdprocess.h"
#include "tablefeedlines.h"

#include "card.h"
#include "tablestatefeed.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using TableFeed::distinctHands;
using TableFeed::readLines;
using VeskGames::Card;
using VeskGames::TableStateFeed;

namespace {

qint64 cents(double amount)
{
    return qint64(std::llround(amount * 100));
}

QString cardText(int code)
{
    return TableStateFeed::cardText(Card::fromEncodedChar(char(code)));
}

/// What differs between the table on screen and the server's table.
QStringList differences(const QJsonObject& shown, const QJsonObject& server)
{
    QStringList problems;
    const auto differ = [&](const QString& what, const QJsonValue& a, const QJsonValue& b) {
        problems.append(
            QStringLiteral("%1: shown %2, server %3")
                .arg(what, QString::fromUtf8(QJsonDocument(QJsonArray{a}).toJson(QJsonDocument::Compact)),
                     QString::fromUtf8(QJsonDocument(QJsonArray{b}).toJson(QJsonDocument::Compact))));
    };
    const bool handKnown = !server.value("handId").isNull();
    if (handKnown && shown.value("handId") != server.value("handId"))
        differ("hand", shown.value("handId"), server.value("handId"));
    if (handKnown && shown.value("dealer") != server.value("dealer"))
        differ("dealer", shown.value("dealer"), server.value("dealer"));

    QJsonArray board;
    for (const QJsonValue& card : server.value("board").toArray())
        board.append(cardText(card.toInt()));
    if (shown.value("board").toArray() != board)
        differ("board", shown.value("board"), board);

    // The table shows the main pot and all side pots together.
    const QJsonArray serverPots = server.value("pots").toArray();
    QList<qint64> expected;
    if (!serverPots.isEmpty()) {
        qint64 side = 0;
        for (int i = 1; i < serverPots.size(); ++i)
            side += cents(serverPots.at(i).toDouble());
        expected.append(cents(serverPots.at(0).toDouble()));
        if (side > 0)
            expected.append(side);
        if (expected == QList<qint64>{0})
            expected.clear();
    }
    QList<qint64> pots;
    for (const QJsonValue& pot : shown.value("pots").toArray())
        pots.append(cents(pot.toDouble()));
    if (pots != expected)
        differ("pots", shown.value("pots"), serverPots);

    QMap<int, QJsonObject> shownSeats;
    QMap<int, QJsonObject> serverSeats;
    for (const QJsonValue& seat : shown.value("seats").toArray())
        shownSeats.insert(seat.toObject().value("seat").toInt(), seat.toObject());
    for (const QJsonValue& seat : server.value("seats").toArray())
        serverSeats.insert(seat.toObject().value("seat").toInt(), seat.toObject());
    if (shownSeats.keys() != serverSeats.keys())
        problems.append(QStringLiteral("seats: shown %1, server %2")
                            .arg(QVariant::fromValue(shownSeats.keys()).toStringList().join(','),
                                 QVariant::fromValue(serverSeats.keys()).toStringList().join(',')));
    qint64 shownChips = 0;
    qint64 serverChips = 0;
    for (auto it = serverSeats.cbegin(); it != serverSeats.cend(); ++it) {
        const QJsonObject theirs = it.value();
        serverChips += cents(theirs.value("stack").toDouble()) + cents(theirs.value("bet").toDouble());
        if (!shownSeats.contains(it.key()))
            continue;
        const QJsonObject ours = shownSeats.value(it.key());
        shownChips += cents(ours.value("stack").toDouble()) + cents(ours.value("bet").toDouble());
        const QString seat = QStringLiteral("seat %1 ").arg(it.key());
        if (ours.value("name") != theirs.value("name"))
            differ(seat + "name", ours.value("name"), theirs.value("name"));
        for (const char* amount : {"stack", "bet"}) {
            if (cents(ours.value(amount).toDouble()) != cents(theirs.value(amount).toDouble()))
                differ(seat + amount, ours.value(amount), theirs.value(amount));
        }
        if (!theirs.value("inHand").toBool())
            continue;
        if (ours.value("folded") != theirs.value("folded"))
            differ(seat + "folded", ours.value("folded"), theirs.value("folded"));
        const QJsonArray ourCards = ours.value("cards").toArray();
        const QJsonArray theirCards = theirs.value("cards").toArray();
        if (!theirs.value("folded").toBool() && ourCards.size() != theirCards.size())
            differ(seat + "cards", ourCards, theirCards);
        // A card the table shows face up is the seat's real card.
        for (int i = 0; i < ourCards.size() && i < theirCards.size(); ++i) {
            const QString face = ourCards.at(i).toString();
            if (face != QLatin1String("??") && face != cardText(theirCards.at(i).toInt()))
                differ(seat + "card", face, cardText(theirCards.at(i).toInt()));
        }
    }
    for (const QJsonValue& pot : serverPots)
        serverChips += cents(pot.toDouble());
    for (qint64 pot : pots)
        shownChips += pot;
    if (shownChips != serverChips)
        problems.append(
            QStringLiteral("chips on the table: shown %1, server %2").arg(shownChips).arg(serverChips));
    return problems;
}

} // namespace

class TestCommunityTable : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QProcessEnvironment environment(const QString& feed) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VESK_TABLE_STATE", feed);
        // A home of its own: no other program instance stands in the way.
        env.insert("HOME", m_dir.filePath("home"));
        env.insert("XDG_CONFIG_HOME", m_dir.filePath("home/config"));
        env.insert("XDG_CACHE_HOME", m_dir.filePath("home/cache"));
        env.insert("TMPDIR", m_dir.filePath("home/tmp"));
        return env;
    }

    void startPlayer(QProcess& player, quint16 port, const QString& feed)
    {
        QDir().mkpath(m_dir.filePath("home/tmp"));
        player.setProcessEnvironment(environment(feed));
        player.setWorkingDirectory(m_dir.path());
        player.start(QStringLiteral(PLAYER_PATH),
                     {"-community", "-host", "127.0.0.1", "-port", QString::number(port)});
        QVERIFY(player.waitForStarted(10000));
    }

private Q_SLOTS:
    void twentyHandsAsTheServerHasThem()
    {
        const QString serverLog = m_dir.filePath("server.jsonl");
        const QString feed = m_dir.filePath("feed.jsonl");
        PokerdProcess server;
        // Bots quick enough for twenty hands, slow enough to be seen mid-hand.
        QVERIFY(server.start(m_dir.filePath("data"),
                             {"--bot-delay", "40", "--hand-delay", "120", "--state-log", serverLog}));
        QProcess player;
        startPlayer(player, server.port(), feed);
        QTRY_VERIFY_WITH_TIMEOUT(
            distinctHands(readLines(feed)) >= 21 || player.state() == QProcess::NotRunning, 180000);
        QCOMPARE(player.state(), QProcess::Running);
        player.terminate();
        QVERIFY(player.waitForFinished(10000));

        QMap<int, QJsonObject> serverBatches;
        for (const QJsonObject& line : readLines(serverLog))
            serverBatches.insert(line.value("batch").toInt(), line);
        const QList<QJsonObject> shown = readLines(feed);
        int midHand = 0;
        QStringList report;
        for (const QJsonObject& line : shown) {
            const int batch = line.value("batch").toInt();
            QVERIFY2(serverBatches.contains(batch),
                     qPrintable(QStringLiteral("no server batch %1").arg(batch)));
            const QJsonObject theirs = serverBatches.value(batch);
            midHand += theirs.value("running").toBool() ? 1 : 0;
            for (const QString& problem : differences(line, theirs))
                report.append(QStringLiteral("batch %1: %2").arg(batch).arg(problem));
        }
        QVERIFY2(report.isEmpty(), qPrintable(report.mid(0, 20).join('\n')));
        // Batches follow each other without a gap.
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(shown.at(i).value("batch").toInt(), i + 1);
        QVERIFY2(midHand >= 5, "the table was hardly ever seen in the middle of a hand");

        const QString errors = QString::fromLocal8Bit(player.readAllStandardError());
        QVERIFY2(!errors.contains(QLatin1String("illegal")), qPrintable(errors));
    }

    void serverGoneEndsTheDisplay()
    {
        // Mid-hand the server dies: the display tells so and ends by itself.
        const QString feed = m_dir.filePath("feed-gone.jsonl");
        PokerdProcess server;
        QVERIFY(server.start(m_dir.filePath("data-gone"), {"--bot-delay", "300", "--hand-delay", "300"}));
        QProcess player;
        startPlayer(player, server.port(), feed);
        QTRY_VERIFY_WITH_TIMEOUT(readLines(feed).size() >= 3, 60000);
        server.kill();
        QVERIFY(player.waitForFinished(30000));
        QCOMPARE(player.exitStatus(), QProcess::NormalExit);
        QCOMPARE(player.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommunityTable)
#include "tst_communitytable.moc"
