#ifndef VESKGAMES_GAMEPARAMETERS_H
#define VESKGAMES_GAMEPARAMETERS_H

#include <QList>
#include <QMetaType>
#include <QString>

namespace VeskGames {

/// The table's settings as the server last sent them.
struct GameParameters
{
    bool valid = false;
    int type = 0;
    int limit = 0;
    int seats = 0;
    int period = 0;
    double stakeMin = 0;
    double stakeMax = 0;
    double buyinMin = 0;
    double buyinMax = 0;
    double rake = 0;
    double ante = 0;
    int tourStakeChangeInterval = 0;
    double tourBuyinFee = 0;
    QList<double> tourPayoutValues;
    double tourStartStack = 0;
    int timestamp = 0;
    QString serverId;
    QString currency;
};

} // namespace VeskGames

Q_DECLARE_METATYPE(VeskGames::GameParameters)

#endif
