// Malbrett: drawing with clicks and keys, then saving, clearing and opening
// the picture again through the program's own menu and the file panels.
#include <gtest/gtest.h>

#include <filesystem>

#include "example_session.h"
#include "host/key_codes.h"
#include "malbrett/program.h"
#include "star_session.h"

using namespace vx;

namespace {
constexpr uint32_t White = 0xFFFFFF, Black = 0x000000, Red = 0xFF0000;
constexpr int Canvas = 1;

uint32_t pixelof(const t_Graphic& graphic, int64_t x, int64_t y) {
  const size_t at = static_cast<size_t>((y * graphic.Width + x) * 3);
  return static_cast<uint32_t>(graphic.Data[at]) << 16 | static_cast<uint32_t>(graphic.Data[at + 1]) << 8 |
         graphic.Data[at + 2];
}
}  // namespace

TEST(ExampleMalbrett, DrawsWithTheMouseSavesClearsAndOpensThePicture) {
  const vxtest::TempFolder folder("example-malbrett");
  const std::string saved = folder.file("Mein Bild.gr");
  const std::string broken = folder.write("kaputt.gr", {16, 'v', 'x', 'g', 'r', 3});
  std::vector<std::tuple<uint32_t, uint32_t, uint32_t, uint32_t>> shown;  // four probes per stage
  std::optional<SavePanelRequest> request;
  std::string screen;
  const int code = runHeadless(malbrett::program, [&](HeadlessSession& s) {
    auto probes = [&] {
      const auto image = vxtest::shownimage(s, Canvas);
      return image ? std::tuple(vxtest::rgb(*image, 50, 10), vxtest::rgb(*image, 200, 125),
                                vxtest::rgb(*image, 600, 300), vxtest::rgb(*image, 5, 300))
                   : std::tuple(0u, 0u, 0u, 0u);
    };
    auto showing = [&](std::tuple<uint32_t, uint32_t, uint32_t, uint32_t> expected) {
      return s.waituntil([&] { return probes() == expected; });
    };
    ASSERT_TRUE(s.waituntil([&] { return s.host().menuitem("Bild", "Bild öffnen …").has_value(); }));
    ASSERT_TRUE(showing({White, White, White, White}));
    // A stroke in black, then red from its last point, then a lone red dot.
    s.setkeyslot(Canvas);
    vxtest::click(Canvas, 10, 10);
    vxtest::click(Canvas, 100, 10);
    vxtest::click(Canvas, 100, 50);
    ASSERT_TRUE(showing({Black, White, White, White}));
    s.type("1");  // taken before the click that follows it
    vxtest::click(Canvas, 300, 200);
    vxtest::click(Canvas, 0, 0, true);  // a right click lifts the pen
    vxtest::click(Canvas, 600, 300);
    ASSERT_TRUE(showing({Black, Red, Red, White}));
    shown.push_back(probes());

    s.host().scriptsavepanel("file://" + saved);
    ASSERT_TRUE(s.choose("Bild", "Bild sichern …"));
    ASSERT_TRUE(s.waituntil([&] { return std::filesystem::exists(saved); }));
    request = s.host().lastsaverequest();
    ASSERT_TRUE(s.choose("Bild", "Neues Bild"));
    ASSERT_TRUE(showing({White, White, White, White}));
    s.host().scriptopenpanel({"file://" + saved});
    ASSERT_TRUE(s.choose("Bild", "Bild öffnen …"));
    ASSERT_TRUE(showing({Black, Red, Red, White}));
    // A file that is no whole graphic changes nothing and is named.
    s.host().scriptopenpanel({"file://" + broken});
    ASSERT_TRUE(s.choose("Bild", "Bild öffnen …"));
    ASSERT_TRUE(s.waitforlog("graphicfromfilebytes:"));
    s.press(keycode::Escape, "\x1B");
    ASSERT_TRUE(s.waitforend());
    shown.push_back(probes());
    screen = vxtest::textscreenafterend();
  }, vxtest::sessionoptions());
  EXPECT_EQ(code, 0);
  ASSERT_TRUE(request.has_value());
  EXPECT_EQ(request->proposedName, "Bild.gr");
  EXPECT_EQ(request->fileTypes, std::vector<std::string>{"gr"});
  EXPECT_EQ(shown.size(), 2u);
  if (shown.size() == 2) {
    EXPECT_EQ(shown[1], shown[0]);
  }
  EXPECT_NE(screen.find("Nicht lesbar: kaputt.gr"), std::string::npos) << screen;

  // The file holds the 24-bit picture as drawn.
  const GraphicReading file = readgraphicfile(folder.read("Mein Bild.gr"));
  ASSERT_TRUE(file.ok()) << file.Message;
  EXPECT_EQ(std::tuple(file.Graphic.Format, file.Graphic.Width, file.Graphic.Height),
            std::tuple(g_FormatRGBColor, int64_t{640}, int64_t{400}));
  EXPECT_EQ(std::tuple(pixelof(file.Graphic, 10, 10), pixelof(file.Graphic, 100, 30),
                       pixelof(file.Graphic, 300, 200), pixelof(file.Graphic, 600, 300),
                       pixelof(file.Graphic, 450, 250)),
            std::tuple(Black, Black, Red, Red, White));
}
