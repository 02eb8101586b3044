// A long session at one table, played through the table's own controls
// against pokerd at instant pace: resident memory every 100 hands, so that
// growth over thousands of hands shows.
//
//   playersoak [HANDS]
#include "betpushbuttonitem.h"
#include "defaulttheme.h"
#include "localresources.h"
#include "playergamescene.h"
#include "playerprogram.h"
#include "pokerdprocess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <cstdio>

using namespace VeskGames;

namespace {

double rssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int hands = argc > 1 ? std::atoi(argv[1]) : 2000;
    qRegisterMetaType<VeskGames::PlayerController*>();
    LocalResources::setSearchPaths({QStringLiteral(":")});
    auto theme = std::make_unique<DefaultTheme>();
    QTemporaryDir dir;
    // Calling every hand loses: a demo account's balance is gone after a few
    // hundred hands, and the table stops asking a player who cannot buy again.
    QFile users(dir.filePath("users.json"));
    if (!users.open(QIODevice::WriteOnly) ||
        users.write(R"([{"name": "soak", "password": "demo", "balance": 10000000}])") < 0)
        return 1;
    users.close();
    PokerdProcess server;
    if (!server.start(dir.filePath("data"), {"--bot-delay", "0", "--hand-delay", "30", "--action-timeout",
                                             "30", "--users", users.fileName()})) {
        std::fprintf(stderr, "playersoak: pokerd did not start\n");
        return 1;
    }
    PlayerTest::Program program(server.port(), theme.get());
    GameListDialogItem* lobby = program.toLobby(QStringLiteral("soak"));
    QPointer<PlayerController> table =
        lobby ? program.sitDown(lobby, QStringLiteral("holdem-nl-050-1")) : nullptr;
    if (!table) {
        std::fprintf(stderr, "playersoak: could not sit down\n");
        return 1;
    }
    PlayerGameScene* scene = table->playerScene();
    // Out of chips, the table buys again by itself.
    scene->setUseAutoReBuyin(true);
    int seen = 0;
    int decisions = 0;
    double baseline = 0;
    QObject::connect(table->client(), &Client::handId, [&](qint32, qint32) {
        ++seen;
        if (seen % 100 == 0) {
            const double rss = rssMiB();
            if (seen == 100)
                baseline = rss;
            std::printf("hands %5d  decisions %5d  rss %7.1f MiB  growth since hand 100 %+6.1f MiB\n", seen,
                        decisions, rss, baseline > 0 ? rss - baseline : 0.0);
            std::fflush(stdout);
        }
    });
    QElapsedTimer clock;
    clock.start();
    while (table && seen < hands) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(10);
        if (scene->checkCallButton()->isVisible()) {
            scene->checkCallButton()->click();
            ++decisions;
        }
    }
    std::printf("%d hands in %.0f s, %d decisions; rss %.1f MiB at hand 100, %.1f MiB at the end\n", seen,
                clock.elapsed() / 1000.0, decisions, baseline, rssMiB());
    return table ? 0 : 1;
}
