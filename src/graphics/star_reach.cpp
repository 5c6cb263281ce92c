#include "graphics/star_reach.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "graphics/line_walk.h"

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

// Round by adding one half and cutting toward zero, as g_Line does.
int64_t lineround(double v) { return static_cast<int64_t>(v + 0.5); }

// A line's points along its major axis a, minor axis b: the centre's
// coordinates and the surface's extents in that frame.
struct Frame {
  int64_t a, b;        // the centre
  int64_t along, across;  // the surface's extent along a and along b
};

// Where the line from the centre to (a, b) (in the frame, |a - centre.a| >=
// |b - centre.b| or more, a beyond the surface) crosses each line of the
// surface across its major axis, as g_Line's running sum rounds it, cut to
// one below or one past the surface: one entry per line the walk reaches
// after its first point.
void crossings(const Frame& f, int64_t a, int64_t b, std::vector<int64_t>& out) {
  out.clear();
  const int64_t steps = std::llabs(a - f.a);
  const int64_t way = a > f.a ? 1 : -1;
  const double inc = static_cast<double>(b - f.b) / static_cast<double>(steps);
  // The first line the walk meets on the surface and the last, as step counts.
  const int64_t first = way > 0 ? std::max<int64_t>(1, -f.a) : std::max<int64_t>(1, f.a - (f.along - 1));
  const int64_t last = way > 0 ? f.along - 1 - f.a : f.a;
  if (first > last) return;
  double sum = runningsum(static_cast<double>(f.b) + inc, inc, first - 1);
  for (int64_t k = first; k <= last; ++k, sum += inc) out.push_back(std::clamp<int64_t>(lineround(sum), -1, f.across));
}

}  // namespace

bool samecrossing(RimPoint centre, const PlaneBox& box, int64_t width, int64_t height, RimPoint& one) {
  const auto low = [](double v) { return static_cast<int64_t>(std::ceil(v)); };
  const auto high = [](double v) { return static_cast<int64_t>(std::floor(v)); };
  const int64_t x0 = low(box.left), x1 = high(box.right), y0 = low(box.top), y1 = high(box.bottom);
  if (x0 > x1 || y0 > y1) return false;
  const int64_t dx0 = x0 - centre.x, dx1 = x1 - centre.x, dy0 = y0 - centre.y, dy1 = y1 - centre.y;
  const int64_t mostdy = std::max(std::llabs(dy0), std::llabs(dy1)), mostdx = std::max(std::llabs(dx0), std::llabs(dx1));
  // g_Line runs along x when |dx| >= |dy|. The ends must lie beyond the
  // surface along that axis, so that every point on it is a middle point.
  bool alongx;
  if ((dx0 > 0 && dx0 >= mostdy && x0 > width) || (dx1 < 0 && -dx1 >= mostdy && x1 < -1)) {
    alongx = true;
  } else if ((dy0 > 0 && dy0 > mostdx && y0 > height) || (dy1 < 0 && -dy1 > mostdx && y1 < -1)) {
    alongx = false;
  } else {
    return false;
  }
  const Frame f = alongx ? Frame{centre.x, centre.y, width, height} : Frame{centre.y, centre.x, height, width};
  // The slope (minor over major step, as g_Line divides) of each corner.
  const RimPoint corners[4] = {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}};
  auto slope = [&](RimPoint p) {
    const int64_t a = alongx ? p.x : p.y, b = alongx ? p.y : p.x;
    return static_cast<double>(b - f.b) / static_cast<double>(std::llabs(a - f.a));
  };
  RimPoint least = corners[0], greatest = corners[0];
  for (const RimPoint& p : corners) {
    if (slope(p) < slope(least)) least = p;
    if (slope(p) > slope(greatest)) greatest = p;
  }
  static thread_local std::vector<int64_t> lower, upper;
  crossings(f, alongx ? least.x : least.y, alongx ? least.y : least.x, lower);
  crossings(f, alongx ? greatest.x : greatest.y, alongx ? greatest.y : greatest.x, upper);
  if (lower != upper) return false;
  one = least;
  return true;
}

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
