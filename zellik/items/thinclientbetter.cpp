#include "thinclientbetter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

namespace VeskGames {

namespace {

const char kRequestProperty[] = "sliderRequest";

} // namespace

class ThinClientBetter::Private
{
public:
    double min = 0.1;
    double max = 1.0;
    double smallBlind = 0.1;
    double bigBlind = 0.2;
    double value = 0;
    BettingType type = BetAtTable;
    QPointer<QGraphicsView> filteredView;
    QPointer<QGraphicsScene> filteredScene;
    bool updatePending = false;
};

ThinClientBetter::ThinClientBetter(QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setGeometry(QRectF(330, 674, 608, 100));
    setMinimumSize(610, 100);
    setFlag(ItemSendsScenePositionChanges);
    // The host's object is known only by its meta-object: by name it is.
    if (QObject* comm = commObject())
        connect(comm, SIGNAL(sliderValueChanged(qreal)), this, SLOT(setSliderValue(qreal)));
}

ThinClientBetter::~ThinClientBetter()
{
    if (d->filteredView)
        d->filteredView->removeEventFilter(this);
    if (d->filteredScene)
        d->filteredScene->removeEventFilter(this);
}

QObject* ThinClientBetter::commObject()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->property("commObject").value<QObject*>() : nullptr;
}

void ThinClientBetter::setBettingType(BettingType type)
{
    d->type = type;
}

ThinClientBetter::BettingType ThinClientBetter::bettingType() const
{
    return d->type;
}

void ThinClientBetter::setValues(double min, double max, double smallBlind, double bigBlind)
{
    d->min = min;
    d->max = max;
    d->smallBlind = smallBlind;
    d->bigBlind = bigBlind;
    d->value = min;
    Q_EMIT sliderValueChanged(min);
}

double ThinClientBetter::sliderValue() const
{
    return d->value;
}

void ThinClientBetter::setSliderValue(qreal value)
{
    d->value = qBound(d->min, value, qMax(d->min, d->max));
    if (isEnabled())
        Q_EMIT sliderValueChanged(d->value);
}

void ThinClientBetter::updateQWSValues()
{
    d->updatePending = false;
    QObject* comm = commObject();
    QGraphicsScene* s = scene();
    if (!comm || !s || s->views().isEmpty())
        return;
    QGraphicsView* view = s->views().first();
    if (d->filteredView != view) {
        // The view's size and the window's focus tell when to publish again.
        view->installEventFilter(this);
        s->installEventFilter(this);
        d->filteredView = view;
        d->filteredScene = s;
    }
    const QRect mapped = view->mapFromScene(sceneBoundingRect().toAlignedRect()).boundingRect();
    QVariantMap request{
        {QStringLiteral("coords"), QStringLiteral("%1,%2,%3,%4")
                                       .arg(mapped.left())
                                       .arg(mapped.top())
                                       .arg(mapped.width())
                                       .arg(mapped.height())},
        {QStringLiteral("type"), d->type == BetAtTable ? QStringLiteral("bet") : QStringLiteral("buyin")},
        {QStringLiteral("min"), d->min},
        {QStringLiteral("max"), d->max},
        {QStringLiteral("smallBlind"), d->smallBlind},
        {QStringLiteral("bigBlind"), d->bigBlind},
        {QStringLiteral("currentValue"), d->value}};
    if (d->type == BuyIn)
        request.insert(QStringLiteral("override"), true);
    comm->setProperty(kRequestProperty, request);
}

void ThinClientBetter::clearQWSValues()
{
    QObject* comm = commObject();
    if (!comm)
        return;
    comm->setProperty(kRequestProperty,
                      QVariantMap{{QStringLiteral("type"),
                                   d->type == BetAtTable ? QStringLiteral("bet") : QStringLiteral("buyin")}});
}

void ThinClientBetter::scheduleUpdate()
{
    if (d->updatePending)
        return;
    d->updatePending = true;
    QTimer::singleShot(0, this, &ThinClientBetter::updateQWSValues);
}

QVariant ThinClientBetter::itemChange(GraphicsItemChange change, const QVariant& value)
{
    const QVariant result = QGraphicsWidget::itemChange(change, value);
    if (change == ItemVisibleHasChanged) {
        if (value.toBool())
            updateQWSValues();
        else
            clearQWSValues();
    } else if (change == ItemScenePositionHasChanged) {
        scheduleUpdate();
    }
    return result;
}

bool ThinClientBetter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == d->filteredView)
            scheduleUpdate();
        break;
    case QEvent::WindowActivate:
        if (isVisible())
            updateQWSValues();
        break;
    case QEvent::WindowDeactivate:
        clearQWSValues();
        break;
    default:
        break;
    }
    return QGraphicsWidget::eventFilter(watched, event);
}

} // namespace VeskGames
