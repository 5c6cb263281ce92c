#include <gtest/gtest.h>

#include <atomic>
#include <thread>

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

TEST(WindowImage, ConvertsEveryDepthToOpaquePixels) {
  opengraphicwindow(0, 1, 32, 32);
  opengraphicwindow(1, 4, 32, 32);
  opengraphicwindow(2, 8, 32, 32);
  opengraphicwindow(3, 16, 32, 32);
  opengraphicwindow(4, 24, 32, 32);
  opengraphicwindow(5, 32, 48, 32);
  picture(0)[4] = 0xA5;  // row 1
  picture(1)[16 * 2] = 0x1F;
  picture(2)[33] = 0x40;
  picture(3)[2] = 0x00, picture(3)[3] = 0x80;  // the stored alpha 0 has no effect
  picture(4)[3] = 1, picture(4)[4] = 2, picture(4)[5] = 3;
  picture(5)[4 * 47] = 0x00, picture(5)[4 * 47 + 1] = 0x10, picture(5)[4 * 47 + 2] = 0x20, picture(5)[4 * 47 + 3] = 0x30;

  const auto i0 = t_WindowImage(0);
  ASSERT_TRUE(i0.has_value());
  EXPECT_EQ(i0->width, 32);
  EXPECT_EQ(i0->argb.size(), 32u * 32 * 4);
  const t_RGBColor white = opaque(255, 255, 255), black = opaque(0, 0, 0);
  const t_RGBColor pattern[] = {white, black, white, black, black, white, black, white};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(imagepixel(*i0, x, 1), pattern[x]) << x;
  EXPECT_EQ(imagepixel(*i0, 0, 0), black);

  const auto i1 = t_WindowImage(1);
  EXPECT_EQ(imagepixel(*i1, 0, 2), t_PaletteColor(1));
  EXPECT_EQ(imagepixel(*i1, 1, 2), t_PaletteColor(15));
  EXPECT_EQ(imagepixel(*t_WindowImage(2), 1, 1), opaque(0x40, 0x40, 0x40));
  EXPECT_EQ(imagepixel(*t_WindowImage(3), 1, 0), opaque(128, 128, 128));
  EXPECT_EQ(imagepixel(*t_WindowImage(4), 1, 0), opaque(1, 2, 3));
  const auto i5 = t_WindowImage(5);
  EXPECT_EQ(i5->width, 48);
  EXPECT_EQ(imagepixel(*i5, 47, 0), opaque(0x10, 0x20, 0x30));
  for (size_t a = 0; a < i5->argb.size(); a += 4) ASSERT_EQ(i5->argb[a], 255);
  EXPECT_EQ(t_WindowNSImage(5), i5);
  EXPECT_GT(WindowTable[5].UpdateFinished, 0);
  EXPECT_GE(WindowTable[5].UpdateDuration, 0);
}

TEST(WindowImage, HiddenGivesNothingQuietlyUninitialisedSaysSo) {
  opengraphicwindow(1, 8, 32, 32);
  t_WindowVisible(1, false);
  vxtest::LogCapture capture;
  EXPECT_FALSE(t_WindowImage(1).has_value());
  EXPECT_FALSE(t_WindowImage(3).has_value());
  EXPECT_FALSE(t_WindowImage(9).has_value());
  EXPECT_FALSE(t_WindowNSImage(9).has_value());
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()),
            "t_WindowImage: Graphic window #3 not initialized.\n"
            "t_WindowImage: Window is not a graphic window.\n");
}

TEST(WindowImage, ARecordThatOutgrewItsBlockShowsOnlyWhatTheBlockHolds) {
  opengraphicwindow(1, 8, 32, 32);
  WindowTable[1].Height = 5000;
  const auto image = t_WindowImage(1);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->height, 32);
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

TEST(WindowUpdate, ProgramThreadHandsTheDrawingToTheMainThread) {
  HeadlessHost& h = useHeadlessHost();
  opengraphicwindow(0, 8, 32, 32);
  const HostView view = *WindowTable[0].View;
  std::atomic<bool> done{false};
  std::thread program([&] {
    t_WindowUpdate(0, false);
    done = true;
  });
  EXPECT_TRUE(vxtest::pumpuntil([&] { return done.load(); }));
  program.join();
  EXPECT_TRUE(h.viewstate(view).image.has_value());
  EXPECT_TRUE(WindowTable[0].VerticalBlank);  // false only while the image is built
}
