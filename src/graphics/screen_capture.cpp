#include "graphics/screen_capture.h"

#include "graphics/graphic_window_check.h"
#include "graphics/palette.h"
#include "graphics/pixel_formats.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {
namespace {

struct CaptureFormat {
  int64_t code;
  int64_t bytesperpixel;
};

CaptureFormat captureformat(int64_t depth) {
  switch (depth) {
    case 1: return {GraphicFormat1Bit, 1};
    case 4: return {GraphicFormat4Bit, 1};
    case 8: return {GraphicFormat8Bit, 1};
    case 16: return {GraphicFormat16Bit, 2};
    case 24: return {GraphicFormat24Bit, 3};
    default: return {GraphicFormat32Bit, 4};
  }
}

// One pixel in the record's layout. An 8-bit pixel keeps its grey level: the
// palette index of a grey pixel would be 0 for every one of them and the
// captured picture would come out black.
uint8_t* storepixel(const PixelSurface& s, int64_t x, int64_t y, uint8_t* out) {
  switch (s.depth) {
    case 1: case 4: *out++ = static_cast<uint8_t>(readpixelindex(s, x, y)); break;
    case 8: *out++ = readpixelcolor(s, x, y).Red; break;
    case 16: {
      const t_RGBColor c = readpixelcolor(s, x, y);
      *out++ = c.Alpha;
      *out++ = greylevel(c);
      break;
    }
    case 24: {
      const t_RGBColor c = readpixelcolor(s, x, y);
      *out++ = c.Red;
      *out++ = c.Green;
      *out++ = c.Blue;
      break;
    }
    default: {
      const t_RGBColor c = readpixelcolor(s, x, y);
      *out++ = c.Alpha;
      *out++ = c.Red;
      *out++ = c.Green;
      *out++ = c.Blue;
      break;
    }
  }
  return out;
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
  const CaptureFormat format = captureformat(s.depth);
  t_Graphic g;
  g.Format = format.code;
  g.Width = x1 - x0 + 1;
  g.Height = y1 - y0 + 1;
  g.Size = g.Width * g.Height;
  g.ParamHigh = 1;
  g.ParamLow = 1;
  g.Data.assign(static_cast<size_t>(g.Size * format.bytesperpixel), 0);
  uint8_t* out = g.Data.data();
  for (int64_t y = y0; y <= y1; ++y)
    for (int64_t x = x0; x <= x1; ++x) out = storepixel(s, x, y, out);
  return g;
}

t_Graphic g_GetScreen(uint8_t window) {
  if (!graphicwindowready("g_GetScreen", window)) return {};
  const t_Window& w = WindowTable[window];
  return g_GetScreenRect(window, 0, 0, w.Width - 1, w.Height - 1);
}

}  // namespace vx
