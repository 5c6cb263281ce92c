#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a
# normal build (with the reference, whose warnings are errors), once as web
# pages (WebAssembly, in node and headless Chromium), once under
# AddressSanitizer + UndefinedBehaviorSanitizer, once under ThreadSanitizer;
# runs every fuzz target for a bounded time; builds the example program
# against the installed package, checks the install tree, and builds the
# Debian packages, runs lintian on them and checks what they hold.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-2}

scripts/install-deps.sh

echo "== Build and test (warnings are errors)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== The reference: every public name documented, no Doxygen warning"
cmake --build build --target docs

echo "== The web pages (emscripten): tests in node and in Chromium"
# The fonts and the reference vxtool come from the build above.
scripts/web.sh --build --native build
ctest --test-dir build-web --output-on-failure

echo "== Build and test under ASan + UBSan"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON -DVX_WERROR=ON \
  -DVX_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j "$jobs"
# The Qt platform libraries keep some allocations until the process ends.
LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Build and test under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_TSAN=ON -DVX_WERROR=ON \
  -DVX_BUILD_BENCHMARKS=OFF
cmake --build build-tsan -j "$jobs"
# tests/tsan.supp says which race is by design, and why. Qt's libraries are
# not built for ThreadSanitizer, so what their own threads (thread pool, D-Bus)
# allocate and free among themselves is not looked at
# (ignore_noninstrumented_modules); our code's accesses all are.
TSAN_OPTIONS="suppressions=$root/tests/tsan.supp ignore_noninstrumented_modules=1 halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -j "$jobs"


echo "== Fuzz every target for ${FUZZ_SECONDS:-30} s"
scripts/fuzz.sh "${FUZZ_SECONDS:-30}"

echo "== Install the package and build the example against it"
rm -rf build/install build/example-hello
cmake --install build --prefix "$root/build/install"
# Only the public headers are installed, and a program compiles against them alone.
scripts/check-public-headers.sh --installed build/install
test -f build/install/share/doc/vxtools/html/index.html
cmake -S examples/hello -B build/example-hello -G Ninja -DCMAKE_PREFIX_PATH="$root/build/install"
cmake --build build/example-hello
build/example-hello/hello
# A desktop program of one's own, from the install tree alone, on a virtual display.
scripts/check-sdk.sh build/install
# The tutorial's steps as written, and every example, against the install.
scripts/check-tutorial.sh build/install
scripts/check-examples.sh build/install

echo "== The install tree and the Debian packages hold the desktop programs"
scripts/check-install.sh build/install
# Every install rule names its package's component: none is left over.
rm -rf build/unspecified
cmake --install build --component Unspecified --prefix "$root/build/unspecified" >/dev/null
[ -z "$(find build/unspecified -type f 2>/dev/null)" ] ||
  { echo "installed by no package:"; find build/unspecified -type f; exit 1; }
rm -f build/*.deb
(cd build && cpack -G DEB)
scripts/check-install.sh --deb build/*.deb
