#!/usr/bin/env bash
# Installs what is needed, builds the program and the local game server,
# starts the server and then the program against it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup-debian.sh
cmake -S "$root" -B "$root/build" -G Ninja -DVESK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build"

# The local server, unless one already answers on the default port.
log="$root/build/pokerd.log"
if ! (exec 3<>/dev/tcp/127.0.0.1/7777) 2>/dev/null; then
  # The evening freeroll starts soon, so that one can be played from here too.
  "$root/build/bin/pokerd" --listen 127.0.0.1:7777 --freeroll-in 600 --freeroll-level 60 >"$log" 2>&1 &
  server=$!
  trap 'kill "$server" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do
    grep -q "listening" "$log" 2>/dev/null && break
    sleep 0.1
  done
  cat "$log"
fi

# The local server's own pages stand in for the operator's cashier and help.
local_ini="$root/build/bin/default.local.ini"
if [ ! -e "$local_ini" ]; then
  cat >"$local_ini" <<'INI'
; Written by scripts/run-player.sh for the local game server; edit freely.
urlBuyin="http://127.0.0.1:7777/cashier?ticket=VeskGames::Ticket"
urlSignup="http://127.0.0.1:7777/partner/register"
; The partner edition's pages (-theme KestrinTheme).
urlLoginNews="http://127.0.0.1:7777/partner/news"
urlLostPassword="http://127.0.0.1:7777/partner/password"
urlNewPromotions="http://127.0.0.1:7777/partner/promotions"
urlPokerSchool="http://127.0.0.1:7777/partner/school"
urlLobby="http://127.0.0.1:7777/partner/lobby?ticket=VeskGames::Ticket"
INI
fi

# Without a display the program runs on Qt's off-screen platform.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
# Log in as demo1 / demo, pick a table in the lobby, buy in and sit down.
# With -community the onlookers' table shows the server's bots instead;
# with -theme KestrinTheme the partner's Chinese edition runs.
# "build/bin/player -help" lists every option.
echo "run-player: log in as demo1 / demo (up to demo10)"
"$root/build/bin/player" -host 127.0.0.1 -port 7777 -disableUpdate "$@"
