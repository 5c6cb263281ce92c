// The two fonts the star program uses, as the build puts them into the
// bundle's resource directory, loaded the way the program loads them.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_support.h"

using namespace vx;

namespace {

constexpr int GlyphWidth = 16;
constexpr int GlyphHeight = 32;

t_Font loadshipped(const std::string& name) {
  useHeadlessHost().setbundlepath(VX_TEST_BUNDLE);
  return t_LoadFontResource(name);
}

uint8_t level(const t_Font& font, int code, int x, int y) {
  return font.Data.at(static_cast<size_t>((code * GlyphHeight + y) * GlyphWidth + x));
}

bool rowinked(const t_Font& font, int code, int y) {
  for (int x = 0; x < GlyphWidth; ++x) {
    if (level(font, code, x, y) > 127) return true;
  }
  return false;
}

bool columninked(const t_Font& font, int code, int x) {
  for (int y = 0; y < GlyphHeight; ++y) {
    if (level(font, code, x, y) > 127) return true;
  }
  return false;
}

// The lowest row with ink: letters without descenders share it (the baseline).
int lowestinkedrow(const t_Font& font, int code) {
  for (int y = GlyphHeight - 1; y >= 0; --y) {
    if (rowinked(font, code, y)) return y;
  }
  return -1;
}

class ShippedFont : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(ShippedFont, LoadsAsSixteenByThirtyTwoGreyGlyphsForEveryCode) {
  vxtest::LogCapture capture;
  const t_Font font = loadshipped(GetParam());
  EXPECT_EQ(capture.take().find("t_LoadFontResource"), std::string::npos);
  EXPECT_EQ(std::tie(font.Format, font.Width, font.Height, font.Start, font.End),
            std::make_tuple(2, GlyphWidth, GlyphHeight, 0, 255));
  ASSERT_EQ(font.Data.size(), 256u * GlyphWidth * GlyphHeight);
  EXPECT_EQ(font.Size, static_cast<int64_t>(font.Data.size()));
}

TEST_P(ShippedFont, GlyphsSitOnOneBaselineAndLinesMeetAtTheCellEdges) {
  const t_Font font = loadshipped(GetParam());
  ASSERT_EQ(font.Data.size(), 256u * GlyphWidth * GlyphHeight);
  for (int y = 0; y < GlyphHeight; ++y) ASSERT_FALSE(rowinked(font, ' ', y));
  const int baseline = lowestinkedrow(font, 'H');
  for (int code : {int{'x'}, int{'E'}, int{'z'}, 0xC9, 0xE4}) EXPECT_EQ(lowestinkedrow(font, code), baseline);
  EXPECT_GT(lowestinkedrow(font, 'g'), baseline);
  EXPECT_GT(baseline, GlyphHeight / 2);
  // 156, the line of the line-drawing call, crosses the middle from edge to edge.
  EXPECT_TRUE(rowinked(font, 156, GlyphHeight / 2));
  EXPECT_FALSE(rowinked(font, 156, 0));
  EXPECT_TRUE(columninked(font, 156, 0) && columninked(font, 156, GlyphWidth - 1));
  // The vertical line 138 runs from top to bottom, the corner 134 meets right and bottom.
  EXPECT_TRUE(rowinked(font, 138, 0) && rowinked(font, 138, GlyphHeight - 1));
  EXPECT_TRUE(rowinked(font, 134, GlyphHeight - 1) && !rowinked(font, 134, 0));
  EXPECT_TRUE(columninked(font, 134, GlyphWidth - 1) && !columninked(font, 134, 0));
  // The visible space shows something where the plain space shows nothing.
  EXPECT_TRUE(rowinked(font, 160, baseline - 1));
}

TEST_P(ShippedFont, OpensTheStarProgramsTextWindow) {
  vxtest::LogCapture capture;
  useHeadlessHost().setbundlepath(VX_TEST_BUNDLE);
  t_InitWindow(0, 24, 80, 25, 16, GetParam());
  const t_Window& w = WindowTable[0];
  ASSERT_TRUE(w.Initialized) << capture.take();
  EXPECT_EQ(std::tie(w.Width, w.Height, w.TextWidth, w.TextHeight), std::make_tuple(1280, 800, 80, 25));
  // An "H" in white on black at the last cell: its crossbar is white somewhere.
  t_PrintSymbol(0, 'H', 0xF0, 80, 25);
  const int64_t left = 79 * GlyphWidth;
  const int64_t top = 24 * GlyphHeight;
  int64_t white = 0;
  for (int64_t y = top; y < top + GlyphHeight; ++y) {
    for (int64_t x = left; x < left + GlyphWidth; ++x) {
      white += ToolkitMemory[w.MemoryStart + (y * w.Width + x) * 3] == 255 ? 1 : 0;
    }
  }
  EXPECT_GT(white, 40);
}

INSTANTIATE_TEST_SUITE_P(Bundle, ShippedFont,
                         ::testing::Values("MenloBold 16x32.font", "MenloRegular 16x32.font"),
                         [](const auto& info) { return info.index == 0 ? "Bold" : "Regular"; });
