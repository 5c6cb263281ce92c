#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "graphic_window.h"

using namespace vx;
using vxtest::testfont;
using vxtest::withoutrefreshlines;

namespace {

bool allbytes(int64_t from, int64_t count, uint8_t value) {
  return std::all_of(ToolkitMemory.begin() + from, ToolkitMemory.begin() + from + count,
                     [&](uint8_t b) { return b == value; });
}

}  // namespace

// The star program's text window: 80 x 25 cells of 16 x 32 at depth 24.
TEST(WindowInit, TextWindowOnFreshMemoryTakesTheTopBlocks) {
  HeadlessHost& h = useHeadlessHost();
  h.setbundlepath("/x/Velmorandine.app");
  t_InitMemory();
  vxtest::LogCapture capture;
  t_InitWindow(0, 24, true, 1280, 800, 16, 16, testfont(16, 32), true);
  EXPECT_EQ(withoutrefreshlines(capture.take()),
            "t_InitWindow: GraphicWindow #0 Start.\n"
            "t_InitWindow: GraphicWindow #0 = 1280 x 800 pixel x 24 bit = 3.000,00K video-memory = $00D12000.\n"
            "t_InitWindow: GraphicWindow #0 End.\n");
  const t_Window& w = WindowTable[0];
  EXPECT_EQ(std::tie(w.MemoryStart, w.MemoryEnd, w.TextMemoryStart, w.TextMemoryEnd, HighMemory),
            std::make_tuple(0xD12000, 0xFFFFFF, 0xD11000, 0xD11FFF, 0xD10FFF));
  EXPECT_EQ(std::tie(w.TextWidth, w.TextHeight, w.TextLastColumn, w.TextColor, w.TitleHeight, firstwindow),
            std::make_tuple(80, 25, 80, 0xC0, titlebarheight, 0));
  EXPECT_TRUE(w.Initialized && w.QuickUpdate && w.AutoUpdate);
  // Cleared: picture 0, 2000 cells of spaces and attributes; the attribute
  // plane starts at the middle of the 4 KiB block, the bytes between stay.
  EXPECT_TRUE(allbytes(0xD12000, 1280 * 800 * 3, 0));
  EXPECT_TRUE(allbytes(0xD11000, 2000, 0x20));
  EXPECT_TRUE(allbytes(0xD11000 + 2000, 48, 0xFF));
  EXPECT_TRUE(allbytes(0xD11000 + 2048, 2000, 0xC0));
  // The host window: titled after the bundle, sized to picture and borders.
  ASSERT_TRUE(w.Window.has_value());
  const auto state = h.windowstate(*w.Window);
  EXPECT_EQ(std::tuple(state.title, state.frame.width, state.frame.height, state.background),
            std::tuple("Velmorandine", 1280 + 32, 800 + 32 + titlebarheight, t_PaletteColor(5)));
  EXPECT_EQ(h.viewstate(*w.View).frame, (Rect{16, 16, 1280, 800}));
}

TEST(WindowInit, GraphicWindowHasNoTextMemoryAndAGraphicTitle) {
  HeadlessHost& h = useHeadlessHost();
  h.setbundlepath("/Applications/Velmorandine.app");
  t_InitWindow(1, 1, false, 64, 64, 5, 5, t_Font{}, true);
  const t_Window& w = WindowTable[1];
  EXPECT_EQ(std::tie(w.TextWidth, w.TextHeight, w.TextMemoryStart, w.TextMemoryEnd), std::make_tuple(-1, -1, -1, -1));
  EXPECT_EQ(std::tuple(w.MemoryStart, HighMemory), std::tuple(0xFFFC00, 0xFFFBFF));  // 512 bytes, a whole KiB
  EXPECT_EQ(h.windowstate(*w.Window).title, "Velmorandine-Grafik");
}

TEST(WindowInit, TitleRuleDropsOnlyAnAppSuffix) {
  EXPECT_EQ(windowtitlefor("/a/b/Star.APP", true), "Star");
  EXPECT_EQ(windowtitlefor("/a/b/Star.app", false), "Star-Grafik");
  EXPECT_EQ(windowtitlefor("/a/b/build", false), "build");
  EXPECT_EQ(windowtitlefor("/a/.app", false), ".app");  // not more than four characters
  EXPECT_EQ(windowtitlefor("Größe.app", true), "Größe");
}

