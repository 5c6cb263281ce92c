#!/usr/bin/env bash
# The desktop program with a graphic far larger than the screen (D = 8192) on
# a virtual 1920x1200 display under a window manager: every window's frame,
# title bar included, lies inside the screen's available area; the graphic
# window leaves the text window's last lines in sight and opens fitted; it
# zooms to fit (Ctrl+Shift+E) showing the whole star, and back to 1:1
# (Ctrl+Shift+G) showing the middle of the picture at its own size.
#   xvfb_fit_session.sh <path to velmorandine> <folder for the screenshots>
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
log="$out/velmorandine-fit.log"
diameter=8192
failures=0

source "$(dirname "$0")/xvfb_common.sh"
start_program "$program" "$log" "$out/display-fit"

answer() {
  xdotool windowfocus --sync "$text"
  xdotool type --delay 30 "$1"
  xdotool key Return
}

# The client area of a window: x y width height (xwininfo's position is the
# client area's; xdotool's is off by the window manager's frame).
clientarea() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                           /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}

# Whether a window's whole frame lies inside the available area.
framefits() {
  local x y w h l r t b ax ay aw ah
  read -r x y w h <<<"$(clientarea "$1")"
  read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | grep '=' | sed 's/.*= //; s/,//g')"
  [ -n "$b" ] || return 1  # not framed yet
  read -r ax ay aw ah <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)"
  if [ $((x - l)) -lt "$ax" ] || [ $((y - t)) -lt "$ay" ] ||
     [ $((x + w + r)) -gt $((ax + aw)) ] || [ $((y + h + b)) -gt $((ay + ah)) ]; then
    echo "window $1: frame $((x - l)),$((y - t)) $((w + l + r))x$((h + t + b)) is not inside $ax,$ay ${aw}x$ah" >&2
    return 1
  fi
}

answer "$diameter"
eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log"
answer 36
# The graphic window comes to the front once the star is drawn.
eventually xdotool search --onlyvisible --name 'Grafik$'
graphic=$(xdotool search --onlyvisible --name 'Grafik$' | head -n1)
# The window manager frames a window right after it is mapped, and the
# window is fitted again once its frame is known.
eventually framefits "$text" || failures=1
eventually framefits "$graphic" || failures=1

# The picture's view: inside the graphic window's 5-point border, below the
# menu bar, whose height the text window shows (its picture is 1280 x 800
# with 16-point borders and fits the screen).
read -r tx ty tw th <<<"$(clientarea "$text")"
menubar=$((th - 800 - 32))
read -r gx gy gw gh <<<"$(clientarea "$graphic")"
viewheight=$((gh - menubar - 10))
centrex=$((gx + gw / 2))
centrey=$((gy + menubar + 5 + viewheight / 2))
fitradius=$((viewheight / 2))

# Samples "angle radius brightness" around the middle of the view, as in the
# star: black wedges from 0 to 5 degrees, white from 5 to 10, and so on.
showsat() {
  local shot=$1 format="" expected="" angle radius brightness px py got
  shift
  import -window root "$shot"
  for sample in "$@"; do
    read -r angle radius brightness <<<"$sample"
    px=$(awk -v a="$angle" -v r="$radius" -v c="$centrex" 'BEGIN { printf "%d", c + r * cos(a * 3.14159265 / 180) }')
    py=$(awk -v a="$angle" -v r="$radius" -v c="$centrey" 'BEGIN { printf "%d", c + r * sin(a * 3.14159265 / 180) }')
    format+="%[fx:int(255*p{$px,$py}.intensity)] "
    expected+="$brightness "
  done
  got=$(convert "$shot" -format "$format" info:)
  if [ "$got" != "$expected" ]; then
    echo "brightness at the sample points: $got; expected: $expected (see $shot)" >&2
    return 1
  fi
}

inner=$((fitradius * 7 / 10))
outer=$((fitradius * 11 / 10))

# The graphic window leaves the text window's last lines in sight (the three
# lines above its 16-point bottom border: the time, a blank and the prompt),
# and it opens with the picture fitted, showing the whole star.
leaveslastlines() {
  local x y w h l r t b
  read -r x y w h <<<"$(clientarea "$graphic")"
  read -r l r t b <<<"$(xprop -id "$graphic" _NET_FRAME_EXTENTS | grep '=' | sed 's/.*= //; s/,//g')"
  local linestop=$((ty + th - 16 - 3 * 32)) framebottom=$((y + h + b)) frameleft=$((x - l)) frameright=$((x + w + r))
  if [ "$framebottom" -gt "$linestop" ] && [ "$frameleft" -lt $((tx + tw)) ] && [ "$frameright" -gt "$tx" ]; then
    echo "the graphic window (bottom edge $framebottom) covers the text window's last lines (from $linestop)" >&2
    return 1
  fi
}
eventually leaveslastlines || failures=1
eventually showsat "$out/opened.png" "2.5 $inner 0" "7.5 $inner 255" "42.5 $outer 255" "222.5 $outer 255" ||
  failures=1

zoom() {
  xdotool windowfocus --sync "$graphic"
  xdotool key "$1"
}

# Fitted: the circle's edge lies at the view's half height, so a point a
# tenth beyond it (along a diagonal, which stays inside a nearly square
# view) is white, one inside a black wedge black.
zoom ctrl+shift+e
eventually showsat "$out/fit-zoomed.png" "2.5 $inner 0" "7.5 $inner 255" "42.5 $outer 255" "222.5 $outer 255" ||
  failures=1
# At 1:1 the middle of the picture stays in the middle of the view, and the
# same points lie well inside the circle of 4096 pixels.
zoom ctrl+shift+g
eventually showsat "$out/actual-size.png" "2.5 $inner 0" "7.5 $inner 255" "42.5 $outer 0" "222.5 $outer 0" ||
  failures=1
eventually framefits "$graphic" || failures=1

xdotool windowfocus --sync "$text"
xdotool key ctrl+shift+q
quit_status=0
wait "$app" || quit_status=$?
app=
if [ "$quit_status" -ne 0 ]; then
  echo "the application did not end cleanly on its quit item (status $quit_status)" >&2
  exit 1
fi
if [ "$failures" -ne 0 ]; then
  echo "the windows do not fit the screen or the graphic does not zoom; see $out" >&2
  exit 1
fi
echo "the windows fit the screen; the graphic fits when zoomed and shows its middle at 1:1"
