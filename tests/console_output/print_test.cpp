#include <gtest/gtest.h>

#include <tuple>

#include "text_window.h"

using namespace vx;
using vxtest::cellattribute;
using vxtest::cellcode;
using vxtest::linetext;

TEST(Print, DrawsAtTheCursorWrapsAndScrolls) {
  t_Window& w = vxtest::opentextwindow(0, 5, 2);
  t_Print(0, "abcdefg");
  EXPECT_EQ(std::tuple(linetext(0, 1), linetext(0, 2), w.TextHpos, w.TextVpos), std::tuple("abcde", "fg   ", 3, 2));
  // The glyph was drawn too: the font's glyph c is grey level c, on black.
  EXPECT_NE(ToolkitMemory[w.MemoryStart], 0);
  t_Print(0, "hijk");
  EXPECT_EQ(std::tuple(linetext(0, 1), linetext(0, 2), cellattribute(0, 1, 2)), std::tuple("fghij", "k    ", 0xC0));
}

TEST(Print, StringsAndByteStringsShareTheCharacterSet) {
  t_Window& w = vxtest::opentextwindow(0, 8, 2);
  t_Print(0, "\xC3\xA9\xE2\x82\xAC");  // é and the euro sign
  t_Print(0, Text{{0xE9, 0x80, '!'}});
  EXPECT_EQ(vxtest::linecodes(0, 1, 5), (std::vector<uint8_t>{0xE9, '?', 0xE9, 0x80, '!'}));
  // Code 13 in a string is a carriage return; through t_PrintChar it is a glyph.
  t_Print(0, "x\ry");
  EXPECT_EQ(cellcode(0, 1, 2), 'y');
  t_PrintChar(0, 13);
  t_Print(0, "\t");  // a tab prints nothing at all
  EXPECT_EQ(std::tuple(cellcode(0, 2, 2), cellcode(0, 3, 2), w.TextHpos), std::tuple(13, ' ', 3));
}

TEST(Print, TabAndSpaces) {
  t_Window& w = vxtest::opentextwindow(0, 10, 2);
  t_Print(0, "ab");
  t_PrintTab(0, 6, '.');
  t_PrintTab(0, 4, '.');  // left of the cursor: nothing
  t_PrintSpc(0, -3);
  EXPECT_EQ(std::tuple(linetext(0, 1), w.TextHpos), std::tuple("ab...     ", 6));
  t_PrintSpc(0, 2);
  EXPECT_EQ(w.TextHpos, 8);
}

TEST(Print, RefusesUnusableWindows) {
  vxtest::LogCapture capture;
  vxtest::opentextwindow(0, 10, 2);
  capture.take();
  t_Print(8, "a");
  t_Print(3, "a");
  t_PrintChar(3, 'a');
  WindowTable[0].Font = t_Font{};
  t_Print(0, "a");
  EXPECT_EQ(capture.take(),
            "t_Print: Window is not a graphic window.\n"
            "t_Print: Window #3 not initialized.\n"
            "t_PrintChar: Window #3 not initialized.\n"
            "t_Print: Window #0 has no text font.\n");
  EXPECT_EQ(linetext(0, 1), std::string(10, ' '));
}
