#include <gtest/gtest.h>

#include "graphic_window.h"

using namespace vx;

// Window 0 (a text window) is made again after window 1: window 1's two
// blocks slide up over the freed ones, contents and all.
TEST(VideoMemory, ReinitialisingSlidesTheLaterWindowsBlocksUp) {
  useHeadlessHost();
  t_InitWindow(0, 24, true, 1280, 800, 16, 16, vxtest::testfont(16, 32), true);
  t_InitWindow(1, 1, false, 64, 64, 5, 5, vxtest::testfont(8, 8), true);
  ASSERT_EQ(std::tuple(WindowTable[1].MemoryStart, WindowTable[1].TextMemoryStart), std::tuple(0xD10C00, 0xD10800));
  ToolkitMemory[0xD10C00] = 0xA5, ToolkitMemory[0xD10FFF] = 0x5A, ToolkitMemory[0xD10800] = 'Q';

  vxtest::LogCapture capture;
  t_InitWindow(0, 1, false, 32, 32, 0, 0, t_Font{}, true);
  const std::string log = vxtest::withoutrefreshlines(capture.take());
  EXPECT_EQ(log.substr(0, log.find(" = 32 x 32")),
            "t_InitWindow: GraphicWindow #0 Start.\n"
            "t_InitWindow: GraphicWindow #0 high memory = $00FFFFFF, graphic block size to delete = $002EE000.\n"
            "t_InitWindow: GraphicWindow #0 high memory = $00FFFFFF, text block size to delete = $00001000.\n"
            "t_InitWindow: GraphicWindow #0 moving graphic block for win #1$00D10C00...00D10FFF to00FFFC00...00FFFFFF\n"
            "t_InitWindow: GraphicWindow #0 moving text block for win #1$00D10800...00D10BFF to$00FFF800...00FFFBFF\n"
            "t_InitWindow: GraphicWindow #0");
  const t_Window& w1 = WindowTable[1];
  EXPECT_EQ(std::tie(w1.MemoryStart, w1.MemoryEnd, w1.TextMemoryStart, w1.TextMemoryEnd),
            std::make_tuple(0xFFFC00, 0xFFFFFF, 0xFFF800, 0xFFFBFF));
  EXPECT_EQ(std::tuple(ToolkitMemory[0xFFFC00], ToolkitMemory[0xFFFFFF], ToolkitMemory[0xFFF800]),
            std::tuple(0xA5, 0x5A, 'Q'));
  // Window 0 is carved anew below window 1.
  const t_Window& w0 = WindowTable[0];
  EXPECT_EQ(std::tie(w0.Initialized, w0.MemoryStart, w0.MemoryEnd, w0.TextMemoryStart, HighMemory),
            std::make_tuple(true, 0xFFF400, 0xFFF7FF, -1, 0xFFF3FF));
}

TEST(VideoMemory, AFailedReinitialisationLeavesTheSlotFreed) {
  useHeadlessHost();
  t_InitWindow(3, 8, false, 64, 64, 0, 0, t_Font{}, true);
  ASSERT_EQ(HighMemory, 0xFFEFFF);
  t_InitWindow(3, 2, false, 64, 64, 0, 0, t_Font{}, true);
  EXPECT_EQ(std::tuple(WindowTable[3].Initialized, HighMemory), std::tuple(false, 0xFFFFFF));
  // Writing to the freed window is refused.
  vxtest::LogCapture capture;
  g_Plot(3, 0, 0);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()), "g_Plot: Graphic window #3 not initialized.\n");
}
