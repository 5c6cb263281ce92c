#include "runtime/memory.h"

#include <cstring>

#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/app_delegate.h"

namespace vx {

std::vector<uint8_t>& ToolkitMemory = *new std::vector<uint8_t>;

[[gnu::noinline]] void readpicturebytes(const uint8_t* from, size_t count, uint8_t* to) {
  std::memcpy(to, from, count);
}
int64_t HighMemory = 0;
std::array<t_Window, 8>& WindowTable = *new std::array<t_Window, 8>;
std::atomic<bool> MemoryStarted{false};
std::atomic<bool> MemoryReady{false};

std::optional<HostView> t_GetWindowView(uint8_t window) {
  return onmainthread([window] { return appdelegate.slotview(window); });
}

namespace {

std::optional<HostWindow> specialwindow(uint8_t window) {
  switch (window) {
    case PasteboardWindowNumber: return appdelegate.PasteboardWindow;
    case VirtualPrinterWindowNumber: return appdelegate.VirtualPrinterWindow;
    case SystemConsoleWindowNumber: return appdelegate.SystemConsoleWindow;
    case PreferencesWindowNumber: return appdelegate.PreferencesWindow;
    case MainWindowNumber: return appdelegate.MainWindow;
    default: return std::nullopt;
  }
}

std::optional<HostWindow> hostwindowonmain(uint8_t window) {
  if (window < 8) {
    const auto view = appdelegate.slotview(window);
    if (!view) return std::nullopt;
    return host().viewWindow(*view);
  }
  return specialwindow(window);
}

int64_t windownumberonmain(std::optional<HostWindow> window) {
  if (!window) return NoWindow;
  for (uint8_t n = PasteboardWindowNumber; n <= MainWindowNumber; ++n)
    if (specialwindow(n) == window) return n;
  for (uint8_t n = 0; n < 8; ++n)
    if (hostwindowonmain(n) == window) return n;
  return NoWindow;
}

}  // namespace

std::optional<HostWindow> t_GetHostWindow(uint8_t window) {
  return onmainthread([window] { return hostwindowonmain(window); });
}

int64_t t_WindowNumber(std::optional<HostWindow> window) {
  return onmainthread([window] { return windownumberonmain(window); }, int64_t{NoWindow});
}

uint8_t t_FrontWindow() {
  return onmainthread(
      [] {
        return static_cast<uint8_t>(windownumberonmain(host().mainWindow()));
      },
      NoWindow);
}

}  // namespace vx
