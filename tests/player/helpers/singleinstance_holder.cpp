// Claims a single-instance identifier and keeps it until its standard input
// closes; prints "claimed" or "refused".
#include "singleinstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    VeskGames::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claim()) {
        std::puts("refused");
        std::fflush(stdout);
        return 0;
    }
    std::puts("claimed");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    instance.release();
    return 0;
}
