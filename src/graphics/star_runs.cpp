#include "graphics/star_runs.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "graphics/star_raster.h"

namespace vx {
namespace {

std::atomic<bool> runsallowed{true};

// Below this every coordinate of the star, and so every running sum of its
// lines (at most 2^25 steps, each rounded by less than 2^-53 of 2^24),
// stays within 1/16 pixel of the exact line.
constexpr double RunCoordinateLimit = 0x1p24;

// The leftmost and rightmost pixel the sector has in one row so far.
struct Span {
  int64_t lo = std::numeric_limits<int64_t>::max();
  int64_t hi = std::numeric_limits<int64_t>::min();
};

// The spans of one sector for the rows of the surface that the star covers.
class SectorRows {
 public:
  SectorRows(int64_t first, int64_t last) : first_(first), last_(last) {
    if (last >= first) spans_.resize(static_cast<size_t>(last - first + 1));
  }

  void add(int64_t x, int64_t y) {
    if (y < first_ || y > last_) return;
    Span& s = spans_[static_cast<size_t>(y - first_)];
    s.lo = std::min(s.lo, x);
    s.hi = std::max(s.hi, x);
    touchedlo_ = std::min(touchedlo_, y);
    touchedhi_ = std::max(touchedhi_, y);
  }

  // Hands each row's span to fill(y, lo, hi) and starts empty again.
  template <class Fill>
  void flush(Fill&& fill) {
    for (int64_t y = touchedlo_; y <= touchedhi_; ++y) {
      Span& s = spans_[static_cast<size_t>(y - first_)];
      if (s.lo <= s.hi) fill(y, s.lo, s.hi);
      s = Span{};
    }
    touchedlo_ = std::numeric_limits<int64_t>::max();
    touchedhi_ = std::numeric_limits<int64_t>::min();
  }

