#include <gtest/gtest.h>

#include "graphic_window.h"

using namespace vx;
using vxtest::opengraphicwindow;
using vxtest::picture;

// Steps on one 32 x 32 window per depth: the bytes a plot stores, and the
// palette index and colour the pixel reads back as.
TEST(PixelStorage, EachDepthStoresThePixelItsOwnWay) {
  const t_RGBColor grey{0, 127, 127, 127};  // orange's mean, (255 + 128 + 0) / 3
  const struct {
    int64_t depth, colour, x, y, at;
    std::vector<uint8_t> bytes;
    int64_t index;
    t_RGBColor read;
  } steps[] = {
      // One bit: set for drawing colours 9 and above; brown (8) is still dark.
      {1, 9, 0, 0, 0, {0x80}, 15, t_PaletteColor(15)},
      {1, 9, 9, 1, 4, {0x00, 0x40}, 15, t_PaletteColor(15)},  // row 1 starts at byte 4
      {1, 8, 0, 0, 0, {0x00}, 0, t_PaletteColor(0)},
      // Four bits: even columns in the high nibble.
      {4, 1, 0, 1, 16, {0x10}, 1, t_PaletteColor(1)},
      {4, 15, 1, 1, 16, {0x1F}, 15, t_PaletteColor(15)},
      // Grey depths store the mean of the colour, 16 bits after its alpha (7
      // here); no palette index.
      {8, 9, 3, 2, 2 * 32 + 3, {127}, 0, grey},
      {16, 9, 3, 2, 2 * 64 + 6, {7, 127}, 0, {7, 127, 127, 127}},
  };
  int64_t depth = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(::testing::Message() << "depth " << s.depth << " colour " << s.colour);
    if (s.depth != depth) opengraphicwindow(1, depth = s.depth, 32, 32);
    t_Color(1, s.colour);
    if (s.depth == 16) WindowTable[1].RGBColor.Alpha = 7;
    g_Plot(1, s.x, s.y);
    EXPECT_EQ(std::vector<uint8_t>(picture(1) + s.at, picture(1) + s.at + s.bytes.size()), s.bytes);
    EXPECT_EQ(g_Scrn(1, s.x, s.y), s.index);
    EXPECT_EQ(g_Scrn(1, s.x, s.y, ColorForm), s.read);
  }
}

// Each mode combines the drawing colour C with the stored pixel S (whose alpha
// depth 24 does not keep).
TEST(DrawingModes, CombineColourAndStoredPixelAtDepths24And32) {
  opengraphicwindow(1, 24, 32, 32);
  opengraphicwindow(2, 32, 32, 32);
  const t_RGBColor c{128, 0xF0, 0x0F, 0x55};
  const t_RGBColor s{9, 0x30, 0x31, 0xFF};
  const struct { int64_t mode; t_RGBColor expected24, expected32; } cases[] = {
      {0, {0, 0xF0, 0x0F, 0x55}, {128, 0xF0, 0x0F, 0x55}},
      // Blend: average at 24 bits; at 32 bits weighted by C's alpha, each quotient cut.
      {1, {0, 0x90, 0x20, 0xAA}, {9, 0xF0 * 128 / 255 + 0x30 * 127 / 255, 0x0F * 128 / 255 + 0x31 * 127 / 255, 0x55 * 128 / 255 + 0xFF * 127 / 255}},
      {2, {0, 0xF0, 0x0F, 0x55}, {255, 0xF0, 0x0F, 0x55}},
      {3, {0, 0xF0, 0x0F, 0x55}, {9, 0xF0, 0x0F, 0x55}},
      {4, {0, 0x90, 0x20, 0xAA}, {9, 0x90, 0x20, 0xAA}},
      {5, {0, 0x30, 0x01, 0x55}, {9, 0x30, 0x01, 0x55}},
      {6, {0, 0xF0, 0x3F, 0xFF}, {9, 0xF0, 0x3F, 0xFF}},
      {7, {0, 0xC0, 0x3E, 0xAA}, {9, 0xC0, 0x3E, 0xAA}},
      {8, {0, 0x30, 0x31, 0xFF}, {9, 0x30, 0x31, 0xFF}},
      {-1, {0, 0x30, 0x31, 0xFF}, {9, 0x30, 0x31, 0xFF}},
  };
  for (const auto& m : cases) {
    SCOPED_TRACE(m.mode);
    uint8_t* p24 = picture(1) + 3 * 5;
    uint8_t* p32 = picture(2) + 4 * 5;
    p24[0] = s.Red, p24[1] = s.Green, p24[2] = s.Blue;
    p32[0] = s.Alpha, p32[1] = s.Red, p32[2] = s.Green, p32[3] = s.Blue;
    for (uint8_t w : {1, 2}) {
      WindowTable[w].RGBColor = c;
      WindowTable[w].DrawingMode = m.mode;
      g_Plot(w, 5, 0);
    }
    EXPECT_EQ(std::tuple(g_Scrn(1, 5, 0, ColorForm), g_Scrn(2, 5, 0, ColorForm)), std::tuple(m.expected24, m.expected32));
  }
}
