#include "webenginesetup.h"
#include "playerlogging.h"

#include <unistd.h>

namespace VeskGames {

bool WebEngineSetup::choose(bool root, const Lookup& lookup, const Assign& assign)
{
    if (!root || !lookup("QTWEBENGINE_DISABLE_SANDBOX").isEmpty() ||
        lookup("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
        return false;
    assign("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    return true;
}

bool WebEngineSetup::apply()
{
    const bool turnedOff = choose(
        geteuid() == 0, [](const char* name) { return qgetenv(name); },
        [](const char* name, const QByteArray& value) { qputenv(name, value); });
    if (turnedOff)
        qCWarning(lcStartup,
                  "player: running as root; web pages (cashier, news) run without the web engine's sandbox");
    return turnedOff;
}

} // namespace VeskGames
