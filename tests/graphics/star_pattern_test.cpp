#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <future>
#include <latch>
#include <memory>
#include <thread>
#include <set>
#include <utility>

#include "graphic_window.h"
#include "graphics/star_helper.h"
#include "support/allocation_meter.h"

using namespace vx;

namespace {

constexpr int64_t D = 128;
constexpr double Pi = 3.141592653589793;

void drawstar(int64_t segments) {
  vxtest::opengraphicwindow(1, 1, D, D);
  g_ClearScreen(1, 15, -1);
  t_Color(1, 0, 15);
  g_DrawVelmorandine(1, 0, 0, D - 1, D - 1, segments);
}

// Whether the pixel at `degrees` (0 at 3 o'clock, growing clockwise on the
// screen) and `fraction` of the radius from the centre is drawn.
bool drawnat(double degrees, double fraction) {
  const double a = degrees * Pi / 180;
  const double r = fraction * D / 2;
  const auto x = static_cast<int64_t>(D / 2 + r * std::cos(a));
  const auto y = static_cast<int64_t>(D / 2 + r * std::sin(a));
  return g_Scrn(1, x, y) == 0;
}

// Whether the pixel (x, y) of slot 1's width x depth picture differs from
// the same pixel in `before`, a copy of the picture.
bool changedpixel(const std::vector<uint8_t>& before, int64_t depth, int64_t width, int64_t x, int64_t y) {
  const size_t at = static_cast<size_t>(y * pictureRowBytes(depth, width) + x * depth / 8);
  const uint8_t mask = depth == 1 ? static_cast<uint8_t>(0x80 >> (x % 8)) : 0xFF;
  bool differs = false;
  for (size_t b = 0; b < static_cast<size_t>(std::max<int64_t>(depth / 8, 1)); ++b)
    differs |= ((vxtest::picture(1)[at + b] ^ before[at + b]) & mask) != 0;
  return differs;
}

std::vector<uint8_t> slotpicture(uint8_t slot) {
  const t_Window& w = WindowTable[slot];
  return {ToolkitMemory.begin() + w.MemoryStart, ToolkitMemory.begin() + w.MemoryEnd + 1};
}

}  // namespace

// Of the 2 x N sectors of 180/N degrees from 3 o'clock, clockwise on the
// screen, the even ones are filled: one segment fills the lower half, four
// give 45-degree wedges, the first just below the line right of the centre.
// Nothing is drawn outside the circle. (That the star repeats pixel for pixel
// is the differential test's and the headless session's: both compare it
// with the literal sweep.)
TEST(StarPattern, FillsEveryOtherSectorClockwiseFromThreeOClockInsideTheCircle) {
  for (int64_t segments : {1, 4}) {
    drawstar(segments);
    const double sector = 180.0 / static_cast<double>(segments);
    for (int64_t k = 0; k < 2 * segments; ++k)
      for (double inside : {0.25, 0.5, 0.75})
        for (double f : {0.3, 0.6, 0.95})
          EXPECT_EQ(drawnat(sector * (static_cast<double>(k) + inside), f), k % 2 == 0)
              << segments << " segments, sector " << k << " at " << inside << ", radius " << f;
    for (int64_t y = 0; y < D; ++y)
      for (int64_t x = 0; x < D; ++x)
        EXPECT_TRUE(g_Scrn(1, x, y) != 0 || std::hypot(x - D / 2.0, y - D / 2.0) <= D / 2.0 + 1) << x << "," << y;
  }
}

TEST(StarPattern, RefusesBadWindowsAndSegmentCounts) {
  vxtest::opengraphicwindow(1, 1, 32, 32);
  const std::vector<uint8_t> before = ToolkitMemory;
  vxtest::LogCapture capture;
  g_DrawVelmorandine(1, 0, 0, 31, 31, 0);
  g_DrawVelmorandine(1, 0, 0, 31, 31, 361);
  g_DrawVelmorandine(8, 0, 0, 31, 31, 0);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "g_DrawVelmorandine: Illegal segment count.\n"
            "g_DrawVelmorandine: Illegal segment count.\n"
            "g_DrawVelmorandine: Window is not a graphic window.\n");
  EXPECT_TRUE(ToolkitMemory == before);
  // An uninitialised window is reported by every line the sweep asks for.
  g_DrawVelmorandine(3, 0, 0, 3, 3, 1);
  const std::string log = vxtest::withoutrefreshlines(capture.take());
  EXPECT_EQ(log.rfind("g_Line: Graphic window #3 not initialized.\n", 0), 0u);
  EXPECT_GT(std::count(log.begin(), log.end(), '\n'), 1);
}

