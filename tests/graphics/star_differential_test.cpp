// The fast star against the literal sweep: pixels, position and diagnostic
// lines, over random windows, rectangles, depths, modes and colours, and the
// star program's own calls; and the one-bit star drawn by runs against the
// same call drawn line by line where the literal sweep would take too long.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

#include "graphic_window.h"
#include "graphics/star_raster.h"
#include "graphics/star_runs.h"
#include "graphics/star_sweep.h"

using namespace vx;

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;

struct Outcome {
  std::vector<uint8_t> picture;
  int64_t x = 0, y = 0;
  std::string log;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

using Draw = void (*)(uint8_t, int64_t, int64_t, int64_t, int64_t, int64_t);

// Draws on slot 1 from the given picture and position; `window` may name
// another slot or none.
Outcome drawfrom(Draw draw, const std::vector<uint8_t>& start, uint8_t window, const int64_t (&r)[4],
                 int64_t segments) {
  t_Window& w = WindowTable[1];
  std::copy(start.begin(), start.end(), ToolkitMemory.begin() + w.MemoryStart);
  w.PositionX = -7;
  w.PositionY = -9;
  vxtest::LogCapture capture;
  draw(window, r[0], r[1], r[2], r[3], segments);
  return {{ToolkitMemory.begin() + w.MemoryStart, ToolkitMemory.begin() + w.MemoryStart + static_cast<long>(start.size())},
          w.PositionX, w.PositionY, vxtest::withoutrefreshlines(capture.take())};
}

// Empty when both agree, else what differs first.
std::string difference(const Outcome& ref, const Outcome& fast) {
  std::ostringstream out;
  if (ref.x != fast.x || ref.y != fast.y)
    out << "position " << ref.x << "," << ref.y << " vs " << fast.x << "," << fast.y << "; ";
  if (ref.log != fast.log) out << "log " << ref.log.size() << " vs " << fast.log.size() << " bytes; ";
  const auto [a, b] = std::mismatch(ref.picture.begin(), ref.picture.end(), fast.picture.begin());
  if (a != ref.picture.end())
    out << "byte " << (a - ref.picture.begin()) << ": " << int{*a} << " vs " << int{*b};
  return out.str();
}

// The number of angles the literal sweep visits, a measure of its work.
double sweepsteps(const int64_t (&r)[4]) {
  const double rmax = static_cast<double>(std::max(std::llabs(r[2] - r[0]), std::llabs(r[3] - r[1])) + 1) / 2;
  return 4 * M_PI * rmax * rmax;
}

// The same call drawn line by line, as every mode but the one-bit one is.
void bylines(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t segments) {
  const UseStarMethod lines(StarMethod::Lines);
  g_DrawVelmorandine(window, x0, y0, x1, y1, segments);
}

// The same call drawn by runs, also where the line drawing would be chosen.
void byruns(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t segments) {
  const UseStarMethod runs(StarMethod::Runs);
  g_DrawVelmorandine(window, x0, y0, x1, y1, segments);
}

// The star program's drawing on a cleared white D x D one-bit window, in black.
std::vector<uint8_t> clearedstarwindow(int64_t d) {
  vxtest::opengraphicwindow(1, 1, d, d);
  g_ClearScreen(1, 15, -1);
  t_Color(1, 0, 15);
  const t_Window& w = WindowTable[1];
  return {ToolkitMemory.begin() + w.MemoryStart, ToolkitMemory.begin() + w.MemoryEnd + 1};
}

// The sanitizer and unoptimised builds run the same cases on smaller stars.
constexpr bool FullSizes =
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    true;
#else
    false;
#endif

}  // namespace

