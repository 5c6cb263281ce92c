#pragma once
// The application delegate: the host's interface objects the toolkit needs
// (its outlets) and the application's life-cycle callbacks. The host fills the
// outlets when it has made its windows and calls the callbacks on the main thread.
#include <cstdint>
#include <functional>
#include <optional>

#include "runtime/types.h"

namespace vx {

class AppDelegate {
 public:
  // One view per window slot.
  std::optional<HostView> t_View00, t_View01, t_View02, t_View03, t_View04, t_View05,
      t_View06, t_View07;
  std::optional<HostWindow> VirtualPrinterWindow;
  std::optional<HostView> VirtualPrinterScrollView, VirtualPrinterTextView, VirtualPrinterRuler;
  std::optional<HostWindow> SystemConsoleWindow;
  std::optional<HostView> SystemConsoleScrollView, SystemConsoleTextView, SystemConsoleRuler;
  std::optional<HostWindow> PasteboardWindow;
  std::optional<HostView> PasteboardScrollView, PasteboardTextView;
  std::optional<HostWindow> MainWindow;
  std::optional<HostWindow> PreferencesWindow;

  std::optional<HostView> slotview(int slot) const;  // t_View00 .. t_View07
  void setslotview(int slot, std::optional<HostView> view);

  // The user program that the launch sequence starts on the program thread.
  std::function<void()> program = [] {};

  void applicationWillFinishLaunching();
  void applicationDidFinishLaunching();
  void applicationWillTerminate();
  bool applicationShouldTerminateAfterLastWindowClosed() const { return false; }
};

// The one delegate of the process (never destroyed).
extern AppDelegate& appdelegate;

// Height of a host title bar in points, measured once at launch.
extern int64_t titlebarheight;

}  // namespace vx
