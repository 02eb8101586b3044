#include "splashscene.h"

#include "abstracttheme.h"
#include "drawutils.h"
#include "painterpathitem.h"

namespace VeskGames {

class SplashScene::Private
{
public:
    PainterPathItem* statusItem = nullptr;
    QString statusText;
    int status = -1;
    quint64 downloadTotal = 0;
    quint64 downloadReceived = 0;
};

SplashScene::SplashScene(AbstractTheme* theme, QObject* parent)
    : PokerTableScene(parent, theme), d(std::make_unique<Private>())
{
    d->statusItem = new PainterPathItem;
    d->statusItem->setTrueOutline(true);
    d->statusItem->setZValue(10);
    addItem(d->statusItem);
    connect(this, &QGraphicsScene::sceneRectChanged, this, &SplashScene::slotSceneRectChanged);
}

SplashScene::~SplashScene() = default;

void SplashScene::setStatus(int code, const QString& text)
{
    d->status = code;
    switch (code) {
    case StatusNone:
        showText(QString());
        break;
    case StatusConnecting:
        showText(tr("Connecting..."));
        break;
    case StatusCheckingUpdate:
        showText(tr("Checking for an updated version..."));
        break;
    case StatusPreparingUpdate:
        showText(tr("Preparing for update..."));
        break;
    case StatusUpdateFailed:
        showText(tr("Preparing for update failed!"));
        break;
    case StatusReconnecting:
        showText(tr("Reconnecting, error was: %1").arg(text));
        break;
    case StatusClosing:
        showText(tr("Closing down..."));
        break;
    default:
        break;
    }
}

int SplashScene::status() const
{
    return d->status;
}

QString SplashScene::statusText() const
{
    return d->statusText;
}

PainterPathItem* SplashScene::statusItem() const
{
    return d->statusItem;
}

QString SplashScene::tableImageName() const
{
    return theme() ? theme()->imageName(AbstractTheme::ImageDialogBackground) : QString();
}

void SplashScene::showText(const QString& text)
{
    d->statusText = text;
    if (AbstractTheme* t = theme()) {
        d->statusItem->setPath(DrawUtils::makePath(t->font(AbstractTheme::Font0), text));
        d->statusItem->setPen(t->pen(AbstractTheme::Pen0));
        d->statusItem->setBrush(t->brush(AbstractTheme::Brush0));
    } else {
        d->statusItem->setPath(DrawUtils::makePath(QFont(), text));
        d->statusItem->setBrush(Qt::white);
    }
    slotSceneRectChanged();
}

void SplashScene::slotSceneRectChanged()
{
    const QRectF box = d->statusItem->boundingRect();
    d->statusItem->setPos(sceneRect().center() - box.center());
}

void SplashScene::downloadSize(quint64 total)
{
    d->downloadTotal = total;
    d->downloadReceived = 0;
}

void SplashScene::downloadedBytes(quint64 bytes)
{
    d->downloadReceived += bytes;
    // Without a total there is no meaningful share to show.
    if (d->status == StatusPreparingUpdate && d->downloadTotal > 0) {
        const quint64 percent = d->downloadReceived * 100 / d->downloadTotal;
        showText(tr("Downloading updater... (%1%)").arg(percent));
    }
}

} // namespace VeskGames
