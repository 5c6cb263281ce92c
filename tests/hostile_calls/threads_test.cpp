// Calls that meet across threads: quitting on the main thread while the
// program waits for it, the refresh once its host is gone, a save chosen
// while a star is drawn, and windows re-made while other threads read their
// geometry (the ThreadSanitizer build watches the last two).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <thread>

#include "graphic_window.h"
#include "text_window.h"
#include "windows/window_refresh.h"

using namespace vx;

namespace {

// Waits for `holds` without a host to pump (the host may be gone), up to 30 s.
bool eventually(const std::function<bool()>& holds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!holds()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace

// The main thread quits while the program thread waits for it to bring a
// window to the front: it serves that hand-over while it waits for the
// program, which then ends, and the process ends with status 0.
TEST(ThreadsDeathTest, QuitOnTheMainThreadServesTheThreadsThatWaitForIt) {
#if defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "ThreadSanitizer keeps threads of its own, which the quit waits for";
#endif
  EXPECT_EXIT(
      {
        alarm(60);  // a deadlock ends the child with SIGALRM instead of hanging the test
        vxtest::opentextwindow(0, 20, 3);
        startprocess(
            [] {
              t_WindowFront(0);
              std::fputs("front served\n", stderr);
            },
            0);
        t_QuitProgram(0);
      },
      ::testing::ExitedWithCode(0), "front served");
}

// runHeadless returns while the program still waits for a key; the host is
// shut down, and the refresh process ends instead of asking it for views
// (and logging that there are none) for ever.
TEST(ThreadsDeathTest, TheRefreshEndsWithTheHeadlessHost) {
  EXPECT_EXIT(
      {
        const int answer = runHeadless(
            [] {
              t_InitWindow(0, 8, true, 64, 64, 0, 0, vxtest::testfont(8, 16), true);
              t_WaitKey(0);
            },
            [](HeadlessSession& session) { session.waitforlog("t_InitWindow: GraphicWindow #0 End."); },
            HeadlessRunOptions{.resourceDirectory = {}, .echoLog = false});
        const bool ended = eventually([] { return autoupdateprocesses() == 0; });
        std::fprintf(stderr, "answer %d, refresh %s\n", answer, ended ? "ended" : "running");
        std::_Exit(ended ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "answer 1, refresh ended");
}

// A capture taken on the main thread while the program thread draws a star
// holds the picture before the star or after it, never halfway.
TEST(Threads, ACaptureDuringADrawingWaitsForIt) {
  constexpr int64_t Side = 2048;
  vxtest::opengraphicwindow(1, 1, Side, Side);
  for (int round = 0; round < 3; ++round) {
    std::atomic<bool> cleared{false};
    std::thread program([&] {
      g_ClearScreen(1, 0, -1);
      cleared = true;
      cleared.notify_all();
      g_DrawVelmorandine(1, 0, 0, Side - 1, Side - 1, 180);
    });
    cleared.wait(false);
    const t_Graphic during = g_GetScreen(1);
    program.join();
    const t_Graphic after = g_GetScreen(1);
    const bool blank = std::all_of(during.Data.begin(), during.Data.end(), [](uint8_t p) { return p == 0; });
    EXPECT_TRUE(blank || during.Data == after.Data) << "round " << round;
  }
}

// A thread re-makes window 1 at other sizes and depths while the main
// thread's views, copies and captures, and the refresh, read it: each reads
// the record of one making, whole.
TEST(Threads, WindowsReMadeWhileOthersReadThemAreReadWhole) {
  useHeadlessHost();
  vxtest::opentextwindow(0, 20, 3);
  struct Making {
    int64_t depth, width, height;
  };
  const std::vector<Making> makings = {{8, 64, 48}, {32, 96, 40}, {1, 128, 200}, {24, 40, 64}};
  std::set<std::pair<int64_t, int64_t>> sizes;
  for (const Making& m : makings) sizes.emplace(m.width, m.height);
  std::atomic<bool> done{false};
  std::thread maker([&] {
    for (int n = 0; n < 60; ++n) {
      const Making& m = makings[static_cast<size_t>(n) % makings.size()];
      t_InitWindow(1, m.depth, true, m.width, m.height, 0, 0, t_Font{}, true);
      t_WindowVisible(1, true);
    }
    done = true;
  });
  vxtest::LogCapture capture;
  int64_t seen = 0;
  EXPECT_TRUE(vxtest::pumpuntil([&] {
    if (const auto image = t_WindowImage(1)) {
      EXPECT_TRUE(sizes.contains({image->width, image->height})) << image->width << " x " << image->height;
      ++seen;
    }
    const t_Graphic g = g_GetScreen(1);
    if (!g.Data.empty()) {
      EXPECT_TRUE(sizes.contains({g.Width, g.Height})) << g.Width << " x " << g.Height;
    }
    (void)t_GetScreen(0, "\r");
    return done.load();
  }));
  maker.join();
  EXPECT_GT(seen, 0);
}
