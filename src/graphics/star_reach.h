#pragma once
// Which rim pixels of a star have lines that can reach the picture.
//
// A star far larger than its window sends most of its lines past the window:
// seen from a centre far off, the window takes a narrow fan of them; seen
// from a centre inside it, each line crosses it within its first steps. The
// sweep's angle ranges are halved until the rim pixels of a part lie in a
// small box; a part is left out when no line from the centre to a point of
// its box (widened by the lines' rounding) meets the picture, so that only
// the lines that can plot there are walked.
#include <cstdint>
#include <vector>

#include "graphics/star_sweep.h"

namespace vx {

// An axis-aligned box of the plane, edges included.
struct PlaneBox {
  double left, top, right, bottom;
};

// A box holding every rim pixel of the angle indexes in r.
PlaneBox rimbox(const StarGeometry& g, const AngleSequence& angles, IndexRange r);

// Whether some point of a segment from `centre` to a point of `rim`, at
// `from` (0 to 1) of its length or further, lies in `target`.
bool fanmeets(RimPoint centre, const PlaneBox& rim, double from, const PlaneBox& target);

// How far (in pixels) a point g_Line plots may lie from the exact segment
// between its ends, for any line of the star: the running sums' rounding
// over the longest line, and the rounding to pixels.
double linestray(const StarGeometry& g);

// Whether every line from `centre` to an integer point of `box` plots the
// same pixels on a width x height surface (the centre's own first point
// aside, which every line plots): then drawing one of them, to `one`, draws
// what all of them draw there. So it is when all those lines run along the
// same axis the same way, end beyond the surface, and the two of them with
// the least and the greatest slope cross every row or column of the surface
// at the same place (or on the same side of it): each crossing moves with
// the slope one way only.
bool samecrossing(RimPoint centre, const PlaneBox& box, int64_t width, int64_t height, RimPoint& one);

// The parts of `ranges`, in order, whose rim pixels' boxes `wanted` accepts,
// found by halving ranges down to boxes a few pixels wide. Indexes left out
// lie in boxes that `wanted` refused.
template <class Wanted>
std::vector<IndexRange> wantedranges(const StarGeometry& g, const AngleSequence& angles,
                                     const std::vector<IndexRange>& ranges, Wanted&& wanted);

// The rim pixel before angle index n in the sweep's order of filled angles
// (the one g_DrawVelmorandine compares n's with), or -1 when n is the first
// filled index. `filled` are all the filled ranges; n lies in one of them.
int64_t previousfilled(const std::vector<IndexRange>& filled, int64_t n);

template <class Wanted>
std::vector<IndexRange> wantedranges(const StarGeometry& g, const AngleSequence& angles,
                                     const std::vector<IndexRange>& ranges, Wanted&& wanted) {
  // A box this wide or less holds a few rim pixels: walking it costs less
  // than halving it further.
  constexpr double SmallBox = 8;
  std::vector<IndexRange> kept, pending;
  auto keep = [&](IndexRange r) {
    if (!kept.empty() && kept.back().hi == r.lo) {
      kept.back().hi = r.hi;
    } else {
      kept.push_back(r);
    }
  };
  for (const IndexRange& range : ranges) {
    pending.assign(1, range);
    while (!pending.empty()) {  // the left half is taken first, to keep the order
      const IndexRange r = pending.back();
      pending.pop_back();
      if (r.hi <= r.lo) continue;
      const PlaneBox box = rimbox(g, angles, r);
      if (!wanted(box)) continue;
      if (r.hi - r.lo <= 2 || (box.right - box.left <= SmallBox && box.bottom - box.top <= SmallBox)) {
        keep(r);
        continue;
      }
      const int64_t middle = r.lo + (r.hi - r.lo) / 2;
      pending.push_back({middle, r.hi});
      pending.push_back({r.lo, middle});
    }
  }
  return kept;
}

}  // namespace vx
