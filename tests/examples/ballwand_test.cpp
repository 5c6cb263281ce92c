// Ballwand: the clock moves the ball, the arrow keys move the bat, Esc ends.
#include <gtest/gtest.h>

#include "example_session.h"
#include "host/key_codes.h"
#include "ballwand/program.h"
#include "star_session.h"

using namespace vx;

namespace {
constexpr uint32_t Green = 0x00FF00, Yellow = 0xFFFF00;
constexpr int64_t BatRow = 460;

// The first column of a row (or of any row, for the ball) in that colour; -1 if none.
int64_t firstcolumn(const HostImage& image, int64_t row, uint32_t colour) {
  for (int64_t x = 0; x < image.width; ++x)
    if (vxtest::rgb(image, x, row) == colour) return x;
  return -1;
}
std::pair<int64_t, int64_t> ballat(const HostImage& image) {
  for (int64_t y = 32; y < image.height; ++y)
    if (const int64_t x = firstcolumn(image, y, Yellow); x >= 0) return {x, y};
  return {-1, -1};
}
}  // namespace

TEST(ExampleBallwand, TheClockMovesTheBallAndTheKeysMoveTheBat) {
  int64_t batbefore = -1, batafter = -1;
  std::pair<int64_t, int64_t> firstball{-1, -1}, laterball{-1, -1};
  std::tuple<int64_t, int64_t, int64_t> window;
  const int code = runHeadless(ballwand::program, [&](HeadlessSession& s) {
    auto image = [&] { return vxtest::shownimage(s, 0).value_or(HostImage{}); };
    ASSERT_TRUE(s.waituntil([&] { return firstcolumn(image(), BatRow, Green) >= 0 && ballat(image()).first >= 0; }));
    window = {WindowTable[0].BitDepth, WindowTable[0].Width, WindowTable[0].Height};
    batbefore = firstcolumn(image(), BatRow, Green);
    firstball = ballat(image());
    // No key is pressed: only the clock can move the ball.
    ASSERT_TRUE(s.waituntil([&] {
      laterball = ballat(image());
      return laterball.first >= 0 && laterball != firstball;
    }));
    for (int i = 0; i < 3; ++i) s.press(keycode::RightArrow, "");
    ASSERT_TRUE(s.waituntil([&] { return firstcolumn(image(), BatRow, Green) == batbefore + 96; }));
    s.press(keycode::LeftArrow, "");
    ASSERT_TRUE(s.waituntil([&] {
      batafter = firstcolumn(image(), BatRow, Green);
      return batafter == batbefore + 64;
    }));
    s.press(keycode::Escape, "\x1B");
    ASSERT_TRUE(s.waitforend());
  }, vxtest::sessionoptions());
  EXPECT_EQ(code, 0);
  EXPECT_EQ(window, std::tuple(4, 640, 480));
  EXPECT_EQ(batbefore, (640 - 96) / 2);
  // Served from the middle of the field, downward.
  EXPECT_GE(firstball.second, 72);
}
