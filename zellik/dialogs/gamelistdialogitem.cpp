#include "gamelistdialogitem.h"

#include "dialogbuttonboxitem.h"
#include "gamelistrows.h"
#include "labelitem.h"
#include "pushbuttonitem.h"
#include "servercommand.h"

#include <QEvent>
#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace VeskGames {

namespace {

constexpr QSizeF kDialogSize(840, 600);
// The side buttons stand right of this line in the table's design.
constexpr qreal kSideColumnX = 880;

} // namespace

class GameListDialogItem::Private
{
public:
    QVariantMap settings;
    GameListRows::ListType listType = GameListRows::CashGames;
    QString selectedGameId;
    QString detailsGameId;
    QWidget* form = nullptr;
    QTabBar* tabs = nullptr;
    QTreeView* view = nullptr;
    QStandardItemModel* model = nullptr;
    QLabel* details = nullptr;
    QGraphicsProxyWidget* proxy = nullptr;
    LabelItem* title = nullptr;
    PushButtonItem* join = nullptr;
    PushButtonItem* registerButton = nullptr;
    PushButtonItem* unregister = nullptr;
    PushButtonItem* detailsButton = nullptr;
    DialogButtonBoxItem* buttonBox = nullptr;
    AbstractGameSceneSideButtons* sideButtons = nullptr;
    QTimer listTimer;
    QTimer detailsTimer;
    bool filling = false;
};

GameListDialogItem::GameListDialogItem(const QVariantMap& settings, QGraphicsItem* parent)
    : AbstractGameListDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("GameListDialog"));
    d->settings = settings;

    d->title = createTitle();

    d->form = new QWidget;
    d->form->setObjectName(QStringLiteral("gameListForm"));
    d->form->setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(d->form);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    d->tabs = new QTabBar;
    d->tabs->setObjectName(QStringLiteral("gameListTab"));
    d->tabs->addTab(QString());
    d->tabs->addTab(QString());
    d->tabs->setExpanding(false);
    d->tabs->setDrawBase(false);
    d->view = new QTreeView;
    d->view->setObjectName(QStringLiteral("treeView"));
    d->model = new QStandardItemModel(d->view);
    d->model->setSortRole(GameListRows::SortRole);
    d->view->setModel(d->model);
    d->view->setRootIsDecorated(false);
    d->view->setItemsExpandable(false);
    d->view->setUniformRowHeights(true);
    d->view->setAlternatingRowColors(true);
    d->view->setAllColumnsShowFocus(true);
    d->view->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->view->setSelectionMode(QAbstractItemView::SingleSelection);
    d->view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->view->setIconSize(QSize(32, 32));
    d->view->setSortingEnabled(true);
    d->view->header()->setSectionsMovable(false);
    d->view->header()->setStretchLastSection(false);
    d->view->installEventFilter(this);
    d->details = new QLabel;
    d->details->setObjectName(QStringLiteral("detailsLabel"));
    d->details->setWordWrap(true);
    d->details->setTextFormat(Qt::PlainText);
    d->details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the six lines a freeroll's details take.
    d->details->setMinimumHeight(d->details->fontMetrics().lineSpacing() * 6 + 24);
    d->details->setMargin(8);
    column->addWidget(d->tabs);
    column->addWidget(d->view, 1);
    column->addSpacing(8);
    column->addWidget(d->details);
    d->proxy = new QGraphicsProxyWidget(this);
    d->proxy->setWidget(d->form);
    d->proxy->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    // The platform's order, the theme's button pictures.
    d->buttonBox = new DialogButtonBoxItem(this);
    d->buttonBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const auto makeButton = [this](const char* name, QDialogButtonBox::ButtonRole role) {
        return addBoxButton(d->buttonBox, name, role);
    };
    d->detailsButton = makeButton("detailsButton", QDialogButtonBox::ActionRole);
    d->unregister = makeButton("unregisterButton", QDialogButtonBox::ActionRole);
    d->registerButton = makeButton("registerButton", QDialogButtonBox::AcceptRole);
    d->join = makeButton("joinButton", QDialogButtonBox::AcceptRole);
    connect(d->join, &PushButtonItem::clicked, this, &GameListDialogItem::slotJoin);
    connect(d->registerButton, &PushButtonItem::clicked, this, &GameListDialogItem::slotRegister);
    connect(d->unregister, &PushButtonItem::clicked, this, &GameListDialogItem::slotUnregister);
    connect(d->detailsButton, &PushButtonItem::clicked, this, &GameListDialogItem::slotDetails);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(24, 16, 24, 18);
    layout->setSpacing(12);
    layout->addItem(d->title);
    layout->setAlignment(d->title, Qt::AlignLeft);
    layout->addItem(d->proxy);
    layout->setStretchFactor(d->proxy, 1);
    layout->addItem(d->buttonBox);
    layout->setAlignment(d->buttonBox, Qt::AlignRight);

    d->listTimer.setSingleShot(true);
    d->listTimer.setInterval(ListRefreshMs);
    connect(&d->listTimer, &QTimer::timeout, this, &GameListDialogItem::refreshList);
    d->detailsTimer.setSingleShot(true);
    connect(&d->detailsTimer, &QTimer::timeout, this, &GameListDialogItem::refreshDetails);

    connect(d->tabs, &QTabBar::currentChanged, this, &GameListDialogItem::slotTabBarChanged);
    connect(d->view, &QTreeView::clicked, this, &GameListDialogItem::slotClicked);
    connect(d->view, &QTreeView::doubleClicked, this, &GameListDialogItem::slotDoubleClicked);
    connect(d->view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GameListDialogItem::slotSelectionChanged);

    setMinimumSize(kDialogSize);
    setPreferredSize(kDialogSize);
    retranslateUi();
    setColumns();
    updateButtons();
}

