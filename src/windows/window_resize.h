#pragma once
#include "runtime/types.h"

namespace vx {
// Called by the host on the main thread when the user has resized a window:
// the text area of the pasteboard, virtual printer or system console window,
// whichever is the main window, follows the new size. The resized window
// itself is not consulted: the layout follows the application's main window.
void windowDidResize(HostWindow resized);
}  // namespace vx
