#pragma once
// What the slot views do with the key and mouse events the host hands them.
// Hosts call these on the main thread with the view's slot number.
#include <cstdint>

#include "host/host_events.h"

namespace vx {

void viewKeyDown(int slot, const HostKeyEvent& event);
void viewKeyUp(int slot);
void viewMouseDown(int slot, const HostMouseEvent& event, bool right);
void viewMouseUp(int slot);
void viewFlagsChanged(int slot, uint64_t modifierFlags);

// Translates a key press of slot `slot` and queues it (or acts on it).
void t_KeyEventHandler(int slot, const HostKeyEvent& event);
// Queues a click at window position (x, y), reports it, and starts the
// program's mouse procedure on a process of its own.
void t_MouseEventHandler(int slot, const HostMouseEvent& event, double x, double y);

}  // namespace vx
