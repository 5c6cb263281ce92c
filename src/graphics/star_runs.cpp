#include "graphics/star_runs.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <thread>

#include "graphics/star_helper.h"
#include "graphics/star_raster.h"

namespace vx {
namespace {

std::atomic<StarMethod> chosenmethod{StarMethod::Chosen};

// Below this every coordinate of the star, and so every running sum of its
// lines (at most 2^25 steps, each rounded by less than 2^-53 of 2^24),
// stays within 1/16 pixel of the exact line.
constexpr double RunCoordinateLimit = 0x1p24;

// Every point g_Line(from, to) plots, unclipped, in its order. The major
// coordinate moves by exactly one per point; the minor one is g_Line's
// running sum. The first point is `from` itself: g_Line rounds it, which
// changes it only for a negative coordinate, off the surface (the caller
// plots the rounded point apart).
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
// Coordinates are below 2^24 (see RunCoordinateLimit), so 32 bits hold them.
struct RowPiece {
  int32_t y, lo, hi;
};

RowPiece rowpiece(int64_t y, int64_t lo, int64_t hi) {
  return {static_cast<int32_t>(y), static_cast<int32_t>(lo), static_cast<int32_t>(hi)};
}

// Sorts pieces by row, then from left to right. The rim pieces of a sector
// come in a few runs of rows going one way (the rim turns at the bottom and
// the top), so each run is put the right way round and the runs are merged.
void sortbyrow(std::vector<RowPiece>& pieces, size_t begin, std::vector<RowPiece>& scratch) {
  const auto byrow = [](const RowPiece& a, const RowPiece& b) { return a.y != b.y ? a.y < b.y : a.lo < b.lo; };
  const auto start = pieces.begin() + static_cast<ptrdiff_t>(begin);
  size_t merged = begin;  // [begin, merged) is sorted
  while (merged < pieces.size()) {
    size_t end = merged + 1;
    const bool down = end < pieces.size() && pieces[end].y < pieces[merged].y;
    while (end < pieces.size() && (down ? pieces[end].y <= pieces[end - 1].y : pieces[end].y >= pieces[end - 1].y)) ++end;
    const auto from = pieces.begin() + static_cast<ptrdiff_t>(merged), to = pieces.begin() + static_cast<ptrdiff_t>(end);
    if (down) std::reverse(from, to);
    if (!std::is_sorted(from, to, byrow)) std::sort(from, to, byrow);  // pieces of one row side by side
    if (merged > begin) {
      scratch.clear();
      std::merge(start, from, from, to, std::back_inserter(scratch), byrow);
      std::copy(scratch.begin(), scratch.end(), start);
    }
    merged = end;
  }
}

// The pieces of g_Line(from, to) row by row, from the top row down.
std::vector<RowPiece> linepieces(RimPoint from, RimPoint to) {
  std::vector<RowPiece> pieces;
  walkline(from, to, [&](int64_t x, int64_t y) {
    if (!pieces.empty() && pieces.back().y == y) {
      pieces.back().lo = std::min(pieces.back().lo, static_cast<int32_t>(x));
      pieces.back().hi = std::max(pieces.back().hi, static_cast<int32_t>(x));
    } else {
      pieces.push_back(rowpiece(y, x, x));
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
      if (lo <= hi && one[i].y >= first && one[i].y <= last) gaps.push_back(rowpiece(one[i].y, lo, hi));
      ++i;
      ++j;
    }
  }
}

// Sets (or clears) bits from..to (0 the top bit of the first byte) of the
// eight bytes at `at`, as one load and one store: the bytes around them are
// written back as they were, which is sound because a row is only ever
// written by one thread.
template <bool Set>
[[gnu::always_inline]] inline void fillword(uint8_t* at, int64_t from, int64_t to) {
  uint64_t bits = (~uint64_t{0} >> from) & (~uint64_t{0} << (63 - to));
  if constexpr (std::endian::native == std::endian::little) bits = __builtin_bswap64(bits);
  uint64_t word;
  std::memcpy(&word, at, sizeof word);
  word = Set ? word | bits : word & ~bits;
  std::memcpy(at, &word, sizeof word);
}

// Sets (or clears) pixels a..b of a one-bit row of `rowbytes` bytes, the
// leftmost pixel in a byte's top bit. Most runs of a star with many segments
// are a few bytes wide: a run within eight bytes takes one word, a longer one
// its first and its last eight bytes and a fill between. Only a short run
// at the very end of the row goes byte by byte.
template <bool Set>
[[gnu::always_inline]] inline void fillbits(uint8_t* row, int64_t rowbytes, int64_t a, int64_t b) {
  const int64_t first = a >> 3, last = b >> 3;
  if (last - first >= 8) {
    fillword<Set>(row + first, a & 7, 63);
    fillword<Set>(row + last - 7, 0, 56 + (b & 7));
    if (last - first >= 16) std::memset(row + first + 8, Set ? 0xFF : 0x00, static_cast<size_t>(last - first - 15));
    return;
  }
  if (first + 8 <= rowbytes) {
    fillword<Set>(row + first, a & 7, b - first * 8);
    return;
  }
  const auto apply = [](uint8_t& byte, unsigned bits) {
    byte = static_cast<uint8_t>(Set ? byte | bits : byte & ~bits);
  };
  const unsigned head = 0xFFu >> (a & 7), tail = (0xFFu << (7 - (b & 7))) & 0xFFu;
  if (first == last) {
    apply(row[first], head & tail);
    return;
  }
  apply(row[first], head);
  for (int64_t i = first + 1; i < last; ++i) row[i] = Set ? 0xFF : 0x00;
  apply(row[last], tail);
}

[[gnu::always_inline]] inline void fillbits(uint8_t* row, int64_t rowbytes, int64_t a, int64_t b, bool set) {
  if (set) fillbits<true>(row, rowbytes, a, b); else fillbits<false>(row, rowbytes, a, b);
}

// The same for the part of a..b within 0..right.
[[gnu::always_inline]] inline void fillclipped(uint8_t* row, int64_t rowbytes, int64_t a, int64_t b, int64_t right,
                                               bool set) {
  a = std::max<int64_t>(a, 0);
  b = std::min(b, right);
  if (a <= b) fillbits(row, rowbytes, a, b, set);
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


// Rows per band of the fill.
constexpr int64_t BandRows = 32;


// The leftmost and rightmost pixel a sector has in one row so far.
struct Span {
  int64_t lo = std::numeric_limits<int64_t>::max();
  int64_t hi = std::numeric_limits<int64_t>::min();
};

// g_Line(from, to), point by point in its order and unclipped, handed out a
// band of rows at a time. The rows of its points only move away from the
// centre row, in one direction. The points between the two ends come from
// one of two tight loops: a steep line has one point per row (the row moves
// by one, x is the running sum), a flat one a run of points per row, of
// which only the two ends matter to a row's span.
class LineWalker {
 public:
  LineWalker() = default;
  LineWalker(RimPoint from, RimPoint to) : from_(from), to_(to) {
    const int64_t dx = to.x - from.x, dy = to.y - from.y;
    steps_ = std::max(std::llabs(dx), std::llabs(dy));
    steep_ = std::llabs(dy) > std::llabs(dx);  // g_Line steps x when |dx| >= |dy|
    if (steps_ >= 2) {
      ix_ = static_cast<double>(dx) / static_cast<double>(steps_);
      iy_ = static_cast<double>(dy) / static_cast<double>(steps_);
      sum_ = steep_ ? static_cast<double>(from.x) + ix_ : static_cast<double>(from.y) + iy_;
    }
    stepx_ = dx > 0 ? 1 : -1;
    k_ = steps_ >= 1 ? 0 : steps_;  // a line of no length plots its end only
    way_ = dy > 0 ? 1 : dy < 0 ? -1 : 0;
  }

  // Whether the line has points for the pass in `direction` beyond the
  // centre row: lines going down (or along the centre row) belong to the
  // downward pass, lines going up to the upward one.
  bool goes(int direction) const { return direction > 0 ? way_ >= 0 : way_ < 0; }

  // Hands add(x, y) the points in rows top..bottom (at least the two ends of
  // the line's points in each row), passing over those before the band in
  // `direction` (+1 downwards) and stopping at the first after it.
  template <class Add>
  void walkrows(int64_t top, int64_t bottom, int direction, Add&& add) {
    const auto inband = [&](int64_t y) { return y >= top && y <= bottom; };
    // Points before the band are passed over only by a line that goes the
    // pass's way; one going the other way waits for the other pass.
    const auto waits = [&](int64_t y) { return (direction > 0 ? y >= top : y <= bottom) || way_ != direction; };
    if (k_ == 0) {
      if (!inband(from_.y)) {
        if (waits(from_.y)) return;
      } else {
        add(from_.x, from_.y);
      }
      k_ = 1;
    }
    if (k_ < steps_) {
      if (steep_ ? !steeprows(top, bottom, direction, add) : !flatrows(top, bottom, direction, add)) return;
    }
    if (k_ == steps_) {
      if (!inband(to_.y)) {
        if (waits(to_.y)) return;
      } else {
        add(to_.x, to_.y);
      }
      k_ = steps_ + 1;
    }
  }

 private:
  // The points between the ends of a steep line in the band; answers whether
  // they are all done.
  template <class Add>
  bool steeprows(int64_t top, int64_t bottom, int direction, Add& add) {
    const auto inband = [&](int64_t y) { return y >= top && y <= bottom; };
    int64_t k = k_, y = major(from_.y, way_ * k);
    if (direction > 0 ? y > bottom : y < top) return false;
    if (way_ != direction && !inband(y)) return false;
    // Rows before the band (a line of the pass's way) are passed over.
    double sum = sum_;
    for (; k < steps_ && !inband(y); y = major(from_.y, way_ * ++k)) sum += ix_;
    // Where the rows counted from the start are 0 or more (each is then the
    // point's row itself), the points up to the band's edge or the line's
    // end go without a test per point.
    if (inband(y) && from_.y + way_ * k >= 0) {
      const int64_t count = std::min(steps_ - k, way_ > 0 ? bottom - y + 1 : y - top + 1);
      for (int64_t i = 0; i < count; ++i, y += way_) {
        add(lineround(sum), y);
        sum += ix_;
      }
      k += count;
      y = major(from_.y, way_ * k);
    }
    for (; k < steps_ && inband(y); y = major(from_.y, way_ * ++k)) {
      add(lineround(sum), y);
      sum += ix_;
    }
    k_ = k;
    sum_ = sum;
    return k == steps_;
  }

  // The points between the ends of a flat line in the band: per row, its
  // first and its last point.
  template <class Add>
  bool flatrows(int64_t top, int64_t bottom, int direction, Add& add) {
    int64_t k = k_;
    double sum = sum_;
    int64_t y = lineround(sum);
    while (k < steps_) {
      if (!(y >= top && y <= bottom)) {
        if (direction > 0 ? y > bottom : y < top) break;
        if (way_ != direction) break;
        ++k;
        sum += iy_;
        y = lineround(sum);
        continue;
      }
      const int64_t row = y, first = major(from_.x, stepx_ * k);
      int64_t lastx = first;
      do {
        lastx = major(from_.x, stepx_ * k);
        ++k;
        sum += iy_;
        y = lineround(sum);
      } while (k < steps_ && y == row);
      add(first, row);
      add(lastx, row);
    }
    k_ = k;
    sum_ = sum;
    return k == steps_;
  }

  // The major coordinate of point k, start + offset: g_Line rounds even these
  // whole-numbered sums (adding one half, cutting toward zero), which moves a
  // negative one up by one.
  static int64_t major(int64_t start, int64_t offset) {
    const int64_t n = start + offset;
    return n < 0 ? n + 1 : n;
  }

  RimPoint from_{0, 0}, to_{0, 0};
  int64_t steps_ = 0, k_ = 1, stepx_ = 1;
  bool steep_ = false;
  int way_ = 0;  // +1 down, -1 up, 0 along the centre row
  double ix_ = 0, iy_ = 0;
  double sum_ = 0;  // the running sum of the minor coordinate at point k_
};

// A sector's share of a list of row pieces sorted by row, read from the
// centre row outwards: downwards first, then upwards.
struct PieceSlice {
  const std::vector<RowPiece>* pieces = nullptr;  // the list of the thread that gathered them
  size_t begin = 0, end = 0;
  size_t down = 0;  // the next piece below the centre row
  ptrdiff_t up = -1;  // the next piece above it, going up (-1: none)

  template <class Each>
  void each(int64_t top, int64_t bottom, int direction, Each&& each) {
    const std::vector<RowPiece>& list = *pieces;
    if (direction > 0) {
      if (down < begin) down = begin;
      for (; down < end && list[down].y <= bottom; ++down)
        if (list[down].y >= top) each(list[down]);
    } else {
      for (; up >= static_cast<ptrdiff_t>(begin) && list[static_cast<size_t>(up)].y >= top; --up)
        if (list[static_cast<size_t>(up)].y <= bottom) each(list[static_cast<size_t>(up)]);
    }
  }
  // Readies the upward reading: from the last piece above row `middle`.
  void turn(int64_t middle) {
    up = static_cast<ptrdiff_t>(begin) - 1;
    for (size_t i = begin; i < end && (*pieces)[i].y < middle; ++i) up = static_cast<ptrdiff_t>(i);
  }
};

// What the fill needs of one filled sector.
struct SectorParts {
  LineWalker edges[2];  // to its first and its last rim pixel
  PieceSlice rim;       // its rim pixels, merged per row
  PieceSlice gaps;      // the gaps between the lines of its diagonal rim steps
  void turn(int64_t middle) {
    rim.turn(middle);
    gaps.turn(middle);
  }
};

// Cuts the filled ranges into the drawing thread's share and the helper's,
// of as many angles each: the range across the middle is cut in two, a part
// of a sector being drawn as a sector is (the union of the lines to its rim
// pixels). Answers where the helper's share begins.
size_t shareangles(std::vector<IndexRange>& parts) {
  int64_t total = 0;
  for (const IndexRange& r : parts) total += r.hi - r.lo;
  int64_t kept = total / 2;  // angles left to the drawing thread
  for (size_t k = 0; k < parts.size() && kept > 0; ++k) {
    const int64_t length = parts[k].hi - parts[k].lo;
    if (kept < length) {
      const IndexRange later{parts[k].lo + kept, parts[k].hi};
      parts[k].hi = later.lo;
      parts.insert(parts.begin() + static_cast<ptrdiff_t>(k) + 1, later);
      return k + 1;
    }
    kept -= length;
    if (kept == 0) return k + 1;
  }
  return 0;
}

// The surface's rows the star can reach: the rim lies within a pixel of the
// ellipse. Empty when the first is past the last.
struct RowRange {
  int64_t first, last;
};
RowRange starrows(const PixelSurface& s, const StarGeometry& g) {
  return {std::max<int64_t>(0, static_cast<int64_t>(g.cy - g.ry) - 2),
          std::min<int64_t>(s.height - 1, static_cast<int64_t>(g.cy + g.ry) + 2)};
}

// Whether a helper thread shares the drawing of these rows.
bool sharedrows(RowRange rows) {
  return rows.last - rows.first + 1 >= starsplitrows() && std::thread::hardware_concurrency() > 1;
}

}  // namespace

void choosestarmethod(StarMethod method) { chosenmethod.store(method, std::memory_order_relaxed); }
StarMethod starmethod() { return chosenmethod.load(std::memory_order_relaxed); }

bool starrunspay(const PixelSurface& s, const StarGeometry& g, double sectorangle) {
  // Measured on square stars of 384 to 3072 pixels and 60 to 360 segments:
  // drawn alone, the runs are slower where a sector is under 10 pixels wide
  // at the rim (up to 2.5 times at 1024/360) and faster from about 13 on.
  constexpr double NarrowestFasterSector = 12;
  return sharedrows(starrows(s, g)) || std::max(g.rx, g.ry) * sectorangle >= NarrowestFasterSector;
}

bool starrunsapply(const PixelSurface& s, const StarGeometry& g) {
  if (s.data == nullptr || s.depth != 1 || s.width <= 0 || s.height <= 0) return false;
  return std::fabs(g.cx) + g.rx + 2 < RunCoordinateLimit && std::fabs(g.cy) + g.ry + 2 < RunCoordinateLimit;
}

RunsResult drawstarruns(const PixelSurface& s, const PlotColor& c, RimPoint centre, const StarGeometry& g,
                        const AngleSequence& angles, const std::vector<IndexRange>& ranges) {
  RunsResult result;
  result.done = true;
  if (ranges.empty()) return result;
  RimWalk walk(g, angles);
  // The last line drawn ends at the last filled angle's rim pixel; when that
  // lies on the surface it is the last point plotted. Otherwise the lines
  // that come near the surface are kept, to be traced at the end.
  const RimPoint finalend = walk.at(ranges.back().hi - 1);
  const bool finalinside = s.contains(finalend.x, finalend.y);

  const RowRange rows = starrows(s, g);
  const int64_t rowfirst = rows.first, rowlast = rows.last;  // lambdas below take them
  if (rowfirst > rowlast) return result;

  // A large star shares its work with a helper thread (see below): the
  // sectors are then cut into two shares of as many angles.
  std::vector<IndexRange> parts = ranges;
  const bool shared = sharedrows(rows);
  const size_t half = shared ? shareangles(parts) : 0;
  // Each sector's edge lines, rim pixels (as row pieces) and gaps, gathered
  // for a share of the sectors.
  std::vector<SectorParts> sectors(parts.size());
  struct Gathered {
    std::vector<RowPiece> rim, gaps;
    NearLines near;
    bool anylength = false;  // some line goes beyond the centre
  };
  const int64_t chunk = std::max<int64_t>(angles.size() / 32, 64);
  auto gather = [&](size_t from, size_t to, Gathered& out) {
    RimWalk walk(g, angles);
    std::vector<RowPiece>& rim = out.rim;
    std::vector<RowPiece> scratch;
    std::vector<std::pair<RimPoint, RimPoint>> diagonals;
    constexpr RimPoint none{std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min()};
    for (size_t k = from; k < to; ++k) {
      SectorParts& sector = sectors[k];
      RimPoint last = none, first = none;
      diagonals.clear();
      sector.rim.pieces = &rim;
      sector.rim.begin = rim.size();
      const auto onrim = [&](RimPoint p) {
        if (first == none) {
          first = p;
        } else if (std::llabs(p.x - last.x) == 1 && std::llabs(p.y - last.y) == 1) {
          diagonals.emplace_back(last, p);
        }
        if (!finalinside && segmentnear(centre, p, s.width, s.height, 2)) out.near.add(p);
        if (p.y < rowfirst || p.y > rowlast) return;
        if (rim.size() > sector.rim.begin && rim.back().y == p.y) {
          rim.back().lo = std::min(rim.back().lo, static_cast<int32_t>(p.x));
          rim.back().hi = std::max(rim.back().hi, static_cast<int32_t>(p.x));
        } else {
          rim.push_back(rowpiece(p.y, p.x, p.x));
        }
      };
      // The rim walk works out where the rim pixel may change over the whole
      // range it is given: in pieces, so that its list stays short.
      for (int64_t lo = parts[k].lo; lo < parts[k].hi; lo += chunk)
        walk.walk({lo, std::min(parts[k].hi, lo + chunk)}, last, onrim);
      sector.rim.end = rim.size();
      sector.edges[0] = LineWalker(centre, first);
      if (last != first) sector.edges[1] = LineWalker(centre, last);
      out.anylength |= first != centre || last != centre;
      sector.gaps.pieces = &out.gaps;
      sector.gaps.begin = out.gaps.size();
      for (const auto& [a, b] : diagonals) addgaps(centre, a, b, rowfirst, rowlast, out.gaps);
      sector.gaps.end = out.gaps.size();
      sortbyrow(rim, sector.rim.begin, scratch);
      sortbyrow(out.gaps, sector.gaps.begin, scratch);
    }
  };
  Gathered early, later;  // each thread's lists, read where they were made

  // The picture is filled a band of rows at a time, every sector's runs in
  // the band before the next: a band stays in the cache while the sectors
  // pass over it.
  const bool set = c.textcolor >= 144;  // drawing colour indexes 9..15 set the bit
  const int64_t right = s.width - 1;
  // What one pass needs of its own.
  struct Scratch {
    std::array<Span, BandRows> spans;
    std::vector<RowPiece> rowgaps;
  };
  // `centreband`: the band of the centre row, where every line has its first point.
  auto band = [&](int64_t top, int64_t bottom, int direction, bool centreband, Scratch& scratch) {
    auto& spans = scratch.spans;
    auto& rowgaps = scratch.rowgaps;
    for (SectorParts& sector : sectors) {
      bool any = false;
      auto add = [&](int64_t x, int64_t y) {
        Span& span = spans[static_cast<size_t>(y - top)];
        span.lo = std::min(span.lo, x);
        span.hi = std::max(span.hi, x);
        any = true;
      };
      for (LineWalker& edge : sector.edges)
        if (centreband || edge.goes(direction)) edge.walkrows(top, bottom, direction, add);
      sector.rim.each(top, bottom, direction, [&](const RowPiece& piece) {
        add(piece.lo, piece.y);
        add(piece.hi, piece.y);
      });
      if (!any) continue;
      // In the pass's direction, as the gaps are read.
      for (int64_t y = direction > 0 ? top : bottom; y >= top && y <= bottom; y += direction) {
        Span& span = spans[static_cast<size_t>(y - top)];
        if (span.lo > span.hi) continue;
        int64_t lo = span.lo;
        const int64_t hi = span.hi;
        span = Span{};
        uint8_t* row = s.row(y);
        const auto fill = [&](int64_t a, int64_t b) __attribute__((always_inline)) {
          fillclipped(row, s.rowbytes, a, b, right, set);
        };
        if (sector.gaps.begin == sector.gaps.end) {
          fill(lo, hi);
          continue;
        }
        // The row's gaps, from left to right (the upward pass reads them
        // backwards).
        rowgaps.clear();
        sector.gaps.each(y, y, direction, [&](const RowPiece& gap) { rowgaps.push_back(gap); });
        if (direction < 0) std::reverse(rowgaps.begin(), rowgaps.end());
        for (const RowPiece& gap : rowgaps) {
          if (gap.lo > lo) fill(lo, std::min<int64_t>(hi, gap.lo - 1));
          lo = std::max<int64_t>(lo, gap.hi + 1);
        }
        if (lo <= hi) fill(lo, hi);
      }
    }
  };
  // Lines leave the centre row upwards or downwards and never turn back, so
  // the rows below the centre go down from it in bands, then the rows above
  // it up from it. Once the centre row's band is done, the two passes share
  // nothing but the picture, and each writes rows of its own: a large star
  // gives the upward pass to a second thread.
  const int64_t middle = std::clamp(centre.y, rowfirst, rowlast + 1);
  Scratch downward, upward;
  auto uppass = [&] {
    for (int64_t bottom = middle - 1; bottom >= rowfirst; bottom -= BandRows)
      band(std::max(rowfirst, bottom - BandRows + 1), bottom, -1, false, upward);
  };

  // A large star shares the work with one helper thread: the rim walk of
  // the later share of the sectors (cut above) and, once both shares are
  // gathered and the centre row's band is done, the rows above the centre.
  // Whichever thread claims a share first does it, so a helper the
  // system is slow to run (on a busy machine) costs no more than its start.
  const auto shares = std::make_shared<SharedWork>();
  bool helped = false;
  if (half > 0) {
    helped = sharewithhelper([shares, &gather, &uppass, &later, half, count = sectors.size()] {
      if (shares->claim(SharedWork::Later, SharedWork::Helper)) {
        gather(half, count, later);
        shares->finish(SharedWork::Later);
      }
      shares->awaitready();
      if (shares->claim(SharedWork::Upward, SharedWork::Helper)) {
        uppass();
        shares->finish(SharedWork::Upward);
      }
    });  // it touches nothing here once both shares are settled
  }
  // Whatever happens here, the helper is done with this drawing's data
  // before it goes away.
  const SharedWork::Settle settle(*shares);
  gather(0, helped ? half : sectors.size(), early);
  if (helped) {
    if (shares->claim(SharedWork::Later, SharedWork::Drawer)) gather(half, sectors.size(), later);
    else shares->awaitdone(SharedWork::Later);
  }
  const bool anylength = early.anylength || later.anylength;
  int64_t top = middle;
  if (top <= rowlast) band(top, std::min(rowlast, top + BandRows - 1), +1, true, downward);
  for (SectorParts& sector : sectors) sector.turn(middle);
  shares->setready();
  for (top += BandRows; top <= rowlast; top += BandRows) band(top, std::min(rowlast, top + BandRows - 1), +1, false, downward);
  if (!helped || shares->claim(SharedWork::Upward, SharedWork::Drawer)) uppass();
  else shares->awaitdone(SharedWork::Upward);

  // Every line of some length plots g_Line's rounding of the centre first,
  // which is the centre itself unless a coordinate is negative. The runs
  // above took the centre, off the surface in that case; the rounded point is
  // plotted here.
  const RimPoint start{lineround(static_cast<double>(centre.x)), lineround(static_cast<double>(centre.y))};
  if (start != centre && s.contains(start.x, start.y) && anylength) fillbits(s.row(start.y), s.rowbytes, start.x, start.x, set);

  if (finalinside) {
    result.hit = true;
    result.last = finalend;
    return result;
  }
  const auto traced = [&](RimPoint end) {
    bool any = false;
    traceline(centre.x, centre.y, end.x, end.y, s.width, s.height, [&](int64_t x, int64_t y) {
      result.last = {x, y};
      any = true;
    });
    return any;
  };
  // The later sectors' lines come last in the sweep.
  int found = later.near.latest(traced);
  if (found == 0) found = early.near.latest(traced);
  result.hit = found == 1;
  result.done = found >= 0;
  return result;
}

}  // namespace vx
