#ifndef VESKGAMES_HANDREPLAY_H
#define VESKGAMES_HANDREPLAY_H

#include <QList>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace VeskGames {

/// One hand record turned back into the events a table took from the
/// server: the game's parameters and seats to set the table up with, then
/// the hand's events one by one, in the form the event stream delivers them
/// (cards as bytes, the hole cards of a seat in one event).
class HandReplay
{
public:
    HandReplay();
    HandReplay(const HandReplay& other);
    HandReplay& operator=(const HandReplay& other);
    ~HandReplay();

    /// The hand in \a record; invalid, with \a error set, when it is not one.
    static HandReplay fromRecord(const QString& record, QString* error = nullptr);

    bool isValid() const;
    /// The parameters and seats, to be shown at once.
    QList<QVariantMap> setup() const;
    /// The hand's events after the set-up; one step each.
    QList<QVariantMap> steps() const;
    int stepCount() const;
    /// The seat whose own cards the record shows, by name; empty for an onlooker's record.
    QString localPlayer() const;
    /// The hand's number; 0 when the record names none.
    qint64 handId() const;
    /// How long the table rested before step \a step, in milliseconds at normal speed:
    /// the time the events carry, within limits that keep a replay watchable.
    int pauseBefore(int step) const;

    static constexpr int MinimumPauseMs = 300;
    static constexpr int MaximumPauseMs = 2000;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
