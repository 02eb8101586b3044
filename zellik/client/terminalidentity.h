#ifndef VESKGAMES_TERMINALIDENTITY_H
#define VESKGAMES_TERMINALIDENTITY_H

#include "zellik_export.h"

#include <QList>
#include <QString>

namespace VeskGames {

/// How the terminal names itself to the server.
namespace TerminalIdentity {

struct Interface
{
    bool loopback = false;
    bool upAndRunning = false;
    QString hardwareAddress;
};

/// The machine's interfaces in the order the system lists them.
ZELLIK_EXPORT QList<Interface> systemInterfaces();

/// The first interface that is not loopback (and, with \a activeOnly, is up
/// and running) and has a hardware address; empty when there is none.
ZELLIK_EXPORT QString macAddress(const QList<Interface>& interfaces, bool activeOnly);

/// The identifier sent at login: demo accounts demo1..demo10 in demo mode get
/// "ff:ff:ff:ff:ff:NN"; a screen of a multi-head set-up (screen >= 0) gets
/// "ff:SS:" and the last four groups of the address; otherwise the address.
ZELLIK_EXPORT QString loginIdentifier(const QString& macAddress, const QString& userName, bool demoMode,
                                      int screen);

} // namespace TerminalIdentity
} // namespace VeskGames

#endif
