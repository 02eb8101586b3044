#include "handreplayer.h"

#include "client.h"
#include "replaycontroller.h"

#include <QTimer>
#include <QVariantList>

namespace VeskGames {

namespace {

const QString kAnimationMs = QStringLiteral("animationMs");

} // namespace

class HandReplayer::Private
{
public:
    HandReplay replay;
    PokerTableView* view = nullptr;
    AbstractTheme* theme = nullptr;
    // The controller goes before its client: it holds connections to it.
    std::unique_ptr<Client> client;
    std::unique_ptr<ReplayController> controller;
    QTimer rest;
    int position = 0;
    /// The controller's batch that shows the last step given.
    int awaited = 0;
    bool playing = false;
    bool shown = false;
    double speed = 1.0;
};

HandReplayer::HandReplayer(const HandReplay& replay, PokerTableView* view, AbstractTheme* theme,
                           QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->replay = replay;
    d->view = view;
    d->theme = theme;
    d->rest.setSingleShot(true);
    connect(&d->rest, &QTimer::timeout, this, &HandReplayer::slotRestOver);
    rebuild(0);
}

HandReplayer::~HandReplayer()
{
    d->controller.reset();
    d->client.reset();
}

const HandReplay& HandReplayer::replay() const
{
    return d->replay;
}

int HandReplayer::position() const
{
    return d->position;
}

int HandReplayer::stepCount() const
{
    return d->replay.stepCount();
}

bool HandReplayer::isPlaying() const
{
    return d->playing;
}

double HandReplayer::speed() const
{
    return d->speed;
}

ReplayController* HandReplayer::controller() const
{
    return d->controller.get();
}

bool HandReplayer::isShown() const
{
    return d->shown;
}

void HandReplayer::play()
{
    if (d->playing)
        return;
    // From the end, a replay starts over.
    if (d->position >= stepCount())
        seek(0);
    setPlaying(true);
    if (d->shown)
        d->rest.start(int(d->replay.pauseBefore(d->position) / d->speed));
}

void HandReplayer::pause()
{
    d->rest.stop();
    setPlaying(false);
}

void HandReplayer::togglePlaying()
{
    if (d->playing)
        pause();
    else
        play();
}

void HandReplayer::stepForward()
{
    d->rest.stop();
    if (d->position >= stepCount())
        return;
    QVariantMap event = d->replay.steps().at(d->position);
    if (event.contains(kAnimationMs))
        event.insert(kAnimationMs, int(event.value(kAnimationMs).toInt() / d->speed));
    ++d->position;
    Q_EMIT positionChanged(d->position);
    feed({event});
}

void HandReplayer::stepBack()
{
    pause();
    if (d->position > 0)
        seek(d->position - 1);
}

void HandReplayer::seek(int position)
{
    d->rest.stop();
    rebuild(qBound(0, position, stepCount()));
}

void HandReplayer::setSpeed(double speed)
{
    d->speed = qBound(MinimumSpeed, speed, MaximumSpeed);
}

void HandReplayer::rebuild(int position)
{
    // A table of its own for every rebuild: nothing of the later steps is left on it.
    d->controller.reset();
    d->client = std::make_unique<Client>();
    d->controller =
        std::make_unique<ReplayController>(d->client.get(), d->view, d->theme, d->replay.localPlayer());
    connect(d->controller.get(), &CommonController::batchShown, this, &HandReplayer::slotBatchShown);
    const bool moved = position != d->position;
    d->position = position;
    if (moved)
        Q_EMIT positionChanged(position);
    // The game's parameters open the batch, which makes the table show it without animation.
    feed(d->replay.setup() + d->replay.steps().mid(0, position));
}

void HandReplayer::feed(const QList<QVariantMap>& events)
{
    QVariantList batch;
    batch.reserve(events.size());
    for (const QVariantMap& event : events)
        batch.append(event);
    d->shown = false;
    // An instant batch is shown before handleBatch() returns.
    d->awaited = d->controller->batchCount() + 1;
    d->client->handleBatch(batch);
}

void HandReplayer::slotBatchShown(int batch)
{
    // The step before, cut short by this one, is of no interest.
    if (batch != d->awaited)
        return;
    d->shown = true;
    Q_EMIT stepShown(d->position);
    if (!d->playing)
        return;
    if (d->position >= stepCount()) {
        setPlaying(false);
        return;
    }
    d->rest.start(int(d->replay.pauseBefore(d->position) / d->speed));
}

void HandReplayer::slotRestOver()
{
    if (d->playing)
        stepForward();
}

void HandReplayer::setPlaying(bool playing)
{
    if (playing == d->playing)
        return;
    d->playing = playing;
    Q_EMIT playingChanged(playing);
}

} // namespace VeskGames
