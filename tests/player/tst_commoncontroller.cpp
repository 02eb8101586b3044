// The table's event handler: events to scene operations in order, batches
// cut short when the next begins, instant tables, notices and connection
// trouble; the onlookers' display against a scripted server of our own.
#include "abstractgamelistdialogitem.h"
#include "abstractplayeritem.h"
#include "carditem.h"
#include "client.h"
#include "commoncontroller.h"
#include "communitycontroller.h"
#include "communitygamescene.h"
#include "communitytheme.h"
#include "dialogbuttonboxitem.h"
#include "gamescene.h"
#include "infodialogitem.h"
#include "localresources.h"
#include "playeritembase.h"
#include "pokertableview.h"
#include "pot.h"
#include "pushbuttonitem.h"
#include "scriptedhttpserver.h"
#include "servercommand.h"
#include "splashscene.h"
#include "stackitem.h"
#include "xmlrpc/request.h"
#include "xmlrpc/response.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QQueue>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace VeskGames;

namespace {

/// The base controller with the two operations only a real table defines.
class TableController : public CommonController
{
public:
    using CommonController::CommonController;
    void useScene(GameScene* scene) { setScene(scene); }
    void slotGameOpen(int, QString, QString, qint32) override {}
    void slotGameJoin(bool, qint32) override {}
    using CommonController::playHandStatusSound;
};

/// The community look, with the sounds it is asked for written down.
class RecordingTheme : public CommunityTheme
{
public:
    void playSound(AudioType type, bool) override { played.append(int(type)); }
    QList<int> played;
};

/// A lobby that asks for a ticket, and keeps the answer.
class TicketAsker : public AbstractGameListDialogItem
{
    Q_OBJECT

public:
    QVariant ticket;

    void slotGameList(VeskGames::Command*) override {}
    void slotFreerollList(VeskGames::Command*) override {}
    void refreshList() override {}
    void refreshDetails() override {}
    void getTicketCommandDone(VeskGames::Command* command) override
    {
        ticket = static_cast<ServerCommand*>(command)->result();
    }
};

QVector<Card> cards(std::initializer_list<int> codes)
{
    QVector<Card> list;
    for (int code : codes)
        list.append(Card::fromEncodedChar(char(code)));
    return list;
}

QVariantMap gameEvent(QVariantMap members)
{
    members.insert(QStringLiteral("event"), QStringLiteral("gameEvent"));
    if (!members.contains(QStringLiteral("timestamp")))
        members.insert(QStringLiteral("timestamp"), 100);
    return members;
}

/// A game server of the test's own: log-in and join answers it is told,
/// and the batches it is given, one per poll.
class ScriptedTable
{
public:
    ScriptedTable()
    {
        server.setHandler([this](const ScriptedHttpServer::Received& request) {
            xmlrpc::Request call;
            call.parse(request.body);
            methods.append(call.methodName());
            QVariant answer = true;
            if (call.methodName() == QLatin1String("authenticate"))
                answer = logins.isEmpty() ? true : logins.dequeue();
            else if (call.methodName() == QLatin1String("refresh"))
                answer = batches.isEmpty() ? QVariant(QVariantList()) : batches.dequeue();
            return ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(answer)).toXml());
        });
        server.listen();
    }

    ScriptedHttpServer server;
    QQueue<QVariant> logins;
    QQueue<QVariant> batches;
    QStringList methods;
};

QVariantList openingBatch(int seats)
{
    QVariantList batch{QVariantMap{{"event", "gameJoin"}, {"ok", true}, {"timestamp", 100}},
                       QVariantMap{{"event", "gameParameters"},
                                   {"type", 0x1001},
                                   {"limit", 1},
                                   {"seats", seats},
                                   {"stakeMin", 0.5},
                                   {"stakeMax", 1.0},
                                   {"timestamp", 100}}};
    for (int seat = 1; seat <= 3; ++seat)
        batch.append(gameEvent({{"userName", QStringLiteral("p%1").arg(seat)},
                                {"position", seat},
                                {"userAvatarId", 0},
                                {"userStack", 100.0},
                                {"userStatus", 1},
                                {"userDisplayName", QString()}}));
    return batch;
}

int feedLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count('\n'));
}

QJsonObject lastFeedLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    return QJsonDocument::fromJson(lines.last()).object();
}

} // namespace

class TestCommonController : public QObject
{
    Q_OBJECT

    std::unique_ptr<CommunityTheme> m_theme;
    QTemporaryDir m_dir;

    struct Table
    {
        Client client;
        PokerTableView view;
        std::unique_ptr<CommunityGameScene> scene;
        std::unique_ptr<TableController> controller;
    };

    std::unique_ptr<Table> table(AbstractTheme* theme, int seats = 6)
    {
        auto t = std::make_unique<Table>();
        t->scene = std::make_unique<CommunityGameScene>(theme);
        t->scene->setSceneRect(0, 0, 1280, 720);
        t->controller = std::make_unique<TableController>(&t->client, &t->view, theme, false);
        t->controller->useScene(t->scene.get());
        GameParameters params;
        params.seats = seats;
        params.type = 0x1001;
        TableController* c = t->controller.get();
        c->slotEventBegin();
        c->slotGameParametersEvent(params);
        for (int i = 0; i < 3; ++i)
            c->slotGameEventUserData(i, QStringLiteral("p%1").arg(i), 0, 100, 1, 100, QString());
        c->slotEventEnd();
        return t;
    }

    static int cardItems(const QGraphicsScene& scene)
    {
        int count = 0;
        for (QGraphicsItem* item : scene.items())
            count += dynamic_cast<CardItem*>(item) ? 1 : 0;
        return count;
    }

