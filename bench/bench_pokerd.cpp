// How many hands the dealer plays per second with bots only and no delays.
#include "bot.h"
#include "handengine.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void playHands(benchmark::State& state, int gameType, int limit, int seats)
{
    Pokerd::HandConfig config;
    config.gameType = gameType;
    config.limit = limit;
    config.seats = seats;
    std::vector<Pokerd::Bot> bots;
    for (int i = 0; i < seats; ++i)
        bots.emplace_back(quint32(i + 1));
    QMap<int, Pokerd::Cents> stacks;
    for (int seat = 0; seat < seats; ++seat)
        stacks.insert(seat, 10000);
    int hand = 0;
    int events = 0;
    for (auto _ : state) {
        Pokerd::HandEngine engine(
            config, [&events](const Pokerd::HandEvent&) { ++events; }, quint32(++hand));
        engine.start(stacks, hand % seats, hand);
        while (!engine.isFinished()) {
            const int seat = engine.actingSeat();
            const Pokerd::Bot::Decision d = bots[size_t(seat)].decide(
                engine.options(), engine.holeCards().value(seat), engine.board(), config.isOmaha());
            engine.act(seat, d.action, d.amount);
        }
        benchmark::DoNotOptimize(engine.stacks());
    }
    state.counters["hands/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["events/hand"] = double(events) / double(state.iterations());
}

void BM_HoldemSixSeats(benchmark::State& state)
{
    playHands(state, 0x1001, 1, 6);
}
BENCHMARK(BM_HoldemSixSeats);

void BM_OmahaNineSeats(benchmark::State& state)
{
    playHands(state, 0x1002, 2, 9);
}
BENCHMARK(BM_OmahaNineSeats);

} // namespace

BENCHMARK_MAIN();