// The computed angles, sector ranges and their stall are those of the running
// sum, index for index.
TEST(StarSweep, AnglesAndSectorsMatchTheRunningSum) {
  for (double rmax : {0.5, 1.0, 2.5, 7.0, 16.5, 64.0, 100.5, 255.0, 511.5}) {
    const double step = 0.5 / (rmax * rmax);
    const AngleSequence angles(step, 6.283185307179586);
    for (int64_t segments : {1, 7, 36, 360}) {
      SCOPED_TRACE(::testing::Message() << "rmax " << rmax << ", segments " << segments);
      const double period = (360.0 / static_cast<double>(segments)) * DegreesToRadians;
      const double half = (180.0 / static_cast<double>(segments)) * DegreesToRadians;
      const std::vector<IndexRange> ranges = filledranges(angles, half);
      size_t range = 0;
      int64_t n = 0, wrong = 0;
      for (double a = 0.0; a < 6.283185307179586; a += step, ++n) {
        while (range < ranges.size() && ranges[range].hi <= n) ++range;
        const bool inrange = range < ranges.size() && ranges[range].lo <= n;
        wrong += n >= angles.size() || angles[n] != a || inrange != (std::fmod(a, period) < half);
      }
      EXPECT_EQ(angles.size(), n);
      EXPECT_EQ(wrong, 0);
      EXPECT_FALSE(angles.stalls());
    }
  }
  // A step below half an ulp of the angle stops the sum: the sequence ends
  // with the angle that would repeat.
  const AngleSequence stuck(1e-17, 6.283185307179586);
  ASSERT_TRUE(stuck.stalls());
  const double last = stuck[stuck.size() - 1];
  EXPECT_EQ(stuck[stuck.size() - 2] + 1e-17, last);
  EXPECT_EQ(last + 1e-17, last);
}

// The rim walk hands out the rim pixels the sweep visits, each change once
// and in order: on circles and ellipses, centred on a pixel or between
// pixels, near the origin (negative coordinates too) and far from it, walked
// in pieces of several lengths.
TEST(StarSweep, RimWalkGivesTheSweepsRimPixelsInOrder) {
  const StarGeometry shapes[] = {{100, 100, 99.5, 99.5}, {64.5, 40, 63, 30.5},   {-20, 7.5, 150, 150},
                                 {0, 0, 16.5, 16.5},     {3, 250.5, 40, 255},    {1e6 + 0.5, 3e5, 211, 97}};
  for (const StarGeometry& g : shapes) {
    const double rmax = std::max(g.rx, g.ry);
    const AngleSequence angles(0.5 / (rmax * rmax), 6.283185307179586);
    std::vector<RimPoint> swept;
    for (int64_t n = 0; n < angles.size(); ++n) {
      const double a = angles[n];
      const RimPoint p{static_cast<int64_t>(g.cx + g.rx * std::cos(a) + 0.5),
                       static_cast<int64_t>(g.cy + g.ry * std::sin(a) + 0.5)};
      if (swept.empty() || swept.back() != p) swept.push_back(p);
    }
    for (const int64_t piece : {int64_t{5}, int64_t{977}, angles.size()}) {
      RimWalk walk(g, angles);
      std::vector<RimPoint> walked;
      RimPoint last{std::numeric_limits<int64_t>::min(), 0};
      for (int64_t lo = 0; lo < angles.size(); lo += piece)
        walk.walk({lo, std::min(angles.size(), lo + piece)}, last, [&](RimPoint p) { walked.push_back(p); });
      const auto [mine, theirs] = std::mismatch(walked.begin(), walked.end(), swept.begin(), swept.end());
      EXPECT_TRUE(mine == walked.end() && theirs == swept.end())
          << "centre " << g.cx << "," << g.cy << " radii " << g.rx << "," << g.ry << " in pieces of " << piece
          << ": " << walked.size() << " rim pixels against " << swept.size() << ", the first difference after "
          << (mine - walked.begin());
    }
  }
}

