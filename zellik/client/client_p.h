#ifndef VESKGAMES_CLIENT_P_H
#define VESKGAMES_CLIENT_P_H

// Shared by the connection and the event-decoding halves of Client.
#include "client.h"
#include "servercommand.h"
#include "xmlrpc/client.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTimer>

namespace VeskGames {

class Client::Private
{
public:
    QString host;
    quint16 port = 80;
    QString path;
    bool ssl = false;
    QPointer<QNetworkAccessManager> manager;
    xmlrpc::Client* transport = nullptr;
    QPointer<ServerCommand> refreshCommand;
    int refreshInterval = 500;
    QTimer refreshTimer;
    QElapsedTimer refreshClock;
    bool refreshStarted = false;
    bool refreshOut = false; ///< a poll is out or its answer is being handled
    int roundTripTotal = 0;
    QList<int> roundTrips;
    bool enableAnimations = true;
    bool useActiveMac = false;
    GameParameters gameParameters;
    bool serverRestarted = false;
};

} // namespace VeskGames

#endif
