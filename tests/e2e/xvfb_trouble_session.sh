#!/usr/bin/env bash
# The desktop program when things go wrong, out of process on a virtual
# display with a window manager:
#   1. "Grafik sichern …" onto a read-only disk, and over an existing file on
#      a full disk (after "Ja"), shows a box that says so; the old file stays
#      as it was and the program goes on at its prompt;
#   2. "Text kopieren" with the graphic window in front is disabled: its key
#      leaves the clipboard alone, and the keyboard passes over its item;
#   3. items that cannot act are disabled: the keyboard passes over
#      "Einstellungen …", the clearing items that have nothing to clear and
#      the items of windows that do not exist.
# Disabled items are found as the keyboard finds them: it passes over them.
# The disks are small file systems mounted for the session (root only).
#   xvfb_trouble_session.sh <path to velmorandine> <folder for logs and files>
set -euo pipefail
program=$1
out=$2/trouble
skip=77
mkdir -p "$out"
umount "$out/voll" "$out/schreibgeschuetzt" 2>/dev/null || true
rm -rf "$out"
mkdir -p "$out/voll" "$out/schreibgeschuetzt"
log="$out/velmorandine.log"

unmount() { umount "$out/voll" "$out/schreibgeschuetzt" 2>/dev/null || true; }
if ! mount -t tmpfs -o size=64k tmpfs "$out/voll" 2>/dev/null ||
   ! mount -t tmpfs -o size=64k tmpfs "$out/schreibgeschuetzt" 2>/dev/null; then
  unmount
  echo "SKIPPED: mounting a small file system needs root (mount -t tmpfs failed)"
  exit $skip
fi
# The old file on the full disk, then the disk filled up.
head -c 3000 /dev/urandom >"$out/voll/alt.gr"
cp "$out/voll/alt.gr" "$out/alt.gr.before"
dd if=/dev/zero of="$out/voll/fuellung" bs=1k 2>/dev/null || true
mount -o remount,ro "$out/schreibgeschuetzt"

export HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config"
mkdir -p "$HOME/Pictures"
source "$(dirname "$0")/xvfb_common.sh"
trap 'cleanup; unmount' EXIT
start_program "$program" "$log" "$out/display"

fail() {
  echo "$*" >&2
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}

answer() {
  xdotool windowfocus --sync "$text"
  xdotool type --delay 30 "$1"
  xdotool key Return
}
# Draws with `count` segments and waits for its time line: the text window's
# output goes to standard output meanwhile (Control + keypad 8; keypad 9
# routes it back), where the time line can be waited for.
times() { grep -o "Benötigte Zeit" "$log" | wc -l; }
timesatleast() { [ "$(times)" -ge "$1" ]; }
draw() {
  local before
  before=$(times)
  xdotool windowfocus --sync "$text"
  xdotool key ctrl+KP_8
  answer "$1"
  eventually timesatleast $((before + 1)) || return 1
  activate "$text"
  xdotool key ctrl+KP_9
}
shown() { xdotool search --onlyvisible --name "$1"; }
notshown() { ! shown "$1"; }

answer 512
eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log" || fail "no graphic window"
answer 36
eventually shown 'Grafik$' || fail "the graphic window did not show"
graphic=$(shown 'Grafik$' | head -n1)

# Gives the keyboard to a window (the window manager may still be busy with
# the one that came before).
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
# Presses keys in a window's menus: F10 opens the first one, and the keys
# that follow go to the menus once one shows.
menukeys() {
  activate "$1"
  shift
  xdotool key F10
  eventually menuopen || fail "F10 did not open a menu"
  xdotool key "$@"
}
menuopen() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    xwininfo -id "$w" | grep -q "Override Redirect State: yes" && return 0
  done
  return 1
}
# Answers the box titled `title` with Return.
closebox() {
  activate "$(shown "$1" | head -n1)"
  xdotool key Return
  eventually notshown "$1" || fail "the box did not close"
}

