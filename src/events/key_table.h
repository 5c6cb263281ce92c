#pragma once
// Translation of a host key press (virtual key code, characters, modifier
// flags) into a toolkit character code. The table is written in the host's
// virtual key codes; its option rows are the characters that option
// combinations give on a German keyboard layout, mapped into the toolkit's
// 8-bit character set, and the rows with no characters are its dead keys.
#include <cstdint>
#include <string>

namespace vx {

struct KeyTranslation {
  enum class Outcome {
    Event,     // queue an event with `value`
    NoEvent,   // the key produces nothing
    Redirect,  // no event; route the window's output to `redirect`
  };
  Outcome outcome = Outcome::NoEvent;
  int64_t value = 0;
  bool cursorkey = false;
  bool functionkey = false;
  int64_t redirect = 0;
};

KeyTranslation translatekey(uint16_t keycode, const std::string& characters,
                            uint64_t modifierFlags);

}  // namespace vx
