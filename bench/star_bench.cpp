// The star pattern as the star program draws it (a D x D one-bit window,
// cleared white, drawn black, the whole square) as g_DrawVelmorandine draws
// it (by runs, or line by line for thin sectors), line by line (as the other
// modes draw it) and literal, for D = 1024 .. 8192 and
// N = 1, 36, 360, warm in one process (scripts/bench-star.sh times fresh
// processes too). Each benchmark times single drawings
// (the clearing is not timed) and reports the best one as best_ms: on a busy
// machine the best of several runs is the figure that repeats.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/star_pattern.h"
#include "graphics/star_runs.h"
#include "runtime/log.h"
#include "vxtools_headless.h"
#include "windows/window_init.h"

namespace {

constexpr uint8_t StarWindow = 1;

using Draw = void (*)(uint8_t, int64_t, int64_t, int64_t, int64_t, int64_t);

void star(benchmark::State& state, Draw draw) {
  const int64_t size = state.range(0), segments = state.range(1);
  vx::t_InitWindow(StarWindow, 1, false, size, size, 5, 5, vx::t_Font{}, true);
  vx::t_ColorBorder(StarWindow, 15);
  vx::t_Color(StarWindow, 0, 15);
  double best = 1e300;
  for (auto _ : state) {
    vx::g_ClearScreen(StarWindow, 15, -1);
    const auto start = std::chrono::steady_clock::now();
    draw(StarWindow, 0, 0, size - 1, size - 1, segments);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    best = std::min(best, elapsed.count() * 1000);
  }
  state.counters["best_ms"] = best;
}

void bylines(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t segments) {
  const vx::UseStarMethod lines(vx::StarMethod::Lines);
  vx::g_DrawVelmorandine(window, x0, y0, x1, y1, segments);
}

void registerall() {
  for (int64_t size : {1024, 2048, 4096, 8192})
    for (int64_t segments : {1, 36, 360}) {
      // The literal sweep takes seconds at 8192: a few runs of it.
      const int64_t literalruns = size >= 8192 ? 2 : size >= 4096 ? 3 : 5;
      benchmark::RegisterBenchmark("star/fast", star, vx::g_DrawVelmorandine)
          ->Args({size, segments})
          ->Iterations(size >= 4096 ? 50 : 200)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark("star/lines", star, bylines)
          ->Args({size, segments})
          ->Iterations(size >= 4096 ? 20 : 100)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark("star/reference", star, vx::g_DrawVelmorandineReference)
          ->Args({size, segments})
          ->Iterations(literalruns)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
  vx::setlogechoed(false);
  vx::useHeadlessHost();
  registerall();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
