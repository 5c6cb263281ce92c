#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <unordered_map>

#include "codecs/lzw.h"
#include "sample_data.h"
#include "support/test_support.h"

using namespace vx;
using codectest::Bytes;

namespace {

Bytes bytesof(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The textbook encoder, plainly written: a map from (prefix code, byte) to code.
LZWCodes referenceencode(const Bytes& data) {
  std::unordered_map<int64_t, int64_t> dictionary;
  LZWCodes result;
  int64_t current = -1;
  for (uint8_t byte : data) {
    const int64_t key = current * 256 + byte;
    if (current < 0) {
      current = byte;
    } else if (const auto found = dictionary.find(key); found != dictionary.end()) {
      current = found->second;
    } else {
      result.Codes.push_back(current);
      dictionary[key] = 256 + static_cast<int64_t>(dictionary.size());
      current = byte;
    }
  }
  if (current >= 0) result.Codes.push_back(current);
  const int64_t largest = result.Codes.empty() ? 0 : *std::max_element(result.Codes.begin(), result.Codes.end());
  while ((int64_t{1} << result.Width) <= largest) ++result.Width;
  return result;
}

}  // namespace

// The codes, their width and the stored form (the width, then the packed
// codes); each decodes back. In "ABABABA" 258 is the code being defined when
// it is read.
TEST(Lzw, ShortTextsEncodeStoreAndDecodeAsDescribed) {
  const struct { std::string text; std::vector<int64_t> codes; int64_t width; Bytes stored; } cases[] = {
      {"abc", {97, 98, 99}, 8, {0x08, 0x61, 0x62, 0x63}},
      {"aaa", {97, 256}, 9, {0x09, 0x30, 0xC0, 0x00}},
      {"ABABABA", {65, 66, 256, 258}, 9, {0x09, 0x20, 0x90, 0xA0, 0x10, 0x20}},
      {"", {}, 8, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Bytes text = bytesof(c.text);
    const LZWCodes unpacked = texttolzwunpacked(text);
    EXPECT_EQ(std::tie(unpacked.Codes, unpacked.Width), std::tie(c.codes, c.width));
    EXPECT_EQ(std::tuple(texttolzwstored(text), lzwstoredtotext(c.stored), lzwunpackedtotext(c.codes)),
              std::tuple(c.stored, text, text));
  }
}

// Each also comes back whole from its stored form.
TEST(Lzw, CodesAndWidthMatchTheTextbookEncoder) {
  codectest::SampleData sample(11);
  // Large enough for the dictionary's hash table to grow several times; the
  // megabyte inputs take the encoder's ways for large data, with three-byte
  // strings in a table of their own when they are many.
  const std::vector<Bytes> inputs = {
      sample.random(1), sample.random(2, 0), sample.random(300, 1), sample.random(5000, 3),
      sample.random(70000), sample.runs(60000, 1, 300), sample.runs(20000, 3, 50),
      Bytes(100000, 0xFF), sample.random(1 << 20), sample.runs(1 << 20, 1, 90),
      sample.random(3 << 19, 7)};
  for (const Bytes& input : inputs) {
    const LZWCodes expected = referenceencode(input), actual = texttolzwunpacked(input);
    EXPECT_EQ(std::tie(actual.Codes, actual.Width), std::tie(expected.Codes, expected.Width)) << "length " << input.size();
    EXPECT_TRUE(lzwstoredtotext(texttolzwstored(input)) == input) << "length " << input.size();
  }
}

TEST(Lzw, PackingKeepsTheLowBitsOfEveryWidth) {
  codectest::SampleData sample(13);
  for (int64_t width = 1; width <= 64; ++width) {
    std::vector<int64_t> codes;
    for (size_t n = 0; n < 37; ++n) {
      uint64_t code = 0;
      for (int part = 0; part < 4; ++part) code = (code << 16) | sample.below(65536);
      codes.push_back(static_cast<int64_t>(code));
    }
    const Bytes packed = lzwunpackedtopacked(codes, width);
    ASSERT_EQ(packed.size(), (codes.size() * static_cast<size_t>(width) + 7) / 8);
    std::vector<int64_t> low = codes;
    if (width < 64)
      for (int64_t& c : low)
        c = static_cast<int64_t>(static_cast<uint64_t>(c) & ((uint64_t{1} << width) - 1));
    // Below eight bits the zero padding can hold whole codes of its own.
    while (low.size() < packed.size() * 8 / static_cast<size_t>(width)) low.push_back(0);
    EXPECT_EQ(lzwpackedtounpacked(packed, width), low) << "width " << width;
  }
  // Three bytes hold two codes of nine bits; the six bits left over are dropped.
  EXPECT_EQ(lzwpackedtounpacked({0x30, 0xC0, 0x00}, 9), (std::vector<int64_t>{97, 256}));
}

TEST(Lzw, HostileStoredFormsNeverHangOrOverrun) {
  vxtest::LogCapture log;
  EXPECT_TRUE(lzwstoredtotext({0, 0x61, 0x62}).empty());
  EXPECT_TRUE(lzwstoredtotext({65, 0x61, 0x62, 0x63, 1, 2, 3, 4, 5, 6, 7, 8, 9}).empty());
  EXPECT_TRUE(lzwstoredtotext({255, 0x61}).empty());
  EXPECT_EQ(log.take(),
            "lzwpackedtounpacked: Code width 0 is not between 1 and 64.\n"
            "lzwpackedtounpacked: Code width 65 is not between 1 and 64.\n"
            "lzwpackedtounpacked: Code width 255 is not between 1 and 64.\n");
  EXPECT_TRUE(lzwunpackedtopacked({1, 2}, 0).empty());
  EXPECT_TRUE(lzwunpackedtopacked({1, 2}, 65).empty());

  // Arbitrary bytes under every width: each answer is empty or some text.
  codectest::SampleData sample(14);
  for (int width = 1; width <= 64; ++width) {
    Bytes stored = sample.random(200);
    stored[0] = static_cast<uint8_t>(width);
    (void)lzwstoredtotext(stored);
  }
  log.take();

  // A cut-off stored form loses codes at the end, so it gives a prefix.
  const Bytes text = sample.runs(5000, 2, 40);
  Bytes stored = texttolzwstored(text);
  stored.resize(stored.size() / 2);
  const Bytes prefix = lzwstoredtotext(stored);
  ASSERT_FALSE(prefix.empty());
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), text.begin()));
}

