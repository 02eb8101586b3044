#!/usr/bin/env bash
# Regenerates every picture and sound of the table from the scripts in this
# folder, the resource list that embeds them, and the contact sheet
# docs/cards.png. Needs python3-fonttools, fonts-dejavu-core,
# fonts-dejavu-extra, espeak-ng, sox and the Qt 6 SVG development files.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
res="$root/player/resources"
py=/usr/bin/python3

mkdir -p "$res/table" "$res/audio" "$root/docs"
"$py" assets/cards/make_decks.py "$res/table"
"$py" assets/cards/make_chips.py "$res/table"
"$py" assets/cards/make_overlay.py "$res/table/card_overlay.png"
rm -f "$res"/audio/*.raw
"$py" assets/sounds/make_sounds.py "$res/audio"

# The resource list: everything above, under the prefix "/".
{
  echo '<!DOCTYPE RCC>'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/">'
  for f in table/cards.svg table/cards_one_number.svg table/cards_simple.svg table/chips.svg \
           table/card_overlay.png audio/sounds.ini; do
    echo "    <file>$f</file>"
  done
  for f in "$res"/audio/*.raw; do
    echo "    <file>audio/$(basename "$f")</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > "$res/table.qrc"

# The contact sheet, drawn by the same SVG renderer the program uses.
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC assets/tools/contactsheet.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui) \
  -o "$tool/contactsheet"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tool" "$tool/contactsheet" "$root/docs/cards.png" \
  "$res/table/cards.svg" "$res/table/cards_one_number.svg" "$res/table/cards_simple.svg" \
  "$res/table/chips.svg"
echo "assets: done ($(du -sh "$res" | cut -f1) in player/resources)"
