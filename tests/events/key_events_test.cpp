#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "text_window.h"

using namespace vx;

using vxtest::presskey;

TEST(KeyEvents, TypedKeysQueueInOrderWithTheirFields) {
  vxtest::opentextwindow(2, 10, 3);
  presskey(2, 0, "a", ShiftModifier | NumericPadModifier | FunctionModifier);
  ASSERT_EQ(EventQueue.size(), 1);
  EXPECT_TRUE(EventsPending && KeyDown);
  const t_Event a = *EventQueue.at(0);
  EXPECT_GT(a.Time, 0);
  EXPECT_EQ(a, (t_Event{.Kind = 1, .Description = "a", .Value = 97, .Mods = 0xA2, .Window = 2, .Time = a.Time,
                        .ShiftPressed = true, .NumericPadPressed = true, .FnPressed = true}));
  EXPECT_TRUE(ModifierState.Shift && ModifierState.Function);
  viewKeyUp(2);
  EXPECT_FALSE(KeyDown);
  viewFlagsChanged(2, ControlModifier | CommandModifier);
  EXPECT_TRUE(ModifierState.Control && ModifierState.Command);
  EXPECT_FALSE(ModifierState.Shift || ModifierState.Function);

  presskey(2, 123, "\xEF\x9C\x82");  // left arrow
  presskey(2, 122, "\xEF\x9C\x84");  // F1
  // Taken in order, each the current event with its cursor and function key marks.
  for (const auto& [value, cursorkey, functionkey] : {std::tuple{97, false, false}, {8, true, false}, {129, false, true}}) {
    EXPECT_EQ(t_GetEvent(), value);
    EXPECT_EQ(std::tuple(CurrentEvent.get().CursorKeyPressed, CurrentEvent.get().FunctionKeyPressed),
              std::tuple(cursorkey, functionkey)) << value;
  }
  EXPECT_FALSE(EventsPending);
  // An empty queue answers -1 and keeps the last event.
  EXPECT_EQ(t_GetEvent(), -1);
  EXPECT_EQ(CurrentEvent.get().Value, 129);
}

TEST(KeyEvents, KeysOfUnusableSlotsAreDropped) {
  vxtest::LogCapture capture;
  presskey(1, 0, "a");  // before the memory exists: silently
  EXPECT_TRUE(KeyDown);
  vxtest::opentextwindow(2, 10, 3);
  capture.take();
  presskey(1, 0, "a");
  presskey(9, 0, "a");
  presskey(-1, 0, "a");
  EXPECT_EQ(capture.take(),
            "viewKeyDown: Graphic window (1) not initialized.\n"
            "viewKeyDown: Graphic window (9) not initialized.\n"
            "viewKeyDown: Graphic window (-1) not initialized.\n");
  WindowTable[2].IgnoreEvents = true;
  presskey(2, 0, "a");
  EXPECT_EQ(capture.take(), "");
  WindowTable[2].IgnoreEvents = false;
  presskey(2, 3, "\xD0\x96");  // Cyrillic: no toolkit code
  // Control with keypad 8 routes the window's output to standard output.
  presskey(2, 91, "8", ControlModifier | NumericPadModifier);
  EXPECT_EQ(std::tuple(WindowTable[2].TextRedirectOutput, EventQueue.size(), EventsPending.load()), std::tuple(2, 0, false));
}

TEST(WaitKey, ShowsTheCursorWhileWaitingAndAnswersTheCharacter) {
  t_Window& w = vxtest::opentextwindow(0, 10, 3);
  std::atomic<bool> done{false};
  std::string answer;
  std::thread program([&] {
    answer = t_WaitKey(0);
    done = true;
  });
  // The cursor cell is drawn inverted while the program waits.
  ASSERT_TRUE(vxtest::pumpuntil([&] { return WaitingForKey.load(); }));
  EXPECT_EQ(vxtest::cellattribute(0, 1, 1), 0x0C);
  presskey(0, 41, "\xC3\xB6");
  ASSERT_TRUE(vxtest::pumpuntil([&] { return done.load(); }));
  program.join();
  EXPECT_EQ(std::tuple(answer, w.TextCursorLevel, vxtest::cellattribute(0, 1, 1)), std::tuple("\xC3\xB6", 0, 0xC0));
  // A value that is no Unicode scalar answers U+0000.
  t_Event surrogate;
  surrogate.Value = 0xD800;
  queuekeyevent(surrogate);
  EXPECT_EQ(t_WaitKey(0), std::string(1, '\0'));
}

TEST(CloseBox, HidesTheWindowAndKeepsIt) {
  vxtest::opentextwindow(1, 10, 3);
  HeadlessHost& h = useHeadlessHost();
  const HostWindow window = *t_GetHostWindow(1);
  t_WindowVisible(1, true);
  vxtest::LogCapture capture;
  EXPECT_FALSE(windowShouldClose(window) || h.isWindowVisible(window) || WindowTable[1].Visible);
  EXPECT_EQ(capture.take(), "t_MouseEventPostCloseBoxClick: Window = 1\n");
  EXPECT_EQ(EventQueue.size() + MouseEventQueue.size(), 0);
}
