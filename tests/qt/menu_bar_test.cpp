// The menu bars by keyboard: Alt mnemonics and F10 open the menus, and once a
// menu closes the keys go to the slot view again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include "events/menu_table.h"
#include "hosts/qt/qt_host.h"
#include "qt_test_application.h"
#include "runtime/app_delegate.h"
#include "support/test_support.h"

using namespace vx;
using vx::qt::QtHost;

using vxtest::processuntil;
using vxtest::qthost;

namespace {

constexpr int TextSlot = 0;

// Slot 0's window, shown and key, with the keyboard at its view.
QWidget* textview() {
  QtHost& h = qthost();
  QWidget* view = h.view(*appdelegate.slotview(TextSlot));
  h.makeKeyAndOrderFront(*h.viewWindow(*appdelegate.slotview(TextSlot)));
  EXPECT_TRUE(processuntil([view] { return QApplication::focusWidget() == view; }));
  return view;
}

QMenuBar* menubarof(QWidget* view) { return static_cast<QMainWindow*>(view->window())->menuBar(); }

QMenu* openmenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

}  // namespace

TEST(MenuBar, TitlesCarryAltMnemonicsWhileTheMenusKeepTheirNames) {
  QWidget* view = textview();
  QStringList shown;
  for (const QAction* title : menubarof(view)->actions()) shown << title->text();
  EXPECT_EQ(shown, (QStringList{"&Velmorandine", "&Ablage", "&Bearbeiten", "&Darstellung", "&Fenster"}));
  EXPECT_EQ(qthost().findMenu("Bearbeiten"), 2);
  // Alt+B opens the edit menu.
  QTest::keyClick(view, Qt::Key_B, Qt::AltModifier);
  ASSERT_TRUE(processuntil([] { return openmenu() != nullptr; }));
  EXPECT_EQ(openmenu()->title(), "&Bearbeiten");
  openmenu()->close();
}

// F10 opens the first menu with its first item chosen; once Esc closed it,
// the keys reach the view again (the desktop session does the same after a
// click on a title).
TEST(MenuBar, F10OpensTheFirstMenuAndAfterEscTheKeysReachTheViewAgain) {
  QWidget* view = textview();
  QTest::keyClick(view, Qt::Key_F10);
  ASSERT_TRUE(processuntil([] { return openmenu() != nullptr; }));
  EXPECT_EQ(openmenu()->title(), "&Velmorandine");
  ASSERT_NE(openmenu()->activeAction(), nullptr);
  EXPECT_EQ(openmenu()->activeAction()->text(), "Über Velmorandine");
  QTest::keyClick(openmenu(), Qt::Key_Escape);
  ASSERT_TRUE(processuntil([] { return openmenu() == nullptr; }));
  EXPECT_FALSE(menubarof(view)->hasFocus());
  EXPECT_EQ(QApplication::focusWidget(), view);
}

TEST(MenuBar, TheAboutItemShowsTheProgramItsVersionNoticeAndToolkit) {
  vxtest::LogCapture log;
  QtHost& h = qthost();
  h.setabout({"Velmorandine", "1.2.3", "Sterntestbild in Schwarz-Weiß"});
  const HostWindow window = *h.viewWindow(*appdelegate.slotview(TextSlot));
  QString title, text;
  vxtest::whenmodalshows<QMessageBox>([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    box.accept();
  });
  h.menuaction(window, "Velmorandine", "Über Velmorandine")->trigger();
  EXPECT_EQ(title, "Über Velmorandine");
  for (const char* part : {"Velmorandine", "1.2.3", "Sterntestbild in Schwarz-Weiß", "vxtools"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << " missing from " << text.toStdString();
  // The choice is still the program's menu event, as before.
  ASSERT_EQ(MenuEventQueue.size(), 1);
  EXPECT_EQ(MenuEventQueue.at(0)->MenuTitle, "Velmorandine");
}

// A program's own menu stands in every window's bar before the window menu,
// with its mnemonic; items added to it later appear there too, and its key
// chooses the item.
TEST(MenuBar, AProgramsOwnMenuStandsInEveryBarAndItsKeyChoosesIt) {
  QWidget* view = textview();
  const int64_t queued = MenuEventQueue.size();
  t_AddMenu("Bild", {{"Neues Bild", 1001, "n"}});
  t_AddMenu("Bild", {{"Drehen", 1002, ""}});
  QStringList shown;
  for (const QAction* title : menubarof(view)->actions()) shown << title->text();
  EXPECT_EQ(shown, (QStringList{"&Velmorandine", "&Ablage", "&Bearbeiten", "&Darstellung", "B&ild", "&Fenster"}));
  QtHost& h = qthost();
  for (int slot : {0, 1}) {
    const HostWindow window = *h.viewWindow(*appdelegate.slotview(slot));
    ASSERT_NE(h.menuaction(window, "Bild", "Drehen"), nullptr) << slot;
    EXPECT_EQ(h.menuaction(window, "Bild", "Neues Bild")->shortcut(), QKeySequence("Ctrl+Shift+N"));
  }
  QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(processuntil([queued] { return MenuEventQueue.size() == queued + 1; }));
  EXPECT_EQ(MenuEventQueue.at(queued)->ItemAction, 1001);
}
