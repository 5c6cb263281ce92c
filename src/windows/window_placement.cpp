#include "windows/window_placement.h"

#include <optional>

#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/app_delegate.h"
#include "runtime/beep.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "windows/window_geometry.h"

namespace vx {
namespace {

// The host window of `window`, or none after "<name>: Window does not exist.".
std::optional<HostWindow> existingwindow(const char* name, uint8_t window) {
  auto hostwindow = t_GetHostWindow(window);
  if (!hostwindow) log(std::string(name) + ": Window does not exist.");
  return hostwindow;
}

// The text view of a special text window, or none after its line and a beep.
std::optional<HostView> specialtextview(uint8_t window) {
  std::optional<HostView> view;
  const char* line = nullptr;
  switch (window) {
    case PasteboardWindowNumber:
      view = appdelegate.PasteboardTextView;
      line = "t_WindowVisible: Pasteboard window is nil, resource undefined.";
      break;
    case VirtualPrinterWindowNumber:
      view = appdelegate.VirtualPrinterTextView;
      line = "t_WindowVisible: Virtual printer window is nil, resource undefined.";
      break;
    default:
      view = appdelegate.SystemConsoleTextView;
      line = "t_WindowVisible: System console window is nil, resource undefined.";
      break;
  }
  if (!view) {
    log(line);
    t_Beep();
  }
  return view;
}

void showspecialtextwindow(uint8_t window, HostWindow hostwindow, bool visible) {
  const auto textview = specialtextview(window);
  if (!textview) return;
  Host& h = host();
  if (!visible) {
    h.orderOut(hostwindow);
    return;
  }
  // The pasteboard window shows what the pasteboard holds as text.
  if (window == PasteboardWindowNumber) h.setTextViewString(*textview, h.pasteboardString().value_or(""));
  h.orderFront(hostwindow);
  h.setNeedsDisplay(*textview);
}

void showwindow(uint8_t window, HostWindow hostwindow, bool visible) {
  Host& h = host();
  if (window >= PasteboardWindowNumber && window <= SystemConsoleWindowNumber) {
    showspecialtextwindow(window, hostwindow, visible);
    return;
  }
  if (visible) {
    h.orderFront(hostwindow);
  } else {
    h.orderOut(hostwindow);
  }
  if (window < 8) {
    WindowTable[window].Visible = visible;
    if (!visible) WindowTable[window].UpdateDuration = 0;
  }
}

std::optional<HostView> textscrollview(uint8_t window) {
  switch (window) {
    case PasteboardWindowNumber: return appdelegate.PasteboardScrollView;
    case VirtualPrinterWindowNumber: return appdelegate.VirtualPrinterScrollView;
    default: return appdelegate.SystemConsoleScrollView;
  }
}

void sizeslotwindow(uint8_t window, HostWindow hostwindow, Rect request) {
  const t_Window& w = WindowTable[window];
  const auto view = appdelegate.slotview(window);
  if (!MemoryReady || !w.Initialized || !view) {
    log("t_WindowSize: Window #" + std::to_string(window) + " not initialized.");
    return;
  }
  Host& h = host();
  const auto bw = static_cast<double>(w.BorderWidth);
  const auto bh = static_cast<double>(w.BorderHeight);
  h.setWindowFrame(hostwindow,
                   {request.x, request.y, request.width + 2 * bw,
                    request.height + static_cast<double>(w.TitleHeight) + 2 * bh},
                   true);
  h.setViewFrame(*view, {bw, bh, request.width, request.height});
}

// `passedwidth` and `passedheight` are the sizes as the caller gave them,
// before a -1 was replaced by the window's present size.
void sizespecialtextwindow(uint8_t window, HostWindow hostwindow, Rect request,
                           int64_t passedwidth, int64_t passedheight) {
  Host& h = host();
  if (h.isWindowVisible(hostwindow)) h.orderFront(hostwindow);
  h.setWindowFrame(hostwindow,
                   {request.x, request.y, request.width, request.height + static_cast<double>(titlebarheight)},
                   true);
  const auto scroll = textscrollview(window);
  if (!scroll) return;
  const Rect present = h.viewFrame(*scroll);
  // A size that is not positive leaves the text area's size as it is.
  const double width = passedwidth > 0 ? request.width : present.width + 40;
  const double height = passedheight > 0 ? request.height : present.height + 77;
  h.setViewFrame(*scroll, {present.x, present.y, width - 40, height - 77});
}

}  // namespace

void t_WindowCenter(uint8_t window) {
  const auto hostwindow = existingwindow("t_WindowCenter", window);
  if (!hostwindow) return;
  onmainthread([&] { host().centerWindow(*hostwindow); });
}

void t_WindowFront(uint8_t window) {
  const auto hostwindow = existingwindow("t_WindowFront", window);
  if (!hostwindow) return;
  t_WindowVisible(window, true);
  onmainthread([&] { host().makeKeyAndOrderFront(*hostwindow); });
}

void t_WindowVisible(uint8_t window, bool visible) {
  const auto hostwindow = existingwindow("t_WindowVisible", window);
  if (!hostwindow) return;
  onmainthread([&] { showwindow(window, *hostwindow, visible); });
}

void t_WindowTitle(uint8_t window, const std::string& title) {
  const auto hostwindow = existingwindow("t_WindowTitle", window);
  if (!hostwindow) return;
  Host& h = host();
  if (h.isMainThread()) {
    h.setWindowTitle(*hostwindow, title);
  } else {
    h.runOnMainAsync([hw = *hostwindow, title] { host().setWindowTitle(hw, title); });
  }
}

std::string t_WindowTitle(uint8_t window) {
  const auto hostwindow = existingwindow("t_WindowTitle", window);
  if (!hostwindow) return {};
  return onmainthread([&] { return host().windowTitle(*hostwindow); }, std::string{});
}

void t_WindowTitleVisible(uint8_t window, bool visible) {
  const auto hostwindow = existingwindow("t_WindowTitleVisible", window);
  if (!hostwindow) return;
  if (window < 8) WindowTable[window].TitleHeight = visible ? titlebarheight : 0;
  onmainthread([&] { host().setWindowTitled(*hostwindow, visible); });
}

void t_WindowSize(uint8_t window, int64_t x, int64_t y, int64_t width, int64_t height) {
  const auto hostwindow = existingwindow("t_WindowSize", window);
  if (!hostwindow) return;
  const int64_t passedwidth = width, passedheight = height;
  onmainthread([&] {
    if (x == -1) x = t_WindowPos(window, PosFrameX);
    if (y == -1) y = t_WindowPos(window, PosFrameY);
    if (width == -1) width = t_WindowPos(window, PosPictureWidth);
    if (height == -1) height = t_WindowPos(window, PosPictureHeight);
    const Rect request{static_cast<double>(x), static_cast<double>(y), static_cast<double>(width),
                       static_cast<double>(height)};
    if (window < 8) {
      sizeslotwindow(window, *hostwindow, request);
    } else if (window <= SystemConsoleWindowNumber) {
      sizespecialtextwindow(window, *hostwindow, request, passedwidth, passedheight);
    } else {
      host().setWindowFrame(*hostwindow,
                            {request.x, request.y, request.width,
                             request.height + static_cast<double>(titlebarheight)},
                            true);
    }
  });
}

}  // namespace vx
