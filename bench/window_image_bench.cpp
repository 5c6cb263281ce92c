// The window image of the text window's size (1280 x 800 at 24 bits), which
// the pasteboard and headless views take whole, and the fingerprint that the
// refresh process takes of a picture on every pass to see whether it changed.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "graphics/pixel_surface.h"
#include "runtime/memory.h"
#include "vxtools.h"
#include "vxtools_headless.h"
#include "windows/picture_fingerprint.h"

namespace {

constexpr uint8_t Slot = 0;

// A visible 1280 x 800 x 24 window whose picture is a grey ramp, made once.
void openwindow() {
  static const bool opened = [] {
    vx::useHeadlessHost();
    vx::t_InitWindow(Slot, 24, false, 1280, 800, 16, 16, vx::t_Font{}, true);
    vx::t_WindowVisible(Slot, true);
    const vx::PixelSurface s = vx::pixelsurface(Slot);
    for (int64_t y = 0; y < s.height; ++y)
      for (int64_t i = 0; i < s.rowbytes; ++i) s.row(y)[i] = static_cast<uint8_t>(y + i);
    return true;
  }();
  (void)opened;
}

void windowimage(benchmark::State& state) {
  openwindow();
  for (auto _ : state) {
    auto image = vx::t_WindowImage(Slot);
    benchmark::DoNotOptimize(image->argb.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1280 * 800 * 4);
}
BENCHMARK(windowimage)->Name("window_image/1280x800x24")->Unit(benchmark::kMillisecond);

void fingerprint(benchmark::State& state) {
  openwindow();
  const vx::StoredPicture s = vx::pixelsurface(Slot).stored();
  for (auto _ : state) benchmark::DoNotOptimize(vx::picturefingerprint(s));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * s.rowbytes * s.height);
}
BENCHMARK(fingerprint)->Name("picture_fingerprint/1280x800x24")->Unit(benchmark::kMillisecond);

}  // namespace
