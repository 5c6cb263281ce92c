#include <gtest/gtest.h>

#include <atomic>

#include "text_window.h"

using namespace vx;

namespace {

// Runs t_QuitProgram on a program thread; answers whether code after it ran.
bool quitonprogramthread(uint8_t window) {
  std::atomic<bool> ended{false};
  std::atomic<bool> continued{false};
  startprocess(
      [&] {
        struct Ending {
          std::atomic<bool>& ended;
          ~Ending() { ended = true; }
        } ending{ended};
        t_QuitProgram(window);
        continued = true;
      },
      0);
  EXPECT_TRUE(vxtest::pumpuntil([&] { return ended.load(); }));
  return continued;
}

}  // namespace

TEST(ProgramEnd, LeavesTheMessageOnAFreshLineAndEndsTheThread) {
  t_Window& w = vxtest::opentextwindow(0, 20, 3);
  t_Print(0, "first\rsecond");
  t_DisplayMode(0, 2);
  t_Inverse(0);
  w.TextFirstColumn = 3;  // a narrowed area is widened again
  vxtest::LogCapture capture;
  EXPECT_FALSE(quitonprogramthread(0));
  EXPECT_EQ(capture.take(), "t_QuitProgram: Quitting current thread with message in window #0.\n");
  EXPECT_EQ(vxtest::linetext(0, 3), "(Programm Ende)     ");
  EXPECT_EQ(vxtest::linetext(0, 2), "second              ");
  EXPECT_EQ(vxtest::cellattribute(0, 1, 3), 0x10);
  EXPECT_EQ(w.TextFirstColumn, 1);
  EXPECT_GE(useHeadlessHost().viewstate(*w.View).displayCount, 1);
}

TEST(ProgramEnd, WithoutATextWindowOnlyTheLineIsWritten) {
  vxtest::opentextwindow(0, 20, 3);
  vxtest::LogCapture capture;
  // A slot that was never opened still has its host window; the line stays whole.
  EXPECT_FALSE(quitonprogramthread(4));
  EXPECT_EQ(capture.take(), "t_QuitProgram: Quitting current thread with message in window #4.\n");
  EXPECT_FALSE(quitonprogramthread(200));
  EXPECT_EQ(capture.take(), "t_QuitProgram: Quitting current thread.\n");
}
