// Converting part of a stored row: the views convert only what they show, so
// runs start anywhere and may reach past either edge of the picture.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "graphic_window.h"
#include "graphics/pixel_surface.h"
#include "windows/pixel_conversion.h"

using namespace vx;

namespace {

// Converts a run of `count` pixels from column x of row 0 into words,
// pre-filled with a marker that shows which pixels were left alone.
constexpr uint32_t Untouched = 0x12345678;

std::vector<uint32_t> run(uint8_t slot, int64_t x, int64_t count, PixelOrder order, int64_t* written) {
  std::vector<uint32_t> words(static_cast<size_t>(count), Untouched);
  std::vector<uint8_t> bytes(words.size() * 4);
  std::memcpy(bytes.data(), words.data(), bytes.size());
  *written = convertpixelrow(pixelsurface(slot).stored(), 0, x, count, bytes.data(), order);
  std::memcpy(words.data(), bytes.data(), bytes.size());
  return words;
}

uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return 0xFF000000u | r << 16 | g << 8 | b; }

}  // namespace

TEST(PixelConversion, RunsStartAnywhereAndStopAtThePicturesEdges) {
  vxtest::opengraphicwindow(0, 1, 32, 32);
  vxtest::opengraphicwindow(1, 4, 32, 32);
  vxtest::opengraphicwindow(2, 24, 32, 32);
  vxtest::opengraphicwindow(3, 32, 32, 32);
  vxtest::picture(0)[1] = 0x40;                           // pixel 9 set
  vxtest::picture(1)[4] = 0x1F;                           // pixels 8, 9: colours 1, 15
  for (int i = 0; i < 32 * 3; ++i) vxtest::picture(2)[i] = static_cast<uint8_t>(i);
  for (int i = 0; i < 32 * 4; ++i) vxtest::picture(3)[i] = static_cast<uint8_t>(i);
  const t_RGBColor c1 = t_PaletteColor(1);
  const uint32_t white = rgb(255, 255, 255), black = rgb(0, 0, 0), colour1 = rgb(c1.Red, c1.Green, c1.Blue);
  const uint32_t U = Untouched;
  const struct {
    uint8_t slot;
    int64_t x, count, written;
    std::vector<uint32_t> expected;
  } cases[] = {
      {0, 8, 3, 3, {black, white, black}},
      {1, 7, 3, 3, {black, colour1, white}},
      // Six pixels from column 5: the four-pixel step and the single pixels after it.
      {2, 5, 6, 6, {rgb(15, 16, 17), rgb(18, 19, 20), rgb(21, 22, 23), rgb(24, 25, 26), rgb(27, 28, 29),
                    rgb(30, 31, 32)}},
      {2, -2, 3, 1, {U, U, rgb(0, 1, 2)}},   // before the left edge
      {2, 31, 3, 1, {rgb(93, 94, 95), U, U}},  // past the right edge
      {3, 1, 1, 1, {rgb(5, 6, 7)}},            // the stored alpha byte is ignored
      {2, 40, 2, 0, {U, U}},
  };
  for (const auto& c : cases) {
    int64_t written = -1;
    EXPECT_EQ(run(c.slot, c.x, c.count, PixelOrder::NativeArgb32, &written), c.expected)
        << "slot " << int{c.slot} << " from " << c.x;
    EXPECT_EQ(written, c.written) << "slot " << int{c.slot} << " from " << c.x;
  }
}

// The image order holds the bytes alpha, red, green, blue, the canvas order
// red, green, blue, alpha; rows outside the picture, and pictures without
// data, write nothing.
TEST(PixelConversion, TheByteOrdersHoldAlphaFirstOrLast) {
  vxtest::opengraphicwindow(2, 24, 32, 32);
  vxtest::opengraphicwindow(0, 1, 32, 32);
  vxtest::picture(0)[0] = 0x40;  // pixel 1 set (white), pixel 0 clear (black)
  for (int i = 0; i < 32 * 3; ++i) vxtest::picture(2)[i] = static_cast<uint8_t>(i + 1);
  std::vector<uint8_t> bytes(4 * 5);  // the four-pixel step and one more
  ASSERT_EQ(convertpixelrow(pixelsurface(2).stored(), 0, 1, 5, bytes.data(), PixelOrder::ArgbBytes), 5);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255, 13, 14, 15, 255, 16, 17, 18}));
  ASSERT_EQ(convertpixelrow(pixelsurface(2).stored(), 0, 1, 5, bytes.data(), PixelOrder::RgbaBytes), 5);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255, 13, 14, 15, 255, 16, 17, 18, 255}));
  std::vector<uint8_t> twobits(8);
  ASSERT_EQ(convertpixelrow(pixelsurface(0).stored(), 0, 0, 2, twobits.data(), PixelOrder::RgbaBytes), 2);
  EXPECT_EQ(twobits, (std::vector<uint8_t>{0, 0, 0, 255, 255, 255, 255, 255}));
  EXPECT_EQ(convertpixelrow(pixelsurface(2).stored(), 32, 0, 5, bytes.data(), PixelOrder::ArgbBytes), 0);
  EXPECT_EQ(convertpixelrow(StoredPicture{}, 0, 0, 5, bytes.data(), PixelOrder::ArgbBytes), 0);
}
