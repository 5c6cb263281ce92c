#include <gtest/gtest.h>

#include <tuple>

#include "text_window.h"

using namespace vx;

namespace {

constexpr const char* Filled = "abcdef|ghijkl|mnopqr|";

// A 6 x 3 window holding Filled, cursor at (3, 2), an unused display mode 5.
t_Window& filledwindow() {
  t_Window& w = vxtest::opentextwindow(0, 6, 3);
  w.ScrollLock = true;  // filling the last cell must not scroll
  t_Print(0, "abcdefghijklmnopqr");
  w.ScrollLock = false;
  w.TextHpos = 3;
  w.TextVpos = 2;
  w.TextDisplayMode = 5;
  return w;
}

}  // namespace

TEST(ControlCodes, EveryCodeOfTheTable) {
  struct Row {
    uint32_t code;
    int64_t hpos, vpos;
    const char* screen;
    int64_t mode;
  };
  const Row rows[] = {
      {8, 2, 2, Filled, 5},   {10, 3, 3, Filled, 5},  {11, 3, 2, "abcdef|gh    |      |", 5},
      {12, 1, 1, "      |      |      |", 5},            {13, 1, 3, Filled, 5},
      {18, 1, 2, Filled, 5},  {19, 3, 2, Filled, 0},  {20, 3, 2, Filled, 1},
      {22, 3, 2, "      |abcdef|ghijkl|", 5},            {23, 3, 2, "ghijkl|mnopqr|      |", 5},
      {25, 1, 1, Filled, 5},  {26, 1, 2, "abcdef|      |mnopqr|", 5},
      {27, 3, 2, Filled, 99}, {28, 4, 2, Filled, 5},  {29, 3, 2, "abcdef|gh    |mnopqr|", 5},
      {30, 3, 1, Filled, 5},  {31, 3, 2, Filled, 2},
      // Codes without an action.
      {0, 3, 2, Filled, 5},   {6, 3, 2, Filled, 5},   {9, 3, 2, Filled, 5},
      {16, 3, 2, Filled, 5},  {21, 3, 2, Filled, 5},  {24, 3, 2, Filled, 5},
      {32, 3, 2, Filled, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    t_Window& w = filledwindow();
    t_PrintControl(0, row.code);
    EXPECT_EQ(std::tuple(w.TextHpos, w.TextVpos, t_GetScreen(0, "|"), w.TextDisplayMode, w.TextInverse),
              std::tuple(row.hpos, row.vpos, row.screen, row.mode, false));
  }
}

TEST(ControlCodes, InverseAndBeep) {
  t_Window& w = filledwindow();
  // 15 sets inverse, 14 clears it, 17 toggles it.
  for (auto [code, inverse] : {std::pair{15, true}, {14, false}, {17, true}, {17, false}}) {
    t_PrintControl(0, code);
    EXPECT_EQ(w.TextInverse, inverse) << code;
  }
  const int64_t beeps = useHeadlessHost().beepcount();
  t_PrintControl(0, 7);
  EXPECT_EQ(useHeadlessHost().beepcount(), beeps + 1);
}

TEST(ControlCodes, ElsewhereTheCodeIsWrittenOrReported) {
  t_Window& w = filledwindow();
  vxtest::LogCapture capture;
  t_RedirectOutput(0, 2);
  t_PrintControl(0, 13);
  EXPECT_EQ(capture.take(), "\r");
  EXPECT_EQ(w.TextVpos, 2);
  t_RedirectOutput(0, 5);
  t_PrintControl(0, 13);
  t_PrintControl(4, 13);
  t_PrintControl(200, 13);
  EXPECT_EQ(capture.take(),
            "t_PrintControl: Window #4 not initialized.\n"
            "t_PrintControl: Window is not a graphic window.\n");
}
