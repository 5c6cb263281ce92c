#include <gtest/gtest.h>

#include <atomic>

#include "support/test_support.h"

using namespace vx;

namespace {
HeadlessRunOptions quiet() {
  HeadlessRunOptions options;
  options.echoLog = false;
  return options;
}
}  // namespace

TEST(HeadlessRunner, RunsTheLaunchSequenceOnceAndTheProgramOnItsOwnThread) {
  std::atomic<int64_t> programthread{-1};
  HeadlessRunOptions echoed;
  echoed.echoLog = true;
  ::testing::internal::CaptureStdout();
  const int code = runHeadless(
      [&] {
        programthread = threadnumber();
        vx::log("Probe: done.");
      },
      {}, echoed);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(code, 0);
  EXPECT_EQ(programthread, 2);
  EXPECT_EQ(titlebarheight, 28);  // the headless host's title bar
  // The launch lines, each once and in this order, from the very first line.
  EXPECT_EQ(out.rfind("applicationWillFinishLaunching: Called.\n"
                      "applicationDidFinishLaunching: Start.\n"
                      "initvxtools: Start.\ninitvxtools: End.\n"
                      "Program: Start.\n", 0), 0u) << out;
  EXPECT_EQ(out.find("initvxtools: Start.", out.find("initvxtools: End.")), std::string::npos);
  EXPECT_LT(out.find("Program: Start."), out.find("Probe: done."));
}

TEST(HeadlessRunner, StoppingWhileTheProgramWaitsOnTheMainThreadReleasesIt) {
  std::atomic<int> served{0};
  std::atomic<bool> released{false};
  const int code = runHeadless(
      [&] {
        while (host().runOnMainSync([&] { ++served; })) {
        }
        released = true;
      },
      [&](HeadlessSession& session) {
        EXPECT_TRUE(session.waituntil([&] { return served >= 10; }));
      },
      quiet());
  EXPECT_EQ(code, 1);  // the driver stopped a program that was still running
  EXPECT_TRUE(host().isShuttingDown());
  // Every hand-over is refused from now on, so the program gets free.
  EXPECT_TRUE(vxtest::pumpuntil([&] { return released.load(); }));
}
