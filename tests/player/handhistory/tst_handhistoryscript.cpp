// Hand records read by the hand-history script through the real host: which
// lines appear, in which order, with which numbers, and what a hostile or
// broken record does.
#include "handhistoryrenderer.h"
#include "handrecords.h"
#include "scratchfiles.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using VeskGames::HandHistoryRenderer;

namespace {

QString eventText(const QVariantMap& e)
{
    return recordOf({e});
}

QString seat(const char* member, const QVariant& value, int position)
{
    return eventText({{member, value}, {"position", position}});
}

QString status(int value)
{
    return eventText({{"handStatus", value}});
}

QString community(const QString& cards)
{
    return eventText({{"dealCommunity", hexOf(cards)}});
}

QString betting(double pot, double rake)
{
    return eventText({{"bettingDone", QVariantList{QVariantMap{{"value", pot}, {"rake", rake}}}}});
}

QString award(int position, double amount)
{
    return eventText({{"potGive", QVariantList{QVariantMap{{"position", position}, {"amount", amount}}}}});
}

const QString request = QStringLiteral("{\"event\":\"gameRequest\"}");

/// A Hold'em cash game at 0.50/1 with alice, bob and carol in seats 1 to 3.
QString cashGame(int type = 0x1001)
{
    return recordOf(handOpening(type, 0.5, 1));
}

HandHistoryRenderer::Result render(const QStringList& records, bool serviceFee = false)
{
    HandHistoryRenderer renderer;
    renderer.setDisplayServiceFee(serviceFee);
    return renderer.render(records);
}

} // namespace

