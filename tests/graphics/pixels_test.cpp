#include <gtest/gtest.h>

#include "graphic_window.h"

using namespace vx;
using vxtest::opengraphicwindow;
using vxtest::picture;

TEST(PixelStorage, OneBitSetsTheBitOfDrawingColoursNineAndAbove) {
  opengraphicwindow(1, 1, 32, 32);
  t_Color(1, 9);
  g_Plot(1, 0, 0);
  g_Plot(1, 9, 1);  // row 1 starts at byte 4
  EXPECT_EQ(picture(1)[0], 0x80);
  EXPECT_EQ(picture(1)[5], 0x40);
  t_Color(1, 8);  // brown is still "dark"
  g_Plot(1, 0, 0);
  EXPECT_EQ(picture(1)[0], 0x00);
  EXPECT_EQ(g_Scrn(1, 9, 1), 15);
  EXPECT_EQ(g_Scrn(1, 0, 0), 0);
  EXPECT_EQ(g_Scrn(1, 9, 1, ColorForm), t_PaletteColor(15));
}

TEST(PixelStorage, FourBitKeepsEvenColumnsInTheHighNibble) {
  opengraphicwindow(1, 4, 32, 32);
  t_Color(1, 1);
  g_Plot(1, 0, 1);
  t_Color(1, 15);
  g_Plot(1, 1, 1);
  EXPECT_EQ(picture(1)[16], 0x1F);
  EXPECT_EQ(g_Scrn(1, 0, 1), 1);
  EXPECT_EQ(g_Scrn(1, 1, 1), 15);
  EXPECT_EQ(g_Scrn(1, 1, 1, ColorForm), t_PaletteColor(15));
}

TEST(PixelStorage, GreyDepthsStoreTheMeanOfTheDrawingColour) {
  opengraphicwindow(1, 8, 32, 32);
  opengraphicwindow(2, 16, 32, 32);
  t_Color(1, 9);  // (255 + 128 + 0) / 3 = 127
  t_Color(2, 9);
  WindowTable[2].RGBColor = {7, 255, 128, 0};
  g_Plot(1, 3, 2);
  g_Plot(2, 3, 2);
  EXPECT_EQ(picture(1)[2 * 32 + 3], 127);
  EXPECT_EQ(picture(2)[2 * 64 + 6], 7);
  EXPECT_EQ(picture(2)[2 * 64 + 7], 127);
  EXPECT_EQ(g_Scrn(1, 3, 2, ColorForm), (t_RGBColor{0, 127, 127, 127}));
  EXPECT_EQ(g_Scrn(2, 3, 2, ColorForm), (t_RGBColor{7, 127, 127, 127}));
  EXPECT_EQ(g_Scrn(1, 3, 2), 0);  // no palette index at these depths
  EXPECT_EQ(g_Scrn(2, 3, 2), 0);
}

struct ModeCase {
  int64_t mode;
  t_RGBColor stored;  // Alpha ignored at depth 24
  t_RGBColor expected24;
  t_RGBColor expected32;
};

TEST(DrawingModes, CombineColourAndStoredPixelAtDepths24And32) {
  opengraphicwindow(1, 24, 32, 32);
  opengraphicwindow(2, 32, 32, 32);
  const t_RGBColor c{128, 0xF0, 0x0F, 0x55};
  const t_RGBColor s{9, 0x30, 0x31, 0xFF};
  const ModeCase cases[] = {
      {0, s, {0, 0xF0, 0x0F, 0x55}, {128, 0xF0, 0x0F, 0x55}},
      // Blend: average at 24 bits; at 32 bits weighted by C's alpha, each quotient cut.
      {1, s, {0, 0x90, 0x20, 0xAA}, {9, 0xF0 * 128 / 255 + 0x30 * 127 / 255, 0x0F * 128 / 255 + 0x31 * 127 / 255, 0x55 * 128 / 255 + 0xFF * 127 / 255}},
      {2, s, {0, 0xF0, 0x0F, 0x55}, {255, 0xF0, 0x0F, 0x55}},
      {3, s, {0, 0xF0, 0x0F, 0x55}, {9, 0xF0, 0x0F, 0x55}},
      {4, s, {0, 0x90, 0x20, 0xAA}, {9, 0x90, 0x20, 0xAA}},
      {5, s, {0, 0x30, 0x01, 0x55}, {9, 0x30, 0x01, 0x55}},
      {6, s, {0, 0xF0, 0x3F, 0xFF}, {9, 0xF0, 0x3F, 0xFF}},
      {7, s, {0, 0xC0, 0x3E, 0xAA}, {9, 0xC0, 0x3E, 0xAA}},
      {8, s, {0, 0x30, 0x31, 0xFF}, {9, 0x30, 0x31, 0xFF}},
      {-1, s, {0, 0x30, 0x31, 0xFF}, {9, 0x30, 0x31, 0xFF}},
  };
  for (const ModeCase& m : cases) {
    SCOPED_TRACE(m.mode);
    uint8_t* p24 = picture(1) + 3 * 5;
    uint8_t* p32 = picture(2) + 4 * 5;
    p24[0] = m.stored.Red, p24[1] = m.stored.Green, p24[2] = m.stored.Blue;
    p32[0] = m.stored.Alpha, p32[1] = m.stored.Red, p32[2] = m.stored.Green, p32[3] = m.stored.Blue;
    for (uint8_t w : {1, 2}) {
      WindowTable[w].RGBColor = c;
      WindowTable[w].DrawingMode = m.mode;
      g_Plot(w, 5, 0);
    }
    EXPECT_EQ(g_Scrn(1, 5, 0, ColorForm), m.expected24);
    EXPECT_EQ(g_Scrn(2, 5, 0, ColorForm), m.expected32);
  }
}
