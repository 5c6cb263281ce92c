#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "codecs/lzw.h"
#include "console_fixture.h"

using namespace vx;
namespace fs = std::filesystem;

namespace {

// A bundle of its own for each test, with an empty resource directory.
class FontFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    bundle_ = fs::temp_directory_path() /
              ("vxfonts-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".app");
    fs::create_directories(bundle_ / "Contents" / "Resources");
    useHeadlessHost().setbundlepath(bundle_.string());
  }
  void TearDown() override { fs::remove_all(bundle_); }

  void writefile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream file(bundle_ / "Contents" / "Resources" / name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  // A 16-byte header followed by `data`.
  static std::vector<uint8_t> fontfile(uint8_t format, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes{16, 'v', 'x', 'f', 'n', format, 0x01, 0x02, 0x03, 0x04,
                               32, 126, 2, 3, 0xAB, 0xCD};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
  }

  vxtest::LogCapture capture_;
  fs::path bundle_;
};

const std::vector<uint8_t> vxfn{'v', 'x', 'f', 'n'};

}  // namespace

TEST_F(FontFiles, AMissingFileGivesOneLineAndTheEmptyFont) {
  capture_.take();
  EXPECT_EQ(t_LoadFontResource("Nowhere 8x8.font"), t_Font{});
  EXPECT_EQ(capture_.take(),
            "t_LoadFontResource: Could not load file \u201ENowhere 8x8.font\u201C\n");
}

TEST_F(FontFiles, ReadsEveryHeaderFieldBigEndian) {
  writefile("a.font", fontfile(2, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(t_LoadFontResource("a.font"),
            (t_Font{.HeaderSize = 16, .Identifier = vxfn, .Format = 2, .Size = 0x01020304, .Start = 32,
                    .End = 126, .Width = 2, .Height = 3, .Reserved = 0xABCD, .Data = {1, 2, 3, 4, 5, 6}}));
}

TEST_F(FontFiles, RejectsBadHeadersKeepingWhatWasRead) {
  capture_.take();
  writefile("short.font", {40, 'v', 'x', 'f', 'n', 2});
  t_Font font = t_LoadFontResource("short.font");
  EXPECT_EQ(capture_.take(), "t_LoadFontResource: Invalid header size\n");
  EXPECT_EQ(font.HeaderSize, 40);
  EXPECT_EQ(font.Identifier, vxfn);
  EXPECT_TRUE(font.Data.empty());

  std::vector<uint8_t> wrongtype = fontfile(2, {9, 9});
  wrongtype[3] = 'X';
  writefile("type.font", wrongtype);
  font = t_LoadFontResource("type.font");
  EXPECT_EQ(capture_.take(), "t_LoadFontResource: Invalid file type\n");
  EXPECT_EQ(font.Identifier, (std::vector<uint8_t>{'v', 'x', 'X', 'n'}));
  EXPECT_EQ(font.Format, 0);
  EXPECT_TRUE(font.Data.empty());

  // Too short to hold the type code at all.
  writefile("tiny.font", {2, 'v', 'x'});
  font = t_LoadFontResource("tiny.font");
  EXPECT_EQ(capture_.take(), "t_LoadFontResource: Invalid file type\n");
  EXPECT_EQ(font.Identifier, (std::vector<uint8_t>{'v', 'x'}));
}

TEST_F(FontFiles, AShortHeaderReadsReservedAsZero) {
  std::vector<uint8_t> bytes = fontfile(2, {});
  bytes[0] = 14;
  bytes.resize(15);
  writefile("fifteen.font", bytes);
  const t_Font font = t_LoadFontResource("fifteen.font");
  EXPECT_EQ(font.Reserved, 0);
  EXPECT_EQ(font.Data, (std::vector<uint8_t>{0xAB}));
}

TEST_F(FontFiles, CompressedFontsAreExpandedWhenLoaded) {
  const std::vector<uint8_t> glyphs{0, 0, 0, 255, 255, 255, 0, 0, 0, 128, 128, 128};
  // Formats 102 and 100 are the LZW-coded forms of 2 and 0; others stay as stored.
  const struct { uint8_t stored; std::vector<uint8_t> data; int64_t format; std::vector<uint8_t> loaded; } cases[] = {
      {102, texttolzwstored(glyphs), 2, glyphs}, {100, texttolzwstored(glyphs), 0, glyphs},
      {7, glyphs, 7, glyphs}, {102, {}, 2, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    writefile("c.font", fontfile(c.stored, c.data));
    const t_Font font = t_LoadFontResource("c.font");
    EXPECT_EQ(font.Format, c.format);
    EXPECT_EQ(font.Data, c.loaded);
    EXPECT_EQ(font.Size, 0x01020304);  // the header stays as read
  }
}

TEST(WindowFont, ReplacesTheFontAndNothingElse) {
  vxtest::LogCapture capture;
  consoletest::opentextwindow(0, 8, 4, 2, consoletest::flatfont(2, 2, 255));
  capture.take();
  const t_Window before = WindowTable[0];
  const t_Font taller = consoletest::flatfont(3, 5, 9);
  t_WindowFont(0, taller);
  EXPECT_EQ(WindowTable[0].Font, taller);
  EXPECT_EQ(WindowTable[0].TextWidth, before.TextWidth);
  EXPECT_EQ(WindowTable[0].TextHeight, before.TextHeight);
  EXPECT_EQ(WindowTable[0].Width, before.Width);

  t_WindowFont(8, taller);
  t_WindowFont(5, taller);
  EXPECT_EQ(capture.take(),
            "t_WindowFont: Window is not a graphic window.\n"
            "t_WindowFont: Window #5 not initialized.\n");
  EXPECT_TRUE(WindowTable[5].Font.Data.empty());
}
