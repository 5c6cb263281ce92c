#include "events/wait_key.h"

#include "console/cursor.h"
#include "events/event_state.h"
#include "runtime/threads.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

void waitforevents(uint8_t window) {
  if (EventsPending) return;
  t_CursorOn(window);
  markwaitingforkey();
  while (!EventsPending) sleepmilliseconds(10);
  WaitingForKey = false;
  t_CursorOff(window);
}

}  // namespace

std::string t_WaitKey(uint8_t window) {
  int64_t value = -1;
  while (value < 0) {
    waitforevents(window);
    value = t_GetEvent();
  }
  std::string character;
  appendscalar(character, isunicodescalar(value) ? static_cast<char32_t>(value) : U'\0');
  return character;
}

}  // namespace vx
