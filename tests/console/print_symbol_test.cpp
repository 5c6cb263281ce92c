#include <gtest/gtest.h>

#include <tuple>

#include "console_fixture.h"

using namespace vx;
using namespace consoletest;

namespace {

// One glyph pixel wide and high, so a cell is a single pixel.
void openpixelwindow(int64_t depth, uint8_t grey, int64_t columns = 8) {
  opentextwindow(0, depth, columns, 2, flatfont(1, 1, grey));
}

const uint8_t* picture() { return ToolkitMemory.data() + WindowTable[0].MemoryStart; }

}  // namespace

// Each channel is ink x foreground / 255 + (255 - ink) x background / 255; the
// grey depths blend grey levels, and the first byte of 16 and 32 bits is kept.
// Inverse swaps the colours and stores the swapped attribute.
TEST(PrintSymbol, BlendsForegroundAndBackgroundAtDepths8To32) {
  const struct { int64_t depth; uint8_t ink, colour; bool inverse; std::vector<uint8_t> pixel; uint8_t stored; } cases[] = {
      {24, 128, 0x16, false, {128, 0, 127}, 0x16},        // red on blue
      {32, 255, 0x9F, false, {0x77, 255, 128, 0}, 0x9F},  // orange on white, full ink
      {8, 64, 0xF5, false, {126}, 0xF5},                  // 64 x 255 / 255 + 191 x 84 / 255
      {16, 255, 0x10, false, {0x77, 85}, 0x10},           // red has grey level 85
      {24, 255, 0xF0, true, {0, 0, 0}, 0x0F}};
  vxtest::LogCapture capture;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.depth);
    openpixelwindow(c.depth, c.ink);
    ToolkitMemory[WindowTable[0].MemoryStart] = 0x77;
    WindowTable[0].TextInverse = c.inverse;
    capture.take();
    t_PrintSymbol(0, 'A', c.colour, 1, 1);
    EXPECT_EQ(capture.take(), "");
    EXPECT_EQ(std::vector<uint8_t>(picture(), picture() + c.pixel.size()), c.pixel);
    EXPECT_EQ(cellattribute(0, 1, 1), c.stored);
  }
}

// Steps on one window of 8 x 2 one-pixel cells per depth: four-bit pixels
// take the nearest palette entry and keep the other nibble; one-bit pixels
// are set from a sum of 384.
TEST(PrintSymbol, Depths4And1PickThePixelFromTheBlendedColour) {
  const struct { int64_t depth; uint8_t ink, colour; int64_t column; std::vector<uint8_t> line; } steps[] = {
      {4, 128, 0xF0, 1, {0xA0, 0, 0, 0}},        // (128, 128, 128): sum 384, light grey
      {4, 127, 0xF0, 2, {0xA5, 0, 0, 0}},        // sum 381, the odd column's low nibble
      {4, 128, 0x10, 3, {0xA5, 0x80, 0, 0}},     // (128, 0, 0) is nearest to brown (128, 64, 0)
      {4, 128, 0x90, 4, {0xA5, 0x88, 0, 0}},     // (128, 64, 0) is brown itself
      {4, 128, 0x62, 5, {0xA5, 0x88, 0x20, 0}},  // (0, 0, 191): 63 from navy, 64 from blue
      {1, 128, 0xF0, 1, {0x80}},                 // sum 384: set
      {1, 127, 0xF0, 8, {0x80}},                 // sum 381: cleared
      {1, 192, 0xD0, 3, {0xA0}},                 // yellow: 192 + 192 = 384
      {1, 191, 0xD0, 1, {0x20}},                 // 382: the set pixel is cleared
  };
  int64_t depth = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(::testing::Message() << "depth " << s.depth << ", column " << s.column);
    if (s.depth != depth) openpixelwindow(depth = s.depth, s.ink);
    WindowTable[0].Font = flatfont(1, 1, s.ink);
    t_PrintSymbol(0, 'A', s.colour, s.column, 1);
    std::vector<uint8_t> whole = s.line;
    whole.resize(2 * s.line.size(), 0);  // line 2 untouched
    EXPECT_EQ(std::vector<uint8_t>(picture(), picture() + whole.size()), whole);
  }
}

