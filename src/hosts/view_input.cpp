#include "hosts/view_input.h"

#include "events/close_box.h"
#include "events/menu_handler.h"
#include "events/view_events.h"

namespace vx {

void deliverkeydown(int slot, const HostKeyEvent& event) { viewKeyDown(slot, event); }
void deliverkeyup(int slot) { viewKeyUp(slot); }
void delivermousedown(int slot, const HostMouseEvent& event, bool right) {
  viewMouseDown(slot, event, right);
}
void delivermouseup(int slot) { viewMouseUp(slot); }
void deliverflagschanged(int slot, uint64_t flags) { viewFlagsChanged(slot, flags); }
void delivercloserequest(HostWindow window) { windowShouldClose(window); }

void delivermenuchoice(const MenuItemInfo& item, const std::string& menuTitle) {
  t_MenuEventHandler(item, menuTitle);
}

}  // namespace vx
