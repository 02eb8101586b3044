#include "graphicsitemanimationcommand.h"

#include <QGraphicsItem>
#include <QGraphicsItemAnimation>
#include <QGraphicsRectItem>
#include <QTimeLine>

namespace VeskGames {

class GraphicsItemAnimationCommand::Private
{
public:
    QTimeLine timeLine{1000};
    QGraphicsItemAnimation animation;
    // Kept here as well: the animation cannot be given a null item.
    QGraphicsItem* item = nullptr;
    // What the animation drives once the item is taken away: never in a scene.
    QGraphicsRectItem parked;
    bool finished = false;
    bool ownsItem = true;
};

GraphicsItemAnimationCommand::GraphicsItemAnimationCommand(QGraphicsItem* item, bool ownsItem,
                                                           QObject* parent)
    : Command(parent), d(std::make_unique<Private>())
{
    d->ownsItem = ownsItem;
    d->timeLine.setEasingCurve(QEasingCurve::InOutSine);
    d->timeLine.setFrameRange(0, 1000);
    d->timeLine.setUpdateInterval(25);
    setItem(item);
    connect(&d->timeLine, &QTimeLine::finished, this, &GraphicsItemAnimationCommand::slotFinished);
}

GraphicsItemAnimationCommand::~GraphicsItemAnimationCommand()
{
    d->timeLine.stop();
    if (d->ownsItem)
        delete d->item;
}

QGraphicsItemAnimation* GraphicsItemAnimationCommand::animation() const
{
    return &d->animation;
}

QTimeLine* GraphicsItemAnimationCommand::timeLine() const
{
    return &d->timeLine;
}

void GraphicsItemAnimationCommand::setItem(QGraphicsItem* item)
{
    d->item = item;
    if (item) {
        d->animation.setItem(item);
        d->animation.setTimeLine(&d->timeLine);
    } else {
        // Without an item the time line must not drive the previous one. Not by
        // unsetting the time line: the animation would delete ours.
        d->animation.setItem(&d->parked);
    }
}

QGraphicsItem* GraphicsItemAnimationCommand::item() const
{
    return d->item;
}

void GraphicsItemAnimationCommand::exec()
{
    emitStart();
    if (QGraphicsItem* item = d->item) {
        item->setPos(d->animation.posAt(0.0));
        item->setVisible(true);
    }
    d->timeLine.start();
}

void GraphicsItemAnimationCommand::finish()
{
    slotFinished();
}

void GraphicsItemAnimationCommand::slotFinished()
{
    if (d->finished)
        return;
    d->finished = true;
    d->timeLine.stop();
    if (QGraphicsItem* item = d->item) {
        if (d->ownsItem)
            item->hide();
        else
            item->setPos(d->animation.posAt(1.0));
    }
    emitDone();
}

} // namespace VeskGames
