#include "events/close_box.h"

#include <string>

#include "runtime/log.h"
#include "runtime/memory.h"
#include "windows/window_placement.h"

namespace vx {

void t_MouseEventPostCloseBoxClick(uint8_t window) {
  t_WindowVisible(window, false);
  log("t_MouseEventPostCloseBoxClick: Window = " + std::to_string(window));
}

bool windowShouldClose(HostWindow window) {
  const int64_t number = t_WindowNumber(window);
  t_MouseEventPostCloseBoxClick(static_cast<uint8_t>(number));
  return false;
}

}  // namespace vx