// The cell's code and colour are recorded whether or not a glyph is drawn.
TEST(PrintSymbol, GlyphsAreFoundFromCodeZeroAndCellsAreRecordedWhereNoneIsDrawn) {
  t_Font lettersonly = numberedfont(2, 2), compressed = flatfont(2, 2, 255), unknown = compressed,
         shortdata = compressed;
  lettersonly.Start = 32;
  lettersonly.End = 90;
  compressed.Format = 102;
  unknown.Format = 7;
  shortdata.Data.resize(66 * 4 - 1);  // glyph 65 lacks its last byte
  const std::string white(4, '\xFF');
  const struct { t_Font font; uint8_t code; std::string pixels, log; } cases[] = {
      // White on black keeps the grey level: glyph 65 holds 65, 66, 67, 68.
      {lettersonly, 65, "ABCD", ""},
      {lettersonly, 200, std::string(4, '\0'), ""},  // outside the font
      {compressed, 'A', std::string(4, '\0'),
       "t_PrintSymbol: Font format must be uncompressed grey for text-printing.\n"},
      {unknown, 'A', std::string(4, '\0'), "t_PrintSymbol: Illegal font format.\n"},
      {shortdata, 64, white, ""},
      {shortdata, 65, std::string(4, '\0'), ""},
  };
  vxtest::LogCapture capture;
  for (const auto& c : cases) {
    SCOPED_TRACE(int{c.code});
    opentextwindow(0, 8, 3, 1, c.font);
    capture.take();
    t_PrintSymbol(0, c.code, 0xF0, 2, 1);
    EXPECT_EQ(capture.take(), c.log);
    const std::vector<uint8_t> pixels = cellpixels(0, 2, 1);
    EXPECT_EQ(std::string(pixels.begin(), pixels.end()), c.pixels);
    EXPECT_EQ(std::tuple(cellcode(0, 2, 1), cellattribute(0, 2, 1)), std::tuple(c.code, uint8_t{0xF0}));
  }
}

TEST(PrintSymbol, WindowsThatCannotPrintAndCellsOutsideThePictureAreRefusedWithoutTouchingMemory) {
  vxtest::LogCapture capture;
  opentextwindow(0, 8, 2, 1, t_Font{});  // no glyphs: no picture
  capture.take();
  t_PrintSymbol(0, 'A', 0xF0, 1, 1);
  WindowTable[0].Initialized = false;
  t_PrintSymbol(8, 'A', 0xF0, 1, 1);
  t_PrintSymbol(0, 'A', 0xF0, 1, 1);
  EXPECT_EQ(capture.take(),
            "t_PrintSymbol: Window #0 not initialized.\n"
            "t_PrintSymbol: Window is not a graphic window.\n"
            "t_PrintSymbol: Window #0 not initialized.\n");
  opentextwindow(1, 8, 3, 2, flatfont(2, 2, 255));
  opentextwindow(0, 8, 3, 2, flatfont(2, 2, 255));
  capture.take();
  const std::vector<uint8_t> before = ToolkitMemory;
  std::string refused;
  const auto refuse = [&](int64_t x, int64_t y) {
    t_PrintSymbol(0, 'A', 0xF0, x, y);
    refused += "t_PrintSymbol: Window #0 illegal coordinates (x = " + std::to_string(x) + ", y = " +
               std::to_string(y) + ").\n";
  };
  for (const auto& [x, y] : {std::pair{0, 1}, {1, 0}, {-5, -5}, {4, 1}, {1, 3}}) refuse(x, y);
  EXPECT_TRUE(ToolkitMemory == before);
  // A narrower font leaves room in the picture beyond the last column: only
  // the picture bounds the cells, so (4, 2) is drawn and (7, 1) is not.
  WindowTable[0].Font = flatfont(1, 1, 255);
  t_PrintSymbol(0, 'A', 0xF0, 4, 2);
  refuse(7, 1);
  EXPECT_EQ(pixelbyte(0, 3, 1), 255);
  EXPECT_EQ(capture.take(), refused);
}

TEST(PrintSymbol, RoutingToStandardOutputWritesTheCharacterInstead) {
  vxtest::LogCapture capture;
  opentextwindow(0, 8, 2, 1, flatfont(1, 1, 255));
  capture.take();
  const std::vector<uint8_t> before = ToolkitMemory;
  WindowTable[0].TextRedirectOutput = 2;
  t_PrintSymbol(0, 0xE4, 0xF0, 1, 1);
  t_PrintSymbol(0, '\n', 0xF0, 1, 1);
  WindowTable[0].TextRedirectOutput = 3;
  t_PrintSymbol(0, 'Z', 0xF0, 1, 1);
  EXPECT_TRUE(ToolkitMemory == before);
  // An uninitialised window still echoes when routed to standard output.
  WindowTable[3].TextRedirectOutput = 2;
  t_PrintSymbol(3, 'q', 0xF0, 1, 1);
  EXPECT_EQ(capture.take(), "\u00E4\nq");
}
