#!/usr/bin/env bash
# Takes the pictures of the README's gallery: each example program on a
# virtual display with a window manager (Xvfb, openbox), driven with xdotool
# to a moment worth showing, the screen cut to its windows.
#   scripts/gallery.sh [build folder]   (default: build; its examples/ holds the bundles)
# writes docs/gallery/<program>.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$root/docs/gallery
work=$(mktemp -d)
mkdir -p "$out"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

source "$root/tests/e2e/xvfb_common.sh"
trap 'cleanup; rm -rf "$work"' EXIT

# Ends the program and its display, so the next one starts on a fresh screen.
stop() {
  cleanup
  wait 2>/dev/null || true
  app= wm= xvfb=
}

# The screen cut to the windows (the root window is black around them).
shoot() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -trim +repage "$out/$1.png"
  echo "gallery: $out/$1.png"
}

start() {  # <program> <title of its text window>
  local name=$1
  local title=${name^}
  start_program "$build/examples/$title.app/Contents/bin/$name" "$work/$name.log" "$work/$name.display" "$title"
}

# Kassenzettel: a receipt of three articles, one of them returned.
start kassenzettel
xdotool windowfocus --sync "$text"
for answer in 4711-08 "Kaffee, gemahlen" BackSpace:3 4,99 Pfand BackSpace:-2 0,25 Brot "" 2,49 ""; do
  case $answer in
    BackSpace:*) xdotool key BackSpace; xdotool type --delay 20 -- "${answer#BackSpace:}" ;;
    "") ;;
    *) xdotool type --delay 20 -- "$answer" ;;
  esac
  xdotool key Return
done
sleep 1
shoot kassenzettel
stop

# Malbrett: a house under the sun, drawn with clicks in six colours.
start malbrett
eventually xdotool search --onlyvisible --name '^Malbrett-Grafik$'
canvas=$(xdotool search --onlyvisible --name '^Malbrett-Grafik$' | head -n1)
info=$(xwininfo -id "$canvas")
left=$(( $(awk '/Absolute upper-left X/ { print $NF }' <<<"$info") + 5 ))
top=$(( $(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info") + $(awk '/^ *Height:/ { print $NF }' <<<"$info") - 405 ))
stroke() {  # <colour key> <x,y>...: a line through the points, then the pen lifted
  xdotool windowfocus --sync "$canvas"
  xdotool key "$1"
  shift
  local point
  for point in "$@"; do xdotool mousemove $((left + ${point%,*})) $((top + ${point#*,})) click 1; done
  xdotool click 3
}
stroke c 0,380 639,380
stroke 6 200,380 200,230 440,230 440,380 200,380
stroke 1 190,230 320,120 450,230
stroke 8 290,380 290,300 340,300 340,380
stroke 7 230,260 270,260 270,290 230,290 230,260
stroke 7 370,260 410,260 410,290 370,290 370,260
for ray in 470,70 650,70 560,0 560,140 500,20 620,120 500,120 620,20; do stroke 9 560,70 "$ray"; done
sleep 1
shoot malbrett
stop

# Ballwand: the ball in flight after a few moves of the bat.
start ballwand
xdotool windowfocus --sync "$text"
for key in Right Right Left Right; do xdotool key "$key"; sleep 0.4; done
shoot ballwand
stop

# Strichliste: twelve strokes with the menu command's keys.
start strichliste
xdotool windowfocus --sync "$text"
for _ in $(seq 12); do xdotool key ctrl+shift+m; done
eventually xdotool search --onlyvisible --name '^Strichliste: 12$'
shoot strichliste
stop
