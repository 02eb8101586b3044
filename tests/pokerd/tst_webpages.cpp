// The web pages on the server's port, over real HTTP: the cashier reached
// with a ticket from userTicket, its top-up form, help, and what is refused.
#include "accountstore.h"
#include "httpserver.h"
#include "passwordhash.h"
#include "pokerserver.h"
#include "xmlrpc/response.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Pokerd;

namespace {

const QString kDigest = PasswordHash::digestOf(QStringLiteral("demo"));
const QByteArray kExpired = "This link has expired";

struct Reply
{
    int status = 0;
    QByteArray head;
    QByteArray body;

    QByteArray header(const QByteArray& name) const
    {
        for (const QByteArray& line : head.split('\n')) {
            if (line.toLower().startsWith(name.toLower() + ':'))
                return line.mid(name.size() + 1).trimmed();
        }
        return QByteArray();
    }
};

/// Splits what came back into whole answers; \a bodiless marks answers to HEAD.
QList<Reply> parse(QByteArray data, const QList<bool>& bodiless)
{
    QList<Reply> replies;
    while (!data.isEmpty()) {
        const qsizetype end = data.indexOf("\r\n\r\n");
        if (end < 0)
            break;
        Reply r;
        r.head = data.left(end);
        r.status = r.head.startsWith("HTTP/1.1 ") ? r.head.mid(9, 3).toInt() : -1;
        const qsizetype length = bodiless.value(replies.size()) ? 0 : r.header("Content-Length").toLongLong();
        if (data.size() < end + 4 + length)
            break;
        r.body = data.mid(end + 4, length);
        data.remove(0, end + 4 + length);
        replies.append(r);
    }
    return replies;
}

QByteArray form(const QByteArray& path, const QByteArray& body)
{
    return "POST " + path + " HTTP/1.1\r\nHost: x\r\nContent-Type: application/x-www-form-urlencoded\r\n" +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace

class TestWebPages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AccountStore> m_accounts;
    std::unique_ptr<PokerServer> m_server;
    std::unique_ptr<HttpServer> m_http;

    /// Sends \a requests on one connection and waits for \a count answers.
    QList<Reply> exchange(const QByteArray& requests, int count = 1, const QList<bool>& bodiless = {})
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_http->port());
        QByteArray data;
        QList<Reply> replies;
        bool sent = false;
        // The server runs in this thread: wait with its events going, never on the socket alone.
        (void)QTest::qWaitFor(
            [&] {
                if (!sent && socket.state() == QAbstractSocket::ConnectedState) {
                    socket.write(requests);
                    sent = true;
                }
                data += socket.readAll();
                const bool closed = sent && socket.state() == QAbstractSocket::UnconnectedState;
                replies = parse(data, bodiless);
                return replies.size() >= count || closed;
            },
            5000);
        return replies;
    }

    Reply get(const QByteArray& target)
    {
        return exchange("GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n").value(0);
    }

    Reply topUp(const QByteArray& body) { return exchange(form("/cashier/topup", body)).value(0); }

    QString login(const QString& user, const QString& digest = kDigest)
    {
        QString session;
        m_server->call("authenticate", {1, QStringList{user, digest, "t"}, QString("en_US"), 0}, QString(),
                       &session, QStringLiteral("127.0.0.1"));
        return session;
    }

    /// userTicket asked for over HTTP with the session's cookie.
    QVariant ticketFor(const QString& session)
    {
        const QByteArray call = "<?xml version=\"1.0\"?><methodCall><methodName>userTicket</methodName>"
                                "<params></params></methodCall>";
        const Reply r = exchange("POST /RPC2 HTTP/1.1\r\nHost: x\r\nCookie: sessionId=" + session.toLatin1() +
                                 "\r\nContent-Length: " + QByteArray::number(call.size()) + "\r\n\r\n" + call)
                            .value(0);
        xmlrpc::Response response;
        if (r.status != 200 || !response.parse(r.body) || response.isFault())
            return QVariant();
        return response.value();
    }

    /// Buys \a amount of chips for the quiet table, as the client does before it joins.
    bool buyIn(const QString& session, double amount)
    {
        QString unused;
        return m_server->call("userBuyin", {amount, QStringLiteral("quiet")}, session, &unused)
            .value()
            .toBool();
    }

    static QByteArray tokenIn(const QByteArray& page)
    {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("name=\"token\" value=\"([^\"]+)\""))
                .match(QString::fromUtf8(page));
        return m.captured(1).toLatin1();
    }

