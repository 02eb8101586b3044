// The web dialog: how page addresses are completed, that only web pages
// load, that the engine waits for the first page, and a real cashier page
// of the local server opened with a one-time ticket.
#include "client.h"
#include "localresources.h"
#include "pokerdprocess.h"
#include "safewebpage.h"
#include "scriptedhttpserver.h"
#include "servercommand.h"
#include "webdialogitem.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace VeskGames;

class TestWebDialogItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LocalResources::setSearchPaths({QStringLiteral(":")}); }

    void completingAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("completed");
        QTest::newRow("ticket beside an ordinary item")
            << "https://cashier.example/pay?ticket=VeskGames::Ticket&lang=de"
            << "https://cashier.example/pay?ticket=T0K3N&lang=de";
        QTest::newRow("all three")
            << "http://h/p?a=VeskGames::Username&b=VeskGames::Context&c=VeskGames::Ticket"
            << "http://h/p?a=anna%26b%3Dc%20d%2Be&b=kiosk-7&c=T0K3N";
        QTest::newRow("in the path: left alone") << "http://h/VeskGames::Ticket/x?y=1"
                                                 << "http://h/VeskGames::Ticket/x?y=1";
        QTest::newRow("as a key: left alone") << "http://h/p?VeskGames::Ticket=1"
                                              << "http://h/p?VeskGames::Ticket=1";
        QTest::newRow("odd spellings kept") << "http://h/p?x=%7e%41&t=VeskGames%3A%3ATicket&z"
                                            << "http://h/p?x=%7e%41&t=T0K3N&z";
        QTest::newRow("no query") << "http://h/p"
                                  << "http://h/p";
        QTest::newRow("a fragment stays") << "http://h/p?t=VeskGames::Ticket#top"
                                          << "http://h/p?t=T0K3N#top";
    }

    void completingAddresses()
    {
        QFETCH(QString, url);
        QFETCH(QString, completed);
        const QUrl result =
            WebDialogItem::completeUrl(QUrl(url), "T0K3N", "kiosk-7", QStringLiteral("anna&b=c d+e"));
        QCOMPARE(result.toString(QUrl::FullyEncoded), QUrl(completed).toString(QUrl::FullyEncoded));
    }

    void onlyWebPages_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("http") << "http://example.org/" << true;
        QTest::newRow("https") << "HTTPS://example.org/" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("qrc") << "qrc:/table/table.png" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("ftp") << "ftp://example.org/" << false;
    }

    void onlyWebPages()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(SafeWebPage::isAllowed(QUrl(url)), allowed);
    }

    void theEngineWaitsForAPage()
    {
        WebDialogItem idle;
        QVERIFY(!idle.hasWebView());
        // A local file is refused before any engine starts.
        idle.setUrl(QUrl("file:///etc/passwd"));
        QVERIFY(!idle.hasWebView());
        QVERIFY(!WebDialogItem::webEngineStarted());
    }

    void aPlainAddressAsksTheServerNothing()
    {
        ScriptedHttpServer server;
        QVERIFY(server.listen());
        server.setHandler([](const ScriptedHttpServer::Received& request) {
            ScriptedHttpServer::Reply reply;
            reply.headers = {{"Content-Type", "text/html"}};
            reply.body = request.path.startsWith("/page") ? "<html><body>plain page</body></html>" : "";
            return reply;
        });
        Client client;
        client.connect();
        client.setHost(QStringLiteral("127.0.0.1"), server.port());
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* web = new WebDialogItem;
        scene.addItem(web);
        web->setClient(&client);
        QSignalSpy loaded(web, &WebDialogItem::loadFinished);
        web->setUrl(server.url("/page?lang=en"));
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.first().at(0).toBool(), true);
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.received().first().method, QByteArray("GET"));
        QVERIFY(web->isVisible());
        QVERIFY(!web->isLoading());
    }

    void withoutAClientTheTicketIsUnknown()
    {
        ScriptedHttpServer server;
        QVERIFY(server.listen());
        QGraphicsScene scene(0, 0, 1024, 768);
        auto* web = new WebDialogItem;
        scene.addItem(web);
        QSignalSpy loaded(web, &WebDialogItem::loadFinished);
        web->setUrl(server.url("/page?t=VeskGames::Ticket"));
        QVERIFY(loaded.wait(30000));
        QCOMPARE(server.received().first().path, QByteArray("/page?t=unknown"));
    }

    void aRefusedTicketLoadsNothing()
    {
        ScriptedHttpServer server;
        QVERIFY(server.listen());
        server.setHandler([](const ScriptedHttpServer::Received&) {
            ScriptedHttpServer::Reply broken;
            broken.status = 500;
            broken.reason = "Broken";
            return broken;
        });
        Client client;
        client.connect();
        client.setHost(QStringLiteral("127.0.0.1"), server.port());
        WebDialogItem web;
        web.setClient(&client);
        web.setUrl(server.url("/page?t=VeskGames::Ticket"));
        QTRY_VERIFY(!web.isLoading());
        QVERIFY(!web.hasWebView());
        QCOMPARE(server.received().size(), 1); // the ticket request, no page
    }

    void theCashierOfTheLocalServer()
    {
        QTemporaryDir data;
        PokerdProcess pokerd;
        QVERIFY(pokerd.start(data.path()));
        Client client;
        client.connect();
        client.setHost(QStringLiteral("127.0.0.1"), pokerd.port());
        const QString digest = QCryptographicHash::hash("demo", QCryptographicHash::Sha1).toHex();
        ServerCommand login(
            &client, {1, QStringList{"demo6", digest, "ff:ff:ff:ff:ff:06", "demo"}, QString("en_US"), 0},
            "authenticate");
        QSignalSpy loggedIn(&login, &Command::done);
        login.exec();
        QVERIFY(loggedIn.wait(10000) && !login.hasError());

        QGraphicsScene scene(0, 0, 1024, 768);
        QGraphicsView view(&scene);
        view.resize(1024, 768);
        view.show();
        auto* web = new WebDialogItem;
        scene.addItem(web);
        web->setClient(&client);
        QSignalSpy loaded(web, &WebDialogItem::loadFinished);
        web->setUrl(
            QUrl(QStringLiteral("http://127.0.0.1:%1/cashier?ticket=VeskGames::Ticket").arg(pokerd.port())));
        QVERIFY(loaded.wait(30000));
        QCOMPARE(loaded.first().at(0).toBool(), true);
        const QString ticket = QUrlQuery(web->loadedUrl()).queryItemValue("ticket");
        QVERIFY2(ticket.size() >= 16 && ticket != "VeskGames::Ticket", qPrintable(ticket));
        // The page knows the player by the ticket alone.
        QString text;
        const auto views = web->childItems();
        QWebEngineView* engineView = nullptr;
        for (QGraphicsItem* item : views) {
            if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item))
                engineView = qobject_cast<QWebEngineView*>(proxy->widget());
        }
        QVERIFY(engineView);
        engineView->page()->toPlainText([&text](const QString& plain) { text = plain; });
        QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), 10000);
        QVERIFY2(text.contains("demo6"), qPrintable(text));
        QVERIFY2(text.contains("1,000") || text.contains("1000"), qPrintable(text));
    }
};

int main(int argc, char** argv)
{
    // The web engine shares its drawing context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWebDialogItem test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webdialogitem.moc"
