#!/usr/bin/env bash
# Regenerates every picture and sound of the table from the scripts in this
# folder, copies the shipped font, writes the resource list that embeds them
# and the contact sheets docs/cards.png and docs/theme-artwork.png; then the
# Kestrin theme's pictures and tile font and the local server's lobby tiles.
# Needs python3-fonttools, fonts-dejavu-core, fonts-dejavu-extra, espeak-ng,
# sox, pngquant, optipng and the Qt 6 SVG development files.
#
#   generate.sh            everything
#   generate.sh kestrin    only the Kestrin theme and the lobby tiles
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
res="$root/player/resources"
py=/usr/bin/python3
only=${1:-all}
case "$only" in
  all | kestrin) ;;
  *) echo "usage: $0 [kestrin]" >&2; exit 2 ;;
esac

# The tools, built with the Qt the program uses.
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tool"
for t in contactsheet svgrender; do
  # shellcheck disable=SC2046
  g++ -std=c++17 -O2 -fPIC "assets/tools/$t.cpp" $(pkg-config --cflags --libs Qt6Svg Qt6Gui) -o "$tool/$t"
done

# A copy of DejaVu Sans Bold under a name of our own, with the notice of its
# licence, which has to travel with every copy, next to it.
copy_font() { # <copy.ttf> <notice.txt>
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$1"
  {
    echo "$(basename "$1") is DejaVu Sans Bold, version $(fc-query -f '%{fontversion}' "$1" |
      awk '{printf "%.2f", $1 / 65536}'), copied unchanged from"
    echo "the Debian package fonts-dejavu-core (https://dejavu-fonts.github.io/)."
    echo "Only the file name differs. Its licence follows."
    echo
    awk '/^Files: debian/{exit} f{print} /^Files: \*/{f=1}' /usr/share/doc/fonts-dejavu-core/copyright |
      sed -e 's/^ \.$//' -e 's/^ //' -e 's/ *$//'
  } > "$2"
}

# The Kestrin theme (themes/kestrin/resources/) and the lobby tiles of the
# local server (pokerd/resources/gamelist/): each picture rendered once, at
# twice its design size; the three backgrounds go to 256 colours.
kestrin() {
  local theme="$root/themes/kestrin/resources"
  rm -f "$root"/pokerd/resources/gamelist/*.png
  "$py" assets/kestrin/make_kestrin.py "$tool/kestrin" "$root" > "$tool/kestrin.txt"
  "$tool/svgrender" "$tool/kestrin.txt"
  for f in $(awk '{print $4}' "$tool/kestrin.txt"); do
    case "$f" in
      */background.png) pngquant --speed 1 --strip --force --output "$f" "$f" ;;
    esac
    optipng -quiet -o2 -strip all "$f"
  done
  copy_font "$theme/gamelist/tilefont.ttf" "$theme/gamelist/tilefont-LICENSE.txt"
}
if [ "$only" = kestrin ]; then
  kestrin
  echo "assets: done (the Kestrin theme and the lobby tiles)"
  exit 0
fi

mkdir -p "$res/table" "$res/audio" "$root/docs"
"$py" assets/cards/make_decks.py "$res/table"
"$py" assets/cards/make_chips.py "$res/table"
"$py" assets/cards/make_overlay.py "$res/table/card_overlay.png"
rm -f "$res"/audio/*.raw
"$py" assets/sounds/make_sounds.py "$res/audio"

# Theme pictures: the scripts write SVG sources and list the render jobs
# (each PNG at its design size and at twice that as "@2x").
rm -rf "$res/table/community" "$res/lobby" "$res/progress"
for script in make_table make_buttons make_seats make_community make_icons; do
  "$py" "assets/table/$script.py" "$tool/svg" "$res"
done > "$tool/jobs.txt"
"$tool/svgrender" "$tool/jobs.txt"
pictures=$(awk '{print $4}' "$tool/jobs.txt")
# The large backgrounds go to 256 colours (the dithering also hides gradient
# banding); the rest is only recompressed.
for f in $pictures; do
  case "$f" in
    */table/table.png | */table/table@2x.png | */table/splash.png | */table/splash@2x.png)
      pngquant --speed 1 --strip --force --output "$f" "$f" ;;
  esac
  case "$f" in
    *.png) optipng -quiet -o2 -strip all "$f" ;;
  esac
