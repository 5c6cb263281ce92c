#pragma once
/// \file
/// The event queues and the button and modifier state. Views append on the main
/// thread; the program thread takes key events; only the mouse procedure takes
/// mouse events.
#include <atomic>
#include <cstdint>
#include <functional>

#include "events/event_record.h"
#include "runtime/guarded.h"
#include "runtime/shared_field.h"

namespace vx {

/// The modifier keys as last reported by the host.
struct t_ModifierState {
  Shared<bool> CapsLock = false;  ///< caps lock is on
  Shared<bool> Shift = false;  ///< shift is held
  Shared<bool> Control = false;  ///< control is held
  Shared<bool> Option = false;  ///< option (alt) is held
  Shared<bool> Command = false;  ///< command is held
  Shared<bool> Function = false;  ///< the function modifier is held
};

/// The key events not yet taken, oldest first; t_GetEvent and t_WaitKey take them.
extern GuardedList<t_Event>& EventQueue;
/// Whether EventQueue holds a key event.
extern std::atomic<bool> EventsPending;
/// t_WaitKey is waiting for a key with its cursor drawn, and no key has come
/// since. The program thread writes nothing meanwhile, so a thread that sees it
/// set may read the window memory until it delivers a key (which clears it).
extern std::atomic<bool> WaitingForKey;
/// The key event t_GetEvent or t_WaitKey took last.
extern Guarded<t_Event>& CurrentEvent;
/// Every click on a slot view, in order; the program's MouseEventProcedure
/// reads it (the toolkit only appends).
extern GuardedList<t_Event>& MouseEventQueue;
/// Set at every click appended to MouseEventQueue.
extern std::atomic<bool> MouseEventPending;
/// The program's procedure for clicks: it runs on a thread of its own after
/// each click on a slot view is queued. By default it does nothing.
extern Guarded<std::function<void()>>& MouseEventProcedure;
extern std::atomic<bool> LeftMouseDown;  ///< the left button is down over a slot view
extern std::atomic<bool> RightMouseDown;  ///< the right button is down over a slot view
extern std::atomic<bool> KeyDown;  ///< a key is held down in a slot view
extern t_ModifierState& ModifierState;  ///< the modifier keys as the host last reported them

/// Appends a key event, raises EventsPending and clears WaitingForKey.
void queuekeyevent(t_Event event);
/// Sets WaitingForKey unless a key is pending (one lock with queuekeyevent).
void markwaitingforkey();
/// Sets EventsPending from the queue without losing an append that races with it.
void refresheventspending();
/// Discards every queued key event.
void discardkeyevents();
/// Takes the oldest key event into CurrentEvent and answers its Value; -1 when
/// there is none (CurrentEvent then stays as it was).
int64_t t_GetEvent();

/// Records the modifier bits 16..20 and 23 of host modifier flags.
void storemodifierstate(uint64_t modifierFlags);
/// The host clock in whole milliseconds.
int64_t eventtime();

}  // namespace vx
