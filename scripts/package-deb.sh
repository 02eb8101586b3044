#!/usr/bin/env bash
# Builds the Debian package: a release build for a system package (updates
# left to the package manager), then CPack. Prints the package's path.
#
#   package-deb.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
dir=${1:-$root/build-package}
bash scripts/setup-debian.sh >&2
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_PACKAGED=ON -DVESK_BUILD_TESTS=OFF \
  -DVESK_WERROR=ON >&2
cmake --build "$dir" >&2
(cd "$dir" && cpack -G DEB >&2)
ls "$dir"/veskpoker_*.deb
