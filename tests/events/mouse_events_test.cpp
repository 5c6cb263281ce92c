#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "text_window.h"

using namespace vx;

namespace {

HostMouseEvent click(double x, double y) { return HostMouseEvent{x, y, 1, ShiftModifier}; }

}  // namespace

TEST(MouseEvents, ClickPositionsInThePicture) {
  // 10 x 3 cells of 8 x 16 pixels: a picture of 80 x 48 with borders 5 and 7.
  t_Window& w = vxtest::opentextwindow(3, 10, 3);
  w.BorderWidth = 5;
  w.BorderHeight = 7;
  vxtest::LogCapture capture;
  // Window y counts upward from the bottom; the picture's top row is y 55.
  viewMouseDown(3, click(5.9, 54.5), false);
  viewMouseDown(3, click(2, 10), false);   // 3 points left of the picture
  viewMouseDown(3, click(90, 2), true);    // right of and below it
  // Whole records: the window position truncated, the picture pixel or -1 / -2.
  const int64_t positions[][4] = {{5, 54, 0, 1}, {2, 10, -1, 45}, {90, 2, -2, -2}};
  ASSERT_EQ(MouseEventQueue.size(), 3);
  for (int i = 0; i < 3; ++i) {
    const t_Event e = *MouseEventQueue.at(i);
    const auto [x, y, clickx, clicky] = positions[i];
    EXPECT_EQ(e, (t_Event{.Kind = 2, .Index = 1, .Description = "", .WindowX = x, .WindowY = y, .ClickX = clickx, .ClickY = clicky,
                          .Mods = 2, .Window = 3, .Time = e.Time, .ShiftPressed = true}))
        << i;
  }
  EXPECT_TRUE(MouseEventPending);
  EXPECT_TRUE(RightMouseDown);
  EXPECT_FALSE(LeftMouseDown);
  const std::string log = capture.take();
  EXPECT_NE(log.find("t_MouseEventHandler: Graphic #3 window, X = 0, Y = 1\n"
                     "t_MouseEventHandler: Calling program mouse handler asynchronously.\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("X = -2, Y = -2\n"), std::string::npos);
  viewMouseUp(3);
  EXPECT_FALSE(RightMouseDown);
  EXPECT_EQ(EventQueue.size(), 0);  // clicks never reach the key queue
}

TEST(MouseEvents, UnusableWindowsReportAndQueueNothing) {
  vxtest::opentextwindow(0, 10, 3);
  vxtest::LogCapture capture;
  viewMouseDown(4, click(1, 1), false);
  EXPECT_EQ(capture.take(), "viewMouseDown: Graphic window (4) not initialized.\n");
  t_MouseEventHandler(8, click(12.7, 30.2), 12.7, 30.2);
  EXPECT_EQ(capture.take(),
            "t_MouseEventHandler: Unknown window, AbsX = 12, AbsY = 30\n"
            "t_MouseEventHandler:  window, X = -3, Y = -3\n"
            "t_MouseEventHandler: Calling program mouse handler asynchronously.\n");
  t_MouseEventHandler(5, click(1, 1), 1, 1);
  EXPECT_EQ(capture.take().rfind("t_MouseEventHandler: Window #5 not initialized.\n", 0), 0u);
  WindowTable[0].IgnoreEvents = true;
  viewMouseDown(0, click(1, 1), false);
  EXPECT_EQ(capture.take(), "");
  EXPECT_TRUE(LeftMouseDown);
  EXPECT_EQ(MouseEventQueue.size(), 0);
  EXPECT_FALSE(MouseEventPending);
}

TEST(MouseEvents, TheMouseProcedureRunsOnAProcessOfItsOwn) {
  vxtest::opentextwindow(0, 10, 3);
  startprocess([] {}, 0);  // the program thread takes number 2; processes come after it
  vxtest::LogCapture capture;
  std::mutex mutex;
  std::string threadname;
  std::optional<t_Event> taken;
  std::atomic<bool> ran{false};
  MouseEventProcedure.set([&] {
    std::lock_guard lock(mutex);
    threadname = currentthreadname();
    taken = MouseEventQueue.takefirst();
    ran = true;
  });
  viewMouseDown(0, click(3, 3), false);
  ASSERT_TRUE(vxtest::pumpuntil([&] { return ran.load(); }));
  std::lock_guard lock(mutex);
  EXPECT_EQ(threadname, "t_EventMouse");
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(taken->ClickX, 3);
  MouseEventProcedure.set([] {});
}
