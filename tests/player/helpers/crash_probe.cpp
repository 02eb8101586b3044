// Installs the crash reporter, then dies of the signal named on the command line.
#include "platform/crashreporter.h"

#include <QString>

#include <csignal>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    auto reporter = VeskGames::CrashReporter::create();
    if (!reporter->install(QString::fromLocal8Bit(argv[1]), QByteArrayLiteral("9.8.7")))
        return 3;
    if (std::strcmp(argv[2], "abort") == 0)
        std::abort();
    std::raise(std::atoi(argv[2]));
    return 0;
}
