#ifndef VESKGAMES_COMMUNITYGAMESCENE_H
#define VESKGAMES_COMMUNITYGAMESCENE_H

#include "gameparameters.h"
#include "gamescene.h"

namespace VeskGames {

class TextItem;

/// The whole table for onlookers on one large screen lying between them:
/// no chips, bets as pictures on the seats and a running total in the pot,
/// every pot twice (once for each side), nobody's seat in front.
class CommunityGameScene : public GameScene
{
    Q_OBJECT

public:
    static constexpr int CardFrameCount = 5;

    CommunityGameScene(AbstractTheme* theme, QObject* parent = nullptr);
    ~CommunityGameScene() override;

    void setupScene() override;
    void clearPots() override;
    Command* setDealer(int position, int msec) override;
    Command* postSmall(int position, double amount, int msec) override;
    Command* bettingDone(const QList<double>& pots, const QList<double>& rakes, int msec) override;
    void setTourStatus(int status) override;
    bool canLayoutWithoutLocalPlayer() const override;
    void setPotsShown(int count) override;
    AbstractPlayerItem* createPlayerItem() override;

    /// A table (re)opened: its new seats dressed and laid out.
    void setGameParameters(const GameParameters& params);
    const GameParameters& gameParameters() const;
    /// Puts the dealer button beside its seat again, at once.
    void resetDealer();

    Pot* mainPotMirror() const;
    Pot* sidePotMirror() const;
    QList<TextItem*> tournamentTexts() const;
    QList<QGraphicsItem*> cardFrames() const;
    /// The screen the table is drawn for: the theme's, else the scene's.
    QSizeF screenSize() const;

private:
    void stepAside(Pot* pot);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
