#pragma once
// The host window system as the toolkit sees it. The toolkit reaches windows,
// views, menus, the pasteboard, panels, the beep, the clock and the bundle only
// through this interface; each host (headless, Qt) implements it. Host objects
// may be touched only on the main thread: callers on other threads hand work
// over with runOnMainSync / runOnMainAsync (see host/main_thread.h).
//
// Coordinates are points with the origin at the bottom left of the screen and
// y growing upward; each host converts to its own system.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/types.h"

namespace vx {

struct MenuItemInfo {
  std::string title;
  int64_t tag = 0;
  std::string keyEquivalent;
  uint64_t keyModifiers = 0;  // host modifier bits (bit 17 shift, 18 control, 19 option, 20 command)
  bool separator = false;
};

struct OpenPanelRequest {
  std::string title;
  std::string message;
  std::vector<std::string> fileTypes;  // extensions without the dot; empty: any type
  bool canChooseFiles = true;
  bool canChooseDirectories = false;
  std::string buttonTitle;
};

struct SavePanelRequest {
  std::string proposedName;
  std::string title;
  std::string message;
  std::vector<std::string> fileTypes;  // offered types; other types stay allowed
  std::string buttonTitle;
  std::string nameFieldLabel;
};

class Host {
 public:
  virtual ~Host() = default;

  // Threads. runOnMainSync runs the task on the main thread and waits for it;
  // it answers false (and runs nothing) once the host is shutting down, so a
  // caller can never be left waiting on an application that is quitting.
  virtual bool isMainThread() const = 0;
  virtual bool runOnMainSync(std::function<void()> task) = 0;
  virtual void runOnMainAsync(std::function<void()> task) = 0;
  // Whether the host has begun to quit; asynchronous work handed over from
  // then on may never run, so a thread polling for it must stop waiting.
  virtual bool isShuttingDown() const { return false; }
  // On the main thread: runs the work other threads have handed over and
  // not yet seen run. For a main thread that must wait for other threads
  // without returning to its event loop (t_QuitProgram there), so that those
  // threads, waiting in runOnMainSync, can end.
  virtual void runHandedOverWork() {}
  virtual void setCurrentThreadName(const std::string& name);  // default: pthread_setname_np

  // Windows.
  virtual Rect windowFrame(HostWindow window) = 0;
  virtual void setWindowFrame(HostWindow window, Rect frame, bool display) = 0;
  virtual std::string windowTitle(HostWindow window) = 0;
  virtual void setWindowTitle(HostWindow window, const std::string& title) = 0;
  // Titled, closable and miniaturizable (true) or borderless (false); the frame stays.
  virtual void setWindowTitled(HostWindow window, bool titled) = 0;
  virtual void orderFront(HostWindow window) = 0;
  virtual void orderOut(HostWindow window) = 0;
  virtual void makeKeyAndOrderFront(HostWindow window) = 0;
  virtual void centerWindow(HostWindow window) = 0;
  virtual void setWindowBackgroundColor(HostWindow window, t_RGBColor color) = 0;
  virtual bool isWindowVisible(HostWindow window) = 0;
  virtual Size screenSize(HostWindow window) = 0;  // the screen the window is on
  virtual std::optional<HostWindow> mainWindow() = 0;  // the application's main window

  // Views.
  virtual std::optional<HostWindow> viewWindow(HostView view) = 0;
  virtual Rect viewFrame(HostView view) = 0;  // in its window's coordinates
  virtual void setViewFrame(HostView view, Rect frame) = 0;
  virtual void setNeedsDisplay(HostView view) = 0;
  virtual void displayNow(HostView view) = 0;
  // Text views (pasteboard, virtual printer, system console).
  virtual std::string textViewString(HostView view) = 0;
  virtual void setTextViewString(HostView view, const std::string& text) = 0;
  // Plain text: no smart quotes, dashes, links, data detection or replacement;
  // a monospaced font of 12 points.
  virtual void preparePlainTextView(HostView view) = 0;

  // The menu bar: menus are found by title among the top-level items.
  virtual std::optional<int> findMenu(const std::string& title) = 0;
  virtual std::vector<MenuItemInfo> menuItems(int menu) = 0;
  virtual void deleteMenuItem(int menu, int position) = 0;

  // The general pasteboard.
  virtual void pasteboardClear() = 0;
  virtual void pasteboardSetString(const std::string& text) = 0;
  virtual void pasteboardSetImage(const HostImage& image) = 0;
  // A window's picture as it is stored, read during the call only: a host
  // may keep it in a compact form (a one-bit picture as one bit a pixel)
  // rather than as 32-bit pixels.
  virtual void pasteboardSetPicture(const StoredPicture& picture) = 0;
  virtual std::optional<std::string> pasteboardString() = 0;

  // Modal panels, run on the main thread. They answer file URLs
  // ("file:///path", percent-escaped); the toolkit turns them into paths.
  virtual std::vector<std::string> runOpenPanel(const OpenPanelRequest& request) = 0;
  virtual std::optional<std::string> runSavePanel(const SavePanelRequest& request) = 0;
  // Unicode canonical composition (NFC) of a string, as the host's string
  // library does it.
  virtual std::string precomposed(const std::string& text) = 0;

  // A sign that the application is at work and does not answer meanwhile (a
  // busy cursor), shown from true to false; calls may nest. Main thread only.
  virtual void setBusy(bool busy) { (void)busy; }

  virtual void beep() = 0;
  // The absolute clock: seconds since 1 January 2001 00:00 UTC.
  virtual double absoluteTime();
  // The application bundle ("/path/Name.app") and its resource directory.
  virtual std::string bundlePath() = 0;
  virtual std::string resourceDirectory() = 0;
};

// The installed host. Installing marks the calling thread as the main thread.
void installhost(Host* host);
bool hostinstalled();
Host& host();  // aborts with a clear message when no host is installed

}  // namespace vx