TEST(WindowInit, CorrectsSizesAndWidthsWithALine) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitWindow(2, 8, false, 20, 9000, 0, 0, t_Font{}, true);
  t_InitWindow(3, 1, false, 33, 32, 0, 0, t_Font{}, true);
  t_InitWindow(4, 4, false, 34, 32, 0, 0, t_Font{}, true);
  t_InitWindow(5, 4, false, 35, 32, 0, 0, t_Font{}, false);
  EXPECT_EQ(std::tuple(WindowTable[2].Width, WindowTable[2].Height, WindowTable[3].Width, WindowTable[4].Width,
                       WindowTable[5].Width, WindowTable[5].TitleHeight),
            std::tuple(1280, 800, 40, 32, 36, 0));
  const std::string log = withoutrefreshlines(capture.take());
  for (const char* line : {"t_InitWindow: GraphicWindow #2 cannot display 20 horizontal pixel.\n",
                           "t_InitWindow: GraphicWindow #2 cannot display 9000 vertical pixel.\n",
                           "t_InitWindow: GraphicWindow #3 width with 1 bit depth must be a multiple of 8.\n",
                           "t_InitWindow: GraphicWindow #4 width with 4 bit depth must be a multiple of 4.\n",
                           "t_InitWindow: GraphicWindow #5 width with 4 bit depth must be a multiple of 4.\n",
                           "t_InitWindow: GraphicWindow #5 title will be invisible.\n",
                           "t_InitWindow: GraphicWindow #5 = 36 x 32 pixel x 4 bit = 0,56K video-memory = $"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST(WindowInit, RefusesWhatItCannotMakeWithItsLines) {
  useHeadlessHost();
  t_InitMemory();
  vxtest::LogCapture capture;
  t_InitWindow(8, 1, false, 64, 64, 0, 0, t_Font{}, true);
  EXPECT_EQ(capture.take(), "t_InitWindow: Window is not a graphic window.\n");
  t_InitWindow(6, 2, false, 64, 64, 0, 0, t_Font{}, true);
  t_InitWindow(0, 32, false, 8192, 8192, 0, 0, t_Font{}, true);
  // 8 MiB of picture plus 8 MiB of text would reach down into the lowest 64 KiB.
  t_InitWindow(1, 1, false, 8192, 8192, 0, 0, testfont(4, 4), true);
  EXPECT_EQ(withoutrefreshlines(capture.take()),
            "t_InitWindow: GraphicWindow #6 Start.\n"
            "t_InitWindow: GraphicWindow #6 unsupported 2 bit depth.\n"
            "t_InitWindow: GraphicWindow #0 Start.\n"
            "t_InitWindow: GraphicWindow #0 has not enough graphic-video-memory (16.319K available).\n"
            "t_InitWindow: Displaying 8192 x 8192 pixel x 32 bit needs 262.144,00K video-memory.\n"
            "t_InitWindow: GraphicWindow #1 Start.\n"
            "t_InitWindow: GraphicWindow #1 has not enough text-video-memory (16.319K available).\n"
            "t_InitWindow: Displaying 2048 x 2048 characters needs 8.192,00K text-video-memory.\n");
  EXPECT_EQ(HighMemory, 0xFFFFFF);
  for (uint8_t n : {0, 1, 6}) EXPECT_FALSE(WindowTable[n].Initialized);
  // The first window ever asked for is remembered even though it failed.
  EXPECT_EQ(firstwindow, 6);
}

TEST(WindowInit, SlotWithoutAViewKeepsItsBlocksButStaysUninitialised) {
  useHeadlessHost();
  appdelegate.setslotview(2, std::nullopt);
  vxtest::LogCapture capture;
  t_InitWindow(2, 8, false, 32, 32, 0, 0, testfont(8, 8), true);
  EXPECT_NE(capture.take().find("t_InitWindow: GraphicWindow #2 could not be initialized, resource undefined.\n"
                                "t_InitWindow: GraphicWindow #2 End.\n"),
            std::string::npos);
  // Graphic and text block stay taken.
  EXPECT_EQ(std::tuple(WindowTable[2].Initialized, WindowTable[2].Font.Data.empty(), HighMemory),
            std::tuple(false, true, 0xFFF7FF));
}

TEST(WindowInit, TextFormLoadsItsFontFromTheResources) {
  HeadlessHost& h = useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitWindow(0, 24, 80, 25, 16, "Missing 16x32.font");
  EXPECT_NE(capture.take().find("t_InitWindow: Font 'Missing 16x32.font' not found.\n"), std::string::npos);
  EXPECT_FALSE(WindowTable[0].Initialized);

  // A font file of 8 x 16 glyphs in a bundle made for the test.
  const std::string bundle = testing::TempDir() + "/fonttest/Velmorandine.app";
  h.setbundlepath(bundle);
  std::filesystem::create_directories(h.resourceDirectory());
  std::vector<uint8_t> file = {16, 'v', 'x', 'f', 'n', 2, 0, 0, 0, 0, 32, 127, 8, 16, 0, 0};
  file.resize(16 + 8 * 16 * 96, 0x80);
  ASSERT_EQ(setbinarytofile(h.resourceDirectory() + "/Test 8x16.font", file), 0);
  t_InitWindow(0, 24, 10, 4, 3, "Test 8x16.font");
  const t_Window& w = WindowTable[0];
  ASSERT_TRUE(w.Initialized && w.AutoUpdate);
  EXPECT_EQ(std::tie(w.Width, w.Height, w.TextWidth, w.TextHeight, w.BorderWidth), std::make_tuple(80, 64, 10, 4, 3));
  EXPECT_EQ(h.windowstate(*w.Window).title, "Velmorandine");
}
