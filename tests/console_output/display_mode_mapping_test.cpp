#include <gtest/gtest.h>

#include "text_window.h"

using namespace vx;
using vxtest::cellattribute;
using vxtest::cellcode;

TEST(DisplayModes, GlyphShifts) {
  t_Window& w = vxtest::opentextwindow(0, 20, 2);
  t_DisplayMode(0, 1);
  t_Print(0, " A\x7F\xC2\x80");
  EXPECT_EQ(cellcode(0, 1, 1), 160);
  EXPECT_EQ(cellcode(0, 2, 1), 193);
  EXPECT_EQ(cellcode(0, 3, 1), 255);
  EXPECT_EQ(cellcode(0, 4, 1), 0x80);  // beyond 127 unchanged
  t_DisplayMode(0, 2);
  t_Print(0, "@_`\x7F?");
  EXPECT_EQ(cellcode(0, 5, 1), 0);
  EXPECT_EQ(cellcode(0, 6, 1), 31);
  EXPECT_EQ(cellcode(0, 7, 1), 128);
  EXPECT_EQ(cellcode(0, 8, 1), 159);
  EXPECT_EQ(cellcode(0, 9, 1), '?');
  // Control codes still act in these modes.
  t_Print(0, "\r");
  EXPECT_EQ(w.TextVpos, 2);
}

TEST(DisplayModes, ControlCodesAsLettersForOneCharacterOnly) {
  t_Window& w = vxtest::opentextwindow(0, 20, 2);
  t_DisplayMode(0, 3);
  t_Print(0, "\x01x");
  EXPECT_EQ(cellcode(0, 1, 1), 'A');
  EXPECT_EQ(cellattribute(0, 1, 1), 0x0C);  // drawn inverse
  EXPECT_EQ(cellattribute(0, 2, 1), 0xC0);
  EXPECT_FALSE(w.TextInverse);
  t_DisplayMode(0, 4);
  t_Print(0, "\x1B" "y\xE2\x82\xAC" "z");
  EXPECT_EQ(cellcode(0, 3, 1), '[');
  EXPECT_EQ(cellattribute(0, 3, 1), 0x10);  // colour 1 on black
  EXPECT_EQ(cellattribute(0, 4, 1), 0xC0);
  EXPECT_EQ(cellcode(0, 5, 1), '?');  // no glyph: "?" in colour 1
  EXPECT_EQ(cellattribute(0, 5, 1), 0x10);
  EXPECT_EQ(cellattribute(0, 6, 1), 0xC0);
  EXPECT_EQ(w.TextColor, 0xC0);
  // In mode 0 a character without a glyph is a "?" in the current colour.
  t_DisplayMode(0, 0);
  t_Print(0, "\xE2\x82\xAC");
  EXPECT_EQ(cellcode(0, 7, 1), '?');
  EXPECT_EQ(cellattribute(0, 7, 1), 0xC0);
}

TEST(EscapeCommands, Colours) {
  t_Window& w = vxtest::opentextwindow(0, 20, 2);
  t_Print(0, "\x1BQa");  // ESC then 81: background 1
  EXPECT_EQ(cellcode(0, 1, 1), 'a');
  EXPECT_EQ(cellattribute(0, 1, 1), 0xC1);
  EXPECT_EQ(w.TextDisplayMode, 0);
  t_Print(0, "\x1BOb");  // 79: text colour 15
  EXPECT_EQ(cellattribute(0, 2, 1), 0xF1);
  t_Print(0, "\x1B@\x1BP");  // 64 and 80: black on black
  EXPECT_EQ(w.TextColor, 0x00);
  t_Print(0, "\x1B_");  // 95: background 15
  EXPECT_EQ(w.TextColor, 0x0F);
  EXPECT_EQ(w.TextHpos, 3);  // commands draw nothing

  // An unknown character is printed and the escape goes on.
  t_Print(0, "\x1B" "a");
  EXPECT_EQ(cellcode(0, 3, 1), 'a');
  EXPECT_EQ(w.TextDisplayMode, 99);
  t_Print(0, "\x01");  // control codes are printed as glyphs during an escape
  EXPECT_EQ(cellcode(0, 4, 1), 1);
  t_Print(0, "R");
  EXPECT_EQ(w.TextDisplayMode, 0);
  EXPECT_EQ(w.TextColor, 0x02);

  t_Print(0, "\x1Bo");  // 110..127: border colours 0..17
  EXPECT_EQ(w.RGBColorBorder, (t_RGBColor{255, 255, 0, 0}));
  t_Print(0, "\x1B\x7D");  // 125: colour 15
  EXPECT_EQ(w.RGBColorBorder, (t_RGBColor{255, 255, 255, 255}));
  EXPECT_EQ(w.TextDisplayMode, 0);
}

TEST(EscapeCommands, CursorAndTabStops) {
  t_Window& w = vxtest::opentextwindow(0, 45, 3);
  t_Print(0, "\x1B" "e");
  EXPECT_EQ(w.TextHpos, 45);
  EXPECT_EQ(w.TextVpos, 3);
  t_Print(0, "\x1B" "f");
  EXPECT_EQ(w.TextHpos, 45);
  w.TextHpos = 1;
  w.TextVpos = 1;
  t_Print(0, "ab\x1Bi");
  EXPECT_EQ(w.TextHpos, 11);
  EXPECT_EQ(vxtest::linetext(0, 1).substr(0, 12), "ab          ");
  t_Print(0, "\x1Bi");
  EXPECT_EQ(w.TextHpos, 21);
  t_Print(0, "\x1Bj");
  EXPECT_EQ(w.TextHpos, 41);
  w.TextHpos = 3;
  t_Print(0, "\x1Bk");
  EXPECT_EQ(w.TextHpos, 41);
  // A stop beyond the line clears its rest and starts the next line.
  t_Print(0, "xyz\x1Bk");
  EXPECT_EQ(w.TextHpos, 1);
  EXPECT_EQ(w.TextVpos, 2);
  EXPECT_EQ(vxtest::linetext(0, 1).substr(40), "xyz  ");
  EXPECT_EQ(w.TextDisplayMode, 0);
}

TEST(EscapeCommands, RefusedWindowAnswersNothingToDraw) {
  vxtest::LogCapture capture;
  const DisplayedCharacter shown = t_ApplyDisplayMode(9, 'a');
  EXPECT_EQ(shown.code, -2);
  EXPECT_FALSE(shown.inverse);
  EXPECT_EQ(shown.colour, 0xF0);
  EXPECT_EQ(capture.take(), "t_ApplyDisplayMode: Window is not a graphic window.\n");
}
