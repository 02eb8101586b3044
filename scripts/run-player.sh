#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup-debian.sh
cmake -S "$root" -B "$root/build" -G Ninja -DVESK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build"

# Without a display the program runs on Qt's off-screen platform.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
"$root/build/bin/player" -help
exec "$root/build/bin/player" -theme DefaultTheme "$@"
