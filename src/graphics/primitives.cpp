#include "graphics/primitives.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "graphics/colors.h"
#include "graphics/graphic_window_check.h"
#include "graphics/line_walk.h"
#include "graphics/palette.h"
#include "graphics/picture_lock.h"
#include "graphics/pixel_formats.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {
namespace {

// g_Plot after its window test, with surface and colour looked up by the caller
// so that a line looks them up once.
inline void plotpoint(t_Window& w, const PixelSurface& s, const PlotColor& c, int64_t x, int64_t y) {
  if (!s.contains(x, y)) return;
  if (s.data == nullptr) {
    log("g_Plot: Illegal bit depth (" + std::to_string(s.depth) + ").");
  } else {
    writepixel(s, x, y, c);
  }
  w.PositionX = x;
  w.PositionY = y;
}

// Round by adding one half and cutting toward zero (so -0.5 becomes 0).
inline int64_t roundhalf(double v) { return static_cast<int64_t>(v + 0.5); }

// Coordinates beyond this are refused by the line, so that no difference of two
// of them can overflow.
constexpr int64_t LineCoordinateLimit = int64_t{1} << 61;

bool linecoordinateok(int64_t v) { return v > -LineCoordinateLimit && v < LineCoordinateLimit; }

// Whether a line has so many more steps than the picture has rows and columns
// that most of them must fall beside it: then only the steps that can reach
// the picture are walked (line_walk.h), the same points in the same order.
bool walkingfar(int64_t steps, const PixelSurface& s) { return steps > 4 * (s.width + s.height) + 64; }

// One row of clear pixels at the window's depth, written into row 0.
void fillfirstrow(const PixelSurface& s, int64_t colour) {
  uint8_t* row = s.data;
  const t_RGBColor c = t_PaletteColor(colour);
  switch (s.depth) {
    case 1: std::fill_n(row, s.rowbytes, colour != 0 ? 0xFF : 0x00); break;
    case 4: std::fill_n(row, s.rowbytes, static_cast<uint8_t>(paletteindex(colour) * 17)); break;
    case 8: std::fill_n(row, s.rowbytes, greylevel(c)); break;
    case 16:
      for (int64_t x = 0; x < s.width; ++x) {
        row[2 * x] = 255;
        row[2 * x + 1] = greylevel(c);
      }
      break;
    case 24:
      for (int64_t x = 0; x < s.width; ++x) {
        row[3 * x] = c.Red;
        row[3 * x + 1] = c.Green;
        row[3 * x + 2] = c.Blue;
      }
      break;
    case 32:
      for (int64_t x = 0; x < s.width; ++x) {
        row[4 * x] = 255;
        row[4 * x + 1] = c.Red;
        row[4 * x + 2] = c.Green;
        row[4 * x + 3] = c.Blue;
      }
      break;
    default: break;
  }
}

}  // namespace

void g_ClearScreen(uint8_t window, int64_t colour, int64_t rows) {
  if (!graphicwindowready("g_ClearScreen", window)) return;
  const auto drawing = lockpicture(window);
  const t_Window& w = WindowTable[window];
  if (rows < 1 || rows > w.Height) rows = w.Height;
  const PixelSurface s = pixelsurface(window);
  if (s.data == nullptr) return;  // no depth of the six: left as it is
  rows = std::min(rows, s.height);
  fillfirstrow(s, colour);
  for (int64_t y = 1; y < rows; ++y) std::copy_n(s.data, s.rowbytes, s.row(y));
}

void g_Plot(uint8_t window, int64_t x, int64_t y) {
  if (!graphicwindowready("g_Plot", window)) return;
  const auto drawing = lockpicture(window);
  t_Window& w = WindowTable[window];
  plotpoint(w, pixelsurface(window), plotcolorof(w), x, y);
}

void g_Line(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  if (!graphicwindowready("g_Line", window)) return;
  const auto drawing = lockpicture(window);
  t_Window& w = WindowTable[window];
  const PixelSurface s = pixelsurface(window);
  const PlotColor c = plotcolorof(w);
  if (linecoordinateok(x0) && linecoordinateok(y0) && linecoordinateok(x1) && linecoordinateok(y1)) {
    const int64_t steps = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
    if (steps >= 1) plotpoint(w, s, c, roundhalf(static_cast<double>(x0)), roundhalf(static_cast<double>(y0)));
    if (steps >= 2 && walkingfar(steps, s)) {
      linemiddleonpicture(x0, y0, x1, y1, s.width, s.height,
                          [&](int64_t x, int64_t y) { plotpoint(w, s, c, x, y); });
    } else if (steps >= 2) {
      const double ix = static_cast<double>(x1 - x0) / static_cast<double>(steps);
      const double iy = static_cast<double>(y1 - y0) / static_cast<double>(steps);
      double x = static_cast<double>(x0) + ix;
      double y = static_cast<double>(y0) + iy;
      plotpoint(w, s, c, roundhalf(x), roundhalf(y));
      for (int64_t k = 0; k < steps - 2; ++k) {
        x += ix;  // running sums, not multiples of the step
        y += iy;
        plotpoint(w, s, c, roundhalf(x), roundhalf(y));
      }
    }
  }
  plotpoint(w, s, c, x1, y1);
}

int64_t g_Scrn(uint8_t window, int64_t x, int64_t y) {
  if (!graphicwindowready("g_Scrn", window)) return 0;
  const PixelSurface s = pixelsurface(window);
  if (s.data == nullptr || !s.contains(x, y)) return 0;
  return readpixelindex(s, x, y);
}

t_RGBColor g_Scrn(uint8_t window, int64_t x, int64_t y, ColorFormTag) {
  if (!graphicwindowready("g_Scrn", window)) return {255, 0, 0, 0};
  const PixelSurface s = pixelsurface(window);
  if (s.data == nullptr || !s.contains(x, y)) return {255, 0, 0, 0};
  return readpixelcolor(s, x, y);
}

}  // namespace vx