GameListDialogItem::~GameListDialogItem()
{
    if (d->sideButtons)
        disconnect(d->sideButtons, nullptr, this, nullptr);
}

int GameListDialogItem::listType() const
{
    return d->listType;
}

QString GameListDialogItem::selectedGameId() const
{
    return d->selectedGameId;
}

QVariantMap GameListDialogItem::selectedRecord() const
{
    const QModelIndexList rows = d->view->selectionModel()->selectedRows(0);
    if (rows.isEmpty())
        return QVariantMap();
    return rows.first().data(GameListRows::RecordRole).toMap();
}

QString GameListDialogItem::detailsText() const
{
    return d->details->text();
}

QTabBar* GameListDialogItem::tabBar() const
{
    return d->tabs;
}

QTreeView* GameListDialogItem::treeView() const
{
    return d->view;
}

QStandardItemModel* GameListDialogItem::model() const
{
    return d->model;
}

PushButtonItem* GameListDialogItem::joinButton() const
{
    return d->join;
}

PushButtonItem* GameListDialogItem::registerButton() const
{
    return d->registerButton;
}

PushButtonItem* GameListDialogItem::unregisterButton() const
{
    return d->unregister;
}

PushButtonItem* GameListDialogItem::detailsButton() const
{
    return d->detailsButton;
}

bool GameListDialogItem::isListTimerActive() const
{
    return d->listTimer.isActive();
}

int GameListDialogItem::detailsTimerInterval() const
{
    return d->detailsTimer.isActive() ? d->detailsTimer.interval() : -1;
}

void GameListDialogItem::setSideButtons(AbstractGameSceneSideButtons* buttons)
{
    if (d->sideButtons)
        disconnect(d->sideButtons, nullptr, this, nullptr);
    d->sideButtons = buttons;
    if (buttons) {
        connect(buttons, &AbstractGameSceneSideButtons::sideButtonClicked, this,
                &GameListDialogItem::slotSideButtonClicked);
        connect(buttons, &QObject::destroyed, this, [this] { d->sideButtons = nullptr; });
    }
}

void GameListDialogItem::centerDialog()
{
    placeInScene();
}

