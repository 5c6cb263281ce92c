// The save pipeline proved by reading back: every depth and size saved and
// read gives exactly the capture it came from; files that are not whole
// graphics are refused, each kind with its own error.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <random>

#include "support/test_support.h"

using namespace vx;
using Bytes = std::vector<uint8_t>;

namespace {

enum class Fill { Uniform, Noise, EqualAlpha, Star };

// Bytes per row of a window's picture memory.
int64_t rowbytes(const t_Window& w) { return w.BitDepth == 1 ? w.Width / 8 : w.BitDepth == 4 ? w.Width / 2 : w.Width * w.BitDepth / 8; }

// Window 1 at `depth`, its picture filled as `fill` says.
void paint(int64_t depth, int64_t width, int64_t height, Fill fill, uint32_t seed) {
  t_InitWindow(1, depth, false, width, height, 5, 5, t_Font{}, true);
  const t_Window& w = WindowTable[1];
  uint8_t* picture = ToolkitMemory.data() + w.MemoryStart;
  const int64_t bytes = rowbytes(w) * w.Height;
  std::mt19937 rng(seed);
  switch (fill) {
    case Fill::Uniform: g_ClearScreen(1, static_cast<int64_t>(seed % 16), -1); break;
    case Fill::Star:
      g_ClearScreen(1, 15, -1);
      t_Color(1, 0, 15);
      g_DrawVelmorandine(1, 0, 0, w.Width - 1, w.Height - 1, 12);
      break;
    case Fill::Noise:
    case Fill::EqualAlpha:
      // Rows of few values (runs) alternate with rows of noise.
      for (int64_t i = 0; i < bytes; ++i) picture[i] = static_cast<uint8_t>(rng() % ((i / rowbytes(w)) % 2 ? 256 : 3));
      if (fill == Fill::EqualAlpha)
        for (int64_t i = 0; i < bytes; i += depth / 8) picture[i] = 0xC0;
      break;
  }
}

}  // namespace

TEST(GraphicRoundTrip, EveryDepthAndSizeReadsBackAsCaptured) {
  useHeadlessHost();
  t_InitMemory();
  vxtest::LogCapture log;
  // Windows are 32 pixels a side at least; the pipeline also encodes smaller
  // rectangles, so small that the run-length encoders return their input.
  const std::pair<int64_t, int64_t> windows[] = {{32, 32}, {96, 64}, {257, 33}};
  const std::array<int64_t, 4> rectangles[] = {{0, 0, 0, 0}, {1, 1, 3, 2}, {5, 0, 9, 0}, {0, 0, 10000, 10000}};
  const struct { int64_t depth; Fill fill; } pictures[] = {{1, Fill::Star},   {1, Fill::Noise},   {1, Fill::Uniform},     {4, Fill::Noise},
                  {4, Fill::Uniform}, {8, Fill::Noise},  {8, Fill::Uniform},     {24, Fill::Noise},
                  {24, Fill::Uniform}, {16, Fill::Noise}, {16, Fill::EqualAlpha}, {16, Fill::Uniform},
                  {32, Fill::Noise},  {32, Fill::EqualAlpha}, {32, Fill::Uniform}};
  uint32_t seed = 1;
  for (const auto& [depth, fill] : pictures) {
    for (const auto& [width, height] : windows) {
      paint(depth, width, height, fill, seed++);
      for (const auto& [x0, y0, x1, y1] : rectangles) {
        const t_Graphic captured = g_GetScreenRect(1, x0, y0, x1, y1);
        const Bytes file = graphicfilebytes(g_EncodeGraphic(captured));
        const GraphicReading read = readgraphicfile(file);
        SCOPED_TRACE(::testing::Message() << "depth " << depth << ", fill " << static_cast<int>(fill) << ", "
                                          << captured.Width << " x " << captured.Height);
        ASSERT_TRUE(read.ok()) << read.Message;
        EXPECT_EQ(read.Graphic, captured);
        const t_Graphic header = graphicfromfilebytes(Bytes(file.begin(), file.begin() + 16)).Graphic;
        EXPECT_LE(static_cast<int64_t>(file.size()), graphicfilelimit(header));
      }
      // Read as rows, a whole window's file gives its picture memory byte for byte.
      const GraphicReading whole = readgraphicrows(graphicfilebytes(g_EncodeGraphic(g_GetScreen(1))));
      const StoredPicture rows = graphicstoredpicture(whole.Graphic);
      const t_Window& w = WindowTable[1];
      const uint8_t* memory = ToolkitMemory.data() + w.MemoryStart;
      ASSERT_NE(rows.data, nullptr) << depth << " " << width;
      EXPECT_EQ(std::make_tuple(rows.width, rows.height, rows.depth, rows.rowbytes),
                std::make_tuple(w.Width, w.Height, depth, rowbytes(w)));
      EXPECT_TRUE(std::equal(rows.data, rows.data + rows.rowbytes * rows.height, memory)) << depth << " " << width;
      // Equal alphas take the packed formats, differing ones the plain.
      if (depth == 16 || depth == 32) {
        const int64_t format = g_EncodeGraphic(g_GetScreen(1)).Format;
        EXPECT_EQ(format, (fill == Fill::Noise ? 120 : 130) + (depth == 16 ? 4 : 5)) << depth << " " << width;
      }
    }
  }
  log.take();
}

