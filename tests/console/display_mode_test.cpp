#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "console_fixture.h"

using namespace vx;
using namespace consoletest;

namespace {

std::vector<uint8_t> windowbytes(uint8_t window) {
  const t_Window& w = WindowTable[window];
  return {ToolkitMemory.begin() + w.TextMemoryStart, ToolkitMemory.begin() + w.MemoryEnd + 1};
}

}  // namespace

// Inverting swaps the colours of the cells, twice restores the picture; a
// rectangle reaching outside the text does nothing, silently.
TEST(InvertRect, SwapsTheColoursOfTheCellsAndTwiceRestoresThePicture) {
  vxtest::LogCapture capture;
  opentextwindow(0, 24, 4, 3, numberedfont(2, 2));
  printrow(0, "abcd", 1, 1, 0xF0);
  printrow(0, "efgh", 1, 2, 0x1E);
  const std::vector<uint8_t> before = windowbytes(0);
  const std::vector<uint8_t> plain = cellpixels(0, 2, 2);
  capture.take();
  for (const auto& [x1, y1, x2, y2] : {std::array<int64_t, 4>{0, 1, 2, 1}, {1, 1, 5, 1}, {3, 1, 2, 1}, {1, 2, 1, 4}})
    t_InvertRect(0, x1, y1, x2, y2);
  EXPECT_TRUE(windowbytes(0) == before);
  EXPECT_EQ(capture.take(), "");

  t_InvertRect(0, 2, 1, 3, 2);
  EXPECT_EQ(std::tuple(cellattribute(0, 2, 1), cellattribute(0, 3, 2), cellattribute(0, 4, 2), cellcode(0, 3, 2)),
            std::tuple(0x0F, 0xE1, 0x1E, 'g'));  // (4, 2) is outside the rectangle
  EXPECT_NE(cellpixels(0, 2, 2), plain);
  EXPECT_FALSE(WindowTable[0].TextInverse);
  t_InvertRect(0, 2, 1, 3, 2);
  EXPECT_TRUE(windowbytes(0) == before);
}

// What the settings do is shown by the printing tests; here, which windows
// take them: any initialised slot, a graphic window without text memory too.
// The cursor calls need the text memory as well (t_FullArea only the slot).
TEST(DisplayState, SettingsAreStoredForInitialisedWindowsOnlyCursorCallsNeedText) {
  vxtest::LogCapture capture;
  opentextwindow(0, 8, 4, 3, numberedfont(2, 2));
  WindowTable[1].Initialized = true;  // a graphic window: no text memory
  capture.take();
  t_Inverse(1);
  t_Reverse(0);
  t_Reverse(0);
  t_RedirectOutput(0, -3);
  t_InvertRect(1, 1, 1, 1, 1);
  t_Inverse(9);
  t_DisplayMode(8, 1);
  t_Reverse(4);
  t_RedirectOutput(4, 2);
  t_Cr(8);
  t_CursorRight(1);
  t_FullArea(1);
  t_CursorHome(6);
  EXPECT_EQ(std::tuple(WindowTable[1].TextInverse, WindowTable[0].TextInverse, WindowTable[0].TextRedirectOutput,
                       WindowTable[4].TextRedirectOutput),
            std::tuple(true, false, -3, 1));
  EXPECT_EQ(capture.take(),
            "t_InvertRect: Window #1 not initialized.\n"
            "t_Inverse: Window is not a graphic window.\n"
            "t_DisplayMode: Window is not a graphic window.\n"
            "t_Reverse: Window #4 not initialized.\n"
            "t_RedirectOutput: Window #4 not initialized.\n"
            "t_Cr: Window is not a graphic window.\n"
            "t_CursorRight: Window #1 not initialized.\n"
            "t_CursorHome: Window #6 not initialized.\n");
}
