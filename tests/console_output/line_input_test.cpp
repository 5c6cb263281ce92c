#include <gtest/gtest.h>

#include "text_window.h"

using namespace vx;
using vxtest::linetext;
using vxtest::presskey;

namespace {

constexpr uint16_t AnyLetterKey = 6;  // a key without rows of its own in the key table

// Queues one key per character of `text`; "\r" is Return, "\x1B" Escape.
void type(const std::string& text) {
  for (char32_t c : utf8toscalars(text)) {
    std::string characters;
    appendscalar(characters, c);
    presskey(0, c == U'\r' ? 36 : c == U'\x1B' ? 53 : AnyLetterKey, characters);
  }
}

constexpr uint16_t LeftKey = 123, RightKey = 124, HomeKey = 115, EndKey = 119;
constexpr uint16_t BackspaceKey = 51, ForwardDeleteKey = 117;

void ctrl(char letter) { presskey(0, AnyLetterKey, std::string(1, static_cast<char>(letter & 0x1F)), ControlModifier); }

std::string input(int64_t mode, int64_t maximum = 25, const std::string& prompt = "> ",
                  const std::string& defaultText = "") {
  return t_InputForm(0, prompt, defaultText, false, mode, maximum);
}

}  // namespace

// Mode 2 takes a leading minus and digits, 3 a decimal number with a comma and
// an exponent, 4 digits with minus signs between them, 0 anything.
TEST(LineInput, EachModeFiltersItsCharacters) {
  vxtest::opentextwindow(0, 40, 8);
  const struct { std::string typed; int64_t mode; std::string answer; } cases[] = {
      {"-12a3-\r", 2, "-123"}, {"1.5E-3.,e\r", 3, "1,5e-3"}, {"-1-,2\r", 3, "-1,2"},
      {"-12-3-4\r", 4, "12-34"}, {"a-,\xC3\xA9!\r", 0, "a-,\xC3\xA9!"}};
  for (const auto& c : cases) {
    type(c.typed);
    EXPECT_EQ(input(c.mode), c.answer) << c.typed;
  }
  // A minus only in front, even when typed there later; a key without
  // characters gives code 0: a redraw.
  type("5");
  presskey(0, HomeKey);
  type("-x");
  presskey(0, 96);
  type("\r");
  EXPECT_EQ(input(2), "-5");
  EXPECT_EQ(linetext(0, 6).substr(0, 4), "> -5");
}

TEST(LineInput, TheFieldEndsBeforeTheLastColumnAndAtItsMaximum) {
  t_Window& w = vxtest::opentextwindow(0, 80, 3);
  type(std::string(30, '7') + "\r");
  const std::string prompt(60, 'p');  // ends in column 60
  EXPECT_EQ(input(2, 25, prompt), std::string(19, '7'));
  EXPECT_EQ(w.TextVpos, 2);
  type("123456\r");
  EXPECT_EQ(input(0, 4, ""), "1234");
  // A default longer than the maximum is cut before it is shown.
  type("\r");
  EXPECT_EQ(t_InputForm(0, "", "abcdefgh", false, 0, 3), "abc");
  EXPECT_EQ(linetext(0, 2).substr(0, 4), "abc ");
  EXPECT_EQ(t_InputForm(0, "", "abcdefgh", true, 0, 0), "");
  EXPECT_EQ(t_InputForm(0, "?", "xy", true, 0, 5), "xy");
}

TEST(LineInput, CursorMovesAndDeletion) {
  vxtest::opentextwindow(0, 40, 6);
  type("abcd");
  for (uint16_t key : {LeftKey, LeftKey}) presskey(0, key);
  type("X");
  // Backspace at the start of the field does nothing.
  for (uint16_t key : {RightKey, ForwardDeleteKey, HomeKey, BackspaceKey}) presskey(0, key);
  type("<");
  for (uint16_t key : {EndKey, BackspaceKey}) presskey(0, key);
  type(">\r");
  EXPECT_EQ(input(0), "<abX>");
  EXPECT_EQ(linetext(0, 1).substr(0, 10), "> <abX>   ");

  type("one two three");
  // Word left twice (before "two"), delete all left of the cursor, end, word
  // left, start, word right (after "two ").
  for (char letter : std::string("SSXESAD")) ctrl(letter);
  type("_\r");
  EXPECT_EQ(input(0), "two _three");
  EXPECT_EQ(linetext(0, 2).substr(0, 16), "> two _three    ");

  type("gone");
  ctrl('Z');
  type("new\r");
  EXPECT_EQ(input(0), "new");
  EXPECT_EQ(linetext(0, 3).substr(0, 8), "> new   ");
}

