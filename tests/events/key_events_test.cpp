#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "text_window.h"

using namespace vx;

namespace {

HostKeyEvent key(uint16_t keycode, std::string characters, uint64_t flags = 0) {
  return HostKeyEvent{keycode, std::move(characters), flags};
}

}  // namespace

TEST(KeyEvents, TypedKeyQueuesOneEventWithItsFields) {
  vxtest::opentextwindow(2, 10, 3);
  viewKeyDown(2, key(0, "a", ShiftModifier | NumericPadModifier | FunctionModifier));
  ASSERT_EQ(EventQueue.size(), 1);
  EXPECT_TRUE(EventsPending);
  EXPECT_TRUE(KeyDown);
  const t_Event event = *EventQueue.at(0);
  EXPECT_EQ(event.Kind, 1);
  EXPECT_EQ(event.Index, 0);
  EXPECT_EQ(event.Description, "a");
  EXPECT_EQ(event.Value, 97);
  EXPECT_EQ(event.Window, 2);
  EXPECT_EQ(event.Mods, 0xA2);
  EXPECT_TRUE(event.ShiftPressed);
  EXPECT_TRUE(event.NumericPadPressed);
  EXPECT_TRUE(event.FnPressed);
  EXPECT_FALSE(event.ControlPressed);
  EXPECT_FALSE(event.CursorKeyPressed);
  EXPECT_FALSE(event.FunctionKeyPressed);
  EXPECT_GT(event.Time, 0);
  EXPECT_TRUE(ModifierState.Shift);
  EXPECT_TRUE(ModifierState.Function);
  viewKeyUp(2);
  EXPECT_FALSE(KeyDown);

  viewKeyDown(2, key(123, "\xEF\x9C\x82"));
  viewKeyDown(2, key(122, "\xEF\x9C\x84"));
  EXPECT_EQ(t_GetEvent(), 97);
  EXPECT_EQ(t_GetEvent(), 8);
  EXPECT_TRUE(CurrentEvent.get().CursorKeyPressed);
  EXPECT_EQ(t_GetEvent(), 129);
  EXPECT_TRUE(CurrentEvent.get().FunctionKeyPressed);
  EXPECT_FALSE(EventsPending);
  // An empty queue answers -1 and keeps the last event.
  EXPECT_EQ(t_GetEvent(), -1);
  EXPECT_EQ(CurrentEvent.get().Value, 129);
}

TEST(KeyEvents, DroppedKeysOfUnusableSlots) {
  vxtest::LogCapture capture;
  viewKeyDown(1, key(0, "a"));  // before the memory exists: silently
  EXPECT_TRUE(KeyDown);
  vxtest::opentextwindow(2, 10, 3);
  capture.take();
  viewKeyDown(1, key(0, "a"));
  EXPECT_EQ(capture.take(), "viewKeyDown: Graphic window (1) not initialized.\n");
  viewKeyDown(9, key(0, "a"));
  viewKeyDown(-1, key(0, "a"));
  EXPECT_EQ(capture.take(),
            "viewKeyDown: Graphic window (9) not initialized.\n"
            "viewKeyDown: Graphic window (-1) not initialized.\n");
  WindowTable[2].IgnoreEvents = true;
  viewKeyDown(2, key(0, "a"));
  EXPECT_EQ(capture.take(), "");
  WindowTable[2].IgnoreEvents = false;
  viewKeyDown(2, key(3, "\xD0\x96"));  // no toolkit code
  EXPECT_EQ(EventQueue.size(), 0);
  EXPECT_FALSE(EventsPending);
}

TEST(KeyEvents, ControlKeypadRoutesOutputAndQueuesNothing) {
  t_Window& w = vxtest::opentextwindow(0, 10, 3);
  viewKeyDown(0, key(91, "8", ControlModifier | NumericPadModifier));
  EXPECT_EQ(w.TextRedirectOutput, 2);
  viewKeyDown(0, key(89, "7", ControlModifier | NumericPadModifier));
  EXPECT_EQ(w.TextRedirectOutput, 0);
  viewKeyDown(0, key(92, "9", ControlModifier | NumericPadModifier));
  EXPECT_EQ(w.TextRedirectOutput, 1);
  EXPECT_EQ(EventQueue.size(), 0);
}

TEST(KeyEvents, FlagsChangedKeepsTheModifierState) {
  viewFlagsChanged(0, CapsLockModifier | OptionModifier | CommandModifier);
  EXPECT_TRUE(ModifierState.CapsLock);
  EXPECT_TRUE(ModifierState.Option);
  EXPECT_TRUE(ModifierState.Command);
  EXPECT_FALSE(ModifierState.Shift);
  EXPECT_FALSE(ModifierState.Control);
  viewFlagsChanged(0, ControlModifier);
  EXPECT_TRUE(ModifierState.Control);
  EXPECT_FALSE(ModifierState.Option);
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
  ASSERT_TRUE(vxtest::pumpuntil([&] { return vxtest::cellattribute(0, 1, 1) == 0x0C; }));
  viewKeyDown(0, key(41, "\xC3\xB6"));
  ASSERT_TRUE(vxtest::pumpuntil([&] { return done.load(); }));
  program.join();
  EXPECT_EQ(answer, "\xC3\xB6");
  EXPECT_EQ(w.TextCursorLevel, 0);
  EXPECT_EQ(vxtest::cellattribute(0, 1, 1), 0xC0);

  // A value that is no Unicode scalar answers U+0000.
  t_Event surrogate;
  surrogate.Kind = 1;
  surrogate.Value = 0xD800;
  queuekeyevent(surrogate);
  EXPECT_EQ(t_WaitKey(0), std::string(1, '\0'));
}

TEST(CloseBox, HidesTheWindowAndKeepsIt) {
  vxtest::opentextwindow(1, 10, 3);
  HeadlessHost& h = useHeadlessHost();
  const HostWindow window = *t_GetHostWindow(1);
  h.orderFront(window);
  WindowTable[1].Visible = true;
  vxtest::LogCapture capture;
  EXPECT_FALSE(windowShouldClose(window));
  EXPECT_FALSE(h.isWindowVisible(window));
  EXPECT_FALSE(WindowTable[1].Visible);
  EXPECT_EQ(capture.take(), "t_MouseEventPostCloseBoxClick: Window = 1\n");
  EXPECT_EQ(EventQueue.size(), 0);
  EXPECT_EQ(MouseEventQueue.size(), 0);
}
