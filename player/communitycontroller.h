#ifndef VESKGAMES_COMMUNITYCONTROLLER_H
#define VESKGAMES_COMMUNITYCONTROLLER_H

#include "commoncontroller.h"

namespace VeskGames {

class CommunityGameScene;
class SplashScene;

/// The onlookers' display: joins the terminal's table without a login and
/// shows the game on the whole screen in the community look. It never asks
/// anybody anything; when the table is gone the program ends.
class CommunityController : public CommonController
{
    Q_OBJECT

public:
    enum State { StateAuthenticating = 0, StateJoining = 1, StateShowing = 2, StateOver = 3 };
    Q_ENUM(State)

    /// \a theme is not used: the display has a theme of its own.
    CommunityController(Client* client, PokerTableView* view, AbstractTheme* theme,
                        QObject* parent = nullptr);
    ~CommunityController() override;

    int state() const;
    SplashScene* splash() const;
    CommunityGameScene* communityScene() const;
    /// The local kiosk service; "http://127.0.0.1:1980/" unless set.
    void setKioskUrl(const QUrl& url);
    /// Retry pause after a refused authentication.
    static constexpr int RetryMs = 200;

public Q_SLOTS:
    void slotConnectionFailed(int requestId, int faultCode, QString faultString) override;
    void slotGameParametersEvent(VeskGames::GameParameters params) override;
    void slotGameEventPotGive(QList<qint32> positions, QList<qreal> amounts, qint32 msec,
                              qint32 timestamp) override;
    void slotHandStatusEvent(qint32 handStatus, qint32 timestamp) override;
    void slotGameOpen(int action, QString sessionId, QString selection, qint32 timestamp) override;
    void slotGameJoin(bool ok, qint32 timestamp) override;
    void slotUserNotify(int message, qint32 timeout, qint32 options, QStringList params,
                        qint32 timestamp) override;
    void slotUserNotify(QString message, qint32 timeout, qint32 options, QStringList params,
                        qint32 timestamp) override;
    void slotGameEventActionShow(qint32 position, QVector<VeskGames::Card> cards, qint32 timestamp) override;
    void slotGameRequestAction(qint32 position, qint32 timeout, qreal postSmall, qreal postBig,
                               qreal potLimit, qreal postNowWait, bool isCallAllIn, bool canRaise,
                               qint32 timestamp);
    void playStatusSound(qint32 statusCode, qint32 timestamp);

private Q_SLOTS:
    void nextState(VeskGames::Command* command);

private:
    void connect();
    void join();

    class Private;
    static std::unique_ptr<CommonController::Private> makeRecord();
    Private* dd() const;
};

} // namespace VeskGames

#endif
