#pragma once
/// \file
/// The host window system as the toolkit sees it. The toolkit reaches windows,
/// views, menus, the pasteboard, panels, the beep, the clock and the bundle only
/// through this interface; each host (headless, Qt) implements it. Host objects
/// may be touched only on the main thread: callers on other threads hand work
/// over with runOnMainSync / runOnMainAsync.
///
/// Coordinates are points with the origin at the bottom left of the screen and
/// y growing upward; each host converts to its own system.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/interface_description.h"
#include "runtime/types.h"

namespace vx {

/// One item of a host menu as the host reports it.
struct MenuItemInfo {
  std::string title;          ///< the item's title as shown
  int64_t tag = 0;            ///< the number that names the item's command
  std::string keyEquivalent;  ///< the key that chooses it with the command key; empty: none
  uint64_t keyModifiers = 0;  ///< host modifier bits (bit 17 shift, 18 control, 19 option, 20 command)
  bool separator = false;     ///< a dividing line rather than an item
};

/// What the open panel shows and lets the user choose.
struct OpenPanelRequest {
  std::string title;    ///< the panel's title
  std::string message;  ///< a line of text above the files
  std::vector<std::string> fileTypes;  ///< extensions without the dot; empty: any type
  bool canChooseFiles = true;         ///< files can be chosen
  bool canChooseDirectories = false;  ///< folders can be chosen
  std::string buttonTitle;            ///< the confirming button; empty: the host's own
};

/// What the save panel shows.
struct SavePanelRequest {
  std::string proposedName;  ///< the file name offered at first
  std::string title;         ///< the panel's title
  std::string message;       ///< a line of text above the name
  std::vector<std::string> fileTypes;  ///< offered types; other types stay allowed
  std::string buttonTitle;     ///< the confirming button; empty: the host's own
  std::string nameFieldLabel;  ///< the label before the name field; empty: the host's own
};

/// What a host shows when a command the user chose could not be carried out.
struct UserProblem {
  std::string title;    ///< the box's title: the command, as the menu names it
  std::string text;     ///< one German sentence: what failed and why
  std::string details;  ///< the system's own words, for a second look
};

/// The interface a host implements: windows, views, menus, pasteboard,
/// panels, beep, clock and bundle, each on the main thread. A program rarely
/// calls it directly (host().absoluteTime() for the clock); the toolkit's
/// calls go through it.
class Host {
 public:
  virtual ~Host() = default;

  // Threads.
  virtual bool isMainThread() const = 0;  ///< whether the caller is on the main thread
  /// Runs `task` on the main thread and waits for it. Answers false, running
  /// nothing, once the host is shutting down, so a caller can never be left
  /// waiting on an application that is quitting.
  virtual bool runOnMainSync(std::function<void()> task) = 0;
  /// Queues `task` for the main thread and returns at once; once the host
  /// is shutting down the task may never run.
  virtual void runOnMainAsync(std::function<void()> task) = 0;
  /// Whether the host has begun to quit; asynchronous work handed over from
  /// then on may never run, so a thread polling for it must stop waiting.
  virtual bool isShuttingDown() const { return false; }
  /// On the main thread: runs the work other threads have handed over and
  /// not yet seen run. For a main thread that must wait for other threads
  /// without returning to its event loop (t_QuitProgram there), so that those
  /// threads, waiting in runOnMainSync, can end.
  virtual void runHandedOverWork() {}
  /// Names the calling thread for debuggers (by default with pthread_setname_np).
  virtual void setCurrentThreadName(const std::string& name);

  // Windows.
  virtual Rect windowFrame(HostWindow window) = 0;  ///< the outer frame, title bar included
  /// Moves and sizes the outer frame; `display` redraws the window at once.
  virtual void setWindowFrame(HostWindow window, Rect frame, bool display) = 0;
  virtual std::string windowTitle(HostWindow window) = 0;  ///< the title bar's text
  /// Sets the title bar's text.
  virtual void setWindowTitle(HostWindow window, const std::string& title) = 0;
  /// Titled, closable and miniaturizable (true) or borderless (false); the frame stays.
  virtual void setWindowTitled(HostWindow window, bool titled) = 0;
  virtual void orderFront(HostWindow window) = 0;  ///< shows the window in front of the others
  virtual void orderOut(HostWindow window) = 0;    ///< hides the window
  /// Shows the window in front and gives it the keyboard.
  virtual void makeKeyAndOrderFront(HostWindow window) = 0;
  virtual void centerWindow(HostWindow window) = 0;  ///< centres the window on its screen
  /// Colours the window's background, which shows as the border around a picture.
  virtual void setWindowBackgroundColor(HostWindow window, t_RGBColor color) = 0;
  virtual bool isWindowVisible(HostWindow window) = 0;  ///< whether the window is shown
  virtual Size screenSize(HostWindow window) = 0;  ///< the screen the window is on
  virtual std::optional<HostWindow> mainWindow() = 0;  ///< the application's main window

