#include "scriptedhttpserver.h"
#include "xmlrpc/client.h"
#include "xmlrpc/request.h"
#include "xmlrpc/response.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using xmlrpc::Client;
using xmlrpc::Request;
using xmlrpc::Response;
using xmlrpc::Variant;
using Reply = ScriptedHttpServer::Reply;

namespace {

Reply answerWith(const Variant& value)
{
    return ScriptedHttpServer::xml(Response(value).toXml());
}

/// Echoes the method name and the first parameter back.
Reply echo(const ScriptedHttpServer::Received& request)
{
    Request call;
    call.parse(request.body);
    QVariantMap result{{"method", call.methodName()}};
    if (!call.params().isEmpty())
        result.insert("first", static_cast<QVariant>(call.params().first()));
    return answerWith(Variant(result));
}

/// Holds a call to "stuck" until release(); answers any other with its method name.
Reply holdStuckEchoOthers(const ScriptedHttpServer::Received& request)
{
    Request call;
    call.parse(request.body);
    Reply reply = answerWith(Variant(call.methodName()));
    reply.hold = call.methodName() == QLatin1String("stuck");
    return reply;
}

} // namespace

class TestXmlRpcClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<ScriptedHttpServer>();
        QVERIFY(m_server->listen());
        m_client = std::make_unique<Client>();
        m_client->setUrl(m_server->url("/rpc"));
        m_events.clear();
        connect(m_client.get(), &Client::done, this,
                [this](int id, const QVariant&) { m_events.append(QStringLiteral("done %1").arg(id)); });
        connect(m_client.get(), &Client::failed, this, [this](int id, int code, const QString&) {
            m_events.append(QStringLiteral("failed %1 %2").arg(id).arg(code));
        });
        connect(m_client.get(), &Client::warning, this,
                [this](int id) { m_events.append(QStringLiteral("warning %1").arg(id)); });
        connect(m_server.get(), &ScriptedHttpServer::requestReceived, this, [this](int index) {
            Request call;
            call.parse(m_server->received().at(index).body);
            m_events.append("posted " + call.methodName());
        });
    }

    void cleanup()
    {
        m_client.reset();
        m_server.reset();
    }

    void callsGoOutOneAtATime()
    {
        m_server->setHandler(echo);
        const int first = m_client->request("one");
        const int second = m_client->request("two", 2);
        const int third = m_client->request("three", QStringLiteral("x"), 3.5);
        QCOMPARE(second, first + 1);
        QCOMPARE(third, first + 2);
        QVERIFY(!m_client->isIdle());
        QTRY_COMPARE(m_events.size(), 6);
        QCOMPARE(m_events, (QStringList{"posted one", QStringLiteral("done %1").arg(first), "posted two",
                                        QStringLiteral("done %1").arg(second), "posted three",
                                        QStringLiteral("done %1").arg(third)}));
        QVERIFY(m_client->isIdle());
    }

    void secondCallWaitsForTheFirst()
    {
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply reply;
            reply.hold = true;
            return reply;
        });
        m_client->request("slow");
        m_client->request("next");
        QTRY_COMPARE(m_server->heldCount(), 1);
        QTest::qWait(200);
        QCOMPARE(m_server->received().size(), 1);
        m_server->release(answerWith(1));
        QTRY_COMPARE(m_server->received().size(), 2);
        m_server->release(answerWith(2));
        QTRY_COMPARE(m_events.size(), 4);
        QCOMPARE(m_events.at(1), QStringLiteral("done 0"));
    }

    void requestShape()
    {
        m_server->setHandler(echo);
        QSignalSpy done(m_client.get(), &Client::done);
        m_client->request("gameAction", QStringLiteral("fold"), 2);
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(1).toMap().value("first"), QVariant("fold"));

        const ScriptedHttpServer::Received sent = m_server->received().first();
        QCOMPARE(sent.method, QByteArray("POST"));
        QCOMPARE(sent.path, QByteArray("/rpc"));
        QCOMPARE(sent.headers.value("content-type"), QByteArray("text/xml"));
        QCOMPARE(sent.headers.value("content-encoding"), QByteArray("UTF-8"));
        QCOMPARE(sent.headers.value("user-agent"), QByteArray("QXMLRPC"));
        QCOMPARE(sent.headers.value("connection").toLower(), QByteArray("keep-alive"));
        QCOMPARE(sent.headers.value("content-length").toInt(), sent.body.size());
        QCOMPARE(sent.body, Request("gameAction", {QStringLiteral("fold"), 2}).toXml());

        m_client->setUserAgent("Poker/1.0");
        m_client->request("again");
        QTRY_COMPARE(done.size(), 2);
        QCOMPARE(m_server->received().last().headers.value("user-agent"), QByteArray("Poker/1.0"));
    }

    void outcomes_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("code"); // 0: done
        QTest::addColumn<QString>("text");

        QTest::newRow("value") << 200 << Response(Variant(7)).toXml() << 0 << "";
        QTest::newRow("fault") << 200 << Response(12, "Table full").toXml() << 12 << "Table full";
        QTest::newRow("garbage") << 200 << QByteArray("<<<not xml") << -32600
                                 << "Server error: Invalid xml-rpc. \nNot conforming to spec.";
        QTest::newRow("not a response") << 200 << QByteArray("<methodCall/>") << -32600
                                        << "Server error: Invalid xml-rpc. \nNot conforming to spec.";
        QTest::newRow("empty body") << 200 << QByteArray() << -32600
                                    << "Server error: Invalid xml-rpc. \nNot conforming to spec.";
        QTest::newRow("too deep") << 200
                                  << QByteArray(
                                         "<methodResponse><params><param>" +
                                         QByteArray("<value><struct><member><name>a</name>").repeated(70) +
                                         "<value>1</value>" +
                                         QByteArray("</member></struct></value>").repeated(70) +
                                         "</param></params></methodResponse>")
                                  << -32600 << "Server error: Invalid xml-rpc. \nNot conforming to spec.";
        QTest::newRow("HTTP 500") << 500 << Response(Variant(7)).toXml() << -32300 << "";
        QTest::newRow("HTTP 404") << 404 << QByteArray() << -32300 << "";
        QTest::newRow("302 is an answer like any other") << 302 << QByteArray("moved") << -32600 << "";
    }

    void outcomes()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, code);
        QFETCH(QString, text);
        m_server->setHandler([&](const ScriptedHttpServer::Received&) {
            Reply reply = ScriptedHttpServer::xml(body);
            reply.status = status;
            reply.reason = status == 200 ? "OK" : "Whatever";
            if (status == 302)
                reply.headers.append(qMakePair(QByteArray("Location"), m_server->url("/other").toEncoded()));
            return reply;
        });
        QSignalSpy done(m_client.get(), &Client::done);
        QSignalSpy failed(m_client.get(), &Client::failed);
        const int id = m_client->request("m");
        QTRY_COMPARE(done.size() + failed.size(), 1);
        QTest::qWait(50);
        QCOMPARE(done.size() + failed.size(), 1);
        if (code == 0) {
            QCOMPARE(done.at(0).at(0).toInt(), id);
            QCOMPARE(done.at(0).at(1), QVariant(7));
            return;
        }
        QCOMPARE(failed.at(0).at(0).toInt(), id);
        QCOMPARE(failed.at(0).at(1).toInt(), code);
        if (!text.isEmpty())
            QCOMPARE(failed.at(0).at(2).toString(), text);
        else
            QVERIFY(!failed.at(0).at(2).toString().isEmpty());
        QCOMPARE(m_server->received().size(), 1);
    }

    void refusedConnection()
    {
        const QUrl closed = m_server->url();
        m_server.reset(); // nobody listens there now
        m_client->setUrl(closed);
        QSignalSpy failed(m_client.get(), &Client::failed);
        const int id = m_client->request("m");
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), id);
        QCOMPARE(failed.at(0).at(1).toInt(), -32300);
    }

    void permanentRedirect_data()
    {
        QTest::addColumn<QByteArray>("finalBody");
        QTest::addColumn<int>("code");
        QTest::newRow("answered") << Response(Variant(QStringLiteral("ok"))).toXml() << 0;
        QTest::newRow("fault after redirect") << Response(3, "no").toXml() << 3;
    }

    void permanentRedirect()
    {
        QFETCH(QByteArray, finalBody);
        QFETCH(int, code);
        m_server->setHandler([&](const ScriptedHttpServer::Received& request) {
            if (request.path == "/rpc") {
                Reply moved;
                moved.status = 301;
                moved.reason = "Moved Permanently";
                moved.headers.append(qMakePair(QByteArray("Location"), QByteArray("/moved")));
                return moved;
            }
            return ScriptedHttpServer::xml(finalBody);
        });
        QSignalSpy done(m_client.get(), &Client::done);
        QSignalSpy failed(m_client.get(), &Client::failed);
        const int id = m_client->request("first");
        QTRY_COMPARE(done.size() + failed.size(), 1);
        const QVariantList report = code == 0 ? done.at(0) : failed.at(0);
        QCOMPARE(report.at(0).toInt(), id); // the caller's id, not the re-post's
        if (code != 0)
            QCOMPARE(report.at(1).toInt(), code);
        QCOMPARE(m_client->url(), m_server->url("/moved"));

        // Later calls go straight to the new address.
        const int later = m_client->request("second");
        QTRY_COMPARE(done.size() + failed.size(), 2);
        const QList<ScriptedHttpServer::Received> seen = m_server->received();
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen.at(1).path, QByteArray("/moved"));
        QCOMPARE(seen.at(2).path, QByteArray("/moved"));
        QCOMPARE(seen.at(1).body, seen.at(0).body);
        const QVariantList second = code == 0 ? done.at(1) : failed.at(1);
        QCOMPARE(second.at(0).toInt(), later);
    }

    void redirectsInCirclesFail()
    {
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply moved;
            moved.status = 301;
            moved.reason = "Moved Permanently";
            moved.headers.append(qMakePair(QByteArray("Location"), QByteArray("/rpc")));
            return moved;
        });
        QSignalSpy done(m_client.get(), &Client::done);
        QSignalSpy failed(m_client.get(), &Client::failed);
        const int id = m_client->request("round");
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), id);
        QCOMPARE(failed.at(0).at(1).toInt(), int(Client::TransportFailure));
        QVERIFY(failed.at(0).at(2).toString().startsWith("Too many redirects"));
        QCOMPARE(m_server->received().size(), Client::MaximumRedirects + 1);
        QCOMPARE(done.size(), 0);
        // The next call starts with a fresh count.
        m_client->request("again");
        QTRY_COMPARE(failed.size(), 2);
        QCOMPARE(m_server->received().size(), 2 * (Client::MaximumRedirects + 1));
    }

    void redirectWithoutTargetIsAnAnswer()
    {
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply moved = ScriptedHttpServer::xml(Response(Variant(5)).toXml());
            moved.status = 301;
            return moved;
        });
        QSignalSpy done(m_client.get(), &Client::done);
        m_client->request("m");
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(1), QVariant(5));
        QCOMPARE(m_server->received().size(), 1);
    }

    void warningComesOnce()
    {
        m_client->setWarningTimeout(1);
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply reply = answerWith(1);
            reply.delayMs = 2600;
            return reply;
        });
        const int id = m_client->request("slow");
        QTRY_COMPARE_WITH_TIMEOUT(m_events.size(), 3, 10000);
        QCOMPARE(m_events, (QStringList{"posted slow", QStringLiteral("warning %1").arg(id),
                                        QStringLiteral("done %1").arg(id)}));
    }

    void noWarningWhenSwitchedOff()
    {
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply reply = answerWith(1);
            reply.delayMs = 1500;
            return reply;
        });
        QSignalSpy warning(m_client.get(), &Client::warning);
        QSignalSpy done(m_client.get(), &Client::done);
        m_client->request("slow");
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 10000);
        QCOMPARE(warning.size(), 0);
    }

    void abortedCallLetsTheNextGo()
    {
        m_client->setTimeout(1);
        m_server->setHandler(holdStuckEchoOthers);
        QSignalSpy done(m_client.get(), &Client::done);
        QSignalSpy failed(m_client.get(), &Client::failed);
        const int stuck = m_client->request("stuck");
        const int next = m_client->request("next");
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 10000);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), stuck);
        QCOMPARE(failed.at(0).at(1).toInt(), -32300);
        QCOMPARE(done.at(0).at(0).toInt(), next);

        // The server answers the abandoned call after all: nobody hears of it.
        m_server->release(answerWith(Variant(QStringLiteral("late"))));
        QTest::qWait(300);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(done.size(), 1);
        QVERIFY(m_client->isIdle());
    }

    void timerFiringEarlyIsRestarted()
    {
        m_client->setTimeout(5);
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply reply = answerWith(1);
            reply.hold = true;
            return reply;
        });
        QSignalSpy failed(m_client.get(), &Client::failed);
        QSignalSpy done(m_client.get(), &Client::done);
        m_client->request("m");
        QTRY_COMPARE(m_server->heldCount(), 1);

        QTimer* abortTimer = nullptr;
        for (QTimer* timer : m_client->findChildren<QTimer*>()) {
            if (timer->interval() == 5000)
                abortTimer = timer;
        }
        QVERIFY(abortTimer);
        QVERIFY(QMetaObject::invokeMethod(abortTimer, "timeout"));
        QCOMPARE(failed.size(), 0);
        QVERIFY(abortTimer->isActive());
        QVERIFY(abortTimer->remainingTime() > 4500);

        m_server->release(answerWith(1));
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(failed.size(), 0);
    }

    void responseSizeLimit_data()
    {
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<bool>("withoutLength");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("within") << 900 << false << true;
        QTest::newRow("announced too large") << 5000 << false << false;
        QTest::newRow("too large, no length") << 5000 << true << false;
        QTest::newRow("large body, no length") << 20 * 1024 * 1024 << true << false;
    }

    void responseSizeLimit()
    {
        QFETCH(int, bodySize);
        QFETCH(bool, withoutLength);
        QFETCH(bool, accepted);
        m_client->setMaximumResponseSize(1000);
        QCOMPARE(m_client->maximumResponseSize(), qint64(1000));
        m_server->setHandler([&](const ScriptedHttpServer::Received&) {
            const QByteArray head = "<methodResponse><params><param><value><string>";
            const QByteArray tail = "</string></value></param></params></methodResponse>";
            Reply reply = ScriptedHttpServer::xml(
                head + QByteArray(qMax(0, bodySize - int(head.size() + tail.size())), 'x') + tail);
            reply.withoutLength = withoutLength;
            return reply;
        });
        QSignalSpy done(m_client.get(), &Client::done);
        QSignalSpy failed(m_client.get(), &Client::failed);
        m_client->request("big");
        QTRY_COMPARE_WITH_TIMEOUT(done.size() + failed.size(), 1, 20000);
        if (accepted) {
            QCOMPARE(done.size(), 1);
            return;
        }
        QCOMPARE(failed.at(0).at(1).toInt(), -32300);
        QVERIFY2(failed.at(0).at(2).toString().contains("larger than 1000 bytes"),
                 qPrintable(failed.at(0).at(2).toString()));
        // The client goes on working.
        m_server->setHandler(echo);
        m_client->request("after");
        QTRY_COMPARE(done.size(), 1);
    }

    void managerReplacedWithCallInFlight_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("own manager replaced") << "replace own";
        QTest::newRow("old one scheduled for deletion, then replaced") << "deleteLater then replace";
        QTest::newRow("old one deleted, then replaced") << "delete then replace";
        QTest::newRow("old one deleted by its owner") << "delete only";
    }

    void managerReplacedWithCallInFlight()
    {
        QFETCH(QString, how);
        m_server->setHandler(holdStuckEchoOthers);
        QSignalSpy done(m_client.get(), &Client::done);
        QSignalSpy failed(m_client.get(), &Client::failed);

        auto* external = new QNetworkAccessManager;
        if (how != QLatin1String("replace own")) {
            // Start on a manager someone else owns, as the server link does.
            m_client->setNetworkAccessManager(external);
        }
        const int stuck = m_client->request("stuck");
        const int queued = m_client->request("queued");
        QTRY_COMPARE(m_server->heldCount(), 1);

        QPointer<QNetworkAccessManager> old =
            how == QLatin1String("replace own") ? m_client->networkAccessManager() : external;
        QElapsedTimer clock;
        clock.start();
        if (how == QLatin1String("deleteLater then replace")) {
            old->deleteLater();
            m_client->setNetworkAccessManager(new QNetworkAccessManager(m_client.get()));
        } else if (how == QLatin1String("delete then replace")) {
            delete old.data();
            m_client->setNetworkAccessManager(new QNetworkAccessManager(m_client.get()));
        } else if (how == QLatin1String("delete only")) {
            delete old.data();
        } else {
            m_client->setNetworkAccessManager(new QNetworkAccessManager(m_client.get()));
            delete external;
        }

        // The stuck call fails at once; "queued" goes on through the new manager,
        // or stays queued when there is none.
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), stuck);
        QCOMPARE(failed.at(0).at(1).toInt(), -32300);
        if (how == QLatin1String("delete only")) {
            QVERIFY(!m_client->isIdle());
            m_client->setNetworkAccessManager(new QNetworkAccessManager(m_client.get()));
        }
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 1000);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(done.at(0).at(0).toInt(), queued);
        QCOMPARE(done.at(0).at(1), QVariant("queued"));
        QTRY_VERIFY(old.isNull());

        // The server answers the dropped call after all: nobody hears of it.
        m_server->release(answerWith(Variant(QStringLiteral("late"))));
        m_client->request("after");
        QTRY_COMPARE(done.size(), 2);
        QCOMPARE(failed.size(), 1);
        QVERIFY(m_client->isIdle());
    }

    void destroyedWithCallsPending()
    {
        m_server->setHandler([](const ScriptedHttpServer::Received&) {
            Reply reply;
            reply.hold = true;
            return reply;
        });
        m_client->request("a");
        m_client->request("b");
        QTRY_COMPARE(m_server->heldCount(), 1);
        m_client.reset();
        QTest::qWait(100);
        QCOMPARE(m_events, QStringList{"posted a"});
    }

private:
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<Client> m_client;
    QStringList m_events;
};

QTEST_GUILESS_MAIN(TestXmlRpcClient)
#include "tst_xmlrpcclient.moc"
