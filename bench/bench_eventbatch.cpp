// One poll answer of 500 events through the table: the XML read, the events
// decoded and dispatched, every step built and (when the next batch begins)
// applied; on the onlookers' table and on the player's table with chips.
#include "client.h"
#include "commoncontroller.h"
#include "communitygamescene.h"
#include "communitytheme.h"
#include "defaulttheme.h"
#include "gamescene.h"
#include "localresources.h"
#include "pokertableview.h"
#include "xmlrpc/response.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace VeskGames;

namespace {

class TableController : public CommonController
{
public:
    using CommonController::CommonController;
    void useScene(GameScene* scene) { setScene(scene); }
    void slotGameOpen(int, QString, QString, qint32) override {}
    void slotGameJoin(bool, qint32) override {}
};

QVariantMap event(QVariantMap members, int position = 0)
{
    members.insert(QStringLiteral("event"), QStringLiteral("gameEvent"));
    members.insert(QStringLiteral("timestamp"), 100);
    if (position > 0)
        members.insert(QStringLiteral("position"), position);
    return members;
}

/// Hands at a six-seat table, as a server sends them, until \a count events.
QVariantList hands(int count)
{
    QVariantList events;
    int hand = 0;
    while (events.size() < count) {
        ++hand;
        QVariantList one{event({{"handStatus", 101}}),
                         event({{"handId", hand}}),
                         event({{"setDealer", true}, {"animationMs", 300}}, hand % 6 + 1),
                         event({{"postSmall", 0.5}, {"animationMs", 300}}, (hand + 1) % 6 + 1),
                         event({{"postBig", 1.0}, {"animationMs", 300}}, (hand + 2) % 6 + 1),
                         event({{"handStatus", 200}})};
        for (int seat = 1; seat <= 6; ++seat)
            one.append(event({{"dealHole", QByteArray(2, '\0')}, {"animationMs", 400}}, seat));
        for (int seat = 1; seat <= 6; ++seat)
            one.append(seat % 3 == 0 ? event({{"actionFold", true}}, seat)
                                     : event({{"actionCall", 1.0}}, seat));
        one.append(event({{"bettingDone", QVariantList{QVariantMap{{"value", 4.0}, {"rake", 0.0}}}},
                          {"animationMs", 400}}));
        one.append(event({{"handStatus", 210}}));
        one.append(event({{"dealCommunity", QByteArray("\x05\x09\x0d", 3)}, {"animationMs", 600}}));
        for (int seat : {1, 2, 4, 5})
            one.append(event({{"actionCheck", true}}, seat));
        one.append(event({{"actionShow", QByteArray("\x01\x02", 2)}}, 1));
        one.append(event({{"actionShow", QByteArray("\x03\x04", 2)}}, 2));
        one.append(event({{"potGive", QVariantList{QVariantMap{{"position", 1}, {"amount", 4.0}}}},
                          {"animationMs", 500}}));
        one.append(event({{"handStatus", 500}}));
        for (int seat = 1; seat <= 6; ++seat)
            one.append(event({{"userName", QStringLiteral("p%1").arg(seat)},
                              {"userAvatarId", 0},
                              {"userStack", 100.0},
                              {"userStatus", 1},
                              {"userDisplayName", QString()}},
                             seat));
        for (const QVariant& e : std::as_const(one)) {
            if (events.size() < count)
                events.append(e);
        }
    }
    return events;
}

QByteArray answer(int count)
{
    return xmlrpc::Response(xmlrpc::Variant(QVariant(hands(count)))).toXml();
}

void decode(benchmark::State& state)
{
    const QByteArray xml = answer(500);
    for (auto _ : state) {
        xmlrpc::Response response;
        benchmark::DoNotOptimize(response.parse(xml));
    }
}

/// \a apply: what is timed is the table playing the batch to its end (as
/// the animations would), else the answer read, dispatched and its steps built.
void runTable(benchmark::State& state, AbstractTheme* theme, GameScene* scene, bool apply)
{
    const QByteArray xml = answer(500);
    Client client;
    PokerTableView view;
    TableController controller(&client, &view, theme, false);
    controller.useScene(scene);
    GameParameters params;
    params.seats = 6;
    params.type = 0x1001;
    controller.slotEventBegin();
    controller.slotGameParametersEvent(params);
    controller.slotEventEnd();
    xmlrpc::Response response;
    response.parse(xml);
    const QVariant batch = response.value();
    for (auto _ : state) {
        if (apply) {
            state.PauseTiming();
            client.handleBatch(batch);
            state.ResumeTiming();
            // The next batch's start brings this one to its end at once.
            controller.slotEventBegin();
            controller.slotEventEnd();
        } else {
            state.PauseTiming();
            controller.slotEventBegin(); // the last batch played out, untimed
            controller.slotEventEnd();
            state.ResumeTiming();
            xmlrpc::Response fresh;
            fresh.parse(xml);
            client.handleBatch(fresh.value());
        }
    }
    state.counters["events"] = 500;
}

void communityTable(benchmark::State& state, bool apply)
{
    CommunityTheme theme;
    CommunityGameScene scene(&theme);
    scene.setSceneRect(0, 0, 1280, 720);
    scene.setupScene();
    runTable(state, &theme, &scene, apply);
}

void playerTable(benchmark::State& state, bool apply)
{
    DefaultTheme theme;
    GameScene scene(&theme);
    scene.setSceneRect(0, 0, 800, 600);
    scene.setupScene();
    runTable(state, &theme, &scene, apply);
}

} // namespace

BENCHMARK(decode)->Name("BM_Decode500Events")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(communityTable, handled, false)
    ->Name("BM_CommunityTableHandles500Events")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playerTable, handled, false)
    ->Name("BM_PlayerTableHandles500Events")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(communityTable, played, true)
    ->Name("BM_CommunityTablePlays500Events")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playerTable, played, true)
    ->Name("BM_PlayerTablePlays500Events")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LocalResources::setSearchPaths({QStringLiteral(":")});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
