#pragma once
// The event queues and the button and modifier state. Views append on the main
// thread; the program thread takes key events; only the mouse procedure takes
// mouse events.
#include <atomic>
#include <cstdint>
#include <functional>

#include "events/event_record.h"
#include "runtime/guarded.h"
#include "runtime/shared_field.h"

namespace vx {

// The modifier keys as last reported by the host.
struct t_ModifierState {
  Shared<bool> CapsLock = false;
  Shared<bool> Shift = false;
  Shared<bool> Control = false;
  Shared<bool> Option = false;
  Shared<bool> Command = false;
  Shared<bool> Function = false;
};

extern GuardedList<t_Event>& EventQueue;
extern std::atomic<bool> EventsPending;
// t_WaitKey is waiting for a key with its cursor drawn, and no key has come
// since. The program thread writes nothing meanwhile, so a thread that sees it
// set may read the window memory until it delivers a key (which clears it).
extern std::atomic<bool> WaitingForKey;
extern Guarded<t_Event>& CurrentEvent;
extern GuardedList<t_Event>& MouseEventQueue;
extern std::atomic<bool> MouseEventPending;
extern Guarded<std::function<void()>>& MouseEventProcedure;  // default: does nothing
extern std::atomic<bool> LeftMouseDown;
extern std::atomic<bool> RightMouseDown;
extern std::atomic<bool> KeyDown;
extern t_ModifierState& ModifierState;

// Appends a key event, raises EventsPending and clears WaitingForKey.
void queuekeyevent(t_Event event);
// Sets WaitingForKey unless a key is pending (one lock with queuekeyevent).
void markwaitingforkey();
// Sets EventsPending from the queue without losing an append that races with it.
void refresheventspending();
// Discards every queued key event.
void discardkeyevents();
// Takes the oldest key event into CurrentEvent and answers its Value; -1 when
// there is none (CurrentEvent then stays as it was).
int64_t t_GetEvent();

// Records the modifier bits 16..20 and 23 of host modifier flags.
void storemodifierstate(uint64_t modifierFlags);
// The host clock in whole milliseconds.
int64_t eventtime();

}  // namespace vx
