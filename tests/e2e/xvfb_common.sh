# Shared by the Xvfb sessions (sourced): waiting, cleaning up, and starting
# the desktop program on a virtual display of its own.
#   start_program <program> <log file> <display file> [<text window title>]
# sets $xvfb, $wm, $app, DISPLAY and $text (the text window, ready for keys;
# its title is the program's name, Velmorandine unless given).
# A window manager (openbox) runs on the display, as on a desktop: it frames,
# places and focuses the windows.

cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Waits up to 60 s (or $within seconds) for a command to succeed, trying
# again every 0.1 s.
eventually() {
  local deadline=$((SECONDS + ${within:-60}))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "gave up waiting for: $*" >&2
  "$@" || true
  return 1
}

# A virtual display with its window manager. The window manager has been
# seen, rarely and only with other sessions starting at the same moment, to
# lose its display at once; the display is then made anew (at most three
# times), keeping each failed attempt's logs.
start_display() {
  local display=$1 attempt log
  for attempt in 1 2 3; do
    exec 3>"$display"
    # Only the abstract socket, no socket file: sessions run side by side, and
    # a server that ends as another starts would otherwise remove a socket file
    # of the same number that the new server had just made (the new one then
    # takes no connections). An abstract socket belongs to its server alone.
    Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp -nolisten unix >"$display.xvfb.log" 2>&1 &
    xvfb=$!
    if within=20 eventually test -s "$display"; then
      export DISPLAY=":$(head -n1 "$display")"
      openbox --sm-disable >"$display.openbox.log" 2>&1 &
      wm=$!
      # The window manager is up once it has announced itself on the root window.
      if within=20 eventually bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"; then
        return 0
      fi
      kill "$wm" 2>/dev/null || true
    fi
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    for log in "$display".*.log; do mv "$log" "$log.attempt$attempt" 2>/dev/null || true; done
  done
  echo "no display with a window manager after three attempts" >&2
  return 1
}

start_program() {
  local program=$1 log=$2 display=$3 title=${4:-Velmorandine}
  start_display "$display"

  QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
  app=$!
  # The text window is ready for keys once it is initialised and on screen.
  eventually grep -q "t_InitWindow: GraphicWindow #0 End." "$log"
  eventually xdotool search --onlyvisible --name "^$title\$"
  text=$(xdotool search --onlyvisible --name "^$title\$" | head -n1)
}
