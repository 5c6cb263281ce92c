#pragma once
/// \file
/// The toolkit's virtual key codes, for hosts that must produce them from their
/// own keyboard events: the codes of the special keys, the code that the key of
/// a US layout for a character has, and the key whose row in the toolkit's key
/// table lists a character that no US key types.
#include <cstdint>
#include <optional>
#include <string>

#include "host/host_events.h"

/// The toolkit's virtual key codes of the special keys, and the key of a character.
namespace vx::keycode {

constexpr uint16_t Return = 36;  ///< Return
constexpr uint16_t Tab = 48;  ///< Tab
constexpr uint16_t Space = 49;  ///< the space bar
constexpr uint16_t Backspace = 51;  ///< Delete (backspace)
constexpr uint16_t Escape = 53;  ///< Escape
constexpr uint16_t KeypadClear = 71;  ///< Clear on the numeric pad
constexpr uint16_t KeypadEnter = 76;  ///< Enter on the numeric pad
constexpr uint16_t Home = 115;  ///< Home
constexpr uint16_t PageUp = 116;  ///< Page Up
constexpr uint16_t ForwardDelete = 117;  ///< forward delete
constexpr uint16_t End = 119;  ///< End
constexpr uint16_t PageDown = 121;  ///< Page Down
constexpr uint16_t LeftArrow = 123;  ///< the left arrow
constexpr uint16_t RightArrow = 124;  ///< the right arrow
constexpr uint16_t DownArrow = 125;  ///< the down arrow
constexpr uint16_t UpArrow = 126;  ///< the up arrow

/// Keypad digits 0..9 (the codes skip 90).
std::optional<uint16_t> keypaddigit(int digit);
/// F1..F12; their characters are U+F704 + (n - 1).
std::optional<uint16_t> functionkey(int n);
constexpr char32_t FirstFunctionKeyCharacter = 0xF704;  ///< the character F1 types; F2 and on follow

/// The key that types `c` on a US layout (shifted characters too); none when
/// the layout has no such key.
std::optional<uint16_t> uslayout(char32_t c);
/// For a character that no US key types and that the key table maps from an
/// option combination (the euro sign on the E key, ª on the H key, ...), that
/// key; otherwise none. A key found by its character reaches its table row
/// whatever layout typed it.
std::optional<uint16_t> tablekeyfor(char32_t c);

/// The key event of a key that typed `characters`: the table's key for a
/// listed character, else the US layout's key, else code 0.
HostKeyEvent characterkeyevent(const std::string& characters, uint64_t modifiers = 0);

}  // namespace vx::keycode
