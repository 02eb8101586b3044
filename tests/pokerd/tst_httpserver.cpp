// The HTTP side of the server as clients of every kind meet it: malformed,
// slow, greedy, too many.
#include "accountstore.h"
#include "httpserver.h"
#include "pokerserver.h"

#include <QDir>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Pokerd;

namespace {

QByteArray post(const QByteArray& body, const QByteArray& cookie)
{
    const QByteArray sent = cookie.isEmpty() ? QByteArray() : "Cookie: " + cookie + "\r\n";
    return "POST / HTTP/1.1\r\nContent-Type: text/xml\r\n" + sent +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray call(const QByteArray& method, const QByteArray& params = QByteArray(),
                const QByteArray& cookie = QByteArray())
{
    return post("<?xml version=\"1.0\"?><methodCall><methodName>" + method + "</methodName><params>" +
                    params + "</params></methodCall>",
                cookie);
}

/// A client connected from \a from; null when the connection did not come up.
std::unique_ptr<QTcpSocket> connectFrom(const QHostAddress& from, quint16 port)
{
    auto socket = std::make_unique<QTcpSocket>();
    if (!socket->bind(from))
        return nullptr;
    socket->connectToHost(QHostAddress::LocalHost, port);
    if (!socket->waitForConnected(3000))
        return nullptr;
    return socket;
}

/// Whether \a socket gets an answer to a ping.
bool answersPing(QTcpSocket* socket)
{
    socket->write(call("ping"));
    QByteArray answer;
    // The server runs in this thread: wait with its events going.
    (void)QTest::qWaitFor(
        [&] {
            answer += socket->readAll();
            return answer.contains("</methodResponse>") ||
                   socket->state() == QAbstractSocket::UnconnectedState;
        },
        3000);
    return answer.startsWith("HTTP/1.1 200") && answer.contains("</methodResponse>");
}

} // namespace

class TestHttpServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AccountStore> m_accounts;
    std::unique_ptr<PokerServer> m_server;
    std::unique_ptr<HttpServer> m_http;

private Q_SLOTS:
    void init()
    {
        m_accounts = std::make_unique<AccountStore>(m_dir.path() + "/" + QTest::currentTestFunction() +
                                                    QTest::currentDataTag());
        QString error;
        QVERIFY2(m_accounts->open(&error), qPrintable(error));
        TableConfig quiet;
        quiet.id = QStringLiteral("quiet");
        quiet.name = quiet.id;
        quiet.seats = 2;
        quiet.bots = 0;
        m_server =
            std::make_unique<PokerServer>(m_accounts.get(), QList<TableConfig>{quiet}, 7, Table::Timing());
        m_http = std::make_unique<HttpServer>(m_server.get());
        m_http->setIdleTimeout(300);
        QVERIFY(m_http->listen(QHostAddress::LocalHost, 0));
    }

    void cleanup()
    {
        m_http.reset();
        m_server.reset();
        m_accounts.reset();
    }

