#!/usr/bin/env bash
# Builds the XML-RPC document fuzzer with clang (libFuzzer, AddressSanitizer,
# UBSan) and runs it for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-60}

out="$root/build-fuzz"
mkdir -p "$out"
sources=(variant document streamvalue request response xmlrpclogging)
args=()
for s in "${sources[@]}"; do args+=("$root/zellik/xmlrpc/$s.cpp"); done

echo "=== fuzz: building"
# shellcheck disable=SC2046
clang++-14 -std=c++17 -g -O1 -fPIC -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/zellik" $(pkg-config --cflags Qt6Core Qt6Xml) \
  "$root/fuzz/xmlrpc/fuzz_xmlrpc.cpp" "${args[@]}" \
  $(pkg-config --libs Qt6Core Qt6Xml) -o "$out/fuzz_xmlrpc"

# New inputs go to a scratch folder, not into the seeds kept in the repo.
work="$out/corpus"
mkdir -p "$work"
echo "=== fuzz: running for ${seconds}s"
ASAN_OPTIONS="detect_leaks=1" \
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  "$out/fuzz_xmlrpc" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -print_final_stats=1 "$work" "$root/fuzz/xmlrpc/corpus"
echo "=== fuzz: clean"
