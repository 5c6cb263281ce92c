#include <gtest/gtest.h>

#include <atomic>
#include <tuple>

#include "support/test_support.h"

using namespace vx;

namespace {

t_Font blockfont() {
  return {.Format = 2, .End = 255, .Width = 8, .Height = 8, .Data = std::vector<uint8_t>(256 * 64, 0xFF)};
}

// A chosen menu item as the host hands it over.
void choose(int64_t tag, const std::string& title = "Eintrag", const std::string& menu = "Ablage") {
  MenuItemInfo item;
  item.title = title;
  item.tag = tag;
  item.keyEquivalent = "s";
  t_MenuEventHandler(item, menu);
}

class MenuCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    setapplicationname("Velmorandine");
    host_ = &useHeadlessHost();
    t_InitMemory();
    log_.take();
  }
  // Opens window `slot` as a small text window and brings it to the front.
  void opentextwindow(uint8_t slot) {
    t_InitWindow(slot, 8, false, 64, 32, 0, 0, blockfont(), true);
    t_WindowFront(slot);
    log_.take();
  }
  HeadlessHost* host_ = nullptr;
  vxtest::LogCapture log_;
};

}  // namespace

TEST(PasteboardText, GraphicCharactersBecomeTheSignsTheyLookLike) {
  EXPECT_EQ(pasteboardtext("plain ASCII 123"), "plain ASCII 123");
  std::string graphic;
  for (char32_t c : {127, 128, 130, 131, 132, 133, 134, 145, 153, 138, 140, 159, 160})
    appendscalar(graphic, c);
  EXPECT_EQ(pasteboardtext(graphic), "#*<=>O+++|-=\u02FD");
  // The fonts' horizontal line reads as a dash, not as a vertical bar.
  std::string line;
  for (int i = 0; i < 3; ++i) appendscalar(line, 156);
  EXPECT_EQ(pasteboardtext(line), "---");
  EXPECT_EQ(pasteboardtext("Größe €"), "Größe €");
}

TEST_F(MenuCommands, AnItemWithoutAnActionIsRecordedAndRunsTheProgramsProcedure) {
  std::atomic<int64_t> number{0};
  MenuEventProcedure.set([&] { number = threadnumber(); });
  choose(0, "Über Velmorandine", "Velmorandine");
  ASSERT_TRUE(vxtest::pumpuntil([&] { return number.load() != 0; }));
  EXPECT_GE(number, 2);  // a process of its own, not the main thread
  ASSERT_EQ(MenuEventQueue.size(), 1);
  const t_MenuEvent event = *MenuEventQueue.at(0);
  EXPECT_EQ(std::tie(event.Kind, event.MenuTitle, event.ItemTitle, event.ItemAction, event.ItemKeyAsc),
            std::make_tuple(3, "Velmorandine", "Über Velmorandine", 0, 's'));
  EXPECT_GT(event.Time, 0);
  EXPECT_TRUE(MenuEventPending);
}

// A slot window's picture and text are copied in the headless star session;
// here the other windows in front: the system console's text is taken as it
// is, and where there is nothing to copy a beep. Each copy showed the busy
// sign while it worked; each choice is recorded.
TEST_F(MenuCommands, CopyFromTheOtherWindowsTakesTheConsolesTextOrBeeps) {
  host_->setTextViewString(*appdelegate.SystemConsoleTextView, "Konsole\n\u009C");
  t_WindowFront(SystemConsoleWindowNumber);
  choose(110, "Grafik kopieren", "Bearbeiten");
  EXPECT_FALSE(host_->pasteboardimage().has_value());
  choose(111);
  EXPECT_EQ(host_->pasteboardString(), "Konsole\n\u009C");
  t_WindowFront(PreferencesWindowNumber);
  choose(111);
  EXPECT_EQ(std::tuple(host_->beepcount(), MenuEventQueue.size(), host_->busyshown(), host_->busy()),
            std::tuple(2, 3, 3, false));
}

TEST_F(MenuCommands, SaveRunsTheInstalledProcedureOnlyForASlotInFront) {
  opentextwindow(1);
  choose(113);
  EXPECT_EQ(host_->beepcount(), 1);  // the default procedure beeps
  bool saved = false;
  MenuSaveProcedure.set([&] { saved = host_->isMainThread(); });
  choose(113);
  EXPECT_TRUE(saved);
  saved = false;
  t_WindowFront(VirtualPrinterWindowNumber);
  choose(113);
  EXPECT_FALSE(saved);
  EXPECT_EQ(host_->beepcount(), 2);
}

TEST_F(MenuCommands, ClearEmptiesThePrinterAndTheConsole) {
  host_->setTextViewString(*appdelegate.VirtualPrinterTextView, "Seite 1");
  host_->setTextViewString(*appdelegate.SystemConsoleTextView, "Zeile");
  VirtualPrinterBuffer.set({1, 2, 3});
  choose(112);
  EXPECT_EQ(host_->textViewString(*appdelegate.VirtualPrinterTextView), "");
  EXPECT_TRUE(VirtualPrinterBuffer.get().empty());
  EXPECT_EQ(host_->textViewString(*appdelegate.SystemConsoleTextView), "Zeile");
  choose(114);
  EXPECT_EQ(host_->textViewString(*appdelegate.SystemConsoleTextView), "");
}

TEST_F(MenuCommands, ShowAndHideSlotsAndSpecialWindows) {
  choose(214, "Fenster 0 ausblenden", "Fenster");
  EXPECT_EQ(log_.take(), "t_MenuEventHandler: Window #0 not initialized.\n");
  EXPECT_EQ(host_->beepcount(), 1);
  opentextwindow(3);
  const HostWindow three = *t_GetHostWindow(3);
  choose(220);  // hide window 3
  EXPECT_EQ(std::tuple(host_->isWindowVisible(three), WindowTable[3].Visible), std::tuple(false, false));
  choose(219);  // show window 3
  EXPECT_EQ(std::tuple(host_->isWindowVisible(three), t_FrontWindow()), std::tuple(true, 3));
  choose(229);
  EXPECT_EQ(t_FrontWindow(), SystemConsoleWindowNumber);
  choose(200);
  for (uint8_t n = 0; n <= MainWindowNumber; ++n) {
    if (const auto w = t_GetHostWindow(n)) {
      EXPECT_FALSE(host_->isWindowVisible(*w)) << int(n);
    }
  }
  EXPECT_EQ(t_FrontWindow(), NoWindow);
}

TEST_F(MenuCommands, PanelActionsOfAProgramStoreTheChosenFile) {
  t_AddMenuAction(101);
  host_->scriptsavepanel("file:///tmp/Mein%20Stern.gr");
  choose(101);
  const t_MenuAction entry = *MenuActionTable.at(t_MenuActionIndex(101));
  EXPECT_EQ(std::tie(entry.FilePath, entry.FileName), std::tuple("/tmp/Mein Stern.gr", "Mein Stern.gr"));
  t_AddMenuAction(100);
  choose(100);  // cancelled: nothing chosen
  EXPECT_EQ(MenuActionTable.at(t_MenuActionIndex(100))->FilePath, "");
  EXPECT_TRUE(host_->lastopenrequest().has_value());
}
