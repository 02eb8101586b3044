#ifndef POKERD_TABLE_P_H
#define POKERD_TABLE_P_H

#include "blindrotation.h"
#include "bot.h"
#include "handrecord.h"
#include "table.h"
#include "tournament.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <deque>
#include <map>
#include <optional>

namespace Pokerd {

namespace TableDetail {

constexpr int kKeptRecords = 10;
constexpr int kTimeoutsBeforeSittingOut = 2;

enum PlayerStatus { StatusEmpty = 0, StatusActive = 1, StatusSittingOut = 2, StatusLeaving = 4 };

inline const char* const kBotNames[] = {"Aino",  "Bertil", "Cecilia", "Dmitri", "Elin",
                                        "Farid", "Greta",  "Hugo",    "Ines",   "Jonas"};

struct Player
{
    QString user;
    QString shown;   ///< the name the table shows
    QString session; ///< empty for a bot
    int avatarId = 0;
    Cents stack = 0;
    Cents waiting = 0; ///< bought during a hand, joins the stack after it
    bool sittingOut = false;
    bool leaving = false;
    int timeouts = 0;
    bool askedToRebuy = false; ///< once per time out of chips
    std::unique_ptr<Bot> bot;

    bool isBot() const { return bot != nullptr; }
    const QString& shownName() const { return shown.isEmpty() ? user : shown; }
    int status() const { return leaving ? StatusLeaving : sittingOut ? StatusSittingOut : StatusActive; }
};

inline qint32 now()
{
    return qint32(QDateTime::currentSecsSinceEpoch());
}

} // namespace TableDetail

using namespace TableDetail;

class Table::Private
{
public:
    TableConfig config;
    Timing timing;
    quint32 seed = 1;
    std::map<int, Player> players; ///< by seat
    QStringList watchers;
    std::unique_ptr<HandEngine> engine;
    std::unique_ptr<HandRecord> record;
    QMap<QString, int> recordSeats; ///< user -> seat in the running hand
    std::deque<std::pair<std::unique_ptr<HandRecord>, QMap<QString, int>>> records;
    std::unique_ptr<BlindRotation> blinds;
    int handId = 0;
    int handsPlayed = 0;
    Cents chipsAtStart = 0; ///< in the hand and waiting beside it
    // What came to the table (buy-ins, the bots' stacks), what left it with
    // the players and what the rake took: between hands the chips on the
    // table are the difference, whoever came, bought again or went.
    Cents ledgerIn = 0;
    Cents ledgerOut = 0;
    Cents ledgerRake = 0;
    Cents boughtDuringHand = 0;
    bool handRunning = false;
    /// The last hand as it ended: what the table still shows until the next.
    int lastHandId = -1;
    int lastButton = -1;
    QByteArray lastBoard;
    QTimer nextHand;
    QTimer actionTimer;
    /// At a Sit & Go: the one being played or open for registration.
    std::optional<Tournament> tournament;
    QElapsedTimer tournamentClock;
    int level = 0;
    QMap<int, Cents> stacksAtStart; ///< of the hand in play
    QTimer nextTournament;

    bool isTournament() const { return tournament.has_value(); }
    bool tournamentRunning() const { return tournament && tournament->status() == Tournament::Running; }

    int seatOf(const QString& session) const
    {
        for (const auto& [seat, player] : players) {
            if (!player.isBot() && !session.isEmpty() && player.session == session)
                return seat;
        }
        return -1;
    }

    int seatOfUser(const QString& user) const
    {
        for (const auto& [seat, player] : players) {
            if (!player.isBot() && player.user == user)
                return seat;
        }
        return -1;
    }

    /// The table's bots with \a stack each, spread over the seats, leaving
    /// gaps for people; \a salt varies their play from one table to the next.
    void seatBots(Cents stack, quint32 salt)
    {
        const int count = config.botCount();
        for (int i = 0; i < count; ++i) {
            Player bot;
            bot.user = QStringLiteral("%1 (bot)").arg(QLatin1String(kBotNames[i % 10]));
            bot.avatarId = i % 10 + 1;
            bot.stack = stack;
            ledgerIn += stack;
            bot.bot = std::make_unique<Bot>(seed * 31 + quint32(i) + salt);
            players.emplace(i * config.seats / count, std::move(bot));
        }
    }

    static Player person(const QString& user, const QString& shownName, const QString& session, int avatarId)
    {
        Player player;
        player.user = user;
        player.shown = shownName.isEmpty() ? user : shownName;
        player.session = session;
        player.avatarId = avatarId;
        return player;
    }

    Cents chipsOnTable() const
    {
        Cents total = 0;
        for (const auto& entry : players)
            total += entry.second.stack + entry.second.waiting;
        return total;
    }

    Cents waitingChips() const
    {
        Cents total = 0;
        for (const auto& entry : players)
            total += entry.second.waiting;
        return total;
    }

    HandConfig handConfig() const
    {
        HandConfig c;
        c.gameType = config.type;
        c.limit = config.limit;
        c.smallBlind = config.smallBlind;
        c.bigBlind = config.bigBlind;
        c.ante = config.ante;
        c.seats = config.seats;
        c.animationPercent = timing.animationPercent;
        c.chip = config.isTournament() ? 100 : 1;
        // Tournament chips are not money: nothing to rake.
        c.rakeCap = config.isTournament() ? 0 : qMax<Cents>(config.bigBlind, config.ante) * 3;
        return c;
    }
};

} // namespace Pokerd

#endif
