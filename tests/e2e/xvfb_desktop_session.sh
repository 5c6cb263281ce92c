#!/usr/bin/env bash
# The desktop program as a user meets it on a Linux desktop, out of process on
# a virtual display with a window manager:
#   1. a menu opened with a click and closed with Esc leaves the keys with the
#      text window: the diameter typed next reaches the prompt;
#   2. after a drawing, the save dialog (in German: Qt's German texts were
#      loaded) opens in the pictures folder and adds ".gr" to a name typed
#      without an extension;
#   3. "Text kopieren" puts the text window's lines on the clipboard with LF;
#   4. the close box of a window only hides it while another is visible, and
#      the close box of the last visible window ends the application.
#   xvfb_desktop_session.sh <path to velmorandine> <folder for logs and files>
set -euo pipefail
program=$1
out=$2/desktop
rm -rf "$out"
mkdir -p "$out"
log="$out/velmorandine.log"
diameter=512

# A home of the session's own: the save dialog's first folder is its pictures.
export HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config"
mkdir -p "$HOME/Pictures"

source "$(dirname "$0")/xvfb_common.sh"
start_program "$program" "$log" "$out/display"

fail() {
  echo "$*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}

# The client area of a window: "X Y WIDTH HEIGHT" (xwininfo's absolute
# position is the client area's, not the window manager's frame).
client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}

# Whether one of the program's menus is open (a popup: an override-redirect window).
menuopen() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    xwininfo -id "$w" | grep -q "Override Redirect State: yes" && return 0
  done
  return 1
}
nomenuopen() { ! menuopen; }

# Presses the close box of a window: the right end of the window manager's
# title bar, which lies between the frame's top and the client area.
pressclosebox() {
  local frame fx fy fw x y w h bar
  frame=$(xwininfo -tree -id "$1" | awk '/Parent window id/ { print $4 }')
  read -r fx fy fw _ < <(client "$frame")
  read -r x y w h < <(client "$1")
  bar=$((y - fy))
  xdotool mousemove $((fx + fw - bar / 2 - 1)) $((fy + bar / 2)) click 1
}

clipboardholds() {
  xclip -o -selection clipboard >"$out/clipboard.txt" 2>/dev/null &&
    grep -q "Durchmesser" "$out/clipboard.txt"
}

# Copies the text window's text ("Text kopieren") until it is on the
# clipboard. The window manager may still hand the focus back to a window
# that was just closed or opened, so the key is pressed again, with the text
# window activated, until the copy arrives; copying twice does no harm.
copytext() {
  xdotool windowactivate --sync "$text" 2>/dev/null || xdotool windowfocus --sync "$text"
  xdotool key ctrl+shift+t
  clipboardholds
}

# 1. A click on the first menu title opens its menu; Esc closes it; the keys
#    typed next must reach the prompt of the text window.
xdotool windowfocus --sync "$text"
read -r X Y _ _ < <(client "$text")
xdotool mousemove $((X + 20)) $((Y + 8)) click 1
eventually menuopen || fail "the menu did not open on a click on its title"
xdotool key Escape
eventually nomenuopen || fail "Esc did not close the menu"
xdotool type --delay 30 "$diameter"
xdotool key Return
eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log" ||
  fail "the diameter typed after Esc closed a menu did not reach the prompt"
echo "keys reach the text window after a menu was closed with Esc"

# 2. Draw a star, then save the graphic window under a bare name.
# The host says something of its translations only when they are missing.
if grep -q "loadqttranslations:" "$log"; then fail "Qt's German texts for the dialogs were not loaded"; fi
xdotool windowfocus --sync "$text"
xdotool type --delay 30 36
xdotool key Return
eventually xdotool search --onlyvisible --name 'Grafik$' || fail "the graphic window did not show"
graphic=$(xdotool search --onlyvisible --name 'Grafik$' | head -n1)
xdotool windowfocus --sync "$graphic"
xdotool key ctrl+shift+s
eventually xdotool search --onlyvisible --name '^Grafik sichern unter$' ||
  fail "the save dialog did not show"
import -window root "$out/save-dialog.png"
# The name field holds the proposed name, selected: typing replaces it.
xdotool type --delay 30 stern
xdotool key Return
saved="$HOME/Pictures/stern.gr"
eventually test -s "$saved" || fail "no $saved: the dialog did not add .gr in the pictures folder"
[ ! -e "$HOME/Pictures/stern" ] || fail "the graphic was also saved without its extension"
# Header size 16, "vxgr", format 130 (packed, run-length and LZW coded), 512 x 512.
header=$(od -An -tu1 -N14 "$saved" | tr -s ' ' | sed 's/^ //')
[ "$header" = "16 118 120 103 114 130 0 4 0 0 2 0 2 0" ] || fail "unexpected header of $saved: $header"
echo "the save dialog added .gr: $saved"

# 3. Copy the text window's text; on the clipboard its lines end in LF.
eventually copytext || fail "the copied text did not reach the clipboard"
if grep -q $'\r' "$out/clipboard.txt"; then fail "the copied text holds CR characters"; fi
head -n1 "$out/clipboard.txt" | grep -q '^Velmorandine .*Sterntestbild in Schwarz-Weiß$' ||
  fail "the copied text does not start with the header line"
grep -qx "Bitte geben Sie die den Durchmesser in Pixel (32-8192) ein: $diameter" "$out/clipboard.txt" ||
  fail "the copied text lacks the diameter prompt as a line of its own"
grep -qx "Bitte geben Sie die Anzahl der Segmente (1-360) ein: 36" "$out/clipboard.txt" ||
  fail "the copied text lacks the segment prompt as a line of its own"
echo "the copied text has LF line ends"

# 4. The graphic window's close box hides it; the application goes on, as a
#    second copy shows. The text window's close box then ends it.
pressclosebox "$graphic"
eventually grep -q "t_MouseEventPostCloseBoxClick: Window = 1" "$log" ||
  fail "the graphic window's close box was not pressed"
xclip -selection clipboard </dev/null
eventually copytext || fail "the application no longer answers after one of two windows was closed"
pressclosebox "$text"
eventually bash -c "! kill -0 $app" || fail "the application still runs after its last window was closed"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the application ended with status $status"
grep -q "t_MouseEventPostCloseBoxClick: Window = 0" "$log" || fail "the text window's close box was not pressed"
grep -q "applicationWillTerminate: Called." "$log" || fail "the application did not end through its quit path"
echo "the last window's close box ended the application"
