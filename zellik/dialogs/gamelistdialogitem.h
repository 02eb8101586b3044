#ifndef VESKGAMES_GAMELISTDIALOGITEM_H
#define VESKGAMES_GAMELISTDIALOGITEM_H

#include "abstractgamelistdialogitem.h"
#include "abstractgamescenesidebuttons.h"

#include <QVariantMap>

#include <memory>

class QModelIndex;
class QStandardItemModel;
class QTabBar;
class QTreeView;
class QLabel;

namespace VeskGames {

class Command;

/// The lobby of the built-in themes: cash games and freerolls in two sortable
/// lists. It asks for everything through its signals and is handed the
/// finished server commands back.
class ZELLIK_EXPORT GameListDialogItem : public AbstractGameListDialogItem
{
    Q_OBJECT

public:
    static constexpr int ListRefreshMs = 10000;

    explicit GameListDialogItem(const QVariantMap& settings, QGraphicsItem* parent = nullptr);
    ~GameListDialogItem() override;

    int listType() const;
    QString selectedGameId() const;
    QVariantMap selectedRecord() const;
    QString detailsText() const;
    QTabBar* tabBar() const;
    QTreeView* treeView() const;
    QStandardItemModel* model() const;
    PushButtonItem* joinButton() const;
    PushButtonItem* registerButton() const;
    PushButtonItem* unregisterButton() const;
    PushButtonItem* detailsButton() const;
    bool isListTimerActive() const;
    int detailsTimerInterval() const;
    /// Takes the lobby's side buttons over; they act for this dialog.
    void setSideButtons(AbstractGameSceneSideButtons* buttons);
    /// Fills the area left of the side-button column.
    void placeInScene();
    /// The lobby keeps its own place on the screen.
    void centerDialog() override;
    void retranslateUi();

public Q_SLOTS:
    void slotGameList(VeskGames::Command* command) override;
    void slotFreerollList(VeskGames::Command* command) override;
    void slotDetailsResult(VeskGames::Command* command) override;
    void refreshList() override;
    void refreshDetails() override;
    void slotJoin();
    void slotRegister();
    void slotUnregister();
    void slotDetails();
    void slotClicked(const QModelIndex& index);
    void slotDoubleClicked(const QModelIndex& index);
    void slotTabBarChanged(int index);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private Q_SLOTS:
    void slotSideButtonClicked(VeskGames::AbstractGameSceneSideButtons::SideButtonType type);
    void slotSelectionChanged();

private:
    void fill(const QList<QVariantMap>& records);
    void setColumns();
    void updateButtons();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
