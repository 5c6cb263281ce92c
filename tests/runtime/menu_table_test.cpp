#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "support/test_support.h"

using namespace vx;

// The menu bar is German: every English-titled look-up reports its missing menu.
TEST(MenuSetup, RegistersTheBuiltInActionsInOrderAndPrunesOnlyTheMenusThatExist) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitMemory();
  const std::string log = capture.take();
  EXPECT_EQ(vxtest::occurrences(log, "t_MenuItemIndex: Menu not found.\n"), 8u) << log;  // five edit titles, three window titles
  EXPECT_NE(log.find("t_MenuItemTitle: Menu not found.\nt_MenuItemDelete: Menu not found.\n"),
            std::string::npos);
  EXPECT_EQ(log.find("*** Found"), std::string::npos);
  EXPECT_EQ(t_MenuItemTitle("Bearbeiten", 0), "Grafik kopieren");
  // 200..231, then 110..114, each tagged with its action and nothing chosen.
  std::vector<int64_t> expected(32), actions;
  std::iota(expected.begin(), expected.end(), 200);
  for (int64_t action = 110; action <= 114; ++action) expected.push_back(action);
  for (const t_MenuAction& a : MenuActionTable.snapshot()) {
    EXPECT_TRUE(a.Tag == a.Action && a.Title.empty() && a.FilePath.empty()) << a.Action;
    actions.push_back(a.Action);
  }
  EXPECT_EQ(actions, expected);
  EXPECT_EQ(std::tuple(t_MenuActionIndex(110), t_MenuActionIndex(200), t_MenuActionIndex(0), t_MenuActionIndex(999)),
            std::tuple(32, 0, -1, -1));
  t_AddMenuAction(999);
  EXPECT_EQ(t_MenuActionIndex(999), 37);
}

TEST(MenuEditing, FindsReadsAndDeletesItemsByPosition) {
  // The application menu carries the program's own name.
  setapplicationname("Malprogramm");
  HeadlessHost& h = useHeadlessHost();
  vxtest::LogCapture capture;
  // Separators share the empty title; the first one is found.
  EXPECT_EQ(std::tuple(t_MenuItemIndex("Bearbeiten", "Grafik kopieren"), h.menuitem("Bearbeiten", "Grafik kopieren")->tag,
                       t_MenuItemIndex("Bearbeiten", "Nichts"), t_MenuItemIndex("Malprogramm", ""),
                       t_MenuItemIndex("Nirgends", "x"), t_MenuItemTitle("Malprogramm", 0),
                       t_MenuItemTitle("Malprogramm", 65535)),
            std::tuple(0, 110, -1, 1, -2, "Über Malprogramm", "Malprogramm beenden"));
  EXPECT_EQ(capture.take(), "t_MenuItemIndex: Menu not found.\n");

  EXPECT_EQ(t_MenuItemTitle("Bearbeiten", 65535), "Text kopieren");
  EXPECT_EQ(t_MenuItemTitle("Bearbeiten", 2), "");
  EXPECT_EQ(capture.take(), "t_MenuItemTitle: Item position out of range\n");
  t_MenuItemDelete("Bearbeiten", 65535);
  EXPECT_EQ(t_MenuItemTitle("Bearbeiten", 65535), "Grafik kopieren");
  t_MenuItemDelete("Bearbeiten", -1);
  EXPECT_EQ(capture.take(), "t_MenuItemDelete: Item position out of range\n");
  t_MenuItemDelete("Bearbeiten", 0);
  EXPECT_TRUE(h.menuItems(*h.findMenu("Bearbeiten")).empty());
  t_MenuItemDelete("Bearbeiten", 65535);
  EXPECT_EQ(t_MenuItemTitle("Bearbeiten", 65535), "");
  EXPECT_EQ(capture.take(),
            "t_MenuItemDelete: Item position out of range\n"
            "t_MenuItemTitle: Item position out of range\n");
}

