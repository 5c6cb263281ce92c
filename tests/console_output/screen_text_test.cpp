#include <gtest/gtest.h>

#include <tuple>

#include "text_window.h"

using namespace vx;
using vxtest::linetext;

TEST(ScreenText, LinesOfGlyphs) {
  t_Window& w = vxtest::opentextwindow(0, 8, 3);
  t_TextHline(0, 2, 4, 3, '=');
  t_TextHline(0, 5, 4, 3, '#');  // x2 before x1: nothing
  EXPECT_EQ(std::tuple(linetext(0, 3), w.TextHpos), std::tuple(" ===    ", 1));
  w.TextHpos = 6;
  t_TextLine(0);
  EXPECT_EQ(std::tuple(linetext(0, 1), w.TextHpos, w.TextVpos), std::tuple("     \u009C\u009C\u009C", 1, 2));
}

TEST(ScreenText, HeaderFillsOneLine) {
  t_Window& w = vxtest::opentextwindow(0, 10, 2);
  t_Header(0, "left", "right");  // 9 characters: one space between
  EXPECT_EQ(std::tuple(linetext(0, 1), w.TextHpos, w.TextVpos), std::tuple("left right", 1, 2));
  t_Header(0, "lefty", "right");  // one too long: cut; the new line scrolls
  EXPECT_EQ(std::tuple(linetext(0, 1), linetext(0, 2)), std::tuple("leftyright", std::string(10, ' ')));
  // In a one-line area the last column must not wrap (that would clear the
  // line); the header ends at the start of its line.
  w.TextFirstLine = 2;
  w.TextHpos = 1;
  t_Header(0, "a", "\xE2\x82\xAC");
  EXPECT_EQ(std::tuple(linetext(0, 2), w.TextHpos, w.TextVpos), std::tuple("a        ?", 1, 2));
}

TEST(ScreenText, ReadsTheScreenBack) {
  vxtest::opentextwindow(0, 4, 4);
  t_Print(0, "ab\r \xC3\xA9");
  EXPECT_EQ(t_GetScreen(0, ""), "ab   \xC3\xA9  " "    " "    ");
  EXPECT_EQ(t_GetScreen(0, "|"), "ab  | \xC3\xA9  |    |    |");
  // With a CR line end, trailing spaces and empty lines go.
  EXPECT_EQ(t_GetScreen(0, "\r"), "ab\r \xC3\xA9");
  t_Print(0, "\r\rx");
  EXPECT_EQ(t_GetScreen(0, "\r"), "ab\r \xC3\xA9\r\rx");
  t_Print(0, "\x0C");  // cleared: the first line stays, empty
  EXPECT_EQ(t_GetScreen(0, "\r"), "");
  vxtest::LogCapture capture;
  EXPECT_EQ(t_GetScreen(8, "\r"), "");
  EXPECT_EQ(capture.take(), "t_GetScreen: Window is not a graphic window.\n");
}
