#include "graphics/star_pattern.h"

#include <barrier>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "graphics/pixel_formats.h"
#include "graphics/picture_lock.h"
#include "graphics/pixel_surface.h"
#include "graphics/primitives.h"
#include "graphics/star_helper.h"
#include "graphics/star_raster.h"
#include "graphics/star_reach.h"
#include "graphics/star_runs.h"
#include "graphics/star_sweep.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {
namespace {

constexpr double DegreesToRadians = 0.017453292519943295;
constexpr double FullTurn = 6.283185307179586;

// Corners this far apart or more are refused: the sweep takes about
// 4 pi x rmax^2 steps, and a difference of larger coordinates could overflow.
constexpr int64_t StarCoordinateLimit = int64_t{1} << 30;

bool starcoordinateok(int64_t v) { return v > -StarCoordinateLimit && v < StarCoordinateLimit; }

// Rim pixels are drawn in batches of this many lines, so that memory stays
// bounded whatever the size of the star.
constexpr size_t LineBatch = size_t{1} << 16;

// From about this many plotted points on (rmax^2 per filled half turn) a
// second thread saves more than it costs.
constexpr double ThreadedWork = 40000;

// The filled angle indexes of one thread.
struct Part {
  std::vector<IndexRange> ranges;
};

// Cuts the filled ranges into `count` parts of about equal numbers of angles.
std::vector<Part> splitranges(const std::vector<IndexRange>& ranges, size_t count) {
  int64_t total = 0;
  for (const IndexRange& r : ranges) total += r.hi - r.lo;
  std::vector<Part> parts(count);
  int64_t done = 0;
  size_t p = 0;
  for (const IndexRange& r : ranges) {
    for (int64_t lo = r.lo; lo < r.hi;) {
      const int64_t room = p + 1 == count ? r.hi - lo : total * static_cast<int64_t>(p + 1) / static_cast<int64_t>(count) - done;
      if (room <= 0) {
        ++p;
        continue;
      }
      const int64_t hi = std::min(r.hi, lo + room);
      parts[p].ranges.push_back({lo, hi});
      done += hi - lo;
      lo = hi;
    }
  }
  return parts;
}

// The last point g_Line(centre, end) plots on the surface, if any.
bool lastpoint(RimPoint centre, RimPoint end, const PixelSurface& s, RimPoint& at) {
  if (s.contains(end.x, end.y)) {
    at = end;
    return true;
  }
  return traceline(centre.x, centre.y, end.x, end.y, s.width, s.height,
                   [&](int64_t x, int64_t y) { at = {x, y}; });
}

// What one thread leaves: the pixels its lines touch (its mask is made before
// the thread starts), and the last point plotted by its last line that
// reached the surface.
struct PartResult {
  TouchMask mask;
  bool hit = false;
  RimPoint last{0, 0};
};

// What both sweeps start from: the argument checks and the geometry, in the
// literal expressions the pattern is defined by.
struct StarSetup {
  double rx, ry, cx, cy, rmax, step, period, half;
  RimPoint centre;
};

std::optional<StarSetup> starsetup(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                   int64_t segments) {
  if (window >= 8) {
    log("g_DrawVelmorandine: Window is not a graphic window.");
    return std::nullopt;
  }
  if (segments < 1 || segments > 360) {
    log("g_DrawVelmorandine: Illegal segment count.");
    return std::nullopt;
  }
  if (!starcoordinateok(x0) || !starcoordinateok(y0) || !starcoordinateok(x1) || !starcoordinateok(y1))
    return std::nullopt;
  StarSetup g{};
  g.rx = static_cast<double>(std::llabs(x1 - x0) + 1) * 0.5;
  g.ry = static_cast<double>(std::llabs(y1 - y0) + 1) * 0.5;
  g.cx = static_cast<double>(x0) + g.rx;
  g.cy = static_cast<double>(y0) + g.ry;
  g.centre = {static_cast<int64_t>(g.cx), static_cast<int64_t>(g.cy)};
  g.rmax = g.rx > g.ry ? g.rx : g.ry;
  g.step = g.rmax == 0 ? 0.5 : 0.5 / (g.rmax * g.rmax);
  g.period = (360.0 / static_cast<double>(segments)) * DegreesToRadians;
  g.half = (180.0 / static_cast<double>(segments)) * DegreesToRadians;
  return g;
}

// The angle indexes a drawing walks: the filled ranges, or the parts of them
// whose lines can reach the surface. Where plotting a pixel twice changes
// nothing, a part whose lines all plot the same pixels on the surface may
// stand for them by one of its lines (`merges`, the surface they plot on).
struct Sweep {
  const AngleSequence& angles;
  std::vector<IndexRange> filled;
  std::vector<IndexRange> walked;
  const PixelSurface* merges = nullptr;
  RimPoint centre{0, 0};
};

// Every new rim pixel of the ranges (parts of the sweep's filled ranges), in
// the sweep's order, handed to `draw` in batches. A rim pixel is new when it
// differs from the one at the filled index before it, walked or not. Parts
// whose lines merge are halved until their rim pixels lie in a small box or
// their lines cross the surface alike; then one line stands for them.
template <typename Draw>
void forbatches(const StarGeometry& g, const Sweep& sweep, const std::vector<IndexRange>& ranges, Draw draw) {
  RimWalk walk(g, sweep.angles);
  std::vector<RimPoint> batch;
  auto add = [&](RimPoint p) {
    batch.push_back(p);
    if (batch.size() == LineBatch) {
      draw(batch);
      batch.clear();
    }
  };
  int64_t walkedto = -1;  // the last index walked
  RimPoint last{-1, -1};
  auto walkpart = [&](IndexRange r) {
    const int64_t before = previousfilled(sweep.filled, r.lo);
    if (before != walkedto) last = before >= 0 ? walk.at(before) : RimPoint{-1, -1};
    walkedto = r.hi - 1;
    walk.walk(r, last, add);
  };
  constexpr double SmallBox = 8;
  std::vector<IndexRange> pending;
  for (const IndexRange& range : ranges) {
    if (sweep.merges == nullptr) {
      walkpart(range);
      continue;
    }
    pending.assign(1, range);
    while (!pending.empty()) {  // the left half first, to keep the sweep's order
      const IndexRange r = pending.back();
      pending.pop_back();
      const PlaneBox box = rimbox(g, sweep.angles, r);
      RimPoint one{0, 0};
      if (r.hi - r.lo <= 2 || (box.right - box.left <= SmallBox && box.bottom - box.top <= SmallBox)) {
        walkpart(r);
      } else if (samecrossing(sweep.centre, box, sweep.merges->width, sweep.merges->height, one)) {
        add(one);
      } else {
        const int64_t middle = r.lo + (r.hi - r.lo) / 2;
        pending.push_back({middle, r.hi});
        pending.push_back({r.lo, middle});
      }
    }
  }
  draw(batch);
}

// Every plot in the sweep's order, on the calling thread.
void drawinorder(t_Window& w, const PixelSurface& s, const PlotColor& c, RimPoint centre,
                 const StarGeometry& g, const Sweep& sweep) {
  int64_t lastx = 0, lasty = 0;
  bool hit = false;
  forbatches(g, sweep, sweep.walked, [&](const std::vector<RimPoint>& batch) {
    hit |= drawordered(s, c, centre, batch.data(), batch.size(), lastx, lasty);
  });
  if (hit) {
    w.PositionX = lastx;
    w.PositionY = lasty;
  }
}

void drawpart(const Part& part, const StarGeometry& g, const Sweep& sweep, RimPoint centre,
              const PixelSurface& s, bool marks, PartResult& result) {
  if (marks) result.mask.clear();
  forbatches(g, sweep, part.ranges, [&](const std::vector<RimPoint>& batch) {
    if (marks) marklines(result.mask, centre, batch.data(), batch.size());
    for (size_t i = batch.size(); i-- > 0;)
      if (lastpoint(centre, batch[i], s, result.last)) {
        result.hit = true;
        break;
      }
  });
}

// Order-free plotting: the lines mark a mask of touched pixels (two threads,
// a mask each, for a large star), which is then written in the drawing
// colour. Answers false, having drawn nothing, when there is no memory for
// the masks.
bool drawmarked(t_Window& w, const PixelSurface& s, const PlotColor& c, const StarSetup& setup,
                const StarGeometry& g, const Sweep& sweep) {
  const AngleSequence& angles = sweep.angles;
  const std::vector<IndexRange>& ranges = sweep.walked;
  // Modes 8 and above leave 24- and 32-bit pixels as they are; only the
  // position moves.
  const bool marks = !((s.depth == 24 || s.depth == 32) && (c.mode < 0 || c.mode > 7));
  int64_t filled = 0;
  for (const IndexRange& r : ranges) filled += r.hi - r.lo;
  const double work =
      setup.rmax * setup.rmax * static_cast<double>(filled) / static_cast<double>(std::max<int64_t>(angles.size(), 1));
  const size_t threads = work >= ThreadedWork && std::thread::hardware_concurrency() > 1 ? 2 : 1;
  const std::vector<Part> parts = splitranges(ranges, threads);
  std::vector<PartResult> results(threads);
  std::vector<const TouchMask*> masks;
  for (PartResult& r : results) {
    if (marks) {
      r.mask = TouchMask(s.width, s.height);
      if (!r.mask.ok()) return false;
    }
    masks.push_back(&r.mask);
  }
  auto writerows = [&](size_t share, size_t shares) {
    const auto rows = [&](size_t k) { return s.height * static_cast<int64_t>(k) / static_cast<int64_t>(shares); };
    if (marks) applymasks(s, c, masks.data(), masks.size(), rows(share), rows(share + 1));
  };
  // A helper thread marks the second part's mask; once both are marked, each
  // thread writes half the rows of the picture from both masks. Should the
  // helper not start, this thread does all of it.
  std::optional<std::barrier<>> marked;
  std::thread helper;
  if (threads == 2) {
    marked.emplace(2);
    helper = starthelper([&] {
      drawpart(parts[1], g, sweep, setup.centre, s, marks, results[1]);
      marked->arrive_and_wait();
      writerows(1, 2);
    });
  }
  drawpart(parts[0], g, sweep, setup.centre, s, marks, results[0]);
  if (helper.joinable()) {
    marked->arrive_and_wait();
    writerows(0, 2);
    helper.join();
  } else {
    for (size_t t = 1; t < threads; ++t) drawpart(parts[t], g, sweep, setup.centre, s, marks, results[t]);
    writerows(0, 1);
  }
  for (size_t t = threads; t-- > 0;)
    if (results[t].hit) {
      w.PositionX = results[t].last.x;
      w.PositionY = results[t].last.y;
      break;
    }
  return true;
}

// The surface the star may touch, or none when it touches nothing (or the
// literal sweep has drawn it instead): a depth that is none of the six makes
// every plot on the window log a line, a rare state left to the literal
// sweep; a picture that may not be touched, or a rectangle wholly off it,
// has no points at all.
std::optional<PixelSurface> starsurface(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                        int64_t segments) {
  const PixelSurface s = pixelsurface(window);
  if (s.data == nullptr) {
    if (!isSupportedBitDepth(s.depth) && s.width > 0 && s.height > 0)
      g_DrawVelmorandineReference(window, x0, y0, x1, y1, segments);
    return std::nullopt;
  }
  // Every point lies within a pixel or two of the rectangle.
  if (std::max(x0, x1) + 3 < 0 || std::max(y0, y1) + 3 < 0 || std::min(x0, x1) - 3 >= s.width ||
      std::min(y0, y1) - 3 >= s.height)
    return std::nullopt;
  return s;
}

// Whether the star is so much larger than the surface that most of its
// lines miss it or cross it in a small part of their length: then only the
// lines that can reach it are walked, each only where it can reach it, and
// where plotting is idempotent lines that cross it alike are drawn once. (The
// one-bit runs, which walk the whole rim, are for the other stars.)
bool starfarlarger(const PixelSurface& s, const StarSetup& setup) {
  return setup.rmax > 2 * static_cast<double>(s.width + s.height);
}

// The parts of the filled ranges whose lines can plot on the surface: the
// surface widened by how far a plotted point may stray from its line.
std::vector<IndexRange> reachingranges(const PixelSurface& s, const StarSetup& setup, const StarGeometry& g,
                                       const Sweep& sweep) {
  const double stray = linestray(g);
  const PlaneBox surface{-stray, -stray, static_cast<double>(s.width - 1) + stray,
                         static_cast<double>(s.height - 1) + stray};
  return wantedranges(g, sweep.angles, sweep.filled,
                      [&](const PlaneBox& rim) { return fanmeets(setup.centre, rim, 0, surface); });
}

}  // namespace

