#pragma once
// Whether a menu item can do anything at the moment, so that a host can show
// the items that cannot as disabled instead of letting them beep or do nothing.
#include <cstdint>

namespace vx {

// False for an item whose built-in command has nothing to act on now: copying
// text while the front window holds none, clearing a printer or console
// window that shows nothing, showing or hiding a slot window that does not
// exist, and the preferences window, which has nothing to show. Items of a
// program's own (no registered action) stay available. Main thread only.
bool menuitemavailable(int64_t tag);

}  // namespace vx