// Invalid codes give an empty text, with everything decoded before them;
// the first code only gives its low byte. Texts beyond the limit are refused:
// each code names the one being defined, so 2000 codes describe two million bytes.
TEST(Lzw, InvalidCodesAndTextsBeyondTheLimitGiveAnEmptyText) {
  vxtest::LogCapture log;
  EXPECT_TRUE(lzwunpackedtotext({65, 300}).empty());
  EXPECT_TRUE(lzwunpackedtotext({65, 66, 256, 258, 65, 262}).empty());
  EXPECT_TRUE(lzwunpackedtotext({65, -1}).empty());
  EXPECT_EQ(lzwunpackedtotext({0x141, 0x42}), bytesof("AB"));
  std::vector<int64_t> codes{97};
  for (int64_t code = 256; code < 256 + 2000; ++code) codes.push_back(code);
  const size_t full = lzwunpackedtotext(codes).size();
  EXPECT_EQ(full, 2001u * 2002u / 2u);
  EXPECT_TRUE(lzwunpackedtotext(codes, static_cast<int64_t>(full) - 1).empty());
  EXPECT_EQ(lzwunpackedtotext(codes, static_cast<int64_t>(full)).size(), full);
  EXPECT_TRUE(lzwunpackedtotext({97}, 0).empty());
  EXPECT_EQ(log.take(),
            "lzwunpackedtotext: Invalid code 300 at position 1.\n"
            "lzwunpackedtotext: Invalid code 262 at position 5.\n"
            "lzwunpackedtotext: Invalid code -1 at position 1.\n"
            "lzwunpackedtotext: Text longer than 2.003.000 Bytes.\n"
            "lzwunpackedtotext: Text longer than 0 Bytes.\n");
}

// A reader that uses no more than the first bytes keeps those of a longer
// text, however long; an invalid code before them still refuses the text, one
// after them is never reached.
TEST(Lzw, APrefixKeepsTheFirstBytesOfAnyText) {
  const Bytes abab = texttolzwstored(bytesof("ABABABA"));
  std::vector<int64_t> selfdefining{97};
  for (int64_t code = 256; code < 256 + 2000; ++code) selfdefining.push_back(code);
  Bytes stored{12};
  const Bytes packed = lzwunpackedtopacked(selfdefining, 12);
  stored.insert(stored.end(), packed.begin(), packed.end());
  const struct {
    Bytes stored;
    int64_t limit;
    Bytes text;
    DecodeProblem problem;
  } cases[] = {
      {abab, 5, bytesof("ABABA"), DecodeProblem::None},
      {abab, 7, bytesof("ABABABA"), DecodeProblem::None},
      {abab, 100, bytesof("ABABABA"), DecodeProblem::None},
      {abab, 0, {}, DecodeProblem::None},
      {stored, 1'000'000, Bytes(1'000'000, 'a'), DecodeProblem::None},
      {{9, 0x20, 0xCB, 0x00}, 5, {}, DecodeProblem::Invalid},  // 65, 300: invalid before the limit
      {{9, 0x20, 0x90, 0xA5, 0x80}, 2, bytesof("AB"), DecodeProblem::None},  // 65 66 300: past it
      {{0}, 5, {}, DecodeProblem::Invalid},
  };
  for (const auto& c : cases) {
    const Decoded decoded = lzwstoredprefix(c.stored, c.limit);
    EXPECT_EQ(decoded.Problem, c.problem) << c.limit << ' ' << decoded.Detail;
    EXPECT_EQ(decoded.Bytes, c.text) << c.limit;
  }
}
