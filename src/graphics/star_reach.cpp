#include "graphics/star_reach.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
constexpr double ThreeHalvesPi = 4.71238898038469;

// The span of one rim coordinate over the angles a0..a1: the coordinate is
// monotonic between its turns, so its extremes lie at the ends or at a turn.
struct Span {
  double low, high;
  void take(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
};

}  // namespace

PlaneBox rimbox(const StarGeometry& g, const AngleSequence& angles, IndexRange r) {
  const double a0 = angles[r.lo], a1 = angles[r.hi - 1];
  Span x{g.cx + g.rx * std::cos(a0), g.cx + g.rx * std::cos(a0)};
  Span y{g.cy + g.ry * std::sin(a0), g.cy + g.ry * std::sin(a0)};
  x.take(g.cx + g.rx * std::cos(a1));
  y.take(g.cy + g.ry * std::sin(a1));
  if (a0 <= Pi && Pi <= a1) x.take(g.cx - g.rx);
  if (a0 <= HalfPi && HalfPi <= a1) y.take(g.cy + g.ry);
  if (a0 <= ThreeHalvesPi && ThreeHalvesPi <= a1) y.take(g.cy - g.ry);
  // A rim pixel truncates its value plus one half; the value is computed
  // within a tiny fraction of the magnitudes (see RimWalk).
  const double padx = 2 + (std::fabs(g.cx) + 3 * g.rx + 2) * 0x1p-40;
  const double pady = 2 + (std::fabs(g.cy) + 3 * g.ry + 2) * 0x1p-40;
  return {x.low - padx, y.low - pady, x.high + padx, y.high + pady};
}

bool fanmeets(RimPoint centre, const PlaneBox& rim, double from, const PlaneBox& target) {
  // Relative to the centre, so that the products stay small.
  const double cx = static_cast<double>(centre.x), cy = static_cast<double>(centre.y);
  const double far[4][2] = {{rim.left - cx, rim.top - cy},
                            {rim.right - cx, rim.top - cy},
                            {rim.right - cx, rim.bottom - cy},
                            {rim.left - cx, rim.bottom - cy}};
  const double goal[4][2] = {{target.left - cx, target.top - cy},
                             {target.right - cx, target.top - cy},
                             {target.right - cx, target.bottom - cy},
                             {target.left - cx, target.bottom - cy}};
  // The segments' parts fill the convex hull of the rim box and its copy
  // shrunk towards the centre by `from`. Two convex shapes are apart exactly
  // when the normal of some edge of one of them separates them: the target's
  // edges are along the axes; the hull's edges are along the axes or along
  // the directions from the centre to the rim box's corners.
  auto separates = [&](double nx, double ny) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const auto& p : far) {
      const double d = nx * p[0] + ny * p[1];
      lo = std::min({lo, d, d * from});
      hi = std::max({hi, d, d * from});
    }
    double tlo = HUGE_VAL, thi = -HUGE_VAL;
    for (const auto& p : goal) {
      const double d = nx * p[0] + ny * p[1];
      tlo = std::min(tlo, d);
      thi = std::max(thi, d);
    }
    return hi < tlo || thi < lo;
  };
  if (separates(1, 0) || separates(0, 1)) return false;
  for (const auto& p : far) {
    const double length = std::hypot(p[0], p[1]);
    if (length > 0 && separates(-p[1] / length, p[0] / length)) return false;
  }
  return true;
}

double linestray(const StarGeometry& g) {
  const double rmax = std::max(g.rx, g.ry);
  const double steps = 2 * rmax + 4;
  const double magnitude = std::max(std::fabs(g.cx), std::fabs(g.cy)) + rmax + 4;
  // Each addition rounds by at most half an ulp of the sum, the increment by
  // half an ulp of itself (at most 1): 2^-52 of both per step bounds them
  // with room; then a pixel for the rounding to pixels and one for the
  // centre, which g_Line rounds too.
  return 2 + steps * (magnitude + 1) * 0x1p-52;
}

int64_t previousfilled(const std::vector<IndexRange>& filled, int64_t n) {
  const auto after = std::upper_bound(filled.begin(), filled.end(), n,
                                      [](int64_t v, const IndexRange& r) { return v < r.lo; });
  if (after == filled.begin()) return -1;
  const IndexRange& within = *(after - 1);
  if (n > within.lo) return n - 1;
  return after - 1 == filled.begin() ? -1 : (after - 2)->hi - 1;
}

}  // namespace vx
