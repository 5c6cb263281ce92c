#include "graphics/line_walk.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "runtime/saturating.h"

namespace vx {
namespace {

constexpr int64_t BinadeLow = int64_t{1} << 52;   // a binade's doubles in units of its spacing:
constexpr int64_t BinadeHigh = int64_t{1} << 53;  // BinadeLow .. BinadeHigh − 1

// For positive x: how many additions of `step` can be taken in one stretch,
// with x + step = `next`, and x moved past them. Inside one binade every
// double is a multiple of the binade's spacing u, so x + step rounds to
// x + D·u with the same D for every x there, unless step is exactly a half
// spacing off (a tie), where D alternates until x's last bit is even and is
// constant from then on. The stretch ends before a sum could leave the
// binade (where the spacing changes). Answers 0 when no stretch can be taken.
int64_t stretchwithinbinade(double& x, double step, double next, int64_t additions) {
  if (x < DBL_MIN) return 0;
  int exponent = 0;
  std::frexp(x, &exponent);  // x = f · 2^exponent, f in [0.5, 1)
  const double spacing = std::ldexp(1.0, exponent - 53);
  const double binadetop = std::ldexp(1.0, exponent);
  if (next < binadetop / 2 || next > binadetop) return 0;
  const auto units = static_cast<int64_t>(std::ldexp(x, 53 - exponent));
  const double increment = next - x;  // exact: both are multiples of the spacing
  const auto d = static_cast<int64_t>(increment / spacing);
  const bool tie = std::fabs(step - increment) == spacing / 2;
  if (tie && units % 2 != 0) return 0;
  // Every sum reached must lie in BinadeLow + 1 .. BinadeHigh − 1 units: then
  // each exact sum before rounding stays inside the binade too.
  const int64_t room = d > 0 ? (BinadeHigh - 1 - units) / d : (units - (BinadeLow + 1)) / -d;
  const int64_t stretch = std::min(room, additions);
  if (stretch <= 0) return 0;
  x = std::ldexp(static_cast<double>(units + stretch * d), exponent - 53);
  return stretch;
}

// Round by adding one half and cutting toward zero, as g_Line does.
int64_t lineround(double v) { return truncatedint(v + 0.5); }

// The first k in [1, last] for which `holds` (false, then true as k grows)
// is true; last + 1 when it never is.
int64_t firsttrue(int64_t last, const std::function<bool(int64_t)>& holds) {
  int64_t low = 1, high = last + 1;
  while (low < high) {
    const int64_t middle = low + (high - low) / 2;
    if (holds(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

struct StepRange {
  int64_t first, last;  // empty when first > last
};

// The steps k in [1, last] whose rounded coordinate lies in [0, extent). The
// running sum moves one way only, so its rounding does too, and those steps
// are one range.
StepRange stepsinside(double first, double step, int64_t last, int64_t extent) {
  const auto coordinate = [&](int64_t k) { return lineround(runningsum(first, step, k - 1)); };
  if (step == 0) {
    const int64_t c = coordinate(1);
    return c >= 0 && c < extent ? StepRange{1, last} : StepRange{1, 0};
  }
  if (step > 0)
    return {firsttrue(last, [&](int64_t k) { return coordinate(k) >= 0; }),
            firsttrue(last, [&](int64_t k) { return coordinate(k) >= extent; }) - 1};
  return {firsttrue(last, [&](int64_t k) { return coordinate(k) < extent; }),
          firsttrue(last, [&](int64_t k) { return coordinate(k) < 0; }) - 1};
}

}  // namespace

double runningsum(double start, double step, int64_t additions) {
  double x = start;
  while (additions > 0) {
    const double next = x + step;
    if (next == x || !std::isfinite(next)) {
      // From here every addition gives the same again (or stays infinite).
      return next;
    }
    int64_t taken = 0;
    if (x > 0) {
      taken = stretchwithinbinade(x, step, next, additions);
    } else if (x < 0) {
      // Rounding to nearest is symmetric: the negative side is the mirror.
      double mirrored = -x;
      taken = stretchwithinbinade(mirrored, -step, -next, additions);
      x = -mirrored;
    }
    if (taken == 0) {
      x = next;
      taken = 1;
    }
    additions -= taken;
  }
  return x;
}

void linemiddleonpicture(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height,
                         const std::function<void(int64_t, int64_t)>& plot) {
  const int64_t steps = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
  if (steps < 2 || width <= 0 || height <= 0) return;
  const double ix = static_cast<double>(x1 - x0) / static_cast<double>(steps);
  const double iy = static_cast<double>(y1 - y0) / static_cast<double>(steps);
  const double firstx = static_cast<double>(x0) + ix;
  const double firsty = static_cast<double>(y0) + iy;
  const StepRange alongx = stepsinside(firstx, ix, steps - 1, width);
  const StepRange alongy = stepsinside(firsty, iy, steps - 1, height);
  const int64_t from = std::max(alongx.first, alongy.first);
  const int64_t to = std::min(alongx.last, alongy.last);
  if (from > to) return;
  double x = runningsum(firstx, ix, from - 1);
  double y = runningsum(firsty, iy, from - 1);
  for (int64_t k = from;; ++k) {
    plot(lineround(x), lineround(y));
    if (k == to) break;
    x += ix;
    y += iy;
  }
}

}  // namespace vx