private Q_SLOTS:
    void init()
    {
        m_accounts = std::make_unique<AccountStore>(m_dir.path() + "/" + QTest::currentTestFunction() +
                                                    QTest::currentDataTag());
        QString error;
        QVERIFY2(m_accounts->open(&error), qPrintable(error));
        QVERIFY(m_accounts->addDemoUsers());
        TableConfig quiet;
        quiet.id = QStringLiteral("quiet");
        quiet.name = QStringLiteral("Quiet <NL> & friends");
        quiet.seats = 2;
        quiet.bots = 0;
        m_server =
            std::make_unique<PokerServer>(m_accounts.get(), QList<TableConfig>{quiet}, 7, Table::Timing());
        m_http = std::make_unique<HttpServer>(m_server.get());
        QVERIFY(m_http->listen(QHostAddress::LocalHost, 0));
    }

    void cleanup()
    {
        m_http.reset();
        m_server.reset();
        m_accounts.reset();
    }

    void pages_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("shows");
        QTest::addColumn<bool>("closes");
        const QByteArray end = " HTTP/1.1\r\nHost: x\r\n\r\n";
        QTest::newRow("help") << "GET /help" + end << 200 << QByteArray("demo10") << false;
        QTest::newRow("help, HTTP/1.0")
            << QByteArray("GET /help HTTP/1.0\r\n\r\n") << 200 << QByteArray("<code>demo</code>") << true;
        QTest::newRow("help names the tables, escaped")
            << "GET /help" + end << 200 << QByteArray("Quiet &lt;NL&gt; &amp; friends") << false;
        QTest::newRow("unknown page")
            << "GET /cashier/../etc/passwd" + end << 404 << QByteArray("/help") << false;
        QTest::newRow("root") << "GET /" + end << 404 << QByteArray("no such page") << false;
        QTest::newRow("made-up ticket")
            << "GET /cashier?ticket=0123456789abcdef0123456789abcdef" + end << 403 << kExpired << false;
        QTest::newRow("no ticket") << "GET /cashier" + end << 403 << kExpired << false;
        QTest::newRow("markup for a ticket")
            << "GET /cashier?ticket=%3Cscript%3E" + end << 403 << kExpired << false;
        QTest::newRow("top-up by GET") << "GET /cashier/topup?token=x" + end << 404 << QByteArray() << false;
        QTest::newRow("top-up without a token") << form("/cashier/topup", "") << 403 << kExpired << false;
        QTest::newRow("PUT") << "PUT /help" + end << 405 << QByteArray("Not something") << true;
        QTest::newRow("DELETE") << "DELETE /cashier" + end << 405 << QByteArray() << true;
        // The partner edition's pages, in its language.
        const auto zh = [](const char* text) { return QString::fromUtf8(text).toUtf8(); };
        QTest::newRow("partner news") << "GET /partner/news" + end << 200 << zh("最新消息") << false;
        QTest::newRow("partner news links stay on the site")
            << "GET /partner/news" + end << 200 << QByteArray("href=\"/partner/promotions\"") << false;
        QTest::newRow("lost password") << "GET /partner/password" + end << 200 << zh("找回密码") << false;
        QTest::newRow("sign-up names the nickname")
            << "GET /partner/register" + end << 200 << zh("昵称") << false;
        QTest::newRow("promotions") << "GET /partner/promotions" + end << 200 << zh("每晚免费锦标赛")
                                    << false;
        QTest::newRow("poker school") << "GET /partner/school" + end << 200 << zh("皇家同花顺") << false;
        QTest::newRow("partner account without a ticket")
            << "GET /partner/account" + end << 403 << zh("链接已过期") << false;
        QTest::newRow("web lobby, made-up ticket")
            << "GET /partner/lobby?ticket=0123456789abcdef0123456789abcdef" + end << 403 << zh("链接已过期")
            << false;
        QTest::newRow("partner, unknown page")
            << "GET /partner/admin" + end << 404 << zh("页面不存在") << false;
        QTest::newRow("partner, a path outside")
            << "GET /partner/../cashier" + end << 404 << QByteArray() << false;
    }

    void pages()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(QByteArray, shows);
        QFETCH(bool, closes);
        const Reply r = exchange(request).value(0);
        QCOMPARE(r.status, status);
        QVERIFY2(r.body.contains(shows), r.body.constData());
        QVERIFY(r.body.startsWith("<!DOCTYPE html>"));
        QCOMPARE(r.header("Connection"), closes ? QByteArray("close") : QByteArray("keep-alive"));
        QCOMPARE(r.header("Content-Type"), QByteArray("text/html; charset=utf-8"));
        QCOMPARE(r.header("Cache-Control"), QByteArray("no-store"));
        QCOMPARE(r.header("X-Content-Type-Options"), QByteArray("nosniff"));
        QCOMPARE(r.header("Content-Security-Policy"),
                 QByteArray("default-src 'none'; style-src 'unsafe-inline'; form-action 'self'"));
        QCOMPARE(r.header("Referrer-Policy"), QByteArray("no-referrer"));
        if (status == 405)
            QCOMPARE(r.header("Allow"), QByteArray("GET, HEAD, POST"));
        // Nothing the page would fetch: the policy would block it anyway.
        QVERIFY(!r.body.contains("src=") && !r.body.contains("<link") && !r.body.contains("<script"));
    }

    void pagesAndCallsShareAConnection()
    {
        const QByteArray ping = "<?xml version=\"1.0\"?><methodCall><methodName>ping</methodName>"
                                "<params></params></methodCall>";
        const QList<Reply> replies = exchange("HEAD /help HTTP/1.1\r\n\r\nGET /help HTTP/1.1\r\n\r\n"
                                              "POST / HTTP/1.1\r\nContent-Length: " +
                                                  QByteArray::number(ping.size()) + "\r\n\r\n" + ping,
                                              3, {true, false, false});
        QCOMPARE(replies.size(), 3);
        // HEAD: the headers of the page and not a byte more, or the answers after it would be misread.
        for (const Reply& r : replies)
            QCOMPARE(r.status, 200);
        QCOMPARE(replies.at(0).header("Content-Length").toInt(), replies.at(1).body.size());
        QVERIFY(replies.at(1).body.contains("demo1"));
        xmlrpc::Response pong;
        QVERIFY(pong.parse(replies.at(2).body));
        QCOMPARE(pong.value().toBool(), true);
    }

    void theCashierOpensOncePerTicket()
    {
        const QString session = login("demo1");
        const QString ticket = ticketFor(session).toString();
        QVERIFY(!ticket.isEmpty());
        QVERIFY(buyIn(session, 25.0));
        const Reply first = get("/cashier?ticket=" + ticket.toLatin1());
        QCOMPARE(first.status, 200);
        QVERIFY(first.body.contains("<h1>demo1</h1>"));
        QVERIFY(first.body.contains("975.00"));
        QVERIFY(first.body.contains("25.00"));
        QVERIFY(first.body.contains("1,000.00"));
        const Reply again = get("/cashier?ticket=" + ticket.toLatin1());
        QCOMPARE(again.status, 403);
        QVERIFY(again.body.contains(kExpired));
        QVERIFY(!again.body.contains("demo1"));

        // At the starting amount there is nothing to top up.
        const Reply full = get("/cashier?ticket=" + ticketFor(login("demo2")).toByteArray());
        QCOMPARE(full.status, 200);
        QVERIFY(tokenIn(full.body).isEmpty());
        // An onlooker has no account, so no ticket.
        const QVariant onlooker = ticketFor(login(QString(), QString()));
        QCOMPARE(onlooker.metaType().id(), QMetaType::Bool);
        QCOMPARE(onlooker.toBool(), false);
    }

    void namesCannotCarryMarkup()
    {
        QFile users(m_dir.filePath("hostile.json"));
        QVERIFY(users.open(QIODevice::WriteOnly));
        const QString hostile = QStringLiteral("<img src=x onerror=alert(1)>\"&'");
        users.write(
            QJsonDocument(QJsonArray{QJsonObject{{"name", hostile}, {"password", "pw"}, {"balance", 5}}})
                .toJson());
        users.close();
        QString error;
        QVERIFY2(m_accounts->addUsers(users.fileName(), &error), qPrintable(error));
        const QString session = login(hostile, PasswordHash::digestOf("pw"));
        const Reply r = get("/cashier?ticket=" + ticketFor(session).toByteArray());
        QCOMPARE(r.status, 200);
        QVERIFY2(r.body.contains("&lt;img src=x onerror=alert(1)&gt;&quot;&amp;'"), r.body.constData());
        QVERIFY(!r.body.contains("<img"));
        for (const QByteArray& path : {QByteArray("/partner/account"), QByteArray("/partner/lobby")}) {
            const Reply partner = get(path + "?ticket=" + ticketFor(session).toByteArray());
            QCOMPARE(partner.status, 200);
            QVERIFY2(partner.body.contains("&lt;img src=x onerror=alert(1)&gt;"), partner.body.constData());
            QVERIFY(!partner.body.contains("<img"));
        }
    }

    void thePartnerAccountAndLobbyOpenOncePerTicket()
    {
        const QString session = login("demo4");
        QVERIFY(buyIn(session, 25.0));
        const QByteArray ticket = ticketFor(session).toByteArray();
        const Reply account = get("/partner/account?ticket=" + ticket);
        QCOMPARE(account.status, 200);
        QVERIFY(account.body.contains("<h1>demo4</h1>"));
        QVERIFY(account.body.contains("975.00"));
        QVERIFY(account.body.contains("lang=\"zh-CN\""));
        // Below the starting amount: the top-up form, with a token of its own.
        const QByteArray token = tokenIn(account.body);
        QVERIFY(!token.isEmpty() && token != ticket);
        QCOMPARE(get("/partner/account?ticket=" + ticket).status, 403);
        QCOMPARE(get("/partner/lobby?ticket=" + ticket).status, 403);
        QCOMPARE(topUp("token=" + token).status, 200);
        QCOMPARE(m_accounts->account("demo4").balance, Cents(100000));

        const Reply lobby = get("/partner/lobby?ticket=" + ticketFor(session).toByteArray());
        QCOMPARE(lobby.status, 200);
        QVERIFY(lobby.body.contains("Quiet &lt;NL&gt; &amp; friends"));
        QVERIFY(lobby.body.contains("/2</td>"));
        QVERIFY(lobby.body.contains(QString::fromUtf8("demo4，欢迎回来").toUtf8()));
    }

    void toppingUp()
    {
        const QString session = login("demo3");
        QVERIFY(buyIn(session, 60.0));
        QCOMPARE(m_accounts->account("demo3").balance, Cents(94000));
        const QByteArray ticket = ticketFor(session).toByteArray();
        const Reply cashier = get("/cashier?ticket=" + ticket);
        QCOMPARE(cashier.status, 200);
        const QByteArray token = tokenIn(cashier.body);
        QVERIFY2(!token.isEmpty(), cashier.body.constData());
        QVERIFY(token != ticket);

        const int writes = m_accounts->writeCount();
        const Reply done = topUp("token=" + token);
        QCOMPARE(done.status, 200);
        QVERIFY(done.body.contains("1,000.00"));
        // Saved like every other change, and the chips at the table left alone.
        QCOMPARE(m_accounts->account("demo3").balance, Cents(100000));
        QCOMPARE(m_accounts->account("demo3").atTables, Cents(6000));
        QCOMPARE(m_accounts->writeCount(), writes + 1);
        QVERIFY(!m_accounts->hasUnwrittenChanges());
        QString unused;
        m_server->call("userInfo", {}, session, &unused);
        const QVariantList events = m_server->call("refresh", {}, session, &unused).value().toList();
        QCOMPARE(events.last().toMap().value("balance").toDouble(), 1000.0);

        // Below the start again, the same form sent once more moves nothing.
        QVERIFY(buyIn(session, 30.0));
        const Reply replayed = topUp("token=" + token);
        QCOMPARE(replayed.status, 403);
        QVERIFY(replayed.body.contains(kExpired));
        QCOMPARE(m_accounts->account("demo3").balance, Cents(97000));
    }

    void topUpsRefuseOtherTokens_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("the page's ticket") << QByteArray("token=%ticket");
        QTest::newRow("made up") << QByteArray("token=0123456789abcdef0123456789abcdef");
        QTest::newRow("ticket, other field") << QByteArray("ticket=%ticket");
        QTest::newRow("empty token") << QByteArray("token=");
        QTest::newRow("not a form") << QByteArray("\x01\xff\xfe%%%");
    }

    void topUpsRefuseOtherTokens()
    {
        QFETCH(QByteArray, body);
        const QString session = login("demo4");
        QVERIFY(buyIn(session, 50.0));
        const QByteArray ticket = ticketFor(session).toByteArray();
        const Reply r = topUp(body.replace("%ticket", ticket));
        QCOMPARE(r.status, 403);
        QCOMPARE(m_accounts->account("demo4").balance, Cents(95000));
    }
};

QTEST_GUILESS_MAIN(TestWebPages)
#include "tst_webpages.moc"