 private:
  int64_t first_, last_;
  std::vector<Span> spans_;
  int64_t touchedlo_ = std::numeric_limits<int64_t>::max();
  int64_t touchedhi_ = std::numeric_limits<int64_t>::min();
};

// Every point g_Line(from, to) plots, unclipped, in its order. The major
// coordinate moves by exactly one per point; the minor one is g_Line's
// running sum. `from` has no negative coordinate, so its rounding is itself.
template <class Point>
void walkline(RimPoint from, RimPoint to, Point&& point) {
  const int64_t dx = to.x - from.x, dy = to.y - from.y;
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  if (steps >= 1) point(from.x, from.y);
  if (steps >= 2) {
    const double ix = static_cast<double>(dx) / static_cast<double>(steps);
    const double iy = static_cast<double>(dy) / static_cast<double>(steps);
    if (std::llabs(dx) >= std::llabs(dy)) {
      const int64_t sx = dx > 0 ? 1 : -1;
      double y = static_cast<double>(from.y) + iy;
      for (int64_t k = 1, x = from.x + sx; k < steps; ++k, x += sx, y += iy) point(x, lineround(y));
    } else {
      const int64_t sy = dy > 0 ? 1 : -1;
      double x = static_cast<double>(from.x) + ix;
      for (int64_t k = 1, y = from.y + sy; k < steps; ++k, y += sy, x += ix) point(lineround(x), y);
    }
  }
  point(to.x, to.y);
}

// The pixels one line has in one row.
struct RowPiece {
  int64_t y, lo, hi;
};

// The pieces of g_Line(from, to) row by row, from the top row down.
std::vector<RowPiece> linepieces(RimPoint from, RimPoint to) {
  std::vector<RowPiece> pieces;
  walkline(from, to, [&](int64_t x, int64_t y) {
    if (!pieces.empty() && pieces.back().y == y) {
      pieces.back().lo = std::min(pieces.back().lo, x);
      pieces.back().hi = std::max(pieces.back().hi, x);
    } else {
      pieces.push_back({y, x, x});
    }
  });
  if (pieces.size() > 1 && pieces.front().y > pieces.back().y) std::reverse(pieces.begin(), pieces.end());
  return pieces;
}

// Where the rim steps diagonally from `a` to `b`, the two lines can part by
// a pixel towards their far ends, and the sweep leaves the pixels between
// them in a row unplotted (no line of the sector runs between two
// neighbouring ones). Adds those gaps.
void addgaps(RimPoint centre, RimPoint a, RimPoint b, int64_t first, int64_t last, std::vector<RowPiece>& gaps) {
  const std::vector<RowPiece> one = linepieces(centre, a), two = linepieces(centre, b);
  for (size_t i = 0, j = 0; i < one.size() && j < two.size();) {
    if (one[i].y < two[j].y) {
      ++i;
    } else if (two[j].y < one[i].y) {
      ++j;
    } else {
      const int64_t lo = std::min(one[i].hi, two[j].hi) + 1, hi = std::max(one[i].lo, two[j].lo) - 1;
      if (lo <= hi && one[i].y >= first && one[i].y <= last) gaps.push_back({one[i].y, lo, hi});
      ++i;
      ++j;
    }
  }
}

// Sets (or clears) pixels a..b of a one-bit row.
void fillbits(uint8_t* row, int64_t a, int64_t b, bool set) {
  const int64_t first = a >> 3, last = b >> 3;
  const auto head = static_cast<uint8_t>(0xFF >> (a & 7));
  const auto tail = static_cast<uint8_t>(0xFF << (7 - (b & 7)));
  auto apply = [&](uint8_t& byte, uint8_t bits) {
    byte = set ? static_cast<uint8_t>(byte | bits) : static_cast<uint8_t>(byte & ~bits);
  };
  if (first == last) {
    apply(row[first], head & tail);
    return;
  }
  apply(row[first], head);
  if (last - first > 1) std::memset(row + first + 1, set ? 0xFF : 0x00, static_cast<size_t>(last - first - 1));
  apply(row[last], tail);
}

// Whether the segment from `from` to `to` passes within `margin` of the
// rectangle [0, width) x [0, height): a line that does not cannot plot on it.
bool segmentnear(RimPoint from, RimPoint to, int64_t width, int64_t height, double margin) {
  double t0 = 0, t1 = 1;
  // Keeps the part of the segment with p x t <= q.
  auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  const double x = static_cast<double>(from.x), y = static_cast<double>(from.y);
  const double dx = static_cast<double>(to.x - from.x), dy = static_cast<double>(to.y - from.y);
  return clip(-dx, x + margin) && clip(dx, static_cast<double>(width) - 1 + margin - x) && clip(-dy, y + margin) &&
         clip(dy, static_cast<double>(height) - 1 + margin - y);
}

// The last lines, in the sweep's order, that may plot on the surface.
class NearLines {
 public:
  void add(RimPoint end) {
    ends_[count_ % ends_.size()] = end;
    ++count_;
  }
  // Calls found(p) for each kept end, the latest first, until it answers true;
  // answers whether one did, or nullopt when older ones were dropped.
  template <class Found>
  int latest(Found&& found) const {
    const size_t kept = std::min(count_, ends_.size());
    for (size_t i = 0; i < kept; ++i)
      if (found(ends_[(count_ - 1 - i) % ends_.size()])) return 1;
    return count_ > ends_.size() ? -1 : 0;
  }

