#include "runtime/app_delegate.h"

#include "host/host.h"
#include "runtime/log.h"
#include "runtime/tables.h"
#include "runtime/threads.h"

namespace vx {

AppDelegate& appdelegate = *new AppDelegate;
int64_t titlebarheight = 0;

namespace {
constexpr int64_t programstacksize = 0x40000000;  // 1 GiB for the user program
}

std::optional<HostView> AppDelegate::slotview(int slot) const {
  switch (slot) {
    case 0: return t_View00;
    case 1: return t_View01;
    case 2: return t_View02;
    case 3: return t_View03;
    case 4: return t_View04;
    case 5: return t_View05;
    case 6: return t_View06;
    case 7: return t_View07;
    default: return std::nullopt;
  }
}

void AppDelegate::setslotview(int slot, std::optional<HostView> view) {
  std::optional<HostView>* views[] = {&t_View00, &t_View01, &t_View02, &t_View03,
                                      &t_View04, &t_View05, &t_View06, &t_View07};
  if (slot >= 0 && slot < 8) *views[slot] = view;
}

void AppDelegate::applicationWillFinishLaunching() {
  log("applicationWillFinishLaunching: Called.");
  if (threadnumber() == 1) host().setCurrentThreadName("AppDelegate");
}

void AppDelegate::applicationDidFinishLaunching() {
  log("applicationDidFinishLaunching: Start.");
  initvxtools();
  // The title bar's height: the pasteboard window's frame minus its scroll
  // view, which sits 10 points from each edge.
  if (PasteboardScrollView) {
    Host& h = host();
    if (const auto window = h.viewWindow(*PasteboardScrollView)) {
      titlebarheight = static_cast<int64_t>(h.windowFrame(*window).height -
                                            h.viewFrame(*PasteboardScrollView).height - 20);
    }
  }
  log("Program: Start.");
  startprocess(program, programstacksize);
  log("applicationDidFinishLaunching: End.");
}

void AppDelegate::applicationWillTerminate() { log("applicationWillTerminate: Called."); }

}  // namespace vx
