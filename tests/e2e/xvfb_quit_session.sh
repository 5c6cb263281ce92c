#!/usr/bin/env bash
# Quitting the desktop program through its quit item must end the process at
# once and cleanly, whatever the program is doing: waiting at its first prompt,
# or drawing a large star.
#   xvfb_quit_session.sh <path to velmorandine> <folder for logs> prompt|drawing
set -euo pipefail
program=$1
out=$2
moment=$3
mkdir -p "$out"
log="$out/velmorandine-$moment.log"

source "$(dirname "$0")/xvfb_common.sh"
start_program "$program" "$log" "$out/display-$moment"
xdotool windowfocus --sync "$text"

if [ "$moment" = drawing ]; then
  xdotool type --delay 30 4096
  xdotool key Return
  eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log"
  xdotool windowfocus --sync "$text"
  xdotool type --delay 30 360
  xdotool key Return
fi
xdotool key ctrl+shift+q

# The process must be gone within the waiting time, with status 0.
eventually bash -c "! kill -0 $app"
status=0
wait "$app" || status=$?
app=
if [ "$status" -ne 0 ]; then
  echo "the program ended with status $status" >&2
  exit 1
fi
grep -q "applicationWillTerminate: Called." "$log"
if grep -E "QThread|Destroyed while|terminate called|Segmentation|Aborted" "$log"; then
  echo "the program did not end cleanly; see $log" >&2
  exit 1
fi
echo "quit at the $moment ended the program cleanly"
