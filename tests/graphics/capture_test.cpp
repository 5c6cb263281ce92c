#include <gtest/gtest.h>

#include <random>

#include "graphic_window.h"

using namespace vx;
using vxtest::opengraphicwindow;
using vxtest::picture;

TEST(Capture, ClipsTheFarCornerAndRefusesBadCorners) {
  opengraphicwindow(1, 1, 96, 100);
  const t_Graphic all = g_GetScreenRect(1, 0, 0, 10000, 10000);
  EXPECT_EQ(std::tuple(all.Width, all.Height, all.Size, all.Data.size()), std::tuple(96, 100, 9600, 9600u));
  EXPECT_EQ(all, g_GetScreen(1));
  vxtest::LogCapture capture;
  EXPECT_EQ(g_GetScreenRect(1, 50, 0, 10, 10), t_Graphic{});
  EXPECT_EQ(g_GetScreenRect(1, -1, 0, 10, 10), t_Graphic{});
  EXPECT_EQ(g_GetScreenRect(1, 0, 11, 10, 10), t_Graphic{});
  EXPECT_EQ(g_GetScreen(4), t_Graphic{});
  WindowTable[1].BitDepth = 2;
  EXPECT_EQ(g_GetScreenRect(1, 0, 0, 5, 5), t_Graphic{});
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "g_GetScreenRect: Illegal x-value\n"
            "g_GetScreenRect: Illegal x-value\n"
            "g_GetScreenRect: Illegal y-value\n"
            "g_GetScreen: Graphic window #4 not initialized.\n"
            "g_GetScreenRect: Illegal window graphic format.\n");
}

namespace {

// The record's bytes of one pixel, as the pixel reads back one at a time.
std::vector<uint8_t> recordbytes(uint8_t slot, int64_t depth, int64_t x, int64_t y) {
  const t_RGBColor c = g_Scrn(slot, x, y, ColorForm);
  const auto grey = static_cast<uint8_t>((c.Red + c.Green + c.Blue) / 3);
  switch (depth) {
    case 1: case 4: return {static_cast<uint8_t>(g_Scrn(slot, x, y))};
    case 8: return {c.Red};
    case 16: return {c.Alpha, grey};
    case 24: return {c.Red, c.Green, c.Blue};
    default: return {c.Alpha, c.Red, c.Green, c.Blue};
  }
}

}  // namespace

// Rows one after another, each pixel as it reads back one at a time.
TEST(Capture, EveryRectangleHoldsWhatItsPixelsReadBackInItsDepthsFormat) {
  std::mt19937 random(7);
  // Corners inside and on the edges of bytes, for the depths that share one.
  const int64_t corners[][2] = {{0, 47}, {1, 46}, {3, 12}, {8, 15}, {7, 8}, {9, 9}, {17, 40}};
  uint8_t slot = 0;
  // Each depth has its own capture format; one- and four-bit pixels take a byte each.
  const std::pair<int64_t, int64_t> formats[] = {{1, 0}, {4, 1}, {8, 2}, {16, 4}, {24, 3}, {32, 5}};
  for (const auto& [depth, format] : formats) {
    SCOPED_TRACE(depth);
    opengraphicwindow(slot, depth, 48, 6);
    const t_Window& w = WindowTable[slot];
    for (int64_t i = w.MemoryStart; i <= w.MemoryEnd; ++i)
      ToolkitMemory[static_cast<size_t>(i)] = static_cast<uint8_t>(random());
    for (const auto& [x0, x1] : corners) {
      SCOPED_TRACE(x0);
      std::vector<uint8_t> expected;
      for (int64_t y = 1; y <= 4; ++y)
        for (int64_t x = x0; x <= x1; ++x) {
          const std::vector<uint8_t> pixel = recordbytes(slot, depth, x, y);
          expected.insert(expected.end(), pixel.begin(), pixel.end());
        }
      const int64_t width = x1 - x0 + 1;
      EXPECT_EQ(g_GetScreenRect(slot, x0, 1, x1, 4),
                (t_Graphic{.Format = format, .Size = width * 4, .Width = width, .Height = 4, .ParamHigh = 1,
                           .ParamLow = 1, .Reserved = 0, .Data = expected}));
    }
    ++slot;
  }
}
