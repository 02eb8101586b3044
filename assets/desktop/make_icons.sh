#!/usr/bin/env bash
# Renders the program's icon in the hicolor sizes from veskpoker.svg, with the
# SVG renderer the program uses. The PNGs are committed: a build needs no tools.
set -euo pipefail
cd "$(dirname "$0")"
root=$(cd ../.. && pwd)
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tool"
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC "$root/assets/tools/svgrender.cpp" $(pkg-config --cflags --libs Qt6Svg Qt6Gui) \
  -o "$tool/svgrender"
mkdir -p icons
for size in 16 22 24 32 48 64 128 256 512; do
  echo "veskpoker.svg $size $size icons/veskpoker-$size.png"
done > "$tool/jobs.txt"
"$tool/svgrender" "$tool/jobs.txt"
for f in icons/*.png; do
  optipng -quiet -o2 -strip all "$f"
done
