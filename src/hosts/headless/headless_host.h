#pragma once
/// \file
/// A complete host without a display, for tests and command-line tools. It keeps
/// its windows, views, menus and pasteboard in memory, answers panels with
/// scripted replies, counts beeps, and runs main-thread work handed to it from
/// other threads whenever the owning thread pumps its task loop.
#include <atomic>
#include <condition_variable>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/host.h"
#include "host/interface_description.h"

namespace vx {

/// A complete host without a display: windows, views, menus and pasteboard
/// kept in memory, panels answered from a script, beeps counted. The thread
/// that installs it is the main thread; work handed to the main thread runs
/// when that thread pumps the task loop (runpendingtasks, pumpuntil).
/// useHeadlessHost and runHeadless make and install it.
class HeadlessHost : public Host {
 public:
  /// What the host keeps of one window.
  struct WindowState {
    std::string title;  ///< the title bar's text
    Rect frame;         ///< the outer frame, in points
    bool titled = true;  ///< with a title bar (false: borderless)
    bool visible = false;  ///< shown
    t_RGBColor background{255, 255, 255, 255};  ///< the background (border) colour
  };
  /// What the host keeps of one view.
  struct ViewState {
    HostWindow window{};  ///< the window that holds it
    Rect frame;           ///< in its window, in points
    int slot = -1;  ///< 0..7 for the slot views
    bool needsDisplay = false;  ///< marked for the next display cycle
    int64_t displayCount = 0;  ///< how often the view was drawn
    bool textView = false;   ///< a text view
    bool plainText = false;  ///< made a plain-text view
    std::string text;        ///< a text view's text
    std::optional<HostImage> image;  ///< what the view showed when last drawn
  };
  /// One menu of the menu bar.
  struct Menu {
    std::string title;                ///< the title in the menu bar
    std::vector<MenuItemInfo> items;  ///< its items, top to bottom
    std::vector<MenuRole> roles;      ///< each item's role, in the same order
  };

  /// Builds the menu bar and the fixed windows; the calling thread is the main thread.
  HeadlessHost();

  /// Runs the main-thread work queued now; answers how many tasks ran. Main thread only.
  int runpendingtasks();
  /// Runs tasks until `done` holds or the timeout passes; answers whether it held.
  bool pumpuntil(const std::function<bool()>& done,
                 std::chrono::milliseconds timeout = std::chrono::seconds(30));
  /// Draws every view whose needs-display flag is set, as a display cycle would.
  void displaypendingviews();
  /// Waits until work is handed over or `timeout` passes, running nothing;
  /// answers whether work is waiting. Main thread only.
  bool waitforwork(std::chrono::milliseconds timeout);
  /// From now on no hand-over runs; threads waiting for one are released.
  void shutdown();
  bool shuttingdown() const;  ///< whether shutdown was called

  /// Queues the answer of a coming open panel (file URLs); each panel takes
  /// the next answer, and none left means the user cancelled.
  void scriptopenpanel(std::vector<std::string> urls);
  /// Queues the answer of a coming save panel (a file URL, none: cancel).
  void scriptsavepanel(std::optional<std::string> url);
  std::optional<OpenPanelRequest> lastopenrequest() const;  ///< what the last open panel asked
  std::optional<SavePanelRequest> lastsaverequest() const;  ///< what the last save panel asked

  // What tests inspect.
  int64_t beepcount() const { return beeps_; }  ///< how often the beep sounded
  /// The problems shown to the user, oldest first.
  const std::vector<UserProblem>& problems() const { return problems_; }
  /// How often the busy sign was shown, whether it shows now, and whether it
  /// showed while the last panel was up.
  int64_t busyshown() const { return busyshown_; }
  bool busy() const { return busydepth_ > 0; }  ///< whether the busy sign shows now
  bool busyatlastpanel() const { return busyatlastpanel_; }  ///< whether it showed at the last panel
  WindowState windowstate(HostWindow window) const;  ///< what the host keeps of a window
  ViewState viewstate(HostView view) const;  ///< what the host keeps of a view
  std::vector<Menu> menus() const;  ///< the menu bar as it is now
  std::optional<HostImage> pasteboardimage() const;  ///< the picture on the pasteboard, if any
  Size screen() const { return screen_; }  ///< the screen's size, 1920 x 1200 points unless set
  void setscreen(Size size) { screen_ = size; }  ///< another screen size (a web page's area)
  int64_t windowcount() const { return static_cast<int64_t>(windows_.size()); }  ///< windows made
  int64_t viewcount() const { return static_cast<int64_t>(views_.size()); }  ///< views made
  /// The windows in the order they were made key, most recent first.
  const std::vector<HostWindow>& keyorder() const { return keyorder_; }
  /// The bundle path the host answers ("/path/Name.app"); window titles and
  /// the resource directory follow from it.
  void setbundlepath(std::string path);
  /// Resources from another folder than \<bundle\>/Contents/Resources (an
  /// installed toolkit keeps its fonts under share/); empty: the bundle's.
  void setresourcedirectory(std::string path);
  /// Finds an item by menu and item title (for driving menu choices).
  std::optional<MenuItemInfo> menuitem(const std::string& menu, const std::string& item) const;

  // Host interface.
  bool isMainThread() const override;
  bool runOnMainSync(std::function<void()> task) override;
  void runOnMainAsync(std::function<void()> task) override;
  bool isShuttingDown() const override { return shuttingdown(); }
  void runHandedOverWork() override { runpendingtasks(); }
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
  int menuCount() override { return static_cast<int>(menus_.size()); }
  std::vector<MenuItemInfo> menuItems(int menu) override;
  void deleteMenuItem(int menu, int position) override;
  void addMenu(const MenuDescription& menu) override;
  void pasteboardClear() override;
  void pasteboardSetString(const std::string& text) override;
  void pasteboardSetImage(const HostImage& image) override;
  void pasteboardSetPicture(const StoredPicture& picture) override;  ///< kept as its image
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
  struct Task {
    std::function<void()> work;
    std::shared_ptr<bool> done;  ///< null for asynchronous tasks
  };

  HostWindow addwindow(const std::string& title, double width, double height);
  HostView addview(HostWindow window, Rect frame, int slot, bool textview);
  void buildspecialwindow(const SpecialWindowOutlets& outlets);
  void buildinterface();
  void drawview(ViewState& view);
  WindowState& windowref(HostWindow window);
  ViewState& viewref(HostView view);

  std::thread::id mainthread_;
  mutable std::mutex tasksmutex_;
  std::condition_variable taskschanged_;
  std::deque<Task> tasks_;
  bool shuttingdown_ = false;

  /// Interface state, touched on the main thread only (tests read it there too).
  Size screen_{1920, 1200};
  std::vector<WindowState> windows_;
  std::vector<ViewState> views_;
  std::vector<HostWindow> keyorder_;  ///< most recently made key first
  std::vector<Menu> menus_;
  std::optional<std::string> pasteboardtext_;
  std::optional<HostImage> pasteboardimage_;
  std::deque<std::vector<std::string>> openanswers_;
  std::deque<std::optional<std::string>> saveanswers_;
  std::optional<OpenPanelRequest> lastopen_;
  std::optional<SavePanelRequest> lastsave_;
  std::string bundlepath_;
  std::string resourcedirectory_;
  std::atomic<int64_t> beeps_{0};
  std::vector<UserProblem> problems_;
  int64_t busyshown_ = 0;
  int64_t busydepth_ = 0;
  bool busyatlastpanel_ = false;
};

}  // namespace vx
