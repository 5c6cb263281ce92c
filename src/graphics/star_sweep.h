#pragma once
// The angle sweep of the star pattern, computed instead of counted.
//
// The sweep visits a_0 = 0, a_(n+1) = a_n + step (each sum rounded to double)
// while a_n < 2 pi, tests each angle for a filled sector and draws a line to
// every new rim pixel. For a large star that is hundreds of millions of angles
// of which only some ten thousand change the rim pixel. The classes here give
// the same angles, the same sector boundaries and the same sequence of rim
// pixels without visiting every angle:
//
// - AngleSequence: inside one binade [2^e, 2^(e+1)) every a_n is a multiple
//   of u = 2^(e-52) and the rounded sum adds the same multiple of u each time
//   (after the first step in the binade, which settles the parity that a tie
//   would depend on). So the angles form a few dozen arithmetic runs, and
//   a_n is one multiplication and one addition, both exact.
// - filledranges: fmod(a, period) < half holds exactly when floor(a / half)
//   is even, since period is exactly 2 x half and fmod is exact; the indexes
//   where a_n passes m x half are found by exact comparisons.
// - RimWalk: each rim coordinate is the truncation of a value that moves
//   monotonically between the extremes of its sine or cosine. Away from an
//   integer (by more than the rounding error of the expression) the
//   coordinate cannot change, so only the few angles where the value may
//   cross an integer are evaluated, with the very expression of the sweep.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx {

// The angles of the sweep as arithmetic runs.
class AngleSequence {
 public:
  AngleSequence(double step, double end);

  // How many angles the sweep visits (those below end).
  int64_t size() const { return size_; }
  // Whether the sum stops growing before it reaches end (step below half an
  // ulp of the angle); the last angle is then the one that repeats.
  bool stalls() const { return stalls_; }
  // a_n for 0 <= n < size(), bit for bit the running sum.
  double operator[](int64_t n) const;
  // The same, for a caller that reads nearby indexes one after another:
  // `run` remembers where the last one was found.
  double at(int64_t n, size_t& run) const {
    if (run >= runs_.size() || n < runs_[run].first || n >= runs_[run].first + runs_[run].count) findrun(n, run);
    const Run& r = runs_[run];
    return r.start + static_cast<double>(n - r.first) * r.inc;
  }
  // An index near the first angle >= theta: a starting point for searches.
  int64_t guess(double theta) const;
  // The same, `run` remembering the arithmetic run theta was last found in.
  int64_t guess(double theta, size_t& run) const;
  // The first index whose angle satisfies `reached`, a predicate that is false
  // and then true along the sweep; size() when none does.
  template <class Reached>
  int64_t first(double near, Reached reached) const;

 private:
  struct Run {
    int64_t first;  // index of the run's first angle
    int64_t count;
    double start;   // its first angle
    double inc;     // the exact increment within the run
    double perinc;  // 1 / inc (0 for a run of one angle), for guesses
  };
  void findrun(int64_t n, size_t& run) const;

  std::vector<Run> runs_;
  int64_t size_ = 0;
  bool stalls_ = false;
};

// A half-open range of angle indexes.
struct IndexRange {
  int64_t lo;
  int64_t hi;
};

// The index ranges of the filled sectors, in order: the angles with
// fmod(a, period) < half, where period is 2 x half.
std::vector<IndexRange> filledranges(const AngleSequence& angles, double half);

// The ellipse as the sweep computes it.
struct StarGeometry {
  double cx, cy, rx, ry;
};

struct RimPoint {
  int64_t x;
  int64_t y;
  friend bool operator==(const RimPoint&, const RimPoint&) = default;
};

// Finds the rim pixels of a range of filled angles.
class RimWalk {
 public:
  RimWalk(const StarGeometry& g, const AngleSequence& angles);

  // The rim pixel at angle index n, as the sweep computes it.
  RimPoint at(int64_t n) const;
  // Calls out(p) for each index of [lo, hi) whose rim pixel p differs from
  // the one before (from `last` at lo), in order; `last` ends as the rim
  // pixel at hi - 1.
  template <class Out>
  void walk(IndexRange r, RimPoint& last, Out&& out);

 private:
  struct Zone {
    int64_t lo, hi;  // inclusive
  };
  // A rim coordinate that certainly changes at angle index n, to `to`.
  struct Change {
    int64_t n;
    int64_t to;
    bool y;
  };
  enum class Axis { X, Y };
  double value(Axis axis, int64_t n) const;
  void addpiece(Axis axis, int64_t lo, int64_t hi, int direction, int quarter);
  void addzones(IndexRange r);
  int64_t firstat(double extreme) const;

  StarGeometry g_;
  const AngleSequence& angles_;
  double epsx_, epsy_;  // bounds of the rounding error of the two values
  void addcrossing(Axis axis, int64_t lo, int64_t hi, int direction, double b, double theta, double c);
  bool addchange(Axis axis, int64_t lo, int64_t hi, int direction, double b, double theta, double c);

  std::vector<Zone> zones_;      // indexes evaluated with the sweep's expression
  std::vector<Change> changes_;  // changes certain without evaluating
  mutable size_t run_ = 0;       // where the last angle was found in the sequence
};

template <class Reached>
int64_t AngleSequence::first(double near, Reached reached) const {
  // Gallop from the guess to bracket the change, then bisect.
  int64_t g = guess(near);
  int64_t lo = -1, hi = size_;  // reached(lo) false, reached(hi) true by convention
  if (g < size_ && reached((*this)[g])) {
    hi = g;
    for (int64_t d = 1; hi - d > lo; d *= 2) {
      if (!reached((*this)[hi - d])) {
        lo = hi - d;
        break;
      }
      hi -= d;
    }
  } else {
    lo = g;
    for (int64_t d = 1; lo + d < hi; d *= 2) {
      if (reached((*this)[lo + d])) {
        hi = lo + d;
        break;
      }
      lo += d;
    }
  }
  while (hi - lo > 1) {
    const int64_t mid = lo + (hi - lo) / 2;
    if (reached((*this)[mid])) hi = mid; else lo = mid;
  }
  return hi;
}

template <class Out>
void RimWalk::walk(IndexRange r, RimPoint& last, Out&& out) {
  addzones(r);
  // The zones and the changes in index order; the range's first index is
  // always evaluated, so the rim pixel is known from there on. A zone's
  // evaluation stands for any change inside it.
  RimPoint p = last;
  const auto emit = [&] {
    if (p == last) return;
    out(p);
    last = p;
  };
  size_t zone = 0, change = 0;
  while (zone < zones_.size() || change < changes_.size()) {
    if (change == changes_.size() || (zone < zones_.size() && zones_[zone].lo <= changes_[change].n)) {
      const Zone& z = zones_[zone++];
      for (int64_t n = z.lo; n <= z.hi; ++n) {
        p = at(n);
        emit();
      }
      while (change < changes_.size() && changes_[change].n <= z.hi) ++change;
      continue;
    }
    const int64_t n = changes_[change].n;
    for (; change < changes_.size() && changes_[change].n == n; ++change) (changes_[change].y ? p.y : p.x) = changes_[change].to;
    emit();
  }
}

}  // namespace vx