    static InfoDialogItem* topNotice(GameScene* scene)
    {
        return qobject_cast<InfoDialogItem*>(scene->topDialog());
    }

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<CommunityTheme>();
        QVERIFY(m_dir.isValid());
    }

    void cleanupTestCase() { m_theme.reset(); }

    void actionsSetTheSeat_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("action");
        QTest::addColumn<double>("stack");
        QTest::addColumn<double>("bet");

        // Seat 1 has posted 1 already: its action shows the round's whole bet.
        QTest::newRow("fold") << "fold" << 1 << int(AbstractPlayerItem::ActionFold) << 99.0 << 1.0;
        QTest::newRow("check") << "check" << 1 << int(AbstractPlayerItem::ActionCheck) << 99.0 << 1.0;
        QTest::newRow("call") << "call" << 1 << int(AbstractPlayerItem::ActionCall) << 97.0 << 3.0;
        QTest::newRow("bet") << "bet" << 1 << int(AbstractPlayerItem::ActionBet) << 97.0 << 3.0;
        QTest::newRow("raise") << "raise" << 1 << int(AbstractPlayerItem::ActionRaise) << 97.0 << 3.0;
        QTest::newRow("all-in") << "allin" << 1 << int(AbstractPlayerItem::ActionAllIn) << 97.0 << 3.0;
        QTest::newRow("muck") << "muck" << 1 << int(AbstractPlayerItem::ActionMuck) << 99.0 << 1.0;
        QTest::newRow("seat beyond the table")
            << "call" << 9 << int(AbstractPlayerItem::ActionPostBig) << 99.0 << 1.0;
        QTest::newRow("negative seat")
            << "raise" << -1 << int(AbstractPlayerItem::ActionPostBig) << 99.0 << 1.0;
    }

    void actionsSetTheSeat()
    {
        QFETCH(QString, event);
        QFETCH(int, position);
        QFETCH(int, action);
        QFETCH(double, stack);
        QFETCH(double, bet);
        auto t = table(m_theme.get());
        TableController* c = t->controller.get();
        c->slotEventBegin();
        c->slotGameEventPostBig(1, 1, 300, 100);
        if (event == "fold")
            c->slotGameEventActionFold(position, 100);
        else if (event == "check")
            c->slotGameEventActionCheck(position, 100);
        else if (event == "call")
            c->slotGameEventActionCall(position, 2, 100);
        else if (event == "bet")
            c->slotGameEventActionBet(position, 2, 100);
        else if (event == "raise")
            c->slotGameEventActionRaise(position, 2, 100);
        else if (event == "allin")
            c->slotGameEventActionAllIn(position, 2, 100, true);
        else
            c->slotGameEventActionMuck(position, 100);
        c->slotEventEnd();
        auto* seat = qobject_cast<PlayerItemBase*>(t->scene->seat(1));
        QCOMPARE(int(seat->action()), action);
        QCOMPARE(seat->playerStack(), stack);
        QCOMPARE(t->scene->betStack(1)->value(), bet);
        QCOMPARE(t->scene->isFolded(1), event == "fold" && position == 1);
    }

    void eventsKeepTheirOrderInABatch()
    {
        // The winner is paid and the stacks set after the hand's last
        // animation, never before: a queued deal must not land on the next hand.
        auto t = table(m_theme.get());
        TableController* c = t->controller.get();
        QSignalSpy shown(c, &CommonController::batchShown);
        c->slotEventBegin();
        c->slotHandStatusEvent(101, 100);
        c->slotGameEventSetDealer(0, 400, 100);
        c->slotGameEventDealHole(0, cards({0, 0}), 500, 100);
        c->slotGameEventDealHole(1, cards({0, 0}), 500, 100);
        c->slotGameEventActionShow(0, cards({1, 2}), 100);
        c->slotGameEventActionFold(1, 100);
        c->slotEventEnd();
        // The deal is still flying; the show waits for it.
        QCOMPARE(t->scene->seat(0)->countCards(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 5000);
        QCOMPARE(t->scene->seat(0)->countCards(), 2);
        QCOMPARE(t->scene->seat(0)->cards().first()->card(), Card::fromEncodedChar(1));
        QCOMPARE(t->scene->seat(1)->countCards(), 0);
        QVERIFY(t->scene->isFolded(1));
    }

    void nextBatchCutsTheLastShort()
    {
        auto t = table(m_theme.get());
        TableController* c = t->controller.get();
        QSignalSpy shown(c, &CommonController::batchShown);
        c->slotEventBegin();
        c->slotGameEventSetDealer(2, 5000, 100);
        c->slotGameEventDealCommunity(cards({5, 9, 13}), 5000, 100);
        c->slotEventEnd();
        QCOMPARE(shown.size(), 0);
        c->slotEventBegin();
        // The batch ended where the server left the table.
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.last().first().toInt(), 2);
        QCOMPARE(t->scene->communityCards().size(), 3);
        for (CardItem* card : t->scene->communityCards())
            QVERIFY(card->isVisible());
        QCOMPARE(t->scene->dealerButton()->pos(), QPointF(t->scene->dealerButton()->pos()));
        c->slotGameEventBettingDone({6.0}, {0.0}, 5000, 100);
        c->slotEventEnd();
        QCOMPARE(t->scene->mainPot()->chipValue(), 6.0);
    }

    void parametersMakeTheBatchInstant_data()
    {
        QTest::addColumn<bool>("parameters");
        QTest::newRow("after game parameters") << true;
        QTest::newRow("a plain batch") << false;
    }

    void parametersMakeTheBatchInstant()
    {
        QFETCH(bool, parameters);
        auto t = table(m_theme.get());
        TableController* c = t->controller.get();
        QSignalSpy shown(c, &CommonController::batchShown);
        c->slotEventBegin();
        if (parameters) {
            GameParameters params;
            params.seats = 6;
            params.type = 0x1001;
            c->slotGameParametersEvent(params);
            c->slotGameEventUserData(0, "p0", 0, 100, 1, 100, QString());
        }
        c->slotGameEventSetDealer(0, 4000, 100);
        c->slotGameEventDealHole(0, cards({0, 0}), 4000, 100);
        c->slotEventEnd();
        // A table opened again shows its state at once.
        QCOMPARE(shown.size(), parameters ? 1 : 0);
        QCOMPARE(t->scene->seat(0)->countCards(), parameters ? 2 : 0);
    }

    void newHandClearsTheLast()
    {
        auto t = table(m_theme.get());
        TableController* c = t->controller.get();
        c->slotEventBegin();
        c->slotGameEventDealHole(0, cards({0, 0}), 0, 100);
        c->slotGameEventDealCommunity(cards({5, 9, 13}), 0, 100);
        c->slotGameEventBettingDone({6.0}, {0.0}, 0, 100);
        c->slotGameEventPotGive({0}, {6.0}, 0, 100);
        c->slotEventEnd();
        QCOMPARE(t->scene->mainPot()->chipValue(), 0.0);
        QCOMPARE(t->scene->seat(0)->playerStack(), 106.0);
        QCOMPARE(t->scene->communityCards().size(), 3);
        c->slotEventBegin();
        c->slotHandStatusEvent(101, 100);
        c->slotEventEnd();
        QCOMPARE(t->scene->communityCards().size(), 0);
        QCOMPARE(t->scene->seat(0)->countCards(), 0);
        QVERIFY(!t->scene->mainPot()->isVisible());
        // Shown and folded cards leave the table with the hand, items and all.
        c->slotEventBegin();
        c->slotGameEventDealHole(0, cards({0, 0}), 0, 100);
        c->slotGameEventDealHole(1, cards({0, 0}), 0, 100);
        c->slotGameEventActionFold(1, 100);
        c->slotGameEventActionShow(0, cards({1, 2}), 100);
        c->slotEventEnd();
        QCOMPARE(cardItems(*t->scene), 2);
        c->slotEventBegin();
        c->slotHandStatusEvent(101, 100);
        c->slotEventEnd();
        QCOMPARE(cardItems(*t->scene), 0);
    }

    void notices_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("params");
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("closesItself");
        QTest::addColumn<bool>("endsGame");

        QTest::newRow("one parameter") << 3004 << QStringList{"aa:bb"} << 0 << 0
                                       << "Unknown MAC address: aa:bb" << QStringList{} << false << false;
        QTest::newRow("two parameters keep the place")
            << 3004 << QStringList{"a", "b"} << 0 << 0 << "Unknown MAC address: %1" << QStringList{} << false
            << false;
        QTest::newRow("unknown code")
            << 77 << QStringList{} << 0 << 0 << "" << QStringList{} << false << false;
        QTest::newRow("restart or quit")
            << 2001 << QStringList{} << 1 << 0 << "Reconnect from another machine"
            << QStringList{"Restart", "Quit"} << false << false;
        QTest::newRow("restart or quit, then the end")
            << 2002 << QStringList{} << 1 << 1 << "Disconnected due to inactivity\nSeconds left: 1"
            << QStringList{"Restart", "Quit"} << false << true;
        QTest::newRow("OK, closing by itself")
            << 4001 << QStringList{} << 2 << 1 << "No available seat" << QStringList{"OK"} << true << false;
        QTest::newRow("no button, then the end")
            << 4005 << QStringList{} << 3 << 1 << "The tournament has already started\nSeconds left: 1"
            << QStringList{} << false << true;
    }

    void notices()
    {
        QFETCH(int, code);
        QFETCH(QStringList, params);
        QFETCH(int, options);
        QFETCH(int, timeout);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        QFETCH(bool, closesItself);
        QFETCH(bool, endsGame);
        auto t = table(m_theme.get());
        // The controller ends by deleting itself: the test lets it.
        QPointer<TableController> controller = t->controller.release();
        controller->slotUserNotify(code, timeout, options, params, 100);
        InfoDialogItem* notice = topNotice(t->scene.get());
        QVERIFY(notice);
        QCOMPARE(notice->text(), text);
        QStringList labels;
        for (PushButtonItem* button : notice->buttonBox()->buttons())
            labels.append(button->text());
        QCOMPARE(labels, buttons);
        if (timeout > 0) {
            QTest::qWait(timeout * 1000 + 300);
            QCOMPARE(topNotice(t->scene.get()) == nullptr, closesItself);
        }
        QCOMPARE(controller.isNull(), endsGame);
        delete controller.data();
    }

    void statusSoundsOnlyForNewEvents_data()
    {
        QTest::addColumn<int>("timestamp");
        QTest::addColumn<QList<int>>("played");
        QTest::newRow("the table replayed after its parameters") << 99 << QList<int>{};
        QTest::newRow("as the parameters") << 100 << QList<int>{210};
        QTest::newRow("later") << 130 << QList<int>{210};
    }

    void statusSoundsOnlyForNewEvents()
    {
        QFETCH(int, timestamp);
        QFETCH(QList<int>, played);
        RecordingTheme theme;
        auto t = table(&theme);
        GameParameters params;
        params.seats = 6;
        params.timestamp = 100;
        t->controller->slotEventBegin();
        t->controller->slotGameParametersEvent(params);
        t->controller->slotEventEnd();
        t->controller->playHandStatusSound(210, timestamp);
        QCOMPARE(theme.played, played);
    }

    void ticketForTheAsker()
    {
        ScriptedHttpServer server;
        server.setHandler([](const ScriptedHttpServer::Received& request) {
            xmlrpc::Request call;
            call.parse(request.body);
            const QVariant answer =
                call.methodName() == QLatin1String("userTicket") && call.params().isEmpty()
                    ? QVariant(QStringLiteral("T-123"))
                    : QVariant(false);
            return ScriptedHttpServer::xml(xmlrpc::Response(xmlrpc::Variant(answer)).toXml());
        });
        QVERIFY(server.listen());
        auto t = table(m_theme.get());
        t->client.connect();
        t->client.setHost(QStringLiteral("127.0.0.1"), server.port());
        TicketAsker asker;
        connect(&asker, &TicketAsker::actionNeedTicket, t->controller.get(),
                &CommonController::slotRequestTicket);
        Q_EMIT asker.actionNeedTicket();
        QTRY_COMPARE_WITH_TIMEOUT(asker.ticket, QVariant(QStringLiteral("T-123")), 5000);
    }

    void slowConnectionNotice()
    {
        auto t = table(m_theme.get());
        TableController* c = t->controller.get();
        c->slotConnectionWarning(7);
        InfoDialogItem* notice = topNotice(t->scene.get());
        QVERIFY(notice);
        QCOMPARE(notice->text(), QStringLiteral("Connection seems slow. Please wait."));
        QVERIFY(notice->isVisible());
        c->slotConnectionWarning(8); // still the one notice
        QCOMPARE(t->scene->dialogCount(), 1);
        QPointer<InfoDialogItem> gone(notice);
        c->slotConnectionDone(9);
        QVERIFY(gone.isNull());
        QCOMPARE(t->scene->dialogCount(), 0);
        c->slotConnectionDone(10); // nothing left to close
    }

    void displayFollowsTheScriptedServer()
    {
        // Log-in refused twice (retried), the table joined, two batches in
        // quick succession: the table ends as the server has it.
        const QString feed = m_dir.filePath("scripted.jsonl");
        qputenv("VESK_TABLE_STATE", feed.toLocal8Bit());
        ScriptedTable server;
        server.logins << false << false;
        server.batches.enqueue(openingBatch(6));
        server.batches.enqueue(QVariantList{
            gameEvent({{"handStatus", 101}}), gameEvent({{"handId", 7}}),
            gameEvent({{"setDealer", true}, {"position", 1}, {"animationMs", 3000}}),
            gameEvent({{"postSmall", 0.5}, {"position", 2}, {"animationMs", 3000}}),
            gameEvent({{"postBig", 1.0}, {"position", 3}, {"animationMs", 3000}}),
            gameEvent({{"dealHole", QByteArray(2, '\0')}, {"position", 1}, {"animationMs", 3000}}),
            gameEvent({{"dealHole", QByteArray(2, '\0')}, {"position", 2}, {"animationMs", 3000}}),
            gameEvent({{"dealHole", QByteArray(2, '\0')}, {"position", 3}, {"animationMs", 3000}})});
        server.batches.enqueue(QVariantList{
            gameEvent({{"actionCall", 1.0}, {"position", 1}}),
            gameEvent({{"actionCall", 0.5}, {"position", 2}}),
            gameEvent({{"actionCheck", true}, {"position", 3}}),
            gameEvent({{"bettingDone", QVariantList{QVariantMap{{"value", 3.0}, {"rake", 0.0}}}},
                       {"animationMs", 3000}}),
            gameEvent({{"dealCommunity", QByteArray("\x05\x09\x0d", 3)}, {"animationMs", 3000}})});

        Client client;
        client.setHost(QStringLiteral("127.0.0.1"), server.server.port());
        client.setRefreshInterval(30);
        PokerTableView view;
        QPointer<CommunityController> display = new CommunityController(&client, &view, nullptr);
        display->setQuitOnGameOver(false);
        ScriptedHttpServer kiosk;
        QVERIFY(kiosk.listen());
        display->setKioskUrl(kiosk.url());
        QTRY_COMPARE_WITH_TIMEOUT(display->state(), int(CommunityController::StateShowing), 10000);
        QCOMPARE(server.methods.count("authenticate"), 3);
        QCOMPARE(view.scene(), display->communityScene());
        QTRY_VERIFY_WITH_TIMEOUT(feedLines(feed) >= 2, 10000);
        QCOMPARE(display->batchCount(), 3);
        // The last batch's animations have not run yet; its start cut the second one short.
        CommunityGameScene* scene = display->communityScene();
        QCOMPARE(feedLines(feed), 2);
        QCOMPARE(lastFeedLine(feed).value("handId").toInt(), 7);
        QCOMPARE(lastFeedLine(feed).value("dealer").toInt(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(feedLines(feed), 3, 15000);
        const QJsonObject last = lastFeedLine(feed);
        QCOMPARE(last.value("board").toVariant().toStringList(), (QStringList{"2c", "3c", "4c"}));
        QCOMPARE(last.value("pots").toVariant().toList(), QVariantList{3.0});
        QCOMPARE(scene->seat(0)->playerStack(), 99.0);
        QCOMPARE(scene->seat(1)->playerStack(), 99.0);
        QCOMPARE(scene->seat(2)->playerStack(), 99.0);
        for (int seat = 0; seat < 3; ++seat)
            QCOMPARE(scene->seat(seat)->countCards(), 2);
        // A new hand kept the kiosk awake.
        QTRY_COMPARE_WITH_TIMEOUT(kiosk.received().size(), 1, 5000);
        xmlrpc::Request reset;
        QVERIFY(reset.parse(kiosk.received().first().body));
        QCOMPARE(reset.methodName(), QStringLiteral("resetIdleTimer"));
        QVERIFY(reset.params().isEmpty());

        // The server goes away mid-hand: no stale hand under the notice, and the end.
        server.server.setHandler([](const ScriptedHttpServer::Received&) {
            ScriptedHttpServer::Reply reply;
            reply.status = 503;
            reply.reason = "Service Unavailable";
            return reply;
        });
        QTRY_VERIFY_WITH_TIMEOUT(topNotice(scene), 5000);
        QVERIFY(topNotice(scene)->text().startsWith(QStringLiteral("Connection problem:\n")));
        QVERIFY(topNotice(scene)->buttonBox()->buttons().isEmpty());
        QCOMPARE(scene->communityCards().size(), 0);
        for (int seat = 0; seat < 3; ++seat)
            QCOMPARE(scene->seat(seat)->countCards(), 0);
        QVERIFY(!client.isRefreshStarted());
        QTRY_VERIFY_WITH_TIMEOUT(display.isNull(), 15000);
        qunsetenv("VESK_TABLE_STATE");
    }

    void refusedJoinEndsTheDisplay()
    {
        ScriptedTable server;
        server.batches.enqueue(
            QVariantList{QVariantMap{{"event", "gameJoin"}, {"ok", false}, {"timestamp", 1}}});
        Client client;
        client.setHost(QStringLiteral("127.0.0.1"), server.server.port());
        client.setRefreshInterval(30);
        PokerTableView view;
        QPointer<CommunityController> display = new CommunityController(&client, &view, nullptr);
        display->setQuitOnGameOver(false);
        QCOMPARE(display->splash()->status(), int(SplashScene::StatusConnecting));
        QTRY_VERIFY_WITH_TIMEOUT(display.isNull(), 10000);
        QVERIFY(server.methods.contains(QStringLiteral("destroy")));
    }
};

QTEST_MAIN(TestCommonController)
#include "tst_commoncontroller.moc"
