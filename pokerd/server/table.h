#ifndef POKERD_TABLE_H
#define POKERD_TABLE_H

#include "handengine.h"
#include "tableconfig.h"

#include <QObject>
#include <QVariantMap>

#include <memory>

namespace Pokerd {

/// A table with seats for people and bots; deals hand after hand while two
/// or more seats have chips, and tells every seat and onlooker what happens.
class Table : public QObject
{
    Q_OBJECT

public:
    struct Timing
    {
        int botDelayMs = 700;
        int betweenHandsMs = 2500;
        int actionTimeoutMs = 15000;
        /// From a Sit & Go's end to the next one's registration.
        int betweenTournamentsMs = 15000;
        /// The clients' animations, in percent of their usual length.
        int animationPercent = 100;
    };

    Table(const TableConfig& config, quint32 seed, const Timing& timing, QObject* parent = nullptr);
    ~Table() override;

    const TableConfig& config() const;
    /// The game-list record of this table.
    QVariantMap listing(bool isPlaying) const;
    QVariantMap parametersEvent() const;

    /// Seats a person with no chips yet; -1 when the table is full. A user
    /// has one seat: joining from another session takes the seat over (the
    /// earlier session hears seatTakenOver()). \a preferredSeat is taken when
    /// it is free; \a shownName is what the other players see (the user name
    /// when empty).
    int join(const QString& user, const QString& session, int avatarId, int preferredSeat = -1,
             const QString& shownName = QString());
    void watch(const QString& session);
    bool isSeated(const QString& session) const;
    bool hasSeat(const QString& user) const;
    /// The user's seat; -1 without one.
    int seatOfUser(const QString& user) const;
    /// Chips bought during a hand wait beside the seat until it is over.
    bool addChips(const QString& session, Cents amount);
    /// The stack and the chips waiting beside it.
    Cents chipsOf(const QString& session) const;
    /// "actionFold", "actionCheckCall" or "actionBetRaise"; amounts are what the seat adds.
    bool act(const QString& session, const QString& action, Cents amount);
    /// "sitout", "return" or "foldAndLeave".
    bool setting(const QString& session, const QString& name);
    /// Leaves now, or when the running hand is over; playerLeft() tells the chips.
    void leave(const QString& session);
    void forget(const QString& session);
    /// The last hands here, oldest first, with \a user's own cards where the
    /// user played; with \a onlyPlayed just the hands the user played.
    QStringList history(const QString& user, int count, bool onlyPlayed = false) const;
    /// The last finished hand as the first seat dealt in saw it; empty before the first.
    QString lastRecord() const;
    int playerCount() const;
    /// Chips of the people at the table (stacks and chips waiting), by user name.
    QMap<QString, Cents> peopleStacks() const;
    int handsPlayed() const;
    /// At a Sit & Go: 1 open for registration, 2 running, 3 finished; 0 elsewhere.
    int tourStatus() const;
    /// Takes a seat in the Sit & Go open for registration, with its starting
    /// stack; false when the user has one or none is free. The table starts
    /// when the last seat is taken.
    bool registerPlayer(const QString& user, const QString& session, int avatarId,
                        const QString& shownName = QString());
    /// Gives the seat up again before the start; false without one.
    bool unregisterPlayer(const QString& session);
    /// What the people in the Sit & Go paid (buy-in and fee), by user name:
    /// theirs until they finish, back to them should the server stop.
    QMap<QString, Cents> heldMoney() const;
    /// The buy-in and fee of one Sit & Go seat.
    Cents tournamentCost() const;

    /// The table as it stands, for logs and tests: hand, dealer, board, the
    /// pots still in the middle and every occupied seat with its real cards.
    QVariantMap stateSnapshot() const;

Q_SIGNALS:
    void eventFor(const QString& session, const QVariantMap& event);
    void playerLeft(const QString& user, const QString& session, Cents chips);
    void seatTakenOver(const QString& user, const QString& previousSession);
    /// The person in \a session was asked to act.
    void actionRequested(const QString& session);
    void handFinished();
    /// \a user finished a Sit & Go and won \a prize (maybe 0); what was paid
    /// for the seat is no longer held.
    void tournamentFinishedFor(const QString& user, Cents prize);

private:
    void slotStartHand();
    void slotBotTurn(int handId, int seat);
    void slotActionTimeout(int handId, int seat);
    void afterAction();
    bool foldLeavingPlayer();
    QVariantMap requestEvent(int timeoutMs) const;
    /// The hand in play, for a session arriving in its middle (at \a seat, or -1).
    void sendRunningHand(const QString& session, int seat);
    void deliver(const HandEvent& event);
    void sendSeatData(int seat, const QString& onlySession = QString());
    void sendStatusChange(int seat);
    void finishHand();
    /// Between hands at a cash table: the chips there against its ledger.
    void auditLedger();
    // At a Sit & Go:
    void openTournament();
    void startTournament();
    /// The next hand's blinds; tells everybody when they rose.
    void updateBlindLevel();
    /// After a hand: who ran out of chips finishes, the last one wins.
    void placeBustedPlayers(const QMap<int, Cents>& stacksAtStart);
    void sendTourStatus(const QString& onlySession = QString());
    void sendToAll(const QVariantMap& event);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
