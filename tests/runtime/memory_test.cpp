#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_support.h"

using namespace vx;

TEST(InitMemory, CreatesFilledMemoryAndEightInitialSlots) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitMemory();
  ASSERT_EQ(std::tuple(MemoryStarted.load(), MemoryReady.load(), ToolkitMemory.size()), std::tuple(true, true, 0x100000Fu));
  EXPECT_TRUE(std::all_of(ToolkitMemory.begin(), ToolkitMemory.end(),
                          [](uint8_t b) { return b == 0xFF; }));
  EXPECT_EQ(HighMemory, 0xFFFFFF);
  for (const t_Window& w : WindowTable)
    EXPECT_EQ(std::tuple(w.Initialized, w.VerticalBlank, w.Window.has_value(), w.MemoryStart, w.TextMemoryEnd),
              std::tuple(false, true, false, -1, -1));
  const std::string log = capture.take();
  EXPECT_EQ(log.rfind("t_InitMemory: Start.\n", 0), 0u) << log;
  EXPECT_NE(log.find("t_InitMemory: End.\n"), std::string::npos);
  // The pasteboard's text view is made plain and emptied.
  const auto pasteboard = useHeadlessHost().viewstate(*appdelegate.PasteboardTextView);
  EXPECT_TRUE(pasteboard.plainText && pasteboard.needsDisplay);

  WindowTable[2].Width = 77;
  ToolkitMemory[5] = 1;
  t_InitMemory();
  // A second call changes nothing.
  EXPECT_EQ(std::tuple(capture.take(), WindowTable[2].Width, ToolkitMemory[5]), std::tuple("", 77, 1));
}

TEST(Lookups, MapWindowNumbersToHostObjectsAndBack) {
  HeadlessHost& h = useHeadlessHost();
  EXPECT_EQ(std::tuple(t_GetHostWindow(9), t_GetHostWindow(12), t_GetHostWindow(13)),
            std::tuple(appdelegate.VirtualPrinterWindow, appdelegate.MainWindow, std::nullopt));
  EXPECT_EQ(std::tuple(t_GetWindowView(8), t_GetWindowView(3)), std::tuple(std::nullopt, appdelegate.t_View03));
  const auto slot3 = t_GetHostWindow(3);
  ASSERT_TRUE(slot3.has_value());
  EXPECT_EQ(h.viewWindow(*appdelegate.t_View03), slot3);
  EXPECT_EQ(std::tuple(t_WindowNumber(slot3), t_WindowNumber(appdelegate.SystemConsoleWindow),
                       t_WindowNumber(std::nullopt), t_FrontWindow()),
            std::tuple(3, 10, 255, 255));
  h.makeKeyAndOrderFront(*appdelegate.VirtualPrinterWindow);
  EXPECT_EQ(t_FrontWindow(), 9);
  h.makeKeyAndOrderFront(*slot3);
  EXPECT_EQ(t_FrontWindow(), 3);
  h.orderOut(*slot3);
  EXPECT_EQ(t_FrontWindow(), 9);
}
