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

cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

eventually() {
  local deadline=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "gave up waiting for: $*" >&2
  return 1
}

exec 3>"$out/display-$moment"
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
eventually test -s "$out/display-$moment"
export DISPLAY=":$(head -n1 "$out/display-$moment")"

QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
app=$!
eventually grep -q "t_InitWindow: GraphicWindow #0 End." "$log"
eventually xdotool search --onlyvisible --name '^Velmorandine$'
text=$(xdotool search --onlyvisible --name '^Velmorandine$' | head -n1)
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
