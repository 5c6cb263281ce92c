// Kassenzettel from its first prompt to its end: every input mode, the
// pasteboard both ways, and the receipt's numbers, columns and colours.
#include <gtest/gtest.h>

#include "example_session.h"
#include "host/key_codes.h"
#include "kassenzettel/program.h"
#include "star_session.h"

using namespace vx;

namespace {

// The attribute (text colour in the high nibble) of the first cell of the
// screen line that begins with `text`; -1 when no line does.
int attributeofline(const std::string& text) {
  const t_Window& w = WindowTable[0];
  const int64_t half = (w.TextMemoryEnd - w.TextMemoryStart + 1) / 2;
  for (int64_t line = 0; line < w.TextHeight; ++line) {
    const int64_t cell = w.TextMemoryStart + line * w.TextWidth;
    const std::string start(ToolkitMemory.begin() + cell, ToolkitMemory.begin() + cell + static_cast<int64_t>(text.size()));
    if (start == text) return ToolkitMemory[static_cast<size_t>(cell + half)];
  }
  return -1;
}

}  // namespace

TEST(ExampleKassenzettel, TakesEachKindOfAnswerAndPrintsTheReceipt) {
  std::string receipt, copiedinput, copiedreceipt;
  int kaffee = -1, pfand = -1, summe = -1;
  const int code = runHeadless(kassenzettel::program, [&](HeadlessSession& s) {
    auto prompt = [&](const std::string& text, size_t count = 1) {
      return s.waituntil([&] { return vxtest::textscreencount(text) >= count; });
    };
    ASSERT_TRUE(prompt("Kundennummer"));
    s.type("-47a11-0-8\n");  // dashed digits: no leading dash, no letter, one dash
    ASSERT_TRUE(prompt("1. Artikel:"));
    s.host().pasteboardSetString("Kaffee, gemahlen\nzweite Zeile");
    s.press(9, "\x16", ControlModifier);  // Ctrl-V pastes the first line
    // The pasted characters queue behind the keys already typed: Return waits.
    ASSERT_TRUE(prompt("Artikel: Kaffee, gemahlen"));
    s.pressreturn();
    ASSERT_TRUE(prompt("Menge: 1")) << vxtest::textscreen();
    s.press(keycode::Backspace, "\x7F");
    s.type("3a\n");  // integers only
    ASSERT_TRUE(prompt("Preis in Euro:"));
    s.type("4.99\n");  // the decimal mode stores a comma
    ASSERT_TRUE(prompt("2. Artikel:"));
    s.type("Pfand\n");
    ASSERT_TRUE(prompt("Menge:", 2));
    s.press(keycode::Backspace, "\x7F");
    s.type("-2\n");
    ASSERT_TRUE(prompt("Preis in Euro:", 2));
    s.type("0,25");
    s.press(37, "\x0C", ControlModifier);  // Ctrl-L copies the field
    ASSERT_TRUE(s.waituntil([&] { return (copiedinput = s.host().pasteboardString().value_or("")) == "0,25"; }));
    s.pressreturn();
    ASSERT_TRUE(prompt("3. Artikel:"));
    s.type("Käse\n\n1234,5\n\n");
    ASSERT_TRUE(prompt("Neuer Zettel"));
    receipt = vxtest::textscreen();
    kaffee = attributeofline("Kaffee");
    pfand = attributeofline("Pfand");
    summe = attributeofline(" Summe");
    ASSERT_TRUE(s.choose("Bearbeiten", "Text kopieren"));
    copiedreceipt = s.host().pasteboardString().value_or("");
    s.type("n\n");
    ASSERT_TRUE(s.waitforend());
  }, vxtest::sessionoptions());
  EXPECT_EQ(code, 0);
  EXPECT_EQ(copiedinput, "0,25");
  // Columns at 28 and 46; sums in German form; 19 % tax held in the total.
  for (const char* line : {"Kassenzettel                                   Kunde 4711-08",
                           "Kaffee, gemahlen              3 x    4,99         14,97 EUR",
                           "Pfand                        -2 x    0,25         -0,50 EUR",
                           "Käse                          1 x1.234,50      1.234,50 EUR",
                           " Summe                                         1.248,97 EUR",
                           "darin 19 % MwSt.                                 199,42 EUR",
                           "3 Artikel. Vielen Dank!"})
    EXPECT_NE(receipt.find(std::string(line) + "\r"), std::string::npos) << line << "\n" << receipt;
  // White text, a returned article in red, the sum in yellow, inverted (the
  // cell keeps the colours it shows: black on yellow).
  EXPECT_EQ(kaffee, 0xF0);
  EXPECT_EQ(pfand, 0x10);
  EXPECT_EQ(summe, 0x0D);
  EXPECT_NE(copiedreceipt.find("Summe"), std::string::npos) << copiedreceipt;
  EXPECT_NE(copiedreceipt.find("Kaffee, gemahlen"), std::string::npos);
}
