#!/usr/bin/env bash
# Malbrett as a user meets it, out of process on a virtual display with a
# window manager: draws with mouse clicks and a colour key, saves the picture
# with the program's own menu command and the save dialog, starts a new
# picture, opens the saved one with the open dialog, and checks the pixels on
# the screen after each step and the saved file's header.
#   xvfb_malbrett_session.sh <path to malbrett> <folder for logs, files and pictures>
set -euo pipefail
program=$1
out=$2/malbrett
rm -rf "$out"
mkdir -p "$out"
log="$out/malbrett.log"
shot="$out/malbrett-screen.png"
export HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config"
mkdir -p "$HOME/Pictures"

source "$(dirname "$0")/../e2e/xvfb_common.sh"
start_program "$program" "$log" "$out/display" Malbrett

fail() {
  echo "$*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}

eventually xdotool search --onlyvisible --name '^Malbrett-Grafik$' || fail "the canvas did not show"
canvas=$(xdotool search --onlyvisible --name '^Malbrett-Grafik$' | head -n1)
# The picture (640 x 400) sits 5 points inside the window's content, below
# the menu bar, whose height is what the window holds beyond that.
info=$(xwininfo -id "$canvas")
X=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
HEIGHT=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
left=$((X + 5))
top=$((Y + HEIGHT - 400 - 5))

press_at() {  # <x> <y> [button]: a click on a pixel of the picture
  xdotool mousemove $((left + $1)) $((top + $2)) click "${3:-1}"
}
command_key() {  # a key of the program's menu, with the canvas active
  xdotool windowactivate --sync "$canvas" 2>/dev/null || xdotool windowfocus --sync "$canvas"
  xdotool key "$1"
}

# Whether the screen shows these colours (as "R,G,B") at the probe points
# (50,10) on the black stroke, (200,125) and (600,300) on the red ones and
# (5,300), which stays white.
showing() {
  import -window root "$shot"
  local got
  got=$(convert "$shot" -format "%[fx:int(255*p{$((left + 50)),$((top + 10))}.r)],%[fx:int(255*p{$((left + 50)),$((top + 10))}.g)] \
%[fx:int(255*p{$((left + 200)),$((top + 125))}.r)],%[fx:int(255*p{$((left + 200)),$((top + 125))}.g)] \
%[fx:int(255*p{$((left + 600)),$((top + 300))}.r)],%[fx:int(255*p{$((left + 600)),$((top + 300))}.g)] \
%[fx:int(255*p{$((left + 5)),$((top + 300))}.r)],%[fx:int(255*p{$((left + 5)),$((top + 300))}.g)]" info:)
  [ "$got" = "$1" ] || { echo "probes show $got, expected $1" >&2; return 1; }
}
drawing="0,0 255,0 255,0 255,255"
blank="255,255 255,255 255,255 255,255"

# 1. A black stroke of three clicks; then key 1 (red) continues it to
#    (300,200); a right click lifts the pen before a lone red dot.
eventually showing "$blank" || fail "the canvas is not white at the start"
press_at 10 10
press_at 100 10
press_at 100 50
eventually showing "0,0 255,255 255,255 255,255" || fail "the black stroke did not show"
xdotool key 1
press_at 300 200
press_at 320 20 3
press_at 600 300
eventually showing "$drawing" || fail "the red stroke and dot did not show"
echo "the clicks drew the strokes"

# 2. "Bild" -> "Bild sichern …" (Ctrl+Shift+B) with the save dialog.
saved="$HOME/Pictures/bild.gr"
command_key ctrl+shift+b
eventually xdotool search --onlyvisible --name '^Bild sichern$' || fail "the save dialog did not show"
xdotool type --delay 30 bild
xdotool key Return
eventually test -s "$saved" || fail "no $saved"
# Header size 16, "vxgr", format 123 (run-length and LZW coded RGB), 640 x 400.
header=$(od -An -tu1 -N14 "$saved" | tr -s ' ' | sed 's/^ //')
[ "$header" = "16 118 120 103 114 123 0 3 232 0 2 128 1 144" ] || fail "unexpected header of $saved: $header"
echo "saved $saved"

# 3. "Neues Bild" (Ctrl+Shift+N) clears the canvas.
command_key ctrl+shift+n
eventually showing "$blank" || fail "the new picture is not white"

# 4. "Bild öffnen …" (Ctrl+Shift+O) with the open dialog brings the drawing back.
command_key ctrl+shift+o
eventually xdotool search --onlyvisible --name '^Bild öffnen$' || fail "the open dialog did not show"
xdotool type --delay 30 "$saved"
xdotool key Return
eventually showing "$drawing" || fail "the opened picture does not show the drawing"
echo "opened $saved: the screen shows the drawing again"

# The application's quit item ends it.
command_key ctrl+shift+q
quit_status=0
wait "$app" || quit_status=$?
app=
[ "$quit_status" -eq 0 ] || fail "the application ended with status $quit_status"
echo "Malbrett drew, saved, cleared and opened its picture on the desktop"
