#ifndef VESKGAMES_GAMESCENE_H
#define VESKGAMES_GAMESCENE_H

#include "card.h"
#include "pokertablescene.h"

#include <QVector>

#include <memory>

class QGraphicsPixmapItem;

namespace VeskGames {

class AbstractPlayerItem;
class CardItem;
class Command;
class Pot;
class StackItem;
class SvgImageRenderer;

/// The poker table: seats, the dealer button, bets, pots and the board. It
/// decides nothing: the table's event handler calls one operation per game
/// event. An operation given a duration returns a command to run (the scene
/// keeps its books when the command ends); given 0 it acts at once and
/// returns null.
class GameScene : public PokerTableScene
{
    Q_OBJECT

public:
    GameScene(AbstractTheme* theme, QObject* parent = nullptr);
    ~GameScene() override;

    QString tableImageName() const override;
    void setupScene() override;

    virtual void setPlayerCount(int count);
    virtual void clearPots();
    virtual Command* setDealer(int position, int msec);
    virtual Command* postSmall(int position, double amount, int msec);
    virtual Command* dealHole(int position, const QVector<Card>& cards, int msec);
    virtual Command* dealCommunity(const QVector<Card>& cards, int msec);
    virtual Command* bettingDone(const QList<double>& pots, const QList<double>& rakes, int msec);
    virtual Command* potGive(const QList<int>& positions, const QList<double>& amounts, int msec);
    virtual void clearCommunityCards();
    /// Takes the last hand off the table: cards, actions, bets, board, pots.
    virtual void clearHand();
    /// The seat is out of this hand: its cards leave the table.
    virtual void foldSeat(int position);
    /// Takes the seat's cards off the table.
    void clearSeatCards(int position);
    bool isFolded(int position) const;
    /// The action request: here only the acting seat's clock. \a timestamp and
    /// \a now are in seconds of the server's clock.
    virtual void action(int position, int timeout, qint64 timestamp, qint64 now);
    virtual void cancelAction();
    virtual void setTourStatus(int status);
    virtual bool canLayoutWithoutLocalPlayer() const;
    virtual void retranslate();
    virtual void setPotsShown(int count);
    virtual AbstractPlayerItem* createPlayerItem();
    virtual void refreshSeats();
    virtual void setDealerButtonImage();

    void setPlayerData(int position, const QString& userName, int avatarId, double userStack, int userStatus,
                       const QString& displayName, bool showUserName = true);
    Command* dealHolePublic(int position, const QVector<Card>& cards, int msec);
    Command* potReturnUncalled(int position, double value, int msec);
    void setHandStatus(int status);
    void setGameType(int flags);
    void setLocalPlayer(const QString& name);
    void setShowAvatars(bool show);
    bool showAvatars() const;
    void setUseOneNumberCards(bool use);
    /// Diamonds blue and clubs green; the cards on the table change at once.
    void setUseFourColourCards(bool use);
    bool useFourColourCards() const;
    void setShowChips(bool show);
    void markBestHands();
    bool allHandsShown() const;

    int playerCount() const;
    AbstractPlayerItem* seat(int position) const;
    StackItem* betStack(int position) const;
    const QVector<CardItem*>& communityCards() const;
    Pot* mainPot() const;
    Pot* sidePot() const;
    QGraphicsPixmapItem* dealerButton() const;
    int viewPosition() const;
    int dealerPosition() const;
    int actingPosition() const;
    int handStatus() const;
    int tourStatus() const;
    int gameType() const;
    double mainRake() const;
    double sideRakeTotal() const;
    bool showChips() const;
    /// How far the table is turned for the seat count and the local player.
    int rotation() const;

public Q_SLOTS:
    void slotPlaySound(qint32 audioType, bool override);
    void slotPlaceBetDone(VeskGames::Command* command);
    void slotDealHoleDone(VeskGames::Command* command);
    void slotBettingDoneDone(VeskGames::Command* command);
    void slotPotReturnUncalledStart(VeskGames::Command* command);
    void slotPotReturnUncalledDone(VeskGames::Command* command);
    void slotPotGiveStart(VeskGames::Command* command);
    void slotPotGiveDone(VeskGames::Command* command);

protected:
    virtual void playSoundNow(qint32 audioType, bool override);
    void layoutSeats();
    CardItem* makeCard(const Card& card, int sizeIndex);
    /// The deck the table's cards are drawn from now.
    SvgImageRenderer* cardRenderer() const;
    bool isLegal(int position, const char* operation) const;
    StackItem* flyingStack(double amount);
    /// Where the button rests: cards are dealt from there.
    void setDealerTarget(const QPointF& target);

private:
    void showPotsAfterBetting(int potCount);
    /// The theme's size index and the place of board card \a k (0 to 4).
    int boardCardSize() const;
    QPointF boardCardPosition(int k) const;
    void keepPotsApart();
    Command* deal(int position, const QVector<Card>& cards, int msec, bool open);
    void payOut(const QList<int>& positions, const QList<double>& amounts);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
