#include "graphic_window.h"

#include <sstream>

namespace vxtest {

void opengraphicwindow(uint8_t slot, int64_t depth, int64_t width, int64_t height) {
  vx::useHeadlessHost();
  vx::t_InitWindow(slot, depth, false, width, height, 0, 0, vx::t_Font{}, true);
  vx::t_WindowVisible(slot, true);
}

vx::t_Font testfont(int64_t width, int64_t height) {
  return {.Format = 2, .Start = 32, .End = 127, .Width = width, .Height = height,
          .Data = std::vector<uint8_t>(static_cast<size_t>(width * height * 96), 0)};
}

uint8_t* picture(uint8_t slot) {
  return vx::ToolkitMemory.data() + vx::WindowTable[slot].MemoryStart;
}

std::string withoutrefreshlines(const std::string& log) {
  std::istringstream in(log);
  std::string line, out;
  while (std::getline(in, line))
    if (line.rfind("t_WindowAutoUpdateProcess:", 0) != 0) out += line + "\n";
  return out;
}

}  // namespace vxtest
