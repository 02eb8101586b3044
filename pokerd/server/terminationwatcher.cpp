#include "terminationwatcher.h"

#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Pokerd {

namespace {

// A signal handler may only write to a descriptor: the event loop reads the other end.
int g_pipe[2] = {-1, -1};

void onSignal(int signal)
{
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &number, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

class TerminationWatcher::Private
{
public:
    std::unique_ptr<QSocketNotifier> notifier;
};

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    ::fcntl(g_pipe[0], F_SETFL, O_NONBLOCK);
    d->notifier = std::make_unique<QSocketNotifier>(g_pipe[1], QSocketNotifier::Read);
    connect(d->notifier.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        if (::read(g_pipe[1], &number, 1) == 1)
            Q_EMIT terminationRequested(number);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    if (!d->notifier)
        return;
    // Back to dying on the signals: nothing is left to read them.
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    d->notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

bool TerminationWatcher::isWatching() const
{
    return d->notifier != nullptr;
}

} // namespace Pokerd
