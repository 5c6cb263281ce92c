#include <gtest/gtest.h>

#include "text_window.h"

using namespace vx;
using vxtest::linetext;

namespace {

// A 6 x 3 window holding "abcdef" / "ghijkl" / "mnopqr", cursor at (3, 2).
t_Window& filledwindow() {
  t_Window& w = vxtest::opentextwindow(0, 6, 3);
  w.ScrollLock = true;  // filling the last cell must not scroll
  t_Print(0, "abcdefghijklmnopqr");
  w.ScrollLock = false;
  w.TextHpos = 3;
  w.TextVpos = 2;
  return w;
}

void control(uint32_t code) { t_PrintControl(0, code); }

}  // namespace

TEST(ControlCodes, MoveTheCursor) {
  t_Window& w = filledwindow();
  control(8);
  EXPECT_EQ(w.TextHpos, 2);
  control(28);
  control(28);
  EXPECT_EQ(w.TextHpos, 4);
  control(10);
  EXPECT_EQ(w.TextVpos, 3);
  EXPECT_EQ(w.TextHpos, 4);
  control(30);
  EXPECT_EQ(w.TextVpos, 2);
  control(13);
  EXPECT_EQ(w.TextHpos, 1);
  EXPECT_EQ(w.TextVpos, 3);
  w.TextHpos = 5;
  control(18);
  EXPECT_EQ(w.TextHpos, 1);
  w.TextHpos = 5;
  control(25);
  EXPECT_EQ(w.TextHpos, 1);
  EXPECT_EQ(w.TextVpos, 1);
  EXPECT_EQ(linetext(0, 1), "abcdef");  // no movement drew anything
}

TEST(ControlCodes, ClearAndScroll) {
  t_Window& w = filledwindow();
  control(29);  // the rest of the line
  EXPECT_EQ(linetext(0, 2), "gh    ");
  control(23);  // scroll up
  EXPECT_EQ(linetext(0, 1), "gh    ");
  EXPECT_EQ(linetext(0, 2), "mnopqr");
  EXPECT_EQ(linetext(0, 3), "      ");
  control(22);  // scroll down
  EXPECT_EQ(linetext(0, 1), "      ");
  EXPECT_EQ(linetext(0, 2), "gh    ");
  EXPECT_EQ(linetext(0, 3), "mnopqr");
  w.TextHpos = 4;
  w.TextVpos = 3;
  control(26);  // the whole line, cursor to its start
  EXPECT_EQ(linetext(0, 3), "      ");
  EXPECT_EQ(w.TextHpos, 1);

  t_Window& again = filledwindow();
  control(11);  // from the cursor to the end of the area
  EXPECT_EQ(linetext(0, 1), "abcdef");
  EXPECT_EQ(linetext(0, 2), "gh    ");
  EXPECT_EQ(linetext(0, 3), "      ");
  EXPECT_EQ(again.TextHpos, 3);
  control(12);  // home and clear everything
  EXPECT_EQ(linetext(0, 1), "      ");
  EXPECT_EQ(again.TextHpos, 1);
  EXPECT_EQ(again.TextVpos, 1);
}

TEST(ControlCodes, InverseModesBeepAndTheSilentCodes) {
  t_Window& w = filledwindow();
  control(15);
  EXPECT_TRUE(w.TextInverse);
  control(14);
  EXPECT_FALSE(w.TextInverse);
  control(17);
  EXPECT_TRUE(w.TextInverse);
  control(17);
  EXPECT_FALSE(w.TextInverse);
  control(20);
  EXPECT_EQ(w.TextDisplayMode, 1);
  control(31);
  EXPECT_EQ(w.TextDisplayMode, 2);
  control(27);
  EXPECT_EQ(w.TextDisplayMode, 99);
  control(19);
  EXPECT_EQ(w.TextDisplayMode, 0);
  const int64_t beeps = useHeadlessHost().beepcount();
  control(7);
  EXPECT_EQ(useHeadlessHost().beepcount(), beeps + 1);
  for (uint32_t code : {0u, 1u, 6u, 9u, 16u, 21u, 24u, 32u, 300u}) control(code);
  EXPECT_EQ(w.TextHpos, 3);
  EXPECT_EQ(w.TextVpos, 2);
  EXPECT_EQ(linetext(0, 2), "ghijkl");
  EXPECT_EQ(useHeadlessHost().beepcount(), beeps + 1);
}

TEST(ControlCodes, ElsewhereTheCodeIsWrittenOrReported) {
  t_Window& w = filledwindow();
  vxtest::LogCapture capture;
  t_RedirectOutput(0, 2);
  control(13);
  EXPECT_EQ(capture.take(), "\r");
  EXPECT_EQ(w.TextVpos, 2);
  t_RedirectOutput(0, 5);
  control(13);
  EXPECT_EQ(capture.take(), "");
  t_PrintControl(4, 13);
  t_PrintControl(200, 13);
  EXPECT_EQ(capture.take(),
            "t_PrintControl: Window #4 not initialized.\n"
            "t_PrintControl: Window is not a graphic window.\n");
}
