#ifndef VESKGAMES_WEBENGINESETUP_H
#define VESKGAMES_WEBENGINESETUP_H

#include <QByteArray>

#include <functional>

namespace VeskGames {

/// What the web engine needs before the application object exists.
///
/// The engine's renderers run in a sandbox that refuses to start for the
/// root user and then takes the whole process down. Run as root (a kiosk, a
/// container, CI), the program turns the sandbox off itself unless the
/// environment already decided, and says so once.
class WebEngineSetup
{
public:
    using Lookup = std::function<QByteArray(const char*)>;
    using Assign = std::function<void(const char*, const QByteArray&)>;

    /// With the process's own user and environment; true when the sandbox was turned off here.
    static bool apply();

    /// The choice on its own: \a root is whether the process runs as root.
    static bool choose(bool root, const Lookup& lookup, const Assign& assign);
};

} // namespace VeskGames

#endif
