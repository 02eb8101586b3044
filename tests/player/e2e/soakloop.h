#ifndef VESKTEST_SOAKLOOP_H
#define VESKTEST_SOAKLOOP_H

// Hand after hand at one table, played through the table's own check/call
// button, with the process's resident memory taken every so many hands: the
// loop shared by the soak test and the long soak benchmark.
#include "betpushbuttonitem.h"
#include "client.h"
#include "playercontroller.h"
#include "playergamescene.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTest>

#include <functional>

namespace PlayerTest {

inline double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

struct SoakSample
{
    int hands = 0;
    int decisions = 0;
    double residentMiB = 0;
};

/// Plays until \a hands hands began at \a table or the table goes; hands
/// are counted by the hand ids the server sends. Returns the last sample.
/// \a refreshMs, when set, is the table's poll instead of the protocol's.
inline SoakSample playHands(VeskGames::PlayerController* table, int hands, int every,
                            const std::function<void(const SoakSample&)>& sampled, int refreshMs = 0)
{
    QPointer<VeskGames::PlayerController> watched = table;
    VeskGames::PlayerGameScene* scene = table->playerScene();
    if (refreshMs > 0)
        table->client()->setRefreshInterval(refreshMs);
    // Out of chips, the table buys again by itself.
    scene->setUseAutoReBuyin(true);
    SoakSample now;
    const QMetaObject::Connection counting =
        QObject::connect(table->client(), &VeskGames::Client::handId, [&](qint32, qint32) {
            ++now.hands;
            if (every > 0 && now.hands % every == 0) {
                now.residentMiB = residentMiB();
                sampled(now);
            }
        });
    while (watched && now.hands < hands) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(10);
        if (watched && scene->checkCallButton()->isVisible()) {
            scene->checkCallButton()->click();
            ++now.decisions;
        }
    }
    QObject::disconnect(counting);
    now.residentMiB = residentMiB();
    return now;
}

} // namespace PlayerTest

#endif
