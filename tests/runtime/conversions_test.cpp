#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "vxtools.h"

using namespace vx;

namespace {
std::vector<uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }
}  // namespace

TEST(IntToString, GroupsThousandsAndPadsInFrontOfTheSign) {
  EXPECT_EQ(inttostring(1234, 32, 1, true), "1.234");
  EXPECT_EQ(inttostring(-1234567, 32, 1, true), "-1.234.567");
  EXPECT_EQ(inttostring(999, 32, 1, true), "999");
  EXPECT_EQ(inttostring(0, 32, 1, true), "0");
  EXPECT_EQ(inttostring(42, 48, 5, false), "00042");
  EXPECT_EQ(inttostring(-5, 32, 4, false), "  -5");
  EXPECT_EQ(inttostring(42, -1, 10, false), "42");
  EXPECT_EQ(inttostring(std::numeric_limits<int64_t>::min(), 32, 1, true),
            "-9.223.372.036.854.775.808");
  EXPECT_EQ(inttostring(100000, 32, 1, true), "100.000");
}

TEST(IntToString, PaddingCountsCharactersAndRefusesHugeOrInvalidPads) {
  EXPECT_EQ(inttostring(7, 0xE9, 3, false), "éé7");  // two-byte pad, counted once each
  EXPECT_EQ(inttostring(7, 0xD800, 3, false), std::string("\0\0" "7", 3));  // not a scalar: NUL
  EXPECT_EQ(inttostring(7, 32, 40000, false), "7");  // more than 32767 pads: none
}

