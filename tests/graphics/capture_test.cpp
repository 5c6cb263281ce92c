#include <gtest/gtest.h>

#include <random>

#include "graphic_window.h"

using namespace vx;
using vxtest::opengraphicwindow;
using vxtest::picture;

TEST(Capture, ClipsTheFarCornerAndRefusesBadCorners) {
  opengraphicwindow(1, 1, 96, 100);
  const t_Graphic all = g_GetScreenRect(1, 0, 0, 10000, 10000);
  EXPECT_EQ(all.Width, 96);
  EXPECT_EQ(all.Height, 100);
  EXPECT_EQ(all.Size, 9600);
  EXPECT_EQ(all.Data.size(), 9600u);
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

struct DepthCase {
  int64_t depth;
  int64_t format;
  std::vector<uint8_t> stored;    // the bytes of pixels (0, 0) and (1, 0)
  std::vector<uint8_t> captured;  // their bytes in the record
};

TEST(Capture, StoresEachDepthInItsOwnFormatRowByRow) {
  const DepthCase cases[] = {
      {1, 0, {0x40}, {0, 15}},
      {4, 1, {0x3C}, {3, 12}},
      // An 8-bit pixel keeps its grey level (not a palette index, which would be 0).
      {8, 2, {0x10, 0xE0}, {0x10, 0xE0}},
      {16, 4, {0x01, 0x20, 0x02, 0x30}, {0x01, 0x20, 0x02, 0x30}},
      {24, 3, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},
      {32, 5, {9, 1, 2, 3, 8, 4, 5, 6}, {9, 1, 2, 3, 8, 4, 5, 6}},
  };
  uint8_t slot = 0;
  for (const DepthCase& c : cases) {
    SCOPED_TRACE(c.depth);
    opengraphicwindow(slot, c.depth, 32, 32);
    std::copy(c.stored.begin(), c.stored.end(), picture(slot));
    // Row 0 holds the two stored pixels, row 1 the cleared ones.
    std::vector<uint8_t> data = c.captured;
    data.resize(2 * c.captured.size(), 0);
    EXPECT_EQ(g_GetScreenRect(slot, 0, 0, 1, 1),
              (t_Graphic{.Format = c.format, .Size = 4, .Width = 2, .Height = 2, .ParamHigh = 1, .ParamLow = 1,
                         .Reserved = 0, .Data = data}));
    ++slot;
  }
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

TEST(Capture, EveryRectangleHoldsWhatItsPixelsReadBack) {
  std::mt19937 random(7);
  // Corners inside and on the edges of bytes, for the depths that share one.
  const int64_t corners[][2] = {{0, 47}, {1, 46}, {3, 12}, {8, 15}, {7, 8}, {9, 9}, {17, 40}};
  uint8_t slot = 0;
  for (int64_t depth : {1, 4, 8, 16, 24, 32}) {
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
      EXPECT_EQ(g_GetScreenRect(slot, x0, 1, x1, 4).Data, expected);
    }
    ++slot;
  }
}
