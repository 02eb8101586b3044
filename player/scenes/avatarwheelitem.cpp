#include "avatarwheelitem.h"

#include "avatarmanager.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QtMath>

#include <algorithm>

namespace VeskGames {

namespace {

constexpr int kBefore = 4;
constexpr int kAfter = 5;
constexpr int kSlots = kBefore + kAfter + 1;
constexpr qreal kWidth = 360;
constexpr qreal kHeight = 150;

} // namespace

class AvatarWheelItem::Private
{
public:
    QList<int> ids;
    int index = 0;
    int direction = 0; // of the turn under way
    qreal animTime = 0;
    QPropertyAnimation* animation = nullptr;
};

AvatarWheelItem::AvatarWheelItem(QGraphicsItem* parent)
    : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setFocusPolicy(Qt::StrongFocus);
    setFlag(ItemIsFocusable);
    setCacheMode(DeviceCoordinateCache);
    d->animation = new QPropertyAnimation(this, "animTime", this);
    d->animation->setDuration(TurnMilliseconds);
    d->animation->setEasingCurve(QEasingCurve::InOutQuint);
    d->animation->setStartValue(0.0);
    d->animation->setEndValue(1.0);
    connect(d->animation, &QPropertyAnimation::finished, this, &AvatarWheelItem::slotFixIndex);
    AvatarManager* avatars = AvatarManager::instance();
    connect(avatars, &AbstractImageManager::imageListChanged, this, &AvatarWheelItem::slotReload);
    connect(avatars, &AbstractImageManager::imageChanged, this, &AvatarWheelItem::slotImageChanged);
    slotReload();
    resize(sizeHint(Qt::PreferredSize));
}

AvatarWheelItem::~AvatarWheelItem() = default;

QSizeF AvatarWheelItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::PreferredSize || which == Qt::MinimumSize)
        return QSizeF(kWidth, kHeight);
    return QGraphicsWidget::sizeHint(which, constraint);
}

int AvatarWheelItem::currentAvatarId() const
{
    return d->ids.isEmpty() ? -1 : d->ids.at(d->index);
}

QList<int> AvatarWheelItem::avatarIds() const
{
    return d->ids;
}

qreal AvatarWheelItem::animTime() const
{
    return d->animTime;
}

void AvatarWheelItem::setAnimTime(qreal time)
{
    d->animTime = time;
    update();
}

void AvatarWheelItem::next()
{
    turn(1);
}

void AvatarWheelItem::prev()
{
    turn(-1);
}

void AvatarWheelItem::turn(int direction)
{
    if (d->ids.size() < 2)
        return;
    // A turn asked for during a turn lands the first one at once.
    if (d->animation->state() == QAbstractAnimation::Running) {
        d->animation->stop();
        slotFixIndex();
    }
    d->direction = direction;
    d->animation->start();
}

void AvatarWheelItem::slotFixIndex()
{
    if (d->ids.isEmpty())
        return;
    const int n = int(d->ids.size());
    d->index = ((d->index + d->direction) % n + n) % n;
    d->direction = 0;
    d->animTime = 0;
    update();
    Q_EMIT avatarSelected(currentAvatarId());
}

void AvatarWheelItem::setCurrentAvatarId(int id)
{
    const int found = int(d->ids.indexOf(id));
    if (found >= 0)
        d->index = found;
    update();
}

void AvatarWheelItem::slotReload()
{
    const int current = currentAvatarId();
    d->ids = AvatarManager::instance()->avatarIds();
    d->index = std::max(0, int(d->ids.indexOf(current)));
    update();
}

void AvatarWheelItem::slotImageChanged(int id)
{
    if (d->ids.contains(id))
        update();
}

QRectF AvatarWheelItem::slotRect(int slot) const
{
    // The wheel lies flat: slot 0 is nearest, at the bottom centre; the
    // others go round behind it, smaller the farther back they are.
    const qreal turned = slot - d->direction * d->animTime;
    const qreal angle = turned * 2 * M_PI / kSlots;
    const qreal depth = (qCos(angle) + 1) / 2;
    const qreal side = AvatarSize * (0.45 + 0.55 * depth);
    const QPointF centre(size().width() / 2 + qSin(angle) * (size().width() - AvatarSize) / 2,
                         size().height() - AvatarSize / 2.0 - 4 -
                             (1 - depth) * (size().height() - AvatarSize) / 2);
    return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

void AvatarWheelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const int n = int(d->ids.size());
    if (n > 0) {
        QList<int> order;
        for (int slot = -kBefore; slot <= kAfter && order.size() < n; ++slot)
            order.append(slot);
        // Back to front: the farthest first.
        std::sort(order.begin(), order.end(),
                  [this](int a, int b) { return slotRect(a).width() < slotRect(b).width(); });
        AvatarManager* avatars = AvatarManager::instance();
        for (int slot : std::as_const(order)) {
            const int id = d->ids.at(((d->index + slot) % n + n) % n);
            const QImage image = avatars->avatarImage(id);
            const QRectF place = slotRect(slot);
            if (!image.isNull())
                painter->drawImage(place, image);
            else
                painter->fillRect(place, QColor(90, 90, 90));
        }
    }
    const QRectF frame(size().width() / 2 - AvatarSize / 2.0 - 4, size().height() - AvatarSize - 8,
                       AvatarSize + 8, AvatarSize + 8);
    painter->setPen(QPen(QColor(240, 200, 80), 3));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(frame, 10, 10);
}

void AvatarWheelItem::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left)
        prev();
    else if (event->key() == Qt::Key_Right)
        next();
    else
        QGraphicsWidget::keyPressEvent(event);
}

} // namespace VeskGames
