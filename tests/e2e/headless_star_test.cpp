// The star program from its first prompt to its end, on the headless host,
// with the answers a user types.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "codecs/lzw.h"
#include "codecs/packing.h"
#include "codecs/run_length.h"
#include "program/velmorandine.h"
#include "star_session.h"
#include "support/test_support.h"

using namespace vx;

namespace {

constexpr int64_t Diameter = 1024;
constexpr int64_t Segments = 36;

HeadlessRunOptions options() {
  HeadlessRunOptions o;
  o.resourceDirectory = vxtest::bundleresources();
  o.echoLog = false;
  return o;
}

// The palette index of the picture a host view last showed, at (x, y).
int shownindex(const HostImage& image, int64_t x, int64_t y) {
  const size_t at = static_cast<size_t>((y * image.width + x) * 4);
  return image.argb.at(at + 1) == 255 ? 15 : 0;
}

std::vector<uint8_t> readfile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint64_t bigendian(const std::vector<uint8_t>& bytes, size_t at, size_t count) {
  uint64_t value = 0;
  for (size_t i = 0; i < count; ++i) value = value << 8 | bytes.at(at + i);
  return value;
}

// The pixels (0 or 1) of a saved one-bit graphic file, read back through the
// three stages in reverse; empty when the file does not follow its format.
std::vector<uint8_t> savedpixels(const std::vector<uint8_t>& file) {
  if (file.size() < 16) return {};
  const auto format = file[5];
  const auto width = static_cast<int64_t>(bigendian(file, 10, 2));
  const auto height = static_cast<int64_t>(bigendian(file, 12, 2));
  const std::vector<uint8_t> stored(file.begin() + 16, file.end());
  std::vector<uint8_t> packed = lzwstoredtotext(stored);
  const int64_t packedlength = height * ((width + 7) / 8);
  if (format == 130) packed = rle8tobinary(packed, packedlength);
  else if (format != 110) return {};
  return packedbooltobinarybool(packed, width, width * height);
}

}  // namespace

TEST(HeadlessStar, ASessionDrawsTheStarShowsItsTimeAndEnds) {
  std::string screen;
  std::vector<uint8_t> drawn, reference;
  std::optional<HostImage> shown;
  std::string log;
  std::optional<HostImage> copied;
  std::string copiedtext;
  std::optional<SavePanelRequest> saverequest;
  const std::string savepath = testing::TempDir() + "Stern mit 36 Segmenten.gr";
  std::filesystem::remove(savepath);
  const int code = runHeadless(velmorandine, [&](HeadlessSession& s) {
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreenshows("(32-8192) ein:"); }));
    s.type("1024\n");
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreenshows("(1-360) ein:"); }));
    s.type("36\n");
    // The next prompt comes once the picture is in front and shown.
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreencount("(1-360) ein:") == 2; }));
    // The picture the graphic window's view shows after the explicit update.
    ASSERT_TRUE(s.waituntil([&] {
      shown = s.host().viewstate(*appdelegate.slotview(1)).image;
      return shown.has_value();
    }));
    drawn = vxtest::windowpixels(1, Diameter);

    // While the program waits: copy the picture, then the text window's text.
    ASSERT_TRUE(s.choose("Bearbeiten", "Grafik kopieren"));
    copied = s.host().pasteboardimage();
    ASSERT_TRUE(s.choose("Fenster", "Fenster 0 zeigen"));
    ASSERT_TRUE(s.choose("Bearbeiten", "Text kopieren"));
    copiedtext = s.host().pasteboardString().value_or("");
    // Save the graphic window through the save panel.
    ASSERT_TRUE(s.choose("Fenster", "Fenster 1 zeigen"));
    s.host().scriptsavepanel("file://" + savepath);
    ASSERT_TRUE(s.choose("Ablage", "Grafik sichern …"));
    saverequest = s.host().lastsaverequest();
    s.type("0\n");
    ASSERT_TRUE(s.waitforend());
    screen = vxtest::textscreenafterend();
    log = s.log();
    reference = vxtest::referencestar(2, Diameter, Segments);
  }, options());
  EXPECT_EQ(code, 0);

  // The text window: the answers, the time with its unit and the closing message.
  EXPECT_NE(screen.find("(1-360) ein: 36"), std::string::npos) << screen;
  EXPECT_TRUE(std::regex_search(screen, std::regex("Zeit = [0-9.]+ ms\\.")));
  EXPECT_NE(screen.find("(Programm Ende)"), std::string::npos);
  EXPECT_NE(log.find("t_QuitProgram: Quitting current thread with message in window #0.\n"),
            std::string::npos);

  // Window 1 holds exactly the reference star, and its view showed it.
  ASSERT_EQ(drawn.size(), reference.size());
  EXPECT_TRUE(drawn == reference);
  ASSERT_TRUE(shown.has_value());
  ASSERT_EQ(shown->width, Diameter);
  int64_t mismatches = 0;
  for (int64_t y = 0; y < Diameter; y += 7)
    for (int64_t x = 0; x < Diameter; x += 7)
      if (shownindex(*shown, x, y) != reference[size_t(y * Diameter + x)]) ++mismatches;
  EXPECT_EQ(mismatches, 0);
  // And it is a star: black in the middle of the first wedge, white between wedges.
  const auto at = [&](double degrees, double radius) {
    const double a = degrees * M_PI / 180.0;
    const auto x = static_cast<int64_t>(512 + radius * std::cos(a));
    const auto y = static_cast<int64_t>(512 + radius * std::sin(a));
    return reference[size_t(y * Diameter + x)];
  };
  EXPECT_EQ(at(2.5, 300), 0);
  EXPECT_EQ(at(7.5, 300), 15);
  EXPECT_EQ(at(182.5, 450), 0);
  EXPECT_EQ(at(45, 600), 15);  // outside the circle

  // The copy commands: the picture exactly as the view shows it, and the text.
  ASSERT_TRUE(copied.has_value());
  EXPECT_TRUE(*copied == *shown);
  EXPECT_NE(copiedtext.find("(1-360) ein: 36\r"), std::string::npos) << copiedtext;
  EXPECT_NE(copiedtext.find("Zeit = "), std::string::npos);

  // The saved file: its header, and data that decode to the window's pixels.
  ASSERT_TRUE(saverequest.has_value());
  EXPECT_EQ(saverequest->title, "Grafik sichern unter");
  EXPECT_TRUE(saverequest->proposedName.ends_with(".gr")) << saverequest->proposedName;
  const std::vector<uint8_t> file = readfile(savepath);
  ASSERT_GE(file.size(), 16u);
  EXPECT_EQ(file[0], 16);
  EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 5), "vxgr");
  EXPECT_GE(file[5], 100);  // all three stages ran
  EXPECT_EQ(bigendian(file, 6, 4), uint64_t(Diameter * Diameter));
  EXPECT_EQ(bigendian(file, 10, 2), uint64_t(Diameter));
  EXPECT_EQ(bigendian(file, 12, 2), uint64_t(Diameter));
  const std::vector<uint8_t> saved = savedpixels(file);
  ASSERT_EQ(saved.size(), reference.size());
  int64_t differing = 0;
  for (size_t i = 0; i < saved.size(); ++i)
    if ((saved[i] != 0) != (reference[i] != 0)) ++differing;
  EXPECT_EQ(differing, 0);
}