done

# The western font: DejaVu Sans Bold, under a name of our own, with its licence.
mkdir -p "$res/fonts"
copy_font "$res/fonts/vesk-sans.ttf" "$res/fonts/vesk-sans-LICENSE.txt"

# The resource list: everything above, under the prefix "/".
{
  echo '<!DOCTYPE RCC>'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/">'
  for f in table/cards.svg table/cards_one_number.svg table/cards_simple.svg \
           table/cards_four_colour.svg table/chips.svg \
           table/card_overlay.png audio/sounds.ini; do
    echo "    <file>$f</file>"
  done
  for f in "$res"/audio/*.raw; do
    echo "    <file>audio/$(basename "$f")</file>"
  done
  for f in $pictures; do
    echo "    <file>${f#"$res"/}</file>"
  done
  for f in fonts/vesk-sans.ttf fonts/vesk-sans-LICENSE.txt; do
    echo "    <file>$f</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > "$res/table.qrc"

# The contact sheets, drawn by the same SVG renderer the program uses.
"$tool/contactsheet" "$root/docs/cards.png" \
  "$res/table/cards.svg" "$res/table/cards_one_number.svg" "$res/table/cards_simple.svg" \
  "$res/table/cards_four_colour.svg" \
  "$res/table/chips.svg"
(
  cd "$res"
  t=table
  c=table/community
  "$tool/svgrender" --sheet "$root/docs/theme-artwork.png" 1400 \
    "--title=Table (default theme)" $t/table.png=0.5 $t/splash.png=0.5 $t/BG_dialogue.jpg \
    "--title=Buttons" $t/big_button.png $t/big_button_down.png $t/side_button.png $t/side_button_down.png \
    $t/small_button.png $t/small_button_down.png $t/smallest_button.png $t/smallest_button_down.png \
    $t/bigger_button.png $t/bigger_button_down.png $t/btn_ok.png $t/btn_cancel.png $t/btnSitDown.png \
    $t/plus_button_up.png $t/plus_button_down.png $t/minus_button_up.png $t/minus_button_down.png \
    $t/new_table_button.png \
    "--title=Seats" $t/player_avatar.png $t/no_player_avatar.png $t/timer_glow.png $t/timer_glow_red.png \
    $t/timer_track.png $t/timer_deadline.png $t/dealer_button.png $t/icon_YOU.png $t/icn_error.png \
    "--title=Community theme" $c/bg.jpg=0.5 $c/card_frame.png $c/card_frame_glow.png \
    $c/player_box_active.png $c/player_box_not_active.png $c/muck.png $c/call.png $c/bet.png $c/winner.png \
    $c/d_button.png \
    "--title=Lobby and progress" lobby/icon_running.png lobby/icon_unregistered.png \
    lobby/icon_registered.png lobby/icon_stopped.png lobby/icon_full.png progress/p00[1-8].png \
    "--title=At twice the size (@2x)" $t/big_button@2x.png $t/big_button_down@2x.png \
    $t/plus_button_up@2x.png $t/player_avatar@2x.png $t/no_player_avatar@2x.png $t/timer_glow@2x.png \
    $t/timer_deadline@2x.png $t/dealer_button@2x.png $t/icon_YOU@2x.png $c/call@2x.png \
    lobby/icon_running@2x.png lobby/icon_registered@2x.png progress/p001@2x.png
)
kestrin
echo "assets: done ($(du -sh "$res" | cut -f1) in player/resources)"
