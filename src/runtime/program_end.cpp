#include "runtime/program_end.h"

#include <string>

#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/threads.h"

namespace vx {

[[noreturn]] void t_QuitProgram(uint8_t window) {
  log("t_QuitProgram: Quitting current thread", "");
  if (t_GetHostWindow(window)) {
    // The closing message lands at the start of a fresh line below the last
    // output, in normal display mode and colour 1, and is shown at once.
    // (The text calls are added with the console.)
    sleepmilliseconds(100);
    log(" with message in window #" + std::to_string(window), "");
  }
  log(".");
  // Unwinds the thread's stack; the thread entry catches it.
  throw ProgramQuit{};
}

}  // namespace vx
