#!/bin/sh
# Builds the benchmarks in an optimised tree of their own and prints the figures.
# Extra arguments go to every benchmark, e.g. --benchmark_repetitions=5.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_BUILD_BENCH=ON -DVESK_BUILD_TESTS=OFF
ninja -C "$build" bench_evalhand bench_xmlrpc bench_svgrenderer bench_pokerd bench_accounts bench_eventbatch pokerd player webmemory tableframes playersoak

for bench in "$build"/bin/bench_*; do
    echo "== $(basename "$bench")"
    "$bench" --benchmark_out="$build/$(basename "$bench").json" --benchmark_out_format=json "$@"
done

# The same poll answer through Python's xmlrpc.client, for comparison.
echo "== xmlrpc against python"
"$build/bin/bench_xmlrpc" --write-document "$build/refresh.xml"
"$build/bin/bench_xmlrpc" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$build/bench_xmlrpc_median.json" --benchmark_out_format=json >/dev/null
python3 "$root/bench/xmlrpc_python.py" "$build/refresh.xml" "$build/bench_xmlrpc_median.json"

# What an idle polling client costs the local server.
echo "== pokerd idle polling"
python3 "$root/bench/pokerd_idle_cpu.py" "$build/bin/pokerd" 20 10

# Two hundred clients playing and polling beside hostile connections, then a chip audit.
echo "== pokerd under load"
python3 "$root/bench/pokerd_load.py" "$build/bin/pokerd" 60

# A 10-seat table at 1920x1440 through an animated hand, and through twenty window sizes.
echo "== table frames and renders"
QT_QPA_PLATFORM=offscreen "$build/bin/tableframes"

# Memory of the screens before and after the first web page (the local cashier).
echo "== memory with and without a web page"
data=$(mktemp -d)
"$build/bin/pokerd" --listen 127.0.0.1:0 --data "$data" > "$data/log" 2>&1 &
pokerd_pid=$!
for _ in $(seq 50); do grep -q "listening on" "$data/log" && break; sleep 0.1; done
help=$(grep -o 'http://[^ ]*/help' "$data/log" | head -1)
QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 "$build/bin/webmemory" "$help"
kill "$pokerd_pid"
rm -rf "$data"

# The community table against pokerd: CPU idle and playing, memory over 1000 hands.
echo "== community table"
python3 "$root/bench/community_run.py" "$build/bin/player" "$build/bin/pokerd" 30 60 1000
# The same table's heap, counted by heaptrack: the peak over 100 hands against 1000.
if command -v heaptrack >/dev/null; then
  python3 "$root/bench/community_heap.py" "$build/bin/player" "$build/bin/pokerd" 100 1000
else
  echo "(heaptrack not installed: apt-get install heaptrack)"
fi

# A long session played through the table's controls: memory every 100 hands.
echo "== player soak"
"$build/bin/playersoak" 2000 2>/dev/null | grep -E "^(hands|[0-9]+ hands)"

# Beside a peer: this program and PokerTH on one X server: start, memory at each screen,
# CPU idle and playing, frame intervals.
echo "== beside PokerTH"
peer_packages="pokerth xdotool libxcb-damage0-dev"
if ! command -v xdotool >/dev/null || { ! command -v pokerth >/dev/null && [ ! -x /usr/games/pokerth ]; }; then
    if [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $peer_packages >/dev/null
    fi
fi
if command -v xdotool >/dev/null && { [ -x /usr/games/pokerth ] || command -v pokerth >/dev/null; }; then
    python3 "$root/bench/peer_compare.py" "$build/bin" 5 "$build/peer_compare.json"
else
    echo "PokerTH or xdotool is not installed (apt-get install $peer_packages); skipped"
fi
