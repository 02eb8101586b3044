#ifndef VESKGAMES_CHINESEGAMELISTDIALOGITEM_H
#define VESKGAMES_CHINESEGAMELISTDIALOGITEM_H

#include "abstractgamelistdialogitem.h"

#include <QVariantMap>

#include <memory>

namespace VeskGames {

class Command;
class GameGridItem;
class WebkitBridge;
class WebPaneItem;

/// The partner's lobby: the games as twelve picture tiles, four rows of
/// three. It asks and answers with the same signals and slots as the
/// built-in lobby, so the program drives either the same way.
class ChineseGameListDialogItem : public AbstractGameListDialogItem
{
    Q_OBJECT

public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 3;
    static constexpr int TileCount = Rows * Columns;
    static constexpr int ListRefreshMs = 10000;

    explicit ChineseGameListDialogItem(const QVariantMap& settings, QGraphicsItem* parent = nullptr);
    ~ChineseGameListDialogItem() override;

    GameGridItem* tile(int index) const;
    GameGridItem* selectedTile() const;
    QString selectedGameId() const;
    PushButtonItem* joinButton() const;
    PushButtonItem* registerButton() const;
    PushButtonItem* unregisterButton() const;
    PushButtonItem* quitButton() const;
    /// Opens the partner's web lobby ("urlLobby"); shown when there is one.
    PushButtonItem* webLobbyButton() const;
    WebPaneItem* header() const;
    WebkitBridge* bridge() const;
    bool isListTimerActive() const;
    /// In the middle of the table's scene.
    void placeInScene();
    /// The lobby keeps its own place on the screen.
    void centerDialog() override;
    void retranslateUi();

public Q_SLOTS:
    void slotGameList(VeskGames::Command* command) override;
    void slotFreerollList(VeskGames::Command* command) override;
    void refreshList() override;
    void refreshDetails() override;
    /// The greeting page follows the avatar the settings name.
    void setUserSettings(const QVariantMap& settings) override;
    void slotJoin();
    void slotRegister();
    void slotWebLobby();
    void slotUnregister();

protected:
    void changeEvent(QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private Q_SLOTS:
    void slotItemSelected(VeskGames::GameGridItem* item);
    void slotImageChanged(int id);

private:
    void fill(const QList<QVariantMap>& records);
    void select(GameGridItem* item);
    void updateButtons();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
