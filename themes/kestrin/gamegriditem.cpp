#include "gamegriditem.h"

#include "gamelistrows.h"
#include "kestrinimages.h"
#include "localresources.h"
#include "textutils.h"

#include <QFile>
#include <QFontDatabase>
#include <QGraphicsSceneMouseEvent>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace VeskGames {

namespace {

constexpr qreal kRadius = 10;
constexpr qreal kTextMargin = 10;

// The tile font ships with the theme; registered once, on first use.
QString tileFamily()
{
    static const QString family = [] {
        QFile file(LocalResources::resourcePath(QStringLiteral("/gamelist/tilefont.ttf"),
                                                QMetaType(QMetaType::QString)));
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const int id = data.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(data);
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

// Looked up again only when the search paths change: a tile paints often.
QImage themeImage(const QString& name)
{
    struct Cached
    {
        quint64 generation = 0;
        QImage image;
    };
    static QHash<QString, Cached> cache;
    Cached& entry = cache[name];
    if (entry.generation != LocalResources::generation() + 1) {
        entry.generation = LocalResources::generation() + 1;
        entry.image = KestrinImages::image(name);
    }
    return entry.image;
}

} // namespace

class GameGridItem::Private
{
public:
    QVariantMap record;
    QImage image;
    bool selected = false;
};

GameGridItem::GameGridItem(QGraphicsItem* parent) : QGraphicsWidget(parent), d(std::make_unique<Private>())
{
    setFlag(ItemIsFocusable);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setEnabled(false);
}

GameGridItem::~GameGridItem() = default;

void GameGridItem::setRecord(const QVariantMap& record)
{
    d->record = record.value(QStringLiteral("id")).toString().isEmpty() ? QVariantMap() : record;
    setEnabled(hasGame());
    if (!hasGame()) {
        d->image = QImage();
        setSelected(false);
    }
    update();
}

QVariantMap GameGridItem::record() const
{
    return d->record;
}

QString GameGridItem::gameId() const
{
    return d->record.value(QStringLiteral("id")).toString();
}

bool GameGridItem::hasGame() const
{
    return !d->record.isEmpty();
}

void GameGridItem::setImage(const QImage& image)
{
    d->image = image;
    update();
}

QImage GameGridItem::image() const
{
    return d->image;
}

int GameGridItem::imageId() const
{
    bool ok = false;
    const int id = d->record.value(QStringLiteral("imageId")).toInt(&ok);
    return ok && id > 0 ? id : 0;
}

void GameGridItem::setSelected(bool selected)
{
    if (d->selected == selected)
        return;
    d->selected = selected;
    update();
}

bool GameGridItem::isSelected() const
{
    return d->selected;
}

QStringList GameGridItem::textLines() const
{
    if (!hasGame())
        return {};
    const QVariantMap& r = d->record;
    const QString name = r.value(QStringLiteral("name")).toString();
    QStringList lines{name.isEmpty() ? gameId() : name};
    const QString blinds = GameListRows::blindsText(r);
    if (!blinds.isEmpty())
        lines << blinds;
    const QString buyin = GameListRows::buyinText(r);
    if (!buyin.isEmpty())
        lines << tr("Buy-in %1").arg(buyin);
    const int players = qMax(0, r.value(QStringLiteral("players")).toInt());
    const int seats = r.value(QStringLiteral("seats")).toInt();
    lines << (seats > 0 ? tr("Players %1/%2").arg(players).arg(seats) : tr("Players %1").arg(players));
    return lines;
}

QSizeF GameGridItem::sizeHint(Qt::SizeHint which, const QSizeF& constraint) const
{
    if (which == Qt::MaximumSize || which == Qt::MinimumSize || which == Qt::PreferredSize)
        return {TileWidth, TileHeight};
    return QGraphicsWidget::sizeHint(which, constraint);
}

void GameGridItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r = rect();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath shape;
    shape.addRoundedRect(r, kRadius, kRadius);
    if (!hasGame()) {
        const QImage empty = themeImage(QStringLiteral("/gamelist/game_disabled.png"));
        if (!empty.isNull())
            painter->drawImage(r, empty);
        else
            painter->fillPath(shape, QColor(80, 80, 80));
        return;
    }
    painter->save();
    painter->setClipPath(shape);
    if (!d->image.isNull())
        painter->drawImage(r, d->image);
    else
        painter->fillPath(shape, QColor(96, 24, 24));
    // The text stays readable on any picture.
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(0, 0, 0, 40));
    shade.setColorAt(1, QColor(0, 0, 0, 150));
    painter->fillRect(r, shade);
    painter->restore();

    const QStringList lines = textLines();
    QFont font = this->font();
    if (!tileFamily().isEmpty())
        font.setFamily(tileFamily());
    const QRectF text = r.adjusted(kTextMargin, 6, -kTextMargin, -6);
    const qreal lineHeight = text.height() / qMax<qsizetype>(4, lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        font.setPixelSize(int(lineHeight * (i == 0 ? 0.78 : 0.62)));
        font.setBold(i == 0);
        painter->setFont(font);
        const QRectF line(text.left(), text.top() + i * lineHeight, text.width(), lineHeight);
        const QString shown = QFontMetricsF(font).elidedText(lines.at(i), Qt::ElideRight, line.width());
        painter->setPen(QColor(0, 0, 0, 160));
        painter->drawText(line.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, shown);
        painter->setPen(i == 0 ? QColor(255, 224, 140) : Qt::white);
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    if (d->selected || hasFocus()) {
        const QImage glow = themeImage(QStringLiteral("/gamelist/highlighted.png"));
        if (d->selected && !glow.isNull()) {
            painter->drawImage(r, glow);
        } else {
            painter->setPen(QPen(QColor(255, 210, 90), d->selected ? 3 : 1.5));
            painter->drawRoundedRect(r.adjusted(1, 1, -1, -1), kRadius, kRadius);
        }
    }
}

void GameGridItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasGame()) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    Q_EMIT itemSelected(this);
}

void GameGridItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && hasGame())
        Q_EMIT itemActivated(this);
}

void GameGridItem::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        Q_EMIT itemSelected(this);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT itemSelected(this);
        Q_EMIT itemActivated(this);
        return;
    default:
        QGraphicsWidget::keyPressEvent(event);
    }
}

void GameGridItem::focusInEvent(QFocusEvent* event)
{
    QGraphicsWidget::focusInEvent(event);
    update();
}

} // namespace VeskGames
