#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "graphic_window.h"

using namespace vx;
using vxtest::opengraphicwindow;
using vxtest::picture;

namespace {

using Points = std::set<std::pair<int64_t, int64_t>>;

// The black pixels of a 1-bit window drawn in colour 0 over white.
Points blackpoints(uint8_t w) {
  Points points;
  for (int64_t y = 0; y < WindowTable[w].Height; ++y)
    for (int64_t x = 0; x < WindowTable[w].Width; ++x)
      if (g_Scrn(w, x, y) == 0) points.insert({x, y});
  return points;
}

void whitecanvas(uint8_t w, int64_t size) {
  opengraphicwindow(w, 1, size, size);
  g_ClearScreen(w, 15, -1);
  t_Color(w, 0, 15);
}

}  // namespace

TEST(Line, RoundsTheRunningSumsByAddingOneHalf) {
  const struct { int64_t x1, y1, x2, y2; Points points; } cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {5, 5, 5, 5, {{5, 5}}},
      {-1, 0, 3, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},  // -1 + 0.5 cuts to 0: column 0
      {3, 0, 2, 3, {{3, 0}, {3, 1}, {2, 2}, {2, 3}}}};  // backwards and steep: -1/3 per row
  whitecanvas(1, 32);
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2);
    g_ClearScreen(1, 15, -1);
    g_Line(1, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(blackpoints(1), c.points);
    EXPECT_EQ(std::tuple(WindowTable[1].PositionX, WindowTable[1].PositionY), std::tuple(c.x2, c.y2));
  }
}

// Points outside are skipped and the line ends where its last inside point
// was; coordinates far beyond any window neither overflow nor draw; a plot
// outside the window changes nothing.
TEST(Line, SkipsPointsOutsideAndEndsWhereTheLastInsidePointWas) {
  whitecanvas(1, 32);
  g_Line(1, 30, 5, 40, 5);
  EXPECT_EQ(WindowTable[1].PositionX, 31);
  g_Line(1, INT64_MIN, 0, INT64_MAX, 0);
  g_Plot(1, 7, 8);
  for (auto [x, y] : {std::pair<int64_t, int64_t>{32, 5}, {-1, 0}, {0, 32}, {0, -1}}) g_Plot(1, x, y);
  EXPECT_EQ(blackpoints(1), (Points{{30, 5}, {31, 5}, {7, 8}}));
  EXPECT_EQ(std::tuple(WindowTable[1].PositionX, WindowTable[1].PositionY), std::tuple(7, 8));
}

TEST(Plot, ReportsWindowsThatCannotBeDrawnInto) {
  whitecanvas(1, 32);
  vxtest::LogCapture capture;
  g_Plot(8, 0, 0);
  g_Plot(2, 0, 0);
  g_Line(9, 0, 0, 1, 1);
  g_Line(2, 0, 0, 1, 1);
  g_ClearScreen(2, 0, -1);
  EXPECT_EQ(g_Scrn(2, 0, 0), 0);
  EXPECT_EQ(g_Scrn(8, 0, 0, ColorForm), (t_RGBColor{255, 0, 0, 0}));
  WindowTable[1].BitDepth = 2;  // a depth none of the six
  g_Plot(1, 3, 4);
  g_ClearScreen(1, 0, -1);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "g_Plot: Window is not a graphic window.\n"
            "g_Plot: Graphic window #2 not initialized.\n"
            "g_Line: Window is not a graphic window.\n"
            "g_Line: Graphic window #2 not initialized.\n"
            "g_ClearScreen: Graphic window #2 not initialized.\n"
            "g_Scrn: Graphic window #2 not initialized.\n"
            "g_Scrn: Window is not a graphic window.\n"
            "g_Plot: Illegal bit depth (2).\n");
  EXPECT_EQ(WindowTable[1].PositionX, 3);
  WindowTable[1].BitDepth = 1;
  EXPECT_EQ(blackpoints(1), Points{});  // nothing was written, not even by the clear
}

// Whole rows from the top (all of them for -1 or more rows than there are),
// whatever the drawing colour, the pen left where it was; the rest of the
// picture stays as it was.
TEST(ClearScreen, FillsWholeRowsFromTheTopIgnoringTheDrawingColour) {
  const struct { int64_t depth, colour, rows, filled; std::vector<uint8_t> pixel; } cases[] = {
      {1, 15, -1, 32, {0xFF}}, {1, 0, 3, 3, {0x00}}, {4, 16 + 9, 100, 32, {0x99}},
      {8, 16, -1, 32, {0}},  // beyond the palette: black
      {16, 9, -1, 32, {255, 127}}, {24, 9, -1, 32, {255, 128, 0}}, {32, 9, -1, 32, {255, 255, 128, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "depth " << c.depth << ", " << c.rows << " rows");
    opengraphicwindow(1, c.depth, 32, 32);
    const int64_t rowbytes = 32 * c.depth / 8;
    std::vector<uint8_t> expected(static_cast<size_t>(rowbytes * 32), 0x5A);
    std::copy(expected.begin(), expected.end(), picture(1));
    for (int64_t i = 0; i < rowbytes * c.filled; ++i) expected[i] = c.pixel[i % c.pixel.size()];
    t_Color(1, 3);
    WindowTable[1].PositionX = 9;
    g_ClearScreen(1, c.colour, c.rows);
    EXPECT_EQ(std::vector<uint8_t>(picture(1), picture(1) + expected.size()), expected);
    EXPECT_EQ(WindowTable[1].PositionX, 9);
  }
}

// Whatever a caller does to a window's record, the primitives stay inside the
// window's own block and never reach the memory of the window below it.
TEST(MemorySafety, ChangedRecordsNeverReachAnotherWindowsBlock) {
  opengraphicwindow(1, 8, 32, 32);
  opengraphicwindow(2, 8, 32, 32);
  const std::vector<uint8_t> before = ToolkitMemory;
  t_Window& w = WindowTable[1];
  t_Color(1, 15);
  // Window 1's block is one KiB (exactly its picture); a larger height or
  // width would run into window 2's block just below.
  w.Height = 100;
  g_ClearScreen(1, 15, -1);
  g_Line(1, 0, 40, 31, 99);
  w.Height = 32;
  w.Width = 2000;
  g_Line(1, 0, 0, 1999, 0);
  w.Width = 32;
  w.MemoryStart = WindowTable[2].MemoryStart;  // pointed at window 2's picture
  g_Plot(1, 0, 0);
  g_ClearScreen(1, 15, -1);
  w.MemoryStart = WindowTable[2].MemoryEnd + 1;
  w.MemoryEnd = static_cast<int64_t>(ToolkitMemory.size()) + 5000;  // past the memory
  w.BitDepth = 32;
  g_ClearScreen(1, 15, -1);
  for (int64_t a = WindowTable[2].MemoryStart; a <= WindowTable[2].MemoryEnd; ++a)
    ASSERT_EQ(ToolkitMemory[a], before[a]) << a;
  for (int64_t a = 0; a < WindowTable[2].MemoryStart; ++a) ASSERT_EQ(ToolkitMemory[a], before[a]) << a;
}
