#include "events/event_state.h"

#include <mutex>

#include "host/host.h"

namespace vx {

GuardedList<t_Event>& EventQueue = *new GuardedList<t_Event>;
std::atomic<bool> EventsPending{false};
std::atomic<bool> WaitingForKey{false};
Guarded<t_Event>& CurrentEvent = *new Guarded<t_Event>;
GuardedList<t_Event>& MouseEventQueue = *new GuardedList<t_Event>;
std::atomic<bool> MouseEventPending{false};
Guarded<std::function<void()>>& MouseEventProcedure =
    *new Guarded<std::function<void()>>(std::function<void()>([] {}));
std::atomic<bool> LeftMouseDown{false};
std::atomic<bool> RightMouseDown{false};
std::atomic<bool> KeyDown{false};
t_ModifierState& ModifierState = *new t_ModifierState;

namespace {
// Orders WaitingForKey against the delivery of keys.
std::mutex& keywait = *new std::mutex;
}  // namespace

void queuekeyevent(t_Event event) {
  std::lock_guard lock(keywait);
  EventQueue.append(std::move(event));
  EventsPending = true;  // after the append, so a taker that cleared the flag sees it again
  WaitingForKey = false;
}

void markwaitingforkey() {
  std::lock_guard lock(keywait);
  if (!EventsPending) WaitingForKey = true;
}

void refresheventspending() {
  EventsPending = EventQueue.size() > 0;
  // An append between the size test and the store above raised the flag
  // before we lowered it: look once more.
  if (!EventsPending && EventQueue.size() > 0) EventsPending = true;
}

void discardkeyevents() {
  EventQueue.clear();
  refresheventspending();
}

int64_t t_GetEvent() {
  if (!EventsPending) return -1;
  std::optional<t_Event> oldest = EventQueue.takefirst();
  refresheventspending();
  if (!oldest) return -1;
  CurrentEvent.set(*oldest);
  return oldest->Value;
}

void storemodifierstate(uint64_t modifierFlags) {
  ModifierState.CapsLock = (modifierFlags & CapsLockModifier) != 0;
  ModifierState.Shift = (modifierFlags & ShiftModifier) != 0;
  ModifierState.Control = (modifierFlags & ControlModifier) != 0;
  ModifierState.Option = (modifierFlags & OptionModifier) != 0;
  ModifierState.Command = (modifierFlags & CommandModifier) != 0;
  ModifierState.Function = (modifierFlags & FunctionModifier) != 0;
}

int64_t eventtime() { return static_cast<int64_t>(host().absoluteTime() * 1000.0); }

}  // namespace vx
