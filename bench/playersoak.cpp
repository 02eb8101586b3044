// A long session at one table, played through the table's own controls
// against pokerd at instant pace: resident memory every 100 hands, so that
// growth over thousands of hands shows.
//
//   playersoak [HANDS [EVERY [ANIMATION_PERCENT [POLL_MS]]]]
#include "defaulttheme.h"
#include "localresources.h"
#include "playerprogram.h"
#include "pokerdprocess.h"
#include "soakloop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace VeskGames;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int hands = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int every = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const QString animationPercent = QString::fromLocal8Bit(argc > 3 ? argv[3] : "10");
    // At the protocol's 500 ms a hand takes over a second however fast the
    // server deals, and 10,000 hands take hours.
    const int refreshMs = argc > 4 ? std::atoi(argv[4]) : 100;
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
    // Animations at a tenth of their length: every batch still runs through
    // the scene's commands, and a hand takes a fraction of a second.
    if (!server.start(dir.filePath("data"),
                      {"--bot-delay", "0", "--hand-delay", "30", "--action-timeout", "30",
                       "--animation-percent", animationPercent, "--users", users.fileName()})) {
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
    double baseline = 0;
    QElapsedTimer clock;
    clock.start();
    const PlayerTest::SoakSample last = PlayerTest::playHands(
        table, hands, every,
        [&](const PlayerTest::SoakSample& s) {
            if (baseline == 0)
                baseline = s.residentMiB;
            std::printf(
                "hands %5d  decisions %5d  rss %7.1f MiB  growth since the first sample %+6.1f MiB  %.0f s\n",
                s.hands, s.decisions, s.residentMiB, baseline > 0 ? s.residentMiB - baseline : 0.0,
                clock.elapsed() / 1000.0);
            std::fflush(stdout);
        },
        refreshMs);
    std::printf("%d hands in %.0f s, %d decisions; rss %.1f MiB at the first sample, %.1f MiB at the end\n",
                last.hands, clock.elapsed() / 1000.0, last.decisions, baseline, last.residentMiB);
    const bool addUp =
        PokerdProcess::chipsAddUp(QString::fromLocal8Bit(server.process().readAllStandardError()));
    std::printf("the server's chips %s\n",
                addUp ? "added up in every hand and at every table" : "did NOT add up");
    return table && addUp ? 0 : 1;
}
