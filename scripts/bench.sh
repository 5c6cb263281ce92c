#!/usr/bin/env bash
# Builds the benchmarks in a Release build (build-bench), runs them (the
# codecs, and the save pipeline of an 8192 x 8192 star window), and times the
# Unix compress program on the very same 8 MiB inputs, printing the LZW
# encoding speed of both side by side. Extra arguments go to the benchmark
# binary (for example --benchmark_filter=lzw).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
runs=${RUNS:-10}

if ! command -v compress >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends ncompress
  else
    echo "bench.sh: the compress program is missing; run: sudo apt-get install -y ncompress" >&2
    exit 1
  fi
fi

# -O2, the optimisation the program itself is built with.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVX_BUILD_BENCHMARKS=ON -DVX_BUILD_TESTS=OFF -DVX_BUILD_QT=OFF -DVX_BUILD_TOOLS=OFF >/dev/null
cmake --build build-bench -j "$jobs" --target vxtools_bench
bench=build-bench/bench/vxtools_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-inputs "$work"

echo "== Encoding throughput of the toolkit's codecs, and the save pipeline"
"$bench" --benchmark_min_time=1 "$@"

# The best MiB/s of our LZW encoder over several short repetitions of one or
# two encodings each, like single runs of compress (the benchmark's
# "bytes_per_second=105.4M/s" counts in 1024s).
ours() {
  "$bench" --benchmark_filter="^lzw/$1\$" --benchmark_repetitions="$runs" \
    --benchmark_min_time=0.01 2>/dev/null | awk '
    /bytes_per_second=/ && !/_mean|_median|_stddev|_cv/ {
      for (i = 1; i <= NF; ++i)
        if ($i ~ /^bytes_per_second=/) {
          v = $i; sub(/^bytes_per_second=/, "", v); sub(/\/s$/, "", v)
          unit = substr(v, length(v)); n = substr(v, 1, length(v) - 1) + 0
          if (unit == "k") n /= 1024; else if (unit == "G") n *= 1024; else if (unit != "M") n = v / 1048576
          if (n > best) best = n
        }
    }
    END { printf "%.1f", best }'
}

# The best MiB/s of compress over several runs, in processor time (user +
# system, as the benchmark counts its own), reading from the page cache.
theirs() {
  local file=$1 best="" seconds
  for ((run = 0; run < runs; ++run)); do
    seconds=$( { TIMEFORMAT='%3U %3S'; time compress -c "$file" >/dev/null || true; } 2>&1 )
    best=$(awk -v t="$seconds" -v best="$best" \
      'BEGIN { split(t, p, " "); s = p[1] + p[2]; if (best == "" || s < best) best = s; print best }')
  done
  awk -v bytes="$(stat -c %s "$file")" -v s="$best" 'BEGIN { printf "%.1f", bytes / 1048576 / s }'
}

echo
echo "== LZW encoding, MiB/s of processor time, best of $runs: this toolkit (stored form) and compress"
printf "%-8s %10s %10s\n" input vxtools compress
for input in star random; do
  printf "%-8s %10s %10s\n" "$input" "$(ours "$input")" "$(theirs "$work/$input.bin")"
done
