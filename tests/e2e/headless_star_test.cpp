// The star program from its first prompt to its end, on the headless host,
// with the answers a user types.
#include <gtest/gtest.h>

#include <regex>
#include <tuple>

#include "program/velmorandine.h"
#include "star_session.h"
#include "support/test_support.h"
#include "windows/window_geometry.h"

using namespace vx;

namespace {
constexpr int64_t Diameter = 1024;
constexpr int64_t Segments = 36;
}  // namespace

TEST(HeadlessStar, ASessionDrawsTheStarShowsItsTimeAndEnds) {
  std::string firstscreen, screen, log, copiedtext;
  std::tuple<int64_t, int64_t, int64_t> placed[2];
  std::vector<uint8_t> drawn, reference;
  std::optional<HostImage> shown, copied;
  std::optional<SavePanelRequest> saverequest;
  const vxtest::TempFolder folder("headless-star");
  const std::string savepath = folder.file("Stern mit 36 Segmenten.gr");
  const int code = runHeadless(velmorandine, [&](HeadlessSession& s) {
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreencount("(32-8192) ein:") > 0; }));
    firstscreen = vxtest::textscreen();
    EXPECT_EQ(t_FrontWindow(), 0);
    s.type("1024\n");
    ASSERT_TRUE(s.waituntil([] { return vxtest::textscreencount("(1-360) ein:") > 0; }));
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
    for (uint8_t w : {0, 1})
      placed[w] = {t_WindowPos(w, PosFrameX), t_WindowPos(w, PosTopDistance),
                   t_WindowPos(w, PosFrameX) + t_WindowPos(w, PosOuterWidth)};
    reference = vxtest::referencestar(2, Diameter, Segments);
  }, vxtest::sessionoptions());
  EXPECT_EQ(code, 0);

  // The first screen: the header, the help text and the size prompt.
  EXPECT_EQ(firstscreen.find("Velmorandine"), 0u) << firstscreen;
  EXPECT_NE(firstscreen.find("wird trotzdem in der gew"), std::string::npos);
  EXPECT_NE(firstscreen.find("Programm Pictavor."), std::string::npos);
  // The text window at the top left, the graphic window at the top right: a
  // graphic up to 1024 pixels leaves the prompt beside it readable.
  EXPECT_EQ(placed[0], std::tuple(0, 0, 1312));
  EXPECT_EQ(placed[1], std::tuple(1920 - 1034, 0, 1920));

  // The text window: the answers, the time with its unit and the closing message.
  EXPECT_NE(screen.find("(1-360) ein: 36"), std::string::npos) << screen;
  EXPECT_TRUE(std::regex_search(screen, std::regex("Zeit = [0-9.]+ ms\\.")));
  EXPECT_NE(screen.find("(Programm Ende)"), std::string::npos);
  EXPECT_NE(log.find("t_QuitProgram: Quitting current thread with message in window #0.\n"),
            std::string::npos);

  // Window 1 holds exactly the reference star; its view showed it and the
  // copy command put exactly that on the pasteboard.
  EXPECT_TRUE(drawn == reference);
  ASSERT_TRUE(shown.has_value() && copied.has_value());
  EXPECT_TRUE(vxtest::imageindices(*shown) == reference && *copied == *shown);
  EXPECT_NE(copiedtext.find("(1-360) ein: 36\r"), std::string::npos) << copiedtext;
  EXPECT_NE(copiedtext.find("Zeit = "), std::string::npos);

  // The saved file: its whole header, and data that decode to the window's pixels.
  ASSERT_TRUE(saverequest.has_value());
  EXPECT_EQ(std::tuple(saverequest->title, saverequest->proposedName.ends_with(".gr")),
            std::tuple("Grafik sichern unter", true)) << saverequest->proposedName;
  const std::vector<uint8_t> file = folder.read("Stern mit 36 Segmenten.gr");
  ASSERT_GE(file.size(), 16u);
  EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 16),
            (std::vector<uint8_t>{16, 'v', 'x', 'g', 'r', 130, 0, 0x10, 0, 0, 4, 0, 4, 0, 0x11, 0}));
  const GraphicReading saved = readgraphicfile(file);
  EXPECT_TRUE(saved.ok()) << saved.Message;
  EXPECT_TRUE(saved.Graphic.Data == reference);
}
