#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, checks what it installed,
# plays with the installed program against the installed server, and removes
# the package again. Needs root (CI runs on a machine of its own).
#
#   test-package.sh [package.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "test-package: needs root to install the package; skipped" >&2
  exit 0
fi
deb=${1:-}
if [ -z "$deb" ]; then
  deb=$(bash scripts/package-deb.sh | tail -1)
fi
work=$(mktemp -d)
server=""
player=""
cleanup() {
  [ -n "$player" ] && kill "$player" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  apt-get remove -y -q --purge veskpoker >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "test-package: FAIL: $*" >&2
  exit 1
}

echo "=== package: $deb"
dpkg-deb --field "$deb" Package Version Depends
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$(realpath "$deb")" >/dev/null || fail "apt-get install"

echo "=== package: the installed files"
for f in /usr/bin/veskpoker /usr/bin/pokerd /usr/bin/veskpoker-handhistory /usr/bin/veskpoker-offline \
  /usr/lib/veskpoker/player /usr/lib/veskpoker/updater /usr/lib/veskpoker/plugins/libkestrin.so \
  /usr/share/applications/example.veskgames.VeskPoker.desktop \
  /usr/share/metainfo/example.veskgames.VeskPoker.metainfo.xml \
  /usr/share/icons/hicolor/48x48/apps/veskpoker.png /usr/share/icons/hicolor/scalable/apps/veskpoker.svg \
  /usr/lib/systemd/user/pokerd.service /usr/share/doc/veskpoker/LICENSE; do
  [ -e "$f" ] || fail "$f is not installed"
done
for f in /usr/lib/veskpoker/player /usr/lib/veskpoker/pokerd /usr/lib/veskpoker/plugins/libkestrin.so; do
  if ldd "$f" | grep -q "not found"; then
    ldd "$f" | grep "not found" >&2
    fail "$f misses libraries"
  fi
done
appstreamcli validate --no-net /usr/share/metainfo/example.veskgames.VeskPoker.metainfo.xml ||
  fail "the AppStream metadata does not validate"
desktop-file-validate /usr/share/applications/example.veskgames.VeskPoker.desktop ||
  fail "the desktop file does not validate"
version=$(sed -n 's/^project(VeskPoker VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
for cmd in "veskpoker --version" "pokerd --version" "veskpoker-handhistory --version" \
  "/usr/lib/veskpoker/updater --version"; do
  out=$($cmd) || fail "$cmd"
  case "$out" in
    *"$version"*) echo "$cmd: $out" ;;
    *) fail "$cmd says \"$out\", not $version" ;;
  esac
done

echo "=== package: the installed program at the installed server's table"
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
  XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The package manager updates the program: it starts with its own updates off.
(cd "$work" && timeout 10 veskpoker -help -host 127.0.0.1 -port 9 >"$work/help.txt" 2>&1) || true
grep -q -- "-disableUpdate <bool>: .*(default value: true)" "$work/help.txt" ||
  fail "the installed program does not start with updates disabled"
pokerd --listen 127.0.0.1:0 --data "$work/data" --bot-delay 40 --hand-delay 120 >"$work/pokerd.log" 2>&1 &
server=$!
for _ in $(seq 100); do
  if grep -q "listening" "$work/pokerd.log"; then break; fi
  sleep 0.1
done
port=$(sed -n 's/^pokerd listening on http:\/\/[0-9.]*:\([0-9]*\) .*/\1/p' "$work/pokerd.log")
[ -n "$port" ] || fail "the installed server did not start: $(cat "$work/pokerd.log")"
(cd "$work" && VESK_TABLE_STATE="$work/feed.jsonl" exec veskpoker -community -host 127.0.0.1 -port "$port" \
  >"$work/player.log" 2>&1) &
player=$!
hands=0
for _ in $(seq 600); do
  hands=$( (grep -o '"handId":[0-9]*' "$work/feed.jsonl" 2>/dev/null || true) | sort -u | wc -l)
  [ "$hands" -ge 3 ] && break
  kill -0 "$player" 2>/dev/null || break
  sleep 0.1
done
[ "$hands" -ge 3 ] || fail "the installed program showed $hands hands: $(tail -20 "$work/player.log")"
echo "the installed program showed $hands hands at the installed server's table"
kill "$player"
wait "$player" 2>/dev/null || true
player=""
# A stop writes the accounts: the server ends on its own, with its goodbye.
kill -TERM "$server"
wait "$server" 2>/dev/null || true
server=""
grep -q "stopping on signal" "$work/pokerd.log" || fail "the server did not stop the orderly way"

echo "=== package: offline play starts its own server"
free=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
(cd "$work" && VESKPOKER_PORT=$free VESK_TABLE_STATE="$work/offline.jsonl" exec veskpoker-offline -community \
  >"$work/offline.log" 2>&1) &
player=$!
for _ in $(seq 600); do
  [ -s "$work/offline.jsonl" ] && break
  sleep 0.1
done
[ -s "$work/offline.jsonl" ] || fail "offline play showed no table: $(tail -20 "$work/offline.log")"
grep -q "listening" "$work/home/data/veskpoker/pokerd/pokerd.log" || fail "offline play started no server"
kill "$player"
wait "$player" 2>/dev/null || true
player=""
for _ in $(seq 50); do
  pgrep -f "/usr/lib/veskpoker/(player|pokerd)" >/dev/null || break
  sleep 0.1
done
pgrep -af "/usr/lib/veskpoker/(player|pokerd)" && fail "offline play leaves the program or its server running"
echo "offline play: its own server, the table shown, both gone at the end"

echo "=== package: removed"
apt-get remove -y -q --purge veskpoker >/dev/null || fail "apt-get remove"
[ ! -e /usr/bin/veskpoker ] || fail "/usr/bin/veskpoker is left behind"
echo "test-package: passed"
