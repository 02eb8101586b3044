// The table at 1920x1440 while a whole hand is dealt and paid with
// animations: time per frame (offscreen raster), SVG renders per (element,
// size) through twenty window sizes and back, and the scene's memory.
#include "abstractplayeritem.h"
#include "carditem.h"
#include "command.h"
#include "defaulttheme.h"
#include "gamescene.h"
#include "localresources.h"
#include "svgimagerenderer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGraphicsView>
#include <QHash>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace VeskGames;

namespace {

qint64 rssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QVector<Card> backs()
{
    return {Card(Card::Back, 0), Card(Card::Back, 0)};
}

/// Paints the view into an image like a window would, frame by frame.
class FrameClock
{
public:
    FrameClock(QGraphicsView& view, QSize size)
        : m_view(view), m_image(size, QImage::Format_ARGB32_Premultiplied)
    {}

    void frame()
    {
        QElapsedTimer timer;
        timer.start();
        if (m_throughWindow) {
            // The window's own paint path: only what changed, the background from its cache.
            QCoreApplication::sendPostedEvents(m_view.viewport(), QEvent::UpdateRequest);
            m_view.viewport()->repaint();
        } else {
            QPainter painter(&m_image);
            m_view.render(&painter, QRectF(QPointF(), QSizeF(m_image.size())), m_view.viewport()->rect());
            painter.end();
        }
        m_frames.append(timer.nsecsElapsed() / 1e6);
    }

    /// Runs \a command to its end, painting a frame every 16 ms meanwhile.
    void play(Command* command)
    {
        if (!command)
            return;
        bool over = false;
        QObject::connect(command, &Command::done, [&over] { over = true; });
        command->exec();
        while (!over) {
            frame();
            wait(16);
        }
        delete command;
    }

    double percentile(double p) const
    {
        QList<double> sorted = m_frames;
        std::sort(sorted.begin(), sorted.end());
        if (sorted.isEmpty())
            return 0;
        return sorted.at(qMin(qsizetype(p * sorted.size()), sorted.size() - 1));
    }

    qsizetype count() const { return m_frames.size(); }
    void setThroughWindow(bool on) { m_throughWindow = on; }

private:
    QGraphicsView& m_view;
    QImage m_image;
    QList<double> m_frames;
    bool m_throughWindow = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    LocalResources::setSearchPaths({QStringLiteral(":")});
    const qint64 before = rssKb();
    DefaultTheme theme;
    QHash<QString, int> renders;
    for (SvgImageRenderer* renderer : {theme.cardRenderThread(), theme.chipRenderThread()}) {
        QObject::connect(renderer, &SvgImageRenderer::rendered, [&renders](const QString& id, QSize size) {
            renders[SvgImageRenderer::cacheKey(id, size)]++;
        });
    }
    GameScene scene(&theme);
    scene.setSceneRect(0, 0, 1024, 768);
    scene.setBackgroundBrush(QBrush(QPixmap::fromImage(theme.image(AbstractTheme::ImageTableBackground))));
    scene.setPlayerCount(10);
    scene.setupScene();
    for (int i = 0; i < 10; ++i)
        scene.setPlayerData(i, QStringLiteral("player_%1").arg(i + 1), -1, 200, 1, QString());
    scene.setLocalPlayer(QStringLiteral("player_1"));
    QGraphicsView view(&scene);
    view.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setFrameStyle(0);
    view.resize(1920, 1440);
    view.show();
    view.fitInView(scene.sceneRect(), Qt::KeepAspectRatio);
    wait(100);

    view.setCacheMode(QGraphicsView::CacheBackground);
    FrameClock clock(view, QSize(1920, 1440));
    clock.setThroughWindow(argc > 1 && QByteArray(argv[1]) == "--window");
    // A whole hand, every step animated as the table does it.
    clock.play(scene.setDealer(3, 400));
    clock.play(scene.postSmall(4, 1, 300));
    clock.play(scene.postSmall(5, 2, 300));
    for (int i = 0; i < 10; ++i)
        clock.play(scene.dealHole(i, i == 0 ? QVector<Card>{Card("sA"), Card("hA")} : backs(), 120));
    for (int i = 6; i < 10; ++i)
        clock.play(scene.postSmall(i, 2, 250));
    clock.play(scene.postSmall(0, 8, 250));
    clock.play(scene.bettingDone({18}, {0.5}, 500));
    clock.play(scene.dealCommunity({Card("hK"), Card("hQ"), Card("c4")}, 600));
    for (int i : {0, 6, 7})
        clock.play(scene.postSmall(i, 20, 250));
    clock.play(scene.bettingDone({78}, {1}, 500));
    clock.play(scene.dealCommunity({Card("hJ")}, 300));
    clock.play(scene.dealCommunity({Card("hT")}, 300));
    scene.setHandStatus(400);
    clock.play(scene.potGive({0}, {77}, 600));
    std::printf("frames painted            %lld\n", qlonglong(clock.count()));
    std::printf("frame time p50            %.2f ms\n", clock.percentile(0.5));
    std::printf("frame time p95            %.2f ms\n", clock.percentile(0.95));
    std::printf("scene memory (RSS growth) %.1f MiB\n", (rssKb() - before) / 1024.0);

    // Twenty window sizes and back: each (element, size) once, nothing on the way back.
    renders.clear();
    QList<QSize> sizes;
    for (int i = 0; i < 20; ++i)
        sizes << QSize(800 + i * 150, 600 + i * 112);
    const auto visit = [&](const QList<QSize>& list) {
        for (const QSize& size : list) {
            view.resize(size);
            view.fitInView(scene.sceneRect(), Qt::KeepAspectRatio);
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            for (int pass = 0; pass < 2; ++pass) {
                QPainter painter(&image);
                view.render(&painter, QRectF(QPointF(), QSizeF(size)), view.viewport()->rect());
                painter.end();
                wait(40);
            }
        }
    };
    visit(sizes);
    const int forward = int(renders.size());
    int most = 0;
    for (int count : std::as_const(renders))
        most = qMax(most, count);
    QList<QSize> back = sizes;
    std::reverse(back.begin(), back.end());
    const QHash<QString, int> afterForward = renders;
    visit(back);
    int again = 0;
    for (auto it = renders.begin(); it != renders.end(); ++it)
        again += it.value() - afterForward.value(it.key());
    // The size just shown once more: everything comes from the caches.
    const QHash<QString, int> beforeRepeat = renders;
    visit({back.last()});
    int repeat = 0;
    for (auto it = renders.begin(); it != renders.end(); ++it)
        repeat += it.value() - beforeRepeat.value(it.key());
    std::printf("renders, 20 sizes         %d (element, size) pairs, at most %d each\n", forward, most);
    std::printf("renders on the way back   %d (older sizes no longer in the caches)\n", again);
    std::printf("renders, same size again %d\n", repeat);
    return 0;
}
