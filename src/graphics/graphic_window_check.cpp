#include "graphics/graphic_window_check.h"

#include <string>

#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {

bool graphicwindowready(const char* name, uint8_t window) {
  if (window >= 8) {
    log(std::string(name) + ": Window is not a graphic window.");
    return false;
  }
  if (!MemoryReady || !WindowTable[window].Initialized) {
    log(std::string(name) + ": Graphic window #" + std::to_string(window) + " not initialized.");
    return false;
  }
  return true;
}

}  // namespace vx
