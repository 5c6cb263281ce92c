#include <gtest/gtest.h>

#include <tuple>

#include "events/event_record.h"
#include "events/key_table.h"
#include "host/key_codes.h"

using namespace vx;

namespace {

using Outcome = KeyTranslation::Outcome;
constexpr Outcome Event = Outcome::Event, None = Outcome::NoEvent, Redirect = Outcome::Redirect;
constexpr uint64_t Shift = ShiftModifier, Control = ControlModifier, Option = OptionModifier,
                   Pad = NumericPadModifier;

// A key press and the whole translation it must give.
struct Row {
  uint16_t keycode;
  std::string characters;
  uint64_t flags;
  Outcome outcome;
  int64_t value = 0;
  bool cursorkey = false, functionkey = false;
  int64_t redirect = 0;
};

void expectrows(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "key " << r.keycode << " '" << r.characters << "' flags 0x" << std::hex
                                      << r.flags);
    const KeyTranslation k = translatekey(r.keycode, r.characters, r.flags);
    EXPECT_EQ(std::tuple(k.outcome, k.value, k.cursorkey, k.functionkey, k.redirect),
              std::tuple(r.outcome, r.value, r.cursorkey, r.functionkey, r.redirect));
  }
}

}  // namespace

TEST(KeyTable, SpecialKeysIgnoreTheirCharacters) {
  const std::tuple<uint16_t, int64_t, bool> keys[] = {
      {51, 127, false}, {71, 27, false}, {76, 13, false}, {115, 2, true}, {116, 18, true}, {117, 7, false},
      {119, 5, true},   {121, 3, true},  {123, 8, true},  {124, 21, true}, {125, 10, true}, {126, 11, true}};
  std::vector<Row> rows;
  // The host reports private-use characters for the arrows and such keys.
  for (const auto& [key, value, cursor] : keys) {
    rows.push_back({key, "\xEF\x9C\x80", 0, Event, value, cursor});
    rows.push_back({key, "", Shift, Event, value, cursor});
  }
  expectrows(rows);
}

TEST(KeyTable, CharacterRowsDeadKeysAndTheGeneralRule) {
  expectrows({
      // The general rule: Latin-1 stays, other characters give nothing, the
      // host's function characters are numbered from 129; no characters outside
      // the dead-key rows give code 0.
      {0, "a", 0, Event, 97}, {41, "\xC3\xB6", 0, Event, 0xF6}, {3, "\xD0\x96", 0, None},
      {3, "\xEF\x9C\x83", 0, None}, {96, "", 0, Event, 0},
      {122, "\xEF\x9C\x84", FunctionModifier, Event, 129, false, true},
      {120, "\xEF\x9C\x85", FunctionModifier, Event, 130, false, true},
      // Option characters of the key's row, two on some keys; shift-tab.
      {0, "\xC3\xA5", Option, Event, 0xB0}, {14, "\xE2\x82\xAC", Option, Event, 0xA4},
      {35, "\xCF\x80", Option, Event, 0xF0}, {35, "\xE2\x88\x8F", Option, Event, 0xD0},
      {50, "\xE2\x89\xA4", Option, Event, 0xC5}, {50, "\xE2\x89\xA5", Option, Event, 0xC6},
      {48, "\x19", Option, Event, 20},
      // On another key the same character follows the general rule.
      {6, "\xC3\xA5", Option, Event, 0xE5}, {6, "\xE2\x82\xAC", Option, None},
      // Option-L gives code 0 only with option held.
      {37, "\x0C", Option, Event, 0}, {37, "\x0C", Control, Event, 12},
      // Dead keys report no characters; with characters they are ordinary.
      {10, "", 0, Event, 0x5E}, {24, "", 0, Event, 0xB4}, {24, "", Shift, Event, 0x60}, {32, "", 0, Event, 0xAF},
      {45, "", Option, Event, 0x7E}, {45, "", 0, Event, 0}, {24, "=", 0, Event, '='}, {32, "u", 0, Event, 'u'},
  });
}

TEST(KeyTable, KeypadWithOptionAndControl) {
  const int64_t digits[] = {0xD8, 0xB9, 0xB2, 0xB3, 0xAA, 0xD7, 0xBA};
  std::vector<Row> rows;
  for (uint16_t key = 82; key <= 88; ++key) {
    rows.push_back({key, "0", Option | Pad, Event, digits[key - 82]});
    rows.push_back({key, "5", Pad, Event, '5'});
  }
  // Keypad 7, 8 and 9: option characters; control alone routes the output.
  const std::tuple<uint16_t, int64_t, int64_t> upper[] = {{89, 0xE5, 0}, {91, 0xE6, 2}, {92, 0xBC, 1}};
  for (const auto& [key, option, routing] : upper) {
    rows.push_back({key, "7", Control, Redirect, 0, false, false, routing});
    rows.push_back({key, "7", Option, Event, option});
    rows.push_back({key, "7", Option | Control, Event, option});
    rows.push_back({key, "8", 0, Event, '8'});
  }
  expectrows(rows);
}

// A key that no US key matches is found by its character, so ª, ¿ and º
// typed on keys of their own (as on Spanish layouts) reach their rows too.
TEST(KeyTable, CharactersWithoutAUsKeyReachTheirRows) {
  std::vector<Row> rows;
  const std::pair<std::string, int64_t> characters[] = {
      {"\xC2\xAA", 0x83}, {"\xC2\xBF", 0xA6}, {"\xC2\xBA", 0xB7}, {"\xE2\x82\xAC", 0xA4},
      {"\xC3\xA4", 0xE4}};  // ä has no row: the general rule
  for (const auto& [typed, value] : characters) {
    const HostKeyEvent key = keycode::characterkeyevent(typed);
    rows.push_back({key.keyCode, key.characters, 0, Event, value});
  }
  expectrows(rows);
}