TEST(BinaryToInt, ReadsLeadingSpacesSignAndDigitsOnly) {
  EXPECT_EQ(binarytoint(bytes("  -  12x3")), -12);
  EXPECT_EQ(binarytoint(bytes("+5")), 0);
  EXPECT_EQ(binarytoint(bytes("007")), 7);
  EXPECT_EQ(binarytoint({}), 0);
  EXPECT_EQ(binarytoint(bytes("    ")), 0);
  EXPECT_EQ(binarytoint(bytes(" - ")), 0);
  EXPECT_EQ(binarytoint(bytes("1024")), 1024);
  // Overflow wraps as 64-bit two's complement instead of trapping.
  EXPECT_EQ(binarytoint(bytes("9223372036854775808")), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(binarytoint(bytes("18446744073709551617")), 1);
}

TEST(ByteStrings, EscapesCarryCharactersAboveLatin1) {
  EXPECT_EQ(binarytostring({27, '0', '0', 'E', '9', 29}), "é");
  EXPECT_EQ(binarytostring({27, '2', '0', 'a', 'c', 29}), "€");
  EXPECT_EQ(binarytostring({27, 'A'}), "\x1B" "A");
  EXPECT_EQ(binarytostring({0xE9}), "é");
  EXPECT_EQ(binarytostring({}), "");
  // Non-hex digits or a surrogate give the NUL character, and walking goes on after GS.
  EXPECT_EQ(binarytostring({27, 'x', '0', '0', '0', 29, 'A'}), std::string("\0A", 2));
  EXPECT_EQ(binarytostring({27, 'D', '8', '0', '0', 29}), std::string("\0", 1));
  EXPECT_EQ(stringtobinary("aé"), (std::vector<uint8_t>{'a', 0xC3, 0xA9}));
  EXPECT_TRUE(stringtobinary("").empty());
  EXPECT_EQ(binarytostring(stringtobinary("plain ASCII")), "plain ASCII");
}

TEST(DoubleToString, ShortestDigitsWithDecimalComma) {
  EXPECT_EQ(doubletostring(2.0), "2");
  EXPECT_EQ(doubletostring(2.25), "2,25");
  EXPECT_EQ(doubletostring(100.0), "100");
  EXPECT_EQ(doubletostring(0.0), "0");
  EXPECT_EQ(doubletostring(0.1), "0,1");
  EXPECT_EQ(doubletostring(-12.5), "-12,5");
  EXPECT_EQ(doubletostring(100000.0), "100000");
  EXPECT_EQ(doubletostring(1e-05), "1e-05");
  EXPECT_EQ(doubletostring(1.5e-05), "1,5e-05");
  EXPECT_EQ(doubletostring(1.5e20), "1,5e+20");
  EXPECT_EQ(doubletostring(0.0001), "0,0001");
}

TEST(DoubleToFormattedString, CutsDigitsAndHandlesExponents) {
  EXPECT_EQ(doubletoformattedstring(32, 1, 2, true, 1024.0), "1.024,00");
  EXPECT_EQ(doubletoformattedstring(32, 1, 2, true, 1234.5678), "1.234,56");
  EXPECT_EQ(doubletoformattedstring(32, 1, -2, false, 2.5), "2,5");
  EXPECT_EQ(doubletoformattedstring(32, 1, -2, false, 2.0), "2");
  EXPECT_EQ(doubletoformattedstring(48, 6, 0, false, 42.75), "000042");
  EXPECT_EQ(doubletoformattedstring(32, 1, 6, false, 1.5e-05), "0,000015");
  EXPECT_EQ(doubletoformattedstring(32, 1, 3, false, 1.5e-05), "0,000");
  EXPECT_EQ(doubletoformattedstring(32, 1, 0, false, 1.5e20), "150000000000000000000");
  EXPECT_EQ(doubletoformattedstring(32, 1, 2, true, 3072000.0 / 1024), "3.000,00");
  EXPECT_EQ(doubletoformattedstring(32, 6, 1, false, -2.5), "    -2,5");  // width counts "-2"
  EXPECT_EQ(doubletoformattedstring(32, 1, 2, true, 1.5e20), "150.000.000.000.000.000.000,00");
  EXPECT_EQ(doubletoformattedstring(32, 1, 2, false, std::nan("")), "nan");
}

TEST(Hex, DigitsAreUpperCaseMostSignificantFirst) {
  EXPECT_EQ(bytetohexstring(0x1AF), "AF");
  EXPECT_EQ(uint16tohexbinary(0x12AB), bytes("12AB"));
  EXPECT_EQ(uint32tohexbinary(0xD12000), bytes("00D12000"));
  EXPECT_EQ(uint32tohexstring(0x1FFFFFFFFull), "FFFFFFFF");
}

TEST(ReadUint32, BigEndianWithBoundsChecked) {
  const std::vector<uint8_t> six{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(readuint32be(six, 0), 0x01020304);
  EXPECT_EQ(readuint32be(six, 2), 0x03040506);
  EXPECT_EQ(readuint32be(six, 3), 0);
  EXPECT_EQ(readuint32be(six, -1), 0);
  EXPECT_EQ(readuint32be({0xFF, 0xFF, 0xFF, 0xFF}, 0), 0xFFFFFFFFll);
}

TEST(Tables, CaseTablesLeaveTheUnpairedLettersAlone) {
  initvxtools();
  EXPECT_EQ(UpperCaseTable['a'], 'A');
  EXPECT_EQ(UpperCaseTable[229], 229);  // å
  EXPECT_EQ(UpperCaseTable[255], 255);  // ÿ
  EXPECT_EQ(UpperCaseTable[240], 208);  // ð -> Ð
  EXPECT_EQ(UpperCaseTable[247], 247);  // ÷
  EXPECT_EQ(LowerCaseTable[197], 197);  // Å
  EXPECT_EQ(LowerCaseTable[209], 241);  // Ñ -> ñ
  EXPECT_EQ(LowerCaseTable[215], 215);  // ×
  EXPECT_EQ(HexValueTable['f'], 15);
  EXPECT_EQ(HexValueTable['F'], 15);
  EXPECT_EQ(HexValueTable['g'], -1);
  EXPECT_EQ(HexDigitTable[10], 'A');
  EXPECT_TRUE(toolkitinitialised);
}
