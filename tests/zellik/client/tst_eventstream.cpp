#include "refreshharness.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

using VeskGames::Card;
using VeskGames::Client;
using VeskGames::GameParameters;

namespace {

QVariantMap gameEvent(QVariantMap members)
{
    members.insert("event", "gameEvent");
    return members;
}

QVariant cardsOf(std::initializer_list<int> bytes)
{
    QVector<Card> cards;
    for (int b : bytes)
        cards.append(Card::fromEncodedChar(char(b)));
    return QVariant::fromValue(cards);
}

} // namespace

class TestEventStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEventReachesItsSignal_data()
    {
        QTest::addColumn<QVariantMap>("event");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QVariantList>("arguments");

        const QByteArray hole("\x01\x34", 2);
        QTest::newRow("postAnte")
            << gameEvent({{"postAnte", 0.5}, {"position", 3}, {"animationMs", 400}, {"timestamp", 7}})
            << QByteArray("postAnte(qint32,qreal,qint32,qint32)") << QVariantList{2, 0.5, 400, 7};
        QTest::newRow("tourBusted")
            << gameEvent({{"tourBusted", 4}, {"position", 2}, {"tourPrice", 12.5}, {"timestamp", 9}})
            << QByteArray("tourBusted(qint32,qint32,qreal,qint32)") << QVariantList{1, 3, 12.5, 9};
        QTest::newRow("tourStatus") << gameEvent({{"tourStatus", 2}, {"timestamp", 1}})
                                    << QByteArray("tourStatus(qint32,qint32)") << QVariantList{2, 1};
        QTest::newRow("userStatusChange")
            << gameEvent({{"userStatusChange", 3}, {"position", 5}})
            << QByteArray("userStatusChange(qint32,qint32)") << QVariantList{4, 3};
        QTest::newRow("handId") << gameEvent({{"handId", 1234}, {"timestamp", 5}})
                                << QByteArray("handId(qint32,qint32)") << QVariantList{1234, 5};
        QTest::newRow("handStatus") << gameEvent({{"handStatus", 210}, {"timestamp", 5}})
                                    << QByteArray("handStatus(qint32,qint32)") << QVariantList{210, 5};
        QTest::newRow("setDealer")
            << gameEvent({{"setDealer", true}, {"position", 1}, {"animationMs", 300}, {"timestamp", 2}})
            << QByteArray("setDealer(qint32,qint32,qint32)") << QVariantList{0, 300, 2};
        QTest::newRow("postSmall wins over postBig")
            << gameEvent({{"postSmall", 0.5},
                          {"postBig", 1.0},
                          {"position", 2},
                          {"animationMs", 100},
                          {"timestamp", 3}})
            << QByteArray("postSmall(qint32,qreal,qint32,qint32)") << QVariantList{1, 0.5, 100, 3};
        QTest::newRow("postBig")
            << gameEvent({{"postBig", 1.0}, {"position", 3}, {"animationMs", 100}, {"timestamp", 3}})
            << QByteArray("postBig(qint32,qreal,qint32,qint32)") << QVariantList{2, 1.0, 100, 3};
        QTest::newRow("dealHole")
            << gameEvent({{"dealHole", hole}, {"position", 2}, {"animationMs", 500}, {"timestamp", 4}})
            << QByteArray("dealHole(qint32,QList<VeskGames::Card>,qint32,qint32)")
            << QVariantList{1, cardsOf({1, 52}), 500, 4};
        QTest::newRow("dealHole from a string")
            << gameEvent({{"dealHole", QStringLiteral("!\"")}, {"position", 1}, {"timestamp", 4}})
            << QByteArray("dealHole(qint32,QList<VeskGames::Card>,qint32,qint32)")
            << QVariantList{0, cardsOf({33, 34}), 0, 4};
        QTest::newRow("dealHole face down")
            << gameEvent({{"dealHole", QByteArray(2, '\0')}, {"position", 4}})
            << QByteArray("dealHole(qint32,QList<VeskGames::Card>,qint32,qint32)")
            << QVariantList{3, cardsOf({0, 0}), 0, 0};
        QTest::newRow("dealHolePublic")
            << gameEvent({{"dealHolePublic", hole}, {"position", 6}, {"animationMs", 50}})
            << QByteArray("dealHolePublic(qint32,QList<VeskGames::Card>,qint32,qint32)")
            << QVariantList{5, cardsOf({1, 52}), 50, 0};
        QTest::newRow("dealCommunity")
            << gameEvent(
                   {{"dealCommunity", QByteArray("\x0a\x0b\x0c")}, {"animationMs", 700}, {"timestamp", 8}})
            << QByteArray("dealCommunity(QList<VeskGames::Card>,qint32,qint32)")
            << QVariantList{cardsOf({10, 11, 12}), 700, 8};
        QTest::newRow("userName") << gameEvent({{"userName", "anna"},
                                                {"position", 7},
                                                {"userAvatarId", 12},
                                                {"userStack", 99.5},
                                                {"userStatus", 1},
                                                {"timestamp", 6},
                                                {"userDisplayName", "Player 7"}})
                                  << QByteArray("userData(qint32,QString,qint32,qreal,qint32,qint32,QString)")
                                  << QVariantList{6, "anna", 12, 99.5, 1, 6, "Player 7"};
        QTest::newRow("bettingDone") << gameEvent({{"bettingDone",
                                                    QVariantList{QVariantMap{{"value", 10.0}, {"rake", 0.5}},
                                                                 "not a struct",
                                                                 QVariantMap{{"value", 4.0}, {"rake", 0.0}}}},
                                                   {"animationMs", 200},
                                                   {"timestamp", 9}})
                                     << QByteArray("bettingDone(QList<qreal>,QList<qreal>,qint32,qint32)")
                                     << QVariantList{QVariant::fromValue(QList<qreal>{10.0, 4.0}),
                                                     QVariant::fromValue(QList<qreal>{0.5, 0.0}), 200, 9};
        QTest::newRow("actionShow") << gameEvent({{"actionShow", hole}, {"position", 2}, {"timestamp", 3}})
                                    << QByteArray("actionShow(qint32,QList<VeskGames::Card>,qint32)")
                                    << QVariantList{1, cardsOf({1, 52}), 3};
        QTest::newRow("actionMuck") << gameEvent({{"actionMuck", true}, {"position", 2}, {"timestamp", 3}})
                                    << QByteArray("actionMuck(qint32,qint32)") << QVariantList{1, 3};
        QTest::newRow("potReturnUncalled")
            << gameEvent({{"potReturnUncalled", 3.0}, {"position", 1}, {"animationMs", 90}, {"timestamp", 3}})
            << QByteArray("potReturnUncalled(qint32,qreal,qint32,qint32)") << QVariantList{0, 3.0, 90, 3};
        QTest::newRow("potGive") << gameEvent({{"potGive",
                                                QVariantList{QVariantMap{{"position", 2}, {"amount", 10.0}},
                                                             QVariantMap{{"position", 5}, {"amount", 5.5}}}},
                                               {"animationMs", 800},
                                               {"timestamp", 11}})
                                 << QByteArray("potGive(QList<qint32>,QList<qreal>,qint32,qint32)")
                                 << QVariantList{QVariant::fromValue(QList<qint32>{1, 4}),
                                                 QVariant::fromValue(QList<qreal>{10.0, 5.5}), 800, 11};
        QTest::newRow("actionCheck") << gameEvent({{"actionCheck", true}, {"position", 3}, {"timestamp", 1}})
                                     << QByteArray("actionCheck(qint32,qint32)") << QVariantList{2, 1};
        QTest::newRow("actionFold") << gameEvent({{"actionFold", true}, {"position", 3}, {"timestamp", 1}})
                                    << QByteArray("actionFold(qint32,qint32)") << QVariantList{2, 1};
        QTest::newRow("actionCall") << gameEvent({{"actionCall", 2.0}, {"position", 3}, {"timestamp", 1}})
                                    << QByteArray("actionCall(qint32,qreal,qint32)")
                                    << QVariantList{2, 2.0, 1};
        QTest::newRow("actionBet") << gameEvent({{"actionBet", 4.0}, {"position", 3}, {"timestamp", 1}})
                                   << QByteArray("actionBet(qint32,qreal,qint32)") << QVariantList{2, 4.0, 1};
        QTest::newRow("actionRaise") << gameEvent({{"actionRaise", 8.0}, {"position", 3}, {"timestamp", 1}})
                                     << QByteArray("actionRaise(qint32,qreal,qint32)")
                                     << QVariantList{2, 8.0, 1};
        QTest::newRow("actionAllIn")
            << gameEvent({{"actionAllIn", 30.0}, {"position", 4}, {"timestamp", 1}, {"isRaise", true}})
            << QByteArray("actionAllIn(qint32,qreal,qint32,bool)") << QVariantList{3, 30.0, 1, true};
        QTest::newRow("freerollBusted") << gameEvent({{"freerollBusted", 3},
                                                      {"amount", 2.5},
                                                      {"currency", "EUR"},
                                                      {"timeout", 10},
                                                      {"timestamp", 4}})
                                        << QByteArray("freerollBusted(qint32,qreal,QString,qint32,qint32)")
                                        << QVariantList{3, 2.5, "EUR", 10, 4};
        QTest::newRow("actionRequest")
            << QVariantMap{{"event", "gameRequest"}, {"action", true},        {"rebuy", true},
                           {"position", 2},          {"timeout", 15},         {"valueMin", 1.0},
                           {"valueMax", 50.0},       {"valuePotLimit", 12.0}, {"value", 2.0},
                           {"isAllIn", false},       {"canRaise", true},      {"timestamp", 77}}
            << QByteArray("actionRequest(qint32,qint32,qreal,qreal,qreal,qreal,bool,bool,qint32)")
            << QVariantList{1, 15, 1.0, 50.0, 12.0, 2.0, false, true, 77};
        QTest::newRow("rebuyRequest")
            << QVariantMap{{"event", "gameRequest"}, {"action", false}, {"rebuy", true},
                           {"position", 3},          {"timeout", 20},   {"timestamp", 5}}
            << QByteArray("rebuyRequest(qint32,qint32,qint32)") << QVariantList{2, 20, 5};
        QTest::newRow("foldAndLeaveRequest")
            << QVariantMap{{"event", "gameRequest"}, {"foldAndLeave", false}, {"position", 9}}
            << QByteArray("foldAndLeaveRequest(qint32)") << QVariantList{8};
        QTest::newRow("authenticate") << QVariantMap{{"event", "authenticate"},
                                                     {"ok", true},
                                                     {"reconnect", false},
                                                     {"formattedUserName", "Anna"},
                                                     {"portalSelectUsername", true}}
                                      << QByteArray("authenticateEvent(bool,bool,QString,bool)")
                                      << QVariantList{true, false, "Anna", true};
        QTest::newRow("userInfo") << QVariantMap{{"event", "userInfo"}, {"firstname", "A"},
                                                 {"lastname", "B"},     {"email", "a@b"},
                                                 {"balance", 1000.0},   {"session", 20.0}}
                                  << QByteArray("userInfo(QString,QString,QString,qreal,qreal)")
                                  << QVariantList{"A", "B", "a@b", 1000.0, 20.0};
        QTest::newRow("userBuyin") << QVariantMap{{"event", "userBuyin"}, {"ok", true}}
                                   << QByteArray("userBuyin(bool)") << QVariantList{true};
        QTest::newRow("gameJoin") << QVariantMap{{"event", "gameJoin"}, {"ok", true}, {"timestamp", 40}}
                                  << QByteArray("gameJoin(bool,qint32)") << QVariantList{true, 40};
        QTest::newRow("gameOpen") << QVariantMap{{"event", "gameOpen"},
                                                 {"action", 1},
                                                 {"childSessionId", "c-9"},
                                                 {"selection", "t1"},
                                                 {"timestamp", 3}}
                                  << QByteArray("gameOpen(int,QString,QString,qint32)")
                                  << QVariantList{1, "c-9", "t1", 3};
        QTest::newRow("userNotify") << QVariantMap{{"event", "userNotify"},
                                                   {"message", 4},
                                                   {"timeout", 5},
                                                   {"options", 1},
                                                   {"params", QVariantList{"x", "y"}},
                                                   {"timestamp", 2}}
                                    << QByteArray("userNotify(int,qint32,qint32,QStringList,qint32)")
                                    << QVariantList{4, 5, 1, QStringList{"x", "y"}, 2};
        QTest::newRow("gameHistory") << QVariantMap{{"event", "gameHistory"},
                                                    {"gameEvents", QVariantList{QVariantMap{{"handId", 1}}}}}
                                     << QByteArray("gameHistoryEvent(QList<QVariant>)")
                                     << QVariantList{QVariant(QVariantList{QVariantMap{{"handId", 1}}})};
        QTest::newRow("gameClose") << QVariantMap{{"event", "gameClose"}} << QByteArray("returnToLobby()")
                                   << QVariantList{};
        QTest::newRow("portalAccountAdd") << QVariantMap{{"event", "portalAccountAdd"}, {"ok", false}}
                                          << QByteArray("portalAccountAddEvent(bool)") << QVariantList{false};
        QTest::newRow("statusInfo") << QVariantMap{{"event", "statusInfo"},
                                                   {"message", 3},
                                                   {"params", QVariantList{1, "a"}}}
                                    << QByteArray("statusInfoEvent(qint32,QVariantList)")
                                    << QVariantList{3, QVariant(QVariantList{1, "a"})};
        QTest::newRow("missing members read as zero")
            << gameEvent({{"actionBet", "lots"}}) << QByteArray("actionBet(qint32,qreal,qint32)")
            << QVariantList{-1, 0.0, 0};
    }

    void everyEventReachesItsSignal()
    {
        QFETCH(QVariantMap, event);
        QFETCH(QByteArray, signal);
        QFETCH(QVariantList, arguments);

        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        harness.batches.enqueue(QVariantList{event});
        QSignalSpy spy(harness.client.get(),
                       QByteArray("2" + QMetaObject::normalizedSignature(signal)).constData());
        QVERIFY(spy.isValid());
        QSignalSpy end(harness.client.get(), &Client::eventEnd);
        // Every other notification must stay silent (postBig beside postSmall,
        // rebuyRequest beside actionRequest, ...).
        std::vector<std::unique_ptr<QSignalSpy>> others;
        const QMetaObject* meta = harness.client->metaObject();
        const int wanted = meta->indexOfSignal(QMetaObject::normalizedSignature(signal));
        QVERIFY(wanted >= 0);
        const QList<QByteArray> bookkeeping{"done(int,QVariant)", "failed(int,int,QString)", "warning(int)",
                                            "eventBegin()", "eventEnd()"};
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Signal || i == wanted ||
                bookkeeping.contains(method.methodSignature()))
                continue;
            others.push_back(std::make_unique<QSignalSpy>(harness.client.get(), method));
            QVERIFY(others.back()->isValid());
        }
        QVERIFY(others.size() > 30);
        harness.client->startRefresh();
        QTRY_COMPARE(end.size(), 1);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0), arguments);
        for (const auto& other : others)
            QVERIFY2(other->isEmpty(), other->signal().constData());
    }

    void gameJoinRaisesTheTimestamp_data()
    {
        QTest::addColumn<int>("joinTimestamp");
        QTest::addColumn<int>("stored");
        QTest::newRow("later join raises it") << 60 << 60;
        QTest::newRow("earlier join keeps it") << 40 << 50;
        QTest::newRow("missing timestamp keeps it") << 0 << 50;
    }

    void gameJoinRaisesTheTimestamp()
    {
        QFETCH(int, joinTimestamp);
        QFETCH(int, stored);
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        QVariantMap join{{"event", "gameJoin"}, {"ok", true}};
        if (joinTimestamp)
            join.insert("timestamp", joinTimestamp);
        harness.batches.enqueue(
            QVariantList{QVariantMap{{"event", "serverInfo"}, {"timestamp", 50}, {"id", "A"}}, join});
        QSignalSpy joined(harness.client.get(), &Client::gameJoin);
        harness.client->startRefresh();
        QTRY_COMPARE(joined.size(), 1);
        QCOMPARE(joined.at(0).at(1).toInt(), joinTimestamp);
        QCOMPARE(harness.client->gameParameters().timestamp, stored);
    }

    void batchesAreBracketed()
    {
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        QStringList log;
        Client* client = harness.client.get();
        connect(client, &Client::eventBegin, this, [&] { log << "begin"; });
        connect(client, &Client::eventEnd, this, [&] { log << "end"; });
        connect(client, &Client::setDealer, this,
                [&](qint32 p) { log << QStringLiteral("dealer %1").arg(p); });
        connect(client, &Client::postSmall, this,
                [&](qint32 p) { log << QStringLiteral("small %1").arg(p); });
        connect(client, &Client::postBig, this, [&](qint32 p) { log << QStringLiteral("big %1").arg(p); });

        harness.batches.enqueue(QVariantList());
        harness.batches.enqueue(QVariantList{gameEvent({{"setDealer", true}, {"position", 1}}), "stray text",
                                             42, gameEvent({{"postSmall", 0.5}, {"position", 2}}),
                                             gameEvent({{"postBig", 1.0}, {"position", 3}})});
        harness.batches.enqueue(QVariant(QStringLiteral("not a list")));
        harness.batches.enqueue(QVariantList{gameEvent({{"nothingWeKnow", 1}})});
        harness.client->startRefresh();
        QTRY_VERIFY(harness.refreshCount >= 5);
        // Empty and non-list answers bring no brackets; unknown table events nothing inside them.
        QCOMPARE(log, (QStringList{"begin", "dealer 0", "small 1", "big 2", "end", "begin", "end"}));
    }

    void unknownEventKindsAreLogged()
    {
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        harness.batches.enqueue(
            QVariantList{QVariantMap{{"event", "teleport"}}, QVariantMap{{"event", "gameClose"}}});
        QSignalSpy lobby(harness.client.get(), &Client::returnToLobby);
        QTest::ignoreMessage(QtWarningMsg, "Unknown event type teleport");
        harness.client->startRefresh();
        QTRY_COMPARE(lobby.size(), 1);
    }

    void animationsOff_data()
    {
        QTest::addColumn<QVariantMap>("event");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("msecArgument");
        const QByteArray cards("\x01\x02", 2);
        QTest::newRow("setDealer") << gameEvent({{"setDealer", true}, {"position", 1}, {"animationMs", 900}})
                                   << QByteArray("setDealer(qint32,qint32,qint32)") << 1;
        QTest::newRow("postAnte") << gameEvent({{"postAnte", 0.1}, {"position", 1}, {"animationMs", 900}})
                                  << QByteArray("postAnte(qint32,qreal,qint32,qint32)") << 2;
        QTest::newRow("postSmall") << gameEvent({{"postSmall", 0.5}, {"position", 1}, {"animationMs", 900}})
                                   << QByteArray("postSmall(qint32,qreal,qint32,qint32)") << 2;
        QTest::newRow("postBig") << gameEvent({{"postBig", 1.0}, {"position", 1}, {"animationMs", 900}})
                                 << QByteArray("postBig(qint32,qreal,qint32,qint32)") << 2;
        QTest::newRow("dealHole") << gameEvent({{"dealHole", cards}, {"position", 1}, {"animationMs", 900}})
                                  << QByteArray("dealHole(qint32,QList<VeskGames::Card>,qint32,qint32)") << 2;
        QTest::newRow("dealHolePublic")
            << gameEvent({{"dealHolePublic", cards}, {"position", 1}, {"animationMs", 900}})
            << QByteArray("dealHolePublic(qint32,QList<VeskGames::Card>,qint32,qint32)") << 2;
        QTest::newRow("dealCommunity")
            << gameEvent({{"dealCommunity", cards}, {"animationMs", 900}})
            << QByteArray("dealCommunity(QList<VeskGames::Card>,qint32,qint32)") << 1;
        QTest::newRow("bettingDone") << gameEvent({{"bettingDone", QVariantList{QVariantMap{{"value", 1.0}}}},
                                                   {"animationMs", 900}})
                                     << QByteArray("bettingDone(QList<qreal>,QList<qreal>,qint32,qint32)")
                                     << 2;
        QTest::newRow("potReturnUncalled")
            << gameEvent({{"potReturnUncalled", 1.0}, {"position", 1}, {"animationMs", 900}})
            << QByteArray("potReturnUncalled(qint32,qreal,qint32,qint32)") << 2;
        QTest::newRow("potGive") << gameEvent({{"potGive",
                                                QVariantList{QVariantMap{{"position", 1}, {"amount", 1.0}}}},
                                               {"animationMs", 900}})
                                 << QByteArray("potGive(QList<qint32>,QList<qreal>,qint32,qint32)") << 2;
    }

    void animationsOff()
    {
        QFETCH(QVariantMap, event);
        QFETCH(QByteArray, signal);
        QFETCH(int, msecArgument);
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        harness.client->setEnableAnimations(false);
        QVERIFY(!harness.client->enableAnimations());
        harness.batches.enqueue(QVariantList{event});
        QSignalSpy spy(harness.client.get(),
                       QByteArray("2" + QMetaObject::normalizedSignature(signal)).constData());
        QVERIFY(spy.isValid());
        harness.client->startRefresh();
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(msecArgument).toInt(), 0);
    }

    void gameParameters_data()
    {
        QTest::addColumn<QVariant>("payouts");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("three places") << QVariant("50|30|20") << QList<double>{50, 30, 20};
        QTest::newRow("empty text") << QVariant("") << QList<double>{0};
        QTest::newRow("missing") << QVariant() << QList<double>{0};
        QTest::newRow("empty and broken parts") << QVariant("60||x|40") << QList<double>{60, 0, 0, 40};
    }

    void gameParameters()
    {
        QFETCH(QVariant, payouts);
        QFETCH(QList<double>, expected);
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        QVariantMap event{{"event", "gameParameters"},
                          {"type", 0x1001},
                          {"limit", 1},
                          {"seats", 6},
                          {"period", 2},
                          {"stakeMin", 0.5},
                          {"stakeMax", 1.0},
                          {"buyinMin", 20.0},
                          {"buyinMax", 100.0},
                          {"rake", 0.05},
                          {"ante", 0.0},
                          {"tourStakeChangeInterval", 300},
                          {"tourBuyinFee", 1.5},
                          {"tourStartStack", 1500.0},
                          {"timestamp", 17},
                          {"currency", "EUR"}};
        if (payouts.isValid())
            event.insert("tourPayoutValues", payouts);
        harness.batches.enqueue(QVariantList{event});
        QSignalSpy spy(harness.client.get(), &Client::gameParametersEvent);
        harness.client->startRefresh();
        QTRY_COMPARE(spy.size(), 1);
        const GameParameters p = spy.at(0).at(0).value<GameParameters>();
        QVERIFY(p.valid);
        QCOMPARE(p.type, 0x1001);
        QCOMPARE(p.seats, 6);
        QCOMPARE(p.buyinMax, 100.0);
        QCOMPARE(p.tourStakeChangeInterval, 300);
        QCOMPARE(p.tourStartStack, 1500.0);
        QCOMPARE(p.timestamp, 17);
        QCOMPARE(p.currency, QStringLiteral("EUR"));
        QCOMPARE(p.tourPayoutValues, expected);
        QCOMPARE(harness.client->gameParameters().tourPayoutValues, expected);
    }

    void serverRestart()
    {
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        harness.batches.enqueue(
            QVariantList{QVariantMap{{"event", "serverInfo"}, {"id", "A"}, {"timestamp", 5}},
                         QVariantMap{{"event", "authenticate"}, {"ok", true}}});
        harness.batches.enqueue(
            QVariantList{QVariantMap{{"event", "gameJoin"}, {"ok", true}, {"timestamp", 3}},
                         QVariantMap{{"event", "serverInfo"}, {"id", "A"}, {"timestamp", 6}}});
        harness.batches.enqueue(
            QVariantList{QVariantMap{{"event", "serverInfo"}, {"id", "B"}, {"timestamp", 9}},
                         QVariantMap{{"event", "authenticate"}, {"ok", true}}});
        harness.batches.enqueue(
            QVariantList{QVariantMap{{"event", "serverInfo"}, {"id", "B"}, {"timestamp", 10}}});
        QSignalSpy notices(harness.client.get(),
                           qOverload<QString, qint32, qint32, QStringList, qint32>(&Client::userNotify));
        QSignalSpy authenticated(harness.client.get(), &Client::authenticateEvent);
        QSignalSpy end(harness.client.get(), &Client::eventEnd);
        harness.client->startRefresh();
        QTRY_COMPARE(end.size(), 4);

        QCOMPARE(authenticated.size(), 1); // the one after the restart is ignored
        QCOMPARE(notices.size(), 2);       // every serverInfo with the new id repeats it
        QVERIFY(notices.at(0).at(0).toString().startsWith("The server has restarted."));
        QCOMPARE(notices.at(0).mid(1), (QVariantList{5, 1, QStringList(), 9}));
        QCOMPARE(notices.at(1).at(4).toInt(), 10);
        QCOMPARE(harness.client->gameParameters().serverId, QStringLiteral("A"));
    }

    void failedPollKeepsPolling()
    {
        RefreshHarness harness;
        harness.client->setRefreshInterval(20);
        harness.failures.enqueue(1);
        harness.batches.enqueue(QVariantList());
        harness.batches.enqueue(QVariantList{QVariantMap{{"event", "gameClose"}}});
        QSignalSpy lobby(harness.client.get(), &Client::returnToLobby);
        QSignalSpy failed(harness.client.get(), &Client::failed);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: .*"));
        harness.client->startRefresh();
        QTRY_COMPARE(lobby.size(), 1);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(1).toInt(), -32300);
    }

    void pollNeverOverlapsItself_data()
    {
        QTest::addColumn<QString>("poke");
        QTest::newRow("stop and start while a poll is out") << "stop start";
        QTest::newRow("start again while a poll is out") << "start";
        QTest::newRow("restart while a poll is out") << "restart";
        QTest::newRow("start and restart from an event handler") << "handler";
        QTest::newRow("refresh slot run while a poll is out") << "slot";
    }

    void pollNeverOverlapsItself()
    {
        QFETCH(QString, poke);
        constexpr int kBatches = 6;
        constexpr int kRoundTrip = 250;
        RefreshHarness harness;
        harness.refreshDelayMs = kRoundTrip;
        harness.client->setRefreshInterval(100);
        for (int i = 1; i <= kBatches; ++i)
            harness.batches.enqueue(QVariantList{gameEvent({{"handId", i}})});

        Client* client = harness.client.get();
        QList<int> hands;
        connect(client, &Client::handId, this, [&](qint32 id) {
            hands.append(id);
            if (poke == QLatin1String("handler")) {
                client->startRefresh();
                client->restartRefresh();
            }
        });
        // Poke the poll each time the server has just received one.
        connect(&harness.server, &ScriptedHttpServer::requestReceived, this, [&] {
            QTimer::singleShot(kRoundTrip / 3, client, [&] {
                if (poke == QLatin1String("stop start")) {
                    client->stopRefresh();
                    client->startRefresh();
                } else if (poke == QLatin1String("start")) {
                    client->startRefresh();
                } else if (poke == QLatin1String("restart")) {
                    client->restartRefresh();
                } else if (poke == QLatin1String("slot")) {
                    QVERIFY(QMetaObject::invokeMethod(client, "slotRefresh"));
                }
            });
        });
        client->startRefresh();
        QTRY_VERIFY_WITH_TIMEOUT(hands.size() >= kBatches, 15000);
        client->stopRefresh();
        QTest::qWait(kRoundTrip * 2);

        QList<int> expected;
        for (int i = 1; i <= kBatches; ++i)
            expected.append(i);
        QCOMPARE(hands, expected);
        // Each poll went out only after the one before it had been answered.
        const QList<ScriptedHttpServer::Received> seen = harness.server.received();
        for (int i = 1; i < seen.size(); ++i) {
            QVERIFY2(seen.at(i).atMs - seen.at(i - 1).atMs >= kRoundTrip - 20,
                     qPrintable(QStringLiteral("poll %1 sent %2 ms after the one before")
                                    .arg(i)
                                    .arg(seen.at(i).atMs - seen.at(i - 1).atMs)));
        }
    }

    void pacing_data()
    {
        QTest::addColumn<int>("roundTripMs");
        QTest::addColumn<int>("minGap");
        QTest::addColumn<int>("maxGap");
        // Polls start every 500 ms on average; slower answers run back to back.
        QTest::newRow("fast server") << 100 << 420 << 800;
        QTest::newRow("slow server") << 600 << 560 << 950;
    }

    void pacing()
    {
        QFETCH(int, roundTripMs);
        QFETCH(int, minGap);
        QFETCH(int, maxGap);
        RefreshHarness harness;
        harness.refreshDelayMs = roundTripMs;
        harness.client->startRefresh();
        QTRY_VERIFY_WITH_TIMEOUT(harness.refreshCount >= 6, 15000);
        harness.client->stopRefresh();
        QVERIFY(!harness.client->isRefreshStarted());
        const QList<ScriptedHttpServer::Received> seen = harness.server.received();
        // The first gaps still average in the start; look at the later ones.
        qint64 total = 0;
        for (int i = 3; i < 6; ++i)
            total += seen.at(i).atMs - seen.at(i - 1).atMs;
        const qint64 gap = total / 3;
        QVERIFY2(gap >= minGap && gap <= maxGap, qPrintable(QStringLiteral("average gap %1 ms").arg(gap)));

        // Stopped means stopped, even with a poll still under way.
        const int count = harness.refreshCount;
        QTest::qWait(1500);
        QVERIFY(harness.refreshCount <= count + 1);
    }
};

QTEST_GUILESS_MAIN(TestEventStream)
#include "tst_eventstream.moc"
