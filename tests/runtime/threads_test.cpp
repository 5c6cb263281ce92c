#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "support/test_support.h"

using namespace vx;

TEST(Threads, NumbersFollowTheOrderOfStarting) {
  useHeadlessHost();
  EXPECT_EQ(threadnumber(), 1);
  std::atomic<int64_t> first{-1}, second{-1}, background{-1};
  startprocess([&] { first = threadnumber(); }, 0x40000000);
  startprocess([&] { second = threadnumber(); }, 0);
  startbackgroundprocess([&] { background = threadnumber(); });
  EXPECT_TRUE(vxtest::pumpuntil([&] { return first >= 0 && second >= 0 && background >= 0; }));
  EXPECT_EQ(std::make_tuple(first.load(), second.load(), background.load()), std::make_tuple(2, 3, 4));
  int64_t unknown = -1;
  std::thread([&] { unknown = threadnumber(); }).join();
  EXPECT_EQ(unknown, 0);
}

TEST(Threads, StartFromAnotherThreadReturnsOnlyOnceTheMainThreadMadeTheThread) {
  HeadlessHost& h = useHeadlessHost();
  std::atomic<bool> returned{false}, ran{false};
  std::thread caller([&] {
    startprocess([&] { ran = true; }, 0);
    returned = true;
  });
  // Nothing can be created until the main thread runs its task loop.
  EXPECT_FALSE(returned);
  EXPECT_TRUE(h.pumpuntil([&] { return returned.load(); }));
  caller.join();
  EXPECT_TRUE(vxtest::pumpuntil([&] { return ran.load(); }));
}

TEST(Threads, TheProgramThreadHasItsLargeStack) {
  useHeadlessHost();
  std::atomic<size_t> size{0};
  startprocess(
      [&] {
        pthread_attr_t a;
        pthread_getattr_np(pthread_self(), &a);
        size_t s = 0;
        pthread_attr_getstacksize(&a, &s);
        pthread_attr_destroy(&a);
        size = s;
      },
      0x40000000);
  EXPECT_TRUE(vxtest::pumpuntil([&] { return size.load() != 0; }));
  EXPECT_GE(size.load(), 0x40000000u);
}

TEST(Threads, NamesAreCutToFifteenBytesAtACharacterBoundary) {
  std::string seen, cututf8;
  std::thread([&] {
    setthreadname("t_WindowAutoUpdate");
    seen = currentthreadname();
    setthreadname("Überlange_Namen_");  // Ü is two bytes: 16 in all
    cututf8 = currentthreadname();
  }).join();
  EXPECT_EQ(seen, "t_WindowAutoUpd");
  EXPECT_EQ(cututf8, "Überlange_Name");
}
