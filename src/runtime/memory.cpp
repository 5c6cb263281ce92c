#include "runtime/memory.h"

#include <cstring>

#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/app_delegate.h"

namespace vx {

std::vector<uint8_t>& ToolkitMemory = *new std::vector<uint8_t>;

// Under ThreadSanitizer the copy is left uninstrumented and made byte by
// byte (memcpy would be checked by its interceptor): a recorded read of every
// pixel a view copies makes each later write of that pixel by the drawing
// thread a race report, and checking thousands of them against the
// suppressions slows drawing and printing to a crawl. The deliberate race
// stays out of its view; every other access is still checked.
#if defined(__SANITIZE_THREAD__)
#define VX_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VX_THREAD_SANITIZER 1
#endif
#endif

#ifdef VX_THREAD_SANITIZER
[[gnu::noinline]] __attribute__((no_sanitize("thread"))) void readpicturebytes(const uint8_t* from, size_t count,
                                                                              uint8_t* to) {
  const volatile uint8_t* source = from;
  for (size_t i = 0; i < count; ++i) to[i] = source[i];
}
#else
[[gnu::noinline]] void readpicturebytes(const uint8_t* from, size_t count, uint8_t* to) {
  std::memcpy(to, from, count);
}
#endif

int64_t HighMemory = 0;
std::array<t_Window, 8>& WindowTable = *new std::array<t_Window, 8>;
std::atomic<bool> MemoryStarted{false};
std::atomic<bool> MemoryReady{false};

std::shared_mutex& slotgeometrylock() {
  static std::shared_mutex& lock = *new std::shared_mutex;
  return lock;
}

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
