#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

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

// For any window with a host window the console calls run, each testing the
// window itself, so their own reports come between the pieces of the line.
TEST(ProgramEnd, ConsoleCallsRunForEveryWindowWithAHostWindow) {
  vxtest::opentextwindow(0, 20, 3);
  t_InitWindow(1, 8, false, 64, 64, 0, 0, t_Font{}, true);
  const auto reports = [](const std::string& prefix, std::vector<std::string> routines,
                          const std::string& problem) {
    std::string text;
    for (const std::string& routine : routines) text += routine + prefix + problem + ".\n";
    return text;
  };
  const std::pair<uint8_t, std::string> cases[] = {
      // A slot never opened: every call reports it, the refresh as it draws the view.
      {4, reports(": Window #4", {"t_FullArea", "t_CursorEnd", "t_Htab", "t_DisplayMode",
                                  "t_Normal", "t_Color", "t_Print"}, " not initialized") +
              "t_WindowImage: Graphic window #4 not initialized.\n"},
      // A graphic window has no text memory for the console calls.
      {1, reports(": Window #1", {"t_CursorEnd", "t_Htab", "t_Print"}, " not initialized")},
      {9, reports(": Window", {"t_FullArea", "t_CursorEnd", "t_Htab", "t_DisplayMode", "t_Normal",
                               "t_Color", "t_Print", "t_WindowUpdate"}, " is not a graphic window")},
      {200, ""}};
  for (const auto& [window, reports] : cases) {
    SCOPED_TRACE(int{window});
    vxtest::LogCapture capture;
    EXPECT_FALSE(quitonprogramthread(window));
    const std::string tail =
        window == 200 ? "." : " with message in window #" + std::to_string(window) + ".";
    EXPECT_EQ(capture.take(), "t_QuitProgram: Quitting current thread" + reports + tail + "\n");
  }
}

// On a thread the program made itself the call ends just that thread,
// unwinding its stack; the process goes on.
TEST(ProgramEnd, EndsAThreadTheToolkitDidNotStart) {
  vxtest::opentextwindow(0, 20, 3);
  vxtest::LogCapture capture;
  std::atomic<bool> unwound{false}, continued{false};
  std::thread own([&] {
    struct Ending {
      std::atomic<bool>& unwound;
      ~Ending() { unwound = true; }
    } ending{unwound};
    t_QuitProgram(0);
    continued = true;
  });
  // Its host calls are handed to this thread, the main thread.
  EXPECT_TRUE(vxtest::pumpuntil([&] { return unwound.load(); }));
  own.join();
  EXPECT_FALSE(continued);
  EXPECT_EQ(capture.take(), "t_QuitProgram: Quitting current thread with message in window #0.\n");
  EXPECT_EQ(vxtest::linetext(0, 3), "(Programm Ende)     ");
}

// The main thread of a single-threaded program (the refresh process aside)
// ends the process with status 0, and nothing after the call runs.
TEST(ProgramEndDeathTest, OnTheOnlyThreadEndsTheProcessWithStatusZero) {
#if defined(__SANITIZE_THREAD__)
  // ThreadSanitizer starts threads of its own in the child, which the call
  // cannot tell from the program's, so it would wait for them.
  GTEST_SKIP() << "ThreadSanitizer keeps threads of its own";
#endif
  EXPECT_EXIT(
      {
        vxtest::opentextwindow(0, 20, 3);
        t_QuitProgram(0);
        std::fputs("after the call\n", stderr);
        std::_Exit(3);
      },
      ::testing::ExitedWithCode(0), "^$");
}
