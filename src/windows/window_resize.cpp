#include "windows/window_resize.h"

#include "host/host.h"
#include "runtime/app_delegate.h"
#include "runtime/memory.h"

namespace vx {

void windowDidResize(HostWindow) {
  Host& h = host();
  const auto main = h.mainWindow();
  if (!main) return;
  const uint8_t number = t_FrontWindow();
  const Rect frame = h.windowFrame(*main);
  const double w = frame.width;
  const double ht = frame.height;
  const auto t = static_cast<double>(titlebarheight);
  std::optional<HostView> scroll, ruler;
  switch (number) {
    case PasteboardWindowNumber:
      if (appdelegate.PasteboardScrollView) h.setViewFrame(*appdelegate.PasteboardScrollView, {10, 10, w - 20, ht - 20 - t});
      return;
    case VirtualPrinterWindowNumber:
      scroll = appdelegate.VirtualPrinterScrollView;
      ruler = appdelegate.VirtualPrinterRuler;
      break;
    case SystemConsoleWindowNumber:
      scroll = appdelegate.SystemConsoleScrollView;
      ruler = appdelegate.SystemConsoleRuler;
      break;
    default: return;
  }
  if (scroll) h.setViewFrame(*scroll, {20, 20, w - 40, ht - 40 - t - 15});
  // The ruler keeps its place; only its size follows.
  if (ruler) {
    const Rect present = h.viewFrame(*ruler);
    h.setViewFrame(*ruler, {present.x, present.y, w - 48, 19});
  }
}

}  // namespace vx
