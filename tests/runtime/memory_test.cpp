#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "support/test_support.h"

using namespace vx;

TEST(InitMemory, CreatesFilledMemoryAndEightInitialSlots) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitMemory();
  ASSERT_TRUE(MemoryStarted);
  ASSERT_TRUE(MemoryReady);
  ASSERT_EQ(ToolkitMemory.size(), 0x100000Fu);
  EXPECT_TRUE(std::all_of(ToolkitMemory.begin(), ToolkitMemory.end(),
                          [](uint8_t b) { return b == 0xFF; }));
  EXPECT_EQ(HighMemory, 0xFFFFFF);
  for (const t_Window& w : WindowTable) {
    EXPECT_TRUE(!w.Initialized && w.VerticalBlank && !w.Window.has_value());
    EXPECT_EQ(w.MemoryStart, -1);
    EXPECT_EQ(w.TextMemoryEnd, -1);
  }
  const std::string log = capture.take();
  EXPECT_EQ(log.rfind("t_InitMemory: Start.\n", 0), 0u) << log;
  EXPECT_NE(log.find("t_InitMemory: End.\n"), std::string::npos);
  // The pasteboard's text view is made plain and emptied.
  const auto pasteboard = useHeadlessHost().viewstate(*appdelegate.PasteboardTextView);
  EXPECT_TRUE(pasteboard.plainText);
  EXPECT_TRUE(pasteboard.needsDisplay);

  WindowTable[2].Width = 77;
  ToolkitMemory[5] = 1;
  t_InitMemory();
  EXPECT_EQ(capture.take(), "");
  EXPECT_EQ(WindowTable[2].Width, 77);
  EXPECT_EQ(ToolkitMemory[5], 1);
}

TEST(InitMemory, EnsureMemoryFromAnotherThreadRunsTheHostStepsOnTheMainThread) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  std::atomic<bool> finished{false};
  std::thread program([&] {
    t_EnsureMemory();
    finished = true;
  });
  EXPECT_TRUE(vxtest::pumpuntil([&] { return finished.load(); }));
  program.join();
  EXPECT_TRUE(MemoryReady);
}

TEST(Lookups, MapWindowNumbersToHostObjectsAndBack) {
  HeadlessHost& h = useHeadlessHost();
  EXPECT_EQ(t_GetHostWindow(9), appdelegate.VirtualPrinterWindow);
  EXPECT_EQ(t_GetHostWindow(12), appdelegate.MainWindow);
  EXPECT_FALSE(t_GetHostWindow(13).has_value());
  EXPECT_FALSE(t_GetWindowView(8).has_value());
  EXPECT_EQ(t_GetWindowView(3), appdelegate.t_View03);
  const auto slot3 = t_GetHostWindow(3);
  ASSERT_TRUE(slot3.has_value());
  EXPECT_EQ(h.viewWindow(*appdelegate.t_View03), slot3);
  EXPECT_EQ(t_WindowNumber(slot3), 3);
  EXPECT_EQ(t_WindowNumber(appdelegate.SystemConsoleWindow), 10);
  EXPECT_EQ(t_WindowNumber(std::nullopt), 255);
  EXPECT_EQ(t_FrontWindow(), 255);
  h.makeKeyAndOrderFront(*appdelegate.VirtualPrinterWindow);
  EXPECT_EQ(t_FrontWindow(), 9);
  h.makeKeyAndOrderFront(*slot3);
  EXPECT_EQ(t_FrontWindow(), 3);
  h.orderOut(*slot3);
  EXPECT_EQ(t_FrontWindow(), 9);
}
