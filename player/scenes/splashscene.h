#ifndef VESKGAMES_SPLASHSCENE_H
#define VESKGAMES_SPLASHSCENE_H

#include "pokertablescene.h"

namespace VeskGames {

class PainterPathItem;

/// What the window shows while the program starts, connects and waits in
/// the lobby: the splash picture and one line of status.
class SplashScene : public PokerTableScene
{
    Q_OBJECT

public:
    enum Status {
        /// No line: a dialog has the player's attention.
        StatusNone = -1,
        StatusConnecting = 0,
        StatusCheckingUpdate = 1,
        StatusPreparingUpdate = 2,
        StatusUpdateFailed = 3,
        StatusReconnecting = 4,
        StatusClosing = 5
    };

    SplashScene(AbstractTheme* theme, QObject* parent = nullptr);
    ~SplashScene() override;

    void setStatus(int code, const QString& text = QString());
    int status() const;
    QString statusText() const;
    PainterPathItem* statusItem() const;
    QString tableImageName() const override;

public Q_SLOTS:
    void downloadSize(quint64 total);
    void downloadedBytes(quint64 bytes);

private Q_SLOTS:
    void slotSceneRectChanged();

private:
    void showText(const QString& text);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
