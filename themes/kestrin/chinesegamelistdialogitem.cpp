#include "chinesegamelistdialogitem.h"
#include "protocol.h"

#include "avatarmanager.h"
#include "dialogbuttonboxitem.h"
#include "externallinkpage.h"
#include "gamegriditem.h"
#include "gamelistimagemanager.h"
#include "gamelistrows.h"
#include "kestrinimages.h"
#include "labelitem.h"
#include "pushbuttonitem.h"
#include "servercommand.h"
#include "webkitbridge.h"
#include "webpaneitem.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsGridLayout>
#include <QGraphicsLinearLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <array>

namespace VeskGames {

namespace {

const QSizeF kDialogSize(860, 700);
constexpr qreal kHeaderHeight = 94; // the tiles start below the background's header band

// Without a stored choice the player has no avatar yet: the page shows an empty frame.
int avatarIdIn(const QVariantMap& settings)
{
    bool chosen = false;
    const int id = settings.value(QStringLiteral("avatarId")).toInt(&chosen);
    return chosen && id >= 0 ? id : -1;
}

} // namespace

class ChineseGameListDialogItem::Private
{
public:
    QVariantMap settings;
    std::array<GameGridItem*, TileCount> tiles{};
    QPointer<GameGridItem> selected;
    QString selectedGameId;
    LabelItem* title = nullptr;
    WebPaneItem* header = nullptr;
    WebkitBridge* bridge = nullptr;
    DialogButtonBoxItem* buttonBox = nullptr;
    PushButtonItem* join = nullptr;
    PushButtonItem* webLobby = nullptr;
    PushButtonItem* registerButton = nullptr;
    PushButtonItem* unregister = nullptr;
    PushButtonItem* quit = nullptr;
    QImage background;
    QTimer listTimer;
    bool imagesAsked = false;
};

ChineseGameListDialogItem::ChineseGameListDialogItem(const QVariantMap& settings, QGraphicsItem* parent)
    : AbstractGameListDialogItem(parent), d(std::make_unique<Private>())
{
    d->settings = settings;
    d->background = KestrinImages::image(QStringLiteral("/gamelist/background.png"), kDialogSize);

    d->title = createTitle();
    d->title->setBrush(QColor(255, 224, 140));
    d->bridge = new WebkitBridge(AvatarManager::instance(), avatarIdIn(settings), this);
    d->header = new WebPaneItem(this);
    d->header->setObjectName(QStringLiteral("gameListHeader"));
    d->header->publish(QStringLiteral("player"), d->bridge);
    d->header->setResourcePage(QStringLiteral("/gamelist/header.html"));
    connect(d->header, &WebPaneItem::linkClicked, this,
            [](const QUrl& url) { ExternalLinkPage::openInBrowser(url); });
    d->header->setMinimumHeight(kHeaderHeight);
    d->header->setMaximumHeight(kHeaderHeight);
    d->header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* grid = new QGraphicsGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    for (int i = 0; i < TileCount; ++i) {
        auto* tile = new GameGridItem(this);
        tile->setObjectName(QStringLiteral("tile%1").arg(i));
        connect(tile, &GameGridItem::itemSelected, this, &ChineseGameListDialogItem::slotItemSelected);
        connect(tile, &GameGridItem::itemActivated, this, [this](GameGridItem* item) {
            select(item);
            if (item->record().value(QStringLiteral("type")).toInt() & Protocol::SitAndGo)
                slotRegister();
            else
                slotJoin();
        });
        grid->addItem(tile, i / Columns, i % Columns);
        d->tiles[size_t(i)] = tile;
    }
    auto* gridRow = new QGraphicsLinearLayout(Qt::Horizontal);
    gridRow->addStretch();
    gridRow->addItem(grid);
    gridRow->addStretch();

    d->buttonBox = new DialogButtonBoxItem(this);
    d->buttonBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const auto makeButton = [this](const char* name, QDialogButtonBox::ButtonRole role) {
        return addBoxButton(d->buttonBox, name, role);
    };
    d->quit = makeButton("quitButton", QDialogButtonBox::RejectRole);
    d->unregister = makeButton("unregisterButton", QDialogButtonBox::ActionRole);
    d->registerButton = makeButton("registerButton", QDialogButtonBox::AcceptRole);
    d->join = makeButton("joinButton", QDialogButtonBox::AcceptRole);
    connect(d->join, &PushButtonItem::clicked, this, &ChineseGameListDialogItem::slotJoin);
    connect(d->registerButton, &PushButtonItem::clicked, this, &ChineseGameListDialogItem::slotRegister);
    connect(d->unregister, &PushButtonItem::clicked, this, &ChineseGameListDialogItem::slotUnregister);
    connect(d->quit, &PushButtonItem::clicked, this, &ChineseGameListDialogItem::actionQuit);
    // The partner's own lobby on its site, for what the tiles do not offer.
    d->webLobby = makeButton("webLobbyButton", QDialogButtonBox::ActionRole);
    d->webLobby->setVisible(!QCoreApplication::instance()->property("iniurllobby").toString().isEmpty());
    connect(d->webLobby, &PushButtonItem::clicked, this, &ChineseGameListDialogItem::slotWebLobby);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(28, 18, 28, 18);
    layout->setSpacing(10);
    layout->addItem(d->title);
    layout->setAlignment(d->title, Qt::AlignHCenter);
    layout->addItem(d->header);
    layout->addItem(gridRow);
    layout->addStretch();
    layout->addItem(d->buttonBox);
    layout->setAlignment(d->buttonBox, Qt::AlignRight);

    d->listTimer.setSingleShot(true);
    d->listTimer.setInterval(ListRefreshMs);
    connect(&d->listTimer, &QTimer::timeout, this, &ChineseGameListDialogItem::refreshList);
    GameListImageManager* images = GameListImageManager::instance();
    connect(images, &AbstractImageManager::imageChanged, this, &ChineseGameListDialogItem::slotImageChanged);

    setMinimumSize(kDialogSize);
    setPreferredSize(kDialogSize);
    retranslateUi();
    updateButtons();
}

ChineseGameListDialogItem::~ChineseGameListDialogItem() = default;

GameGridItem* ChineseGameListDialogItem::tile(int index) const
{
    return index >= 0 && index < TileCount ? d->tiles[size_t(index)] : nullptr;
}

GameGridItem* ChineseGameListDialogItem::selectedTile() const
{
    return d->selected;
}

QString ChineseGameListDialogItem::selectedGameId() const
{
    return d->selectedGameId;
}

PushButtonItem* ChineseGameListDialogItem::joinButton() const
{
    return d->join;
}

PushButtonItem* ChineseGameListDialogItem::registerButton() const
{
    return d->registerButton;
}

PushButtonItem* ChineseGameListDialogItem::unregisterButton() const
{
    return d->unregister;
}

PushButtonItem* ChineseGameListDialogItem::quitButton() const
{
    return d->quit;
}

void ChineseGameListDialogItem::setUserSettings(const QVariantMap& settings)
{
    d->settings = settings;
    d->bridge->setAvatarId(avatarIdIn(settings));
}

WebPaneItem* ChineseGameListDialogItem::header() const
{
    return d->header;
}

WebkitBridge* ChineseGameListDialogItem::bridge() const
{
    return d->bridge;
}

bool ChineseGameListDialogItem::isListTimerActive() const
{
    return d->listTimer.isActive();
}

void ChineseGameListDialogItem::centerDialog()
{
    placeInScene();
}

void ChineseGameListDialogItem::placeInScene()
{
    QGraphicsScene* scene = this->scene();
    if (!scene)
        return;
    const QRectF area = scene->sceneRect();
    const QSizeF size(qMin(kDialogSize.width(), area.width() - 20),
                      qMin(kDialogSize.height(), area.height() - 20));
    resize(size);
    setPos(area.center() - QPointF(size.width(), size.height()) / 2);
}

void ChineseGameListDialogItem::slotWebLobby()
{
    openPage(QCoreApplication::instance()->property("iniurllobby").toString());
}

PushButtonItem* ChineseGameListDialogItem::webLobbyButton() const
{
    return d->webLobby;
}

void ChineseGameListDialogItem::retranslateUi()
{
    d->title->setText(tr("Select Gaming Pool"));
    d->join->setText(tr("Join"));
    d->registerButton->setText(tr("Register"));
    d->unregister->setText(tr("Unregister"));
    d->quit->setText(tr("Quit"));
    d->webLobby->setText(tr("Web lobby"));
    for (GameGridItem* tile : d->tiles)
        tile->update();
}

void ChineseGameListDialogItem::slotGameList(Command* command)
{
    bool ok = false;
    const QList<QVariantMap> list = GameListRows::records(command, &ok);
    // A failed refresh keeps what is shown.
    if (ok)
        fill(list);
    d->listTimer.start();
}

void ChineseGameListDialogItem::slotFreerollList(Command*)
{
    // The tiles show the tables only; the list is not asked for.
    d->listTimer.start();
}

void ChineseGameListDialogItem::refreshList()
{
    d->listTimer.stop();
    Q_EMIT actionRefreshGameList();
}

void ChineseGameListDialogItem::refreshDetails() {}

void ChineseGameListDialogItem::slotJoin()
{
    if (!d->selected || !d->selected->hasGame())
        return;
    const QVariantMap record = d->selected->record();
    Q_EMIT actionJoin(
        record.value(QStringLiteral("id")).toString(), record.value(QStringLiteral("buyinMin")).toDouble(),
        record.value(QStringLiteral("buyinMax")).toDouble(),
        record.value(QStringLiteral("currency")).toString(), record.value(QStringLiteral("type")).toInt());
}

void ChineseGameListDialogItem::slotRegister()
{
    if (d->selected && d->selected->hasGame())
        Q_EMIT actionRegister(d->selected->gameId());
}

void ChineseGameListDialogItem::slotUnregister()
{
    if (d->selected && d->selected->hasGame())
        Q_EMIT actionUnregister(d->selected->gameId());
}

void ChineseGameListDialogItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    AbstractGameListDialogItem::changeEvent(event);
}

