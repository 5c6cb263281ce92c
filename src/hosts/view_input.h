#pragma once
// What a host hands to the toolkit when the user acts on its interface: key
// and mouse events on the slot views, a window's close box and a chosen menu
// item. Every host (desktop, headless driver) calls these on the main thread;
// they pass the event on to the toolkit's event handling.
#include <cstdint>
#include <string>

#include "host/host.h"
#include "host/host_events.h"
#include "runtime/types.h"

namespace vx {

void deliverkeydown(int slot, const HostKeyEvent& event);
void deliverkeyup(int slot);
void delivermousedown(int slot, const HostMouseEvent& event, bool right);
void delivermouseup(int slot);
void deliverflagschanged(int slot, uint64_t flags);
// The close box of a host window was pressed; the host only hides the window.
void delivercloserequest(HostWindow window);
// A menu item whose role is the delegate's menu handler was chosen.
void delivermenuchoice(const MenuItemInfo& item, const std::string& menuTitle);

}  // namespace vx
