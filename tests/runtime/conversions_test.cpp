#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

#include "vxtools.h"

using namespace vx;

namespace {
std::vector<uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

template <typename Case>
void expectall(const Case& cases, const auto& convert) {
  for (const auto& [input, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(input));
    EXPECT_EQ(convert(input), expected);
  }
}
}  // namespace

TEST(IntToString, GroupsThousandsPadsInFrontOfTheSignAndRefusesHugePads) {
  struct Case { int64_t value, pad, width; bool grouped; std::string text; };
  const Case cases[] = {
      {1234, 32, 1, true, "1.234"}, {-1234567, 32, 1, true, "-1.234.567"},
      {999, 32, 1, true, "999"},    {0, 32, 1, true, "0"},   {100000, 32, 1, true, "100.000"},
      {42, 48, 5, false, "00042"},  {-5, 32, 4, false, "  -5"}, {42, -1, 10, false, "42"},
      {std::numeric_limits<int64_t>::min(), 32, 1, true, "-9.223.372.036.854.775.808"},
      {7, 0xE9, 3, false, "éé7"},  // a two-byte pad counts once
      {7, 0xD800, 3, false, std::string("\0\0" "7", 3)},  // not a scalar: NUL
      {7, 32, 40000, false, "7"},  // more than 32767 pads: none
  };
  for (const Case& c : cases)
    EXPECT_EQ(inttostring(c.value, c.pad, c.width, c.grouped), c.text) << c.value << " pad " << c.pad;
}

TEST(BinaryToInt, ReadsLeadingSpacesSignAndDigitsOnly) {
  const std::pair<std::string, int64_t> cases[] = {
      {"  -  12x3", -12}, {"+5", 0}, {"007", 7}, {"", 0}, {"    ", 0}, {" - ", 0}, {"1024", 1024},
      // Overflow wraps as 64-bit two's complement instead of trapping.
      {"9223372036854775808", std::numeric_limits<int64_t>::min()}, {"18446744073709551617", 1}};
  expectall(cases, [](const std::string& s) { return binarytoint(bytes(s)); });
}

TEST(ByteStrings, EscapesCarryCharactersAboveLatin1) {
  const std::pair<std::vector<uint8_t>, std::string> cases[] = {
      {{27, '0', '0', 'E', '9', 29}, "é"}, {{27, '2', '0', 'a', 'c', 29}, "€"},
      {{27, 'A'}, "\x1B" "A"}, {{0xE9}, "é"}, {{}, ""},
      // Non-hex digits or a surrogate give the NUL character, and walking goes on after GS.
      {{27, 'x', '0', '0', '0', 29, 'A'}, std::string("\0A", 2)},
      {{27, 'D', '8', '0', '0', 29}, std::string("\0", 1)}};
  expectall(cases, [](const std::vector<uint8_t>& b) { return binarytostring(b); });
  EXPECT_EQ(std::tuple(stringtobinary("aé"), stringtobinary(""), binarytostring(stringtobinary("plain ASCII"))),
            std::tuple(bytes("aé"), bytes(""), "plain ASCII"));
}

TEST(DoubleToString, ShortestDigitsWithDecimalComma) {
  const std::pair<double, std::string> cases[] = {
      {2.0, "2"},      {2.25, "2,25"},       {100.0, "100"},        {0.0, "0"},
      {0.1, "0,1"},    {-12.5, "-12,5"},     {100000.0, "100000"},  {1e-05, "1e-05"},
      {1.5e-05, "1,5e-05"}, {1.5e20, "1,5e+20"}, {0.0001, "0,0001"}};
  expectall(cases, [](double d) { return doubletostring(d); });
}

