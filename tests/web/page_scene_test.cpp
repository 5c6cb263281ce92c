// The scene the web host describes to its page: windows front to back with
// their frames from the top left, the menus with what can be chosen now.
#include <gtest/gtest.h>

#include "host/menu_actions.h"
#include "hosts/web/page_scene.h"
#include "support/test_support.h"

using namespace vx;
using namespace vx::web;

TEST(PageScene, WindowsComeFrontToBackWithTheirFramesFromTheTopLeft) {
  HeadlessHost& host = useHeadlessHost();
  const HostWindow text = *host.viewWindow(*appdelegate.slotview(0));
  const HostWindow graphic = *host.viewWindow(*appdelegate.slotview(1));
  host.setWindowFrame(text, {100, 200, 300, 150}, false);
  host.setViewFrame(*appdelegate.slotview(0), {0, 0, 300, 122});
  host.setWindowTitle(text, "Ein \"Fenster\"\n");
  host.makeKeyAndOrderFront(graphic);
  host.makeKeyAndOrderFront(text);
  const std::string scene = pagescene(host, [](int64_t) { return true; }, "");
  const size_t first = scene.find("\"id\":" + std::to_string(static_cast<int>(text)));
  const size_t second = scene.find("\"id\":" + std::to_string(static_cast<int>(graphic)));
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second) << "the window made key last comes first";
  // 1200 - 200 - 150 from the top; the view fills the content below the title bar.
  EXPECT_NE(scene.find("\"frame\":[100,850,300,150]"), std::string::npos) << scene;
  EXPECT_NE(scene.find("\"slot\":0,\"view\":[0,0,300,122],\"viewBottom\":0"), std::string::npos) << scene;
  EXPECT_NE(scene.find("\"title\":\"Ein \\\"Fenster\\\"\\u000a\""), std::string::npos) << scene;
  host.orderOut(graphic);
  EXPECT_EQ(pagescene(host, [](int64_t) { return true; }, "").find("\"id\":" + std::to_string(static_cast<int>(graphic))),
            std::string::npos)
      << "a hidden window is not in the scene";
}

TEST(PageScene, MenusSayWhatCanBeChosenAndItemsAreFoundByPosition) {
  HeadlessHost& host = useHeadlessHost();
  const std::string scene =
      pagescene(host, [](int64_t tag) { return tag != MenuActionCopyText; }, "Eingabe:\n");
  EXPECT_NE(scene.find("{\"title\":\"Text kopieren\",\"key\":\"t\",\"mods\":1048576,\"sep\":false,"
                       "\"enabled\":false,\"role\":\"\"}"),
            std::string::npos)
      << scene;
  EXPECT_NE(scene.find("\"title\":\"Grafik einpassen\",\"key\":\"e\""), std::string::npos);
  EXPECT_NE(scene.find("\"role\":\"fit\""), std::string::npos);
  EXPECT_NE(scene.find("\"screenText\":\"Eingabe:\\u000a\""), std::string::npos);

  const std::vector<PageMenu> menus = pagemenus(host);
  for (size_t m = 0; m < menus.size(); ++m) {
    for (size_t i = 0; i < menus[m].items.size(); ++i) {
      const auto chosen = pagemenuitem(host, static_cast<int>(m), static_cast<int>(i));
      EXPECT_EQ(chosen.has_value(), !menus[m].items[i].separator);
      if (chosen) {
        EXPECT_EQ(chosen->item.title, menus[m].items[i].title);
      }
    }
  }
  // Positions the page may still hold from an older menu bar find nothing.
  EXPECT_FALSE(pagemenuitem(host, -1, 0).has_value());
  EXPECT_FALSE(pagemenuitem(host, static_cast<int>(menus.size()), 0).has_value());
  EXPECT_FALSE(pagemenuitem(host, 0, 1000).has_value());
}
