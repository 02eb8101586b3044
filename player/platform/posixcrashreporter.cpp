#include "crashreporter.h"

#include <QDir>
#include <QFileInfo>

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace VeskGames {

namespace {

// Everything the handler touches is prepared beforehand: inside it only
// async-signal-safe calls are made.
char g_reportPath[4096];
char g_header[512];
size_t g_headerLength = 0;

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

void writeAll(int fd, const char* text, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= size_t(written);
    }
}

void writeNumber(int fd, int value)
{
    char digits[16];
    int n = 0;
    unsigned v = value < 0 ? unsigned(-value) : unsigned(value);
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v && n < 15);
    if (value < 0)
        writeAll(fd, "-", 1);
    while (n > 0)
        writeAll(fd, &digits[--n], 1);
}

void onFatalSignal(int sig, siginfo_t*, void*)
{
    const int fd = ::open(g_reportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeAll(fd, g_header, g_headerLength);
        writeAll(fd, "signal ", 7);
        writeNumber(fd, sig);
        writeAll(fd, "\nbacktrace:\n", 12);
        void* frames[64];
        const int count = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, count, fd);
        ::close(fd);
    }
    // SA_RESETHAND restored the default action: die of the same signal.
    ::raise(sig);
}

class PosixCrashReporter : public CrashReporter
{
public:
    bool install(const QString& reportPath, const QByteArray& programVersion) override
    {
        const QByteArray path = QFile::encodeName(reportPath);
        if (path.isEmpty() || size_t(path.size()) >= sizeof(g_reportPath))
            return false;
        QDir().mkpath(QFileInfo(reportPath).absolutePath());
        std::memcpy(g_reportPath, path.constData(), size_t(path.size()) + 1);

        const QByteArray header = "program player\nversion " + programVersion.left(200) + '\n';
        std::memcpy(g_header, header.constData(), size_t(header.size()));
        g_headerLength = size_t(header.size());

        // backtrace() loads its unwinder on first use; do that now, not in the handler.
        void* warmUp[2];
        ::backtrace(warmUp, 2);

        // A stack overflow leaves no stack for the handler: give it its own.
        static char altStack[64 * 1024];
        stack_t stack;
        std::memset(&stack, 0, sizeof(stack));
        stack.ss_sp = altStack;
        stack.ss_size = sizeof(altStack);
        ::sigaltstack(&stack, nullptr);

        struct sigaction action;
        std::memset(&action, 0, sizeof(action));
        action.sa_sigaction = &onFatalSignal;
        action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        bool ok = true;
        for (int sig : kSignals)
            ok = ::sigaction(sig, &action, nullptr) == 0 && ok;
        return ok;
    }
};

} // namespace

std::unique_ptr<CrashReporter> CrashReporter::create()
{
    return std::make_unique<PosixCrashReporter>();
}

} // namespace VeskGames