TEST(StarDifferential, RandomCasesMatchTheLiteralSweep) {
  vxtest::opengraphicwindow(2, 8, 40, 40);  // a neighbour block the surface must respect
  std::mt19937_64 random(20240917);
  auto uniform = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(random); };
  // Sizes mostly small, a few up to 2048, with the literal sweep's work bounded.
  auto size = [&] {
    const int64_t bucket = uniform(0, 99);
    return bucket < 70 ? uniform(1, 40) : bucket < 92 ? uniform(41, 200) : bucket < 99 ? uniform(201, 700)
                                                                                        : uniform(701, 2048);
  };
  const int64_t depths[] = {1, 4, 8, 16, 24, 32};
  const int64_t segmentchoices[] = {1, 2, 3, 4, 5, 36, 90, 180, 359, 360};
  double budget = 150e6;  // angles of the literal sweep over all cases
  const std::vector<std::string> variants = markingvariants();
  int cases = 0;
  for (int config = 0; config < 60; ++config) {
    const int64_t depth = depths[config % 6];
    const int64_t cap = depth == 1 ? 1024 : depth <= 8 ? 512 : 256;
    const int64_t width = uniform(32, config % 5 == 0 ? cap : 200), height = uniform(32, config % 5 == 0 ? cap : 200);
    vxtest::opengraphicwindow(1, depth, width, height);
    t_Window& w = WindowTable[1];
    std::vector<uint8_t> start(static_cast<size_t>(w.MemoryEnd - w.MemoryStart + 1));
    for (int k = 0; k < 20; ++k) {
      for (uint8_t& b : start) b = static_cast<uint8_t>(random());
      t_Color(1, uniform(0, 15), uniform(0, 15));
      w.DrawingMode = uniform(0, 9);
      const int64_t sw = uniform(0, 3) == 0 ? 1 : size(), sh = uniform(0, 1) == 0 ? sw : size();
      const int64_t left = uniform(-sw, w.Width), top = uniform(-sh, w.Height);
      int64_t r[4] = {left, top, left + sw - 1, top + sh - 1};
      if (uniform(0, 1) == 1) std::swap(r[0], r[2]);
      if (uniform(0, 1) == 1) std::swap(r[1], r[3]);
      if (sweepsteps(r) > budget) r[2] = r[0], r[3] = r[1];  // the work is spent: a one-pixel star
      budget -= sweepsteps(r);
      const int64_t pick = uniform(0, 19);
      const int64_t segments = pick < 10 ? segmentchoices[pick] : pick < 18 ? uniform(1, 360) : pick == 18 ? 0 : 361;
      // Mostly slot 1; sometimes one never initialised, or no slot at all.
      const uint8_t window = k == 7 ? 5 : k == 13 ? static_cast<uint8_t>(uniform(8, 255)) : 1;
      // Each case on one of the processor's variants of the line marking.
      ASSERT_TRUE(usemarkingvariant(variants[static_cast<size_t>(cases) % variants.size()]));
      const Outcome ref = drawfrom(g_DrawVelmorandineReference, start, window, r, segments);
      const Outcome fast = drawfrom(g_DrawVelmorandine, start, window, r, segments);
      EXPECT_EQ(difference(ref, fast), "")
          << "window " << int{window} << " depth " << depth << " " << w.Width << "x" << w.Height << " mode "
          << w.DrawingMode << " colour " << int{w.TextColor} << " rectangle " << r[0] << "," << r[1] << " "
          << r[2] << "," << r[3] << " segments " << segments << " on " << variants[static_cast<size_t>(cases) % variants.size()];
      ++cases;
    }
  }
  EXPECT_EQ(cases, 1200);
  usemarkingvariant(variants.front());
}

