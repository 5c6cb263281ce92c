// Calls given the ends of Int (or of a double) as coordinates, columns, sizes
// and borders, and records whose fields a program set far beyond any picture.
// Each once overflowed a signed sum (the sanitizer build aborts on that); now
// each saturates or refuses, and the table says which result it keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "graphic_window.h"
#include "text_window.h"
#include "windows/window_geometry.h"

using namespace vx;

namespace {

constexpr int64_t Max = std::numeric_limits<int64_t>::max();
constexpr int64_t Min = std::numeric_limits<int64_t>::min();

struct ExtremeCall {
  const char* name;
  std::function<void()> call;
  std::function<void()> check;  // what the call left
};

void runall(const std::vector<ExtremeCall>& calls) {
  for (const ExtremeCall& c : calls) {
    SCOPED_TRACE(c.name);
    vxtest::opentextwindow(0, 20, 3);
    vxtest::opengraphicwindow(1, 32, 64, 64);
    vxtest::LogCapture capture;
    c.call();
    c.check();
  }
}

int64_t cursor() { return WindowTable[0].TextHpos; }

}  // namespace

// Text calls whose column arithmetic overflowed: they refuse what lies beyond
// the line and leave the cursor where it was.
TEST(ExtremeArguments, TextColumnsRefuseWhatLiesBeyondTheLine) {
  runall({
      {"t_PrintTab to the smallest Int prints nothing",
       [] { t_PrintTab(0, Min, '*'); }, [] { EXPECT_EQ(std::pair(cursor(), vxtest::cellcode(0, 1, 1)), std::pair(int64_t{1}, uint8_t{' '})); }},
      {"t_Htab to the largest Int stays",
       [] { t_Htab(0, Max); }, [] { EXPECT_EQ(cursor(), 1); }},
      {"t_Htab with a first column of the smallest Int counts from it without overflowing",
       [] {
         WindowTable[0].TextFirstColumn = Min;
         t_Htab(0, 5);
       },
       [] { EXPECT_EQ(cursor(), Min + 4); }},
      {"a tab stop with the cursor near the largest Int lies beyond: a new line",
       [] {
         WindowTable[0].TextHpos = Max - 3;
         t_Print(0, "\x1b" "k");
       },
       [] { EXPECT_EQ(std::pair(cursor(), int64_t{WindowTable[0].TextVpos}), std::pair(int64_t{1}, int64_t{2})); }},
      {"t_CursorRight from the largest Int column wraps to the next line",
       [] {
         WindowTable[0].TextHpos = Max;
         t_CursorRight(0);
       },
       [] { EXPECT_EQ(std::pair(cursor(), int64_t{WindowTable[0].TextVpos}), std::pair(int64_t{1}, int64_t{2})); }},
      {"t_CursorUp from the smallest Int line scrolls and stays one above it",
       [] {
         WindowTable[0].TextVpos = Min;
         t_CursorUp(0);
       },
       [] { EXPECT_EQ(int64_t{WindowTable[0].TextVpos}, Min + 1); }},
      {"t_ClearEndOfWindow with an area to the largest Int line clears the picture's lines only",
       [] {
         WindowTable[0].TextLastLine = Max;
         t_ClearEndOfWindow(0);
       },
       [] {
         EXPECT_EQ(vxtest::occurrences(takelogcapture(), "illegal coordinates"), 0u);
         EXPECT_EQ(std::pair(cursor(), int64_t{WindowTable[0].TextVpos}), std::pair(int64_t{1}, int64_t{1}));
       }},
      {"t_ScrollDown of an area from the smallest Int line moves no cells",
       [] {
         t_Print(0, "kept");
         WindowTable[0].TextFirstLine = Min;
         t_ScrollDown(0);
       },
       [] {
         EXPECT_EQ(vxtest::occurrences(takelogcapture(), "illegal coordinates"), 20u);  // the cleared line
         EXPECT_EQ(vxtest::linetext(0, 1), "kept                ");
       }},
      {"t_TextHline over the last cells of Int draws three (none on the picture)",
       [] { t_TextHline(0, Max - 2, Max, 1, 'x'); },
       [] { EXPECT_EQ(vxtest::occurrences(takelogcapture(), "illegal coordinates"), 3u); }},
  });
}