class TestHandHistoryScript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeHand()
    {
        const QString record =
            cashGame(0x1) + eventText({{"handId", 77}}) + seat("setDealer", true, 1) +
            seat("postSmall", 0.5, 2) + seat("postBig", 1, 3) + status(200) +
            seat("dealHole", hexOf("As"), 1) + seat("dealHole", hexOf("Kd"), 1) + seat("dealHole", "00", 2) +
            seat("dealHole", "00", 2) + request + seat("actionRaise", 3, 1) + request +
            seat("actionFold", true, 2) + seat("actionCall", 2, 3) + status(102) + community("Ah 7c 2d") +
            seat("actionCheck", true, 3) + seat("actionBet", 4, 1) + seat("actionCall", 4, 3) + status(103) +
            community("9s") + seat("actionCheck", true, 3) + seat("actionCheck", true, 1) + status(104) +
            community("Kc") + status(300) + seat("actionShow", hexOf("As Kd"), 1) +
            seat("actionMuck", true, 3) + betting(14.5, 0.5) + award(1, 14) + status(500);
        const auto result = render({record});
        QCOMPARE(result.error, QString());
        QCOMPARE(result.hands.size(), 1);
        const QString start =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC).toLocalTime(),
                               QStringLiteral("yyyy-MMM-dd HH:mm:ss"));
        const QStringList expected{"VeskPoker Game #77, 0.50/1, Texas Hold'em NL",
                                   start,
                                   "Table 6-max Seat #1 is the dealer",
                                   "Seat 1: alice (100 in chips)",
                                   "Seat 2: bob (100 in chips)",
                                   "Seat 3: carol (100 in chips)",
                                   "bob: posts small blind 0.50",
                                   "carol: posts big blind 1",
                                   "*** HOLE CARDS ***",
                                   "Dealt to alice [As Kd]",
                                   "Dealt to bob [** **]",
                                   "alice: raises 2 to 3",
                                   "bob: folds",
                                   "carol: calls 2",
                                   "*** FLOP *** [Ah 7c 2d]",
                                   "carol: checks",
                                   "alice: bets 4",
                                   "carol: calls 4",
                                   "*** TURN *** [Ah 7c 2d] [9s]",
                                   "carol: checks",
                                   "alice: checks",
                                   "*** RIVER *** [Ah 7c 2d 9s] [Kc]",
                                   "*** SHOW DOWN ***",
                                   "alice: shows [As Kd]",
                                   "carol: mucks",
                                   "alice wins 14 with two pairs, aces over kings",
                                   "*** SUMMARY ***",
                                   "Total pot 14.50 | Rake 0.50",
                                   "Board  [Ah 7c 2d 9s Kc]"};
        QCOMPARE(result.hands.first(), expected);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("raise measured against the last bet")
            << cashGame() + status(101) + seat("actionBet", 10, 1) + seat("actionRaise", 20, 2) +
                   seat("actionRaise", 30, 1)
            << QStringList{"alice: bets 10", "bob: raises 10 to 20", "alice: raises 20 to 40"};
        QTest::newRow("a new round starts the bets again")
            << cashGame() + seat("postBig", 1, 2) + status(102) + seat("actionBet", 5, 1) +
                   seat("actionRaise", 10, 2)
            << QStringList{"bob: posts big blind 1", "alice: bets 5", "bob: raises 5 to 10"};
        QTest::newRow("all-in opening the betting") << cashGame() + status(102) + seat("actionAllIn", 100, 1)
                                                    << QStringList{"alice: bets 100 and is all-in"};
        QTest::newRow("all-in above the last bet")
            << cashGame() + seat("postSmall", 1, 1) + seat("postBig", 2, 2) + seat("actionAllIn", 50, 1)
            << QStringList{"alice: posts small blind 1", "bob: posts big blind 2",
                           "alice: raises 49 to 51 and is all-in"};
        QTest::newRow("all-in facing a bet raises it, and later lines count from it")
            << cashGame() + status(102) + seat("actionBet", 10, 1) + seat("actionAllIn", 30, 2) +
                   seat("actionCall", 30, 3) + seat("actionRaise", 40, 1)
            << QStringList{"alice: bets 10", "bob: raises 20 to 30 and is all-in", "carol: calls 30",
                           "alice: raises 20 to 50"};
        QTest::newRow("an ante is not part of the bet")
            << recordOf(handOpening(0x1001, 0, 0, 1)) + seat("postAnte", 1, 1) + seat("postAnte", 1, 2) +
                   status(200) + seat("actionBet", 5, 1) + seat("actionRaise", 15, 2)
            << QStringList{"alice: posts ante 1", "bob: posts ante 1", "*** HOLE CARDS ***", "alice: bets 5",
                           "bob: raises 10 to 15"};
        QTest::newRow("all-in short of the last bet")
            << cashGame() + seat("postSmall", 1, 2) + seat("actionBet", 50, 1) + seat("actionAllIn", 20, 2)
            << QStringList{"bob: posts small blind 1", "alice: bets 50", "bob: calls 20 and is all-in"};
        QTest::newRow("an ante")
            << recordOf(handOpening(0x12001, 0, 0, 10)) + eventText({{"handId", 7}}) + seat("postAnte", 10, 2)
            << QStringList{
                   "VeskPoker Game #7, ante: 10, Sit & Go Texas Hold'em Freeroll NL",
                   QLocale().toString(QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC).toLocalTime(),
                                      QStringLiteral("yyyy-MMM-dd HH:mm:ss")),
                   "bob: posts ante 10"};
        QTest::newRow("hole cards printed once, at the first request")
            << cashGame() + seat("dealHole", hexOf("2c"), 1) + seat("dealHole", hexOf("3c"), 1) +
                   seat("dealHole", hexOf("4d"), 3) + seat("dealHole", hexOf("5d"), 3) + request + request
            << QStringList{"Dealt to alice [2c 3c]", "Dealt to carol [4d 5d]"};
        QTest::newRow("face-down and unknown cards")
            << cashGame() + seat("dealHole", "00", 1) + seat("dealHole", "ff", 1) + request
            << QStringList{"Dealt to alice [** Uh]"};
        QTest::newRow("everybody folds before the flop")
            << cashGame() + seat("actionFold", true, 1) + seat("actionFold", true, 2) + betting(1.5, 0) +
                   award(3, 1.5) + status(500)
            << QStringList{"alice: folds",
                           "bob: folds",
                           "carol wins 1.50",
                           "*** SUMMARY ***",
                           "Total pot 1.50 | Rake 0",
                           ""};
        QTest::newRow("uncalled bet") << cashGame() + seat("potReturnUncalled", 5, 1)
                                      << QStringList{"Uncalled bet (5) returned to alice"};
        QTest::newRow("instant deal writes the currency")
            << cashGame(0x5001) + seat("actionBet", 2.5, 1) << QStringList{"alice: bets €2.50"};
        QTest::newRow("Hold'em winner named by the board alone")
            << cashGame() + community("Ts Js Qs") + community("Ks") + community("As") + award(2, 10)
            << QStringList{"*** FLOP *** [Ts Js Qs]", "*** TURN *** [Ts Js Qs] [Ks]",
                           "*** RIVER *** [Ts Js Qs Ks] [As]", "bob wins 10 with a royal straight flush"};
        QTest::newRow("no hand name without a full board or shown cards")
            << cashGame() + community("Ts Js Qs") + award(2, 10)
            << QStringList{"*** FLOP *** [Ts Js Qs]", "bob wins 10"};
        QTest::newRow("Omaha winner who did not show")
            << cashGame(0x1002) + community("Ts Js Qs") + community("Ks") + community("As") + award(2, 10)
            << QStringList{"*** FLOP *** [Ts Js Qs]", "*** TURN *** [Ts Js Qs] [Ks]",
                           "*** RIVER *** [Ts Js Qs Ks] [As]", "bob wins 10"};
        QTest::newRow("Omaha winner uses two hole cards: the wheel")
            << cashGame(0x1002) + community("2c 3d 4h") + community("9s") + community("Kc") +
                   seat("actionShow", hexOf("Ah 5s 7d 8d"), 2) + award(2, 10)
            << QStringList{"*** FLOP *** [2c 3d 4h]", "*** TURN *** [2c 3d 4h] [9s]",
                           "*** RIVER *** [2c 3d 4h 9s] [Kc]", "bob: shows [Ah 5s 7d 8d]",
                           "bob wins 10 with a straight, five high"};
        QTest::newRow("split pot")
            << cashGame() +
                   eventText({{"potGive", QVariantList{QVariantMap{{"position", 1}, {"amount", 5}},
                                                       QVariantMap{{"position", 3}, {"amount", 5}}}}})
            << QStringList{"alice wins 5", "carol wins 5"};
        QTest::newRow("busted places")
            << cashGame(0x2001) + eventText({{"tourBusted", 1}, {"tourPrice", 50}, {"position", 1}}) +
                   eventText({{"tourBusted", 10}, {"tourPrice", 0}, {"position", 2}}) +
                   eventText({{"tourBusted", 12}, {"tourPrice", 0}, {"position", 3}})
            << QStringList{"alice: finished 1st and won 50", "bob: finished 10th", "carol: finished 12"};
        QTest::newRow("tournament status and sitting out make no line")
            << cashGame() + eventText({{"tourStatus", 3}}) + seat("userStatusChange", 1, 2) << QStringList{};
        QTest::newRow("an event nobody knows")
            << cashGame() + "{\"somethingNew\":1}" << QStringList{"unknown event {\"somethingNew\":1}"};
        QTest::newRow("a zero value falls through")
            << cashGame() + status(0) << QStringList{"unknown event {\"handStatus\":0}"};
        QTest::newRow("display names") << cashGame() +
                                              eventText({{"userName", "dave"},
                                                         {"userDisplayName", "Dave D."},
                                                         {"position", 4},
                                                         {"userStack", 5}}) +
                                              seat("actionFold", true, 4)
                                       << QStringList{"Dave D.: folds"};
        QTest::newRow("braces and quotes inside a name")
            << cashGame() + eventText({{"userName", "a}{\"b"}, {"position", 4}, {"userStack", 5}}) +
                   seat("actionFold", true, 4)
            << QStringList{"a}{\"b: folds"};
        QTest::newRow("object literals without quoted keys")
            << cashGame() +
                   "{userName: 'eve', position: 5, userStack: 1e2}{ actionCheck : true , position : 5 }"
            << QStringList{"eve: checks"};
        QTest::newRow("a key called __proto__ is just a key")
            << cashGame() + "{\"__proto__\":{\"actionCheck\":true},\"position\":1}"
            << QStringList{"unknown event {\"__proto__\":{\"actionCheck\":true},\"position\":1}"};
    }

    void rules()
    {
        QFETCH(QString, record);
        QFETCH(QStringList, lines);
        const auto result = render({record});
        QCOMPARE(result.error, QString());
        QCOMPARE(result.hands.size(), 1);
        QCOMPARE(result.hands.first(), lines);
    }

    void potSummary_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("showFee");
        QTest::addColumn<QString>("line");

        QTest::newRow("cash game shows the rake") << 0x1001 << false << "Total pot 12.50 | Rake 0.50";
        QTest::newRow("service fee shown") << 0x9001 << true << "Total pot 12.50 | Fee 0.50";
        QTest::newRow("service fee hidden") << 0x9001 << false << "Total pot 12.50";
        QTest::newRow("freeroll never shows a fee") << 0x18001 << true << "Total pot 12.50";
        QTest::newRow("Sit & Go without either bit") << 0x2001 << true << "Total pot 12.50 | Rake 0.50";
    }

    void potSummary()
    {
        QFETCH(int, type);
        QFETCH(bool, showFee);
        QFETCH(QString, line);
        const auto result =
            render({cashGame(type) + betting(10, 0.25) + betting(12.5, 0.5) + status(500)}, showFee);
        QCOMPARE(result.error, QString());
        QCOMPARE(result.hands.first().value(1), line);
    }

    void severalHands()
    {
        const QString fold = cashGame() + seat("actionFold", true, 1);
        const auto result = render({fold, cashGame() + seat("actionCheck", true, 2), fold});
        QCOMPARE(result.error, QString());
        QCOMPARE(result.hands, (QList<QStringList>{{"alice: folds"}, {"bob: checks"}, {"alice: folds"}}));
    }

    void badRecords_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("error");

        QTest::newRow("cut off") << cashGame() + "{\"handId\":"
                                 << "could not be read";
        QTest::newRow("text between events") << cashGame() + "junk" + status(200) << "could not be read";
        QTest::newRow("code instead of a value")
            << cashGame() + "{\"userName\":(function(){while(true){}})(),\"position\":4}"
            << "could not be read";
        QTest::newRow("an assignment") << cashGame() + "{\"handId\":globalThis.parseHandhistory=0}"
                                       << "could not be read";
        QTest::newRow("a seat without a player")
            << cashGame() + seat("actionFold", true, 5) << "could not be read";
        QTest::newRow("a seat off the table")
            << cashGame() + eventText({{"userName", "x"}, {"position", 40}, {"userStack", 1}})
            << "could not be read";
        QTest::newRow("not an object") << "[1,2]"
                                       << "could not be read";
        QTest::newRow("open nesting") << cashGame() + "{\"x\":" + QString(100000, '[') << "could not be read";
        QTest::newRow("deep nesting")
            << cashGame() + "{\"x\":" + QString(50000, '[') + QString(50000, ']') + "}"
            << "could not be read";
        QTest::newRow("deep object literal")
            << cashGame() + "{x:" + QString("{a:").repeated(5000) + "1" + QString(5000, '}') + "}"
            << "could not be read";
        QTest::newRow("ten mebibytes") << "{\"x\":\"" + QString(10 << 20, 'a') + "\"}"
                                       << "too long";
    }

    void badRecords()
    {
        // The hands before a bad one stay, the ones after it are not read.
        QFETCH(QString, record);
        QFETCH(QString, error);
        const QString good = cashGame() + seat("actionFold", true, 1);
        QElapsedTimer clock;
        clock.start();
        const auto result = render({good, record, good});
        QVERIFY2(clock.elapsed() < 10000, "a bad record must not hold the program up");
        QCOMPARE(result.hands, (QList<QStringList>{{"alice: folds"}}));
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }

    void nestingWithinBounds()
    {
        const auto result = render({cashGame() + "{\"x\":[[[[{\"y\":[1,{\"z\":2}]}]]]]}"});
        QCOMPARE(result.error, QString());
        QCOMPARE(result.hands.first().size(), 1);
        QVERIFY(result.hands.first().first().startsWith("unknown event "));
    }

    void scriptFailures_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("error");

        QTest::newRow("endless loop in a hand")
            << QByteArray("function parseHandhistory(r) { for (;;) {} }") << "took too long";
        QTest::newRow("endless loop while loading") << QByteArray("for (;;) {}") << "script failed";
        QTest::newRow("syntax error") << QByteArray("function (") << "script failed";
        QTest::newRow("no parser") << QByteArray("var x = 1;") << "no parser";
        QTest::newRow("parser returns no list")
            << QByteArray("function parseHandhistory(r) { return 5; }") << "could not be read";
    }

    void scriptFailures()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, error);
        QTemporaryDir dir;
        writeFile(dir.filePath("parser.js"), script);
        HandHistoryRenderer renderer;
        renderer.setScriptPath(dir.filePath("parser.js"));
        renderer.setTimeLimit(300);
        QElapsedTimer clock;
        clock.start();
        const auto result = renderer.render({cashGame()});
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(result.hands.isEmpty());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }

    void missingScript()
    {
        HandHistoryRenderer renderer;
        renderer.setScriptPath("/nonexistent/parser.js");
        const auto result = renderer.render({cashGame()});
        QVERIFY(result.hands.isEmpty());
        QVERIFY(!result.error.isEmpty());
    }

    void freshEngineEachRendering()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("parser.js"),
                  "var n = 0; function parseHandhistory(r) { return [String(++n)]; }");
        HandHistoryRenderer renderer;
        renderer.setScriptPath(dir.filePath("parser.js"));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(renderer.render({"a", "b"}).hands, (QList<QStringList>{{"1"}, {"2"}}));
    }

    void inGerman()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/player_de_DE.qm")));
        QCoreApplication::installTranslator(&german);
        const auto result = render({cashGame() + status(200) + seat("actionFold", true, 2)});
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(result.hands.value(0), (QStringList{"*** HANDKARTEN ***", "bob: passt"}));
    }
};

QTEST_GUILESS_MAIN(TestHandHistoryScript)
#include "tst_handhistoryscript.moc"
