#include <gtest/gtest.h>

#include "vxtools.h"

using namespace vx;

TEST(StringPositions, CountUnicodeScalars) {
  EXPECT_EQ(charinstring("aéb", 2), "é");
  EXPECT_EQ(charinstring("abc", 0), "");
  EXPECT_EQ(charinstring("abc", 4), "");
  EXPECT_EQ(rightfromstring("Grüße", 3), "üße");
  EXPECT_EQ(rightfromstring("abc", -5), "abc");
  EXPECT_EQ(rightfromstring("abc", 4), "");
  EXPECT_EQ(midstring("Hello", 2, 3), "ell");
  EXPECT_EQ(midstring("Hello", 4, 10), "lo");
  EXPECT_EQ(midstring("Hello", 0, 9), "Hello");
  EXPECT_EQ(midstring("Hello", 1, 0), "");
  EXPECT_EQ(midstring("Hello", 1, 2), "He");
  EXPECT_EQ(midstring("Hello", 6, 1), "");
  EXPECT_EQ(midstring("€€€", 2, 1), "€");
}

TEST(InString, AnswersOneBasedPositionsFromTheStart) {
  EXPECT_EQ(instring("abcabc", "c", 4), 6);
  EXPECT_EQ(instring("abcabc", "c", 1), 3);
  EXPECT_EQ(instring("abc", "x", 1), 0);
  EXPECT_EQ(instring("abc", "a", 5), 0);
  EXPECT_EQ(instring("abc", "", 1), 0);
  EXPECT_EQ(instring("äbc", "c", 1), 3);
  EXPECT_EQ(instring("abc", "a", 0), 1);  // a start below 1 searches from the start
}

TEST(RepeatAndPad, Limits) {
  EXPECT_EQ(repeatstring("ab", 3), "ababab");
  EXPECT_EQ(repeatstring("ab", 32768), "");
  EXPECT_EQ(repeatstring("", 3), "");
  EXPECT_EQ(repeatstring("ab", 0), "");
  EXPECT_EQ(spacestring(3), "   ");
  EXPECT_EQ(spacestring(0), "");
  EXPECT_EQ(spacestring(32768), "");
  EXPECT_EQ(padbetween("ab", "cd", 7), "ab   cd");
  EXPECT_EQ(padbetween("abc", "def", 4), "abcd");
  EXPECT_EQ(padbetween("abc", "def", 0), "");
  EXPECT_EQ(padbetween("äb", "c", 5), "äb  c");
}

TEST(Lines, FirstLineStopsAtCarriageReturnFirst) {
  EXPECT_EQ(firstlineofstring("one\r\ntwo"), "one");
  EXPECT_EQ(firstlineofstring("one\ntwo\rthree"), "one\ntwo");
  EXPECT_EQ(firstlineofstring("one\ntwo"), "one");
  EXPECT_EQ(firstlineofstring("\rtwo"), "");
  EXPECT_EQ(firstlineofstring("single"), "single");
}

TEST(Scalars, FirstScalarAndUnicodeLowerCase) {
  EXPECT_EQ(firstscalar(""), 0);
  EXPECT_EQ(firstscalar("€uro"), 0x20AC);
  EXPECT_EQ(lowercasescalar('A'), 'a');
  EXPECT_EQ(lowercasescalar(0xC5), 0xE5);    // Å -> å, beyond the tables
  EXPECT_EQ(lowercasescalar(0x0394), 0x03B4);  // Greek Delta
  EXPECT_EQ(lowercasescalar(-3), 0);
  EXPECT_EQ(lowercasescalar(0xD800), 0);
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(scalarcount("\xC3"), 1);
  EXPECT_EQ(utf8toscalars("a\xFF" "b"), (std::u32string{'a', 0xFFFD, 'b'}));
  EXPECT_EQ(utf8toscalars("\xE0\x80\x80"), (std::u32string{0xFFFD, 0xFFFD, 0xFFFD}));  // overlong
  EXPECT_EQ(scalarstoutf8(U"€"), "€");
}
