// The star program from its first prompt to its end, on the headless host,
// with the answers a user types.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

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

}  // namespace

TEST(HeadlessStar, ASessionDrawsTheStarShowsItsTimeAndEnds) {
  std::string screen;
  std::vector<uint8_t> drawn, reference;
  std::optional<HostImage> shown;
  std::string log;
  const int code = runHeadless(velmorandine, [&](HeadlessSession& s) {
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreenshows("(32-8192) ein:"); }));
    s.type("1024\n");
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreenshows("(1-360) ein:"); }));
    s.type("36\n");
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreenshows(" ms."); }));
    // The picture the graphic window's view shows after the explicit update.
    ASSERT_TRUE(s.waituntil([&] {
      shown = s.host().viewstate(*appdelegate.slotview(1)).image;
      return shown.has_value();
    }));
    drawn = vxtest::windowpixels(1, Diameter);
    s.type("0\n");
    ASSERT_TRUE(s.waitforend());
    screen = vxtest::textscreen();
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
}
