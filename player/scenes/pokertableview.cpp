#include "pokertableview.h"

#include "resizeitem.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace VeskGames {

namespace {

struct ActionName
{
    const char* name;
    PokerTableView::Action action;
};

constexpr ActionName kActions[] = {{"fold", PokerTableView::ActionFold},
                                   {"checkCall", PokerTableView::ActionCheckCall},
                                   {"betRaise", PokerTableView::ActionBetRaise},
                                   {"slideUp", PokerTableView::ActionSlideUp},
                                   {"slideDown", PokerTableView::ActionSlideDown},
                                   {"halfPot", PokerTableView::ActionHalfPot},
                                   {"twoThirdsPot", PokerTableView::ActionTwoThirdsPot},
                                   {"pot", PokerTableView::ActionPot}};

} // namespace

class PokerTableView::Private
{
public:
    ResizeItem* grip = nullptr;
    QMap<int, Action> keys;
};

PokerTableView::PokerTableView(QWidget* parent) : QGraphicsView(parent), d(std::make_unique<Private>())
{
    setFrameStyle(QFrame::NoFrame);
    setLineWidth(0);
    setMidLineWidth(0);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(BoundingRectViewportUpdate);
    // The table picture is the same every frame: drawn once per window size.
    setCacheMode(CacheBackground);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Beside a table that does not fill the window: dark, not white.
    QPalette dark = palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    const QString title = QCoreApplication::instance()->property("iniwindowtitle").toString();
    if (!title.isEmpty())
        setWindowTitle(title);
    d->grip = new ResizeItem(this);
}

PokerTableView::~PokerTableView() = default;

ResizeItem* PokerTableView::resizeGrip() const
{
    return d->grip;
}

void PokerTableView::setKeyboardCommands(const QString& text)
{
    d->keys.clear();
    for (const QString& entry : text.split(QLatin1Char(';'))) {
        const QStringList parts = entry.split(QLatin1Char('='));
        if (parts.size() != 2 || parts.at(1).size() != 1)
            continue;
        for (const ActionName& known : kActions) {
            if (parts.at(0) == QLatin1String(known.name)) {
                d->keys.insert(parts.at(1).toUpper().at(0).unicode() & 0xFF, known.action);
                break;
            }
        }
    }
}

QMap<int, PokerTableView::Action> PokerTableView::keyMap() const
{
    return d->keys;
}

void PokerTableView::fitSceneInView(const QRectF& rect, Qt::AspectRatioMode mode)
{
    if (!scene() || (rect.width() == 0 && rect.height() == 0))
        return;
    const QRectF unit = transform().mapRect(QRectF(0, 0, 1, 1));
    if (unit.width() == 0 || unit.height() == 0)
        return;
    scale(1 / unit.width(), 1 / unit.height());
    const QRectF viewRect = viewport()->rect();
    const QRectF mapped = transform().mapRect(rect);
    qreal xRatio = viewRect.width() / mapped.width();
    qreal yRatio = viewRect.height() / mapped.height();
    switch (mode) {
    case Qt::KeepAspectRatio:
        xRatio = yRatio = qMin(xRatio, yRatio);
        break;
    case Qt::KeepAspectRatioByExpanding:
        xRatio = yRatio = qMax(xRatio, yRatio);
        break;
    case Qt::IgnoreAspectRatio:
        break;
    }
    // A hair narrower, so rounding never shows a scroll step.
    scale(xRatio - 0.00001, yRatio);
    centerOn(rect.center());
}

void PokerTableView::showScene(QGraphicsScene* scene)
{
    setScene(scene);
    if (scene)
        fitSceneInView(scene->sceneRect(), Qt::KeepAspectRatio);
}

void PokerTableView::adjustSizeToScene()
{
    if (scene())
        resize(int(scene()->sceneRect().width()), int(scene()->sceneRect().height()));
}

void PokerTableView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    d->grip->move(width() - d->grip->width(), height() - d->grip->height());
    if (scene())
        fitSceneInView(scene()->sceneRect(), Qt::KeepAspectRatio);
}

void PokerTableView::keyPressEvent(QKeyEvent* event)
{
    // Dialogs with focus have the key first.
    QGraphicsView::keyPressEvent(event);
    if (d->keys.isEmpty())
        return;
    const auto it = d->keys.constFind(event->key() & 0xFF);
    if (it != d->keys.constEnd())
        Q_EMIT actionKeyPressed(it.value());
}

void PokerTableView::closeEvent(QCloseEvent* event)
{
    // The program decides whether and how to leave.
    event->ignore();
    Q_EMIT closeWindow();
}

void PokerTableView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && scene()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(scene(), &change);
    }
    QGraphicsView::changeEvent(event);
}

} // namespace VeskGames
