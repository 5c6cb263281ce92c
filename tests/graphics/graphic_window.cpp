#include "graphic_window.h"

#include <sstream>

namespace vxtest {

void opengraphicwindow(uint8_t slot, int64_t depth, int64_t width, int64_t height) {
  vx::useHeadlessHost();
  vx::t_InitWindow(slot, depth, false, width, height, 0, 0, vx::t_Font{}, true);
  vx::t_WindowVisible(slot, true);
}

vx::t_Font testfont(int64_t width, int64_t height) {
  vx::t_Font font;
  font.Format = 2;
  font.Width = width;
  font.Height = height;
  font.Start = 32;
  font.End = 127;
  font.Data.assign(static_cast<size_t>(width * height * 96), 0);
  return font;
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
