#include "console/program_end.h"

#include <pthread.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "console/cursor.h"
#include "console/display_mode.h"
#include "console/print.h"
#include "graphics/colors.h"
#include "host/host.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/platform.h"
#include "runtime/threads.h"
#include "windows/window_refresh.h"

namespace vx {
namespace {

// The closing message lands at the start of a fresh line below the last
// output, in normal display mode and colour 1, and is shown at once. Each call
// tests the window itself, so for a window that cannot show text its own
// report appears between the pieces of the quit line.
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


int64_t processthreads() {
  std::error_code failed;
  int64_t tasks = 0;
  for (std::filesystem::directory_iterator it("/proc/self/task", failed), end;
       !failed && it != end; it.increment(failed))
    ++tasks;
  return failed ? 0 : tasks;
}

// The threads that run before the program does: the main thread and those a
// sanitizer's runtime keeps for itself. Counted when the library is loaded.
// (ThreadSanitizer starts more of its own later, after a fork too: under it a
// quitting main thread waits for them.)
const int64_t threadsatstart = processthreads();

// Threads the program still has besides the calling one: neither those of
// the start nor the toolkit's background processes keep a process alive.
int64_t otherthreads() {
  return processthreads() - threadsatstart - runningbackgroundprocesses();
}

// Ends a thread the toolkit did not start, where nobody would catch ProgramQuit.
[[noreturn]] void endforeignthread() {
  if (onprocessinitialthread()) {
    // Ending the main thread ends the process once no other thread is left,
    // with status 0; the background processes are not waited for. Meanwhile
    // it goes on running what the others hand to it: a program thread that
    // waits for the main thread (to bring a window to the front, say) could
    // otherwise never end, and this thread would wait for it for ever.
    const bool servesmainthread = hostinstalled() && host().isMainThread();
    while (otherthreads() > 0) {
      if (servesmainthread) host().runHandedOverWork();
      sleepmilliseconds(servesmainthread ? 1 : 10);
    }
    std::exit(0);
  }
  // Unwinds the thread's stack like the toolkit's own threads.
  pthread_exit(nullptr);
}

}  // namespace

[[noreturn]] void t_QuitProgram(uint8_t window) {
  log("t_QuitProgram: Quitting current thread", "");
  if (t_GetHostWindow(window)) {
    leaveclosingmessage(window);
    log(" with message in window #" + std::to_string(window), "");
  }
  log(".");
  if (!threadstartedbytoolkit()) endforeignthread();
  // Unwinds the thread's stack; the thread entry catches it.
  throw ProgramQuit{};
}

}  // namespace vx
