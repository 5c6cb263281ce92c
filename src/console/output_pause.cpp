#include "console/output_pause.h"

#include <optional>

#include "events/event_state.h"
#include "events/menu_table.h"
#include "runtime/threads.h"

namespace vx {
namespace {

bool mostrecentkeyis(int64_t value) {
  const int64_t count = EventQueue.size();
  if (count == 0) return false;
  const std::optional<t_Event> last = EventQueue.at(count - 1);
  return last && last->Value == value;
}

}  // namespace

bool t_CheckPause(int64_t value, bool wait) {
  if (!mostrecentkeyis(value)) return false;
  // Counted before the keys go: a menu event that arrives once the queue is
  // empty must end the pause, not be taken for one that was already there.
  const int64_t menuevents = MenuEventQueue.size();
  discardkeyevents();
  if (!wait) return true;
  while (EventQueue.size() == 0 && MenuEventQueue.size() == menuevents) sleepmilliseconds(10);
  // A menu event is left for its handler; a key is used up here.
  if (EventQueue.size() > 0) t_GetEvent();
  return true;
}

}  // namespace vx
