#ifndef VESKGAMES_REPLAYCONTROLLER_H
#define VESKGAMES_REPLAYCONTROLLER_H

#include "commoncontroller.h"

#include <memory>

namespace VeskGames {

class PlayerGameScene;

/// A table controller for a hand played again: the live table's event
/// handling and the player's own table scene, with nobody to ask and
/// nothing to send. The events come from a client that never connects.
class ReplayController : public CommonController
{
    Q_OBJECT

public:
    /// \a localPlayer sits at the bottom and sees their own cards.
    ReplayController(Client* client, PokerTableView* view, AbstractTheme* theme, const QString& localPlayer,
                     QObject* parent = nullptr);
    ~ReplayController() override;

    PlayerGameScene* playerScene() const;

public Q_SLOTS:
    void slotGameParametersEvent(VeskGames::GameParameters params) override;
    void slotGameEventUserData(qint32 position, QString userName, qint32 avatarId, qreal userStack,
                               qint32 userStatus, qint32 timestamp, QString displayName) override;
    void slotGameOpen(int action, QString sessionId, QString selection, qint32 timestamp) override;
    void slotGameJoin(bool ok, qint32 timestamp) override;
    void slotQuitApplication() override;
    void gameOver() override;

private:
    void hideTableButtons();
    void showOwnCards();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