// The star program's call: a cleared white one-bit window, black, the whole
// square; fast on each variant of the line marking.
TEST(StarDifferential, TheStarProgramsCallsMatchTheLiteralSweep) {
  const std::vector<std::string> variants = markingvariants();
  for (int64_t d : {32, 45, 256, 1000, 2048})
    for (int64_t segments : {1, 36, 360}) {
      if (d == 2048 && segments != 36) continue;  // the literal sweep's work
      vxtest::opengraphicwindow(1, 1, d, d);
      g_ClearScreen(1, 15, -1);
      t_Color(1, 0, 15);
      t_Window& w = WindowTable[1];
      const std::vector<uint8_t> start(ToolkitMemory.begin() + w.MemoryStart, ToolkitMemory.begin() + w.MemoryEnd + 1);
      const int64_t r[4] = {0, 0, d - 1, d - 1};
      const Outcome ref = drawfrom(g_DrawVelmorandineReference, start, 1, r, segments);
      for (const std::string& variant : variants) {
        ASSERT_TRUE(usemarkingvariant(variant));
        EXPECT_EQ(difference(ref, drawfrom(g_DrawVelmorandine, start, 1, r, segments)), "")
            << "D " << d << " segments " << segments << " on " << variant;
      }
    }
  usemarkingvariant(variants.front());
}

// Every segment count on squares of odd and even sizes, drawn by runs and as
// chosen (line by line for thin sectors), against the literal sweep: 35, 51
// and 105 have diagonal rim steps that leave unplotted gaps between
// neighbouring lines (105 two in one row above the centre); the edges of 0,
// 45 and 90 degrees of an even square run through pixel centres.
TEST(StarRuns, EverySegmentCountMatchesTheLiteralSweep) {
  for (int64_t d : {35, 51, 64, 105}) {
    const std::vector<uint8_t> start = clearedstarwindow(d);
    const int64_t r[4] = {0, 0, d - 1, d - 1};
    std::string wrong, chosenwrong;
    for (int64_t segments = 1; segments <= 360; ++segments) {
      const Outcome ref = drawfrom(g_DrawVelmorandineReference, start, 1, r, segments);
      if (ref != drawfrom(byruns, start, 1, r, segments)) wrong += " " + std::to_string(segments);
      if (ref != drawfrom(g_DrawVelmorandine, start, 1, r, segments)) chosenwrong += " " + std::to_string(segments);
    }
    EXPECT_EQ(wrong, "") << "by runs, D " << d;
    EXPECT_EQ(chosenwrong, "") << "as chosen, D " << d;
  }
}

// Squares across the sizes (odd and even, multiples of 8 and not), and stars
// far larger than their window seen through it from several places, drawn
// by runs and line by line.
TEST(StarRuns, SizesAndLargeStarsMatchTheLineDrawing) {
  // Once as drawn, once with every star shared between two threads (half the
  // rim's angles each, the rows above and below the centre apart).
  for (const int64_t split : {DefaultSplitRows, int64_t{16}}) {
    setstarsplitrows(split);
    const int64_t limit = FullSizes ? 8192 : 1200;
    for (int64_t d : {32, 33, 47, 128, 129, 250, 257, 511, 1000, 1024, 2047, 4096, 4099, 8192}) {
      if (d > limit || (split != DefaultSplitRows && d > 1024)) continue;
      const std::vector<uint8_t> start = clearedstarwindow(d);
      const int64_t r[4] = {0, 0, d - 1, d - 1};
      for (int64_t segments : {1, 2, 7, 36, 360})
        EXPECT_EQ(difference(drawfrom(bylines, start, 1, r, segments), drawfrom(byruns, start, 1, r, segments)), "")
            << "D " << d << " segments " << segments << " split from " << split << " rows";
    }
    // A 96 x 80 window over a star of 4096 (or 1024) pixels: its centre, its
    // rim, a point between, and the centre off the window to the upper left.
    const int64_t big = FullSizes ? 4096 : 1024;
    const std::vector<uint8_t> start = clearedstarwindow(96);
    for (const auto& [left, top] : {std::pair<int64_t, int64_t>{-big / 2 + 40, -big / 2 + 30}, {-big + 60, -big / 2},
                                    {-big / 3, -big / 4}, {-big / 2 - 70, -big / 2 - 3}, {5, -big / 2 + 40}}) {
      const int64_t r[4] = {left, top, left + big - 1, top + big - 1};
      for (int64_t segments : {1, 36, 360})
        EXPECT_EQ(difference(drawfrom(bylines, start, 1, r, segments), drawfrom(byruns, start, 1, r, segments)), "")
            << "rectangle at " << left << "," << top << " segments " << segments << " split from " << split << " rows";
    }
  }
  setstarsplitrows(DefaultSplitRows);
}

