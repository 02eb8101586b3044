// Card and chip pictures: what a cache miss costs (a real SVG rasterisation)
// at the sizes the table uses, and what a full redraw of a ten-seat table
// costs once every picture is cached.
#include "card.h"
#include "carditem.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsScene>
#include <QPainter>

#include <cstdlib>
#include <memory>

using VeskGames::Card;
using VeskGames::CardItem;
using VeskGames::SvgImageItem;
using VeskGames::SvgImageRenderer;

namespace {

QStringList faceIds()
{
    QStringList ids;
    for (Card::Suit suit : {Card::Clubs, Card::Diamonds, Card::Hearts, Card::Spades}) {
        for (char value = 0; value < 13; ++value)
            ids << Card(suit, value).elementId();
    }
    return ids;
}

QStringList chipIds()
{
    QStringList ids;
    for (const char* suffix :
         {"_1c", "_5c", "_25c", "_1", "_5", "_25", "_100", "_500", "_1k", "_5k", "_25k", "_100k", "_500k"})
        ids << QStringLiteral("chip") + QLatin1String(suffix);
    return ids;
}

// A renderer without cache, so every request is rasterised.
std::unique_ptr<SvgImageRenderer> uncached(const QString& file)
{
    auto renderer = std::make_unique<SvgImageRenderer>(0);
    renderer->load(file);
    QCoreApplication::processEvents();
    return renderer;
}

void renderEach(benchmark::State& state, const QString& file, const QStringList& ids, const QSize& size)
{
    auto renderer = uncached(file);
    int rendered = 0;
    QObject::connect(renderer.get(), &SvgImageRenderer::rendered, [&rendered] { ++rendered; });
    SvgImageItem item;
    QObject::connect(&item, &SvgImageItem::renderImage, renderer.get(), &SvgImageRenderer::renderImage);
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& id = ids.at(i++ % ids.size());
        item.setElementId(id);
        renderer->renderImage(&item, size, id);
        QCoreApplication::sendPostedEvents();
        benchmark::DoNotOptimize(item.pixmap());
    }
    if (rendered != int(state.iterations()))
        state.SkipWithError("a request was not rasterised");
    state.SetItemsProcessed(state.iterations());
}

void BM_CardFace_69x92(benchmark::State& state)
{
    renderEach(state, ":/table/cards.svg", faceIds(), QSize(69, 92));
}

void BM_CardFace_160x200(benchmark::State& state)
{
    renderEach(state, ":/table/cards.svg", faceIds(), QSize(160, 200));
}

// The busiest faces: the court cards of the classic deck.
void BM_CourtCard_160x200(benchmark::State& state)
{
    renderEach(state, ":/table/cards.svg", {"Jack_Hearts", "Queen_Spades", "King_Diamonds", "King_Clubs"},
               QSize(160, 200));
}

void BM_CardBack_69x92(benchmark::State& state)
{
    renderEach(state, ":/table/cards.svg", {"Card_Back"}, QSize(69, 92));
}

void BM_OneNumberFace_36x48(benchmark::State& state)
{
    renderEach(state, ":/table/cards_one_number.svg", faceIds(), QSize(36, 48));
}

void BM_SimpleFace_160x200(benchmark::State& state)
{
    renderEach(state, ":/table/cards_simple.svg", faceIds(), QSize(160, 200));
}

void BM_Chip_25x25(benchmark::State& state)
{
    renderEach(state, ":/table/chips.svg", chipIds(), QSize(25, 25));
}

// Ten seats of two hole cards (the local player's face up at 60 x 80, the
// others' backs at 36 x 48) and five community cards at 69 x 92.
void BM_TableRedrawFromCache(benchmark::State& state)
{
    SvgImageRenderer renderer(4096);
    renderer.load(":/table/cards.svg");
    QCoreApplication::processEvents();
    QGraphicsScene scene(0, 0, 1024, 768);
    const QStringList faces = faceIds();
    auto addCard = [&](const Card& card, const QSizeF& size, const QPointF& pos) {
        auto* item = new CardItem(card);
        item->setSize(size);
        item->setPos(pos);
        QObject::connect(item, &SvgImageItem::renderImage, &renderer, &SvgImageRenderer::renderImage);
        scene.addItem(item);
    };
    for (int seat = 0; seat < 10; ++seat) {
        const QPointF at(60 + (seat % 5) * 190, seat < 5 ? 60 : 560);
        for (int c = 0; c < 2; ++c) {
            if (seat == 0)
                addCard(Card(Card::Hearts, char(11 + c)), QSizeF(60, 80), at + QPointF(c * 30, 0));
            else
                addCard(Card(Card::Back, 0), QSizeF(36, 48), at + QPointF(c * 20, 0));
        }
    }
    for (int c = 0; c < 5; ++c)
        addCard(Card(Card::Spades, char(c * 2)), QSizeF(69, 92), QPointF(330 + c * 73, 330));

    QImage frame(1024, 768, QImage::Format_ARGB32_Premultiplied);
    auto redraw = [&] {
        frame.fill(Qt::darkGreen);
        QPainter painter(&frame);
        scene.render(&painter);
    };
    // The first paint asks, the queued renders answer, and from then on it is cache only.
    redraw();
    QCoreApplication::processEvents();
    redraw();
    int rendered = 0;
    QObject::connect(&renderer, &SvgImageRenderer::rendered, [&rendered] { ++rendered; });
    for (auto _ : state) {
        redraw();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["rasterised"] = rendered;
    if (rendered != 0)
        state.SkipWithError("the cached redraw rasterised SVG");
    state.SetItemsProcessed(state.iterations() * 25);
}

// One cache hit: answered inside renderImage, nothing rasterised.
void BM_CacheHitAnswer(benchmark::State& state)
{
    SvgImageRenderer renderer(4096);
    renderer.load(":/table/cards.svg");
    QCoreApplication::processEvents();
    SvgImageItem item;
    item.setElementId("Ace_Spades");
    QObject::connect(&item, &SvgImageItem::renderImage, &renderer, &SvgImageRenderer::renderImage);
    renderer.renderImage(&item, QSize(69, 92), "Ace_Spades");
    QCoreApplication::processEvents();
    int rendered = 0;
    QObject::connect(&renderer, &SvgImageRenderer::rendered, [&rendered] { ++rendered; });
    for (auto _ : state) {
        renderer.renderImage(&item, QSize(69, 92), "Ace_Spades");
        benchmark::DoNotOptimize(item.pixmap());
    }
    if (rendered != 0)
        state.SkipWithError("a cache hit rasterised SVG");
}

} // namespace

BENCHMARK(BM_CardFace_69x92)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardFace_160x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CourtCard_160x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardBack_69x92)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneNumberFace_36x48)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimpleFace_160x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Chip_25x25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableRedrawFromCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CacheHitAnswer)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // Runs without a display: the pictures are drawn in memory anyway.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
