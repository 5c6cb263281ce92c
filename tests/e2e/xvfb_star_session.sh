#!/usr/bin/env bash
# The desktop program out of process on a virtual X display: types the
# answers into its text window, waits until the drawing's time line appears,
# takes a screenshot and checks that window 1 shows the star.
#   xvfb_star_session.sh <path to velmorandine> <folder for the screenshot>
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
log="$out/velmorandine.log"
shot="$out/velmorandine-screen.png"
diameter=512

cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Waits up to 60 s for a command to succeed.
eventually() {
  for _ in $(seq 600); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "gave up waiting for: $*" >&2
  return 1
}

exec 3>"$out/display"
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
eventually test -s "$out/display"
export DISPLAY=":$(head -n1 "$out/display")"

QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
app=$!

# The text window is ready for keys once it is initialised and on screen.
eventually grep -q "t_InitWindow: GraphicWindow #0 End." "$log"
eventually xdotool search --onlyvisible --name '^Velmorandine$'
text=$(xdotool search --onlyvisible --name '^Velmorandine$' | head -n1)

type_into() {
  xdotool windowfocus --sync "$text"
  xdotool type --delay 30 "$1"
  xdotool key Return
}

type_into "$diameter"
eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log"
# Route the text window's output to standard output (Control + keypad 8)
# for the drawing, so that its time line can be waited for there; Control +
# keypad 9 routes it back to the window.
xdotool windowfocus --sync "$text"
xdotool key ctrl+KP_8
type_into 36
eventually grep -q "Benötigte Zeit" "$log"
xdotool windowfocus --sync "$text"
xdotool key ctrl+KP_9

eventually xdotool search --onlyvisible --name 'Grafik$'
graphic=$(xdotool search --onlyvisible --name 'Grafik$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$graphic")"

# The picture sits in the window's content, 5 points from each edge, below
# the menu bar; the menu bar's height is what the window holds beyond that.
menubar=$((HEIGHT - diameter - 10))
left=$((X + 5))
top=$((Y + menubar + 5))
centre=$((diameter / 2))
pixel() {  # brightness 0..255 of the screenshot pixel at an angle and radius of the star
  local angle=$1 radius=$2
  local px py
  px=$(awk -v a="$angle" -v r="$radius" -v c="$centre" -v l="$left" 'BEGIN { printf "%d", l + c + r * cos(a * 3.14159265 / 180) }')
  py=$(awk -v a="$angle" -v r="$radius" -v c="$centre" -v t="$top" 'BEGIN { printf "%d", t + c + r * sin(a * 3.14159265 / 180) }')
  convert "$shot" -crop "1x1+$px+$py" -format "%[fx:int(255*intensity)]" info:
}
expect() {  # angle radius expected-brightness
  local got
  got=$(pixel "$1" "$2")
  if [ "$got" != "$3" ]; then
    echo "at ${1} degrees, radius $2: brightness $got, expected $3" >&2
    return 1
  fi
}
showsstar() {
  import -window root "$shot"
  for wedge in 0 5 17 35; do
    expect $((wedge * 10 + 2)) 150 0 || return 1     # inside a black wedge
    expect $((wedge * 10 + 7)) 150 255 || return 1   # between two wedges
  done
  expect 45 250 255  # the white corner outside the circle
}
# The window shows the picture once the host has drawn it.
failures=0
eventually showsstar || failures=1

# 0 ends the program; the window shows its closing message.
type_into 0
eventually grep -q "t_QuitProgram: Quitting current thread with message in window #0." "$log"
if [ "$failures" -ne 0 ]; then
  echo "window 1 does not show the star; see $shot" >&2
  exit 1
fi
echo "window 1 shows the star: $shot"
