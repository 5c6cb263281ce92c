#include <gtest/gtest.h>

#include "console_fixture.h"

using namespace vx;
using namespace consoletest;

namespace {

// The pixels of a whole text line.
std::vector<uint8_t> linepixels(uint8_t window, int64_t y) {
  std::vector<uint8_t> pixels;
  for (int64_t x = 1; x <= WindowTable[window].TextWidth; ++x) {
    const std::vector<uint8_t> cell = cellpixels(window, x, y);
    pixels.insert(pixels.end(), cell.begin(), cell.end());
  }
  return pixels;
}

// Four lines of four letters in colours that differ from line to line.
void openletterwindow(int64_t depth = 24) {
  opentextwindow(0, depth, 4, 4, numberedfont(2, 3));
  printrow(0, "abcd", 1, 1, 0xF0);
  printrow(0, "efgh", 1, 2, 0x1E);
  printrow(0, "ijkl", 1, 3, 0x6A);
  printrow(0, "mnop", 1, 4, 0x9F);
}

}  // namespace

TEST(Scroll, WholeLinesMoveWithTheirPixelsAndTheLineLeftBehindIsCleared) {
  // Up: line 2 becomes line 1 and line 4 line 3; down: line 1 becomes 2 and 3 becomes 4.
  const struct { bool up; std::string text; int64_t from[2], to[2]; } cases[] = {
      {true, "efgh|ijkl|mnop|    |", {2, 4}, {1, 3}},
      {false, "    |abcd|efgh|ijkl|", {1, 3}, {2, 4}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.up ? "up" : "down");
    openletterwindow();
    const std::vector<uint8_t> moved[] = {linepixels(0, c.from[0]), linepixels(0, c.from[1])};
    c.up ? t_ScrollUp(0) : t_ScrollDown(0);
    EXPECT_EQ(screen(0), c.text);
    EXPECT_EQ(std::tuple(linepixels(0, c.to[0]), linepixels(0, c.to[1])), std::tuple(moved[0], moved[1]));
    EXPECT_EQ(std::tuple(cellattribute(0, 2, c.up ? 1 : 3), cellattribute(0, 4, c.up ? 4 : 1)), std::tuple(0x1E, 0xC0));
  }
}

TEST(Scroll, ANarrowAreaIsRedrawnCellByCellAndTheColumnsOutsideStay) {
  openletterwindow();
  t_Window& w = WindowTable[0];
  w.TextFirstColumn = 2;
  w.TextLastColumn = 3;
  w.TextFirstLine = 2;
  w.TextLastLine = 4;
  w.TextInverse = true;  // the moved cells keep their colours, the cleared ones are inverse
  const std::vector<uint8_t> jcell = cellpixels(0, 2, 3);
  const std::vector<uint8_t> leftcolumn = cellpixels(0, 1, 3);
  t_ScrollUp(0);
  EXPECT_EQ(std::tuple(screen(0), cellattribute(0, 2, 2), cellattribute(0, 2, 4), w.TextInverse),
            std::tuple("abcd|ejkh|inol|m  p|", 0x6A, 0x0C, true));
  EXPECT_EQ(cellpixels(0, 1, 3), leftcolumn);
  // 'j' is drawn one line higher in its own colours, not inverted.
  EXPECT_EQ(cellpixels(0, 2, 2), jcell);
}

TEST(Scroll, AOneLineAreaIsOnlyCleared) {
  openletterwindow();
  WindowTable[0].TextFirstLine = 3;
  WindowTable[0].TextLastLine = 3;
  t_ScrollUp(0);
  EXPECT_EQ(screen(0), "abcd|efgh|    |mnop|");
  t_Window& w = WindowTable[0];
  w.TextFirstColumn = 2;
  w.TextLastColumn = 3;
  w.TextFirstLine = w.TextLastLine = 4;
  t_ScrollDown(0);
  EXPECT_EQ(screen(0), "abcd|efgh|    |m  p|");
}

// The cursor table shows the lock keeping the lines in place; here that it
// does so silently, and is tested before the window: an unopened slot says
// nothing either.
TEST(Scroll, ScrollLockStopsBothDirectionsSilently) {
  vxtest::LogCapture capture;
  openletterwindow();
  capture.take();
  for (const uint8_t window : {0, 5}) {
    WindowTable[window].ScrollLock = true;
    t_ScrollUp(window);
    t_ScrollDown(window);
  }
  EXPECT_EQ(std::tuple(screen(0), capture.take()), std::tuple("abcd|efgh|ijkl|mnop|", ""));
}

TEST(Scroll, AFontOfAnotherSizeNeverMovesBytesOutsideTheWindow) {
  vxtest::LogCapture capture;  // the clearing reports cells the new font cannot reach
  // Window 1 lies directly below window 0 in memory.
  opentextwindow(0, 8, 4, 4, numberedfont(2, 3));
  opentextwindow(1, 8, 4, 4, numberedfont(2, 3));
  printrow(0, "abcdefghijklmnop", 1, 1);
  const std::vector<uint8_t> before = ToolkitMemory;
  const t_Window& w = WindowTable[0];
  for (const t_Font& font : {numberedfont(5, 7), numberedfont(1, 1), numberedfont(9, 1)}) {
    t_WindowFont(0, font);
    t_ScrollUp(0);
    t_ScrollDown(0);
  }
  for (int64_t a = 0; a < static_cast<int64_t>(ToolkitMemory.size()); ++a) {
    const bool inside = (a >= w.MemoryStart && a <= w.MemoryEnd) ||
                        (a >= w.TextMemoryStart && a <= w.TextMemoryEnd);
    if (!inside) {
      ASSERT_EQ(ToolkitMemory[a], before[a]) << "address " << a;
    }
  }
}

// Clearing to the end of the line, and to the end of a whole-width area, are
// in the control code table (codes 29 and 11).
TEST(Clear, EndOfWindowClearsFromTheCursorToTheAreasEdgeAndLeavesItThere) {
  openletterwindow(8);
  WindowTable[0].TextFirstColumn = 2, WindowTable[0].TextHpos = 4, WindowTable[0].TextVpos = 1;
  t_ClearEndOfWindow(0);
  EXPECT_EQ(std::tuple(screen(0), WindowTable[0].TextHpos, WindowTable[0].TextVpos, cellattribute(0, 2, 3)),
            std::tuple("abc |e   |i   |m   |", 4, 1, 0xC0));
}
