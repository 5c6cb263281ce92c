#include <gtest/gtest.h>

#include <QApplication>
#include <atomic>
#include <thread>

#include "hosts/qt/main_thread_bridge.h"
#include "qt_test_application.h"

using vx::qt::MainThreadBridge;

using vxtest::processuntil;

TEST(MainThreadBridge, SynchronousWorkRunsOnTheMainThreadAndIsWaitedFor) {
  QApplication& app = vxtest::qtapplication();
  MainThreadBridge bridge(&app);
  const std::thread::id mainthread = std::this_thread::get_id();
  std::atomic<bool> returned{false}, answer{false};
  std::thread::id ranon;
  int value = 0;
  std::thread caller([&] {
    answer = bridge.runsync([&] {
      ranon = std::this_thread::get_id();
      value = 42;
    });
    returned = true;
  });
  ASSERT_TRUE(processuntil([&] { return returned.load(); }));
  caller.join();
  EXPECT_TRUE(answer);
  EXPECT_EQ(ranon, mainthread);
  EXPECT_EQ(value, 42);  // written before the caller went on
}

// Quitting releases a thread that waits for a hand-over, its work never runs,
// and nothing more is handed over afterwards.
TEST(MainThreadBridge, QuittingReleasesAWaitingThreadAndNothingMoreRuns) {
  QApplication& app = vxtest::qtapplication();
  MainThreadBridge bridge(&app);
  std::atomic<bool> ran{false}, answer{true}, later{true};
  std::thread caller([&] { answer = bridge.runsync([&] { ran = true; }); });
  // The main thread does not serve the hand-over; it starts to quit instead.
  bridge.beginquit();
  caller.join();  // would hang if the waiter were not released
  std::thread([&] {
    later = bridge.runsync([&] { ran = true; });
    bridge.runasync([&] { ran = true; });
  }).join();
  // The queued work, if it was queued, is dropped when the loop gets to it.
  QCoreApplication::processEvents();
  EXPECT_FALSE(answer);
  EXPECT_FALSE(later);
  EXPECT_FALSE(ran);
}
