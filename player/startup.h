#ifndef VESKGAMES_STARTUP_H
#define VESKGAMES_STARTUP_H

#include <memory>

namespace VeskGames {

/// The program's start: options, configuration files, identity, the single
/// instance, resources, the theme and the table window's size.
class Startup
{
public:
    Startup();
    ~Startup();

    /// Returns the process exit code.
    int run(int& argc, char** argv);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
