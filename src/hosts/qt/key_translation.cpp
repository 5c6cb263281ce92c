#include "hosts/qt/key_translation.h"

#include <string>

#include "host/key_codes.h"
#include "runtime/utf8.h"

namespace vx::qt {

namespace {

std::string scalar(char32_t c) { return scalarstoutf8(std::u32string(1, c)); }

HostKeyEvent special(uint16_t code, std::string characters, uint64_t flags, uint64_t extra = 0) {
  return HostKeyEvent{code, std::move(characters), flags | extra};
}

// Keys the key table names by code; the characters are those the host's own
// keyboard gives these keys (function-key characters for the navigation keys).
std::optional<HostKeyEvent> namedkey(int key, uint64_t flags) {
  using namespace keycode;
  switch (key) {
    case Qt::Key_Backspace: return special(Backspace, "\x7f", flags);
    case Qt::Key_Delete: return special(ForwardDelete, scalar(0xF728), flags, FunctionModifier);
    case Qt::Key_Home: return special(Home, scalar(0xF729), flags, FunctionModifier);
    case Qt::Key_End: return special(End, scalar(0xF72B), flags, FunctionModifier);
    case Qt::Key_PageUp: return special(PageUp, scalar(0xF72C), flags, FunctionModifier);
    case Qt::Key_PageDown: return special(PageDown, scalar(0xF72D), flags, FunctionModifier);
    case Qt::Key_Up: return special(UpArrow, scalar(0xF700), flags, NumericPadModifier | FunctionModifier);
    case Qt::Key_Down: return special(DownArrow, scalar(0xF701), flags, NumericPadModifier | FunctionModifier);
    case Qt::Key_Left: return special(LeftArrow, scalar(0xF702), flags, NumericPadModifier | FunctionModifier);
    case Qt::Key_Right: return special(RightArrow, scalar(0xF703), flags, NumericPadModifier | FunctionModifier);
    case Qt::Key_Return: return special(Return, "\r", flags);
    case Qt::Key_Enter: return special(KeypadEnter, "\x03", flags, NumericPadModifier);
    case Qt::Key_Clear: return special(KeypadClear, scalar(0xF739), flags, NumericPadModifier);
    case Qt::Key_Tab: return special(Tab, "\t", flags);
    case Qt::Key_Backtab: return special(Tab, "\x19", flags, ShiftModifier);
    case Qt::Key_Escape: return special(Escape, "\x1b", flags);
    // Dead keys produce no characters; the table gives their accents by code.
    case Qt::Key_Dead_Circumflex: return special(10, "", flags);
    case Qt::Key_Dead_Acute: return special(24, "", flags);
    case Qt::Key_Dead_Grave: return special(24, "", flags, ShiftModifier);
    case Qt::Key_Dead_Macron: return special(32, "", flags);
    case Qt::Key_Dead_Tilde: return special(45, "", flags, OptionModifier);
    default: break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    const int n = key - Qt::Key_F1 + 1;
    return special(*keycode::functionkey(n),
                   scalar(keycode::FirstFunctionKeyCharacter + static_cast<char32_t>(n - 1)), flags,
                   FunctionModifier);
  }
  return std::nullopt;
}

// With Num Lock off the keypad's digit keys report navigation keys; the
// toolkit's keypad has no such mode, so they are its digits all the same.
std::optional<int> keypaddigitbehind(int key) {
  switch (key) {
    case Qt::Key_Insert: return 0;
    case Qt::Key_End: return 1;
    case Qt::Key_Down: return 2;
    case Qt::Key_PageDown: return 3;
    case Qt::Key_Left: return 4;
    case Qt::Key_Right: return 6;
    case Qt::Key_Home: return 7;
    case Qt::Key_Up: return 8;
    case Qt::Key_PageUp: return 9;
    default: return std::nullopt;
  }
}

std::optional<uint16_t> keypadcode(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keycode::keypaddigit(key - Qt::Key_0);
  if (const auto digit = keypaddigitbehind(key)) return keycode::keypaddigit(*digit);
  switch (key) {
    case Qt::Key_Period: case Qt::Key_Comma: return 65;
    case Qt::Key_Asterisk: return 67;
    case Qt::Key_Plus: return 69;
    case Qt::Key_Slash: return 75;
    case Qt::Key_Minus: return 78;
    case Qt::Key_Equal: return 81;
    default: return std::nullopt;
  }
}

uint16_t charactercode(int key, char32_t c) {
  if (const auto listed = keycode::tablekeyfor(c)) return *listed;
  // Qt names the printable ASCII keys by their (upper-case) character.
  if (key >= 0x20 && key < 0x7F) {
    if (const auto us = keycode::uslayout(static_cast<char32_t>(key))) return *us;
  }
  return keycode::uslayout(c).value_or(0);
}

}  // namespace

uint64_t modifierflags(Qt::KeyboardModifiers modifiers) {
  uint64_t flags = 0;
  if (modifiers & Qt::ShiftModifier) flags |= ShiftModifier;
  if (modifiers & Qt::ControlModifier) flags |= ControlModifier;
  if (modifiers & Qt::AltModifier) flags |= OptionModifier;
  if (modifiers & Qt::MetaModifier) flags |= CommandModifier;
  if (modifiers & Qt::KeypadModifier) flags |= NumericPadModifier;
  return flags;
}

bool ismodifierkey(int key) {
  switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
    case Qt::Key_AltGr: case Qt::Key_CapsLock: case Qt::Key_Super_L: case Qt::Key_Super_R:
      return true;
    default:
      return false;
  }
}

std::optional<HostKeyEvent> translatekey(const QKeyEvent& event) {
  const int key = event.key();
  if (ismodifierkey(key)) return std::nullopt;
  const uint64_t flags = modifierflags(event.modifiers());
  const std::string text = event.text().toStdString();
  if (flags & NumericPadModifier) {
    if (const auto code = keypadcode(key)) {
      const auto digit = keypaddigitbehind(key);
      return HostKeyEvent{*code, digit ? std::to_string(*digit) : text, flags};
    }
  }
  if (auto named = namedkey(key, flags)) return named;
  const std::u32string scalars = utf8toscalars(text);
  if (scalars.empty()) return std::nullopt;  // a key that typed nothing
  return HostKeyEvent{charactercode(key, scalars.front()), text, flags};
}

}  // namespace vx::qt