    void httpRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("status");
        QTest::newRow("length not a number")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: 12abc\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("negative length")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: -5\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("no length") << QByteArray("POST / HTTP/1.1\r\n\r\n") << QByteArray("HTTP/1.1 411");
        QTest::newRow("too long") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n")
                                  << QByteArray("HTTP/1.1 413");
        QTest::newRow("slow headers") << QByteArray("POST / HTTP/1.1\r\nContent-Le") << QByteArray();
        QTest::newRow("no version") << QByteArray("GET /help\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("not HTTP") << QByteArray("GET /help SPDY/3\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("chunked") << QByteArray("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\n")
                                 << QByteArray("HTTP/1.1 501");
        QTest::newRow("long address") << "GET /help?" + QByteArray(9000, 'a') + " HTTP/1.1\r\n\r\n"
                                      << QByteArray("HTTP/1.1 414");
        QTest::newRow("page with a large body")
            << QByteArray("GET /help HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n")
            << QByteArray("HTTP/1.1 413");
        QTest::newRow("address not a path")
            << QByteArray("GET help HTTP/1.1\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("address with spaces")
            << QByteArray("GET /he lp HTTP/1.1\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("half a page body")
            << QByteArray("GET /help HTTP/1.1\r\nContent-Length: 10\r\n\r\nabc") << QByteArray();
    }

    void httpRefusesWhatItCannotRead()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, status);
        HttpServer& http = *m_http;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, http.port());
        QVERIFY(socket.waitForConnected(3000));
        socket.write(request);
        // Answered and closed, or, for a client that stops half-way, closed after the idle time.
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QAbstractSocket::UnconnectedState, 5000);
        const QByteArray answer = socket.readAll();
        QVERIFY2(status.isEmpty() ? answer.isEmpty() : answer.startsWith(status), answer.constData());
    }
    void aTrickleOfBytesDoesNotKeepAConnection()
    {
        QTcpSocket slow;
        slow.connectToHost(QHostAddress::LocalHost, m_http->port());
        QVERIFY(slow.waitForConnected(3000));
        const QByteArray request = call("ping");
        int sent = 0;
        // A byte every 50 ms, well inside the idle time each, never a whole request in it.
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (slow.state() == QAbstractSocket::UnconnectedState)
                    return true;
                if (sent < request.size())
                    slow.write(request.mid(sent++, 1));
                QTest::qWait(50);
                return false;
            },
            3000));
        QVERIFY(sent < request.size());
    }

    void connectionsAreCapped()
    {
        m_http->setConnectionLimits(5, 3);
        const QHostAddress one(QStringLiteral("127.0.0.1"));
        const QHostAddress other(QStringLiteral("127.0.0.2"));
        std::vector<std::unique_ptr<QTcpSocket>> kept;
        for (int i = 0; i < 3; ++i) {
            kept.push_back(connectFrom(one, m_http->port()));
            QVERIFY(kept.back() && answersPing(kept.back().get()));
        }
        // A fourth from the same address is closed; another address still gets in.
        auto fourth = connectFrom(one, m_http->port());
        QVERIFY(!fourth || !answersPing(fourth.get()));
        for (int i = 0; i < 2; ++i) {
            kept.push_back(connectFrom(other, m_http->port()));
            QVERIFY(kept.back() && answersPing(kept.back().get()));
        }
        // Five in all: the sixth is closed whatever its address.
        auto sixth = connectFrom(other, m_http->port());
        QVERIFY(!sixth || !answersPing(sixth.get()));
        // A connection that closes frees its place.
        kept.front()->disconnectFromHost();
        kept.erase(kept.begin());
        QTest::qWait(100);
        auto again = connectFrom(one, m_http->port());
        QVERIFY(again && answersPing(again.get()));
    }

    void acceptingResumesAfterRunningOutOfFiles()
    {
        rlimit normal{};
        QVERIFY(getrlimit(RLIMIT_NOFILE, &normal) == 0);
        const auto open = rlim_t(
            QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
        rlimit tight = normal;
        tight.rlim_cur = open + 8;
        QVERIFY(setrlimit(RLIMIT_NOFILE, &tight) == 0);
        std::vector<std::unique_ptr<QTcpSocket>> clients;
        for (int i = 0; i < 3; ++i) {
            clients.push_back(std::make_unique<QTcpSocket>());
            clients.back()->connectToHost(QHostAddress::LocalHost, m_http->port());
            QVERIFY(clients.back()->waitForConnected(1000));
        }
        // Every descriptor left taken before the server gets to accept them.
        QList<int> fillers;
        for (int fd = ::open("/dev/null", O_RDONLY); fd >= 0; fd = ::open("/dev/null", O_RDONLY))
            fillers.append(fd);
        QTest::qWait(100);
        for (int fd : std::as_const(fillers))
            ::close(fd);
        QVERIFY(setrlimit(RLIMIT_NOFILE, &normal) == 0);
        // With descriptors to spare again the waiting clients are let in.
        for (const auto& client : clients)
            QVERIFY(answersPing(client.get()));
    }

    void aClientThatDoesNotReadIsNotAnsweredAhead()
    {
        m_http->setIdleTimeout(120000);
        QTcpSocket greedy;
        greedy.connectToHost(QHostAddress::LocalHost, m_http->port());
        QVERIFY(greedy.waitForConnected(3000));
        // An onlooker's session (no account needed) to ask with.
        greedy.write(call("authenticate", "<param><value><int>1</int></value></param>"
                                          "<param><value><array><data><value></value><value></value>"
                                          "<value>screen</value></data></array></value></param>"));
        QByteArray login;
        QVERIFY(QTest::qWaitFor(
            [&] {
                login += greedy.readAll();
                return login.contains("</methodResponse>");
            },
            3000));
        const int at = int(login.indexOf("sessionId="));
        QVERIFY(at > 0);
        const QByteArray cookie = login.mid(at, login.indexOf(';', at) - at);
        // Ten thousand pictures asked for at once, none of the answers read.
        greedy.setReadBufferSize(1);
        const QByteArray one = call("getAvatar", "<param><value><int>2</int></value></param>", cookie);
        greedy.write(one.repeated(10000));
        const auto waiting = [this] {
            qint64 most = 0;
            for (const QTcpSocket* s : m_http->findChildren<QTcpSocket*>())
                most = qMax(most, s->bytesToWrite());
            return most;
        };
        // How soon the kernel's buffers fill depends on the machine's load: wait for it.
        qint64 pending = 0;
        QVERIFY2(QTest::qWaitFor([&] { return (pending = waiting()) > 0; }, 60000),
                 "the server should have answers waiting");
        // Held at the limit plus one answer, instead of every answer at once, for as
        // long as the client does not read.
        for (int look = 0; look < 10; ++look) {
            QTest::qWait(100);
            pending = qMax(pending, waiting());
        }
        QVERIFY2(pending <= HttpServer::MaximumPendingReply + 64 * 1024,
                 qPrintable(QString::number(pending)));

        // Once the client reads, the answers come, all of them.
        greedy.setReadBufferSize(0);
        qint64 received = 0;
        int answers = 0;
        QByteArray tail;
        const auto read = [&] {
            // Counted across chunk boundaries: the last bytes are looked at again.
            const QByteArray chunk = tail + greedy.readAll();
            received += chunk.size() - tail.size();
            answers += int(chunk.count("</methodResponse>")) - int(tail.count("</methodResponse>"));
            tail = chunk.right(20);
            return answers >= 10000;
        };
        QVERIFY(QTest::qWaitFor(read, 120000));
        QCOMPARE(answers, 10000);
        QVERIFY2(received > 10000 * 2000, qPrintable(QString::number(received)));
    }
};

QTEST_GUILESS_MAIN(TestHttpServer)
#include "tst_httpserver.moc"
