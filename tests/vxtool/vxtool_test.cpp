#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <png.h>
#include <sys/stat.h>

#include <filesystem>

#include "command.h"
#include "font_lookup.h"
#include "support/allocation_meter.h"
#include "support/test_support.h"
#include "vxtools.h"

namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result runtool(std::vector<std::string> arguments) {
  std::ostringstream out, err;
  const int status = vxtool::runvxtool(arguments, out, err);
  return {status, out.str(), err.str()};
}

// A 2 x 2 capture of `format` saved through the pipeline.
Bytes savedgraphic(int64_t format, const Bytes& data) {
  return vx::graphicfilebytes(vx::g_EncodeGraphic(
      {.Format = format, .Size = 4, .Width = 2, .Height = 2, .ParamHigh = 1, .ParamLow = 1, .Reserved = 0, .Data = data}));
}

// A PNG as its bit depth and colour type, then its pixels as R, G, B, A.
Bytes pngrecord(const Bytes& file) {
  if (file.size() < 33) return {};
  Bytes record{file[24], file[25]};
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return record;
  image.format = PNG_FORMAT_RGBA;
  record.resize(2 + PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, record.data() + 2, 0, nullptr)) record.resize(2);
  return record;
}

// A Netpbm file: its header, then its body.
Bytes netpbm(const std::string& header, const Bytes& body) {
  Bytes out(header.begin(), header.end());
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace

TEST(Vxtool, HelpDescribesTheCommandsAndTheirOptions) {
  const Result general = runtool({"--help"}), star = runtool({"star", "--help"}), version = runtool({"--version"});
  EXPECT_EQ(std::tuple(general.status, star.status, version.status), std::tuple(0, 0, 0));
  EXPECT_NE(general.out.find("star"), std::string::npos);
  EXPECT_NE(star.out.find("usage: vxtool star --size D --segments N [--impl IMPL] [--repeat K] [--out FILE]"), std::string::npos);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("vxtool [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
}

// Each of these arguments is refused with status 2, a message and no output.
TEST(Vxtool, RefusesArgumentsThatDoNotFit) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "usage: vxtool COMMAND"},
      {{"draw"}, "unknown command 'draw'"},
      {{"star", "--segments", "3"}, "option '--size' is required"},
      {{"star", "--size", "31", "--segments", "3"}, "--size must be from 32 to 8192, not 31"},
      {{"star", "--size", "8193", "--segments", "3"}, "--size must be from 32 to 8192, not 8193"},
      {{"star", "--size", "64", "--segments", "0"}, "--segments must be from 1 to 360, not 0"},
      {{"star", "--size", "64", "--segments", "361"}, "--segments must be from 1 to 360, not 361"},
      {{"star", "--size", "64x", "--segments", "3"}, "--size must be a whole number, not '64x'"},
      {{"star", "--size", "64", "--segments"}, "option '--segments' needs a value (N)"},
      {{"star", "--size", "64", "--size", "65", "--segments", "3"}, "option '--size' given twice"},
      {{"star", "--size", "64", "--segments", "3", "--colour", "red"}, "unknown option '--colour'"},
      {{"star", "--size", "64", "--segments", "3", "extra"}, "unexpected argument 'extra'"},
      {{"star", "--size", "64", "--segments", "3", "--impl", "quick"}, "--impl must be fast, runs, lines or reference"},
      {{"star", "--size", "64", "--segments", "3", "--repeat", "0"}, "--repeat must be from 1 to 1000, not 0"},
      {{"star", "--size", "64", "--segments", "3", "--out", "star.jpg"}, "--out must name a .gr, .png, .pbm, .pgm or .ppm file"},
  };
  for (const auto& [arguments, message] : cases) {
    const Result run = runtool(arguments);
    EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << testing::PrintToString(arguments);
  }
}

