#include <gtest/gtest.h>

#include "graphic_window.h"

using namespace vx;

TEST(DrawingColour, SetsBothNibblesOrKeepsTheSecondColour) {
  vxtest::opengraphicwindow(1, 24, 32, 32);
  t_Color(1, 0, 15);
  EXPECT_EQ(WindowTable[1].TextColor, 0x0F);
  EXPECT_EQ(WindowTable[1].RGBColor, (t_RGBColor{255, 0, 0, 0}));
  t_Color(1, 1);
  EXPECT_EQ(WindowTable[1].TextColor, 0x1F);
  EXPECT_EQ(WindowTable[1].RGBColor, (t_RGBColor{255, 255, 0, 0}));
  EXPECT_EQ(t_PaletteColor(16), (t_RGBColor{255, 0, 0, 0}));
  t_Color(1, 18, 20);  // taken modulo 16
  EXPECT_EQ(WindowTable[1].TextColor, 0x24);
  EXPECT_EQ(WindowTable[1].RGBColor, t_PaletteColor(2));
  // A negative colour stays inside the palette instead of wrapping the byte.
  t_Color(1, -1, -2);
  EXPECT_EQ(WindowTable[1].TextColor, 0xFE);
  EXPECT_EQ(WindowTable[1].RGBColor, t_PaletteColor(15));
}

TEST(DrawingColour, BorderColourBecomesTheHostBackground) {
  HeadlessHost& h = useHeadlessHost();
  vxtest::opengraphicwindow(2, 8, 32, 32);
  EXPECT_EQ(WindowTable[2].RGBColorBorder, t_PaletteColor(5));  // set by initialisation
  t_ColorBorder(2, 15 + 16);
  EXPECT_EQ(WindowTable[2].RGBColorBorder, t_PaletteColor(15));
  EXPECT_EQ(h.windowstate(*WindowTable[2].Window).background, t_PaletteColor(15));
}

TEST(DrawingColour, RefusesOtherWindowsWithTheirLines) {
  vxtest::opengraphicwindow(1, 24, 32, 32);
  vxtest::LogCapture capture;
  const t_RGBColor before = WindowTable[1].RGBColorBorder;
  t_ColorBorder(9, 1);
  t_Color(8, 1);
  t_Color(3, 1, 2);
  t_ColorBorder(3, 1);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "t_ColorBorder: Window is not a graphic window.\n"
            "t_Color: Window is not a graphic window.\n"
            "t_Color: Window #3 not initialized.\n"
            "t_ColorBorder: Window #3 not initialized.\n");
  EXPECT_EQ(WindowTable[1].RGBColorBorder, before);
  EXPECT_EQ(WindowTable[3].TextColor, 0);
}
