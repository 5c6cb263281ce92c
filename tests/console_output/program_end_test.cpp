#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "text_window.h"

using namespace vx;

namespace {

// Runs t_QuitProgram on a program thread, or on a thread the program made
// itself (its host calls are handed to this thread, the main thread);
// answers whether code after the call ran once the thread's stack unwound.
bool quitonthread(uint8_t window, bool own = false) {
  std::atomic<bool> unwound{false}, continued{false};
  const auto program = [&] {
    struct Ending {
      std::atomic<bool>& unwound;
      ~Ending() { unwound = true; }
    } ending{unwound};
    t_QuitProgram(window);
    continued = true;
  };
  std::thread thread;
  if (own)
    thread = std::thread(program);
  else
    startprocess(program, 0);
  EXPECT_TRUE(vxtest::pumpuntil([&] { return unwound.load(); }));
  if (own) thread.join();
  return continued;
}

}  // namespace

// On a thread the toolkit started or one the program made itself the call
// ends just that thread, unwinding its stack; the process goes on.
TEST(ProgramEnd, LeavesTheMessageOnAFreshLineAndEndsTheThread) {
  for (const bool own : {false, true}) {
    SCOPED_TRACE(own ? "own thread" : "toolkit thread");
    t_Window& w = vxtest::opentextwindow(0, 20, 3);
    t_Print(0, "\x0C" "first\rsecond");
    t_DisplayMode(0, 2);
    t_Inverse(0);
    w.TextFirstColumn = 3;  // a narrowed area is widened again
    vxtest::LogCapture capture;
    EXPECT_FALSE(quitonthread(0, own));
    EXPECT_EQ(capture.take(), "t_QuitProgram: Quitting current thread with message in window #0.\n");
    EXPECT_EQ(std::tuple(vxtest::linetext(0, 2), vxtest::linetext(0, 3), vxtest::cellattribute(0, 1, 3), w.TextFirstColumn),
              std::tuple("second              ", "(Programm Ende)     ", 0x10, 1));
    EXPECT_GE(useHeadlessHost().viewstate(*w.View).displayCount, 1);
  }
}

// On any window, usable or not, the call ends the thread. For a window with
// a host window the console calls for the message run and test the window
// themselves, so their reports (printing's among them) come between the
// pieces of the line.
TEST(ProgramEnd, EndsTheThreadWhateverTheWindow) {
  vxtest::opentextwindow(0, 20, 3);
  t_InitWindow(1, 8, false, 64, 64, 0, 0, t_Font{}, true);  // a graphic window: no text memory
  for (const uint8_t window : {4, 1, 9, 200}) {
    SCOPED_TRACE(int{window});
    vxtest::LogCapture capture;
    EXPECT_FALSE(quitonthread(window));
    const std::string log = capture.take(),
                      tail = window == 200 ? "." : " with message in window #" + std::to_string(window) + ".";
    EXPECT_EQ(log.rfind("t_QuitProgram: Quitting current thread" + std::string(window == 200 ? "." : "t_"), 0), 0u)
        << log;
    EXPECT_TRUE(log.ends_with(tail + "\n")) << log;
    EXPECT_EQ(vxtest::occurrences(log, "t_Print: Window"), window == 200 ? 0u : 1u) << log;
    // Redrawing the view of an unused slot is the host's affair: no line of its own.
    EXPECT_EQ(vxtest::occurrences(log, "t_WindowImage"), 0u) << log;
  }
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
