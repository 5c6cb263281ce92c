#pragma once
// The close box of a host window only hides the window; it is never closed.
#include <cstdint>

#include "runtime/types.h"

namespace vx {
void t_MouseEventPostCloseBoxClick(uint8_t window);
// What the host asks when the user presses a window's close box: the window
// is hidden, and the answer (false) keeps it from being closed.
bool windowShouldClose(HostWindow window);
}  // namespace vx
