#include "events/view_events.h"

#include <string>

#include "console/display_mode.h"
#include "events/event_state.h"
#include "events/key_table.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/saturating.h"
#include "runtime/threads.h"

namespace vx {
namespace {

bool isslot(int slot) { return slot >= 0 && slot < static_cast<int>(WindowTable.size()); }

bool initialisedslot(int slot) { return MemoryReady && isslot(slot) && WindowTable[slot].Initialized; }

// The fields that key and mouse events share.
t_Event baseevent(int64_t kind, int slot, uint64_t flags) {
  t_Event event;
  event.Kind = kind;
  event.Mods = static_cast<int64_t>((flags >> 16) & 0xFFFF);
  event.Window = static_cast<uint8_t>(slot);
  event.Time = eventtime();
  event.CapsLockPressed = (flags & CapsLockModifier) != 0;
  event.ShiftPressed = (flags & ShiftModifier) != 0;
  event.ControlPressed = (flags & ControlModifier) != 0;
  event.OptionPressed = (flags & OptionModifier) != 0;
  event.CommandPressed = (flags & CommandModifier) != 0;
  event.NumericPadPressed = (flags & NumericPadModifier) != 0;
  event.HelpPressed = (flags & HelpModifier) != 0;
  return event;
}

// A click coordinate inside the picture, or -1 before it, -2 beyond it.
int64_t clickcoordinate(int64_t position, int64_t extent) {
  if (position < 0) return -1;
  if (position >= extent) return -2;
  return position;
}

void runmouseprocedure() {
  const std::function<void()> procedure = MouseEventProcedure.get();
  startbackgroundprocess([procedure] {
    if (threadnumber() >= 3) setthreadname("t_EventMouse");
    if (procedure) procedure();
  });
}

}  // namespace

void viewKeyDown(int slot, const HostKeyEvent& event) {
  if (MemoryReady) {
    if (!initialisedslot(slot)) {
      log("viewKeyDown: Graphic window (" + std::to_string(slot) + ") not initialized.");
    } else if (!WindowTable[slot].IgnoreEvents) {
      t_KeyEventHandler(slot, event);
    }
  }
  KeyDown = true;
}

void viewKeyUp(int) { KeyDown = false; }

void viewMouseDown(int slot, const HostMouseEvent& event, bool right) {
  if (MemoryReady) {
    if (!initialisedslot(slot)) {
      log("viewMouseDown: Graphic window (" + std::to_string(slot) + ") not initialized.");
    } else if (!WindowTable[slot].IgnoreEvents) {
      t_MouseEventHandler(slot, event, event.windowX, event.windowY);
    }
  }
  LeftMouseDown = !right;
  RightMouseDown = right;
}

void viewMouseUp(int) {
  LeftMouseDown = false;
  RightMouseDown = false;
}

void viewFlagsChanged(int, uint64_t modifierFlags) { storemodifierstate(modifierFlags); }

void t_KeyEventHandler(int slot, const HostKeyEvent& host) {
  storemodifierstate(host.modifierFlags);
  const KeyTranslation key = translatekey(host.keyCode, host.characters, host.modifierFlags);
  if (key.outcome == KeyTranslation::Outcome::Redirect) {
    if (isslot(slot)) t_RedirectOutput(static_cast<uint8_t>(slot), key.redirect);
    return;
  }
  if (key.outcome == KeyTranslation::Outcome::NoEvent || !isslot(slot)) return;
  t_Event event = baseevent(1, slot, host.modifierFlags);
  event.Index = host.keyCode;
  event.Description = host.characters;
  event.Value = key.value;
  event.FnPressed = (host.modifierFlags & FunctionModifier) != 0;
  event.CursorKeyPressed = key.cursorkey;
  event.FunctionKeyPressed = key.functionkey;
  queuekeyevent(std::move(event));
}

void t_MouseEventHandler(int slot, const HostMouseEvent& host, double x, double y) {
  // A host position beyond Int (or not a number) must not make the click
  // arithmetic overflow: it is held at Int's ends (not-a-number counts as 0).
  const int64_t X = truncatedint(x);
  const int64_t Y = truncatedint(y);
  std::string label;
  int64_t clickx = -3;
  int64_t clicky = -3;
  auto reading = readslotgeometry();  // the record whole, not while it is re-made
  if (initialisedslot(slot)) {
    const t_Window& w = WindowTable[slot];
    clickx = clickcoordinate(satsub(X, w.BorderWidth), w.Width);
    clicky = clickcoordinate(satsub(satadd(w.BorderHeight, w.Height), Y), w.Height);
    reading.unlock();
    t_Event event = baseevent(2, slot, host.modifierFlags);
    event.Index = static_cast<int64_t>(host.pressedButtons);
    event.WindowX = X;
    event.WindowY = Y;
    event.ClickX = clickx;
    event.ClickY = clicky;
    event.FunctionKeyPressed = (host.modifierFlags & FunctionModifier) != 0;
    MouseEventQueue.append(std::move(event));
    label = "Graphic #" + std::to_string(slot);
  } else if (slot >= 8 || slot < 0) {
    reading.unlock();
    log("t_MouseEventHandler: Unknown window, AbsX = " + std::to_string(X) +
        ", AbsY = " + std::to_string(Y));
  } else {
    reading.unlock();
    log("t_MouseEventHandler: Window #" + std::to_string(slot) + " not initialized.");
  }
  log("t_MouseEventHandler: " + label + " window, X = " + std::to_string(clickx) +
      ", Y = " + std::to_string(clicky));
  MouseEventPending = MouseEventQueue.size() > 0;
  runmouseprocedure();
  log("t_MouseEventHandler: Calling program mouse handler asynchronously.");
}

}  // namespace vx
