#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <tuple>

#include "text_window.h"

using namespace vx;

using vxtest::presskey;

TEST(OutputPause, OnlyTheMostRecentKeyCounts) {
  vxtest::opentextwindow(0, 10, 2);
  EXPECT_FALSE(t_CheckPause(19, false));
  presskey(0, 1, "\x13", ControlModifier);
  presskey(0, 0, "a");
  EXPECT_FALSE(t_CheckPause(19, false));
  EXPECT_EQ(EventQueue.size(), 2);
  presskey(0, 1, "\x13", ControlModifier);
  EXPECT_TRUE(t_CheckPause(19, false));
  EXPECT_EQ(std::tuple(EventQueue.size(), EventsPending.load()), std::tuple(0, false));
}

TEST(OutputPause, CtrlSHoldsPrintingUntilTheNextKeyWhichIsSwallowed) {
  vxtest::opentextwindow(0, 10, 2);
  presskey(0, 0, "a");
  presskey(0, 1, "\x13", ControlModifier);
  std::atomic<bool> printed{false};
  std::thread program([&] {
    t_Print(0, "xy");
    printed = true;
  });
  // The queue is emptied when the pause begins; printing then waits.
  ASSERT_TRUE(vxtest::pumpuntil([] { return EventQueue.size() == 0; }));
  EXPECT_FALSE(printed);
  presskey(0, 2, "d");
  ASSERT_TRUE(vxtest::pumpuntil([&] { return printed.load(); }));
  program.join();
  EXPECT_EQ(std::tuple(vxtest::linetext(0, 1).substr(0, 2), EventQueue.size(), CurrentEvent.get().Value),
            std::tuple("xy", 0, 'd'));
}

TEST(OutputPause, AMenuEventEndsThePauseAndIsLeftForItsHandler) {
  vxtest::opentextwindow(0, 10, 2);
  presskey(0, 1, "\x13", ControlModifier);
  std::atomic<bool> paused{false};
  std::thread program([&] { paused = t_CheckPause(19, true); });
  ASSERT_TRUE(vxtest::pumpuntil([] { return EventQueue.size() == 0; }));
  MenuEventQueue.append(t_MenuEvent{});
  ASSERT_TRUE(vxtest::pumpuntil([&] { return paused.load(); }));
  program.join();
  EXPECT_EQ(std::tuple(MenuEventQueue.size(), CurrentEvent.get().Value), std::tuple(1, 0));
}
