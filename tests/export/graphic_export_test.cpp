#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

using namespace vx;

namespace {

class GraphicExport : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = &useHeadlessHost();
    host_->setbundlepath("/Programme/Velmorandine.app");
    t_InitMemory();
    directory_ = std::filesystem::temp_directory_path() /
                 ("vx-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  // A graphic window of the given depth, brought to the front. (The font is
  // made once: GCC 12 at -O3 took the font's type code, copied in place into
  // a temporary, for uninitialised.)
  void openwindow(int64_t depth, int64_t width, int64_t height) {
    static const t_Font nofont;
    t_InitWindow(1, depth, false, width, height, 5, 5, nofont, true);
    t_WindowFront(1);
    log_.take();
  }

  // Saves through the menu's procedure with a scripted panel answer and
  // answers the file's bytes.
  std::vector<uint8_t> save(const std::string& name) {
    const std::filesystem::path path = directory_ / name;
    host_->scriptsavepanel("file://" + path.string());
    g_SaveGraphic();
    return getbinaryfromfile(path);
  }

  HeadlessHost* host_ = nullptr;
  std::filesystem::path directory_;
  vxtest::LogCapture log_;
};

}  // namespace

TEST_F(GraphicExport, AOneBitStarSavesPackedRunLengthAndLzwCodedWithItsHeader) {
  openwindow(1, 512, 512);
  g_ClearScreen(1, 15, -1);
  t_Color(1, 0, 15);
  g_DrawVelmorandine(1, 0, 0, 511, 511, 36);
  log_.take();
  const std::vector<uint8_t> file = save("stern.gr");
  ASSERT_GE(file.size(), 17u);
  // Header size, type, format 130, size 0x40000, 512 x 512, then 0x11 and 0.
  EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 16),
            (std::vector<uint8_t>{16, 'v', 'x', 'g', 'r', 130, 0, 4, 0, 0, 2, 0, 2, 0, 0x11, 0}));
  // The panel proposed the window's title with the graphic extension.
  ASSERT_TRUE(host_->lastsaverequest().has_value());
  EXPECT_EQ(host_->lastsaverequest()->proposedName, "Velmorandine-Grafik.gr");
  EXPECT_EQ(host_->lastsaverequest()->title, "Grafik sichern unter");
  // Reading the file back gives the window's pixels.
  const GraphicReading read = readgraphicfile(file);
  ASSERT_TRUE(read.ok()) << read.Message;
  EXPECT_EQ(read.Graphic, g_GetScreen(1));
  EXPECT_LT(file.size(), 512u * 512 / 8 / 2);  // the star compresses well
}

TEST_F(GraphicExport, FormatsFollowTheWindowsDepthAndItsAlphas) {
  const struct {
    int64_t depth;
    int64_t format;
  } cases[] = {{1, 130}, {4, 131}, {8, 122}, {16, 134}, {24, 123}, {32, 135}};
  for (const auto& c : cases) {
    openwindow(c.depth, 64, 32);
    const t_Graphic saved = g_CompressLZW(g_CompressRLE(g_Pack(g_GetScreen(1))));
    EXPECT_EQ(saved.Format, c.format) << "depth " << c.depth;
  }
  log_.take();
  openwindow(32, 64, 32);
  g_ClearScreen(1, 15, -1);  // every pixel opaque
  t_Graphic argb = g_GetScreen(1);
  log_.take();
  g_CompressRLE(g_Pack(argb));
  const std::string log = log_.take();
  const size_t pack = log.find("g_Pack: Transparency = FF\n");
  const size_t rle = log.find("g_CompressRLE: Transparency = FF\n");
  const size_t done =
      log.find("g_CompressRLE: g_FormatPackedARGBColor --> g_FormatRLEPackedARGBColor\n");
  EXPECT_EQ(pack, 0u) << log;
  EXPECT_LT(pack, rle);
  EXPECT_LT(rle, done);
  EXPECT_NE(done, std::string::npos);
  argb.Data[4] = 0x80;  // a second alpha: nothing to pack
  EXPECT_EQ(g_CompressLZW(g_CompressRLE(g_Pack(argb))).Format, 125);
  t_Graphic agrey = argb;
  agrey.Format = g_FormatAGrey;
  agrey.Data = {255, 10, 255, 20, 254, 30};
  agrey.Size = 3;
  EXPECT_EQ(g_CompressLZW(g_CompressRLE(g_Pack(agrey))).Format, 124);
}

TEST_F(GraphicExport, PackedAlphaKeepsTheCommonByteInFront) {
  t_Graphic g;
  g.Format = g_FormatARGBColor;
  g.Width = 2;
  g.Height = 1;
  g.Size = 2;
  g.Data = {7, 1, 2, 3, 7, 4, 5, 6};
  const t_Graphic packed = g_Pack(g);
  EXPECT_EQ(packed.Format, 15);
  EXPECT_EQ(packed.Data, (std::vector<uint8_t>{7, 1, 2, 3, 4, 5, 6}));
  // Too short to encode: the first byte stays, the rest comes back as it was.
  const t_Graphic rle = g_CompressRLE(packed);
  EXPECT_EQ(rle.Format, 35);
  EXPECT_EQ(rle.Data, packed.Data);
  t_Graphic empty = g;
  empty.Format = g_FormatAGrey;
  empty.Size = 0;
  empty.Data.clear();
  EXPECT_EQ(g_Pack(empty).Format, 0);
  EXPECT_EQ(g_CompressLZW(g_CompressRLE(g_Pack(empty))).Format, 120);
  EXPECT_TRUE(g_CompressLZW(g_CompressRLE(g_Pack(empty))).Data.empty());
}

// The busy sign shows while the picture is encoded and written, never over
// the panel; a cancelled panel writes nothing.
TEST_F(GraphicExport, ProposedNamesDropTheTitlesExtensionAndTheBusySignSkipsThePanel) {
  openwindow(8, 32, 32);
  t_WindowTitle(1, "Bild.alt");
  host_->scriptsavepanel(std::nullopt);
  g_SaveGraphic();
  EXPECT_EQ(host_->lastsaverequest()->proposedName, "Bild.gr");
  EXPECT_TRUE(std::filesystem::is_empty(directory_));
  EXPECT_EQ(std::tuple(host_->busyshown(), host_->busyatlastpanel(), host_->busy()), std::tuple(1, false, false));
  EXPECT_FALSE(save("stern.gr").empty());
  EXPECT_EQ(std::tuple(host_->busyshown(), host_->busyatlastpanel(), host_->busy()), std::tuple(3, false, false));
}

TEST_F(GraphicExport, AFrontWindowThatIsNoGraphicSavesAnEmptyGraphic) {
  t_WindowFront(SystemConsoleWindowNumber);
  log_.take();
  const std::vector<uint8_t> file = save("leer.gr");
  ASSERT_EQ(file.size(), 16u);
  EXPECT_EQ(file[5], 130);
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 6, file.begin() + 10), std::vector<uint8_t>(4, 0));
}
