// The two fonts the star program uses, as the build puts them into the
// toolkit's resource folder, loaded the way the program loads them.
#include <gtest/gtest.h>

#include "support/test_support.h"

using namespace vx;

namespace {

constexpr int GlyphWidth = 16;
constexpr int GlyphHeight = 32;

// Whether glyph `code` has ink (a level above half) in the given columns and rows.
bool inked(const t_Font& font, int code, int x0, int x1, int y0, int y1) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (font.Data.at(static_cast<size_t>((code * GlyphHeight + y) * GlyphWidth + x)) > 127) return true;
  return false;
}
bool rowinked(const t_Font& font, int code, int y) { return inked(font, code, 0, GlyphWidth - 1, y, y); }
bool columninked(const t_Font& font, int code, int x) { return inked(font, code, x, x, 0, GlyphHeight - 1); }

// The lowest row with ink: letters without descenders share it (the baseline).
int lowestinkedrow(const t_Font& font, int code) {
  int y = GlyphHeight - 1;
  while (y >= 0 && !rowinked(font, code, y)) --y;
  return y;
}

class ShippedFont : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(ShippedFont, LoadsAsGreyGlyphsForEveryCodeOnOneBaselineWithLinesMeetingAtTheCellEdges) {
  vxtest::LogCapture capture;
  useHeadlessHost().setresourcedirectory(VX_TEST_FONTS);
  const t_Font font = t_LoadFontResource(GetParam());
  EXPECT_EQ(capture.take().find("t_LoadFontResource"), std::string::npos);
  EXPECT_EQ(std::tie(font.Format, font.Width, font.Height, font.Start, font.End, font.Size),
            std::make_tuple(2, GlyphWidth, GlyphHeight, 0, 255, int64_t{256 * GlyphWidth * GlyphHeight}));
  ASSERT_EQ(font.Data.size(), 256u * GlyphWidth * GlyphHeight);

  EXPECT_FALSE(inked(font, ' ', 0, GlyphWidth - 1, 0, GlyphHeight - 1));
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

INSTANTIATE_TEST_SUITE_P(Bundle, ShippedFont,
                         ::testing::Values("MenloBold 16x32.font", "MenloRegular 16x32.font"),
                         [](const auto& info) { return info.index == 0 ? "Bold" : "Regular"; });
