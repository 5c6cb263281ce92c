#include "console/console_window.h"

#include <string>

#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {

void lognotgraphicwindow(std::string_view caller) {
  log(std::string(caller) + ": Window is not a graphic window.");
}

void lognotinitialized(std::string_view caller, uint8_t window) {
  log(std::string(caller) + ": Window #" + std::to_string(window) + " not initialized.");
}

t_Window* consolewindow(std::string_view caller, uint8_t window, ConsoleNeeds needs) {
  if (window >= WindowTable.size()) {
    lognotgraphicwindow(caller);
    return nullptr;
  }
  t_Window& slot = WindowTable[window];
  const bool textmissing = needs == ConsoleNeeds::TextMemory && slot.TextMemoryStart < 0;
  if (!MemoryReady || !slot.Initialized || textmissing) {
    lognotinitialized(caller, window);
    return nullptr;
  }
  return &slot;
}

}  // namespace vx
