// Inputs made to cost a decoder far more than they are worth: each must be
// refused promptly with the routine's line, before the decoder writes or
// allocates what the input describes.
#include <gtest/gtest.h>

#include "codecs/graphic_import.h"
#include "codecs/lzw.h"
#include "codecs/run_length.h"
#include "console/font_resource.h"
#include "support/allocation_meter.h"
#include "support/test_support.h"

using namespace vx;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr size_t Megabyte = size_t{1} << 20;

// 41 bytes describing 201 MB of runs (five of 40.2 million bytes 7 after the
// byte marker 0), then what `ending` adds.
Bytes longruns(const Bytes& ending) {
  constexpr uint32_t count = 40'200'000;
  Bytes stream{0};
  for (int i = 0; i < 5; ++i)
    stream.insert(stream.end(), {0, 241, count >> 24, (count >> 16) & 0xFF, (count >> 8) & 0xFF, count & 0xFF, 7});
  stream.insert(stream.end(), ending.begin(), ending.end());
  return stream;
}

// LZW codes that each name the code being defined: n codes describe n(n+1)/2 bytes.
Bytes selfdefiningcodes(size_t count, int64_t width) {
  std::vector<int64_t> codes{97};
  for (int64_t code = 256; codes.size() < count; ++code) codes.push_back(code);
  Bytes stored{static_cast<uint8_t>(width)};
  const Bytes packed = lzwunpackedtopacked(codes, width);
  stored.insert(stored.end(), packed.begin(), packed.end());
  return stored;
}

}  // namespace

TEST(HostileInput, RunLengthStreamsAreRefusedBeforeTheyAreWritten) {
  const struct {
    Bytes stream;
    const char* line;
  } cases[] = {
      {longruns({1, 2, 3, 0, 242}), "rle8tobinary: Invalid count 242 after the marker.\n"},
      {longruns({1, 2, 3, 0, 241}), "rle8tobinary: Data is cut short.\n"},
      {longruns({1, 2, 3}), "rle8tobinary: Data gives 201000003 bytes instead of 4294967296.\n"},
  };
  vxtest::LogCapture log;
  for (const auto& c : cases) {
    vxtest::resetallocations();
    EXPECT_TRUE(rle8tobinary(c.stream, int64_t{1} << 32).empty());
    EXPECT_LT(vxtest::largestallocation(), Megabyte);
    EXPECT_EQ(log.take(), c.line);
  }
  EXPECT_EQ(cases[0].stream.size(), 41u);
}

TEST(HostileInput, ACompressedFontExpandsNoFurtherThanItsGlyphs) {
  // 92 KB of codes that would expand to about a gigabyte; 256 glyphs of
  // 16 x 32 pixels take 131 072 bytes.
  t_Font font{.Format = FontFormatGreyCompressed, .Start = 0, .End = 255, .Width = 16, .Height = 32,
              .Data = selfdefiningcodes(92 * 1024 * 8 / 17, 17)};
  ASSERT_EQ(font.Data.size() / 1024, 92u);
  vxtest::LogCapture log;
  vxtest::resetallocations();
  const t_Font expanded = t_ExpandFont(font);
  EXPECT_LT(vxtest::largestallocation(), Megabyte);
  EXPECT_TRUE(expanded.Data.empty());
  EXPECT_EQ(expanded.Format, FontFormatGrey);
  EXPECT_EQ(log.take(), "lzwunpackedtotext: Text longer than 131.072 Bytes.\n");

  // A font whose glyphs fit expands as before.
  font.End = 0;
  font.Width = font.Height = 1;
  font.Data = selfdefiningcodes(1, 8);
  EXPECT_EQ(t_ExpandFont(font).Data, Bytes{97});
}

// A header may claim the largest picture there is; the data still has to give it.
TEST(HostileInput, GraphicFilesCostNoMoreThanTheirDataGives) {
  // A square picture of `side` pixels a side.
  const auto file = [](uint8_t format, uint16_t side, const Bytes& data) {
    const uint32_t size = uint32_t{side} * side;
    const auto hi = static_cast<uint8_t>(side >> 8), lo = static_cast<uint8_t>(side);
    Bytes bytes{16, 'v', 'x', 'g', 'r', format, static_cast<uint8_t>(size >> 24), static_cast<uint8_t>(size >> 16),
                static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size), hi, lo, hi, lo, 0x11, 0};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
  };
  const struct {
    Bytes file;
    GraphicFault fault;
  } cases[] = {
      {file(22, 0xFFFF, longruns({1, 2, 3, 0, 242})), GraphicFault::InvalidRuns},
      {file(122, 0xFFFF, texttolzwstored(longruns({1, 2, 3}))), GraphicFault::DecodesShortOfPicture},
      {file(102, 0xFFFF, selfdefiningcodes(44'000, 17)), GraphicFault::DecodesShortOfPicture},
      {file(125, 64, selfdefiningcodes(44'000, 17)), GraphicFault::DecodesPastPicture},
  };
  vxtest::LogCapture log;
  for (const auto& c : cases) {
    vxtest::resetallocations();
    EXPECT_EQ(readgraphicfile(c.file).Fault, c.fault) << log.take();
    EXPECT_LT(vxtest::largestallocation(), Megabyte);
  }
}
