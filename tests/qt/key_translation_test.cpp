#include <gtest/gtest.h>

#include <QKeyEvent>
#include <tuple>

#include "host/qt/key_translation.h"
#include "qt_test_application.h"

using vx::HostKeyEvent;
using vx::qt::translatekey;

namespace {

constexpr uint64_t Shift = 1ull << 17, Control = 1ull << 18, Option = 1ull << 19, NumericPad = 1ull << 21,
                   Function = 1ull << 23;

std::optional<HostKeyEvent> press(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  vxtest::qtapplication();  // key events belong to the application's keyboard
  return translatekey(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

std::string utf8(char32_t c) { return QString::fromStdU32String(std::u32string(1, c)).toStdString(); }

}  // namespace

TEST(KeyTranslation, TheKeysTheKeyTableNamesGetItsCodes) {
  const std::tuple<int, Qt::KeyboardModifiers, uint16_t> keys[] = {
      {Qt::Key_Backspace, {}, 51}, {Qt::Key_Delete, {}, 117}, {Qt::Key_Home, {}, 115}, {Qt::Key_End, {}, 119},
      {Qt::Key_PageUp, {}, 116},   {Qt::Key_PageDown, {}, 121}, {Qt::Key_Left, {}, 123}, {Qt::Key_Right, {}, 124},
      {Qt::Key_Down, {}, 125},     {Qt::Key_Up, {}, 126},     {Qt::Key_Return, {}, 36}, {Qt::Key_Tab, {}, 48},
      {Qt::Key_Escape, {}, 53},    {Qt::Key_Enter, Qt::KeypadModifier, 76}, {Qt::Key_Clear, Qt::KeypadModifier, 71}};
  for (const auto& [key, modifiers, code] : keys) {
    const auto translated = press(key, modifiers, {});
    ASSERT_TRUE(translated.has_value()) << key;
    EXPECT_EQ(translated->keyCode, code) << key;
  }
}

// Whole events: key code, characters and modifier bits.
TEST(KeyTranslation, KeysGiveTheirCodesCharactersAndModifierBits) {
  struct Row {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    HostKeyEvent expected;
  };
  std::vector<Row> rows = {
      {Qt::Key_Return, {}, "\r", {36, "\r", 0}},
      // Shift-tab is the tab key with its own character.
      {Qt::Key_Backtab, Qt::ShiftModifier, "", {48, "\x19", Shift}},
      // With Num Lock off the keypad reports navigation keys: still its digits.
      {Qt::Key_Up, Qt::KeypadModifier | Qt::ControlModifier, "", {91, "8", NumericPad | Control}},
      // Character keys take their US-layout codes; the main row's digits are no keypad keys.
      {Qt::Key_7, {}, "7", {26, "7", 0}},
      {Qt::Key_A, {}, "a", {0, "a", 0}},
      {Qt::Key_A, Qt::ShiftModifier, "A", {0, "A", Shift}},
      {Qt::Key_1, {}, "1", {18, "1", 0}},
      {Qt::Key_Exclam, Qt::ShiftModifier, "!", {18, "!", Shift}},
      // Control letters keep the letter's key while typing a control character.
      {Qt::Key_C, Qt::ControlModifier, "\x03", {8, "\x03", Control}},
      {Qt::Key_Adiaeresis, {}, "ä", {0, "ä", 0}},  // a character no US key types
      // Listed characters above Latin-1 map to their table key whatever key
      // typed them: the euro sign by AltGr+E or a key of its own.
      {Qt::Key_E, Qt::AltModifier, "€", {14, "€", Option}},
      {Qt::Key_currency, {}, "€", {14, "€", 0}},
      {Qt::Key_5, Qt::AltModifier, "∞", {43, "∞", Option}},
      {Qt::Key_P, Qt::AltModifier, "∏", {35, "∏", Option}},
      // ª, ¿ and º on keys of their own (a Spanish layout) reach the table's keys too.
      {Qt::Key_ordfeminine, Qt::ShiftModifier, "ª", {4, "ª", Shift}},
      {Qt::Key_questiondown, {}, "¿", {27, "¿", 0}},
      {Qt::Key_masculine, {}, "º", {38, "º", 0}},
  };
  // Function keys become the host's function characters.
  const uint16_t functioncodes[] = {122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111};
  for (int n = 0; n < 12; ++n) rows.push_back({Qt::Key_F1 + n, {}, "", {functioncodes[n], utf8(0xF704 + n), Function}});
  // Keypad digits carry the numeric-pad bit.
  const uint16_t keypadcodes[] = {82, 83, 84, 85, 86, 87, 88, 89, 91, 92};
  for (int d = 0; d < 10; ++d)
    rows.push_back({Qt::Key_0 + d, Qt::KeypadModifier, QString::number(d), {keypadcodes[d], std::to_string(d), NumericPad}});
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "key " << row.key << " '" << row.text.toStdString() << "'");
    const auto translated = press(row.key, row.modifiers, row.text);
    ASSERT_TRUE(translated.has_value());
    EXPECT_EQ(std::tie(translated->keyCode, translated->characters, translated->modifierFlags),
              std::tie(row.expected.keyCode, row.expected.characters, row.expected.modifierFlags));
  }
}

TEST(KeyTranslation, ModifierKeysAndSilentKeysGiveNoKeyEvent) {
  EXPECT_FALSE(press(Qt::Key_Shift, Qt::ShiftModifier, {}));
  EXPECT_FALSE(press(Qt::Key_Insert, Qt::NoModifier, {}));
}
