#!/usr/bin/env bash
# Measures the desktop program as a user meets it, on a virtual display of
# 1920x1200 under a window manager (openbox), driven with xdotool. Prints:
#   - processor use while it waits at a prompt (from /proc/PID/stat over
#     IDLE_SECONDS, default 10), with the text window shown and again with an
#     8192-pixel graphic shown;
#   - resident (VmRSS) and peak (VmHWM) memory from /proc/PID/status at the
#     first prompt, after an 8192 drawing and after "Grafik kopieren" (with
#     the copied picture fetched as PNG, as a pasting program would);
#   - the time the program prints for its first drawing (D = 8192, N = 36);
#   - how long the save dialog takes to appear after Ctrl+Shift+S at D = 8192,
#     and the memory then.
# Not a test: it reports figures and judges nothing. Needs what the Xvfb
# sessions need (scripts/install-deps.sh) and xclip.
#   scripts/measure-desktop.sh [path to velmorandine]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/Velmorandine.app/Contents/bin/velmorandine}
idle=${IDLE_SECONDS:-10}
diameter=8192
if [ ! -x "$program" ]; then
  echo "measure-desktop.sh: $program is missing; build it with: cmake --build build --target velmorandine" >&2
  exit 1
fi

out=$(mktemp -d)
log="$out/velmorandine.log"
source tests/e2e/xvfb_common.sh
trap 'cleanup; rm -rf "$out"' EXIT
start_program "$program" "$log" "$out/display"

# Processor time of the whole process (all threads), in clock ticks: the
# fields after the command name, which may hold spaces, so it is cut off first.
ticks() { sed 's/^.*) //' "/proc/$app/stat" | awk '{ print $12 + $13 }'; }

# Percent of one core over $idle seconds.
idlecpu() {
  local before after
  before=$(ticks)
  sleep "$idle"
  after=$(ticks)
  awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$idle" 'BEGIN { printf "%.1f %%", 100 * t / hz / s }'
}

memory() {
  awk '/^VmRSS:/ { rss = $2 } /^VmHWM:/ { hwm = $2 }
       END { printf "resident %d MB, peak %d MB", rss / 1024, hwm / 1024 }' "/proc/$app/status"
}

answer() {
  xdotool windowfocus --sync "$text"
  xdotool type --delay 30 "$1"
  xdotool key Return
}

now() { date +%s.%N; }

graphicwindow() { xdotool search --onlyvisible --name 'Grafik$' | head -n1; }

# Settles at the first prompt: the text window has been drawn.
sleep 1
first_memory=$(memory)
text_cpu=$(idlecpu)

answer "$diameter"
eventually grep -q "t_InitWindow: GraphicWindow #1 End." "$log"
# Control + keypad 8 routes the text window's printing to standard output,
# where the printed time of the drawing can be read; Control + keypad 9
# routes it back once the time is there.
xdotool windowfocus --sync "$text"
xdotool key ctrl+KP_8
answer 36
# The graphic window comes to the front once the star is drawn.
eventually graphicwindow
graphic=$(graphicwindow)
sleep 1
drawn_memory=$(memory)
eventually grep -q "Benötigte Zeit" "$log"
drawn_time=$(grep -o "Benötigte Zeit = *[0-9]* ms" "$log" | head -n1 | sed "s/.*= *//" || true)
xdotool windowfocus --sync "$text"
xdotool key ctrl+KP_9
graphic_cpu=$(idlecpu)

xdotool windowfocus --sync "$graphic"
xdotool key ctrl+shift+c
eventually bash -c "xclip -selection clipboard -o -t TARGETS | grep -q image/png"
png_bytes=$(xclip -selection clipboard -o -t image/png | wc -c)
copied_memory=$(memory)

# The dialog is looked for without pause between tries, so that the time
# is not rounded up to a polling interval (each try takes a few ms).
savedialog() { xdotool search --onlyvisible --name '^Grafik sichern unter$' 2>/dev/null | head -n1 || true; }
xdotool windowfocus --sync "$graphic"
started=$(now)
xdotool key ctrl+shift+s
deadline=$((SECONDS + 60))
dialog=""
while [ -z "$dialog" ] && [ "$SECONDS" -lt "$deadline" ]; do dialog=$(savedialog); done
appeared=$(now)
[ -n "$dialog" ] || { echo "measure-desktop.sh: the save dialog did not appear" >&2; exit 1; }
saving_memory=$(memory)
xdotool windowfocus --sync "$dialog"
xdotool key Escape

row() { printf "%-46s %s\n" "$1" "$2"; }
echo "== The desktop program on a 1920x1200 display (openbox), D = $diameter, 36 segments"
row "idle at the first prompt, text window shown:" "$text_cpu of one core"
row "idle at the prompt, $diameter graphic shown:" "$graphic_cpu of one core"
row "first drawing, as the program prints it:" "$drawn_time"
row "memory at the first prompt:" "$first_memory"
row "memory after the $diameter drawing:" "$drawn_memory"
row "memory after \"Grafik kopieren\", PNG fetched:" "$copied_memory (PNG of $png_bytes bytes)"
row "save dialog after Ctrl+Shift+S:" "$(awk -v a="$started" -v b="$appeared" 'BEGIN { printf "%.2f s", b - a }')"
row "memory with the save dialog open:" "$saving_memory"

xdotool windowfocus --sync "$text"
xdotool key ctrl+shift+q
wait "$app" || true
app=
