#include <gtest/gtest.h>

#include <tuple>

#include "graphic_window.h"

using namespace vx;
using vxtest::opengraphicwindow;
using vxtest::picture;

namespace {

t_RGBColor imagepixel(const HostImage& image, int64_t x, int64_t y) {
  const uint8_t* p = image.argb.data() + 4 * (y * image.width + x);
  return {p[0], p[1], p[2], p[3]};
}

t_RGBColor opaque(uint8_t r, uint8_t g, uint8_t b) { return {255, r, g, b}; }

}  // namespace

// A window of each depth with a few bytes set: the image has the window's
// size, every pixel opaque, and the set pixels in their colours.
TEST(WindowImage, ConvertsEveryDepthToOpaquePixels) {
  const t_RGBColor white = opaque(255, 255, 255), black = opaque(0, 0, 0);
  const struct {
    int64_t depth, width;
    size_t at;
    std::vector<uint8_t> bytes;
    std::vector<std::tuple<int64_t, int64_t, t_RGBColor>> pixels;
  } cases[] = {
      {1, 32, 4, {0xA5}, {{0, 0, black}, {0, 1, white}, {1, 1, black}, {2, 1, white}, {4, 1, black}, {7, 1, white}}},
      {4, 32, 32, {0x1F}, {{0, 2, t_PaletteColor(1)}, {1, 2, t_PaletteColor(15)}}},
      {8, 32, 33, {0x40}, {{1, 1, opaque(0x40, 0x40, 0x40)}}},
      {16, 32, 2, {0x00, 0x80}, {{1, 0, opaque(128, 128, 128)}}},  // the stored alpha 0 has no effect
      {24, 32, 3, {1, 2, 3}, {{1, 0, opaque(1, 2, 3)}}},
      {32, 48, 4 * 47, {0x00, 0x10, 0x20, 0x30}, {{47, 0, opaque(0x10, 0x20, 0x30)}}},
  };
  uint8_t slot = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.depth);
    opengraphicwindow(slot, c.depth, c.width, 32);
    std::copy(c.bytes.begin(), c.bytes.end(), picture(slot) + c.at);
    const auto image = t_WindowImage(slot);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(std::tuple(image->width, image->height, image->argb.size()),
              std::tuple(c.width, 32, size_t(c.width) * 32 * 4));
    for (const auto& [x, y, colour] : c.pixels) EXPECT_EQ(imagepixel(*image, x, y), colour) << x << "," << y;
    for (size_t a = 0; a < image->argb.size(); a += 4) ASSERT_EQ(image->argb[a], 255);
    EXPECT_EQ(t_WindowNSImage(slot), image);
    EXPECT_GT(WindowTable[slot].UpdateFinished, 0);
    EXPECT_GE(WindowTable[slot++].UpdateDuration, 0);
  }
}

// Hidden windows give no image quietly, uninitialised ones say so; a record
// that outgrew its block shows only what the block holds.
TEST(WindowImage, HiddenGivesNothingQuietlyUninitialisedSaysSoAndTheBlockBoundsIt) {
  opengraphicwindow(1, 8, 32, 32);
  opengraphicwindow(2, 8, 32, 32);
  WindowTable[2].Height = 5000;
  t_WindowVisible(1, false);
  vxtest::LogCapture capture;
  for (const uint8_t slot : {1, 3, 9}) EXPECT_FALSE(t_WindowImage(slot).has_value()) << int{slot};
  EXPECT_FALSE(t_WindowNSImage(9).has_value());
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "t_WindowImage: Graphic window #3 not initialized.\n"
            "t_WindowImage: Window is not a graphic window.\n");
  EXPECT_EQ(t_WindowImage(2).value_or(HostImage{}).height, 32);
}

TEST(WindowUpdate, DrawsTheViewNowOrMarksItForLater) {
  HeadlessHost& h = useHeadlessHost();
  opengraphicwindow(1, 24, 32, 32);
  picture(1)[0] = 200;
  const HostView view = *WindowTable[1].View;
  const int64_t drawn = h.viewstate(view).displayCount;
  t_WindowUpdate(1, false);
  EXPECT_EQ(h.viewstate(view).displayCount, drawn + 1);
  EXPECT_EQ(h.viewstate(view).image, t_WindowImage(1));
  t_WindowUpdate(1, true);
  EXPECT_TRUE(h.viewstate(view).needsDisplay);
  vxtest::LogCapture capture;
  t_WindowUpdate(8, false);
  appdelegate.setslotview(6, std::nullopt);
  t_WindowUpdate(6, false);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "t_WindowUpdate: Window is not a graphic window.\n"
            "t_WindowUpdate: Window #6 view is nil, resource undefined.\n");
}
