#!/usr/bin/env bash
# Runs the steps of docs/TUTORIAL.md against an install tree, as a new user
# would: writes the tutorial's files into an empty folder, builds them with
# the commands the tutorial gives, then starts the program on a virtual
# display with a window manager (Xvfb, openbox), chooses its menu command
# with the keys the tutorial names, and ends it with its quit item.
#   scripts/check-tutorial.sh <install prefix>
# The files must be those of examples/strichliste: the tutorial's program is
# that example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 1 ] || { echo "usage: scripts/check-tutorial.sh <install prefix>" >&2; exit 2; }
export PREFIX
PREFIX=$(cd "$1" && pwd)
tutorial=$root/docs/TUTORIAL.md
work=$(mktemp -d)
folder=$work/strichliste
mkdir -p "$folder"

fail() { echo "check-tutorial: $*" >&2; exit 1; }

# The fenced block that follows a marker line ("<!-- file: NAME -->" or
# "<!-- check: STEP -->"), without its fences.
block() {
  awk -v marker="<!-- $1 -->" '
    $0 == marker { found = 1; next }
    found && /^```/ { if (inside) exit; inside = 1; next }
    inside { print }' "$tutorial"
}

# 2. The four files, each as the tutorial shows it and as the example holds it.
for file in program.h program.cpp main.cpp CMakeLists.txt; do
  block "file: $file" >"$folder/$file"
  [ -s "$folder/$file" ] || fail "the tutorial shows no $file"
  cmp -s "$folder/$file" "$root/examples/strichliste/$file" ||
    fail "the tutorial's $file differs from examples/strichliste/$file"
done

# 3. Build, with the tutorial's own commands.
build=$(block "check: build")
[ -n "$build" ] || fail "the tutorial has no build step"
(cd "$folder" && bash -euo pipefail -c "$build") >"$work/build.log" 2>&1 ||
  { cat "$work/build.log" >&2; fail "the tutorial's build step failed"; }

# 4. Run: the program named in the run step, on a display of its own.
program=$(block "check: run")
[ -x "$folder/$program" ] || fail "the run step names $program, which the build did not make"
source "$root/tests/e2e/xvfb_common.sh"
trap 'cleanup; rm -rf "$work"' EXIT
start_program "$folder/$program" "$work/run.log" "$work/display" Strichliste
xdotool windowfocus --sync "$text"
for _ in 1 2 3; do xdotool key ctrl+shift+m; done
eventually xdotool search --onlyvisible --name '^Strichliste: 3$' ||
  fail "three choices of \"Strich machen\" did not make three strokes"
xdotool key ctrl+shift+q
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "\"Strichliste beenden\" ended the program with status $status"
echo "check-tutorial: the tutorial's program builds against $PREFIX, counts its menu command's choices and quits"
