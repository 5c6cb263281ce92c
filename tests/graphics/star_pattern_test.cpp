#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graphic_window.h"

using namespace vx;

namespace {

constexpr int64_t D = 128;
constexpr double Pi = 3.141592653589793;

void drawstar(int64_t segments) {
  vxtest::opengraphicwindow(1, 1, D, D);
  g_ClearScreen(1, 15, -1);
  t_Color(1, 0, 15);
  g_DrawVelmorandine(1, 0, 0, D - 1, D - 1, segments);
}

// Whether the pixel at `degrees` (0 at 3 o'clock, growing clockwise on the
// screen) and `fraction` of the radius from the centre is drawn.
bool drawnat(double degrees, double fraction) {
  const double a = degrees * Pi / 180;
  const double r = fraction * D / 2;
  const auto x = static_cast<int64_t>(D / 2 + r * std::cos(a));
  const auto y = static_cast<int64_t>(D / 2 + r * std::sin(a));
  return g_Scrn(1, x, y) == 0;
}

}  // namespace

// Of the 2 x N sectors of 180/N degrees from 3 o'clock, clockwise on the
// screen, the even ones are filled: one segment fills the lower half, four
// give 45-degree wedges, the first just below the line right of the centre.
// Nothing is drawn outside the circle. (That the star repeats pixel for pixel
// is the differential test's and the headless session's: both compare it
// with the literal sweep.)
TEST(StarPattern, FillsEveryOtherSectorClockwiseFromThreeOClockInsideTheCircle) {
  for (int64_t segments : {1, 4}) {
    drawstar(segments);
    const double sector = 180.0 / static_cast<double>(segments);
    for (int64_t k = 0; k < 2 * segments; ++k)
      for (double inside : {0.25, 0.5, 0.75})
        for (double f : {0.3, 0.6, 0.95})
          EXPECT_EQ(drawnat(sector * (static_cast<double>(k) + inside), f), k % 2 == 0)
              << segments << " segments, sector " << k << " at " << inside << ", radius " << f;
    for (int64_t y = 0; y < D; ++y)
      for (int64_t x = 0; x < D; ++x)
        EXPECT_TRUE(g_Scrn(1, x, y) != 0 || std::hypot(x - D / 2.0, y - D / 2.0) <= D / 2.0 + 1) << x << "," << y;
  }
}

TEST(StarPattern, RefusesBadWindowsAndSegmentCounts) {
  vxtest::opengraphicwindow(1, 1, 32, 32);
  const std::vector<uint8_t> before = ToolkitMemory;
  vxtest::LogCapture capture;
  g_DrawVelmorandine(1, 0, 0, 31, 31, 0);
  g_DrawVelmorandine(1, 0, 0, 31, 31, 361);
  g_DrawVelmorandine(8, 0, 0, 31, 31, 0);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "g_DrawVelmorandine: Illegal segment count.\n"
            "g_DrawVelmorandine: Illegal segment count.\n"
            "g_DrawVelmorandine: Window is not a graphic window.\n");
  EXPECT_TRUE(ToolkitMemory == before);
  // An uninitialised window is reported by every line the sweep asks for.
  g_DrawVelmorandine(3, 0, 0, 3, 3, 1);
  const std::string log = vxtest::withoutrefreshlines(capture.take());
  EXPECT_EQ(log.rfind("g_Line: Graphic window #3 not initialized.\n", 0), 0u);
  EXPECT_GT(std::count(log.begin(), log.end(), '\n'), 1);
}