// Stars of 2^29 pixels on a 64 x 64 window: drawn line by line over the whole
// star, each would take some 2^52 steps (2^24 lines of the sweep, which stops
// growing its angle a little past 3 o'clock, each 2^28 steps long). Only the
// lines that can reach the window are walked, each only where it crosses it,
// in memory that does not grow with the star (a few batches of rim pixels).
//  - The rim at 3 o'clock crosses the window at column 42, the centre's row
//    at row 20: the lines to the rim pixels (42, 20 + m) run along row
//    20 + m through the window, one line per row, so every pixel from the
//    centre's row down and left of the rim changes, and the last one plotted
//    is (42, 63). The XOR mode changes a pixel each time a line plots it:
//    once, but twice in column 0, where the steps at x = -1 and x = 0 both
//    land (g_Line rounds by adding a half and cutting toward zero).
//  - A window 2^27 pixels below the centre, where the sweep never turns,
//    stays as it was.
TEST(StarPattern, AStarFarLargerThanItsWindowWalksOnlyTheLinesThatReachIt) {
  constexpr int64_t Radius = int64_t{1} << 28;
  struct Colouring {
    int64_t depth, mode;
  };
  for (const Colouring& colouring : {Colouring{1, 0}, Colouring{8, 0}, Colouring{32, 7}}) {
    vxtest::opengraphicwindow(1, colouring.depth, 64, 64);
    t_Window& w = WindowTable[1];
    g_ClearScreen(1, 0, -1);
    t_Color(1, 12, 0);
    w.DrawingMode = colouring.mode;
    const std::vector<uint8_t> before = slotpicture(1);
    auto changed = [&] {
      std::set<std::pair<int64_t, int64_t>> points;
      for (int64_t y = 0; y < 64; ++y)
        for (int64_t x = 0; x < 64; ++x)
          if (changedpixel(before, colouring.depth, 64, x, y)) points.emplace(x, y);
      return points;
    };
    vxtest::resetallocations();
    g_DrawVelmorandine(1, 41 - 2 * Radius + 1, 20 - Radius, 41, 20 + Radius - 1, 36);
    EXPECT_LT(vxtest::peakallocation(), size_t{1} << 20);
    std::set<std::pair<int64_t, int64_t>> expected;
    for (int64_t y = 20; y < 64; ++y)
      for (int64_t x = colouring.mode == 7 ? 1 : 0; x <= 42; ++x) expected.emplace(x, y);
    EXPECT_EQ(changed(), expected) << "depth " << colouring.depth;
    EXPECT_EQ(std::pair(w.PositionX, w.PositionY), std::pair(int64_t{42}, int64_t{63}));

    std::copy(before.begin(), before.end(), ToolkitMemory.begin() + w.MemoryStart);
    vxtest::resetallocations();
    g_DrawVelmorandine(1, 32 - Radius, 32 - (int64_t{1} << 27) - Radius, 31 + Radius, 31 - (int64_t{1} << 27) + Radius, 36);
    EXPECT_LT(vxtest::peakallocation(), size_t{1} << 20);
    EXPECT_TRUE(changed().empty()) << "depth " << colouring.depth;
  }
}

// A star of 2^25 pixels centred on a 64 x 64 window: all of its 2^24 lines
// cross the window, but lines that cross it alike are drawn once. Every
// pixel more than a pixel and a half inside a filled sector is drawn, none
// inside an empty one, at one and at eight bits.
TEST(StarPattern, AStarFarLargerThanItsWindowCentredOnItDrawsTheSectorsNearItsCentre) {
  constexpr int64_t Half = int64_t{1} << 24;
  for (int64_t depth : {1, 8}) {
    vxtest::opengraphicwindow(1, depth, 64, 64);
    g_ClearScreen(1, 0, -1);
    t_Color(1, 12, 0);
    const std::vector<uint8_t> before = slotpicture(1);
    vxtest::resetallocations();
    g_DrawVelmorandine(1, 32 - Half, 32 - Half, 31 + Half, 31 + Half, 4);
    EXPECT_LT(vxtest::peakallocation(), size_t{4} << 20);  // a batch of lines and the masks
    int64_t checked = 0;
    for (int64_t y = 0; y < 64; ++y)
      for (int64_t x = 0; x < 64; ++x) {
        const double r = std::hypot(x - 32.0, y - 32.0);
        const double sector = std::atan2(y - 32.0, x - 32.0) / (Pi / 4);  // in sectors from 3 o'clock
        const double k = std::floor(sector);
        // Near an edge the pixel may go either way.
        if (r < 2 || std::min(sector - k, k + 1 - sector) * (Pi / 4) * r < 1.5) continue;
        const bool filled = static_cast<int64_t>(k + 8) % 2 == 0;
        EXPECT_EQ(changedpixel(before, depth, 64, x, y), filled) << "depth " << depth << " at " << x << "," << y;
        ++checked;
      }
    EXPECT_GT(checked, 3000);
  }
}

// A share handed to the helper runs on another thread; one handed over while
// the kept thread is still busy gets a thread of its own instead of waiting
// behind the first (whose drawing may be waiting for it).
TEST(StarHelper, ASecondShareRunsWhileTheFirstIsStillBusy) {
  readystarhelper(DefaultSplitRows);
  // Shared with the shares, which may still hold it when the test is over.
  struct Meeting {
    std::latch release{1};
    std::promise<std::thread::id> first, second;
  };
  const auto meeting = std::make_shared<Meeting>();
  auto one = meeting->first.get_future(), two = meeting->second.get_future();
  ASSERT_TRUE(sharewithhelper([meeting] {
    meeting->first.set_value(std::this_thread::get_id());
    meeting->release.wait();
  }));
  ASSERT_TRUE(sharewithhelper([meeting] { meeting->second.set_value(std::this_thread::get_id()); }));
  const bool bothran = two.wait_for(std::chrono::seconds(30)) == std::future_status::ready &&
                       one.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
  meeting->release.count_down();
  ASSERT_TRUE(bothran);
  const std::thread::id kept = one.get();
  EXPECT_NE(kept, std::this_thread::get_id());
  EXPECT_NE(two.get(), kept);
}
