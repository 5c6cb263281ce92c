#include "graphics/star_pattern.h"

#include <cmath>
#include <cstdlib>

#include "graphics/primitives.h"
#include "runtime/log.h"

namespace vx {
namespace {

constexpr double DegreesToRadians = 0.017453292519943295;
constexpr double FullTurn = 6.283185307179586;

// Corners this far apart or more are refused: the sweep takes about
// 4 pi x rmax^2 steps, and a difference of larger coordinates could overflow.
constexpr int64_t StarCoordinateLimit = int64_t{1} << 30;

bool starcoordinateok(int64_t v) { return v > -StarCoordinateLimit && v < StarCoordinateLimit; }

}  // namespace

void g_DrawVelmorandine(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                        int64_t segments) {
  g_DrawVelmorandineReference(window, x0, y0, x1, y1, segments);
}

void g_DrawVelmorandineReference(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                 int64_t segments) {
  if (window >= 8) {
    log("g_DrawVelmorandine: Window is not a graphic window.");
    return;
  }
  if (segments < 1 || segments > 360) {
    log("g_DrawVelmorandine: Illegal segment count.");
    return;
  }
  if (!starcoordinateok(x0) || !starcoordinateok(y0) || !starcoordinateok(x1) || !starcoordinateok(y1))
    return;
  const double rx = static_cast<double>(std::llabs(x1 - x0) + 1) * 0.5;
  const double ry = static_cast<double>(std::llabs(y1 - y0) + 1) * 0.5;
  const double cx = static_cast<double>(x0) + rx;
  const double cy = static_cast<double>(y0) + ry;
  const auto xc = static_cast<int64_t>(cx);
  const auto yc = static_cast<int64_t>(cy);
  const double rmax = rx > ry ? rx : ry;
  const double step = rmax == 0 ? 0.5 : 0.5 / (rmax * rmax);
  const double period = (360.0 / static_cast<double>(segments)) * DegreesToRadians;
  const double half = (180.0 / static_cast<double>(segments)) * DegreesToRadians;

  int64_t lastx = -1;
  int64_t lasty = -1;
  for (double a = 0.0; a < FullTurn; a += step) {
    if (std::fmod(a, period) >= half) continue;  // an empty sector
    const auto xe = static_cast<int64_t>(cx + rx * std::cos(a) + 0.5);
    const auto ye = static_cast<int64_t>(cy + ry * std::sin(a) + 0.5);
    if (xe == lastx && ye == lasty) continue;  // the same rim pixel again
    g_Line(window, xc, yc, xe, ye);
    lastx = xe;
    lasty = ye;
  }
}

}  // namespace vx
