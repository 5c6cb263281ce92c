#!/usr/bin/env bash
# Times the star pattern as the star program draws it (a D x D one-bit window,
# cleared white, drawn black, the whole square) next to what a user could pick
# instead, side by side in one run, for D = 1024, 4096, 8192 and N = 1, 36, 360:
#
#   fast      g_DrawVelmorandine as the one-bit window gets it: rows filled by
#             runs (line by line where the sectors are only a few pixels wide)
#   lines     g_DrawVelmorandine drawing every line, as the other modes do
#   sweep     g_DrawVelmorandineReference, the literal angle sweep (once per row)
#   Pillow    ImageDraw.pieslice of the same N wedges into a one-bit image
#   cairo     the N wedges as one path, filled on a one-bit (A1) surface
#             without antialiasing
#   memset    writing every byte of the picture once: the floor
#
# Every drawing runs in a fresh process (vxtool star, or one python3 per
# drawing), as the star program's first drawing does. "first" is that first
# drawing, the best over RUNS processes; "warm" is the best of WARM drawings
# in one process. The processes of one round go in turn through every row and
# every contender, so a busy spell of the machine hits all of them alike.
#
# Run as root, it installs python3-pil and python3-cairo with apt-get when they
# are missing; otherwise it prints the line to run and leaves their columns
# empty. Environment: RUNS (default 7), WARM (7), SWEEP=0 to leave out the
# literal sweep (seconds per drawing at 8192), JOBS for the build (2).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
runs=${RUNS:-7}
warm=${WARM:-7}
sweep=${SWEEP:-1}

python=/usr/bin/python3
missing=()
"$python" -c 'import PIL' 2>/dev/null || missing+=(python3-pil)
"$python" -c 'import cairo' 2>/dev/null || missing+=(python3-cairo)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "bench-star.sh: ${missing[*]} missing, the table goes without; to add: sudo apt-get install -y ${missing[*]}" >&2
  fi
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVX_BUILD_BENCHMARKS=ON -DVX_BUILD_TESTS=OFF -DVX_BUILD_QT=OFF -DVX_BUILD_TOOLS=ON >/dev/null
cmake --build build-bench -j "$jobs" --target vxtool >/dev/null

echo "== Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$python" - build-bench/tools/vxtool/vxtool "$runs" "$warm" "$sweep" <<'EOF'
import subprocess, sys

vxtool, runs, warm, sweep = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4] == "1"
cases = [(d, n) for d in (1024, 4096, 8192) for n in (1, 36, 360)]

# One drawing process of the python contenders: the library is loaded and
# the picture made before the clock starts; prints the first and the best.
peer = r'''
import sys, time
kind, d, n, warm = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
if kind == "pillow":
    from PIL import Image, ImageDraw
    def picture():
        image = Image.new("1", (d, d), 1)
        return ImageDraw.Draw(image)
    def draw(p):
        for k in range(n):
            a = k * 360.0 / n
            p.pieslice((0, 0, d - 1, d - 1), a, a + 180.0 / n, fill=0)
elif kind == "cairo":
    import cairo, math
    def picture():
        surface = cairo.ImageSurface(cairo.FORMAT_A1, d, d)
        context = cairo.Context(surface)
        context.set_antialias(cairo.ANTIALIAS_NONE)
        return surface, context
    def draw(p):
        surface, context = p
        c, r = d / 2, d / 2
        for k in range(n):
            a = k * 2 * math.pi / n
            context.move_to(c, c)
            context.arc(c, c, r, a, a + math.pi / n)
            context.close_path()
        context.fill()
        surface.flush()
else:
    import ctypes
    size = (d + 7) // 8 * d
    def picture():
        buffer = (ctypes.c_char * size)()
        ctypes.memset(buffer, 0xFF, size)
        return buffer
    def draw(p):
        ctypes.memset(p, 0, size)
times = []
for _ in range(warm):
    p = picture()
    start = time.perf_counter()
    draw(p)
    times.append((time.perf_counter() - start) * 1000)
print(times[0], min(times))
'''

def vx(impl, d, n, repeat):
    out = subprocess.run([vxtool, "star", "--size", str(d), "--segments", str(n), "--impl", impl,
                          "--repeat", str(repeat)], capture_output=True, text=True, check=True).stdout.split("\n")
    first = float(out[0].split()[0])
    best = float(out[1].split()[-2]) if repeat > 1 else first
    return first, best

def python(kind, d, n):
    out = subprocess.run([sys.executable, "-c", peer, kind, str(d), str(n), str(warm)],
                         capture_output=True, text=True)
    if out.returncode != 0:
        return None
    first, best = out.stdout.split()
    return float(first), float(best)

have = {}
for kind, module in (("pillow", "PIL"), ("cairo", "cairo")):
    have[kind] = subprocess.run([sys.executable, "-c", "import " + module], capture_output=True).returncode == 0

contenders = ["fast", "lines"] + (["sweep"] if sweep else []) + [k for k in ("pillow", "cairo") if have[k]] + ["memset"]
first = {}
best = {}
def note(key, figures):
    if figures is None:
        return
    first[key] = min(first.get(key, float("inf")), figures[0])
    best[key] = min(best.get(key, float("inf")), figures[1])

for round in range(runs):
    for d, n in cases:
        for c in contenders:
            if c == "sweep":
                if round == 0:
                    note((c, d, n), vx("reference", d, n, 1))
            elif c in ("fast", "lines"):
                note((c, d, n), vx(c, d, n, warm))
            else:
                note((c, d, n), python(c, d, n))
    print(f"round {round + 1} of {runs} done", file=sys.stderr, flush=True)

def cell(table, key, digits=2):
    v = table.get(key)
    return "–" if v is None else f"{v:.{digits}f}"

names = {"fast": "fast", "lines": "lines", "sweep": "literal sweep", "pillow": "Pillow pieslice",
         "cairo": "cairo A1 fill", "memset": "memset"}
print()
print("First drawing, fresh process (ms, best of %d processes; the literal sweep once); warm: best of %d in one process" % (runs, warm))
print()
print("| D | N | " + " | ".join(f"{names[c]} first / warm" for c in contenders) + " |")
print("|---:|---:|" + "---:|" * len(contenders))
for d, n in cases:
    cells = []
    for c in contenders:
        cells.append(cell(first, (c, d, n), 0 if c == "sweep" else 2 if c != "memset" else 3) + " / " +
                     cell(best, (c, d, n), 0 if c == "sweep" else 2 if c != "memset" else 3))
    print(f"| {d} | {n} | " + " | ".join(cells) + " |")

print()
print("Fast, first drawing, against the best of each peer (peer / fast):")
for d, n in cases:
    r = first.get(("fast", d, n))
    line = f"  {d}/{n}: fast {r:.2f} ms"
    for c in ("lines", "pillow", "cairo"):
        if (c, d, n) in first:
            peerbest = min(first[(c, d, n)], best[(c, d, n)])
            line += f", {names[c]} {peerbest / r:.1f}x"
    print(line)
EOF
echo "== Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
