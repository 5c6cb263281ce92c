#include "graphics/colors.h"

#include <string>

#include "graphics/palette.h"
#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {
namespace {

// The checks shared by the three setters; false (after its line) when the
// window cannot take a colour.
bool colourwindowready(const char* name, uint8_t window) {
  if (window >= 8) {
    log(std::string(name) + ": Window is not a graphic window.");
    return false;
  }
  if (!MemoryReady || !WindowTable[window].Initialized) {
    log(std::string(name) + ": Window #" + std::to_string(window) + " not initialized.");
    return false;
  }
  return true;
}

void setdrawingcolour(uint8_t window, int64_t colour, uint8_t lownibble) {
  t_Window& w = WindowTable[window];
  const int64_t index = paletteindex(colour);
  w.TextColor = static_cast<uint8_t>(index * 16 + lownibble);
  w.RGBColor = t_PaletteColor(index);
}

}  // namespace

int64_t paletteindex(int64_t colour) { return ((colour % 16) + 16) % 16; }

void t_Color(uint8_t window, int64_t colour) {
  if (!colourwindowready("t_Color", window)) return;
  setdrawingcolour(window, colour, WindowTable[window].TextColor % 16);
}

void t_Color(uint8_t window, int64_t colour, int64_t second) {
  if (!colourwindowready("t_Color", window)) return;
  setdrawingcolour(window, colour, static_cast<uint8_t>(paletteindex(second)));
}

void t_ColorBorder(uint8_t window, int64_t colour) {
  if (!colourwindowready("t_ColorBorder", window)) return;
  t_Window& w = WindowTable[window];
  w.RGBColorBorder = t_PaletteColor(paletteindex(colour));
  const auto hostwindow = w.Window;
  const t_RGBColor border = w.RGBColorBorder;
  if (!hostwindow) return;
  onmainthread([&] { host().setWindowBackgroundColor(*hostwindow, border); });
}

}  // namespace vx
