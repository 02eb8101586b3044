#include "startup.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before anything starts: no display, no single-instance claim.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-version") == 0) {
            std::printf("player %s\n", VESK_VERSION);
            return 0;
        }
    }
    return VeskGames::Startup().run(argc, argv);
}
