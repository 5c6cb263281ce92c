#pragma once
/// \file
/// Key and mouse events as a host hands them to the toolkit's slot views. Every
/// host translates its own events into this form first: key codes are the
/// toolkit's virtual key codes (those the key table is written in, e.g. 51
/// Delete, 123..126 the arrows, 36 Return, 53 Escape), modifier flags use the
/// bits 16 caps lock, 17 shift, 18 control, 19 option, 20 command, 21 numeric
/// pad, 22 help, 23 function; characters above the Latin range are the host
/// function-key characters (F1 = U+F704 ...).
#include <cstdint>
#include <string>

namespace vx {

// The host's modifier bits, as key events and key-equivalent masks carry them.
constexpr uint64_t CapsLockModifier = 1ull << 16;    ///< caps lock is on
constexpr uint64_t ShiftModifier = 1ull << 17;       ///< shift is held
constexpr uint64_t ControlModifier = 1ull << 18;     ///< control is held
constexpr uint64_t OptionModifier = 1ull << 19;      ///< option (alt) is held
constexpr uint64_t CommandModifier = 1ull << 20;     ///< command is held
constexpr uint64_t NumericPadModifier = 1ull << 21;  ///< the key is on the numeric pad
constexpr uint64_t HelpModifier = 1ull << 22;        ///< the help key is held
constexpr uint64_t FunctionModifier = 1ull << 23;    ///< the function modifier is held (or a function key)

/// A key press as a host hands it to the toolkit.
struct HostKeyEvent {
  uint16_t keyCode = 0;        ///< the toolkit's virtual key code (vx::keycode)
  std::string characters;      ///< UTF-8, what the key press produced
  uint64_t modifierFlags = 0;  ///< the modifier bits held
};

/// A mouse press as a host hands it to the toolkit.
struct HostMouseEvent {
  double windowX = 0;  ///< in the host window, origin at the bottom left, y upward
  double windowY = 0;  ///< upward from the window's bottom
  uint64_t pressedButtons = 0;  ///< bit 0 left, bit 1 right
  uint64_t modifierFlags = 0;   ///< the modifier bits held
};

}  // namespace vx
