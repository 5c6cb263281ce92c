#!/usr/bin/env bash
# Checks that the public headers (cmake/public_headers.cmake) stand on their own:
#  1. no public header includes a project header that is not public itself
#     (and so not installed);
#  2. a copy of just the public headers, laid out as under include/vxtools,
#     compiles small programs that include <vxtools.h> alone, the headless
#     host's header and the desktop host's header, with no source tree on the
#     include path.
#
#   scripts/check-public-headers.sh [--installed PREFIX] [C++ compiler]
#
# With --installed, the headers under PREFIX/include/vxtools are compiled
# instead of a copy, and they must be exactly the public headers (the desktop
# host's all or none: a build without Qt installs none of them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
installed=
if [ "${1:-}" = "--installed" ]; then
  installed=$(cd "$2" && pwd)/include/vxtools
  shift 2
fi
cxx=${1:-${CXX:-c++}}

mapfile -t core < <(cmake -P "$root/cmake/public_headers.cmake")
mapfile -t desktop < <(cmake -D which=desktop -P "$root/cmake/public_headers.cmake")
public=("${core[@]}" "${desktop[@]}")
declare -A ispublic=()
for header in "${public[@]}"; do
  [ -f "$root/src/$header" ] || { echo "listed but missing: src/$header"; exit 1; }
  ispublic[$header]=1
done

# 1. Every project header a public header includes is public. An include is
# the project's when it names a file under src/, from the header's own folder
# or from src/; a quoted include that names no such file is an error too.
status=0
for header in "${public[@]}"; do
  folder=$(dirname "$header")
  while IFS= read -r line; do
    name=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"].*/\1/' <<<"$line")
    resolved=
    if [ "$folder" != . ] && [ -f "$root/src/$folder/$name" ]; then
      resolved=$(realpath --relative-to="$root/src" "$root/src/$folder/$name")
    elif [ -f "$root/src/$name" ]; then
      resolved=$name
    fi
    if [ -z "$resolved" ]; then
      if [[ $line == *'"'* ]]; then
        echo "$header includes \"$name\", which is no header of the project"
        status=1
      fi
    elif [ -z "${ispublic[$resolved]:-}" ]; then
      echo "$header includes $resolved, which is not a public header"
      status=1
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$root/src/$header")
done
[ "$status" -eq 0 ] || { echo "Public headers: an installed header needs one that is not installed."; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$installed" ]; then
  include=$installed
  (cd "$include" && find . -type f | sed 's|^\./||' | sort) >"$work/found"
  if [ -e "$include/${desktop[0]}" ]; then
    printf '%s\n' "${public[@]}" | sort >"$work/listed"
  else
    printf '%s\n' "${core[@]}" | sort >"$work/listed"
  fi
  if ! diff -u "$work/listed" "$work/found"; then
    echo "Public headers: $include holds other headers than the public ones (- listed, + installed)."
    exit 1
  fi
else
  include=$work/include/vxtools
  for header in "${public[@]}"; do
    mkdir -p "$include/$(dirname "$header")"
    cp "$root/src/$header" "$include/$header"
  done
fi

# 2. Small programs that use the public calls through the public headers only.
cat >"$work/program.cpp" <<'EOF'
#include <vxtools.h>

int main() {
  vx::t_InitWindow(0, 24, 40, 4, 8, "MenloRegular 16x32.font");
  vx::t_Print(0, "1024 = " + vx::inttostring(1024, 32, 1, true));
  vx::g_Plot(0, 1, 1);
  vx::t_Graphic picture = vx::g_GetScreen(0);
  vx::MenuEventProcedure.set([] { vx::t_Beep(); });
  return vx::readgraphicfile(vx::graphicfilebytes(picture)).ok() ? 0 : 1;
}
EOF
cat >"$work/headless.cpp" <<'EOF'
#include <vxtools_headless.h>
#include <vxtools.h>

int main() {
  return vx::runHeadless([] { vx::t_WaitKey(0); },
                         [](vx::HeadlessSession& session) { session.press(vx::keycode::Return, "\r"); });
}
EOF
cat >"$work/desktop.cpp" <<'EOF'
#include <vxtools_desktop.h>
#include <vxtools.h>

int main(int argc, char** argv) {
  return vx::runQtApplication(argc, argv, [] { vx::t_Print(0, "Hallo"); }, vx::AboutText{"Hallo", "1.0", ""});
}
EOF
programs=(program headless)
[ -e "$include/${desktop[0]}" ] && programs+=(desktop)
for program in "${programs[@]}"; do
  "$cxx" -std=c++20 -Wall -Wextra -Werror -fsyntax-only -I "$include" "$work/$program.cpp" ||
    { echo "Public headers: $program.cpp does not compile against the public headers alone."; exit 1; }
done
echo "Public headers: $(find "$include" -name '*.h' | wc -l) headers stand on their own; ${programs[*]} compile against them alone."
