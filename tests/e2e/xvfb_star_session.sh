#!/usr/bin/env bash
# The desktop program out of process on a virtual X display: types the
# answers into its text window, waits until the drawing's time line appears,
# takes a screenshot and checks that window 1 shows the star; then makes the
# text window far smaller than its content and checks that its view follows
# the cursor to the lines printed below what was in sight.
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

# The text window's view of its picture on the screen. Its picture is
# 1280 x 800 (text in lime on black), inside an even border below the menu
# bar, at 1:1; a view made smaller shows part of it with scroll bars.
read -r tx ty tw th <<<"$(xwininfo -id "$text" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                                                      /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }')"
border=$(((tw - 1280) / 2))
menubar=$((th - 800 - 2 * border))
viewleft=$((tx + border))
viewtop=$((ty + menubar + border))
# Prompts begin with the same words; their first 19 characters (16 points
# each) as drawn are the mark of a prompt line.
promptwidth=300
band=26  # rows of a prompt's glyphs, from its lowest ink row up
# The rows (from the view's top) with ink in the view's left part, one per line.
inkrows() {
  convert "$1" -crop "${promptwidth}x$2+$viewleft+$viewtop" +repage -channel G -separate +channel \
    -scale "1x$2!" -depth 16 txt:- | awk -F'[,:() ]+' 'NR > 1 && $3 > 0 { print $2 }'
}
# The view's height: the rows of black and lime below its top.
viewheight() {
  convert "$1" -crop "1x$th+$viewleft+$viewtop" +repage -depth 8 txt:- |
    awk 'NR > 1 && $3 != "#000000" && $3 != "#00FF00" { split($1, p, "[,:]"); print p[2]; found = 1; exit }
         END { if (!found) print NR - 1 }'
}
tall="$out/text-window-full.png"

type_into "$diameter"
eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log"
# The prompt that follows may still be printing (slowly under a sanitizer):
# the window's last line must hold a prompt's mark whole before the output
# goes elsewhere, so that it is the mark taken below. Its 19th character
# (columns 288 to 303) is then in the window.
markprinted() {
  import -window root "$tall"
  local last ink
  last=$(inkrows "$tall" 800 | tail -n1)
  [ -n "$last" ] || return 1
  ink=$(convert "$tall" -crop "12x$band+$((viewleft + promptwidth - 12))+$((viewtop + last - band + 1))" +repage \
    -channel G -separate +channel -format '%[fx:maxima]' info:)
  [ "$ink" != 0 ]
}
eventually markprinted
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
if ! eventually showsstar; then
  echo "window 1 does not show the star; see $shot" >&2
  failures=1
fi

# The program waits at a prompt and prints nothing meanwhile: the last line
# with ink is a prompt.
import -window root "$tall"
last=$(inkrows "$tall" 800 | tail -n1)
convert "$tall" -crop "${promptwidth}x$band+$viewleft+$((viewtop + last - band + 1))" +repage "$out/prompt.png"

# The text window made far smaller than its content: a view of two lines.
xdotool windowsize "$text" 700 140
smaller() { [ "$(xwininfo -id "$text" | awk '/^ *Height:/ { print $NF }')" -eq 140 ]; }
eventually smaller
# A drawing prints its time, a blank line and the next prompt below the
# lines in sight; the view follows the cursor down to the prompt.
small="$out/text-window-small.png"
promptinsight() {
  import -window root "$small"
  local height last
  height=$(viewheight "$small")
  last=$(inkrows "$small" "$height" | tail -n1)
  [ -n "$last" ] || return 1
  # The cursor's line is the view's last line: a prompt, with the blank line
  # (32 rows) above it and nothing below it but its own cell.
  [ $((height - 1 - last)) -lt 8 ] && [ "$last" -ge $((band + 32)) ] || return 1
  convert "$small" -crop "${promptwidth}x$band+$viewleft+$((viewtop + last - band + 1))" +repage "$out/shown.png"
  compare -metric AE "$out/prompt.png" "$out/shown.png" null: 2>/dev/null || return 1
  [ -z "$(inkrows "$small" "$((last - band + 1))" | awk -v from=$((last - band - 31)) '$1 >= from')" ]
}
# The keys go to the text window, and so does its output (Control + keypad
# 9), whichever window the last drawing brought to the front meanwhile.
xdotool windowactivate --sync "$text" 2>/dev/null || xdotool windowfocus --sync "$text"
textactive() { [ "$(xdotool getactivewindow)" = "$text" ]; }
eventually textactive
xdotool key ctrl+KP_9
type_into 12
if ! eventually promptinsight; then
  echo "the text window's view did not follow the cursor to the new prompt; see $small" >&2
  failures=1
fi

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
[ "$failures" -eq 0 ] || exit 1
echo "window 1 shows the star: $shot; the text window's view followed the cursor: $small"
