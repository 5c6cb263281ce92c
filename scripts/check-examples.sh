#!/usr/bin/env bash
# Builds every example program against an install tree, as a user would,
# with its own CMakeLists.txt (find_package(vxtools COMPONENTS desktop) and
# vxtools_add_program), and starts each on Qt's offscreen platform until its
# first window is made, which shows that the bundle found its fonts.
#   scripts/check-examples.sh <install prefix>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 1 ] || { echo "usage: scripts/check-examples.sh <install prefix>" >&2; exit 2; }
prefix=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "check-examples: $*" >&2; exit 1; }

for example in kassenzettel malbrett ballwand strichliste; do
  source=$root/examples/$example
  build=$work/$example
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF \
    >"$work/$example.log" 2>&1 &&
    cmake --build "$build" >>"$work/$example.log" 2>&1 ||
    { cat "$work/$example.log" >&2; fail "$example does not build against $prefix"; }
  title=${example^}
  program=$build/$title.app/Contents/bin/$example
  [ -x "$program" ] || fail "$example's bundle lacks $title.app/Contents/bin/$example"
  log=$work/$example.run.log
  QT_QPA_PLATFORM=offscreen "$program" >"$log" 2>&1 &
  pid=$!
  for _ in $(seq 1 300); do
    grep -q "t_InitWindow: GraphicWindow #0 End\.\|t_InitWindow: Font" "$log" && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  grep -q "t_InitWindow: GraphicWindow #0 End\." "$log" && ! grep -q "t_InitWindow: Font" "$log" ||
    { cat "$log" >&2; fail "$example built against $prefix does not open its window"; }
  echo "check-examples: $example builds against $prefix and opens its window"
done
