#include <gtest/gtest.h>

#include <tuple>

#include "text_window.h"

using namespace vx;

using Bytes = std::vector<uint8_t>;

TEST(DisplayModes, GlyphShifts) {
  t_Window& w = vxtest::opentextwindow(0, 20, 2);
  t_DisplayMode(0, 1);
  t_Print(0, " A\x7F\xC2\x80");
  t_DisplayMode(0, 2);
  t_Print(0, "@_`\x7F?");
  EXPECT_EQ(vxtest::linecodes(0, 1, 9), (Bytes{160, 193, 255, 0x80, 0, 31, 128, 159, '?'}));
  t_Print(0, "\r");  // control codes still act in these modes
  EXPECT_EQ(w.TextVpos, 2);
}

TEST(DisplayModes, ControlCodesAsLettersForOneCharacterOnly) {
  t_Window& w = vxtest::opentextwindow(0, 20, 2);
  t_DisplayMode(0, 3);
  t_Print(0, "\x01x");
  t_DisplayMode(0, 4);
  // A character without a glyph is a "?", in colour 1 in this mode only.
  t_Print(0, "\x1B" "y\xE2\x82\xAC" "z");
  EXPECT_EQ(std::tuple(w.TextInverse, w.TextColor), std::tuple(false, 0xC0));
  t_DisplayMode(0, 0);
  t_Print(0, "\xE2\x82\xAC");
  EXPECT_EQ(std::tuple(vxtest::linecodes(0, 1, 7), vxtest::linecodes(0, 1, 7, true)),
            std::tuple(Bytes{'A', 'x', '[', 'y', '?', 'z', '?'}, Bytes{0x0C, 0xC0, 0x10, 0xC0, 0x10, 0xC0, 0xC0}));
}

TEST(EscapeCommands, Colours) {
  t_Window& w = vxtest::opentextwindow(0, 20, 2);
  t_Print(0, "\x1BQa");  // 81: background 1
  t_Print(0, "\x1BOb");  // 79: text colour 15
  // Commands draw nothing.
  EXPECT_EQ(std::tuple(vxtest::linecodes(0, 1, 3), vxtest::linecodes(0, 1, 2, true), w.TextDisplayMode),
            std::tuple(Bytes{'a', 'b', ' '}, Bytes{0xC1, 0xF1}, 0));
  t_Print(0, "\x1B@\x1BP");  // 64 and 80: colour 0 on 0
  EXPECT_EQ(w.TextColor, 0x00);
  t_Print(0, "\x1B_");  // 95: background 15
  EXPECT_EQ(w.TextColor, 0x0F);
  // A character that is no command is printed, control codes as glyphs, and
  // the escape goes on.
  t_Print(0, "\x1B" "a\x01");
  EXPECT_EQ(std::tuple(vxtest::linecodes(0, 1, 4), w.TextDisplayMode), std::tuple(Bytes{'a', 'b', 'a', 1}, 99));
  t_Print(0, "R");
  EXPECT_EQ(std::tuple(w.TextDisplayMode, w.TextColor), std::tuple(0, 0x02));
  t_Print(0, "\x1Bo");  // 110..127: border colours 0..17
  EXPECT_EQ(w.RGBColorBorder, (t_RGBColor{255, 255, 0, 0}));
  t_Print(0, "\x1B\x7D");
  EXPECT_EQ(w.RGBColorBorder, (t_RGBColor{255, 255, 255, 255}));
}

// Each step from the cursor position it names, in a window of 45 x 3 cells.
TEST(EscapeCommands, CursorAndTabStops) {
  t_Window& w = vxtest::opentextwindow(0, 45, 3);
  const struct { int64_t hpos, vpos; std::string text; int64_t tohpos, tovpos; } steps[] = {
      // e: the end of the area; f: the last column of the line.
      {1, 1, "\x1B" "e", 45, 3}, {1, 1, "\x1B" "f", 45, 1},
      // i, j, k: the next stop of a grid of 10, 20 or 40 columns.
      {1, 1, "ab\x1Bi", 11, 1}, {11, 1, "\x1Bi", 21, 1}, {21, 1, "\x1Bj", 41, 1}, {3, 1, "\x1Bk", 41, 1},
      // A stop beyond the line clears its rest and starts the next line.
      {41, 1, "xyz\x1Bk", 1, 2},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.text);
    w.TextHpos = s.hpos;
    w.TextVpos = s.vpos;
    t_Print(0, s.text);
    EXPECT_EQ(std::tuple(w.TextHpos, w.TextVpos, w.TextDisplayMode), std::tuple(s.tohpos, s.tovpos, 0));
  }
  EXPECT_EQ(vxtest::linetext(0, 1), "ab" + std::string(38, ' ') + "xyz  ");
}

TEST(EscapeCommands, RefusedWindowAnswersNothingToDraw) {
  vxtest::LogCapture capture;
  const DisplayedCharacter shown = t_ApplyDisplayMode(9, 'a');
  EXPECT_EQ(std::tuple(shown.code, shown.inverse, shown.colour), std::tuple(-2, false, 0xF0));
  EXPECT_EQ(capture.take(), "t_ApplyDisplayMode: Window is not a graphic window.\n");
}