 private:
  std::array<RimPoint, 64> ends_{};
  size_t count_ = 0;
};

}  // namespace

void allowstarruns(bool allowed) { runsallowed.store(allowed, std::memory_order_relaxed); }
bool starrunsallowed() { return runsallowed.load(std::memory_order_relaxed); }

bool starrunsapply(const PixelSurface& s, RimPoint centre, const StarGeometry& g) {
  if (s.data == nullptr || s.depth != 1 || s.width <= 0 || s.height <= 0) return false;
  if (centre.x < 0 || centre.y < 0) return false;
  return std::fabs(g.cx) + g.rx + 2 < RunCoordinateLimit && std::fabs(g.cy) + g.ry + 2 < RunCoordinateLimit;
}

RunsResult drawstarruns(const PixelSurface& s, const PlotColor& c, RimPoint centre, const StarGeometry& g,
                        const AngleSequence& angles, const std::vector<IndexRange>& ranges) {
  RunsResult result;
  if (ranges.empty()) {
    result.done = true;
    return result;
  }
  RimWalk walk(g, angles);
  // The last line drawn ends at the last filled angle's rim pixel; when that
  // lies on the surface it is the last point plotted. Otherwise the lines
  // that come near the surface are kept, to be traced at the end.
  const RimPoint finalend = walk.at(ranges.back().hi - 1);
  const bool finalinside = s.contains(finalend.x, finalend.y);
  NearLines near;

  // Rows the star can reach: the rim lies within a pixel of the ellipse.
  const auto rowfirst = std::max<int64_t>(0, static_cast<int64_t>(g.cy - g.ry) - 2);
  const auto rowlast = std::min<int64_t>(s.height - 1, static_cast<int64_t>(g.cy + g.ry) + 2);
  SectorRows rows(rowfirst, rowlast);
  const bool set = c.textcolor >= 144;  // drawing colour indexes 9..15 set the bit
  const int64_t right = s.width - 1;
  auto fill = [&](int64_t y, int64_t lo, int64_t hi) {
    lo = std::max<int64_t>(lo, 0);
    hi = std::min(hi, right);
    if (lo <= hi) fillbits(s.row(y), lo, hi, set);
  };
  auto addline = [&](RimPoint end) { walkline(centre, end, [&](int64_t x, int64_t y) { rows.add(x, y); }); };

  constexpr RimPoint none{std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min()};
  std::vector<std::pair<RimPoint, RimPoint>> diagonals;
  std::vector<RowPiece> gaps;
  for (const IndexRange& r : ranges) {
    RimPoint last = none, first = none;
    diagonals.clear();
    walk.walk(r, last, [&](RimPoint p) {
      if (first == none) first = p;
      else if (std::llabs(p.x - last.x) == 1 && std::llabs(p.y - last.y) == 1) diagonals.emplace_back(last, p);
      rows.add(p.x, p.y);
      if (!finalinside && segmentnear(centre, p, s.width, s.height, 2)) near.add(p);
    });
    addline(first);
    if (last != first) addline(last);
    gaps.clear();
    for (const auto& [a, b] : diagonals) addgaps(centre, a, b, rowfirst, rowlast, gaps);
    if (gaps.empty()) {
      rows.flush(fill);
      continue;
    }
    std::sort(gaps.begin(), gaps.end(), [](const RowPiece& a, const RowPiece& b) { return a.y != b.y ? a.y < b.y : a.lo < b.lo; });
    size_t next = 0;
    rows.flush([&](int64_t y, int64_t lo, int64_t hi) {
      while (next < gaps.size() && gaps[next].y < y) ++next;
      for (; next < gaps.size() && gaps[next].y == y; ++next) {
        if (gaps[next].lo > lo) fill(y, lo, std::min(hi, gaps[next].lo - 1));
        lo = std::max(lo, gaps[next].hi + 1);
      }
      if (lo <= hi) fill(y, lo, hi);
    });
  }

  result.done = true;
  if (finalinside) {
    result.hit = true;
    result.last = finalend;
    return result;
  }
  const int found = near.latest([&](RimPoint end) {
    bool any = false;
    traceline(centre.x, centre.y, end.x, end.y, s.width, s.height, [&](int64_t x, int64_t y) {
      result.last = {x, y};
      any = true;
    });
    return any;
  });
  result.hit = found == 1;
  result.done = found >= 0;
  return result;
}

}  // namespace vx