TEST(LineInput, EscapeAnswersAnEmptyLineAndBlanksTheField) {
  t_Window& w = vxtest::opentextwindow(0, 40, 4);
  type("secret\x1B");
  const std::string answer = input(0);
  EXPECT_EQ(std::tuple(answer, linetext(0, 1), w.InputFinished, w.TextVpos),
            std::tuple("", "> " + std::string(38, ' '), false, 2));
  type("ok\r");
  EXPECT_EQ(input(0), "ok");
  EXPECT_TRUE(w.InputFinished);
}

// Control-^ and up to three digits: "65x" gives A, the key that ends the
// entry early used up; "0669" gives B, then "9" is typed; 970 is above 255
// and gives nothing, as does "q", no digit, used up; 7 is below 32 in mode 0.
TEST(LineInput, DecimalCodeEntry) {
  vxtest::opentextwindow(0, 40, 6);
  for (const char* entry : {"65x", "0669", "970", "q", "7!\r"}) {
    ctrl('^');
    type(entry);
  }
  EXPECT_EQ(input(0), "AB9");
  ctrl('^');
  type("7!\r");
  EXPECT_EQ(input(1), "\x07");
}

TEST(LineInput, CopyReplacesEscapeSequencesByTheirCharacters) {
  HeadlessHost& h = useHeadlessHost();
  vxtest::opentextwindow(0, 40, 4);
  h.pasteboardSetString("x");
  type("ab");
  ctrl('L');
  type("\r");
  EXPECT_EQ(input(0), "ab");
  EXPECT_EQ(h.pasteboardString(), "ab");
  t_InputForm(0, "", "\x1B" "20AC\x1D!\x1B" "12\x1D", true, 0, 25);
  t_InputEdit(0, 12);
  EXPECT_EQ(h.pasteboardString(), "\xE2\x82\xAC!\x1B" "12\x1D");
}

// Paste queues one key per character of the first line, after the keys
// already queued; the field then takes them as typed keys.
TEST(LineInput, PasteQueuesTheFirstLineAsKeys) {
  HeadlessHost& h = useHeadlessHost();
  vxtest::opentextwindow(0, 40, 6);
  h.pasteboardSetString("\xE2\x82\xAC\nx");
  t_InputForm(0, "", "", true, 0, 25);
  t_InputEdit(0, 22);
  ASSERT_EQ(EventQueue.size(), 1);
  const t_Event key = *EventQueue.at(0);
  EXPECT_EQ(std::tie(key.Kind, key.Index, key.Description, key.Value, key.Window),
            std::make_tuple(1, 0, std::string("\xE2\x82\xAC"), 0x20AC, 1));
  discardkeyevents();

  struct Case { std::string queued, pasted; int64_t mode, maximum; std::string field; };
  const Case cases[] = {
      {"", "1024\xE2\x82\xAC", 2, 25, "1024"},  // the euro sign does not end the input
      {"", "a\xE2\x82\xAC\x01z\nsecond line", 0, 25, "za\x1B" "20AC\x1D"},  // 1: to the start
      {"", "ab\tc\x08" "d\x7F", 0, 25, "abc"},  // tab ignored, 8 left, 127 deletes
      {"", "abc\xE2\x82\xAC" "d", 0, 6, "abcd"},  // a sequence that does not fit is left out
      {"x", "y", 0, 25, "xy"}};                    // after the keys already queued
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pasted);
    h.pasteboardSetString(c.pasted);
    type(c.queued);
    t_InputForm(0, "", "", true, c.mode, c.maximum);
    t_InputEdit(0, 22);
    type("\r");
    EXPECT_EQ(input(c.mode, c.maximum), c.field);
    EXPECT_EQ(EventQueue.size(), 0);
  }
}

TEST(LineInput, UnusableWindowsAnswerEmpty) {
  vxtest::opentextwindow(0, 40, 4);
  vxtest::LogCapture capture;
  EXPECT_EQ(t_InputForm(5, "?", "x", true, 0, 5), "");
  t_InputEdit(9, 'a');
  t_InputInsert(5, 'a');
  EXPECT_EQ(capture.take(),
            "t_InputForm: Window #5 not initialized.\n"
            "t_InputEdit: Window is not a graphic window.\n"
            "t_InputInsert: Window #5 not initialized.\n");
  // A cursor position outside the field is brought back into it.
  t_Window& w = WindowTable[0];
  t_InputForm(0, "", "abc", true, 0, 10);
  w.InputCursorPos = 99;
  t_InputEdit(0, 'd');
  EXPECT_EQ(w.InputString, "abcd");
  w.InputCursorPos = -7;
  t_InputEdit(0, 127);
  EXPECT_EQ(std::tuple(w.InputString, w.InputCursorPos), std::tuple("abcd", 0));
}
