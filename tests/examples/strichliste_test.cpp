// Strichliste, the tutorial's program: its own menu command keeps the tally;
// other menu choices do not count.
#include <gtest/gtest.h>

#include "example_session.h"
#include "strichliste/program.h"
#include "star_session.h"

using namespace vx;

TEST(ExampleStrichliste, EachChoiceOfItsMenuCommandAddsAStroke) {
  std::optional<MenuItemInfo> item;
  std::string title, screen;
  const int code = runHeadless(strichliste::program, [&](HeadlessSession& s) {
    ASSERT_TRUE(s.waituntil([&] { return (item = s.host().menuitem("Zählen", "Strich machen")).has_value(); }));
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(s.choose("Zählen", "Strich machen"));
    ASSERT_TRUE(s.choose("Fenster", "Fenster 0 zeigen"));
    ASSERT_TRUE(s.choose("Zählen", "Strich machen"));
    ASSERT_TRUE(s.waituntil([&] { return (title = t_WindowTitle(0)) == "Strichliste: 8"; })) << title;
    // The title is set after the strokes are printed: the screen is complete.
    screen = t_GetScreen(0, "\r");
  }, vxtest::sessionoptions());
  EXPECT_EQ(code, 1);  // the program keeps running until the user quits
  EXPECT_EQ(std::tuple(item->tag, item->keyEquivalent), std::tuple(int64_t{1001}, std::string("m")));
  EXPECT_TRUE(screen.ends_with("\r||||| |||")) << screen;
}
