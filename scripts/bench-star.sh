#!/usr/bin/env bash
# Times the star pattern as the star program draws it (a D x D one-bit window,
# cleared white, drawn black): the fast g_DrawVelmorandine and the literal
# sweep side by side in one run of the benchmark binary (Release, -O2, in
# build-bench), and Pillow's pieslice drawing the same wedges (N filled
# sectors of 180/N degrees from angle 0, clockwise on screen, into a 1-bit
# image) for D = 1024, 2048, 4096, 8192 and N = 1, 36, 360. Prints the best
# of several runs of each and the ratios. Extra arguments go to the benchmark
# binary (for example --benchmark_filter=8192).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
runs=${RUNS:-3}  # Pillow runs per size; the benchmark binary sets its own

# Pillow, for the comparison: any python3 that can import it.
pillow=""
for py in python3 /usr/bin/python3; do
  if command -v "$py" >/dev/null 2>&1 && "$py" -c 'import PIL' 2>/dev/null; then
    pillow=$py
    break
  fi
done
if [ -z "$pillow" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends python3-pil >/dev/null
    /usr/bin/python3 -c 'import PIL' 2>/dev/null && pillow=/usr/bin/python3
  else
    echo "bench-star.sh: Pillow is missing, the table goes without it; to add it run: sudo apt-get install -y python3-pil" >&2
  fi
fi
python=$(command -v python3 || echo /usr/bin/python3)

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVX_BUILD_BENCHMARKS=ON -DVX_BUILD_TESTS=OFF -DVX_BUILD_QT=OFF -DVX_BUILD_TOOLS=OFF >/dev/null
cmake --build build-bench -j "$jobs" --target vxtools_star_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
build-bench/bench/vxtools_star_bench --benchmark_out="$work/star.json" --benchmark_out_format=json "$@"

if [ -n "$pillow" ]; then
  echo "== Pillow pieslice, best of $runs"
  "$pillow" - "$runs" >"$work/pillow.txt" <<'EOF'
import sys, time
from PIL import Image, ImageDraw
runs = int(sys.argv[1])
for d in (1024, 2048, 4096, 8192):
    for n in (1, 36, 360):
        best = float("inf")
        for _ in range(runs):
            image = Image.new("1", (d, d), 1)
            draw = ImageDraw.Draw(image)
            start = time.perf_counter()
            for k in range(n):
                a = k * 360.0 / n
                draw.pieslice((0, 0, d - 1, d - 1), a, a + 180.0 / n, fill=0)
            best = min(best, time.perf_counter() - start)
        print(d, n, best * 1000, flush=True)
EOF
fi
echo "== Load after: $(cut -d' ' -f1-3 /proc/loadavg)"

"$python" - "$work/star.json" "$work/pillow.txt" <<'EOF'
import json, os, sys
best = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    impl, d, n = b["name"].split("/")[1:4]
    best[(impl, int(d), int(n))] = b["best_ms"]
pillow = {}
if os.path.exists(sys.argv[2]):
    for line in open(sys.argv[2]):
        d, n, ms = line.split()
        pillow[(int(d), int(n))] = float(ms)
print()
print("| D | N | literal sweep (ms) | fast (ms) | literal / fast | Pillow pieslice (ms) | Pillow / fast |")
print("|---:|---:|---:|---:|---:|---:|---:|")
for (impl, d, n), fast in sorted(best.items(), key=lambda kv: (kv[0][1], kv[0][2])):
    if impl != "fast":
        continue
    ref = best.get(("reference", d, n))
    pil = pillow.get((d, n))
    cell = lambda v, f: f.format(v) if v is not None else "–"
    print(f"| {d} | {n} | {cell(ref, '{:.0f}')} | {fast:.2f} | {cell(ref and ref / fast, '{:.0f}x')} "
          f"| {cell(pil, '{:.1f}')} | {cell(pil and pil / fast, '{:.1f}x')} |")
EOF
