#include <gtest/gtest.h>

#include "support/test_support.h"

using namespace vx;

TEST(MenuSetup, RegistersTheBuiltInActionsInOrder) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitMemory();
  ASSERT_EQ(MenuActionTable.size(), 37);
  const auto table = MenuActionTable.snapshot();
  for (int i = 0; i < 32; ++i) EXPECT_EQ(table[i].Action, 200 + i);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table[32 + i].Action, 110 + i);
  for (const t_MenuAction& a : table) {
    EXPECT_EQ(a.Tag, a.Action);
    EXPECT_TRUE(a.Title.empty() && a.FilePath.empty());
  }
  EXPECT_EQ(t_MenuActionIndex(110), 32);
  EXPECT_EQ(t_MenuActionIndex(200), 0);
  EXPECT_EQ(t_MenuActionIndex(0), -1);
  EXPECT_EQ(t_MenuActionIndex(999), -1);
  t_AddMenuAction(999);
  EXPECT_EQ(t_MenuActionIndex(999), 37);
}

TEST(MenuSetup, PrunesOnlyTheMenusThatExistAndReportsTheOthers) {
  useHeadlessHost();
  vxtest::LogCapture capture;
  t_InitMemory();
  const std::string log = capture.take();
  // The menu bar is German: every English-titled look-up reports its missing menu.
  const std::string missingedit = "t_MenuItemIndex: Menu not found.\n";
  size_t count = 0;
  for (size_t at = log.find(missingedit); at != std::string::npos;
       at = log.find(missingedit, at + 1))
    ++count;
  EXPECT_EQ(count, 8u) << log;  // five edit titles, three window titles
  EXPECT_NE(log.find("t_MenuItemTitle: Menu not found.\nt_MenuItemDelete: Menu not found.\n"),
            std::string::npos);
  EXPECT_EQ(log.find("*** Found"), std::string::npos);
  EXPECT_EQ(t_MenuItemTitle("Bearbeiten", 0), "Grafik kopieren");
}

TEST(MenuEditing, FindsReadsAndDeletesItemsByPosition) {
  HeadlessHost& h = useHeadlessHost();
  vxtest::LogCapture capture;
  EXPECT_EQ(t_MenuItemIndex("Bearbeiten", "Grafik kopieren"), 0);
  EXPECT_EQ(h.menuitem("Bearbeiten", "Grafik kopieren")->tag, 110);
  EXPECT_EQ(t_MenuItemIndex("Bearbeiten", "Nichts"), -1);
  // Separators share the empty title; the first one is found.
  EXPECT_EQ(t_MenuItemIndex("Velmorandine", ""), 1);
  EXPECT_EQ(t_MenuItemIndex("Nirgends", "x"), -2);
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

