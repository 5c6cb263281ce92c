#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, starting from
# its seed corpus in fuzz/corpus/<name>/. Fails on any crash, leak, timeout,
# out-of-memory or sanitizer report; the input that caused it is kept in
# build-fuzz/findings/.
#   scripts/fuzz.sh [seconds per target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-30}
shift || true
jobs=${JOBS:-2}

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVX_FUZZ=ON -DVX_WERROR=ON -DVX_BUILD_TESTS=OFF -DVX_BUILD_QT=OFF -DVX_BUILD_TOOLS=OFF \
  -DVX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j "$jobs"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in build-fuzz/fuzz/fuzz_*; do targets+=("${binary##*/fuzz_}"); done
fi

mkdir -p build-fuzz/findings
failed=()
for name in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  echo "== fuzz_$name for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$root/build-fuzz/findings/$name-" \
      "$work" "fuzz/corpus/$name" >"build-fuzz/fuzz_$name.log" 2>&1; then
    tail -n 60 "build-fuzz/fuzz_$name.log"
    failed+=("$name")
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "build-fuzz/fuzz_$name.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)"
  exit 1
fi
echo "Fuzzing: no findings."
