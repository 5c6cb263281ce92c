#include "host/key_codes.h"

#include <algorithm>
#include <iterator>

#include "runtime/utf8.h"

namespace vx::keycode {

namespace {

struct KeyCharacter {
  char32_t character;
  uint16_t code;
};

// The US layout: each key with its unshifted and shifted character.
struct UsKey {
  char unshifted;
  char shifted;
  uint16_t code;
};

constexpr UsKey uskeys[] = {
    {'a', 'A', 0},   {'s', 'S', 1},   {'d', 'D', 2},   {'f', 'F', 3},   {'h', 'H', 4},
    {'g', 'G', 5},   {'z', 'Z', 6},   {'x', 'X', 7},   {'c', 'C', 8},   {'v', 'V', 9},
    {'b', 'B', 11},  {'q', 'Q', 12},  {'w', 'W', 13},  {'e', 'E', 14},  {'r', 'R', 15},
    {'y', 'Y', 16},  {'t', 'T', 17},  {'1', '!', 18},  {'2', '@', 19},  {'3', '#', 20},
    {'4', '$', 21},  {'6', '^', 22},  {'5', '%', 23},  {'=', '+', 24},  {'9', '(', 25},
    {'7', '&', 26},  {'-', '_', 27},  {'8', '*', 28},  {'0', ')', 29},  {']', '}', 30},
    {'o', 'O', 31},  {'u', 'U', 32},  {'[', '{', 33},  {'i', 'I', 34},  {'p', 'P', 35},
    {'l', 'L', 37},  {'j', 'J', 38},  {'\'', '"', 39}, {'k', 'K', 40},  {';', ':', 41},
    {'\\', '|', 42}, {',', '<', 43},  {'/', '?', 44},  {'n', 'N', 45},  {'m', 'M', 46},
    {'.', '>', 47},  {' ', ' ', Space}, {'`', '~', 50},
};

// The characters of the key table's option rows that no US key types, with
// their keys: those above U+00FF, and ª, ¿ and º, which other layouts type
// on keys of their own.
constexpr KeyCharacter tablecharacters[] = {
    {0x00AA, 4},  {0x00BF, 27}, {0x00BA, 38},
    {0x201A, 1},  {0x2202, 2},  {0x0192, 3},  {0x2248, 7},  {0x221A, 9},  {0x222B, 11},
    {0x2211, 13}, {0x20AC, 14}, {0x03A9, 16}, {0x2020, 17}, {0x201C, 19}, {0x2260, 29},
    {0x2022, 33}, {0x2044, 34}, {0x03C0, 35}, {0x220F, 35}, {0x2206, 40}, {0x0153, 41},
    {0x2018, 42}, {0x221E, 43}, {0x2013, 44}, {0x2026, 47}, {0x2264, 50}, {0x2265, 50},
};

constexpr uint16_t keypadcodes[] = {82, 83, 84, 85, 86, 87, 88, 89, 91, 92};
constexpr uint16_t functioncodes[] = {122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111};

}  // namespace

std::optional<uint16_t> keypaddigit(int digit) {
  if (digit < 0 || digit > 9) return std::nullopt;
  return keypadcodes[digit];
}

std::optional<uint16_t> functionkey(int n) {
  if (n < 1 || n > 12) return std::nullopt;
  return functioncodes[n - 1];
}

std::optional<uint16_t> uslayout(char32_t c) {
  switch (c) {
    case U'\r': case U'\n': return Return;
    case U'\t': return Tab;
    case 0x1B: return Escape;
    case 0x7F: case 0x08: return Backspace;
    default: break;
  }
  const auto key = std::find_if(std::begin(uskeys), std::end(uskeys), [c](const UsKey& k) {
    return static_cast<char32_t>(k.unshifted) == c || static_cast<char32_t>(k.shifted) == c;
  });
  if (key == std::end(uskeys)) return std::nullopt;
  return key->code;
}

std::optional<uint16_t> tablekeyfor(char32_t c) {
  const auto row = std::find_if(std::begin(tablecharacters), std::end(tablecharacters),
                                [c](const KeyCharacter& k) { return k.character == c; });
  if (row == std::end(tablecharacters)) return std::nullopt;
  return row->code;
}

HostKeyEvent characterkeyevent(const std::string& characters, uint64_t modifiers) {
  HostKeyEvent event;
  event.characters = characters;
  event.modifierFlags = modifiers;
  const std::u32string scalars = utf8toscalars(characters);
  if (!scalars.empty()) {
    const char32_t c = scalars.front();
    event.keyCode = tablekeyfor(c).value_or(uslayout(c).value_or(0));
  }
  return event;
}

}  // namespace vx::keycode
