#pragma once
// The desktop host on Qt 6 Widgets: the eight slot windows with their views,
// the pasteboard, virtual printer and system console windows with their text
// views, the preferences and the main window, one menu bar in every window,
// the clipboard, the file dialogs, the About box, the busy cursor and the beep.
//
// This desktop has no global menu bar and no dock: a hidden window's menus
// cannot be reached. Close boxes only hide windows, so the close box of the
// last visible window quits the application, as its quit item does.
#include <QObject>
#include <QRect>
#include <memory>
#include <thread>
#include <vector>

#include "host/host.h"
#include "host/interface_description.h"
#include "hosts/qt/about_box.h"
#include "hosts/qt/main_thread_bridge.h"
#include "hosts/qt/menu_bar_set.h"
#include "hosts/qt/toolkit_window.h"

class QPlainTextEdit;

namespace vx::qt {

class SlotViewWidget;

class QtHost final : public Host {
 public:
  // Made on the main thread once the QApplication exists.
  QtHost();

  // Makes the windows, views and menu bars and fills the delegate's outlets.
  void buildinterface();
  // What the About item's box says.
  void setabout(AboutText about) { about_ = std::move(about); }
  // The About text, named as the menus are when the program gave no name.
  AboutText abouttextwithname() const {
    AboutText about = about_;
    if (about.program.empty()) about.program = applicationname();
    return about;
  }
  // From now on no hand-over runs and waiting threads are released.
  void beginquit() { bridge_.beginquit(); }
  bool quitting() const { return bridge_.quitting(); }
  // Whether the quit item or the last window's close box asked to quit.
  bool quitrequested() const { return quitrequested_; }

  ToolkitWindow* window(HostWindow window) const;
  QWidget* view(HostView view) const;
  QAction* menuaction(HostWindow window, const std::string& menu, const std::string& item) const;

  bool isMainThread() const override;
  bool runOnMainSync(std::function<void()> task) override;
  void runOnMainAsync(std::function<void()> task) override;
  bool isShuttingDown() const override { return quitting(); }
  void runHandedOverWork() override { bridge_.runqueued(); }
  Rect windowFrame(HostWindow window) override;
  void setWindowFrame(HostWindow window, Rect frame, bool display) override;
  std::string windowTitle(HostWindow window) override;
  void setWindowTitle(HostWindow window, const std::string& title) override;
  void setWindowTitled(HostWindow window, bool titled) override;
  void orderFront(HostWindow window) override;
  void orderOut(HostWindow window) override;
  void makeKeyAndOrderFront(HostWindow window) override;
  void centerWindow(HostWindow window) override;
  void setWindowBackgroundColor(HostWindow window, t_RGBColor color) override;
  bool isWindowVisible(HostWindow window) override;
  Size screenSize(HostWindow window) override;
  std::optional<HostWindow> mainWindow() override;
  std::optional<HostWindow> viewWindow(HostView view) override;
  Rect viewFrame(HostView view) override;
  void setViewFrame(HostView view, Rect frame) override;
  void setNeedsDisplay(HostView view) override;
  void displayNow(HostView view) override;
  std::string textViewString(HostView view) override;
  void setTextViewString(HostView view, const std::string& text) override;
  void preparePlainTextView(HostView view) override;
  std::optional<int> findMenu(const std::string& title) override;
  int menuCount() override;
  std::vector<MenuItemInfo> menuItems(int menu) override;
  void deleteMenuItem(int menu, int position) override;
  void addMenu(const MenuDescription& menu) override;
  void pasteboardClear() override;
  void pasteboardSetString(const std::string& text) override;
  void pasteboardSetImage(const HostImage& image) override;
  void pasteboardSetPicture(const StoredPicture& picture) override;
  std::optional<std::string> pasteboardString() override;
  std::vector<std::string> runOpenPanel(const OpenPanelRequest& request) override;
  std::optional<std::string> runSavePanel(const SavePanelRequest& request) override;
  std::string precomposed(const std::string& text) override;
  void setBusy(bool busy) override;
  void showProblem(const UserProblem& problem) override;
  void beep() override;
  std::string bundlePath() override;
  std::string resourceDirectory() override;

 private:
  ToolkitWindow* addwindow(const std::string& title, double width, double height);
  HostView addview(QWidget* widget);
  void buildspecialwindow(const SpecialWindowOutlets& outlets);
  QPlainTextEdit* textview(HostView view) const;
  QWidget* panelparent();
  void windowactivated(HostWindow window);
  std::optional<QRect> keepclear(HostWindow window) const;
  void closeboxpressed(HostWindow window);
  void menuchosen(const MenuItemInfo& item, const std::string& menuTitle, MenuRole role);
  void quitapplication();
  SlotViewWidget* keyslotview() const;

  std::thread::id mainthread_;
  std::unique_ptr<QObject> context_;  // lives on the main thread; hand-overs run through it
  MainThreadBridge bridge_;
  MenuBarSet menubars_;
  std::vector<ToolkitWindow*> windows_;
  std::vector<QWidget*> views_;
  std::vector<HostWindow> keyorder_;  // most recently made key first
  AboutText about_;
  bool quitrequested_ = false;  // main thread only
};

// The host that runQtApplication installed, if any.
QtHost* installedqthost();

}  // namespace vx::qt
