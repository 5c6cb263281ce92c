#include <gtest/gtest.h>

#include <optional>

#include "graphic_window.h"

using namespace vx;

// The text colour holds the drawing colour in its high nibble and the second
// colour in its low one, kept when none is given; colours are taken modulo
// 16 (a negative one stays inside the palette instead of wrapping the byte);
// the drawing colour's palette entry becomes the RGB colour.
TEST(DrawingColour, SetsBothNibblesOrKeepsTheSecondColour) {
  vxtest::opengraphicwindow(1, 24, 32, 32);
  const struct { int64_t first; std::optional<int64_t> second; uint8_t text; t_RGBColor rgb; } steps[] = {
      {0, 15, 0x0F, {255, 0, 0, 0}},
      {1, std::nullopt, 0x1F, {255, 255, 0, 0}},
      {18, 20, 0x24, t_PaletteColor(2)},
      {-1, -2, 0xFE, t_PaletteColor(15)}};
  for (const auto& s : steps) {
    s.second ? t_Color(1, s.first, *s.second) : t_Color(1, s.first);
    EXPECT_EQ(std::tuple(WindowTable[1].TextColor, WindowTable[1].RGBColor), std::tuple(s.text, s.rgb)) << s.first;
  }
  EXPECT_EQ(t_PaletteColor(16), (t_RGBColor{255, 0, 0, 0}));
}

// The border colour (modulo 16) becomes the host window's background; other
// windows are refused with their lines and change nothing.
TEST(DrawingColour, BorderColourBecomesTheHostBackgroundAndOtherWindowsAreRefused) {
  HeadlessHost& h = useHeadlessHost();
  vxtest::opengraphicwindow(2, 8, 32, 32);
  EXPECT_EQ(WindowTable[2].RGBColorBorder, t_PaletteColor(5));  // set by initialisation
  t_ColorBorder(2, 15 + 16);
  EXPECT_EQ(std::tuple(WindowTable[2].RGBColorBorder, h.windowstate(*WindowTable[2].Window).background),
            std::tuple(t_PaletteColor(15), t_PaletteColor(15)));
  vxtest::LogCapture capture;
  t_ColorBorder(9, 1);
  t_Color(8, 1);
  t_Color(3, 1, 2);
  t_ColorBorder(3, 1);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "t_ColorBorder: Window is not a graphic window.\n"
            "t_Color: Window is not a graphic window.\n"
            "t_Color: Window #3 not initialized.\n"
            "t_ColorBorder: Window #3 not initialized.\n");
  EXPECT_EQ(std::tuple(WindowTable[2].RGBColorBorder, WindowTable[3].TextColor), std::tuple(t_PaletteColor(15), 0));
}
