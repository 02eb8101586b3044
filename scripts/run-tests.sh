#!/usr/bin/env bash
# Installs what is needed, builds and runs every test: once in a normal build
# and once with AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup-debian.sh

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

configs=("${@:-release asan}")
for config in ${configs[*]}; do
  dir="$root/build-tests-$config"
  case "$config" in
    release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan) flags=(-DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON) ;;
    *) echo "unknown configuration: $config" >&2; exit 2 ;;
  esac
  echo "=== $config: configure and build"
  cmake -S "$root" -B "$dir" -G Ninja -DVESK_WERROR=ON "${flags[@]}" >/dev/null
  cmake --build "$dir"
  echo "=== $config: tests"
  ctest --test-dir "$dir" --output-on-failure -j2
done

# Hostile documents must not crash the XML-RPC readers.
bash "$root/scripts/fuzz-xmlrpc.sh" "${VESK_FUZZ_SECONDS:-60}"

# The Debian package: built, installed, run against the installed server, removed.
bash "$root/scripts/test-package.sh"
