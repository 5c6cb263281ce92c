#pragma once
// The built-in menu commands behind the registered action codes.
#include <cstdint>
#include <string>
#include <vector>

#include "events/menu_table.h"
#include "runtime/guarded.h"

namespace vx {

// What the virtual printer and the system console have received; their clear
// commands empty these.
extern Guarded<std::vector<uint8_t>>& VirtualPrinterBuffer;
extern Guarded<std::vector<uint8_t>>& SystemConsoleBuffer;

// Window text on its way to the pasteboard: the font's graphic characters
// become the ASCII signs they look like.
std::string pasteboardtext(const std::string& text);

// Carries out the command of `entry.Action`; the panel commands write the
// chosen file back into the entry. Runs on the main thread.
void runmenucommand(t_MenuAction& entry);

// The delegate's action for buttons: nothing to do.
void ButtonHandler();

}  // namespace vx