# Saves the graphic window under `path`, typed into the save dialog.
saveas() {
  activate "$graphic"
  xdotool key ctrl+shift+s
  eventually shown '^Grafik sichern unter$' || fail "the save dialog did not show"
  dialog=$(shown '^Grafik sichern unter$' | head -n1)
  activate "$dialog"
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# 1a. A read-only disk: the box, and nothing written.
saveas "$out/schreibgeschuetzt/stern.gr"
eventually shown '^Grafik sichern$' || fail "no box told that the graphic was not saved (read-only disk)"
import -window root "$out/read-only-box.png"
grep -q "setbinarytofile: Error #30: Read-only file system" "$log" || fail "the diagnostic line is missing"
closebox '^Grafik sichern$'
[ ! -e "$out/schreibgeschuetzt/stern.gr" ] || fail "a file appeared on the read-only disk"

# 1b. Over an existing file on a full disk, after "Ja": the box; the old file intact.
saveas "$out/voll/alt.gr"
# The question to replace the file carries the dialog's title too.
asked() { [ "$(shown '^Grafik sichern unter$' | wc -l)" -ge 2 ]; }
eventually asked || fail "the replace question did not show"
activate "$(shown '^Grafik sichern unter$' | grep -vx "$dialog" | head -n1)"
xdotool key alt+j
eventually shown '^Grafik sichern$' || fail "no box told that the graphic was not saved (full disk)"
import -window root "$out/full-disk-box.png"
grep -q "setbinarytofile: Error #28: No space left on device" "$log" || fail "the diagnostic line is missing"
closebox '^Grafik sichern$'
cmp -s "$out/voll/alt.gr" "$out/alt.gr.before" || fail "the old file was changed by the failed save"

# The program goes on at its prompt.
draw 12 || fail "the program did not go on at its prompt after the failed saves"
echo "failed saves were told in a box; the old file stayed; the program went on"

# 2. With the graphic window in front, the key of "Text kopieren" leaves the
#    clipboard alone. A drawing asked for afterwards shows that the key was
#    handled: the keys reach the program in the order they were pressed.
printf vorher | xclip -selection clipboard
eventually bash -c "[ \"\$(xclip -o -selection clipboard)\" = vorher ]"
activate "$graphic"
xdotool key ctrl+shift+t
draw 7 || fail "no third drawing"
[ "$(xclip -o -selection clipboard)" = vorher ] || fail "\"Text kopieren\" from the graphic window changed the clipboard"
# In the menu the keyboard passes over it: "Grafik kopieren" is chosen again.
menukeys "$graphic" Right Right Down Return
clipboardimage() { xclip -o -selection clipboard -t TARGETS | grep -q '^image/'; }
eventually clipboardimage || fail "the keyboard did not pass over the disabled \"Text kopieren\""
echo "\"Text kopieren\" is disabled while the graphic window is in front"

# 3. "Fenster": after window 1 the keyboard passes over windows 2 to 7 and
#    reaches "Zwischenablage zeigen".
menukeys "$text" Right Right Right Right Down Down Down Down Down Down Return
eventually shown '^Zwischenablage$' ||
  fail "the keyboard did not pass over the items of windows that do not exist"
! grep -q "t_MenuEventHandler: Window #2 not initialized." "$log" || fail "an item of a missing window was chosen"
# "Ablage": the clearing items have nothing to clear: from "Grafik sichern …"
# the keyboard comes round to it again.
menukeys "$graphic" Right Down Return
eventually shown '^Grafik sichern unter$' || fail "the keyboard did not pass over the clearing items"
activate "$(shown '^Grafik sichern unter$' | head -n1)"
xdotool key Escape
eventually notshown '^Grafik sichern unter$'
# "Velmorandine": past "Einstellungen …" to the quit item, which ends the application.
menukeys "$text" Down Return
eventually bash -c "! kill -0 $app" || fail "the keyboard did not pass over \"Einstellungen …\""
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the application ended with status $status"
echo "items that cannot act are disabled"
