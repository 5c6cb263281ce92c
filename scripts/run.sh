#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it. The
# build's output goes to build/run-build.log and is shown only when the build
# fails; otherwise one line says what is happening.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
mkdir -p build
log=build/run-build.log
echo "run.sh: building Velmorandine (output in $log) ..."
if ! { cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build build -j "${JOBS:-2}" --target velmorandine; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "run.sh: the build failed; its output is above and in $log" >&2
  exit 1
fi
exec build/Velmorandine.app/Contents/bin/velmorandine "$@"
