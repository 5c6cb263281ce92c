// The star's drawing in a fresh program, timed as `vxtool star --repeat K`
// times it natively: a one-bit D x D window cleared white, the star drawn in
// black, K times; printed are the first drawing's time and the best of all.
// An optional pause (in ms) before the first drawing stands for the seconds a
// user takes to answer the prompts, in which the browser finishes compiling
// the program's code for speed; without it, the first drawing runs in the
// browser's quick first compilation.
// Built for the web, it runs in a page (star.html) that the side-by-side
// measurement (scripts/web-measure.py) opens afresh for every run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/star_pattern.h"
#include "runtime/log.h"
#include "vxtools_headless.h"
#include "windows/window_init.h"

int main(int argc, char** argv) {
  const long diameter = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1024;
  const long segments = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 36;
  const long repeat = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 1;
  const long pause = argc > 4 ? std::strtol(argv[4], nullptr, 10) : 0;
  if (diameter < 32 || diameter > 8192 || segments < 1 || segments > 360 || repeat < 1 || repeat > 1000 ||
      pause < 0 || pause > 60000) {
    std::fprintf(stderr, "usage: star_first_drawing D (32-8192) N (1-360) [K (1-1000) [pause ms]]\n");
    return 2;
  }
  vx::setlogechoed(false);
  vx::useHeadlessHost();
  vx::t_InitWindow(1, 1, false, diameter, diameter, 5, 5, vx::t_Font{}, true);
  vx::t_Color(1, 0, 15);
  std::this_thread::sleep_for(std::chrono::milliseconds(pause));
  double first = 0, best = 0;
  for (long k = 0; k < repeat; ++k) {
    vx::g_ClearScreen(1, 15, -1);
    const auto start = std::chrono::steady_clock::now();
    vx::g_DrawVelmorandine(1, 0, 0, diameter - 1, diameter - 1, segments);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (k == 0) first = best = elapsed.count();
    best = std::min(best, elapsed.count());
  }
  std::printf("%.3f ms\nbest of %ld: %.3f ms\n", first, repeat, best);
  return 0;
}