// Geometry of host windows: sums of record fields and host frames beyond
// Int saturate at its ends; so t_WindowPos answers the nearest Int.
TEST(ExtremeArguments, WindowGeometrySaturatesAtTheEndsOfInt) {
  runall({
      {"a border of 2^62 makes the outer width the largest Int",
       [] { t_InitWindow(1, 8, false, 64, 64, int64_t{1} << 62, int64_t{1} << 62, t_Font{}, true); },
       [] {
         EXPECT_EQ(t_WindowPos(1, PosOuterWidth), Max);
         EXPECT_EQ(t_WindowPos(1, PosPictureWidth), 64);
       }},
      {"a frame at the smallest Int",
       [] { t_WindowSize(1, Min, Min, Min, Min); },
       [] {
         EXPECT_EQ(t_WindowPos(1, PosFrameX), Min);
         EXPECT_EQ(t_WindowPos(1, PosTopDistance), Max);
         for (int64_t code = 0; code <= 21; ++code) (void)t_WindowPos(1, code);
       }},
      {"a frame of the largest sizes",
       [] { t_WindowSize(1, Max, Max, Max, Max); },
       [] {
         EXPECT_EQ(t_WindowPos(1, PosFrameY), Max);
         EXPECT_LT(t_WindowPos(1, PosTopDistance), 0);
         for (int64_t code = 0; code <= 21; ++code) (void)t_WindowPos(1, code);
       }},
      {"a text area of the extremes",
       [] {
         WindowTable[0].TextFirstColumn = Min;
         WindowTable[0].TextLastColumn = Max;
       },
       [] { EXPECT_EQ(t_WindowPos(0, PosTextAreaColumns), Max); }},
  });
}

// A click's position comes from the host as a double: beyond Int it is held
// at Int's ends, and not-a-number reads as 0.
TEST(ExtremeArguments, ClicksBeyondIntLandOutsideThePicture) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  struct Click {
    double x, y;
    const char* line;
  };
  for (const Click& c : {Click{nan, nan, "X = 0, Y = -2"}, Click{inf, -inf, "X = -2, Y = -2"},
                         Click{-inf, inf, "X = -1, Y = -1"}, Click{1e300, -1e300, "X = -2, Y = -2"}}) {
    SCOPED_TRACE(c.line);
    vxtest::opengraphicwindow(1, 32, 64, 64);
    vxtest::LogCapture capture;
    t_MouseEventHandler(1, HostMouseEvent{c.x, c.y, 1, 0}, c.x, c.y);
    EXPECT_NE(capture.take().find(std::string("Graphic #1 window, ") + c.line), std::string::npos);
  }
}

// A record whose picture was made far wider than any memory by hand (or
// negative): the
// drawing, capturing, printing and imaging calls touch nothing (the row no
// longer fits the block), whatever its depth.
TEST(ExtremeArguments, RecordsWiderThanTheMemoryDrawNothing) {
  for (const int64_t depth : {1, 4, 8, 16, 24, 32})
    for (const int64_t width : {Max / 2, Min}) {
      SCOPED_TRACE(std::to_string(depth) + " bits, width " + std::to_string(width));
      vxtest::opentextwindow(0, 20, 3);
      vxtest::opengraphicwindow(1, depth, 64, 64);
      t_Window& graphic = WindowTable[1];
      t_Window& text = WindowTable[0];
      graphic.Width = width;
      text.Width = width;
      const auto block = [&] {
        return std::vector<uint8_t>(ToolkitMemory.begin() + graphic.MemoryStart,
                                    ToolkitMemory.begin() + graphic.MemoryEnd + 1);
      };
      const std::vector<uint8_t> before = block();
      vxtest::LogCapture capture;
      g_Plot(1, 3, 3);
      g_Line(1, 0, 0, 63, 63);
      g_ClearScreen(1, 15, -1);
      g_DrawVelmorandine(1, 0, 0, 63, 63, 8);
      EXPECT_TRUE(g_GetScreen(1).Data.empty());
      EXPECT_FALSE(t_WindowImage(1).has_value());
      t_ScrollUp(0);
      t_Print(0, "ab\r");
      EXPECT_TRUE(block() == before);
    }
}
