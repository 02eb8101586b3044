#include "evalhand.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QVector>

#include <algorithm>
#include <random>

using VeskGames::EvalHand;

namespace {

struct Deal
{
    QByteArray board;
    QByteArray hole;
};

// Full showdowns (five board cards); a fixed seed keeps runs comparable.
QVector<Deal> makeDeals(int holeCards)
{
    std::mt19937 random(4711);
    QByteArray deck;
    for (int byte = 1; byte <= 52; ++byte)
        deck.append(char(byte));
    QVector<Deal> deals;
    for (int i = 0; i < 1024; ++i) {
        std::shuffle(deck.begin(), deck.end(), random);
        deals.append({deck.left(5), deck.mid(5, holeCards)});
    }
    return deals;
}

void evaluate(benchmark::State& state, int holeCards, int minHole, int maxHole)
{
    const QVector<Deal> deals = makeDeals(holeCards);
    EvalHand eval;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray best;
    int i = 0;
    for (auto _ : state) {
        const Deal& deal = deals[i++ & 1023];
        benchmark::DoNotOptimize(
            eval.Evaluate(deal.board, deal.hole, minHole, maxHole, value, type, kickers, &best));
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_HoldemSevenCards(benchmark::State& state)
{
    evaluate(state, 2, 0, 2);
}

void BM_OmahaNineCards(benchmark::State& state)
{
    evaluate(state, 4, 2, 2);
}

// A fresh evaluator per call, as a caller naming one hand would use it.
void BM_HoldemSevenCardsFreshEvaluator(benchmark::State& state)
{
    const QVector<Deal> deals = makeDeals(2);
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    int i = 0;
    for (auto _ : state) {
        const Deal& deal = deals[i++ & 1023];
        EvalHand eval;
        benchmark::DoNotOptimize(eval.Evaluate(deal.board, deal.hole, 0, 2, value, type, kickers, nullptr));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_HoldemSevenCards);
BENCHMARK(BM_OmahaNineCards);
BENCHMARK(BM_HoldemSevenCardsFreshEvaluator);

BENCHMARK_MAIN();