// The sweep without visiting every angle (see star_sweep.h), and the lines
// drawn as g_Line draws them with the window looked up once.
void g_DrawVelmorandine(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                        int64_t segments) {
  const std::optional<StarSetup> setup = starsetup(window, x0, y0, x1, y1, segments);
  if (!setup) return;
  const auto drawing = lockpicture(window);
  // 360 / N is exactly twice 180 / N, so period is exactly twice half; the
  // sector test relies on it.
  if (setup->period != 2 * setup->half) {
    g_DrawVelmorandineReference(window, x0, y0, x1, y1, segments);
    return;
  }
  const AngleSequence angles(setup->step, FullTurn);
  const StarGeometry g{setup->cx, setup->cy, setup->rx, setup->ry};
  t_Window& w = WindowTable[window];
  if (!MemoryReady || !w.Initialized) {  // g_Line reports the window once per line
    const std::string line = "g_Line: Graphic window #" + std::to_string(window) + " not initialized.";
    RimWalk walk(g, angles);
    RimPoint last{-1, -1};
    for (const IndexRange& r : filledranges(angles, setup->half)) walk.walk(r, last, [&](RimPoint) { log(line); });
    return;
  }
  const std::optional<PixelSurface> s = starsurface(window, x0, y0, x1, y1, segments);
  if (!s) return;
  Sweep sweep{angles, filledranges(angles, setup->half), {}};
  const bool large = starfarlarger(*s, *setup);
  // Every line from a centre on the surface plots there: none is left out.
  const bool everyline = s->contains(setup->centre.x, setup->centre.y);
  sweep.walked = large && !everyline ? reachingranges(*s, *setup, g, sweep) : sweep.filled;
  sweep.centre = setup->centre;
  const PlotColor c = plotcolorof(w);
  const StarMethod method = starmethod();
  if (!large && method != StarMethod::Lines && starrunsapply(*s, g) &&
      (method == StarMethod::Runs || starrunspay(*s, g, setup->half))) {
    const RunsResult runs = drawstarruns(*s, c, setup->centre, g, angles, sweep.filled);
    if (runs.done) {
      if (runs.hit) {
        w.PositionX = runs.last.x;
        w.PositionY = runs.last.y;
      }
      return;
    }
  }
  if (orderfree(*s, c)) {
    if (large) sweep.merges = &*s;
    if (drawmarked(w, *s, c, *setup, g, sweep)) return;
    sweep.merges = nullptr;
  }
  drawinorder(w, *s, c, setup->centre, g, sweep);
}

void g_DrawVelmorandineReference(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                 int64_t segments) {
  const std::optional<StarSetup> setup = starsetup(window, x0, y0, x1, y1, segments);
  if (!setup) return;
  const auto drawing = lockpicture(window);
  const auto [rx, ry, cx, cy, rmax, step, period, half, centre] = *setup;
  int64_t lastx = -1;
  int64_t lasty = -1;
  for (double a = 0.0; a < FullTurn; a += step) {
    if (std::fmod(a, period) >= half) continue;  // an empty sector
    const auto xe = static_cast<int64_t>(cx + rx * std::cos(a) + 0.5);
    const auto ye = static_cast<int64_t>(cy + ry * std::sin(a) + 0.5);
    if (xe == lastx && ye == lasty) continue;  // the same rim pixel again
    g_Line(window, centre.x, centre.y, xe, ye);
    lastx = xe;
    lasty = ye;
  }
}

}  // namespace vx
