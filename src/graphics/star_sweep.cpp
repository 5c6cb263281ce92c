#include "graphics/star_sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace vx {
namespace {

// The first j in [0, limit] for which pred(j) holds, pred being false and then
// true; limit + 1 when none does. `guess` is where to start looking.
template <class Pred>
int64_t firstof(int64_t limit, int64_t guess, Pred pred) {
  guess = std::clamp<int64_t>(guess, 0, limit);
  int64_t lo = -1, hi = limit + 1;
  if (pred(guess)) {
    hi = guess;
    for (int64_t d = 1; hi - d > lo; d *= 2) {
      if (!pred(hi - d)) {
        lo = hi - d;
        break;
      }
      hi -= d;
    }
  } else {
    lo = guess;
    for (int64_t d = 1; lo + d < hi; d *= 2) {
      if (pred(lo + d)) {
        hi = lo + d;
        break;
      }
      lo += d;
    }
  }
  while (hi - lo > 1) {
    const int64_t mid = lo + (hi - lo) / 2;
    if (pred(mid)) hi = mid; else lo = mid;
  }
  return hi;
}

// A guess at j for start + j x inc = target.
int64_t stepsto(double start, double inc, double target) {
  const double j = std::ceil((target - start) / inc);
  if (!(j > 0)) return 0;
  return j < 9.0e15 ? static_cast<int64_t>(j) : int64_t{9'000'000'000'000'000};
}

}  // namespace

AngleSequence::AngleSequence(double step, double end) {
  // Walk point by point where the increment may vary (a = 0, the first step
  // into each binade and the one after it), and jump over the runs where it
  // cannot. `settled` says that the current angle came from a step inside its
  // own binade: from there on every step inside the binade adds the same.
  int64_t n = 0;
  double a = 0.0;
  bool settled = false;
  while (a < end) {
    if (!settled) {
      runs_.push_back({n, 1, a, 0.0, 0.0});
      ++n;
      const double b = a + step;
      if (b == a) {
        stalls_ = true;
        break;
      }
      settled = a > 0 && std::ilogb(a) == std::ilogb(b);
      a = b;
      continue;
    }
    const double inc = (a + step) - a;  // exact: both are multiples of a's ulp
    if (inc == 0) {
      runs_.push_back({n, 1, a, 0.0, 0.0});
      ++n;
      stalls_ = true;
      break;
    }
    // The run a + j x inc lasts while the exact sum a_j + step stays below the
    // binade's top; point k is the last one reached by a step inside it.
    const double top = std::ldexp(1.0, std::ilogb(a) + 1);
    const int64_t k = firstof(int64_t{1} << 53, stepsto(a, inc, top - step),
                              [&](int64_t j) { return step >= top - (a + static_cast<double>(j) * inc); });
    const int64_t below = firstof(k, stepsto(a, inc, end),
                                  [&](int64_t j) { return a + static_cast<double>(j) * inc >= end; });
    if (below <= k) {
      runs_.push_back({n, below, a, inc, 1 / inc});
      n += below;
      break;
    }
    runs_.push_back({n, k + 1, a, inc, 1 / inc});
    n += k + 1;
    a = (a + static_cast<double>(k) * inc) + step;
    settled = false;
  }
  size_ = n;
}

double AngleSequence::operator[](int64_t n) const {
  auto it = std::upper_bound(runs_.begin(), runs_.end(), n,
                             [](int64_t i, const Run& r) { return i < r.first; });
  const Run& r = *(it - 1);
  return r.start + static_cast<double>(n - r.first) * r.inc;
}

void AngleSequence::findrun(int64_t n, size_t& run) const {
  auto it = std::upper_bound(runs_.begin(), runs_.end(), n, [](int64_t i, const Run& r) { return i < r.first; });
  run = static_cast<size_t>(it - runs_.begin()) - 1;
}

int64_t AngleSequence::guess(double theta) const {
  size_t run = runs_.size();
  return guess(theta, run);
}

int64_t AngleSequence::guess(double theta, size_t& run) const {
  if (size_ == 0) return 0;
  const bool within = run < runs_.size() && runs_[run].start <= theta &&
                      (run + 1 == runs_.size() || theta < runs_[run + 1].start);
  if (!within) {
    auto it = std::upper_bound(runs_.begin(), runs_.end(), theta,
                               [](double t, const Run& r) { return t < r.start; });
    if (it == runs_.begin()) return 0;
    run = static_cast<size_t>(it - runs_.begin()) - 1;
  }
  const Run& r = runs_[run];
  // Multiplying by the reciprocal instead of dividing: a guess need not be exact.
  const double steps = std::ceil((theta - r.start) * r.perinc);
  const int64_t j = steps > 0 ? std::min(steps < 9.0e15 ? static_cast<int64_t>(steps) : r.count, r.count) : 0;
  return std::min(r.first + j, size_ - 1);
}

std::vector<IndexRange> filledranges(const AngleSequence& angles, double half) {
  // a >= m x half, decided exactly: the fused product and difference is
  // rounded once, which keeps its sign.
  auto boundary = [&](int64_t m) {
    if (m == 0) return int64_t{0};
    const double dm = static_cast<double>(m);
    return angles.first(dm * half, [&](double a) { return std::fma(-dm, half, a) >= 0; });
  };
  std::vector<IndexRange> ranges;
  for (int64_t m = 0;; m += 2) {
    const int64_t lo = boundary(m);
    if (lo >= angles.size()) break;
    const int64_t hi = boundary(m + 1);
    if (hi > lo) ranges.push_back({lo, hi});
    if (hi >= angles.size()) break;
  }
  return ranges;
}

namespace {

constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
constexpr double ThreeHalvesPi = 4.71238898038469;
constexpr double TwoPi = 6.283185307179586;

// Below this many angles a range is simply evaluated angle by angle.
constexpr int64_t ShortRange = 8;

// Sorts a list made of a few runs each already in order, by merging them.
template <class T, class Less>
void mergeruns(std::vector<T>& list, Less less) {
  for (size_t sorted = 1, end = 1; sorted < list.size(); sorted = end) {
    end = sorted + 1;
    while (end < list.size() && !less(list[end], list[end - 1])) ++end;
    if (less(list[sorted], list[sorted - 1]))
      std::inplace_merge(list.begin(), list.begin() + static_cast<ptrdiff_t>(sorted),
                         list.begin() + static_cast<ptrdiff_t>(end), less);
  }
}

}  // namespace

RimWalk::RimWalk(const StarGeometry& g, const AngleSequence& angles) : g_(g), angles_(angles) {
  // |computed - exact| for cx + rx cos(a) + 0.5: the cosine within one ulp,
  // then a product and two sums each rounded once; 2^-51 of the magnitudes
  // bounds it, and the factor 32 leaves a wide margin.
  epsx_ = (std::fabs(g.cx) + 3 * g.rx + 2) * 0x1p-46;
  epsy_ = (std::fabs(g.cy) + 3 * g.ry + 2) * 0x1p-46;
}

RimPoint RimWalk::at(int64_t n) const {
  const double a = angles_.at(n, run_);
  return {static_cast<int64_t>(g_.cx + g_.rx * std::cos(a) + 0.5),
          static_cast<int64_t>(g_.cy + g_.ry * std::sin(a) + 0.5)};
}

double RimWalk::value(Axis axis, int64_t n) const {
  const double a = angles_.at(n, run_);
  return axis == Axis::X ? g_.cx + g_.rx * std::cos(a) + 0.5 : g_.cy + g_.ry * std::sin(a) + 0.5;
}

int64_t RimWalk::firstat(double extreme) const {
  return angles_.first(extreme, [&](double a) { return a >= extreme; });
}

// Where the value is steep enough at its crossing of b, the angles on either
// side of theta lie so far from it that the sweep's rounding cannot put
// their values on the wrong side of b: the coordinate then changes at the
// first index past theta, to the whole number the value moves into, without
// evaluating anything. Answers false, having added nothing, when that is not
// certain (near a turn, or an angle too close to theta); the crossing is then
// searched by evaluating. `c` is the cosine (sine) of theta for x (y).
bool RimWalk::addchange(Axis axis, int64_t lo, int64_t hi, int direction, double b, double theta, double c) {
  const double radius = axis == Axis::X ? g_.rx : g_.ry;
  const double eps = axis == Axis::X ? epsx_ : epsy_;
  // The value moves at radius x |sin| (|cos|) per unit of angle near theta,
  // bent by at most radius x d^2 / 2 at a distance d. Theta itself is off by
  // less than radius x 2^-48 in value (the rounding of c, the arc function).
  const double slope = radius * std::sqrt(std::max(0.0, 1 - c * c));
  if (!(slope > 0)) return false;
  const double needed = 4 * eps + radius * 0x1p-47;
  const auto clear = [&](double a) {
    const double d = std::fabs(a - theta);
    return slope * d - radius * d * d / 2 > needed;
  };
  // g: the first index of the piece whose angle lies past theta; a its angle,
  // before the angle of the index before it.
  constexpr double far = std::numeric_limits<double>::infinity();
  int64_t g = std::clamp(angles_.guess(theta, run_), lo, hi);
  double a = g < hi ? angles_.at(g, run_) : far, before = g > lo ? angles_.at(g - 1, run_) : -far;
  while (g > lo && before > theta) {
    --g;
    a = before;
    before = g > lo ? angles_.at(g - 1, run_) : -far;
  }
  while (g < hi && a <= theta) {
    ++g;
    before = a;
    a = g < hi ? angles_.at(g, run_) : far;
  }
  if (g == lo) return clear(a);        // crossed before the piece: its first index is evaluated
  if (g == hi) return clear(before);   // crossed after it
  if (!clear(before) || !clear(a)) return false;
  changes_.push_back({g, static_cast<int64_t>(b + 0.5 * direction), axis == Axis::Y});
  return true;
}

void RimWalk::addzones(IndexRange r) {
  zones_.clear();
  changes_.clear();
  if (r.hi - r.lo <= ShortRange) {
    zones_.push_back({r.lo, r.hi - 1});
    return;
  }
  zones_.push_back({r.lo, r.lo});
  // The cosine falls on [0, pi] and rises on [pi, 2 pi]; the sine rises,
  // falls and rises with turns at pi/2 and 3 pi/2. An angle index at a turn
  // and its neighbours are evaluated outright; between them each value is
  // monotonic.
  auto pieces = [&](Axis axis, std::initializer_list<double> turns, int direction) {
    int64_t lo = r.lo;
    int quarter = 0;
    for (double turn : turns) {
      const int64_t t = firstat(turn);
      if (t - 1 > r.hi) break;
      addpiece(axis, lo, std::min(t - 1, r.hi), direction, quarter);
      const int64_t from = std::max(t - 1, r.lo), to = std::min(t + 1, r.hi - 1);
      if (from <= to) zones_.push_back({from, to});
      lo = std::max(t + 2, r.lo);
      direction = -direction;
      ++quarter;
      if (lo >= r.hi) return;
    }
    addpiece(axis, lo, r.hi, direction, quarter);
  };
  pieces(Axis::X, {Pi}, -1);
  pieces(Axis::Y, {HalfPi, ThreeHalvesPi}, +1);

  // The zones and the changes come as a few lists each in order (one per
  // monotonic piece): merged list by list rather than sorted.
  mergeruns(zones_, [](const Zone& a, const Zone& b) { return a.lo < b.lo; });
  mergeruns(changes_, [](const Change& a, const Change& b) { return a.n < b.n; });
  size_t out = 0;
  for (const Zone& z : zones_) {
    if (out > 0 && z.lo <= zones_[out - 1].hi + 1) {
      zones_[out - 1].hi = std::max(zones_[out - 1].hi, z.hi);
    } else {
      zones_[out++] = z;
    }
  }
  zones_.resize(out);
}

// Adds the zones of one monotonic piece [lo, hi) of one coordinate: for every
// integer the value may cross, the indexes between the last angle certainly
// before it and the first angle certainly past it.
void RimWalk::addpiece(Axis axis, int64_t lo, int64_t hi, int direction, int quarter) {
  if (hi <= lo) return;
  if (hi - lo <= ShortRange) {
    zones_.push_back({lo, hi - 1});
    return;
  }
  zones_.push_back({lo, lo});
  const double eps = axis == Axis::X ? epsx_ : epsy_;
  const double v0 = value(axis, lo), v1 = value(axis, hi - 1);
  const double vlow = std::min(v0, v1) - 3 * eps, vhigh = std::max(v0, v1) + 3 * eps;
  const double first = direction > 0 ? std::floor(vlow) : std::ceil(vhigh);
  const double last = direction > 0 ? std::ceil(vhigh) : std::floor(vlow);
  const double centre = axis == Axis::X ? g_.cx : g_.cy;
  const double radius = axis == Axis::X ? g_.rx : g_.ry;
  // Where the exact value meets b, as an angle in this piece: worked out for
  // a batch of whole numbers at a time, so that the processor overlaps the
  // arc functions, which do not wait for one another.
  constexpr int Batch = 16;
  std::array<double, Batch> cosines, thetas;
  const auto within = [&](double b) { return direction > 0 ? b <= last : b >= last; };
  for (double from = first; within(from); from += Batch * direction) {
    int count = 0;
    for (double b = from; count < Batch && within(b); b += direction, ++count) {
      const double c = std::clamp((b - 0.5 - centre) / radius, -1.0, 1.0);
      cosines[static_cast<size_t>(count)] = c;
      if (axis == Axis::X) {
        thetas[static_cast<size_t>(count)] = quarter == 0 ? std::acos(c) : TwoPi - std::acos(c);
      } else {
        thetas[static_cast<size_t>(count)] =
            quarter == 0 ? std::asin(c) : quarter == 1 ? Pi - std::asin(c) : TwoPi + std::asin(c);
      }
    }
    for (int i = 0; i < count; ++i)
      addcrossing(axis, lo, hi, direction, from + i * direction, thetas[static_cast<size_t>(i)],
                  cosines[static_cast<size_t>(i)]);
  }
}

// Adds what the value's crossing of b at angle theta needs: a change, or a
// zone of indexes to evaluate.
void RimWalk::addcrossing(Axis axis, int64_t lo, int64_t hi, int direction, double b, double theta, double c) {
  const double eps = axis == Axis::X ? epsx_ : epsy_;
  if (addchange(axis, lo, hi, direction, b, theta, c)) return;
  const int64_t guess = std::clamp(angles_.guess(theta), lo, hi - 1);
  auto before = [&](int64_t n) {
    const double v = value(axis, n);
    return direction > 0 ? v < b - 2 * eps : v > b + 2 * eps;
  };
  auto past = [&](int64_t n) {
    const double v = value(axis, n);
    return direction > 0 ? v > b + 2 * eps : v < b - 2 * eps;
  };
  // The zone starts after an index certainly before b and ends at one
  // certainly past it (or at the piece's ends). Rounding may make either
  // test flicker near b; any index the searches settle on is still certain.
  const int64_t zonelo = lo + firstof(hi - 1 - lo, guess - lo, [&](int64_t j) { return !before(lo + j); });
  if (zonelo >= hi) return;
  const int64_t beyond =
      zonelo + firstof(hi - 1 - zonelo, guess - zonelo, [&](int64_t j) { return past(zonelo + j); });
  const int64_t zonehi = std::min(beyond, hi - 1);
  if (zonelo <= zonehi) zones_.push_back({zonelo, zonehi});
}

}  // namespace vx
