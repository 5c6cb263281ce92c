#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "console_fixture.h"

using namespace vx;
using namespace consoletest;

namespace {

// Column and line of the cursor.
using Cursor = std::pair<int64_t, int64_t>;

Cursor cursor(uint8_t window) { return {WindowTable[window].TextHpos, WindowTable[window].TextVpos}; }

void placecursor(uint8_t window, Cursor at) { std::tie(WindowTable[window].TextHpos, WindowTable[window].TextVpos) = at; }

// A 4 x 3 window with the text area columns 2..3, lines 2..3 and a letter per cell.
void openareawindow() {
  opentextwindow(0, 8, 4, 3, numberedfont(1, 1));
  printrow(0, "abcd", 1, 1);
  printrow(0, "efgh", 1, 2);
  printrow(0, "ijkl", 1, 3);
  t_Window& w = WindowTable[0];
  w.TextFirstColumn = 2;
  w.TextLastColumn = 3;
  w.TextFirstLine = 2;
  w.TextLastLine = 3;
}

}  // namespace

// Moves wrap at the edges of the area: right past column 3 to the start of
// the next line, left past column 2 to the end of the line above. Leaving the
// area's bottom or top line scrolls the area (line 1 lies outside it), unless
// ScrollLock keeps the cursor on the edge line. Each row on a fresh window.
TEST(Cursor, MovesWrapAtTheEdgesAndScrollTheAreaUnlessLocked) {
  const std::string still = "abcd|efgh|ijkl|", up = "abcd|ejkh|i  l|", down = "abcd|e  h|ifgl|";
  const struct {
    bool lock;
    Cursor from;
    void (*move)(uint8_t);
    Cursor to;
    std::string shown;
  } cases[] = {
      {false, {3, 3}, t_CursorHome, {2, 2}, still}, {false, {2, 2}, t_CursorRight, {3, 2}, still},
      {false, {3, 2}, t_CursorRight, {2, 3}, still}, {false, {2, 3}, t_CursorLeft, {3, 2}, still},
      {false, {3, 2}, t_CursorDown, {3, 3}, still}, {false, {3, 3}, t_CursorUp, {3, 2}, still},
      {false, {2, 2}, t_CursorEnd, {3, 3}, still}, {false, {3, 3}, t_Cr, {2, 3}, up},
      {false, {3, 3}, t_CursorRight, {2, 3}, up}, {false, {3, 3}, t_CursorDown, {3, 3}, up},
      {false, {2, 2}, t_CursorLeft, {3, 2}, down}, {false, {2, 2}, t_CursorUp, {2, 2}, down},
      {true, {3, 3}, t_Cr, {2, 3}, still}, {true, {2, 3}, t_CursorDown, {2, 3}, still},
      {true, {2, 2}, t_CursorUp, {2, 2}, still},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    openareawindow();
    WindowTable[0].ScrollLock = cases[i].lock;
    placecursor(0, cases[i].from);
    cases[i].move(0);
    EXPECT_EQ(std::tuple(cursor(0), screen(0)), std::tuple(cases[i].to, cases[i].shown));
  }
}

TEST(Cursor, HtabCountsFromTheAreaAndStaysInsideTheWindow) {
  vxtest::LogCapture capture;
  openareawindow();
  capture.take();
  // Column 3 of the area may pass its last column, not the window's; 0 and 4 change nothing.
  for (const auto& [column, hpos] : {std::pair{3, 4}, {0, 4}, {4, 4}, {1, 2}}) {
    t_Htab(0, column);
    EXPECT_EQ(WindowTable[0].TextHpos, hpos) << column;
  }
  EXPECT_EQ(capture.take(), "");
}

// The cursor shows (inverted) from level 1 on; each call moves the level by one.
TEST(Cursor, TheVisibleCursorFollowsItsLevel) {
  opentextwindow(0, 8, 4, 3, numberedfont(1, 1));
  placecursor(0, {2, 3});
  const uint8_t plain = cellattribute(0, 2, 3), shown = 0x0C;
  const std::pair<void (*)(uint8_t), uint8_t> steps[] = {
      {t_CursorOn, shown}, {t_CursorOn, shown}, {t_CursorOff, shown}, {t_CursorOff, plain},
      {t_CursorOff, plain},  // level -1 draws nothing
      {t_CursorOn, plain}};  // back to 0 draws nothing either
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].first(0);
    EXPECT_EQ(cellattribute(0, 2, 3), steps[i].second) << "step " << i;
  }
  EXPECT_EQ(WindowTable[0].TextCursorLevel, 0);
}
