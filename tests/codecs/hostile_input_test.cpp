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

TEST(HostileInput, ACompressedFontExpandsNoFurtherThanAnyFontCanUse) {
  // 92 KB of codes that would expand to about a gigabyte: the first 16 MiB,
  // which hold the glyphs of any font, are kept, without a line.
  t_Font font{.Format = FontFormatGreyCompressed, .Start = 0, .End = 255, .Width = 16, .Height = 32,
              .Data = selfdefiningcodes(92 * 1024 * 8 / 17, 17)};
  ASSERT_EQ(font.Data.size() / 1024, 92u);
  vxtest::LogCapture log;
  vxtest::resetallocations();
  const t_Font expanded = t_ExpandFont(font);
  EXPECT_LT(vxtest::peakallocation(), static_cast<size_t>(FontDataLimit) + 2 * Megabyte);
  EXPECT_EQ(expanded.Data.size(), static_cast<size_t>(FontDataLimit));
  EXPECT_EQ(expanded.Format, FontFormatGrey);
  EXPECT_EQ(log.take(), "");
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
      // 4096 x 4096 bytes, 16 MiB, the largest such picture the toolkit holds.
      {file(22, 4096, longruns({1, 2, 3, 0, 242})), GraphicFault::DecodesPastPicture},
      {file(122, 4096, texttolzwstored(longruns({1, 2, 3}))), GraphicFault::DecodesPastPicture},
      {file(102, 4096, selfdefiningcodes(44'000, 17)), GraphicFault::DecodesPastPicture},
      {file(125, 64, selfdefiningcodes(44'000, 17)), GraphicFault::DecodesPastPicture},
      // 65535 x 65535 pixels at 32 bits in one sound run: 16 GiB that no window
      // can hold, refused from the header.
      {file(25, 0xFFFF, {0, 0, 0, 0, 241, 0xFF, 0xFE, 0x00, 0x01, 1, 2, 3, 4}), GraphicFault::PictureTooLarge},
  };
  vxtest::LogCapture log;
  for (const auto& c : cases) {
    vxtest::resetallocations();
    EXPECT_EQ(readgraphicfile(c.file).Fault, c.fault) << log.take();
    EXPECT_LT(vxtest::largestallocation(), Megabyte);
  }
}

// The largest one-bit picture the bound lets in, from 24 bytes: its 16 MiB of
// rows are written once, straight into the picture, not into a copy first.
TEST(HostileInput, UndoingRunsHoldsThePictureOnce) {
  const auto header = [](uint32_t width, uint32_t height) {
    const uint32_t pixels = width * height;
    const auto b = [](uint32_t v, int shift) { return static_cast<uint8_t>(v >> shift); };
    const uint32_t rows = width / 8 * height;
    return Bytes{16, 'v', 'x', 'g', 'r', 30, b(pixels, 24), b(pixels, 16), b(pixels, 8), b(pixels, 0),
                 b(width, 8), b(width, 0), b(height, 8), b(height, 0), 0x11, 0,
                 0, 0, 241, b(rows, 24), b(rows, 16), b(rows, 8), b(rows, 0), 0x5A};
  };
  const Bytes file = header(16384, 8192);
  ASSERT_EQ(file.size(), 24u);
  vxtest::resetallocations();
  const GraphicReading read = readgraphicrows(file);
  EXPECT_LT(vxtest::peakallocation(), (size_t{1} << 24) + Megabyte);
  ASSERT_TRUE(read.ok()) << read.Message;
  EXPECT_EQ(read.Graphic.Data, Bytes(size_t{1} << 24, 0x5A));

  // One row more is more than the toolkit holds, and refused from the header.
  vxtest::LogCapture log;
  vxtest::resetallocations();
  EXPECT_EQ(readgraphicrows(header(16384, 8193)).Fault, GraphicFault::PictureTooLarge);
  EXPECT_LT(vxtest::largestallocation(), size_t{1024});
  EXPECT_EQ(log.take(), "graphicfromfilebytes: Picture of 16384 x 8193 pixels in format 30 takes 16779264 bytes, "
                        "more than the 16777216 bytes (16 MiB) the toolkit holds.\n");
}
