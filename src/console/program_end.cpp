#include "console/program_end.h"

#include <string>

#include "console/cursor.h"
#include "console/display_mode.h"
#include "console/print.h"
#include "graphics/colors.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/threads.h"
#include "windows/window_refresh.h"

namespace vx {
namespace {

// The closing message lands at the start of a fresh line below the last
// output, in normal display mode and colour 1, and is shown at once.
void leaveclosingmessage(uint8_t window) {
  t_FullArea(window);
  t_CursorEnd(window);
  t_Htab(window, 1);
  t_DisplayMode(window, DisplayModeNormal);
  t_Normal(window);
  t_Color(window, 1);
  t_Print(window, "(Programm Ende)");
  t_WindowUpdate(window, false);
  sleepmilliseconds(100);
}

bool showstext(uint8_t window) {
  return window < WindowTable.size() && MemoryReady && WindowTable[window].Initialized &&
         WindowTable[window].TextMemoryStart >= 0;
}

}  // namespace

[[noreturn]] void t_QuitProgram(uint8_t window) {
  log("t_QuitProgram: Quitting current thread", "");
  if (t_GetHostWindow(window)) {
    // Only a text window can show the message; for any other slot the console
    // calls would splice their own reports into the middle of this line.
    if (showstext(window)) leaveclosingmessage(window);
    log(" with message in window #" + std::to_string(window), "");
  }
  log(".");
  // Unwinds the thread's stack; the thread entry catches it.
  throw ProgramQuit{};
}

}  // namespace vx
