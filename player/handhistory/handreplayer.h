#ifndef VESKGAMES_HANDREPLAYER_H
#define VESKGAMES_HANDREPLAYER_H

#include "handreplay.h"

#include <QObject>

#include <memory>

namespace VeskGames {

class AbstractTheme;
class PokerTableView;
class ReplayController;

/// Plays a recorded hand on a table: each step of the record is one batch
/// of events for the table controller, shown with the animations the
/// events ask for and then a rest as long as the hand took, both shortened
/// or lengthened by the speed. A step back builds the table again from the
/// start up to the step before, without animation.
class HandReplayer : public QObject
{
    Q_OBJECT

public:
    static constexpr double MinimumSpeed = 0.5;
    static constexpr double MaximumSpeed = 4.0;

    HandReplayer(const HandReplay& replay, PokerTableView* view, AbstractTheme* theme,
                 QObject* parent = nullptr);
    ~HandReplayer() override;

    const HandReplay& replay() const;
    /// Steps shown so far, from 0 (the seats only) to stepCount().
    int position() const;
    int stepCount() const;
    bool isPlaying() const;
    double speed() const;
    /// The table being played now; a new one after every step back.
    ReplayController* controller() const;
    /// The table has reached the end of the last step given to it.
    bool isShown() const;

public Q_SLOTS:
    void play();
    void pause();
    void togglePlaying();
    void stepForward();
    void stepBack();
    /// Shows the table after \a position steps, at once.
    void seek(int position);
    /// Kept within MinimumSpeed and MaximumSpeed.
    void setSpeed(double speed);

Q_SIGNALS:
    void positionChanged(int position);
    void playingChanged(bool playing);
    /// The table shows the hand as it stood after \a position steps.
    void stepShown(int position);

private Q_SLOTS:
    void slotBatchShown(int batch);
    void slotRestOver();

private:
    void rebuild(int position);
    void feed(const QList<QVariantMap>& events);
    void setPlaying(bool playing);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
