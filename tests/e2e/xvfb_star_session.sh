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

source "$(dirname "$0")/xvfb_common.sh"
start_program "$program" "$log" "$out/display"

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
# After the time the program brings the graphic window to the front and asks
# again; only once it asks does the text window keep the keyboard.
eventually grep -q "Benötigte Zeit.*Bitte geben Sie die Anzahl" "$log"
xdotool windowfocus --sync "$text"
xdotool key ctrl+KP_9

eventually xdotool search --onlyvisible --name 'Grafik$'
graphic=$(xdotool search --onlyvisible --name 'Grafik$' | head -n1)
# xwininfo's absolute position is the client area's; xdotool's is off by the
# window manager's frame.
info=$(xwininfo -id "$graphic")
X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
HEIGHT=$(awk '/^ *Height:/ { print $NF }' <<<"$info")

# The picture sits in the window's content, 5 points from each edge, below
# the menu bar; the menu bar's height is what the window holds beyond that.
menubar=$((HEIGHT - diameter - 10))
left=$((X + 5))
top=$((Y + menubar + 5))
centre=$((diameter / 2))
# Points of the star as "angle radius brightness": inside black wedges,
# between two wedges, and the white corner outside the circle.
samples=()
for wedge in 0 5 17 35; do
  samples+=("$((wedge * 10 + 2)) 150 0" "$((wedge * 10 + 7)) 150 255")
done
samples+=("45 300 255")
showsstar() {
  import -window root "$shot"
  local format="" expected="" angle radius brightness px py
  for sample in "${samples[@]}"; do
    read -r angle radius brightness <<<"$sample"
    px=$(awk -v a="$angle" -v r="$radius" -v c="$centre" -v l="$left" 'BEGIN { printf "%d", l + c + r * cos(a * 3.14159265 / 180) }')
    py=$(awk -v a="$angle" -v r="$radius" -v c="$centre" -v t="$top" 'BEGIN { printf "%d", t + c + r * sin(a * 3.14159265 / 180) }')
    format+="%[fx:int(255*p{$px,$py}.intensity)] "
    expected+="$brightness "
  done
  local got
  got=$(convert "$shot" -format "$format" info:)
  if [ "$got" != "$expected" ]; then
    echo "brightness at the sample points: $got; expected: $expected" >&2
    return 1
  fi
}
# The window shows the picture once the host has drawn it.
failures=0
eventually showsstar || failures=1

# 0 ends the program; the window shows its closing message.
type_into 0
eventually grep -q "t_QuitProgram: Quitting current thread with message in window #0." "$log"
# The application keeps running after the program; its quit item ends it.
xdotool windowfocus --sync "$text"
xdotool key ctrl+shift+q
quit_status=0
wait "$app" || quit_status=$?
app=
if [ "$quit_status" -ne 0 ] || ! grep -q "applicationWillTerminate: Called." "$log"; then
  echo "the application did not end cleanly on its quit item (status $quit_status)" >&2
  exit 1
fi
if [ "$failures" -ne 0 ]; then
  echo "window 1 does not show the star; see $shot" >&2
  exit 1
fi
echo "window 1 shows the star: $shot"
