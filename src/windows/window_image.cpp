#include "windows/window_image.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/palette.h"
#include "graphics/pixel_surface.h"
#include "host/host.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {
namespace {

// The largest picture a window can be given; bounds the per-pixel report of a
// record whose depth was changed to none of the six.
constexpr int64_t LargestSide = 8192;

inline uint8_t* putpixel(uint8_t* out, uint8_t r, uint8_t g, uint8_t b) {
  out[0] = 255;
  out[1] = r;
  out[2] = g;
  out[3] = b;
  return out + 4;
}

inline uint8_t* putpalette(uint8_t* out, const t_RGBColor& c) { return putpixel(out, c.Red, c.Green, c.Blue); }

// Each converter turns one stored row into `width` image pixels.
void convert1(const uint8_t* in, int64_t width, uint8_t* out) {
  const t_RGBColor white = t_PaletteColor(15);
  const t_RGBColor black = t_PaletteColor(0);
  for (int64_t x = 0; x < width; ++x) out = putpalette(out, (in[x / 8] >> (7 - x % 8)) & 1 ? white : black);
}

void convert4(const uint8_t* in, int64_t width, uint8_t* out, const t_RGBColor* palette) {
  for (int64_t x = 0; x < width; ++x) {
    const uint8_t b = in[x / 2];
    out = putpalette(out, palette[x % 2 == 0 ? b >> 4 : b & 0x0F]);
  }
}

void convert8(const uint8_t* in, int64_t width, uint8_t* out) {
  for (int64_t x = 0; x < width; ++x) out = putpixel(out, in[x], in[x], in[x]);
}

void convert16(const uint8_t* in, int64_t width, uint8_t* out) {
  for (int64_t x = 0; x < width; ++x) out = putpixel(out, in[2 * x + 1], in[2 * x + 1], in[2 * x + 1]);
}

void convert24(const uint8_t* in, int64_t width, uint8_t* out) {
  for (int64_t x = 0; x < width; ++x, in += 3) out = putpixel(out, in[0], in[1], in[2]);
}

void convert32(const uint8_t* in, int64_t width, uint8_t* out) {
  for (int64_t x = 0; x < width; ++x, in += 4) out = putpixel(out, in[1], in[2], in[3]);
}

// The one read of the picture bytes for an image. The program thread may be
// drawing into them meanwhile, without a lock, by design: an image may show a
// half-drawn picture and the next refresh the finished one. The
// ThreadSanitizer suppressions (tests/tsan.supp) name this function, so it
// must stay a function of its own that reads nothing else.
[[gnu::noinline]] void readpicturerow(const uint8_t* row, size_t bytes, uint8_t* copy) {
  std::memcpy(copy, row, bytes);
}

HostImage buildimage(const PixelSurface& s) {
  HostImage image;
  image.width = s.width;
  image.height = s.height;
  image.argb.resize(static_cast<size_t>(s.width * s.height * 4));
  t_RGBColor palette[16];
  for (int i = 0; i < 16; ++i) palette[i] = t_PaletteColor(i);
  const int64_t outrow = s.width * 4;
  std::vector<uint8_t> stored(static_cast<size_t>(s.rowbytes));
  // The depth is chosen once for the whole picture, not per pixel.
  for (int64_t y = 0; y < s.height; ++y) {
    readpicturerow(s.row(y), stored.size(), stored.data());
    const uint8_t* in = stored.data();
    uint8_t* out = image.argb.data() + y * outrow;
    switch (s.depth) {
      case 1: convert1(in, s.width, out); break;
      case 4: convert4(in, s.width, out, palette); break;
      case 8: convert8(in, s.width, out); break;
      case 16: convert16(in, s.width, out); break;
      case 24: convert24(in, s.width, out); break;
      default: convert32(in, s.width, out); break;
    }
  }
  return image;
}

void reportillegaldepth(const t_Window& w) {
  const int64_t pixels = std::clamp<int64_t>(w.Width, 0, LargestSide) * std::clamp<int64_t>(w.Height, 0, LargestSide);
  for (int64_t p = 0; p < pixels; ++p) log("t_WindowImage: Illegal bit depth.");
}

}  // namespace

int64_t hostmilliseconds() { return static_cast<int64_t>(host().absoluteTime() * 1000.0); }
int64_t hostmicroseconds() { return static_cast<int64_t>(host().absoluteTime() * 1000000.0); }

std::optional<HostImage> t_WindowImage(uint8_t window) {
  if (!MemoryReady) return std::nullopt;
  if (window >= 8) {
    log("t_WindowImage: Window is not a graphic window.");
    return std::nullopt;
  }
  t_Window& w = WindowTable[window];
  if (!w.Initialized) {
    log("t_WindowImage: Graphic window #" + std::to_string(window) + " not initialized.");
    return std::nullopt;
  }
  if (!w.Visible) return std::nullopt;
  const int64_t start = hostmicroseconds();
  const PixelSurface s = pixelsurface(window);
  if (!isSupportedBitDepth(s.depth)) {
    reportillegaldepth(w);
    return std::nullopt;
  }
  if (s.data == nullptr) return std::nullopt;  // the record no longer fits its block
  HostImage image = buildimage(s);
  w.UpdateDuration = hostmicroseconds() - start;
  w.UpdateFinished = hostmilliseconds();
  return image;
}

std::optional<HostImage> t_WindowNSImage(uint8_t window) {
  if (window >= 8 || !t_GetWindowView(window)) return std::nullopt;
  return t_WindowImage(window);
}

}  // namespace vx