QVariant ChineseGameListDialogItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemVisibleHasChanged && !value.toBool())
        d->listTimer.stop();
    return AbstractGameListDialogItem::itemChange(change, value);
}

void ChineseGameListDialogItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                      QWidget* widget)
{
    if (d->background.isNull()) {
        AbstractGameListDialogItem::paint(painter, option, widget);
        return;
    }
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect(), d->background);
}

void ChineseGameListDialogItem::slotItemSelected(GameGridItem* item)
{
    select(item);
}

void ChineseGameListDialogItem::slotImageChanged(int id)
{
    GameListImageManager* images = GameListImageManager::instance();
    for (GameGridItem* tile : d->tiles) {
        if (tile->hasGame() && tile->imageId() == id)
            tile->setImage(images->image(id));
    }
}

void ChineseGameListDialogItem::fill(const QList<QVariantMap>& list)
{
    GameListImageManager* images = GameListImageManager::instance();
    if (client() && !images->client())
        images->setClient(client());
    if (!d->imagesAsked && images->client()) {
        d->imagesAsked = true;
        images->update();
    }
    // Records the program cannot join (no id) take no tile; past twelve there is no room.
    QList<QVariantMap> games;
    for (const QVariantMap& record : list) {
        if (!record.value(QStringLiteral("id")).toString().isEmpty() && games.size() < TileCount)
            games.append(record);
    }
    GameGridItem* keep = nullptr;
    for (int i = 0; i < TileCount; ++i) {
        GameGridItem* tile = d->tiles[size_t(i)];
        tile->setRecord(i < games.size() ? games.at(i) : QVariantMap());
        tile->setSelected(false);
        if (tile->hasGame()) {
            const int id = tile->imageId();
            tile->setImage(id > 0 ? images->image(id) : QImage());
            if (tile->gameId() == d->selectedGameId)
                keep = tile;
        }
    }
    // The same game stays chosen wherever it moved.
    select(keep);
}

void ChineseGameListDialogItem::select(GameGridItem* item)
{
    if (d->selected)
        d->selected->setSelected(false);
    d->selected = item && item->hasGame() ? item : nullptr;
    d->selectedGameId = d->selected ? d->selected->gameId() : QString();
    if (d->selected)
        d->selected->setSelected(true);
    updateButtons();
}

void ChineseGameListDialogItem::updateButtons()
{
    const bool chosen = d->selected && d->selected->hasGame();
    const bool tournament =
        chosen && (d->selected->record().value(QStringLiteral("type")).toInt() & Protocol::SitAndGo);
    d->join->setEnabled(chosen && !tournament);
    d->registerButton->setEnabled(tournament);
    d->unregister->setEnabled(tournament);
}

} // namespace VeskGames
