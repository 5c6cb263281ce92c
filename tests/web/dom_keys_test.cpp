// The page's key presses become the events the desktop host makes of the
// same keys, so a program cannot tell the two hosts apart by its keys.
#include <gtest/gtest.h>

#include "host/key_codes.h"
#include "hosts/web/dom_keys.h"
#include "runtime/utf8.h"

using namespace vx;
using namespace vx::web;

namespace {
std::string scalar(char32_t c) { return scalarstoutf8(std::u32string(1, c)); }
}  // namespace

TEST(DomKeys, KeysBecomeTheDesktopsEvents) {
  using namespace keycode;
  constexpr uint64_t Arrow = NumericPadModifier | FunctionModifier;
  const struct {
    std::string key;
    int location, modifiers;
    HostKeyEvent expected;
  } cases[] = {
      {"a", 0, 0, characterkeyevent("a")},
      {"ä", 0, 0, characterkeyevent("ä")},
      {"ß", 0, 0, characterkeyevent("ß")},
      {"A", 0, DomShift, characterkeyevent("A", ShiftModifier)},
      {"Enter", 0, 0, {Return, "\r", 0}},
      {"Enter", DomNumericPad, 0, {KeypadEnter, "\x03", NumericPadModifier}},
      {"Backspace", 0, 0, {Backspace, "\x7f", 0}},
      {"Delete", 0, 0, {ForwardDelete, scalar(0xF728), FunctionModifier}},
      {"Home", 0, 0, {Home, scalar(0xF729), FunctionModifier}},
      {"End", 0, DomShift, {End, scalar(0xF72B), FunctionModifier | ShiftModifier}},
      {"ArrowUp", 0, 0, {UpArrow, scalar(0xF700), Arrow}},
      {"ArrowLeft", 0, 0, {LeftArrow, scalar(0xF702), Arrow}},
      {"Escape", 0, 0, {Escape, "\x1b", 0}},
      {"Tab", 0, DomShift, {Tab, "\x19", ShiftModifier}},
      {"F1", 0, 0, {*functionkey(1), scalar(0xF704), FunctionModifier}},
      {"F12", 0, 0, {*functionkey(12), scalar(0xF70F), FunctionModifier}},
      // Control letters type their control characters: Ctrl-S pauses, Ctrl-L copies the line.
      {"s", 0, DomControl, {*uslayout(U's'), "\x13", ControlModifier}},
      {"L", 0, DomControl | DomShift, {*uslayout(U'l'), "\x0c", ControlModifier | ShiftModifier}},
      {"7", DomNumericPad, 0, {*keypaddigit(7), "7", NumericPadModifier}},
      {"+", DomNumericPad, 0, {69, "+", NumericPadModifier}},
  };
  for (const auto& c : cases) {
    const auto event = domkeyevent(c.key, c.location, c.modifiers);
    ASSERT_TRUE(event.has_value()) << c.key;
    EXPECT_EQ(event->keyCode, c.expected.keyCode) << c.key;
    EXPECT_EQ(event->characters, c.expected.characters) << c.key;
    EXPECT_EQ(event->modifierFlags, c.expected.modifierFlags) << c.key;
  }
}

// Modifiers alone, dead keys (whose accent comes with the next key) and
// names the toolkit has no key for type nothing.
TEST(DomKeys, KeysThatTypeNothingGiveNoEvent) {
  for (const char* key : {"Shift", "Control", "Dead", "CapsLock", "F13", "F0", "Unidentified", ""})
    EXPECT_FALSE(domkeyevent(key, 0, 0).has_value()) << key;
  EXPECT_EQ(dommodifierflags(DomShift | DomControl | DomAlt | DomMeta),
            ShiftModifier | ControlModifier | OptionModifier | CommandModifier);
}
