#ifndef POKERD_TABLECONFIG_H
#define POKERD_TABLECONFIG_H

#include "potbuilder.h"
#include "protocol.h"

#include <QList>
#include <QString>

namespace Pokerd {

/// One table the server runs.
struct TableConfig
{
    QString id;
    QString name;
    int type = 0x1001; ///< game-type flags: 0x1 hold'em, 0x2 omaha, 0x1000 cash, 0x4000 instant deal
    int limit = 1;     ///< 1 no limit, 2 pot limit
    Cents smallBlind = 50;
    Cents bigBlind = 100;
    Cents ante = 0;
    Cents buyinMin = 2000;
    Cents buyinMax = 10000;
    int seats = 6;
    QString currency = QStringLiteral("EUR");
    int bots = -1;   ///< -1: fill all but two seats (all but one at a Sit & Go)
    int imageId = 0; ///< the lobby tile's picture ("getImage"); 0: none
    // A Sit & Go (type flag 0x2000): the buy-in is buyinMin, the fee goes to
    // the house; every player starts with tourStartStack chips, the blinds
    // double every tourLevelSeconds, the places paid get payoutShares()
    // percent of the buy-ins.
    Cents tourFee = 0;
    Cents tourStartStack = 150000;
    int tourLevelSeconds = 300;
    QList<int> tourPayouts; ///< empty: 50, 30 and 20

    QList<int> payoutShares() const;

    Cents tourPrizePool = 0; ///< a freeroll's: paid by the house, not by buy-ins

    bool isSitAndGo() const { return type & VeskGames::Protocol::SitAndGo; }
    bool isFreeroll() const { return type & VeskGames::Protocol::Freeroll; }
    bool isTournament() const { return isSitAndGo() || isFreeroll(); }
    int botCount() const
    {
        if (bots >= 0)
            return qMin(bots, seats);
        return isTournament() ? seats - 1 : qMax(2, seats - 2);
    }

    /// Why the table cannot be played, or an empty string.
    QString problem() const;

    /// How many lobby tile pictures the server has (ids 1 to this).
    static constexpr int TileImageCount = 8;
    static QList<TableConfig> defaults();
    /// Reads a JSON array of tables; on any error \a error is set and the defaults are returned.
    static QList<TableConfig> load(const QString& path, QString* error);
};

} // namespace Pokerd

#endif
