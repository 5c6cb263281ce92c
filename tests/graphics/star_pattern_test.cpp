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

TEST(StarPattern, OneSegmentFillsTheLowerHalf) {
  drawstar(1);
  for (double degrees = 3; degrees < 178; degrees += 5)
    for (double f : {0.2, 0.6, 0.95}) EXPECT_TRUE(drawnat(degrees, f)) << degrees << " " << f;
  for (double degrees = 183; degrees < 358; degrees += 5)
    for (double f : {0.2, 0.6, 0.95}) EXPECT_FALSE(drawnat(degrees, f)) << degrees << " " << f;
  EXPECT_FALSE(drawnat(45, 1.2));  // outside the ellipse: untouched
}

TEST(StarPattern, FourSegmentsGiveFortyFiveDegreeWedgesTurningClockwise) {
  drawstar(4);
  for (int k = 0; k < 8; ++k) {
    const bool filled = k % 2 == 0;  // [0, 45) filled, [45, 90) empty, ...
    for (double inside : {5.0, 22.5, 40.0})
      for (double f : {0.3, 0.9}) EXPECT_EQ(drawnat(45.0 * k + inside, f), filled) << k << " " << inside;
  }
  // The first wedge lies below the horizontal line right of the centre.
  EXPECT_TRUE(drawnat(10, 0.8));
  EXPECT_FALSE(drawnat(-10, 0.8));
}

TEST(StarPattern, StaysInsideTheCircleAndRepeatsPixelForPixel) {
  drawstar(36);
  int64_t black = 0;
  for (int64_t y = 0; y < D; ++y)
    for (int64_t x = 0; x < D; ++x)
      if (g_Scrn(1, x, y) == 0) {
        ++black;
        EXPECT_LE(std::hypot(x - D / 2.0, y - D / 2.0), D / 2.0 + 1) << x << "," << y;
      }
  EXPECT_GT(black, D * D / 4);
  const t_Graphic first = g_GetScreen(1);
  g_ClearScreen(1, 15, -1);
  g_DrawVelmorandine(1, 0, 0, D - 1, D - 1, 36);
  EXPECT_EQ(g_GetScreen(1), first);
  g_ClearScreen(1, 15, -1);
  g_DrawVelmorandineReference(1, 0, 0, D - 1, D - 1, 36);
  EXPECT_EQ(g_GetScreen(1), first);
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
