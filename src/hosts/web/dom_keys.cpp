#include "hosts/web/dom_keys.h"

#include <array>
#include <string_view>

#include "host/key_codes.h"
#include "runtime/utf8.h"

namespace vx::web {

namespace {

std::string scalar(char32_t c) { return scalarstoutf8(std::u32string(1, c)); }

HostKeyEvent special(uint16_t code, std::string characters, uint64_t flags, uint64_t extra = 0) {
  return HostKeyEvent{code, std::move(characters), flags | extra};
}

// The keys the browser names, with what the desktop host makes of them (the
// characters its keyboard gives, function-key characters for navigation).
std::optional<HostKeyEvent> namedkey(std::string_view key, int location, uint64_t flags) {
  using namespace keycode;
  constexpr uint64_t Arrow = NumericPadModifier | FunctionModifier;
  if (key == "Backspace") return special(Backspace, "\x7f", flags);
  if (key == "Delete") return special(ForwardDelete, scalar(0xF728), flags, FunctionModifier);
  if (key == "Home") return special(Home, scalar(0xF729), flags, FunctionModifier);
  if (key == "End") return special(End, scalar(0xF72B), flags, FunctionModifier);
  if (key == "PageUp") return special(PageUp, scalar(0xF72C), flags, FunctionModifier);
  if (key == "PageDown") return special(PageDown, scalar(0xF72D), flags, FunctionModifier);
  if (key == "ArrowUp") return special(UpArrow, scalar(0xF700), flags, Arrow);
  if (key == "ArrowDown") return special(DownArrow, scalar(0xF701), flags, Arrow);
  if (key == "ArrowLeft") return special(LeftArrow, scalar(0xF702), flags, Arrow);
  if (key == "ArrowRight") return special(RightArrow, scalar(0xF703), flags, Arrow);
  if (key == "Enter")
    return location == DomNumericPad ? special(KeypadEnter, "\x03", flags, NumericPadModifier)
                                     : special(Return, "\r", flags);
  if (key == "Clear") return special(KeypadClear, scalar(0xF739), flags, NumericPadModifier);
  if (key == "Tab") return special(Tab, (flags & ShiftModifier) ? "\x19" : "\t", flags);
  if (key == "Escape") return special(Escape, "\x1b", flags);
  if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F') {
    int n = 0;
    for (char c : key.substr(1)) n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : 99;
    if (const auto code = functionkey(n))
      return special(*code, scalar(FirstFunctionKeyCharacter + static_cast<char32_t>(n - 1)), flags,
                     FunctionModifier);
  }
  return std::nullopt;
}

// The keypad's keys by the character they type.
std::optional<uint16_t> keypadcode(char32_t c) {
  if (c >= U'0' && c <= U'9') return keycode::keypaddigit(static_cast<int>(c - U'0'));
  switch (c) {
    case U'.': case U',': return 65;
    case U'*': return 67;
    case U'+': return 69;
    case U'/': return 75;
    case U'-': return 78;
    case U'=': return 81;
    default: return std::nullopt;
  }
}

uint16_t charactercode(char32_t c) {
  if (const auto listed = keycode::tablekeyfor(c)) return *listed;
  return keycode::uslayout(c).value_or(0);
}

}  // namespace

uint64_t dommodifierflags(int modifiers) {
  uint64_t flags = 0;
  if (modifiers & DomShift) flags |= ShiftModifier;
  if (modifiers & DomControl) flags |= ControlModifier;
  if (modifiers & DomAlt) flags |= OptionModifier;
  if (modifiers & DomMeta) flags |= CommandModifier;
  return flags;
}

std::optional<HostKeyEvent> domkeyevent(const std::string& key, int location, int modifiers) {
  uint64_t flags = dommodifierflags(modifiers);
  if (auto named = namedkey(key, location, flags)) return named;
  const std::u32string scalars = utf8toscalars(key);
  // A key name of several characters ("Shift", "Dead", "CapsLock") types nothing.
  if (scalars.size() != 1) return std::nullopt;
  const char32_t c = scalars.front();
  if (location == DomNumericPad) {
    if (const auto code = keypadcode(c)) return HostKeyEvent{*code, key, flags | NumericPadModifier};
  }
  // With Control a letter types its control character (Ctrl-S 19, Ctrl-V 22),
  // as the desktop's keyboard gives it; the key is the letter's.
  if ((flags & ControlModifier) && c < 0x80) {
    const char32_t letter = c >= U'A' && c <= U'Z' ? c + 32 : c;
    if (letter >= U'a' && letter <= U'z')
      return HostKeyEvent{charactercode(letter), std::string(1, static_cast<char>(letter & 0x1F)), flags};
  }
  return HostKeyEvent{charactercode(c), key, flags};
}

}  // namespace vx::web
