#!/bin/sh
# The long soak: the player at one table for 10,000 hands at instant pace (the
# server asks for no animations) in an optimised build, resident memory every
# 500 hands; then 1,000 hands under AddressSanitizer with its leak check, the
# animations at 2 % of their length so that every one still runs. The short version runs with the tests
# (tst_playersoak).
#
#   sh scripts/soak.sh [HANDS [ASAN_HANDS]]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
hands=${1:-10000}
asan_hands=${2:-1000}

cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_BUILD_BENCH=ON \
    -DVESK_BUILD_TESTS=OFF >/dev/null
ninja -C "$root/build-bench" playersoak pokerd
echo "== $hands hands, optimised build"
"$root/build-bench/bin/playersoak" "$hands" 500 0 2>/dev/null

cmake -S "$root" -B "$root/build-soak-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON \
    -DVESK_BUILD_BENCH=ON -DVESK_BUILD_TESTS=OFF >/dev/null
ninja -C "$root/build-soak-asan" playersoak pokerd
echo "== $asan_hands hands, AddressSanitizer and its leak check"
ASAN_OPTIONS="detect_leaks=1" LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
    "$root/build-soak-asan/bin/playersoak" "$asan_hands" 100 2
echo "leak check clean"
