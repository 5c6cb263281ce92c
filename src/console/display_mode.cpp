#include "console/display_mode.h"

#include "console/console_window.h"

namespace vx {

void t_DisplayMode(uint8_t window, int64_t mode) {
  if (t_Window* slot = consolewindow("t_DisplayMode", window, ConsoleNeeds::InitializedSlot)) {
    slot->TextDisplayMode = mode;
  }
}

void t_RedirectOutput(uint8_t window, int64_t mode) {
  if (t_Window* slot = consolewindow("t_RedirectOutput", window, ConsoleNeeds::InitializedSlot)) {
    slot->TextRedirectOutput = mode;
  }
}

}  // namespace vx
