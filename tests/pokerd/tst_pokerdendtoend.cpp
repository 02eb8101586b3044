// The client's own server link against the real server: log in, open a
// table, buy in, play fifty hands, leave, and find the money where it belongs.
#include "pokerdprocess.h"

#include "client.h"
#include "servercommand.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using VeskGames::Client;
using VeskGames::Command;
using VeskGames::ServerCommand;

namespace {

QString digest(const QString& password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex());
}

/// Runs one command to its end; false on a failure.
bool run(Client* client, const QString& method, const QList<xmlrpc::Variant>& params = {},
         QVariant* result = nullptr)
{
    ServerCommand command(client, params, method);
    QSignalSpy done(&command, &Command::done);
    command.exec();
    if (!done.wait(20000))
        return false;
    if (result)
        *result = command.result();
    if (command.hasError())
        qWarning("%s failed: %s", qPrintable(method), qPrintable(command.errorString()));
    return !command.hasError();
}

std::unique_ptr<Client> connectedClient(quint16 port)
{
    auto client = std::make_unique<Client>();
    client->connect();
    client->setHost(QStringLiteral("127.0.0.1"), port);
    client->setRefreshInterval(40);
    return client;
}

bool login(Client* client, const QString& user)
{
    return run(
        client, QStringLiteral("authenticate"),
        {1, QStringList{user, digest("demo"), "ff:ff:ff:ff:ff:09", "demo"}, QStringLiteral("en_US"), 0});
}

/// The balance and the chips at tables, as the server reports them.
QPair<double, double> userInfo(Client* client)
{
    QSignalSpy info(client, &Client::userInfo);
    if (!client->isRefreshStarted())
        client->startRefresh(); // the answer comes as an event
    run(client, QStringLiteral("userInfo"));
    if (!info.wait(10000))
        return {-1, -1};
    return {info.last().at(3).toDouble(), info.last().at(4).toDouble()};
}

} // namespace

class TestPokerdEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void playFiftyHands()
    {
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.path()));
        QTest::failOnWarning(QRegularExpression("Unknown event type"));

        auto lobby = connectedClient(server.port());
        QSignalSpy authenticated(lobby.get(), &Client::authenticateEvent);
        QVERIFY(login(lobby.get(), "demo9"));
        lobby->startRefresh();
        QVERIFY(authenticated.wait(10000));
        QCOMPARE(authenticated.last().at(0).toBool(), true);
        QCOMPARE(userInfo(lobby.get()).first, 1000.0);

        QVariant games;
        QVERIFY(run(lobby.get(), QStringLiteral("gameList"), {}, &games));
        const QVariantMap game = games.toList().value(0).toMap();
        QSignalSpy opened(lobby.get(), &Client::gameOpen);
        QVERIFY(run(lobby.get(), QStringLiteral("gameOpen"), {game.value("id").toString()}));
        QVERIFY(opened.wait(10000));
        const QString child = opened.last().at(1).toString();
        QCOMPARE(opened.last().at(2).toString(), game.value("id").toString());

        // The table runs on a session of its own, as the player's table window does.
        auto table = connectedClient(server.port());
        table->setSessionId(child);
        QSignalSpy joined(table.get(), &Client::gameJoin);
        QSignalSpy parameters(table.get(), &Client::gameParametersEvent);
        QSignalSpy handStatus(table.get(), &Client::handStatus);
        QSignalSpy begins(table.get(), &Client::eventBegin);
        QSignalSpy batches(table.get(), &Client::eventEnd);
        QSignalSpy closed(table.get(), &Client::returnToLobby);
        int mySeat = -1;
        double myStack = -1;
        connect(table.get(), &Client::userData, this,
                [&](qint32 position, const QString& name, qint32, qreal stack) {
                    if (name == QLatin1String("demo9")) {
                        mySeat = position;
                        myStack = stack;
                    }
                });
        int requests = 0;
        connect(table.get(), &Client::actionRequest, this,
                [&](qint32 position, qint32, qreal minAdd, qreal, qreal, qreal, bool, bool canRaise) {
                    // Everybody's turns are announced; only our own is answered.
                    if (position != mySeat)
                        return;
                    ++requests;
                    // Mostly check or call, sometimes fold, now and then the least raise.
                    const quint32 roll = QRandomGenerator::global()->bounded(10);
                    QString action = QStringLiteral("actionCheckCall");
                    double amount = 0;
                    if (roll == 0) {
                        action = QStringLiteral("actionFold");
                    } else if (roll == 1 && canRaise) {
                        action = QStringLiteral("actionBetRaise");
                        amount = minAdd;
                    }
                    auto* command = new ServerCommand(table.get(), {action, amount},
                                                      QStringLiteral("gameAction"), table.get());
                    connect(command, &Command::done, command, &QObject::deleteLater);
                    command->exec();
                });
        table->startRefresh();
        QVERIFY(run(table.get(), QStringLiteral("gameJoin"), {game.value("id").toString()}));
        QVERIFY(joined.wait(10000));
        QVERIFY(parameters.size() >= 1 || parameters.wait(5000));
        QCOMPARE(parameters.last().at(0).value<VeskGames::GameParameters>().buyinMin, 20.0);
        QVERIFY(run(table.get(), QStringLiteral("userBuyin"), {100.0}));
        QTRY_VERIFY(mySeat >= 0);

        // Fifty hands, buying again whenever the stack runs dry.
        auto handsOver = [&] {
            int count = 0;
            for (const QVariantList& args : std::as_const(handStatus))
                count += args.at(0).toInt() == 500 ? 1 : 0;
            return count;
        };
        double bought = 100.0;
        while (handsOver() < 50) {
            const int before = handsOver();
            QTRY_VERIFY_WITH_TIMEOUT(handsOver() > before, 60000);
            // The stack we know of may be a hand old: a refused buy-in is not counted,
            // and the balance check at the end tells whether the server agrees.
            if (myStack == 0.0 && bought < 500 && run(table.get(), QStringLiteral("userBuyin"), {100.0}))
                bought += 100.0;
        }
        QVERIFY(requests > 0);
        // Many hands may share one answer; every answer comes bracketed.
        QVERIFY(!batches.isEmpty());
        QCOMPARE(begins.size(), batches.size());

        // The last ten hands come back as records for the hand-history viewer.
        QSignalSpy history(table.get(), &Client::gameHistoryEvent);
        QVERIFY(run(table.get(), QStringLiteral("gameHistory")));
        QVERIFY(history.wait(10000));
        const QVariantList hands = history.last().at(0).toList();
        QCOMPARE(hands.size(), 10);
        for (const QVariant& hand : hands) {
            const QString text = hand.toString();
            QVERIFY(text.startsWith(QStringLiteral("{")) && text.contains(QStringLiteral("}{")));
            QVERIFY(text.contains(QStringLiteral("\"event\":\"gameParameters\"")));
            QVERIFY(text.contains(QStringLiteral("\"handStatus\":500")));
        }

        // The server checks after every hand that no chip got lost.
        QVERIFY(PokerdProcess::chipsAddUp(QString::fromLocal8Bit(server.process().readAllStandardError())));
        QVERIFY(run(table.get(), QStringLiteral("gameLeave")));
        QVERIFY(closed.wait(60000));
        // Nothing left at the table; the balance holds what was brought back.
        const QPair<double, double> after = userInfo(lobby.get());
        QCOMPARE(after.second, 0.0);
        QVERIFY2(qFuzzyCompare(after.first + 1, 1000.0 - bought + myStack + 1),
                 qPrintable(QStringLiteral("balance %1, bought %2, left with %3")
                                .arg(after.first)
                                .arg(bought)
                                .arg(myStack)));
        table->stopRefresh();
        lobby->stopRefresh();
    }

    void silentPlayerIsSatOut()
    {
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.path(), {"--action-timeout", "1"}));
        auto client = connectedClient(server.port());
        QVERIFY(login(client.get(), "demo7"));
        QSignalSpy requests(client.get(), &Client::actionRequest);
        QSignalSpy folds(client.get(), &Client::actionFold);
        QSignalSpy checks(client.get(), &Client::actionCheck);
        QSignalSpy status(client.get(), &Client::userStatusChange);
        client->startRefresh();
        QVERIFY(run(client.get(), QStringLiteral("gameJoin"), {QStringLiteral("holdem-nl-050-1")}));
        QVERIFY(run(client.get(), QStringLiteral("userBuyin"), {20.0}));
        // Nobody answers: after two time-outs the seat sits out.
        QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), 60000);
        QCOMPARE(status.last().at(1).toInt(), 2);
        QVERIFY(requests.size() >= 2);
        QVERIFY(folds.size() + checks.size() >= 2);
    }

    void communityDisplayWatches()
    {
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.path(), {"--community-table", "ff:00:00:00:00:01=omaha-pl-1-2"}));
        auto client = connectedClient(server.port());
        QSignalSpy authenticated(client.get(), &Client::authenticateEvent);
        QSignalSpy parameters(client.get(), &Client::gameParametersEvent);
        QSignalSpy dealt(client.get(), &Client::dealHole);
        QVERIFY(run(client.get(), QStringLiteral("authenticate"),
                    {1, QStringList{"", "", "ff:00:00:00:00:01"}, QStringLiteral("en_US"), 0}));
        client->startRefresh();
        QVERIFY(authenticated.wait(10000));
        QVERIFY(authenticated.last().at(0).toBool());
        QVERIFY(run(client.get(), QStringLiteral("gameJoin"), {QString()}));
        QVERIFY(parameters.wait(10000));
        // The table configured for this terminal, and onlookers see no cards.
        QCOMPARE(parameters.last().at(0).value<VeskGames::GameParameters>().type, 0x1002);
        QTRY_VERIFY_WITH_TIMEOUT(!dealt.isEmpty(), 30000);
        for (const QVariantList& args : std::as_const(dealt)) {
            for (const VeskGames::Card& card : args.at(1).value<QVector<VeskGames::Card>>())
                QCOMPARE(card.toEncodedChar(), char(0));
        }
    }

    void silentSessionsEnd()
    {
        QTemporaryDir data;
        PokerdProcess server;
        QVERIFY(server.start(data.path(), {"--session-timeout", "1"}));
        auto client = connectedClient(server.port());
        QVERIFY(login(client.get(), "demo6"));
        QVERIFY(run(client.get(), QStringLiteral("gameJoin"), {QStringLiteral("holdem-ante")}));
        QVERIFY(run(client.get(), QStringLiteral("userBuyin"), {30.0}));
        QTest::qWait(2500);
        // The session is gone, and with it the seat: the chips are back in the balance.
        QTest::ignoreMessage(QtWarningMsg, "refresh failed: Not logged in.");
        QVERIFY(!run(client.get(), QStringLiteral("refresh")));
        QVERIFY(login(client.get(), "demo6"));
        QTRY_COMPARE_WITH_TIMEOUT(userInfo(client.get()).second, 0.0, 20000);
        // A few antes may have gone, but the rest of the 30.00 came home.
        QVERIFY(userInfo(client.get()).first > 970.0);
    }

    void restartKeepsTheMoney()
    {
        QTemporaryDir data;
        QPair<double, double> before;
        {
            PokerdProcess server;
            QVERIFY(server.start(data.path()));
            auto client = connectedClient(server.port());
            QVERIFY(login(client.get(), "demo8"));
            QVERIFY(run(client.get(), QStringLiteral("gameJoin"), {QStringLiteral("omaha-pl-1-2")}));
            QVERIFY(run(client.get(), QStringLiteral("userBuyin"), {60.0}));
            QVERIFY(run(client.get(), QStringLiteral("gameSetting"), {QStringLiteral("sitout")}));
            // Let a hand end so that the chips at the table are written down.
            QSignalSpy status(client.get(), &Client::handStatus);
            client->startRefresh();
            QTRY_VERIFY_WITH_TIMEOUT(
                std::any_of(status.begin(), status.end(),
                            [](const QVariantList& a) { return a.at(0).toInt() == 100; }),
                30000);
            before = userInfo(client.get());
            QCOMPARE(before.first, 940.0);
            server.kill(); // no goodbye: chips are still at the table
        }
        PokerdProcess again;
        QVERIFY(again.start(data.path()));
        auto client = connectedClient(again.port());
        QVERIFY(login(client.get(), "demo8"));
        const QPair<double, double> after = userInfo(client.get());
        QCOMPARE(after.second, 0.0);
        QCOMPARE(after.first, before.first + before.second);
    }

    void aStopWritesWhatWasNotYetWritten()
    {
        QTemporaryDir data;
        {
            PokerdProcess server;
            QVERIFY(server.start(data.path()));
            auto client = connectedClient(server.port());
            QVERIFY(login(client.get(), "demo9"));
            // Settings are written a moment later, in one go: the stop comes first.
            QVERIFY(run(client.get(), QStringLiteral("userSettings"),
                        {true, xmlrpc::Variant(QVariant(QVariantMap{
                                   {QStringLiteral("fourColourDeck"), QStringLiteral("true")}}))}));
            server.process().terminate();
            QVERIFY(server.process().waitForFinished(10000));
            QCOMPARE(server.process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(server.process().exitCode(), 0);
        }
        PokerdProcess again;
        QVERIFY(again.start(data.path()));
        auto client = connectedClient(again.port());
        QVERIFY(login(client.get(), "demo9"));
        QVariant settings;
        QVERIFY(run(client.get(), QStringLiteral("userSettings"), {false}, &settings));
        QCOMPARE(settings.toMap().value(QStringLiteral("fourColourDeck")).toString(), QStringLiteral("true"));
    }
};

QTEST_GUILESS_MAIN(TestPokerdEndToEnd)
#include "tst_pokerdendtoend.moc"
