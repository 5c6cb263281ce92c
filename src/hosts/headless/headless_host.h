#pragma once
// A complete host without a display, for tests and command-line tools. It keeps
// its windows, views, menus and pasteboard in memory, answers panels with
// scripted replies, counts beeps, and runs main-thread work handed to it from
// other threads whenever the owning thread pumps its task loop.
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

class HeadlessHost : public Host {
 public:
  struct WindowState {
    std::string title;
    Rect frame;
    bool titled = true;
    bool visible = false;
    t_RGBColor background{255, 255, 255, 255};
  };
  struct ViewState {
    HostWindow window{};
    Rect frame;
    int slot = -1;  // 0..7 for the slot views
    bool needsDisplay = false;
    int64_t displayCount = 0;  // how often the view was drawn
    bool textView = false;
    bool plainText = false;
    std::string text;
    std::optional<HostImage> image;  // what the view showed when last drawn
  };
  struct Menu {
    std::string title;
    std::vector<MenuItemInfo> items;
    std::vector<MenuRole> roles;
  };

  HeadlessHost();

  // The task loop. Only the main thread calls these.
  int runpendingtasks();  // runs what is queued now; answers how many ran
  // Runs tasks until `done` holds or the timeout passes; answers whether it held.
  bool pumpuntil(const std::function<bool()>& done,
                 std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // Draws every view whose needs-display flag is set, as a display cycle would.
  void displaypendingviews();
  // From now on no hand-over runs; threads waiting for one are released.
  void shutdown();
  bool shuttingdown() const;

  // Scripted panels: each panel takes the next answer; none left means cancel.
  void scriptopenpanel(std::vector<std::string> urls);
  void scriptsavepanel(std::optional<std::string> url);
  std::optional<OpenPanelRequest> lastopenrequest() const;
  std::optional<SavePanelRequest> lastsaverequest() const;

  // What tests inspect.
  int64_t beepcount() const { return beeps_; }
  // How often the busy sign was shown, whether it shows now, and whether it
  // showed while the last panel was up.
  int64_t busyshown() const { return busyshown_; }
  bool busy() const { return busydepth_ > 0; }
  bool busyatlastpanel() const { return busyatlastpanel_; }
  WindowState windowstate(HostWindow window) const;
  ViewState viewstate(HostView view) const;
  std::vector<Menu> menus() const;
  std::optional<HostImage> pasteboardimage() const;
  Size screen() const { return screen_; }
  void setbundlepath(std::string path);
  // Resources from another folder than <bundle>/Contents/Resources (an
  // installed toolkit keeps its fonts under share/); empty: the bundle's.
  void setresourcedirectory(std::string path);
  // Finds an item by menu and item title (for driving menu choices).
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
  std::vector<MenuItemInfo> menuItems(int menu) override;
  void deleteMenuItem(int menu, int position) override;
  void pasteboardClear() override;
  void pasteboardSetString(const std::string& text) override;
  void pasteboardSetImage(const HostImage& image) override;
  void pasteboardSetPicture(const StoredPicture& picture) override;  // kept as its image
  std::optional<std::string> pasteboardString() override;
  std::vector<std::string> runOpenPanel(const OpenPanelRequest& request) override;
  std::optional<std::string> runSavePanel(const SavePanelRequest& request) override;
  std::string precomposed(const std::string& text) override;
  void setBusy(bool busy) override;
  void beep() override;
  std::string bundlePath() override;
  std::string resourceDirectory() override;

 private:
  struct Task {
    std::function<void()> work;
    std::shared_ptr<bool> done;  // null for asynchronous tasks
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

  // Interface state, touched on the main thread only (tests read it there too).
  Size screen_{1920, 1200};
  std::vector<WindowState> windows_;
  std::vector<ViewState> views_;
  std::vector<HostWindow> keyorder_;  // most recently made key first
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
  int64_t busyshown_ = 0;
  int64_t busydepth_ = 0;
  bool busyatlastpanel_ = false;
};

}  // namespace vx
