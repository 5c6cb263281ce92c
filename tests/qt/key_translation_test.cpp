#include <gtest/gtest.h>

#include <QKeyEvent>

#include "host/qt/key_translation.h"
#include "qt_test_application.h"

using vx::HostKeyEvent;
using vx::qt::translatekey;

namespace {

constexpr uint64_t Shift = 1ull << 17, Control = 1ull << 18, NumericPad = 1ull << 21,
                   Function = 1ull << 23;

HostKeyEvent press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   const QString& text = {}) {
  vxtest::qtapplication();  // key events belong to the application's keyboard
  const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  const auto translated = translatekey(event);
  EXPECT_TRUE(translated.has_value()) << "key " << key;
  return translated.value_or(HostKeyEvent{});
}

}  // namespace

TEST(KeyTranslation, TheKeysTheKeyTableNamesGetItsCodes) {
  struct Case {
    int key;
    uint16_t code;
  } cases[] = {{Qt::Key_Backspace, 51}, {Qt::Key_Delete, 117}, {Qt::Key_Home, 115},
               {Qt::Key_End, 119},      {Qt::Key_PageUp, 116}, {Qt::Key_PageDown, 121},
               {Qt::Key_Left, 123},     {Qt::Key_Right, 124},  {Qt::Key_Down, 125},
               {Qt::Key_Up, 126},       {Qt::Key_Return, 36},  {Qt::Key_Tab, 48},
               {Qt::Key_Escape, 53}};
  for (const Case& c : cases) EXPECT_EQ(press(c.key).keyCode, c.code) << "key " << c.key;
  EXPECT_EQ(press(Qt::Key_Enter, Qt::KeypadModifier).keyCode, 76);
  EXPECT_EQ(press(Qt::Key_Clear, Qt::KeypadModifier).keyCode, 71);
  EXPECT_EQ(press(Qt::Key_Return, Qt::NoModifier, "\r").characters, "\r");
}

TEST(KeyTranslation, ShiftTabIsTheTabKeyWithItsOwnCharacter) {
  const HostKeyEvent backtab = press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(backtab.keyCode, 48);
  EXPECT_EQ(backtab.characters, "\x19");
  EXPECT_TRUE(backtab.modifierFlags & Shift);
}

TEST(KeyTranslation, FunctionKeysBecomeTheHostFunctionCharacters) {
  const uint16_t codes[] = {122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111};
  for (int n = 0; n < 12; ++n) {
    const HostKeyEvent f = press(Qt::Key_F1 + n);
    EXPECT_EQ(f.keyCode, codes[n]);
    const std::u32string expected(1, static_cast<char32_t>(0xF704 + n));
    EXPECT_EQ(QString::fromStdString(f.characters).toStdU32String(), expected);
    EXPECT_TRUE(f.modifierFlags & Function);
  }
}

TEST(KeyTranslation, KeypadDigitsCarryTheNumericPadBit) {
  const uint16_t codes[] = {82, 83, 84, 85, 86, 87, 88, 89, 91, 92};
  for (int d = 0; d < 10; ++d) {
    const HostKeyEvent k = press(Qt::Key_0 + d, Qt::KeypadModifier, QString::number(d));
    EXPECT_EQ(k.keyCode, codes[d]) << "digit " << d;
    EXPECT_TRUE(k.modifierFlags & NumericPad);
    EXPECT_EQ(k.characters, std::to_string(d));
  }
  // With Num Lock off the keypad reports navigation keys: still its digits.
  const HostKeyEvent up = press(Qt::Key_Up, Qt::KeypadModifier | Qt::ControlModifier);
  EXPECT_EQ(up.keyCode, 91);
  EXPECT_EQ(up.characters, "8");
  EXPECT_TRUE(up.modifierFlags & Control);
  // The same digit from the main row is an ordinary character key.
  const HostKeyEvent top = press(Qt::Key_7, Qt::NoModifier, "7");
  EXPECT_EQ(top.keyCode, 26);
  EXPECT_FALSE(top.modifierFlags & NumericPad);
}

TEST(KeyTranslation, CharacterKeysTakeTheirUsLayoutCodes) {
  EXPECT_EQ(press(Qt::Key_A, Qt::NoModifier, "a").keyCode, 0);
  EXPECT_EQ(press(Qt::Key_A, Qt::ShiftModifier, "A").keyCode, 0);
  EXPECT_EQ(press(Qt::Key_1, Qt::NoModifier, "1").keyCode, 18);
  EXPECT_EQ(press(Qt::Key_Exclam, Qt::ShiftModifier, "!").keyCode, 18);
  // Control letters keep the letter's key while typing a control character.
  const HostKeyEvent controlc = press(Qt::Key_C, Qt::ControlModifier, "\x03");
  EXPECT_EQ(controlc.keyCode, 8);
  EXPECT_EQ(controlc.characters, "\x03");
  EXPECT_TRUE(controlc.modifierFlags & Control);
  // A character no US key types.
  EXPECT_EQ(press(Qt::Key_Adiaeresis, Qt::NoModifier, "ä").keyCode, 0);
}

TEST(KeyTranslation, ListedCharactersAboveLatin1MapToTheirTableKeyWhateverKeyTypedThem) {
  // The euro sign on the E key of the table, whether AltGr+E or a key of its own typed it.
  EXPECT_EQ(press(Qt::Key_E, Qt::AltModifier, "€").keyCode, 14);
  EXPECT_EQ(press(Qt::Key_currency, Qt::NoModifier, "€").keyCode, 14);
  EXPECT_EQ(press(Qt::Key_5, Qt::AltModifier, "∞").keyCode, 43);
  EXPECT_EQ(press(Qt::Key_P, Qt::AltModifier, "∏").keyCode, 35);
  // ª, ¿ and º on keys of their own (a Spanish layout) reach the table's keys too.
  EXPECT_EQ(press(Qt::Key_ordfeminine, Qt::ShiftModifier, "ª").keyCode, 4);
  EXPECT_EQ(press(Qt::Key_questiondown, Qt::NoModifier, "¿").keyCode, 27);
  EXPECT_EQ(press(Qt::Key_masculine, Qt::NoModifier, "º").keyCode, 38);
}

TEST(KeyTranslation, ModifierKeysAndSilentKeysGiveNoKeyEvent) {
  vxtest::qtapplication();
  EXPECT_FALSE(translatekey(QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier)));
  EXPECT_FALSE(translatekey(QKeyEvent(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier)));
}
