#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "codecs/lzw.h"
#include "console_fixture.h"

using namespace vx;
namespace fs = std::filesystem;

// Each file loads as the whole font its header and data give, or is refused
// with its line keeping what was read; compressed fonts are expanded. The
// files lie in a bundle of the test's own.
TEST(FontFiles, LoadsTheWholeFontOrRefusesItWithItsLine) {
  vxtest::LogCapture capture;
  const vxtest::TempFolder bundle("fonts");
  const std::string file = "Velmorandine.app/Contents/Resources/c.font";
  fs::create_directories(fs::path(bundle.file(file)).parent_path());
  useHeadlessHost().setbundlepath(bundle.file("Velmorandine.app"));
  // A 16-byte header followed by `data`.
  const auto fontfile = [](uint8_t format, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes{16, 'v', 'x', 'f', 'n', format, 0x01, 0x02, 0x03, 0x04, 32, 126, 2, 3, 0xAB, 0xCD};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
  };
  const std::vector<uint8_t> vxfn{'v', 'x', 'f', 'n'}, glyphs{0, 0, 0, 255, 255, 255, 0, 0, 0, 128, 128, 128};
  // The font fontfile() describes, with `format` and `data` as loaded.
  const auto font = [&](int64_t format, std::vector<uint8_t> data) {
    return t_Font{.HeaderSize = 16, .Identifier = vxfn, .Format = format, .Size = 0x01020304, .Start = 32,
                  .End = 126, .Width = 2, .Height = 3, .Reserved = 0xABCD, .Data = std::move(data)};
  };
  std::vector<uint8_t> longdata(1000);
  for (size_t i = 0; i < longdata.size(); ++i) longdata[i] = static_cast<uint8_t>(i * 7 % 251);
  std::vector<uint8_t> wrongtype = fontfile(2, {9, 9}), fifteen = fontfile(2, {});
  wrongtype[3] = 'X';
  fifteen[0] = 14;  // a header of 14 bytes: Reserved reads as zero, byte 15 is data
  fifteen.resize(15);
  t_Font shortheader = font(2, {0xAB});
  shortheader.HeaderSize = 14;
  shortheader.Reserved = 0;
  const std::string refused = "t_LoadFontResource: ";
  const struct {
    std::optional<std::vector<uint8_t>> file;  // none: no such file
    std::string log;
    t_Font loaded;
  } cases[] = {
      {std::nullopt, refused + "Could not load file \u201Ec.font\u201C\n", t_Font{}},
      {fontfile(2, {1, 2, 3, 4, 5, 6}), "", font(2, {1, 2, 3, 4, 5, 6})},
      // Formats 102 and 100 are the LZW-coded forms of 2 and 0; others stay as stored.
      {fontfile(102, texttolzwstored(glyphs)), "", font(2, glyphs)},
      {fontfile(100, texttolzwstored(glyphs)), "", font(0, glyphs)},
      {fontfile(7, glyphs), "", font(7, glyphs)},
      // Glyph data may go on past the glyphs of codes up to End (762 bytes here).
      {fontfile(102, texttolzwstored(longdata)), "", font(2, longdata)},
      {fontfile(102, {}), "", font(2, {})},
      {fifteen, "", shortheader},
      {std::vector<uint8_t>{40, 'v', 'x', 'f', 'n', 2}, refused + "Invalid header size\n",
       t_Font{.HeaderSize = 40, .Identifier = vxfn, .Data = {}}},
      {wrongtype, refused + "Invalid file type\n",
       t_Font{.HeaderSize = 16, .Identifier = {'v', 'x', 'X', 'n'}, .Data = {}}},
      // Too short to hold the type code at all.
      {std::vector<uint8_t>{2, 'v', 'x'}, refused + "Invalid file type\n",
       t_Font{.HeaderSize = 2, .Identifier = {'v', 'x'}, .Data = {}}},
  };
  capture.take();
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    fs::remove(bundle.file(file));
    if (cases[i].file) bundle.write(file, *cases[i].file);
    EXPECT_EQ(t_LoadFontResource("c.font"), cases[i].loaded);
    EXPECT_EQ(capture.take(), cases[i].log);
  }
}

// Names that leave the resource folder, and files that are no regular files,
// are not read: each gives the empty font and the one line of a font that
// cannot be loaded, and nothing is thrown.
TEST(FontFiles, NamesStayInsideTheResourceFolderAndOnlyFilesAreRead) {
  const vxtest::TempFolder bundle("fontnames");
  const fs::path resources = bundle.path() / "Velmorandine.app/Contents/Resources";
  fs::create_directories(resources / "folder.font");
  useHeadlessHost().setbundlepath(bundle.file("Velmorandine.app"));
  const std::vector<uint8_t> font{16, 'v', 'x', 'f', 'n', 2, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 200};
  const std::string outside = bundle.write("outside.font", font);
  bundle.write("Velmorandine.app/Contents/Resources/inside.font", font);
  ASSERT_EQ(::mkfifo((resources / "pipe.font").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", resources / "zero.font");
  vxtest::LogCapture capture;
  ASSERT_EQ(t_LoadFontResource("inside.font").Data, std::vector<uint8_t>{200});
  EXPECT_EQ(t_LoadFontResource("./inside.font").Data, std::vector<uint8_t>{200});
  for (const std::string& name : {std::string(), std::string("folder.font"), std::string("../../../outside.font"),
                                 outside, std::string("pipe.font"), std::string("zero.font"), std::string("..")}) {
    SCOPED_TRACE(name);
    t_Font loaded;
    EXPECT_NO_THROW(loaded = t_LoadFontResource(name));
    EXPECT_EQ(loaded, t_Font{});
    EXPECT_EQ(capture.take(), "t_LoadFontResource: Could not load file \u201E" + name + "\u201C\n");
  }
}

TEST(WindowFont, ReplacesTheFontAndNothingElse) {
  vxtest::LogCapture capture;
  consoletest::opentextwindow(0, 8, 4, 2, consoletest::flatfont(2, 2, 255));
  capture.take();
  const t_Window before = WindowTable[0];
  const t_Font taller = consoletest::flatfont(3, 5, 9);
  t_WindowFont(0, taller);
  const t_Window& w = WindowTable[0];
  EXPECT_EQ(std::tie(w.Font, w.TextWidth, w.TextHeight, w.Width, w.Height),
            std::tie(taller, before.TextWidth, before.TextHeight, before.Width, before.Height));

  t_WindowFont(8, taller);
  t_WindowFont(5, taller);
  EXPECT_EQ(capture.take(),
            "t_WindowFont: Window is not a graphic window.\n"
            "t_WindowFont: Window #5 not initialized.\n");
  EXPECT_TRUE(WindowTable[5].Font.Data.empty());
}
