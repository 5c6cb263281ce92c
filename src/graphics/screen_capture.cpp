#include "graphics/screen_capture.h"

#include <array>
#include <cstring>

#include "graphics/graphic_window_check.h"
#include "graphics/picture_formats.h"
#include "graphics/pixel_formats.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {
namespace {

// The record's bytes of one pixel of every byte value of a one-bit row: the
// palette index, 15 for a set bit and 0 for a clear one, leftmost pixel first.
using BitExpansion = std::array<std::array<uint8_t, 8>, 256>;

const BitExpansion& bitexpansion() {
  static const BitExpansion table = [] {
    BitExpansion t{};
    for (size_t byte = 0; byte < 256; ++byte)
      for (size_t bit = 0; bit < 8; ++bit) t[byte][bit] = (byte >> (7 - bit)) & 1 ? 15 : 0;
    return t;
  }();
  return table;
}

// Pixels x0..x1 of a one-bit row: whole bytes through the table, the pixels
// before the first and after the last whole byte one by one.
uint8_t* capturebitrow(const PixelSurface& s, int64_t y, int64_t x0, int64_t x1, uint8_t* out) {
  const uint8_t* row = s.row(y);
  const BitExpansion& table = bitexpansion();
  int64_t x = x0;
  for (; x <= x1 && x % 8 != 0; ++x) *out++ = static_cast<uint8_t>(readpixelindex(s, x, y));
  for (; x + 7 <= x1; x += 8) {
    std::memcpy(out, table[row[x / 8]].data(), 8);
    out += 8;
  }
  for (; x <= x1; ++x) *out++ = static_cast<uint8_t>(readpixelindex(s, x, y));
  return out;
}

// Pixels x0..x1 of one row in the record's layout. At 8, 16, 24 and 32 bits
// the record holds the stored bytes themselves: the grey level (an 8-bit
// pixel keeps it, as its palette index would be 0 for every grey), alpha and
// grey, red, green and blue, alpha and the three colours.
uint8_t* capturerow(const PixelSurface& s, int64_t bytesperpixel, int64_t y, int64_t x0, int64_t x1,
                    uint8_t* out) {
  switch (s.depth) {
    case 1: return capturebitrow(s, y, x0, x1, out);
    case 4:
      for (int64_t x = x0; x <= x1; ++x) *out++ = static_cast<uint8_t>(readpixelindex(s, x, y));
      return out;
    default: {
      const auto count = static_cast<size_t>((x1 - x0 + 1) * bytesperpixel);
      std::memcpy(out, s.row(y) + x0 * bytesperpixel, count);
      return out + count;
    }
  }
}

}  // namespace

t_Graphic g_GetScreenRect(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  if (!graphicwindowready("g_GetScreenRect", window)) return {};
  // The surface's size is the window's own unless its record no longer fits
  // its block; then only what lies in the block can be taken.
  const PixelSurface s = pixelsurface(window);
  if (x1 >= s.width) x1 = s.width - 1;
  if (y1 >= s.height) y1 = s.height - 1;
  if (x0 < 0 || x0 > x1) {
    log("g_GetScreenRect: Illegal x-value");
    return {};
  }
  if (y0 < 0 || y0 > y1) {
    log("g_GetScreenRect: Illegal y-value");
    return {};
  }
  if (s.data == nullptr) {
    log("g_GetScreenRect: Illegal window graphic format.");
    return {};
  }
  t_Graphic g;
  g.Format = graphicformatofdepth(s.depth);
  const int64_t bytesperpixel = graphicpixelbytes(g.Format);
  g.Width = x1 - x0 + 1;
  g.Height = y1 - y0 + 1;
  g.Size = g.Width * g.Height;
  g.ParamHigh = 1;
  g.ParamLow = 1;
  g.Data.assign(static_cast<size_t>(g.Size * bytesperpixel), 0);
  uint8_t* out = g.Data.data();
  for (int64_t y = y0; y <= y1; ++y) out = capturerow(s, bytesperpixel, y, x0, x1, out);
  return g;
}

t_Graphic g_GetScreen(uint8_t window) {
  if (!graphicwindowready("g_GetScreen", window)) return {};
  const t_Window& w = WindowTable[window];
  return g_GetScreenRect(window, 0, 0, w.Width - 1, w.Height - 1);
}

}  // namespace vx
