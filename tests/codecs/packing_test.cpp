#include <gtest/gtest.h>

#include <tuple>

#include "codecs/packing.h"
#include "sample_data.h"
#include "support/test_support.h"

using namespace vx;
using codectest::Bytes;

// Each row starts on a new byte; an input that ends inside a row keeps its
// last byte, with a line; without a usable width everything is one row.
TEST(Packing, RowsStartOnANewByteAndAnUnfinishedRowKeepsItsLastByte) {
  using Pack = Bytes (*)(const Bytes&, int64_t);
  const Pack bits = binarybooltopackedbool, nibbles = binarynibbletopackednibble;
  const struct { Pack pack; Bytes values; int64_t width; Bytes packed; std::string log; } cases[] = {
      {bits, {1, 0, 1, 1, 0, 0, 0, 1, 1, 1}, 10, {0xB1, 0xC0}, ""},
      {bits, {1, 1, 1, 1, 1, 1}, 3, {0xE0, 0xE0}, ""},
      // Any non-zero byte is a set bit, whichever its bits, in whole bytes and in a row's last one.
      {bits, {0, 0x80, 0, 2, 0, 0x7F, 0, 0, 4, 0x40}, 10, {0x54, 0xC0}, ""},
      {nibbles, {1, 2, 3, 4, 5, 6}, 3, {0x12, 0x30, 0x45, 0x60}, ""},
      {nibbles, {0xF1, 0x2E}, 2, {0x1E}, ""},
      {bits, {}, 5, {}, ""},
      {nibbles, {}, 5, {}, ""},
      {bits, {1, 1, 1, 1, 1}, 3, {0xE0, 0xC0}, "binarybooltopackedbool: Appending one Byte = 192\n"},
      {nibbles, {1, 2, 3}, 4, {0x12, 0x30}, "binarynibbletopackednibble: Appending one Byte = 48\n"},
      {bits, Bytes(9, 1), 0, {0xFF, 0x80}, "binarybooltopackedbool: Appending one Byte = 128\n"},
  };
  vxtest::LogCapture log;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.values));
    EXPECT_EQ(c.pack(c.values, c.width), c.packed);
    EXPECT_EQ(log.take(), c.log);
  }
}

TEST(Packing, UnpackingGivesBackTheValues) {
  codectest::SampleData sample(31);
  for (int64_t width : {1, 2, 3, 7, 8, 9, 15, 16, 17, 100}) {
    for (int64_t rows : {1, 2, 5}) {
      const auto count = static_cast<size_t>(width * rows);
      const Bytes bits = sample.random(count, 1);
      const Bytes nibbles = sample.random(count, 15);
      const Bytes packedbits = binarybooltopackedbool(bits, width);
      const Bytes packednibbles = binarynibbletopackednibble(nibbles, width);
      EXPECT_EQ(std::tuple(packedbits.size(), packednibbles.size(), packedbooltobinarybool(packedbits, width, width * rows),
                           packednibbletobinarynibble(packednibbles, width, width * rows)),
                std::tuple(rows * ((width + 7) / 8), rows * ((width + 1) / 2), bits, nibbles));
    }
  }
}

TEST(Packing, ShortPackedDataIsRefused) {
  vxtest::LogCapture log;
  EXPECT_TRUE(packedbooltobinarybool({0xFF, 0xFF}, 9, 18).empty());
  EXPECT_TRUE(packednibbletobinarynibble({0x12}, 4, 3).empty());
  EXPECT_EQ(log.take(),
            "packedbooltobinarybool: 18 values need 4 bytes, there are 2.\n"
            "packednibbletobinarynibble: 3 values need 2 bytes, there are 1.\n");
  EXPECT_EQ(packedbooltobinarybool({0xE0, 0xC0}, 3, 5), (Bytes{1, 1, 1, 1, 1}));
  EXPECT_EQ(packedbooltobinarybool({0xFF, 0x80}, 0, 9), Bytes(9, 1));
  EXPECT_TRUE(packedbooltobinarybool({0xFF}, 8, -4).empty());
}
