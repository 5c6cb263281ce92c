#include "host/view_input.h"

#include "events/menu_handler.h"

namespace vx {

// The toolkit's view entry points are switched on here as the event handling
// provides them; until then a host's key and mouse events end at this file.
void deliverkeydown(int, const HostKeyEvent&) {}
void deliverkeyup(int) {}
void delivermousedown(int, const HostMouseEvent&, bool) {}
void delivermouseup(int) {}
void deliverflagschanged(int, uint64_t) {}
void delivercloserequest(HostWindow) {}

void delivermenuchoice(const MenuItemInfo& item, const std::string& menuTitle) {
  t_MenuEventHandler(item, menuTitle);
}

}  // namespace vx
