// The player program when its server goes away: killed and started again
// while the player sits at a table, the program restarting itself as a real
// second process that finds its way back to the seat; and the log-in a kiosk
// hands over, well-formed or not.
#include "defaulttheme.h"
#include "localresources.h"
#include "playerprogram.h"
#include "pokerdprocess.h"
#include "pushbuttonitem.h"
#include "scriptedhttpserver.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <csignal>

using namespace VeskGames;
using PlayerTest::Program;

namespace {

/// What the account file says is at tables for \a user, in cents; -1 before anything is.
double chipsAtTables(const QString& dataDir, const QString& user)
{
    QFile file(dataDir + "/accounts.json");
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QJsonObject account =
        QJsonDocument::fromJson(file.readAll()).object().value("accounts").toObject().value(user).toObject();
    const QJsonArray seats = account.value("seats").toArray();
    return seats.isEmpty() ? -1 : seats.first().toObject().value("chipsCents").toDouble();
}

/// The chips (stack and bet) the first line of a table state feed that shows
/// a seat named \a name gives it; -1 before there is one.
double chipsInFeed(const QString& path, const QString& name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : file.readAll().split('\n')) {
        for (const QJsonValue& seat : QJsonDocument::fromJson(line).object().value("seats").toArray()) {
            const QJsonObject s = seat.toObject();
            if (s.value("name").toString() == name)
                return s.value("stack").toDouble() + s.value("bet").toDouble();
        }
    }
    return -1;
}

/// Whether the dialog on top offers a button with the text \a text.
bool offers(QGraphicsItem* dialog, const QString& text)
{
    if (!dialog)
        return false;
    const QList<QGraphicsItem*> children = dialog->childItems();
    return std::any_of(children.cbegin(), children.cend(), [&](QGraphicsItem* child) {
        auto* button = dynamic_cast<PushButtonItem*>(child);
        return (button && button->text() == text) || offers(child, text);
    });
}

} // namespace

class TestPlayerReconnect : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_theme;

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<VeskGames::PlayerController*>();
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_theme = std::make_unique<DefaultTheme>();
    }

    void cleanupTestCase() { m_theme.reset(); }

    void serverRestartWhileSeated()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath("data");
        PokerdProcess server;
        QVERIFY(server.start(data, {"--action-timeout", "30"}));
        const quint16 port = server.port();

        auto program = std::make_unique<Program>(port, m_theme.get());
        GameListDialogItem* lobby = program->toLobby("demo6");
        QVERIFY(lobby);
        QPointer<PlayerController> table = program->sitDown(lobby, "holdem-nl-050-1");
        QVERIFY(table);
        // The server writes where the chips are once per hand.
        QTRY_VERIFY_WITH_TIMEOUT(chipsAtTables(data, "demo6") > 0, 60000);
        const double cents = chipsAtTables(data, "demo6");

        // Killed, no chance to write anything more, and started again on the same port.
        server.kill();
        QVERIFY(server.start(data, {"--action-timeout", "30"}, port));
        // The table window says what happened and offers the restart.
        QTRY_VERIFY_WITH_TIMEOUT(table && offers(table->topDialog(), "Restart"), 30000);

        // The restart is a real second program: the player program, logged in with the
        // remembered credentials, in a home of its own so that its single-instance claim is free.
        QTemporaryDir home;
        const QString feed = home.filePath("table-state.jsonl");
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("VESK_TABLE_STATE", QFile::encodeName(feed));
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qunsetenv("VESK_TABLE_STATE");
        });
        // The look of the program that restarts: the plug-in beside it would be the first found.
        table->setArguments(
            {PLAYER_PATH, "-host", "127.0.0.1", "-port", QString::number(port), "-theme", "DefaultTheme"});
        table->setProgram(PLAYER_PATH);
        QSignalSpy restarted(table.data(), &PlayerController::restarted);
        table->slotActionClone();
        QCOMPARE(restarted.size(), 1);
        const qint64 pid = restarted.first().at(0).toLongLong();
        const auto stop = qScopeGuard([pid] { ::kill(pid_t(pid), SIGKILL); });
        program.reset();

        // Back at the table, at a seat with the chips it had when the server went.
        QTRY_VERIFY_WITH_TIMEOUT(chipsInFeed(feed, "demo6") >= 0, 60000);
        QCOMPARE(chipsInFeed(feed, "demo6"), cents / 100.0);
    }

    void kioskCredentials()
    {
        QTemporaryDir dir;
        PokerdProcess server;
        QVERIFY(server.start(dir.filePath("data"), {"--kiosk", "0", "--kiosk-login", "demo9:demo"}));
        const QString line = server.line("pokerd kiosk service on ");
        QVERIFY2(!line.isEmpty(), "the kiosk stand-in runs");
        Program program(server.port(), m_theme.get(), StateKioskCredentials);
        program.controller->setKioskUrl(QUrl(line.section(' ', -1)));
        program.controller->startUp(true);
        QTRY_COMPARE_WITH_TIMEOUT(program.controller->state(), StateLobby, 20000);
        QCOMPARE(program.controller->user(), QString("demo9"));
        QVERIFY(program.controller->isAuthenticated());
    }

    void malformedKioskAnswerEndsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("a third member")
            << QByteArray("<struct><member><name>username</name><value>demo1</value></member>"
                          "<member><name>password</name><value>demo</value></member>"
                          "<member><name>extra</name><value>1</value></member></struct>");
        QTest::newRow("no password") << QByteArray(
            "<struct><member><name>username</name><value>demo1</value></member></struct>");
        QTest::newRow("a string") << QByteArray("<string>demo1:demo</string>");
    }

    void malformedKioskAnswerEndsTheProgram()
    {
        QFETCH(QByteArray, value);
        const QByteArray answer = "<?xml version=\"1.0\"?><methodResponse><params><param><value>" + value +
                                  "</value></param></params></methodResponse>";
        ScriptedHttpServer kiosk;
        kiosk.setHandler(
            [answer](const ScriptedHttpServer::Received&) { return ScriptedHttpServer::xml(answer); });
        // The kiosk service of screen n answers on port 1980 + 10 n: a screen whose port is free.
        int screen = -1;
        for (int n = 3000; n < 3300 && screen < 0; ++n) {
            if (kiosk.listen(quint16(1980 + 10 * n)))
                screen = n;
        }
        QVERIFY(screen >= 0);
        QTemporaryDir home;
        QProcess player;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        player.setProcessEnvironment(environment);
        player.start(PLAYER_PATH, {"-authKiosk", "-multihead", QString::number(screen), "-host", "127.0.0.1",
                                   "-port", "9", "-disableUpdate"});
        // The program ends, with 0: the kiosk decides about the terminal, not the player.
        // The kiosk answers from this event loop, so no blocking wait here.
        QTRY_COMPARE_WITH_TIMEOUT(player.state(), QProcess::NotRunning, 30000);
        QCOMPARE(player.exitStatus(), QProcess::NormalExit);
        QCOMPARE(player.exitCode(), 0);
        QCOMPARE(kiosk.received().size(), 1);
        QVERIFY(kiosk.received().first().body.contains("<methodName>getCredentials</methodName>"));
        QVERIFY(kiosk.received().first().body.contains("VeskPoker"));
    }
};

QTEST_MAIN(TestPlayerReconnect)
#include "tst_playerreconnect.moc"
