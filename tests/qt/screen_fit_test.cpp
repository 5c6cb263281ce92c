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

// A window that would cover another's lines goes beside, above or below
// them, where its content shows largest, and smaller in proportion if it
// must; one that covers nothing of them, or finds no useful room, stays.
TEST(ScreenFit, AWindowLeavesAnotherWindowsLastLinesInSight) {
  const QRect screen(0, 0, 1920, 1200);
  const QMargins frame(1, 20, 1, 5);
  const QRect lines(319, 700, 1282, 330);  // the text window from its cursor's line down
  const QRect huge(-6282, -7021, 8202, 8225);
  const auto room = vx::qt::roombeside(huge, screen, frame, lines);
  ASSERT_TRUE(room.has_value());
  EXPECT_EQ(*room, QRect(0, 0, 1920, 700));  // above the lines: the widest view of the picture
  const QRect placed = vx::qt::fittedinroom(huge, *room, frame);
  EXPECT_LE(placed.marginsAdded(frame).bottom(), 699);
  EXPECT_TRUE(screen.contains(placed.marginsAdded(frame)));
  EXPECT_NEAR(double(placed.width()) / placed.height(), 8202.0 / 8225.0, 0.01);
  // Small enough for the room: kept at its size, moved up out of the lines.
  const QRect small(100, 600, 522, 547);
  EXPECT_EQ(vx::qt::fittedinroom(small, *vx::qt::roombeside(small, screen, frame, lines), frame),
            QRect(100, 148, 522, 547));
  // Clear of the lines: nothing to do.
  EXPECT_FALSE(vx::qt::roombeside(QRect(20, 20, 200, 200), screen, frame, lines).has_value());
  // Lines that fill the screen leave no useful room.
  EXPECT_FALSE(vx::qt::roombeside(huge, screen, frame, QRect(100, 100, 1720, 1000)).has_value());
}
