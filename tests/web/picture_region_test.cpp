// What the page's canvases show: the requested part of a slot's picture, at
// its own size or averaged down, clipped to the picture.
#include <gtest/gtest.h>

#include "graphic_window.h"
#include "graphics/pixel_surface.h"
#include "hosts/picture_region.h"

using namespace vx;

namespace {

// The red channel of each pixel, row after row.
std::vector<int> reds(const CanvasPixels& p) {
  std::vector<int> out;
  for (size_t at = 0; at < p.rgba.size(); at += 4) out.push_back(p.rgba[at]);
  return out;
}

// A 1-bit 32 x 32 picture: columns 0..23 white (bits set), 24..31 black;
// the last row has its last pixel white.
StoredPicture halves() {
  vxtest::opengraphicwindow(2, 1, 32, 32);
  const int64_t rowbytes = pixelsurface(2).stored().rowbytes;
  for (int row = 0; row < 32; ++row)
    for (int byte = 0; byte < 3; ++byte) vxtest::picture(2)[row * rowbytes + byte] = 0xFF;
  vxtest::picture(2)[31 * rowbytes + 3] = 0x01;
  return pixelsurface(2).stored();
}

}  // namespace

TEST(PictureRegion, AtItsOwnSizeTheRegionIsClippedToThePicture) {
  const StoredPicture picture = halves();
  const CanvasPixels p = renderpictureregion(picture, {32, 32}, {22, 30, 100, 100, 1});
  ASSERT_EQ(p.width, 10);
  ASSERT_EQ(p.height, 2);
  EXPECT_EQ(reds(p), (std::vector<int>{255, 255, 0, 0, 0, 0, 0, 0, 0, 0,  //
                                       255, 255, 0, 0, 0, 0, 0, 0, 0, 255}));
  for (size_t at = 3; at < p.rgba.size(); at += 4) EXPECT_EQ(p.rgba[at], 255);  // opaque
  EXPECT_TRUE(renderpictureregion(picture, {32, 32}, {32, 0, 4, 4, 1}).rgba.empty());
  EXPECT_TRUE(renderpictureregion(picture, {32, 32}, {-8, -8, 8, 8, 1}).rgba.empty());
  EXPECT_TRUE(renderpictureregion(StoredPicture{}, {32, 32}, {0, 0, 4, 4, 1}).rgba.empty());
}

// Zoomed out, each pixel is the average of the block it stands for; blocks
// cut by the region's edge average what they hold.
TEST(PictureRegion, ZoomedOutEachPixelAveragesItsBlock) {
  const StoredPicture picture = halves();
  const CanvasPixels p = renderpictureregion(picture, {32, 32}, {20, 28, 12, 4, 8});
  ASSERT_EQ(p.width, 2);
  ASSERT_EQ(p.height, 1);
  // Columns 20..27: half white; columns 28..31: black but one pixel of 16.
  EXPECT_EQ(reds(p), (std::vector<int>{128, 16}));
}

// A picture shown at another size than it is stored takes, for each shown
// pixel, the stored pixel it falls on.
TEST(PictureRegion, AStretchedPictureShowsTheStoredPixelUnderEachPoint) {
  const StoredPicture picture = halves();
  const CanvasPixels p = renderpictureregion(picture, {64, 64}, {46, 62, 4, 2, 1});
  ASSERT_EQ(p.width, 4);
  EXPECT_EQ(reds(p), (std::vector<int>{255, 255, 0, 0, 255, 255, 0, 0}));
}
