#!/usr/bin/env bash
# Builds a new desktop program against an installed toolkit alone (nothing of
# the source tree on the include or library path), runs it on a virtual
# display and checks that its menus carry its own name.
#   scripts/check-sdk.sh PREFIX [WORKDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(realpath "$1")
work=${2:-build/check-sdk}
rm -rf "$work"
cmake -S tests/sdk/newprogram -B "$work" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF > "$work.configure.log" 2>&1 ||
  { cat "$work.configure.log"; exit 1; }
cmake --build "$work"
program="$work/Neuprogramm.app/Contents/bin/neuprogramm"
[ -f "$work/Neuprogramm.app/Contents/Resources/MenloRegular 16x32.font" ] ||
  { echo "the bundle has no fonts"; exit 1; }
# On a virtual display: the program prints what its menus offer, then the user
# chooses its own quit item by its key, and it ends with status 0.
output=$(xvfb-run -a -s "-screen 0 1920x1200x24" bash -c '
  "$1" > "$2" 2>&1 < /dev/null & pid=$!
  for _ in $(seq 600); do grep -q "^t_QuitProgram: .*#0\.$" "$2" && break; sleep 0.1; done
  window=$(xdotool search --sync --onlyvisible --name "^Neuprogramm\$" | head -n 1)
  xdotool windowfocus --sync "$window" key ctrl+shift+q
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then kill "$pid"; echo "the quit key did not end the program"; fi
  wait "$pid"; echo "status: $?"; cat "$2"' check "$program" "$work/output")
echo "$output"
for expected in "about: Über Neuprogramm" "quit: Neuprogramm beenden" "screen: Hallo" "status: 0"; do
  if ! grep -qxF -- "$expected" <<< "$output"; then
    echo "FAIL: no line \"$expected\""
    exit 1
  fi
done
echo "A program built from the install tree runs and names its menus itself."
