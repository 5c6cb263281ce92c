#include "events/key_table.h"

#include <array>
#include <optional>

#include "events/event_record.h"
#include "runtime/text.h"

namespace vx {
namespace {

constexpr int64_t FirstHostFunctionCharacter = 0xF704;  // F1
constexpr int64_t HostFunctionOffset = 0xF683;          // F1 becomes 129

struct FixedKey {
  uint16_t keycode;
  int64_t value;
  bool cursorkey;
};

// Keys whose meaning does not depend on what the host reports as characters.
constexpr std::array<FixedKey, 12> FixedKeys{{
    {51, 127, false},  // Delete (backspace)
    {71, 27, false},   // keypad Clear
    {76, 13, false},   // keypad Enter
    {115, 2, true},    // Home
    {116, 18, true},   // Page Up
    {117, 7, false},   // Forward Delete
    {119, 5, true},    // End
    {121, 3, true},    // Page Down
    {123, 8, true},    // Left arrow
    {124, 21, true},   // Right arrow
    {125, 10, true},   // Down arrow
    {126, 11, true},   // Up arrow
}};

struct CharacterRow {
  uint16_t keycode;
  int64_t character;  // what the host reports: an option combination, or shift-tab
  int64_t value;
};

constexpr std::array<CharacterRow, 29> CharacterRows{{
    {0, 0x00E5, 0xB0},  {1, 0x201A, 0xA8},  {2, 0x2202, 0xAD},  {3, 0x0192, 0x82},
    {4, 0x00AA, 0x83},  {7, 0x2248, 0x84},  {9, 0x221A, 0xFD},  {11, 0x222B, 0xDE},
    {13, 0x2211, 0xDD}, {14, 0x20AC, 0xA4}, {16, 0x03A9, 0x80}, {17, 0x2020, 0xBD},
    {19, 0x201C, 0xA3}, {27, 0x00BF, 0xA6}, {29, 0x2260, 0xAC}, {33, 0x2022, 0xB8},
    {34, 0x2044, 0x81}, {35, 0x03C0, 0xF0}, {35, 0x220F, 0xD0}, {38, 0x00BA, 0xB7},
    {40, 0x2206, 0xFE}, {41, 0x0153, 0xBE}, {42, 0x2018, 0xB4}, {43, 0x221E, 0xFF},
    {44, 0x2013, 0x9A}, {47, 0x2026, 0xBF}, {50, 0x2264, 0xC5}, {50, 0x2265, 0xC6},
    {48, 0x19, 20},  // shift-tab
}};

// Option with keypad 0..6.
constexpr std::array<int64_t, 7> OptionKeypadDigits{0xD8, 0xB9, 0xB2, 0xB3, 0xAA, 0xD7, 0xBA};

KeyTranslation event(int64_t value, bool cursorkey = false) {
  return {KeyTranslation::Outcome::Event, value, cursorkey, false, 0};
}

std::optional<KeyTranslation> fixedkey(uint16_t keycode) {
  for (const FixedKey& key : FixedKeys)
    if (key.keycode == keycode) return event(key.value, key.cursorkey);
  return std::nullopt;
}

std::optional<KeyTranslation> characterrow(uint16_t keycode, int64_t character) {
  for (const CharacterRow& row : CharacterRows)
    if (row.keycode == keycode && row.character == character) return event(row.value);
  return std::nullopt;
}

// Dead keys report no characters.
std::optional<KeyTranslation> deadkey(uint16_t keycode, bool shift, bool option) {
  switch (keycode) {
    case 10: return event(0x5E);
    case 24: return event(shift ? 0x60 : 0xB4);
    case 32: return event(0xAF);
    case 45:
      if (option) return event(0x7E);
      return std::nullopt;
    default: return std::nullopt;
  }
}

// Keypad 7, 8 and 9: with option characters, with control (and no option)
// the output routing of the window: nowhere, standard output, the window.
std::optional<KeyTranslation> upperkeypad(uint16_t keycode, bool control, bool option) {
  const int row = keycode == 89 ? 0 : keycode == 91 ? 1 : keycode == 92 ? 2 : -1;
  if (row < 0) return std::nullopt;
  constexpr std::array<int64_t, 3> optionvalues{0xE5, 0xE6, 0xBC};
  constexpr std::array<int64_t, 3> routings{0, 2, 1};
  if (option) return event(optionvalues[row]);
  if (control) return KeyTranslation{KeyTranslation::Outcome::Redirect, 0, false, false, routings[row]};
  return std::nullopt;
}

std::optional<KeyTranslation> specialkey(uint16_t keycode, const std::string& characters,
                                         int64_t character, uint64_t flags) {
  const bool shift = (flags & ShiftModifier) != 0;
  const bool control = (flags & ControlModifier) != 0;
  const bool option = (flags & OptionModifier) != 0;
  if (auto fixed = fixedkey(keycode)) return fixed;
  if (characters.empty())
    if (auto dead = deadkey(keycode, shift, option)) return dead;
  if (keycode == 37 && character == 0x0C && option) return event(0);
  if (keycode >= 82 && keycode <= 88 && option) return event(OptionKeypadDigits[keycode - 82]);
  if (auto keypad = upperkeypad(keycode, control, option)) return keypad;
  return characterrow(keycode, character);
}

KeyTranslation generalrule(int64_t character) {
  if (character <= 255) return event(character);
  if (character < FirstHostFunctionCharacter) return {};
  KeyTranslation function = event(character - HostFunctionOffset);
  function.functionkey = true;
  return function;
}

}  // namespace

KeyTranslation translatekey(uint16_t keycode, const std::string& characters,
                            uint64_t modifierFlags) {
  const int64_t character = firstscalar(characters);
  if (auto special = specialkey(keycode, characters, character, modifierFlags)) return *special;
  return generalrule(character);
}

}  // namespace vx
