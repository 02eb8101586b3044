#ifndef POKERD_FREEROLLBOARD_H
#define POKERD_FREEROLLBOARD_H

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariantMap>

#include "tableconfig.h"

namespace Pokerd {

/// The freerolls the lobby lists and who registered for them. Playing them
/// is the server's: here they only change state by registrations and by
/// being started and finished.
class FreerollBoard
{
public:
    enum Status { NotRunning = 0, Registering = 1, Running = 2, Finished = 3, Full = 4 };
    enum Outcome { Done, NoSuchFreeroll, NotOpen, NoRoom, AlreadyRegistered, NotRegistered };

    struct Freeroll
    {
        QString id;
        QString name;
        int type = 0x10001; ///< freeroll flag with the game
        QString currency = QStringLiteral("EUR");
        QDateTime start;
        Status status = Registering;
        double prizePool = 0;
        int capacity = 100;
        int othersRegistered = 0; ///< seats taken by players not on this server
        QSet<QString> registered;
        int players() const { return othersRegistered + int(registered.size()); }
    };

    /// One freeroll in each state, starting around \a now.
    static QList<Freeroll> defaults(const QDateTime& now);

    explicit FreerollBoard(const QList<Freeroll>& freerolls = {});

    /// The lobby's records; "isPlaying" tells whether \a user registered.
    QVariantList list(const QString& user) const;
    /// The text the lobby shows for \a id, or an empty map for an unknown one.
    QVariantMap details(const QString& id) const;
    Outcome setRegistered(const QString& user, const QString& id, bool registered);
    const Freeroll* freeroll(const QString& id) const;
    /// Those whose start has come and that have not begun.
    QList<Freeroll> due(const QDateTime& now) const;
    void setStatus(const QString& id, Status status);
    /// The one table \a f is played at by \a people from here, the other
    /// players filling the seats left, up to ten.
    TableConfig tableFor(const Freeroll& f, int people) const;
    /// Blind levels of the freerolls played, in seconds.
    void setLevelSeconds(int seconds);

    static constexpr int DetailsRefreshSeconds = 5;

private:
    QList<Freeroll> m_freerolls;
    int m_levelSeconds = 300;
};

} // namespace Pokerd

#endif
