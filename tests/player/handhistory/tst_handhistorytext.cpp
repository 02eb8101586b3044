// The hand history's lines as the script asks for them: headers, pots,
// actions, streets, places and the names of the winning hands.
#include "card.h"
#include "handhistorytext.h"
#include "handrecords.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using VeskGames::Card;
using VeskGames::HandHistoryText;

class TestHandHistoryText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("line");

        QTest::newRow("cash game header") << "handId" << QVariantList{123, 0.5, 1, 0, "EUR", 0x1, 1}
                                          << "VeskPoker Game #123, 0.50/1, Texas Hold'em NL";
        QTest::newRow("instant deal shows the currency")
            << "handId" << QVariantList{123, 0.5, 1, 0, "EUR", 0x4001, 1}
            << QString::fromUtf8("VeskPoker Game #123, €0.50/€1, Texas Hold'em NL");
        QTest::newRow("stakes and ante") << "handId" << QVariantList{9, "1", "2", "0.25", "", 0x1002, 2}
                                         << "VeskPoker Game #9, 1/2, ante: 0.25, Omaha PL";
        QTest::newRow("freeroll with only an ante")
            << "handId" << QVariantList{7, 0, 0, 10, "EUR", 0x12001, 1}
            << "VeskPoker Game #7, ante: 10, Sit & Go Texas Hold'em Freeroll NL";
        QTest::newRow("no stakes, no ante") << "handId" << QVariantList{7, 0, 0, 0, "", 0x1, 1} << "";
        QTest::newRow("fee shown") << "handStatusTotalPot" << QVariantList{12.5, 0.5, 0x8001, "", true}
                                   << "Total pot 12.50 | Fee 0.50";
        QTest::newRow("fee not shown")
            << "handStatusTotalPot" << QVariantList{12.5, 0.5, 0x8001, "", false} << "Total pot 12.50";
        QTest::newRow("freeroll: never a fee")
            << "handStatusTotalPot" << QVariantList{12.5, 0.5, 0x10001, "", true} << "Total pot 12.50";
        QTest::newRow("rake") << "handStatusTotalPot" << QVariantList{12.5, 0.5, 0x2001, "", true}
                              << "Total pot 12.50 | Rake 0.50";
        QTest::newRow("dealer") << "setDealerTable" << QVariantList{6, 3}
                                << "Table 6-max Seat #3 is the dealer";
        QTest::newRow("seat") << "setDealerSeat" << QVariantList{2, "anna", "EUR", 98.5, 0x1001}
                              << "Seat 2: anna (98.50 in chips)";
        QTest::newRow("big blind") << "postBig" << QVariantList{"bo", 1, 0x1001, ""}
                                   << "bo: posts big blind 1";
        QTest::newRow("hole cards") << "handStatus" << QVariantList{200} << "*** HOLE CARDS ***";
        QTest::newRow("other status") << "handStatus" << QVariantList{210} << "";
        QTest::newRow("board") << "handStatusBoard" << QVariantList{"Ks 7h 2c"} << "Board  [Ks 7h 2c]";
        QTest::newRow("no board") << "handStatusBoard" << QVariantList{""} << "";
        QTest::newRow("flop") << "dealCommunity" << QVariantList{0, "", "Ks 7h 2c"}
                              << "*** FLOP *** [Ks 7h 2c]";
        QTest::newRow("turn") << "dealCommunity" << QVariantList{1, "Ks 7h 2c", "9d"}
                              << "*** TURN *** [Ks 7h 2c] [9d]";
        QTest::newRow("river") << "dealCommunity" << QVariantList{2, "Ks 7h 2c 9d", "Ac"}
                               << "*** RIVER *** [Ks 7h 2c 9d] [Ac]";
        QTest::newRow("raise") << "actionRaise" << QVariantList{"cy", 4, 6, 0x1001, ""}
                               << "cy: raises 4 to 6";
        QTest::newRow("all-in raise") << "actionAllInRaises" << QVariantList{"cy", 4, 6, 0x1001, ""}
                                      << "cy: raises 4 to 6 and is all-in";
        QTest::newRow("uncalled") << "potReturnUncalled" << QVariantList{3, "dee", 0x1001, ""}
                                  << "Uncalled bet (3) returned to dee";
        QTest::newRow("first place with a prize")
            << "tourBusted" << QVariantList{"ed", 1, 50, 0x2001, ""} << "ed: finished 1st and won 50";
        QTest::newRow("tenth") << "tourBusted" << QVariantList{"ed", 10, 0, 0x2001, ""}
                               << "ed: finished 10th";
        QTest::newRow("twelfth") << "tourBusted" << QVariantList{"ed", 12, 0, 0x2001, ""}
                                 << "ed: finished 12";
        QTest::newRow("unknown key") << "teleport" << QVariantList{"x"} << "";
        QTest::newRow("a value missing") << "actionCall" << QVariantList{"x", 1} << "";
        QTest::newRow("a value undefined") << "actionCheck" << QVariantList{QVariant()} << "";
    }

    void lines()
    {
        QFETCH(QString, key);
        QFETCH(QVariantList, values);
        QFETCH(QString, line);
        QCOMPARE(HandHistoryText::line(key, values), line);
    }

    void inGerman()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/player_de_DE.qm")));
        QCoreApplication::installTranslator(&german);
        QCOMPARE(HandHistoryText::line("actionRaise", {"cy", 4, 6, 0x1001, ""}),
                 QStringLiteral("cy: erhöht um 4 auf 6"));
        QCOMPARE(HandHistoryText::line("potGive",
                                       {"fi", 10, hexOf("2c 5d 9h Jc 3s"), hexOf("Js 9d"), 0, 2, 0x1001, ""}),
                 QStringLiteral("fi gewinnt 10 mit zwei Paare, Buben und Neunen"));
        QCoreApplication::removeTranslator(&german);
    }

    void winners_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("hole");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<QString>("line");

        QTest::newRow("high card") << "2c 5d 9h Jc 3s"
                                   << "Ks 7d" << 0 << "fi wins 10 with high card, king";
        QTest::newRow("one pair") << "2c 5d 9h Jc 3s"
                                  << "Js 7d" << 0 << "fi wins 10 with one pair, jacks";
        QTest::newRow("two pairs") << "2c 5d 9h Jc 3s"
                                   << "Js 9d" << 0 << "fi wins 10 with two pairs, jacks over nines";
        QTest::newRow("three of a kind") << "2c 5d 9h Jc 3s"
                                         << "Js Jd" << 0 << "fi wins 10 with three of a kind, jacks";
        QTest::newRow("the wheel") << "2c 5d 9h 4c 3s"
                                   << "As Kd" << 0 << "fi wins 10 with a straight, five high";
        QTest::newRow("flush") << "2c 5c 9h Jc 3s"
                               << "Kc 7c" << 0 << "fi wins 10 with a flush, king high";
        QTest::newRow("full house") << "2c 2d 9h Jc 3s"
                                    << "9s 9d" << 0 << "fi wins 10 with a full house, nines full of twos";
        QTest::newRow("four of a kind") << "2c 2d 9h Jc 2s"
                                        << "2h 9d" << 0 << "fi wins 10 with four of a kind, twos";
        QTest::newRow("straight flush") << "9h Th Jh 2c 3d"
                                        << "Qh Kh" << 0 << "fi wins 10 with a straight flush, king high";
        QTest::newRow("royal flush") << "Th Jh Qh 2c 3d"
                                     << "Kh Ah" << 0 << "fi wins 10 with a royal straight flush";
        QTest::newRow("Hold'em, board only") << "2c 2d 9h 9c 3s"
                                             << "" << 0 << "fi wins 10 with two pairs, nines over twos";
        QTest::newRow("Hold'em, short board, no cards") << "2c 2d 9h"
                                                        << "" << 0 << "fi wins 10";
        QTest::newRow("Omaha, no cards shown") << "2c 2d 9h 9c 3s"
                                               << "" << 2 << "fi wins 10";
        QTest::newRow("Omaha, two of the hole cards")
            << "2c 2d 9h Jc 3s"
            << "9s 9d Ah Kh" << 2 << "fi wins 10 with a full house, nines full of twos";
    }

    void winners()
    {
        QFETCH(QString, board);
        QFETCH(QString, hole);
        QFETCH(int, minimum);
        QFETCH(QString, line);
        QCOMPARE(
            HandHistoryText::line("potGive", {"fi", 10, hexOf(board), hexOf(hole), minimum, 2, 0x1001, ""}),
            line);
    }
};

QTEST_GUILESS_MAIN(TestHandHistoryText)
#include "tst_handhistorytext.moc"