namespace {

Bytes grfile(uint8_t format, uint16_t width, uint16_t height, const Bytes& data) {
  const uint32_t size = uint32_t{width} * height;
  Bytes file{16, 'v', 'x', 'g', 'r', format, static_cast<uint8_t>(size >> 24), static_cast<uint8_t>(size >> 16),
             static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size), static_cast<uint8_t>(width >> 8),
             static_cast<uint8_t>(width), static_cast<uint8_t>(height >> 8), static_cast<uint8_t>(height), 0x11, 0};
  file.insert(file.end(), data.begin(), data.end());
  return file;
}

Bytes with(Bytes file, size_t offset, uint8_t value) {
  file[offset] = value;
  return file;
}

// The stored LZW form of `codes` at nine bits.
Bytes lzw(const std::vector<int64_t>& codes) {
  Bytes stored{9};
  const Bytes packed = lzwunpackedtopacked(codes, 9);
  stored.insert(stored.end(), packed.begin(), packed.end());
  return stored;
}

}  // namespace

TEST(GraphicRoundTrip, EachKindOfMalformedFileHasItsOwnError) {
  const Bytes grey = grfile(2, 2, 2, {1, 2, 3, 4});  // a whole 2 x 2 grey picture
  const struct { Bytes file; GraphicFault fault; const char* message; } cases[] = {
      {{}, GraphicFault::HeaderCutShort, "File is empty, without its 16-byte header."},
      {Bytes(grey.begin(), grey.begin() + 9), GraphicFault::HeaderCutShort, "File of 9 bytes ends inside"},
      {with(grey, 0, 15), GraphicFault::HeaderSize, "Header size 15 instead of 16."},
      {with(grey, 4, 'n'), GraphicFault::Identifier, "Identifier \"vxgn\" instead of \"vxgr\"."},
      {with(grey, 1, 0), GraphicFault::Identifier, "Identifier \"\\x00xgr\""},
      {with(grey, 5, 6), GraphicFault::Format, "Format code 6 is not a graphic format."},
      {with(grey, 5, 136), GraphicFault::Format, "Format code 136 is not a graphic format."},
      {with(grey, 9, 5), GraphicFault::Size, "Size 5 is not width x height (2 x 2 = 4)."},
      {grfile(2, 2, 2, {1, 2, 3}), GraphicFault::DataCutShort, "ends early: 3 bytes where the picture takes 4."},
      {grfile(22, 2, 2, {0, 0, 240, 1}), GraphicFault::DataCutShort, "ends early: Data is cut short."},
      {grfile(34, 2, 2, {}), GraphicFault::DataCutShort, "ends early: it lacks its alpha byte."},
      {grfile(2, 2, 2, {1, 2, 3, 4, 5}), GraphicFault::DataPastPicture, "5 bytes where the picture takes 4."},
      {grfile(30, 8, 1, {0xF0, 0}), GraphicFault::DataPastPicture, "(g_FormatRLEPackedBit) goes on past"},
      {grfile(22, 2, 2, {0, 0, 242, 5}), GraphicFault::InvalidRuns, "Invalid count 242 after the marker."},
      {grfile(102, 2, 2, {0, 1, 2}), GraphicFault::InvalidCodes, "Code width 0 is not between 1 and 64."},
      {grfile(102, 2, 2, lzw({65, 300})), GraphicFault::InvalidCodes, "Invalid code 300 at position 1."},
      {grfile(22, 2, 2, {0, 0, 5, 9}), GraphicFault::DecodesPastPicture, "Data gives more than 4 bytes."},
      {grfile(102, 2, 2, lzw({65, 256, 256})), GraphicFault::DecodesPastPicture, "Text longer than 4 Bytes."},
      {grfile(22, 2, 2, {0, 9, 9, 9}), GraphicFault::DecodesShortOfPicture, "Data gives 3 bytes instead of 4."},
      {grfile(102, 2, 2, lzw({65, 66, 67})), GraphicFault::DecodesShortOfPicture, "Text of 3 Bytes instead of 4."},
      {grfile(102, 2, 2, {9}), GraphicFault::DecodesShortOfPicture, "Text of 0 Bytes instead of 4."},
  };
  vxtest::LogCapture log;
  for (const auto& c : cases) {
    const GraphicReading read = readgraphicfile(c.file);
    EXPECT_EQ(read.Fault, c.fault) << c.message;
    EXPECT_NE(read.Message.find(c.message), std::string::npos) << read.Message;
    EXPECT_EQ(read.Graphic, t_Graphic{}) << c.message;
    const char* routine = c.fault <= GraphicFault::Size ? "graphicfromfilebytes: " : "g_DecodeGraphic: ";
    EXPECT_EQ(log.take(), routine + read.Message + "\n");
    EXPECT_EQ(readgraphicrows(c.file).Fault, c.fault) << c.message;
    log.take();
  }
  // The same stages read whole: grey, packed bits, and the common alpha put back.
  EXPECT_EQ(readgraphicfile(grey).Graphic.Data, (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(readgraphicfile(grfile(10, 3, 2, {0xA0, 0x40})).Graphic.Data, (Bytes{15, 0, 15, 0, 15, 0}));
  EXPECT_EQ(readgraphicfile(grfile(14, 2, 1, {7, 1, 2})).Graphic.Data, (Bytes{7, 1, 7, 2}));
  // Read as rows, one-bit and four-bit values come packed whatever form the file holds them in.
  EXPECT_EQ(readgraphicrows(grfile(0, 3, 2, {0, 15, 1, 0, 0, 15})).Graphic.Data, (Bytes{0x60, 0x20}));
  EXPECT_EQ(readgraphicrows(grfile(1, 3, 1, {1, 2, 0x13})).Graphic.Data, (Bytes{0x12, 0x30}));
  EXPECT_EQ(readgraphicrows(grfile(14, 2, 1, {7, 1, 2})).Graphic.Data, (Bytes{7, 1, 7, 2}));
  // A record in another form, or whose data does not fill its rows, is no stored picture.
  EXPECT_EQ(graphicstoredpicture(readgraphicfile(grfile(10, 3, 2, {0xA0, 0x40})).Graphic).data, nullptr);
  EXPECT_EQ(graphicstoredpicture(t_Graphic{.Format = 2, .Size = 4, .Width = 2, .Height = 2, .Data = {1, 2, 3}}).data,
            nullptr);
}
