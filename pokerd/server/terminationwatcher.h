#ifndef POKERD_TERMINATIONWATCHER_H
#define POKERD_TERMINATIONWATCHER_H

#include <QObject>

#include <memory>

namespace Pokerd {

/// Turns SIGTERM, SIGINT and SIGHUP into a quit of the event loop, so that a
/// service manager's stop (or Ctrl+C) ends the server the orderly way: every
/// account change written before the process goes.
class TerminationWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

    /// False when the signals could not be taken over; the server then dies on them as before.
    bool isWatching() const;

Q_SIGNALS:
    void terminationRequested(int signal);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Pokerd

#endif