  // Views.
  virtual std::optional<HostWindow> viewWindow(HostView view) = 0;  ///< the window that holds a view
  virtual Rect viewFrame(HostView view) = 0;  ///< in its window's coordinates
  virtual void setViewFrame(HostView view, Rect frame) = 0;  ///< moves and sizes a view in its window
  /// Marks the view to be drawn in the host's next display cycle.
  virtual void setNeedsDisplay(HostView view) = 0;
  virtual void displayNow(HostView view) = 0;  ///< draws the view at once
  /// The text of a text view (pasteboard, virtual printer, system console).
  virtual std::string textViewString(HostView view) = 0;
  virtual void setTextViewString(HostView view, const std::string& text) = 0;  ///< replaces a text view's text
  /// Plain text: no smart quotes, dashes, links, data detection or replacement;
  /// a monospaced font of 12 points.
  virtual void preparePlainTextView(HostView view) = 0;

  /// The menu of the menu bar titled `title`, found among the top-level items; none if there is none.
  virtual std::optional<int> findMenu(const std::string& title) = 0;
  virtual int menuCount() = 0;  ///< how many menus the bar holds
  virtual std::vector<MenuItemInfo> menuItems(int menu) = 0;  ///< the items of a menu findMenu found
  /// Removes the item at 0-based `position`; a position beyond the items does nothing.
  virtual void deleteMenuItem(int menu, int position) = 0;
  /// A program's own menu: its items are appended to the menu of that title,
  /// or, when the bar has none, the menu is inserted before the last menu of
  /// the bar (the window menu).
  virtual void addMenu(const MenuDescription& menu) = 0;

  virtual void pasteboardClear() = 0;  ///< empties the general pasteboard
  virtual void pasteboardSetString(const std::string& text) = 0;  ///< puts plain text on the pasteboard
  virtual void pasteboardSetImage(const HostImage& image) = 0;  ///< puts a picture on the pasteboard
  /// A window's picture as it is stored, read during the call only: a host
  /// may keep it in a compact form (a one-bit picture as one bit a pixel)
  /// rather than as 32-bit pixels.
  virtual void pasteboardSetPicture(const StoredPicture& picture) = 0;
  /// The pasteboard's plain text; none when it holds no text.
  virtual std::optional<std::string> pasteboardString() = 0;

  /// Runs the modal open panel on the main thread: the chosen file URLs
  /// ("file:///path", percent-escaped; the toolkit turns them into paths),
  /// none when the user cancelled. The save panel answers the same way.
  virtual std::vector<std::string> runOpenPanel(const OpenPanelRequest& request) = 0;
  /// Runs the save panel: the file URL chosen, none when the user cancelled.
  virtual std::optional<std::string> runSavePanel(const SavePanelRequest& request) = 0;
  /// Unicode canonical composition (NFC) of a string, as the host's string
  /// library does it.
  virtual std::string precomposed(const std::string& text) = 0;

  /// Tells the user that something they asked for failed: a modal message with
  /// a sentence that says what and why, and the technical detail for whoever
  /// wants it. Main thread only; the caller goes on when the user closed it.
  virtual void showProblem(const UserProblem& problem) = 0;

  /// A sign that the application is at work and does not answer meanwhile (a
  /// busy cursor), shown from true to false; calls may nest. Main thread only.
  virtual void setBusy(bool busy) { (void)busy; }

  virtual void beep() = 0;  ///< sounds the system beep
  /// The absolute clock: seconds since 1 January 2001 00:00 UTC.
  virtual double absoluteTime();
  /// The application bundle ("/path/Name.app").
  virtual std::string bundlePath() = 0;
  /// Where the fonts are: the bundle's Contents/Resources unless the host was told another folder.
  virtual std::string resourceDirectory() = 0;
};

/// Installs `host` as the one host of the process; the calling thread becomes
/// the main thread. The headless and the desktop host install themselves.
void installhost(Host* host);
bool hostinstalled();  ///< whether a host is installed
/// The installed host; aborts the process with a clear message when none is installed.
Host& host();

}  // namespace vx
