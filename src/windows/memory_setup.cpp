#include "windows/memory_setup.h"

#include "events/menu_table.h"
#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/app_delegate.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/threads.h"

namespace vx {
namespace {

void preparepasteboardview() {
  onmainthread([] {
    const auto view = appdelegate.PasteboardTextView;
    if (!view) return;
    Host& h = host();
    h.preparePlainTextView(*view);
    h.setTextViewString(*view, "");
    h.setNeedsDisplay(*view);
  });
}

}  // namespace

void t_InitMemory() {
  bool expected = false;
  if (!MemoryStarted.compare_exchange_strong(expected, true)) return;
  // Logged after claiming the start, so that a second caller logs nothing.
  log("t_InitMemory: Start.");
  if (threadnumber() == 2) host().setCurrentThreadName("Main Program");
  HighMemory = InitialHighMemory;
  ToolkitMemory.assign(ToolkitMemorySize, 0xFF);
  WindowTable.fill(t_Window{});
  menusetup();
  preparepasteboardview();
  MemoryReady = true;
  log("t_InitMemory: End.");
}

void t_EnsureMemory() {
  if (!MemoryStarted) {
    t_InitMemory();
    return;
  }
  while (!MemoryReady) sleepmilliseconds(10);
}

}  // namespace vx
