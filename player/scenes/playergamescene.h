#ifndef VESKGAMES_PLAYERGAMESCENE_H
#define VESKGAMES_PLAYERGAMESCENE_H

#include "gameparameters.h"
#include "gamescene.h"
#include "pokertableview.h"

#include <QVariantMap>

#include <memory>

class QGraphicsProxyWidget;

namespace VeskGames {

class AbstractGameSceneSideButtons;
class BetPushButtonItem;
class HoleCardsItem;
class KioskBetter;
class PushButtonItem;
class Slider;
class TextItem;
class ThinClientBetter;

/// The table of a seated player: everything the player touches on top of
/// the game. It offers what the server allows when asked for an action and
/// sends the decisions out as signals; it never speaks to the server.
class PlayerGameScene : public GameScene
{
    Q_OBJECT

public:
    enum BetMethod { BetSlider = 0, BetChips = 1, BetThinClient = 2 };
    Q_ENUM(BetMethod)

    /// The side buttons by place, as the table offers them.
    enum SideButton {
        SideLeave = 0,
        SideCashier,
        SideSitOut,
        SideReturn,
        SideStayJoin,
        SideOptions,
        SidePayout,
        SideButtonCount
    };

    PlayerGameScene(AbstractTheme* theme, QObject* parent = nullptr);
    ~PlayerGameScene() override;
    /// A table ready to show: the table's own 1024 x 768 coordinates, the theme's cloth, set up.
    static PlayerGameScene* createTable(AbstractTheme* theme, QObject* parent = nullptr);

    void setupScene() override;
    void retranslate() override;
    void setPlayerCount(int count) override;
    Command* dealHole(int position, const QVector<Card>& cards, int msec) override;
    Command* dealCommunity(const QVector<Card>& cards, int msec) override;
    Command* potGive(const QList<int>& positions, const QList<double>& amounts, int msec) override;
    void clearHand() override;
    void foldSeat(int position) override;
    void setTourStatus(int status) override;
    void setPotsShown(int count) override;

    using GameScene::action;
    /// The server asks \a position to act. Amounts are what the seat may add
    /// now: at least \a valueMin, at most \a valueMax (\a valuePotLimit in a
    /// pot-limit game), \a value to call.
    void action(int position, int timeout, double valueMin, double valueMax, double valuePotLimit,
                double value, bool isAllIn, bool canRaise, qint64 timestamp, qint64 now);
    /// The server offers the local player to fold now and leave the table.
    void offerFoldAndLeave();

    /// Stores the stakes and flags and writes the table's information text.
    void setGameParameters(const GameParameters& params);
    void setHandId(int handId);
    /// A status line from the server: 1 players and active, 2 position.
    void setStatusInfo(int message, const QVariantList& params);
    QString informationText() const;
    QString statusText() const;

    void keyAction(PokerTableView::Action action);
    void setBetMethod(int method);
    void setBetMethodByName(const QString& name);
    int betMethod() const;
    void showSittingOut();
    /// Back in the game: the sitting-out offers go.
    void showPlaying();
    void clearHoleCards(bool force);

    bool stayFold() const;
    bool useAutoReBuyin() const;
    bool muteSound() const;
    int avatarId() const;
    double potBetAmount() const;
    /// What the local player had in front when the request came.
    double requestBet() const;
    /// The amount the active bet widget shows, 0 for an unknown method.
    double betAmount() const;

    PushButtonItem* foldButton() const;
    PushButtonItem* foldAndLeaveButton() const;
    BetPushButtonItem* checkCallButton() const;
    BetPushButtonItem* betRaiseButton() const;
    PushButtonItem* plusButton() const;
    PushButtonItem* minusButton() const;
    PushButtonItem* potButton() const;
    BetPushButtonItem* betPresetButton(int preset) const;
    Slider* slider() const;
    QGraphicsProxyWidget* sliderProxy() const;
    KioskBetter* kioskBetter() const;
    ThinClientBetter* thinClientBetter() const;
    /// Whether the bet widget of the current method shows.
    bool isBetWidgetVisible() const;
    HoleCardsItem* holeCards() const;
    /// "Sitting Out" offers the kiosk's lock.
    bool lockScreenMode() const;
    TextItem* handText() const;
    AbstractGameSceneSideButtons* sideButtons() const;
    PushButtonItem* sideButton(SideButton button) const;

public Q_SLOTS:
    void slotPlaySound(qint32 audioType);
    void setLockScreenMode(bool on);
    void setMultihead(bool on);

    void setUseKioskSlider(bool chips, bool storeOnServer);
    void setUseKioskSlider(bool chips);
    void setShowHoleCards(bool show, bool storeOnServer);
    void setShowHoleCards(bool show);
    void setShowAvatars(bool show, bool storeOnServer);
    void setShowAvatars(bool show);
    void setUseFourColourCards(bool use, bool storeOnServer);
    void setUseFourColourCards(bool use);
    void setMuteSound(bool mute, bool storeOnServer);
    void setMuteSound(bool mute);
    void setStayFold(bool stay, bool storeOnServer);
    void setStayFold(bool stay);
    void setAvatarId(int id, bool storeOnServer);
    void setAvatarId(int id);
    void setUseAutoReBuyin(bool use, bool storeOnServer);
    void setUseAutoReBuyin(bool use);
    void applyUserSettings(const QVariantMap& settings, bool storeOnServer);
    void applyUserSettings(const QVariantMap& settings);

    void slotPlayerTimeout();
    void slotSliderValueChanged(double value);
    void slotLeave();
    void slotCashier();
    void slotFold();
    void slotCheck();
    void slotBet();
    void slotBetPot();
    /// Puts a pot-sized share into the bet chooser; the bet still waits for Bet or Raise.
    void slotBetPreset(int preset);
    void slotFoldAndLeave();
    void slotOptions();
    void slotStayJoin();

Q_SIGNALS:
    void actionLeave();
    void actionCashier();
    void actionFold();
    void actionCheck();
    void actionBet(qreal amount);
    void actionSitOut();
    void actionReturn();
    void actionLock();
    void actionGameHistory();
    void actionPayout();
    void actionFoldAndLeave();
    void userSettingsChanged(const QVariantMap& settings);

protected:
    void playSoundNow(qint32 audioType, bool override) override;

private:
    void makeControls();
    void layoutControls();
    void hideActionControls();
    void setBetWidgetVisible(bool visible);
    void setBetWidgetValues(double min, double max, double smallStep, double bigStep);
    void setBetWidgetAmount(double amount);
    void updateHandText();
    void connectSideButtons();
    void store(const QString& key, const QVariant& value);
    QString moneyText(double amount) const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