TEST(DoubleToFormattedString, CutsDigitsAndHandlesExponents) {
  struct Case { int64_t pad, width, digits; bool grouped; double value; std::string text; };
  const Case cases[] = {
      {32, 1, 2, true, 1024.0, "1.024,00"},     {32, 1, 2, true, 1234.5678, "1.234,56"},
      {32, 1, -2, false, 2.5, "2,5"},           {32, 1, -2, false, 2.0, "2"},
      {48, 6, 0, false, 42.75, "000042"},       {32, 1, 6, false, 1.5e-05, "0,000015"},
      {32, 1, 3, false, 1.5e-05, "0,000"},      {32, 1, 0, false, 1.5e20, "150000000000000000000"},
      {32, 1, 2, true, 3072000.0 / 1024, "3.000,00"},
      {32, 6, 1, false, -2.5, "    -2,5"},  // the width counts "-2"
      {32, 1, 2, true, 1.5e20, "150.000.000.000.000.000.000,00"},
      {32, 1, 2, false, std::nan(""), "nan"},
      // Infinity of either sign is no number to format: its text stays as it is.
      {32, 8, 2, false, std::numeric_limits<double>::infinity(), "inf"},
      {32, 8, 2, false, -std::numeric_limits<double>::infinity(), "-inf"}};
  for (const Case& c : cases)
    EXPECT_EQ(doubletoformattedstring(c.pad, c.width, c.digits, c.grouped, c.value), c.text) << c.value;
}

// Hex digits are upper case, most significant first; 32-bit numbers read big
// endian with their bounds checked.
TEST(Hex, DigitsAreUpperCaseAndNumbersBigEndian) {
  EXPECT_EQ(std::tuple(bytetohexstring(0x1AF), uint32tohexstring(0x1FFFFFFFFull)), std::tuple("AF", "FFFFFFFF"));
  EXPECT_EQ(std::tuple(uint16tohexbinary(0x12AB), uint32tohexbinary(0xD12000)), std::tuple(bytes("12AB"), bytes("00D12000")));
  const std::vector<uint8_t> six{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(std::tuple(readuint32be(six, 0), readuint32be(six, 2), readuint32be(six, 3), readuint32be(six, -1)),
            std::tuple(0x01020304, 0x03040506, 0, 0));
  EXPECT_EQ(readuint32be({0xFF, 0xFF, 0xFF, 0xFF}, 0), 0xFFFFFFFFll);
}

TEST(Tables, CaseTablesLeaveTheUnpairedLettersAlone) {
  initvxtools();
  EXPECT_TRUE(toolkitinitialised);
  // å, ÿ and ÷ have no capital in the set, Å and × no small letter.
  const std::pair<int, int> upper[] = {{'a', 'A'}, {229, 229}, {255, 255}, {240, 208}, {247, 247}};
  for (auto [from, to] : upper) EXPECT_EQ(UpperCaseTable[from], to) << from;
  const std::pair<int, int> lower[] = {{197, 197}, {209, 241}, {215, 215}};
  for (auto [from, to] : lower) EXPECT_EQ(LowerCaseTable[from], to) << from;
  EXPECT_EQ(std::tuple(HexValueTable['f'], HexValueTable['F'], HexValueTable['g'], HexDigitTable[10]),
            std::tuple(15, 15, -1, 'A'));
}

// Extreme arguments found by fuzzing: each returns at once with a bounded
// result instead of reading out of bounds, overflowing or asking for
// terabytes.
TEST(ExtremeArguments, GiveBoundedResults) {
  constexpr int64_t most = std::numeric_limits<int64_t>::max();
  constexpr int64_t least = std::numeric_limits<int64_t>::min();
  const std::vector<uint8_t> six{1, 2, 3, 4, 5, 6};
  const std::string capped = "2,5" + std::string(MaxDecimals - 1, '0');
  const std::string widest = "ab" + std::string(MaxSpaces, ' ') + "cd";
  const std::pair<std::function<std::string()>, std::string> cases[] = {
      {[&] { return std::to_string(readuint32be(six, most)); }, "0"},
      {[&] { return std::to_string(readuint32be(six, most - 3)); }, "0"},
      {[&] { return std::to_string(readuint32be({}, 0)); }, "0"},
      {[] { return doubletoformattedstring(32, 1, least, false, 2.5); }, "2,5"},
      {[] { return doubletoformattedstring(32, 1, int64_t{1} << 40, false, 2.5); }, capped},
      {[] { return doubletoformattedstring(32, least, 1, false, 2.5); }, "2,5"},
      {[] { return doubletoformattedstring(32, most, 1, false, 2.5); }, "2,5"},
      {[] { return padbetween("ab", "cd", least + 1); }, ""},
      {[] { return padbetween("ab", "cd", int64_t{1} << 40); }, widest},
      {[] { return padbetween("ab", "cd", most); }, widest},
      {[] { return inttostring(least, 32, most, true); }, "-9.223.372.036.854.775.808"}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cases[i].first(), cases[i].second);
  }
}
