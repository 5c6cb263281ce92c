#include <gtest/gtest.h>

#include <QKeyEvent>
#include <tuple>

#include "hosts/qt/key_translation.h"
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

const HostKeyEvent NoEvent{0, "none", 0};

std::string utf8(char32_t c) { return QString::fromStdU32String(std::u32string(1, c)).toStdString(); }

}  // namespace

// Whole events: key code, characters and modifier bits; none for modifier
// keys and keys that type nothing.
TEST(KeyTranslation, KeysGiveTheirCodesCharactersAndModifierBits) {
  struct Row {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    HostKeyEvent expected;  // NoEvent: none
  };
  const uint64_t Arrow = NumericPad | Function;
  std::vector<Row> rows = {
      // The keys the key table names by code, with the characters the
      // toolkit's own keyboard gives them, whatever text Qt reports.
      {Qt::Key_Backspace, {}, "", {51, "\x7f", 0}}, {Qt::Key_Delete, {}, "", {117, utf8(0xF728), Function}},
      {Qt::Key_Home, {}, "", {115, utf8(0xF729), Function}}, {Qt::Key_End, {}, "", {119, utf8(0xF72B), Function}},
      {Qt::Key_PageUp, {}, "", {116, utf8(0xF72C), Function}},
      {Qt::Key_PageDown, {}, "", {121, utf8(0xF72D), Function}}, {Qt::Key_Up, {}, "", {126, utf8(0xF700), Arrow}},
      {Qt::Key_Down, {}, "", {125, utf8(0xF701), Arrow}}, {Qt::Key_Left, {}, "", {123, utf8(0xF702), Arrow}},
      {Qt::Key_Right, {}, "", {124, utf8(0xF703), Arrow}}, {Qt::Key_Tab, {}, "\t", {48, "\t", 0}},
      {Qt::Key_Escape, {}, "\x1b", {53, "\x1b", 0}},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", {76, "\x03", NumericPad}},
      {Qt::Key_Clear, Qt::KeypadModifier, "", {71, utf8(0xF739), NumericPad}},
      {Qt::Key_Shift, Qt::ShiftModifier, "", NoEvent},
      {Qt::Key_Insert, Qt::NoModifier, "", NoEvent},
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
    const HostKeyEvent e = press(row.key, row.modifiers, row.text).value_or(NoEvent);
    EXPECT_EQ(std::tie(e.keyCode, e.characters, e.modifierFlags),
              std::tie(row.expected.keyCode, row.expected.characters, row.expected.modifierFlags));
  }
}
