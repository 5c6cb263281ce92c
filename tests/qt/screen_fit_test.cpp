#include <gtest/gtest.h>

#include "hosts/qt/screen_fit.h"

using vx::qt::fittedgeometry;

TEST(ScreenFit, AWindowOpensWhollyInsideTheAvailableAreaTitleBarIncluded) {
  const QRect screen(0, 0, 1920, 1200), belowpanel(0, 30, 1920, 1170);
  const QMargins frame(1, 20, 1, 5);  // left, title bar, right, bottom
  const struct {
    const char* what;
    QRect wanted, available;
    QRect fitted;
  } cases[] = {
      {"fits: kept exactly", {300, 100, 1312, 851}, screen, {300, 100, 1312, 851}},
      {"title bar above the screen: moved down", {0, 0, 1312, 851}, screen, {1, 20, 1312, 851}},
      {"past the right edge: moved left", {1000, 40, 1034, 1053}, screen, {885, 40, 1034, 1053}},
      {"larger than the screen: as large as fits",
       {-6282, -7021, 8202, 8221}, screen, {1, 20, 1918, 1175}},
      {"under a panel", {50, 0, 400, 300}, belowpanel, {50, 50, 400, 300}},
  };
  for (const auto& c : cases) EXPECT_EQ(fittedgeometry(c.wanted, c.available, frame), c.fitted) << c.what;
}