// Stars far larger than their window, which walk only the lines that can
// reach it, each only where it can: through the window from the centre, from
// halfway out, across the rim at several angles, from a centre off the window
// and from one off to the side; on one bit, on eight and on 32 bits in the
// XOR mode, whose lines are applied one by one in order.
TEST(StarDifferential, StarsFarLargerThanTheirWindowMatchTheLiteralSweep) {
  const int64_t big = FullSizes ? 2048 : 1024;
  const int64_t half = big / 2;
  struct Place {
    int64_t left, top;
  };
  const Place places[] = {{-half + 40, -half + 30},  {-half / 2, -half + 20},   {-big + 60, -half + 10},
                          {-half - 200, -big + 50},  {-70, -40},               {-half + 8, -big + 40},
                          {100 - half, 150 - half}};
  struct Colouring {
    int64_t depth, mode;
  };
  int cases = 0;
  for (const Colouring& colouring : {Colouring{1, 0}, Colouring{8, 0}, Colouring{32, 7}}) {
    vxtest::opengraphicwindow(1, colouring.depth, 96, 80);
    t_Window& w = WindowTable[1];
    std::mt19937_64 random(static_cast<uint64_t>(colouring.depth));
    std::vector<uint8_t> start(static_cast<size_t>(w.MemoryEnd - w.MemoryStart + 1));
    for (uint8_t& b : start) b = static_cast<uint8_t>(random());
    t_Color(1, 5, 12);
    w.DrawingMode = colouring.mode;
    for (const Place& place : places) {
      const int64_t r[4] = {place.left, place.top, place.left + big - 1, place.top + big - 1};
      const int64_t segments = std::array<int64_t, 4>{36, 1, 7, 360}[static_cast<size_t>(cases) % 4];
      EXPECT_EQ(difference(drawfrom(g_DrawVelmorandineReference, start, 1, r, segments),
                           drawfrom(g_DrawVelmorandine, start, 1, r, segments)), "")
          << "depth " << colouring.depth << " rectangle at " << place.left << "," << place.top << " segments "
          << segments;
      ++cases;
    }
  }
  // Small windows anywhere over stars of a few hundred pixels, whose literal
  // sweep is cheap: every edge of the window, every slope.
  std::mt19937_64 random(20261207);
  auto uniform = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(random); };
  for (int n = 0; n < 120; ++n) {
    const Colouring colouring = n % 3 == 0 ? Colouring{1, 0} : n % 3 == 1 ? Colouring{8, 0} : Colouring{32, 7};
    const int64_t width = 8 * uniform(1, 5), height = uniform(8, 40);
    vxtest::opengraphicwindow(1, colouring.depth, width, height);
    t_Window& w = WindowTable[1];
    std::vector<uint8_t> start(static_cast<size_t>(w.MemoryEnd - w.MemoryStart + 1));
    for (uint8_t& b : start) b = static_cast<uint8_t>(random());
    t_Color(1, uniform(1, 15), 0);
    w.DrawingMode = colouring.mode;
    const int64_t sw = uniform(256, 512), sh = uniform(0, 3) == 0 ? uniform(256, 512) : sw;
    const int64_t left = uniform(-sw, width), top = uniform(-sh, height);
    const int64_t r[4] = {left, top, left + sw - 1, top + sh - 1};
    const int64_t segments = uniform(1, 360);
    EXPECT_EQ(difference(drawfrom(g_DrawVelmorandineReference, start, 1, r, segments),
                         drawfrom(g_DrawVelmorandine, start, 1, r, segments)), "")
        << "depth " << colouring.depth << " " << width << "x" << height << " rectangle " << r[0] << "," << r[1]
        << " " << r[2] << "," << r[3] << " segments " << segments;
  }
}
