#include <gtest/gtest.h>

#include "events/event_record.h"
#include "events/key_table.h"
#include "host/key_codes.h"

using namespace vx;

namespace {

using Outcome = KeyTranslation::Outcome;

void expectevent(const KeyTranslation& key, int64_t value, bool cursorkey = false) {
  EXPECT_EQ(key.outcome, Outcome::Event);
  EXPECT_EQ(key.value, value);
  EXPECT_EQ(key.cursorkey, cursorkey);
  EXPECT_FALSE(key.functionkey);
}

}  // namespace

TEST(KeyTable, SpecialKeysIgnoreTheirCharacters) {
  struct Row {
    uint16_t keycode;
    int64_t value;
    bool cursorkey;
  };
  const Row rows[] = {{51, 127, false}, {71, 27, false}, {76, 13, false}, {115, 2, true},
                      {116, 18, true},  {117, 7, false}, {119, 5, true},  {121, 3, true},
                      {123, 8, true},   {124, 21, true}, {125, 10, true}, {126, 11, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keycode);
    // The host reports private-use characters for the arrows and such keys.
    expectevent(translatekey(row.keycode, "\xEF\x9C\x80", 0), row.value, row.cursorkey);
    expectevent(translatekey(row.keycode, "", ShiftModifier), row.value, row.cursorkey);
  }
}

TEST(KeyTable, GeneralRuleKeepsLatinDropsOthersAndNumbersFunctionKeys) {
  expectevent(translatekey(0, "a", 0), 97);
  expectevent(translatekey(41, "\xC3\xB6", 0), 0xF6);  // ö stays in the 8-bit set
  EXPECT_EQ(translatekey(3, "\xD0\x96", 0).outcome, Outcome::NoEvent);  // Cyrillic
  EXPECT_EQ(translatekey(3, "\xEF\x9C\x83", 0).outcome, Outcome::NoEvent);  // U+F703
  const KeyTranslation f1 = translatekey(122, "\xEF\x9C\x84", FunctionModifier);
  EXPECT_EQ(f1.outcome, Outcome::Event);
  EXPECT_EQ(f1.value, 129);
  EXPECT_TRUE(f1.functionkey);
  EXPECT_EQ(translatekey(120, "\xEF\x9C\x85", FunctionModifier).value, 130);  // F2
  // A key without characters outside the dead-key rows gives code 0.
  expectevent(translatekey(96, "", 0), 0);
}

TEST(KeyTable, OptionCharactersMapIntoTheEightBitSet) {
  struct Row {
    uint16_t keycode;
    const char* characters;
    int64_t value;
  };
  // A sample of the rows, among them keys with two option characters and a
  // control character that the key table turns into another code.
  const Row rows[] = {{0, "\xC3\xA5", 0xB0},      {14, "\xE2\x82\xAC", 0xA4}, {35, "\xCF\x80", 0xF0},
                      {35, "\xE2\x88\x8F", 0xD0}, {50, "\xE2\x89\xA4", 0xC5}, {50, "\xE2\x89\xA5", 0xC6},
                      {48, "\x19", 20}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.characters);
    expectevent(translatekey(row.keycode, row.characters, OptionModifier), row.value);
  }
  // On another key the same character follows the general rule.
  expectevent(translatekey(6, "\xC3\xA5", OptionModifier), 0xE5);
  EXPECT_EQ(translatekey(6, "\xE2\x82\xAC", OptionModifier).outcome, Outcome::NoEvent);
  // Option-L gives code 0 only with option held.
  expectevent(translatekey(37, "\x0C", OptionModifier), 0);
  expectevent(translatekey(37, "\x0C", ControlModifier), 12);
}

// A key that no US key matches is found by its character, so ª, ¿ and º
// typed on keys of their own (as on Spanish layouts) reach their rows too.
TEST(KeyTable, CharactersWithoutAUsKeyReachTheirRows) {
  const std::pair<std::string, int64_t> rows[] = {
      {"\xC2\xAA", 0x83}, {"\xC2\xBF", 0xA6}, {"\xC2\xBA", 0xB7}, {"\xE2\x82\xAC", 0xA4},
      {"\xC3\xA4", 0xE4}};  // ä has no row: the general rule
  for (const auto& [characters, value] : rows) {
    SCOPED_TRACE(characters);
    const HostKeyEvent key = keycode::characterkeyevent(characters);
    expectevent(translatekey(key.keyCode, key.characters, 0), value);
  }
}

TEST(KeyTable, DeadKeys) {
  expectevent(translatekey(10, "", 0), 0x5E);
  expectevent(translatekey(24, "", 0), 0xB4);
  expectevent(translatekey(24, "", ShiftModifier), 0x60);
  expectevent(translatekey(32, "", 0), 0xAF);
  expectevent(translatekey(45, "", OptionModifier), 0x7E);
  expectevent(translatekey(45, "", 0), 0);
  // With characters the keys are ordinary.
  expectevent(translatekey(24, "=", 0), '=');
  expectevent(translatekey(32, "u", 0), 'u');
}

TEST(KeyTable, KeypadWithOptionAndControl) {
  const int64_t digits[] = {0xD8, 0xB9, 0xB2, 0xB3, 0xAA, 0xD7, 0xBA};
  for (uint16_t key = 82; key <= 88; ++key) {
    expectevent(translatekey(key, "0", OptionModifier | NumericPadModifier), digits[key - 82]);
    expectevent(translatekey(key, "5", NumericPadModifier), '5');
  }
  const uint16_t upper[] = {89, 91, 92};
  const int64_t optionvalues[] = {0xE5, 0xE6, 0xBC};
  const int64_t routings[] = {0, 2, 1};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(upper[i]);
    const KeyTranslation control = translatekey(upper[i], "7", ControlModifier);
    EXPECT_EQ(control.outcome, Outcome::Redirect);
    EXPECT_EQ(control.redirect, routings[i]);
    expectevent(translatekey(upper[i], "7", OptionModifier), optionvalues[i]);
    expectevent(translatekey(upper[i], "7", OptionModifier | ControlModifier), optionvalues[i]);
    expectevent(translatekey(upper[i], "8", 0), '8');
  }
}
