// Parse and encode cost of a realistic poll answer: 500 game events.
#include "xmlrpc/response.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QRandomGenerator>

#include <cstring>

namespace {

QVariant refreshResult()
{
    QRandomGenerator random(1234);
    const char* const kinds[] = {"setDealer", "postSmall", "postBig", "dealHole", "actionRaise", "potGive"};
    QVariantList events;
    for (int i = 0; i < 500; ++i) {
        QByteArray cards;
        for (int c = 0; c < 2; ++c)
            cards.append(char(random.bounded(1, 53)));
        events.append(QVariantMap{
            {"event", QString::fromLatin1(kinds[i % 6])},
            {"position", int(random.bounded(1, 11))},
            {"amount", random.bounded(100000) / 100.0},
            {"animationMs", 400},
            {"cards", cards},
            {"name", QStringLiteral("Player %1").arg(random.bounded(1000))},
            {"tableId", QStringLiteral("t-%1").arg(i % 7)},
            {"showCards", i % 2 == 0},
        });
    }
    return events;
}

const QByteArray& document()
{
    static const QByteArray xml = xmlrpc::Response(xmlrpc::Variant(refreshResult())).toXml();
    return xml;
}

void BM_ParseRefresh(benchmark::State& state)
{
    const QByteArray& xml = document();
    for (auto _ : state) {
        xmlrpc::Response response;
        benchmark::DoNotOptimize(response.parse(xml));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * xml.size());
}
BENCHMARK(BM_ParseRefresh)->Unit(benchmark::kMillisecond);

void BM_EncodeRefresh(benchmark::State& state)
{
    const xmlrpc::Response response{xmlrpc::Variant(refreshResult())};
    for (auto _ : state)
        benchmark::DoNotOptimize(response.toXml());
}
BENCHMARK(BM_EncodeRefresh)->Unit(benchmark::kMillisecond);

void BM_ParseAndEncodeRefresh(benchmark::State& state)
{
    const QByteArray& xml = document();
    for (auto _ : state) {
        xmlrpc::Response response;
        response.parse(xml);
        benchmark::DoNotOptimize(xmlrpc::Response(response.value()).toXml());
    }
}
BENCHMARK(BM_ParseAndEncodeRefresh)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // --write-document PATH: leave the document for other implementations to time.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--write-document") == 0) {
            QFile file(QString::fromLocal8Bit(argv[i + 1]));
            if (!file.open(QIODevice::WriteOnly) || file.write(document()) != document().size())
                return 1;
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
