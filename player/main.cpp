#include "startup.h"

int main(int argc, char** argv)
{
    return VeskGames::Startup().run(argc, argv);
}
