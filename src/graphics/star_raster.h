#pragma once
// Drawing many lines from one centre the way g_Line draws them, point for
// point: the floating-point running sums, the rounding by adding one half and
// cutting toward zero, the first point and the end point, and points outside
// the surface skipped one by one.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "graphics/line_walk.h"
#include "graphics/pixel_formats.h"
#include "graphics/pixel_surface.h"
#include "graphics/star_sweep.h"

namespace vx {

// Round by adding one half and cutting toward zero, as g_Line does.
inline int64_t lineround(double v) { return static_cast<int64_t>(v + 0.5); }

// Whether all points of the line from (x0, y0) to (x1, y1) except its first
// and its end point lie on a width x height surface, so that they need no
// test. The major coordinate of those points runs strictly between the ends
// in exact whole steps; the minor one is a running sum that stays between the
// ends as long as its rounding errors add up to well under one half.
bool middleinside(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height);

// Calls plot(x, y) for every point g_Line(x0, y0, x1, y1) plots on a
// width x height surface, in g_Line's order; returns whether there was one.
template <class Plot>
bool traceline(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height, Plot&& plot) {
  bool any = false;
  auto at = [&](int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    plot(x, y);
    any = true;
  };
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  if (steps >= 1) at(lineround(static_cast<double>(x0)), lineround(static_cast<double>(y0)));
  if (steps >= 2) {
    const double ix = static_cast<double>(dx) / static_cast<double>(steps);
    const double iy = static_cast<double>(dy) / static_cast<double>(steps);
    if (middleinside(x0, y0, x1, y1, width, height)) {
      any = true;
      if (std::llabs(dx) >= std::llabs(dy)) {  // x moves by exactly one per point
        const int64_t sx = dx > 0 ? 1 : -1;
        double y = static_cast<double>(y0) + iy;
        for (int64_t k = 1, x = x0 + sx; k < steps; ++k, x += sx, y += iy) plot(x, lineround(y));
      } else {
        const int64_t sy = dy > 0 ? 1 : -1;
        double x = static_cast<double>(x0) + ix;
        for (int64_t k = 1, y = y0 + sy; k < steps; ++k, y += sy, x += ix) plot(lineround(x), y);
      }
    } else if (x0 >= 0 && y0 >= 0 && x0 < width && y0 < height) {
      // From a start on the surface, each rounded coordinate moves one way
      // only: once past the surface's edge in that direction it never comes
      // back, and the walk ends there.
      double x = static_cast<double>(x0) + ix;
      double y = static_cast<double>(y0) + iy;
      for (int64_t k = 1; k < steps; ++k, x += ix, y += iy) {
        const int64_t px = lineround(x), py = lineround(y);
        if ((ix < 0 && px < 0) || (ix > 0 && px >= width) || (iy < 0 && py < 0) || (iy > 0 && py >= height)) break;
        at(px, py);
      }
    } else {
      // Only the steps that can reach the surface are walked: a line of a
      // star far larger than its window crosses it in a few of them.
      linemiddleonpicture(x0, y0, x1, y1, width, height, [&](int64_t x, int64_t y) { at(x, y); });
    }
  }
  at(x1, y1);
  return any;
}

// One bit per pixel of a surface, marking the pixels some line has touched.
// Rows are whole 64-bit words; within a word, pixel x is bit (x % 64) ^ 7, so
// that the bytes of a row read like a one-bit picture row. The memory is kept
// for the next mask when this one goes: fresh pages would cost a page fault
// each, a noticeable share of the drawing at the largest sizes.
class TouchMask {
 public:
  TouchMask() = default;
  // Not yet cleared; ok() is false when there was no memory.
  TouchMask(int64_t width, int64_t height);
  TouchMask(TouchMask&& other) noexcept { *this = std::move(other); }
  TouchMask& operator=(TouchMask&& other) noexcept;
  ~TouchMask();

  bool ok() const { return words_ != nullptr; }
  void clear();
  int64_t width() const { return width_; }
  int64_t height() const { return height_; }
  uint64_t* row(int64_t y) { return words_ + y * rowwords_; }
  const uint64_t* row(int64_t y) const { return words_ + y * rowwords_; }
  void mark(int64_t x, int64_t y) { row(y)[x >> 6] |= uint64_t{1} << ((x & 63) ^ 7); }

 private:
  void release();  // the memory back to the pool

  int64_t width_ = 0, height_ = 0, rowwords_ = 0;
  uint64_t* words_ = nullptr;
  size_t capacity_ = 0;  // words
};

// The instruction sets the marking of lines can use on this processor, best
// first: "x86-64-v4" (AVX-512), "x86-64-v3" (AVX2) and "plain" (any
// x86-64). All give the same marks; the best is used unless a test picks
// another by name (false for a name that is not there).
std::vector<std::string> markingvariants();
bool usemarkingvariant(const std::string& name);

// Marks every point of the lines from `centre` to each of `ends` that lies on
// the mask. The order of lines does not matter to a mask.
void marklines(TouchMask& mask, RimPoint centre, const RimPoint* ends, size_t count);

// Writes the drawing colour (mode and depth as g_Plot) into every pixel marked
// in any of the masks, rows [ylo, yhi). Only for colours whose plot gives the
// same pixel however often and in whatever order it is applied.
void applymasks(const PixelSurface& s, const PlotColor& c, const TouchMask* const* masks, size_t count,
                int64_t ylo, int64_t yhi);

// Whether plotting the colour is idempotent and order-free at the surface's
// depth: true except for the blending, averaging and XOR modes at 24 and 32
// bits.
bool orderfree(const PixelSurface& s, const PlotColor& c);

// Draws the lines in order, every plot applied as g_Plot applies it (needed
// for the blending, averaging and XOR modes, and right for any colour);
// returns whether any point landed, and leaves the last one in (lastx, lasty).
bool drawordered(const PixelSurface& s, const PlotColor& c, RimPoint centre, const RimPoint* ends,
                 size_t count, int64_t& lastx, int64_t& lasty);

}  // namespace vx
