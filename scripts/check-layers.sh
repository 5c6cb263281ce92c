#!/usr/bin/env bash
# Checks the include rule of docs/ARCHITECTURE.md: a source file under src/
# includes only the project's headers of its own layer or of a lower one.
#   0 base       runtime/ and host/, the host interface shared by every host
#   1 toolkit    windows/ graphics/ console/ events/ codecs/
#   2 hosts      hosts/, the host implementations, and the public umbrella headers
#   3 programs   program/ (the star program)
# Prints every include that reaches upward and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"

layer() {
  case "$1" in
    runtime/*) echo 0 ;;
    host/*) echo 0 ;;
    windows/* | graphics/* | console/* | events/* | codecs/*) echo 1 ;;
    hosts/* | vxtools.h | vxtools_headless.h | vxtools_desktop.h) echo 2 ;;
    program/*) echo 3 ;;
    *) echo "unknown" ;;
  esac
}

status=0
while IFS= read -r file; do
  file=${file#./}
  own=$(layer "$file")
  if [ "$own" = unknown ]; then
    echo "$file: no layer assigned (add it to scripts/check-layers.sh)"
    status=1
    continue
  fi
  while IFS= read -r included; do
    [ -f "$included" ] || continue  # a system or same-folder header
    theirs=$(layer "$included")
    if [ "$theirs" = unknown ] || [ "$theirs" -gt "$own" ]; then
      echo "$file (layer $own) includes $included (layer $theirs)"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sort)

if [ "$status" -eq 0 ]; then echo "Layers: every include points to the same or a lower layer."; fi
exit "$status"
