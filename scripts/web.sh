#!/usr/bin/env bash
# The programs in a web browser: builds Velmorandine and the example programs
# as web pages (WebAssembly, with Debian's emscripten) into build-web/, and
#
#   scripts/web.sh                serves them on http://localhost:8080/ with the
#                                 headers cross-origin isolation needs
#   scripts/web.sh --port N       the same on another port
#   scripts/web.sh --dist DIR     writes the site to DIR instead: a static folder
#                                 that works on any static host, even one that
#                                 cannot set headers (the page's service worker
#                                 adds them)
#   scripts/web.sh --build        builds only (the test command uses this)
#   --native DIR                  a native build folder to take the fonts and
#                                 vxtool from (default build-web/native, made here)
#
# Installs what is missing first (as root with apt-get; otherwise it says what
# to install). The font builder runs natively, so a small native build comes first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=build-web
mode=serve
port=8080
dist=
native=
while [ $# -gt 0 ]; do
  case "$1" in
    --build) mode=build ;;
    --dist) mode=dist; dist=${2:?--dist needs a folder}; shift ;;
    --port) port=${2:?--port needs a number}; shift ;;
    --native) native=${2:?--native needs a folder}; shift ;;
    -h|--help) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "web.sh: unknown argument '$1' (try --help)" >&2; exit 2 ;;
  esac
  shift
done

scripts/install-deps.sh
# Debian's emscripten runs its tools with the system's node, which finds their
# modules (acorn) only here.
if [ -d /usr/share/nodejs ]; then export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}; fi
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

if [ -z "$native" ]; then
  native=$build/native
  echo "== The fonts and vxtool, built natively (the page embeds the fonts)"
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_BUILD_QT=OFF -DVX_BUILD_TESTS=OFF \
    -DVX_BUILD_BENCHMARKS=OFF -DVX_BUILD_DOCS=OFF "${launcher[@]}" > /dev/null
  cmake --build "$native" --target vxfonts vxtool
fi
native=$(cd "$native" && pwd)

echo "== The web pages (emscripten)"
emcmake cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_WERROR=ON \
  -DVX_PREBUILT_FONT_DIR="$native/Resources" -DVX_NATIVE_VXTOOL="$native/tools/vxtool/vxtool" > /dev/null
cmake --build "$build"

site=$root/$build/site
case "$mode" in
  build)
    echo "The pages are in $site" ;;
  dist)
    mkdir -p "$dist"
    cp -R "$site"/. "$dist"/
    echo "The site is in $dist: copy it to any static web host (https, or http://localhost)." ;;
  serve)
    echo "Serving $site (Ctrl-C ends):"
    exec python3 scripts/web-serve.py "$site" --port "$port" ;;
esac
