// What the one write after every hand costs: all accounts rewritten and synced.
// Busy tables finish a hand every few seconds each, so this times the load
// that twenty of them put on the thread that also runs every table.
#include "accountstore.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

void BM_WriteAfterAHand(benchmark::State& state)
{
    const int accounts = int(state.range(0));
    // On the disk the server would use, not in memory: the sync is part of the cost.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-accounts-XXXXXX"));
    QJsonArray users;
    for (int i = 0; i < accounts; ++i)
        users.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("player%1").arg(i)},
                                 {QStringLiteral("password"), QStringLiteral("secret")},
                                 {QStringLiteral("balance"), 1000}});
    QFile usersFile(dir.filePath(QStringLiteral("users.json")));
    if (!usersFile.open(QIODevice::WriteOnly) || usersFile.write(QJsonDocument(users).toJson()) < 0) {
        state.SkipWithError("cannot write the users file");
        return;
    }
    usersFile.close();
    Pokerd::AccountStore store(dir.filePath(QStringLiteral("data")));
    QString error;
    if (!QDir().mkpath(dir.filePath(QStringLiteral("data"))) || !store.open(&error) ||
        !store.addUsers(usersFile.fileName(), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    Pokerd::Cents chips = 0;
    for (auto _ : state) {
        // A hand changed what one player has at the table.
        const int player = int(chips % accounts);
        store.setAtTables(QStringLiteral("player%1").arg(player), ++chips);
        if (!store.flush()) {
            state.SkipWithError("flush failed");
            return;
        }
    }
    state.counters["accounts"] = accounts;
    state.counters["writes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteAfterAHand)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