// A 64-pixel star with one segment fills the lower half of the disc: in the
// PBM (1 = black) the row below the centre is black from the centre to the
// rim, and the top row is white.
TEST(Vxtool, StarWritesTheTimeAndThePicture) {
  const vxtest::TempFolder dir("star");
  const Result run = runtool({"star", "--size=64", "--segments=1", "--impl=reference", "--out", dir.file("s.pbm")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(" ms"), std::string::npos);
  const Bytes pbm = dir.read("s.pbm");
  const std::string header = "P4\n64 64\n";
  ASSERT_EQ(pbm.size(), header.size() + 64 / 8 * 64);
  EXPECT_EQ(std::string(pbm.begin(), pbm.begin() + static_cast<long>(header.size())), header);
  const auto byte = [&](int x, int y) { return static_cast<uint8_t>(pbm[header.size() + static_cast<size_t>(y * 8 + x / 8)]); };
  EXPECT_EQ(byte(0, 0), 0x00);
  EXPECT_EQ(byte(40, 33), 0xFF);
  EXPECT_EQ(byte(8, 20), 0x00);  // above the centre, left: an empty half

  // The graphic file of the fast star, and of the line drawing after three
  // drawings, hold the same pixels (format 0: 0 black, 15 white).
  ASSERT_EQ(runtool({"star", "--size", "64", "--segments", "1", "--out", dir.file("s.gr")}).status, 0);
  const Result lines = runtool({"star", "--size", "64", "--segments", "1", "--impl", "lines", "--repeat", "3", "--out", dir.file("l.gr")});
  ASSERT_EQ(lines.status, 0) << lines.err;
  EXPECT_NE(lines.out.find("\nbest of 3: "), std::string::npos) << lines.out;
  EXPECT_EQ(dir.read("l.gr"), dir.read("s.gr"));
  const vx::GraphicReading gr = vx::readgraphicfile(dir.read("s.gr"));
  ASSERT_TRUE(gr.ok()) << gr.Message;
  ASSERT_EQ(gr.Graphic.Data.size(), 64u * 64);
  for (int i = 0; i < 64 * 64; ++i) ASSERT_EQ(gr.Graphic.Data[i] == 0, bool(byte(i % 64, i / 64) & 0x80 >> i % 8)) << i;
}

// The output's form follows the extension. As PNG (compared by its bit depth,
// colour type and pixels): one-bit stays one-bit, nibbles keep the palette,
// alpha is kept, and every pixel has its colour. As Netpbm: PBM's 1 is black.
TEST(VxtoolGr, ConvertsEveryCaptureFormatByTheExtension) {
  const vxtest::TempFolder dir("convert");
  const struct { int64_t format; Bytes data; std::string extension; Bytes expected; } cases[] = {
      {0, {15, 0, 0, 15}, "png", {1, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 255}},
      {1, {0, 1, 9, 15}, "png", {4, 3, 0, 0, 0, 255, 255, 0, 0, 255, 255, 128, 0, 255, 255, 255, 255, 255}},
      {2, {0, 85, 170, 255}, "png", {8, 0, 0, 0, 0, 255, 85, 85, 85, 255, 170, 170, 170, 255, 255, 255, 255, 255}},
      {3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, "png", {8, 2, 1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}},
      {4, {255, 10, 128, 20, 0, 30, 255, 40}, "png", {8, 4, 10, 10, 10, 255, 20, 20, 20, 128, 30, 30, 30, 0, 40, 40, 40, 255}},
      {5, {9, 1, 2, 3, 9, 4, 5, 6, 9, 7, 8, 9, 9, 10, 11, 12}, "png", {8, 6, 1, 2, 3, 9, 4, 5, 6, 9, 7, 8, 9, 9, 10, 11, 12, 9}},
      {3, {255, 255, 255, 0, 0, 0, 30, 60, 90, 0, 0, 3}, "ppm", netpbm("P6\n2 2\n255\n", {255, 255, 255, 0, 0, 0, 30, 60, 90, 0, 0, 3})},
      {3, {255, 255, 255, 0, 0, 0, 30, 60, 90, 0, 0, 3}, "pgm", netpbm("P5\n2 2\n255\n", {255, 0, 60, 1})},
      {0, {15, 0, 0, 15}, "pbm", netpbm("P4\n2 2\n", {0x40, 0x80})},
  };
  for (const auto& c : cases) {
    const std::string name = "f" + std::to_string(c.format) + "." + c.extension;
    const Result run = runtool({"gr", "convert", dir.write(name + ".gr", savedgraphic(c.format, c.data)), "--out",
                                dir.file(name)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(c.extension == "png" ? pngrecord(dir.read(name)) : dir.read(name), c.expected) << name;
  }
}

// Failures go to standard error with status 1 and leave OUT as it was.
TEST(VxtoolGr, RefusesWhatItCannotConvertAndWritesNothing) {
  const vxtest::TempFolder dir("refusals");
  Bytes cut = savedgraphic(3, Bytes(12, 7));
  cut.resize(cut.size() - 1);
  dir.write("cut.gr", cut);
  dir.write("rgb.gr", savedgraphic(3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  dir.write("old.png", {'o', 'l', 'd'});
  const struct { std::vector<std::string> arguments; int status; std::string message; } cases[] = {
      {{"gr", "convert", dir.file("none.gr"), "--out", dir.file("old.png")}, 1, "No such file or directory"},
      {{"gr", "convert", dir.file("cut.gr"), "--out", dir.file("old.png")}, 1, "Run-length data of format 23 (g_FormatRLERGBColor) ends early"},
      {{"gr", "convert", dir.file("rgb.gr"), "--out", dir.file("new.pbm")}, 1, "black and white only"},
      {{"gr", "convert", dir.file("rgb.gr"), "--out", dir.file("new.jpg")}, 2, "--out must name a .png"},
      {{"gr", "info", dir.file("cut.gr")}, 1, "cut.gr: Run-length data of format 23"},
  };
  for (const auto& c : cases) {
    const Result run = runtool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(dir.read("old.png"), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(dir.entries(), 3u);  // no new.pbm, no temporary file left
}

TEST(VxtoolGr, InfoDescribesTheHeaderAndTheCompression) {
  const vxtest::TempFolder dir("info");
  ASSERT_EQ(runtool({"star", "--size", "64", "--segments", "4", "--out", dir.file("s.gr")}).status, 0);
  const Result run = runtool({"gr", "info", dir.file("s.gr")});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* line : {"identifier:   vxgr\n", "format:       130 g_FormatLZWRLEPackedBit\n", "width:        64\n",
                           "pixel count:  4096\n", "parameters:   1 1\n", "against 512 bytes at 1 bit per pixel\n"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
}

TEST(VxtoolFont, DescribesAndDrawsTheShippedFonts) {
  const vxtest::TempFolder dir("font");
  const std::string font = std::string(VX_TEST_RESOURCES) + "/MenloRegular 16x32.font";
  const Result info = runtool({"font", "info", font});
  ASSERT_EQ(info.status, 0) << info.err;
  for (const char* line : {"format:        102 LZW-compressed grey\n", "characters:    0 to 255\n",
                           "glyph size:    16 x 32 pixels\n", "glyph data:    131072 bytes, 256 glyphs\n",
                           "printable:     yes\n"})
    EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;

  ASSERT_EQ(runtool({"font", "sheet", font, "--out", dir.file("sheet.png"), "--scale", "1"}).status, 0);
  const Bytes sheet = pngrecord(dir.read("sheet.png"));
  ASSERT_EQ(sheet.size(), 2 + size_t{(16 * 17 + 1) * (16 * 33 + 1) * 4});
  // The cell of "I" (code 73): white around the ink, black down its stem.
  const auto grey = [&](size_t x, size_t y) { return sheet[2 + (y * (16 * 17 + 1) + x) * 4]; };
  const size_t left = 1 + 9 * 17, top = 1 + 4 * 33;
  EXPECT_EQ(grey(left, top + 16), 255);
  EXPECT_EQ(grey(left + 8, top + 16), 0);

  // A font whose data expands to fewer bytes than its glyphs take is cut
  // short: described, then refused; longer data than they take is kept.
  const auto compressed = [](uint8_t side) {
    Bytes font{16, 'v', 'x', 'f', 'n', 102, 0, 0, 0, 0, 0, 0, side, side, 0, 0, 9};
    const Bytes codes = vx::lzwunpackedtopacked({97, 256, 257, 258}, 9);  // ten bytes "a"
    font.insert(font.end(), codes.begin(), codes.end());
    return font;
  };
  const Result cutshort = runtool({"font", "info", dir.write("short.font", compressed(4))});
  EXPECT_EQ(cutshort.status, 1);
  EXPECT_NE(cutshort.out.find("glyph data:    10 bytes"), std::string::npos) << cutshort.out;
  EXPECT_NE(cutshort.err.find("the font is cut short: its glyphs for codes up to 0 need 16 bytes of glyph data, "
                              "the file gives 10"), std::string::npos) << cutshort.err;
  const Result longer = runtool({"font", "info", dir.write("long.font", compressed(1))});
  EXPECT_EQ(longer.status, 0) << longer.err;
  EXPECT_NE(longer.out.find("glyph data:    10 bytes, 10 glyphs\nprintable:     yes\n"), std::string::npos)
      << longer.out;
}

// What a user may hand the tool by mistake is refused promptly with status 1
// and a reason in words: no device, pipe or folder is read, a file is read no
// further than its header allows, and a header is not believed beyond what
// the toolkit can hold.
TEST(VxtoolFiles, RefusesWhatIsNoWholeFileWithItsReason) {
  const vxtest::TempFolder dir("hostile");
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  fs::create_directory(dir.file("folder"));
  const auto header = [](uint8_t format, uint16_t side) {
    const uint32_t size = uint32_t{side} * side;
    const auto b = [](uint32_t v, int shift) { return static_cast<uint8_t>(v >> shift); };
    return Bytes{16, 'v', 'x', 'g', 'r', format, b(size, 24), b(size, 16), b(size, 8), b(size, 0),
                 b(side, 8), b(side, 0), b(side, 8), b(side, 0), 0x11, 0};
  };
  // A sparse file of 3 GB behind the header of a 512 x 512 star.
  dir.write("sparse.gr", header(130, 512));
  fs::resize_file(dir.file("sparse.gr"), uint64_t{3} << 30);
  // One sound run of 65535 x 65535 pixels at 32 bits: 29 bytes for 16 GiB.
  Bytes huge = header(25, 0xFFFF);
  huge.insert(huge.end(), {0, 0, 0, 0, 241, 0xFF, 0xFE, 0x00, 0x01, 1, 2, 3, 4});
  dir.write("huge.gr", huge);
  dir.write("empty.font", {});
  dir.write("picture.font", savedgraphic(2, {1, 2, 3, 4}));
  dir.write("header.font", {16, 'v', 'x', 'f', 'n', 2, 0, 0});
  const std::string notregular = "it is not a regular file (a device or a pipe has no size to read up to)";
  const struct { std::vector<std::string> arguments; std::string message; } cases[] = {
      {{"gr", "info", "/dev/zero"}, "cannot read '/dev/zero': " + notregular},
      {{"gr", "convert", "/dev/urandom", "--out", dir.file("x.pgm")}, "cannot read '/dev/urandom': " + notregular},
      {{"gr", "info", dir.file("fifo")}, notregular},
      {{"font", "info", dir.file("fifo")}, notregular},
      {{"font", "sheet", "/dev/zero", "--out", dir.file("x.png")}, notregular},
      {{"gr", "convert", dir.file("folder"), "--out", dir.file("x.png")}, "folder': it is a folder"},
      {{"gr", "info", dir.file("sparse.gr")}, "sparse.gr: the file holds 3221225472 bytes, more than a graphic of "
                                              "512 x 512 pixels in format 130 can (524321 bytes)"},
      {{"gr", "convert", dir.file("huge.gr"), "--out", dir.file("x.pgm")},
       "huge.gr: Picture of 65535 x 65535 pixels in format 25 takes 17179344900 bytes, more than the 16777216 "
       "bytes (16 MiB) the toolkit holds."},
      {{"font", "info", dir.file("empty.font")}, "empty.font: the file is empty"},
      {{"font", "info", dir.file("picture.font")},
       "picture.font: this is not a font file (it does not begin with a font header, \"vxfn\")"},
      {{"font", "sheet", dir.file("header.font"), "--out", dir.file("x.png")},
       "header.font: the font file is cut short: its header takes 16 bytes, the file holds 8"},
  };
  for (const auto& c : cases) {
    const Result run = runtool(c.arguments);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.message;
  }
  EXPECT_EQ(dir.entries(), 7u);  // no picture written
}

// Converting holds the picture's rows and the file it writes, not copies of
// the picture a byte or four a pixel: a 24-byte file of 4096 x 2048 one-bit
// pixels (1 MiB of rows) becomes an 8 MiB PGM.
TEST(VxtoolGr, ConvertingHoldsTheRowsAndTheFileOnly) {
  const vxtest::TempFolder dir("convertmemory");
  constexpr uint32_t width = 4096, height = 2048, rows = width / 8 * height, pixels = width * height;
  const auto b = [](uint32_t v, int shift) { return static_cast<uint8_t>(v >> shift); };
  const std::string file = dir.write("wide.gr", {16, 'v', 'x', 'g', 'r', 30, b(pixels, 24), b(pixels, 16),
                                                 b(pixels, 8), b(pixels, 0), b(width, 8), b(width, 0), b(height, 8),
                                                 b(height, 0), 0x11, 0, 0, 0, 241, b(rows, 24), b(rows, 16),
                                                 b(rows, 8), b(rows, 0), 0xF0});
  vxtest::resetallocations();
  const Result run = runtool({"gr", "convert", file, "--out", dir.file("wide.pgm")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_LT(vxtest::peakallocation(), rows + pixels + (size_t{1} << 20));
  const Bytes pgm = dir.read("wide.pgm");
  ASSERT_EQ(pgm.size(), std::string("P5\n4096 2048\n255\n").size() + pixels);
  EXPECT_EQ(pgm.back(), 0);                        // 0xF0: four white pixels, then four black
  EXPECT_EQ(pgm[pgm.size() - 5], 255);
}

// The messages of the remaining mistakes: a word that is no command, and a
// picture that cannot be written for want of room says why.
TEST(Vxtool, NamesTheUnknownWordAndTheReasonAWriteFailed) {
  const Result bogus = runtool({"gr", "bogus", "x"});
  EXPECT_EQ(bogus.status, 2);
  EXPECT_EQ(bogus.err.rfind("vxtool gr: unknown command 'bogus'\n", 0), 0u) << bogus.err;

  // /dev/full refuses every write as a full disk does; the link gives it a picture's name.
  const vxtest::TempFolder dir("full");
  fs::create_symlink("/dev/full", dir.file("star.png"));
  const Result full = runtool({"star", "--size", "64", "--segments", "3", "--out", dir.file("star.png")});
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("vxtool star: cannot write '" + dir.file("star.png") + "': No space left on device"),
            std::string::npos) << full.err;
}

// A bare font name that is no file here is the installed font of that name; a
// file here, a path or an unknown name is read as given.
TEST(VxtoolFont, FindsTheToolkitsFontsByName) {
  const vxtest::TempFolder here("here"), fonts("fonts");
  fonts.write("Shipped 16x32.font", {16});
  fonts.write("Local.font", {16});
  here.write("Local.font", {16});
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(here.path());
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Shipped 16x32.font", fonts.file("Shipped 16x32.font")},
      {"Local.font", "Local.font"},
      {"./Shipped 16x32.font", "./Shipped 16x32.font"},
      {"Missing.font", "Missing.font"},
  };
  for (const auto& [operand, path] : cases) EXPECT_EQ(vxtool::fontpath(operand, {fonts.path()}), path) << operand;
  std::filesystem::current_path(before);
}
