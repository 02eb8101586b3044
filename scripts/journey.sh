#!/bin/sh
# The whole journey through the program's windows against the real server,
# the slower steps included (two tables taking turns); the short form runs
# with the tests. Its pictures go to docs/screenshots/journey/: look at them.
#
#   sh scripts/journey.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
cmake -S "$root" -B "$root/build-tests-release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-tests-release" --target tst_playerjourney pokerd kestrin
export VESK_JOURNEY=full
ctest --test-dir "$root/build-tests-release" -R '^tst_playerjourney$' --output-on-failure
mkdir -p "$root/docs/screenshots/journey"
cp "$root/build-tests-release/tests/screenshots/journey/"*.png "$root/docs/screenshots/journey/"
echo "journey: pictures in docs/screenshots/journey/"