void GameListDialogItem::placeInScene()
{
    QGraphicsScene* scene = this->scene();
    if (!scene)
        return;
    const QRectF area = scene->sceneRect();
    const qreal width = qMin(kDialogSize.width(), kSideColumnX - 20);
    const QSizeF size(width, qMin(kDialogSize.height(), area.height() - 40));
    resize(size);
    setPos(area.left() + (kSideColumnX - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

void GameListDialogItem::retranslateUi()
{
    d->title->setText(tr("Lobby"));
    d->tabs->setTabText(GameListRows::CashGames, tr("Cash Games"));
    d->tabs->setTabText(GameListRows::Freerolls, tr("Freerolls"));
    d->join->setText(tr("Join"));
    d->registerButton->setText(tr("Register"));
    d->unregister->setText(tr("Unregister"));
    d->detailsButton->setText(tr("Details"));
    d->model->setHorizontalHeaderLabels(GameListRows::columnTitles(d->listType));
}

void GameListDialogItem::setColumns()
{
    const QStringList titles = GameListRows::columnTitles(d->listType);
    d->model->setColumnCount(int(titles.size()));
    d->model->setHorizontalHeaderLabels(titles);
    QHeaderView* header = d->view->header();
    header->setMinimumSectionSize(40);
    for (int i = 0; i < titles.size(); ++i)
        header->setSectionResizeMode(i, i == 1 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, 44);
    d->view->sortByColumn(GameListRows::initialSortColumn(d->listType),
                          GameListRows::initialSortOrder(d->listType));
    const bool cash = d->listType == GameListRows::CashGames;
    d->join->setVisible(cash);
    d->registerButton->setVisible(!cash);
    d->unregister->setVisible(!cash);
    d->detailsButton->setVisible(!cash);
    d->details->setVisible(!cash);
}

void GameListDialogItem::fill(const QList<QVariantMap>& list)
{
    // Refilling must not count as the user choosing nothing.
    d->filling = true;
    d->model->removeRows(0, d->model->rowCount());
    for (const QVariantMap& record : list) {
        d->model->appendRow(d->listType == GameListRows::CashGames ? GameListRows::cashGameRow(record)
                                                                   : GameListRows::freerollRow(record));
    }
    QHeaderView* header = d->view->header();
    d->model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    QModelIndex selected;
    for (int row = 0; row < d->model->rowCount() && !d->selectedGameId.isEmpty(); ++row) {
        const QModelIndex index = d->model->index(row, 0);
        if (index.data(GameListRows::RecordRole).toMap().value(QStringLiteral("id")).toString() ==
            d->selectedGameId) {
            selected = index;
            break;
        }
    }
    if (selected.isValid()) {
        d->view->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
    } else {
        d->view->selectionModel()->clearSelection();
    }
    d->filling = false;
    updateButtons();
}

void GameListDialogItem::updateButtons()
{
    const QVariantMap record = selectedRecord();
    const bool any = !record.isEmpty();
    const bool registered = record.value(QStringLiteral("isPlaying")).toBool();
    const bool registering = record.value(QStringLiteral("tourStatus")).toInt() == 1;
    d->join->setEnabled(any);
    d->registerButton->setEnabled(any && registering && !registered);
    d->unregister->setEnabled(any && registering && registered);
    d->detailsButton->setEnabled(any);
}

void GameListDialogItem::slotGameList(Command* command)
{
    bool ok = false;
    const QList<QVariantMap> list = GameListRows::records(command, &ok);
    // A failed refresh keeps what is shown.
    if (ok && d->listType == GameListRows::CashGames)
        fill(list);
    d->listTimer.start();
}

void GameListDialogItem::slotFreerollList(Command* command)
{
    bool ok = false;
    const QList<QVariantMap> list = GameListRows::records(command, &ok);
    if (ok && d->listType == GameListRows::Freerolls)
        fill(list);
    d->listTimer.start();
}

void GameListDialogItem::slotDetailsResult(Command* command)
{
    auto* server = qobject_cast<ServerCommand*>(command);
    // An answer for a game no longer chosen would show the wrong text.
    if (server && !server->params().isEmpty() && server->params().first().toString() != d->detailsGameId)
        return;
    const QVariantMap result = server && !server->hasError() ? server->result().toMap() : QVariantMap();
    if (result.isEmpty()) {
        d->details->setText(tr("Load details failed..."));
        return;
    }
    d->details->setText(result.value(QStringLiteral("gameDetails")).toString());
    const int seconds = result.value(QStringLiteral("refreshInterval")).toInt();
    if (seconds > 0)
        d->detailsTimer.start(seconds * 1000);
    else
        d->detailsTimer.stop();
}

void GameListDialogItem::refreshList()
{
    d->listTimer.stop();
    if (d->listType == GameListRows::CashGames)
        Q_EMIT actionRefreshGameList();
    else
        Q_EMIT actionRefreshFreerollList();
}

void GameListDialogItem::refreshDetails()
{
    d->detailsTimer.stop();
    if (!d->detailsGameId.isEmpty())
        Q_EMIT actionDetails(d->detailsGameId, this);
}

void GameListDialogItem::slotJoin()
{
    const QVariantMap record = selectedRecord();
    if (record.isEmpty())
        return;
    Q_EMIT actionJoin(
        record.value(QStringLiteral("id")).toString(), record.value(QStringLiteral("buyinMin")).toDouble(),
        record.value(QStringLiteral("buyinMax")).toDouble(),
        record.value(QStringLiteral("currency")).toString(), record.value(QStringLiteral("type")).toInt());
}

void GameListDialogItem::slotRegister()
{
    const QVariantMap record = selectedRecord();
    if (!record.isEmpty())
        Q_EMIT actionRegister(record.value(QStringLiteral("id")).toString());
}

void GameListDialogItem::slotUnregister()
{
    const QVariantMap record = selectedRecord();
    if (!record.isEmpty())
        Q_EMIT actionUnregister(record.value(QStringLiteral("id")).toString());
}

void GameListDialogItem::slotDetails()
{
    const QVariantMap record = selectedRecord();
    if (record.isEmpty() || d->listType != GameListRows::Freerolls)
        return;
    d->detailsGameId = record.value(QStringLiteral("id")).toString();
    d->detailsTimer.stop();
    Q_EMIT actionDetails(d->detailsGameId, this);
}

void GameListDialogItem::slotClicked(const QModelIndex& index)
{
    if (index.isValid())
        slotDetails();
}

void GameListDialogItem::slotDoubleClicked(const QModelIndex& index)
{
    if (index.isValid() && d->listType == GameListRows::CashGames)
        slotJoin();
}

void GameListDialogItem::slotTabBarChanged(int index)
{
    const auto type = index == GameListRows::Freerolls ? GameListRows::Freerolls : GameListRows::CashGames;
    if (d->tabs->currentIndex() != int(type)) {
        // The tab bar calls back with the same index.
        d->tabs->setCurrentIndex(int(type));
        return;
    }
    d->listType = type;
    d->filling = true;
    d->model->removeRows(0, d->model->rowCount());
    d->filling = false;
    d->selectedGameId.clear();
    d->detailsGameId.clear();
    d->detailsTimer.stop();
    d->details->clear();
    setColumns();
    updateButtons();
    refreshList();
}

void GameListDialogItem::slotSelectionChanged()
{
    if (d->filling)
        return;
    d->selectedGameId = selectedRecord().value(QStringLiteral("id")).toString();
    updateButtons();
}

void GameListDialogItem::slotSideButtonClicked(AbstractGameSceneSideButtons::SideButtonType type)
{
    switch (type) {
    case AbstractGameSceneSideButtons::Options:
        Q_EMIT actionOptions();
        break;
    case AbstractGameSceneSideButtons::HandHistory:
        Q_EMIT actionHandHistory();
        break;
    case AbstractGameSceneSideButtons::Quit:
    case AbstractGameSceneSideButtons::Close:
        Q_EMIT actionQuit();
        break;
    case AbstractGameSceneSideButtons::Cashier:
        displayCashier();
        break;
    default:
        break;
    }
}

QVariant GameListDialogItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    // The scene keeps the tab chain: from the list to the buttons in reading order.
    if (change == ItemSceneHasChanged && scene()) {
        QGraphicsWidget::setTabOrder(d->proxy, d->join);
        QGraphicsWidget::setTabOrder(d->join, d->registerButton);
        QGraphicsWidget::setTabOrder(d->registerButton, d->unregister);
        QGraphicsWidget::setTabOrder(d->unregister, d->detailsButton);
    }
    return AbstractGameListDialogItem::itemChange(change, value);
}

void GameListDialogItem::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    AbstractGameListDialogItem::changeEvent(event);
}

bool GameListDialogItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (d->listType == GameListRows::CashGames)
                slotJoin();
            else if (d->registerButton->isEnabled())
                slotRegister();
            else if (d->unregister->isEnabled())
                slotUnregister();
            return true;
        }
    }
    return AbstractGameListDialogItem::eventFilter(watched, event);
}

} // namespace VeskGames
