// The save pipeline of a graphic window, stage by stage, on the largest
// picture the star program makes: an 8192 x 8192 one-bit window holding a
// star. Everything the menu's save command does before its dialog shows is
// measured here: the capture, packing, run-length and LZW stages.
#include <benchmark/benchmark.h>

#include "bench_inputs.h"
#include "codecs/graphic_export.h"
#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/screen_capture.h"
#include "graphics/star_pattern.h"
#include "vxtools_headless.h"
#include "windows/window_init.h"

namespace {

constexpr uint8_t StarWindow = 1;

// A one-bit window of the benchmark's side with the star of 36 segments drawn
// as the star program draws it, once per run.
void preparestarwindow() {
  static const bool prepared = [] {
    constexpr int64_t side = vxbench::PictureSide;
    vx::useHeadlessHost();
    vx::t_InitWindow(StarWindow, 1, false, side, side, 5, 5, vx::t_Font{}, true);
    vx::t_Color(StarWindow, 0, 15);
    vx::g_ClearScreen(StarWindow, 15, -1);
    vx::g_DrawVelmorandine(StarWindow, 0, 0, side - 1, side - 1, 36);
    return true;
  }();
  (void)prepared;
}

// The stages take their record by value, as the pipeline hands it on; a
// stage measured alone therefore also copies the record it is given.
template <typename Stage>
void measure(benchmark::State& state, Stage stage) {
  preparestarwindow();
  for (auto _ : state) {
    const vx::t_Graphic out = stage();
    benchmark::DoNotOptimize(out.Data.data());
  }
}

void capture(benchmark::State& state) {
  measure(state, [] { return vx::g_GetScreen(StarWindow); });
}

void pack(benchmark::State& state) {
  preparestarwindow();
  const vx::t_Graphic captured = vx::g_GetScreen(StarWindow);
  measure(state, [&] { return vx::g_Pack(captured); });
}

void runlength(benchmark::State& state) {
  preparestarwindow();
  const vx::t_Graphic packed = vx::g_Pack(vx::g_GetScreen(StarWindow));
  measure(state, [&] { return vx::g_CompressRLE(packed); });
}

void lzw(benchmark::State& state) {
  preparestarwindow();
  const vx::t_Graphic encoded = vx::g_CompressRLE(vx::g_Pack(vx::g_GetScreen(StarWindow)));
  measure(state, [&] { return vx::g_CompressLZW(encoded); });
}

// What the save command does before its dialog: capture and all three stages.
void whole(benchmark::State& state) {
  measure(state, [] { return vx::g_EncodeGraphic(vx::g_GetScreen(StarWindow)); });
}

}  // namespace

BENCHMARK(capture)->Name("save8192/capture")->Unit(benchmark::kMillisecond);
BENCHMARK(pack)->Name("save8192/pack")->Unit(benchmark::kMillisecond);
BENCHMARK(runlength)->Name("save8192/runlength")->Unit(benchmark::kMillisecond);
BENCHMARK(lzw)->Name("save8192/lzw")->Unit(benchmark::kMillisecond);
BENCHMARK(whole)->Name("save8192/whole")->Unit(benchmark::kMillisecond);
