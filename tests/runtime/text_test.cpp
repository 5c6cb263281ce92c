#include <gtest/gtest.h>

#include <tuple>

#include "vxtools.h"

using namespace vx;

TEST(StringPositions, CountUnicodeScalars) {
  EXPECT_EQ(std::tuple(charinstring("aéb", 2), charinstring("abc", 0), charinstring("abc", 4)), std::tuple("é", "", ""));
  EXPECT_EQ(std::tuple(rightfromstring("Grüße", 3), rightfromstring("abc", -5), rightfromstring("abc", 4)),
            std::tuple("üße", "abc", ""));
  const struct { int64_t start, count; std::string part; } mids[] = {
      {2, 3, "ell"}, {4, 10, "lo"}, {0, 9, "Hello"}, {1, 0, ""}, {1, 2, "He"}, {6, 1, ""}};
  for (const auto& m : mids) EXPECT_EQ(midstring("Hello", m.start, m.count), m.part) << m.start << "," << m.count;
  EXPECT_EQ(midstring("€€€", 2, 1), "€");
}

TEST(InString, AnswersOneBasedPositionsFromTheStart) {
  const struct { std::string text, sought; int64_t start, found; } cases[] = {
      {"abcabc", "c", 4, 6}, {"abcabc", "c", 1, 3}, {"abc", "x", 1, 0}, {"abc", "a", 5, 0},
      {"abc", "", 1, 0},     {"äbc", "c", 1, 3},
      {"abc", "a", 0, 1}};  // a start below 1 searches from the start
  for (const auto& c : cases) EXPECT_EQ(instring(c.text, c.sought, c.start), c.found) << c.text << " " << c.start;
}

TEST(RepeatAndPad, Limits) {
  EXPECT_EQ(std::tuple(repeatstring("ab", 3), repeatstring("ab", 32768), repeatstring("", 3), repeatstring("ab", 0)),
            std::tuple("ababab", "", "", ""));
  EXPECT_EQ(std::tuple(spacestring(3), spacestring(0), spacestring(32768)), std::tuple("   ", "", ""));
  EXPECT_EQ(std::tuple(padbetween("ab", "cd", 7), padbetween("abc", "def", 4), padbetween("abc", "def", 0),
                       padbetween("äb", "c", 5)),
            std::tuple("ab   cd", "abcd", "", "äb  c"));
}

// The first line stops at a carriage return first; scalars: the first one,
// Unicode lower case beyond the tables, and malformed bytes as replacement
// characters.
TEST(Scalars, FirstLinesScalarsLowerCaseAndMalformedBytes) {
  const std::pair<std::string, std::string> lines[] = {
      {"one\r\ntwo", "one"}, {"one\ntwo\rthree", "one\ntwo"}, {"one\ntwo", "one"}, {"\rtwo", ""}, {"single", "single"}};
  for (const auto& [text, first] : lines) EXPECT_EQ(firstlineofstring(text), first) << text;
  EXPECT_EQ(std::tuple(firstscalar(""), firstscalar("€uro")), std::tuple(0, 0x20AC));
  // Å -> å, beyond the tables; Greek Delta; no scalars.
  for (const auto& [scalar, lower] : {std::pair{0x41, 0x61}, {0xC5, 0xE5}, {0x0394, 0x03B4}, {-3, 0}, {0xD800, 0}})
    EXPECT_EQ(lowercasescalar(scalar), lower) << scalar;
  // The second is overlong.
  EXPECT_EQ(std::tuple(scalarcount("\xC3"), utf8toscalars("a\xFF" "b"), utf8toscalars("\xE0\x80\x80"), scalarstoutf8(U"€")),
            std::tuple(1, std::u32string{'a', 0xFFFD, 'b'}, std::u32string(3, 0xFFFD), "€"));
}
