#include <algorithm>
#include <cstring>

#include "graphics/pixel_surface.h"
#include "runtime/memory.h"
#include "windows/window_init.h"

namespace vx {
namespace {

// The cells of the text block that lie inside it: the attribute plane starts
// at its middle, so at most half the block's bytes are cells.
void cleartextcells(const t_Window& w) {
  const int64_t memorysize = static_cast<int64_t>(ToolkitMemory.size());
  if (w.TextMemoryStart < 0 || w.TextMemoryEnd < w.TextMemoryStart || w.TextMemoryEnd >= memorysize) return;
  if (w.TextWidth <= 0 || w.TextHeight <= 0) return;
  const int64_t half = (w.TextMemoryEnd - w.TextMemoryStart + 1) / 2;
  // Compared by division first, so that no product of the fields can overflow.
  const int64_t cells =
      w.TextHeight > half / w.TextWidth ? half : std::min(w.TextWidth * w.TextHeight, half);
  uint8_t* characters = ToolkitMemory.data() + w.TextMemoryStart;
  std::fill_n(characters, cells, uint8_t{0x20});
  std::fill_n(characters + half, cells, w.TextColor);
}

}  // namespace

void t_ClearWindowMemory(uint8_t window) {
  if (window >= 8) return;
  const PixelSurface s = pixelsurface(window);
  if (s.data != nullptr) std::memset(s.data, 0, static_cast<size_t>(s.rowbytes * s.height));
  cleartextcells(WindowTable[window]);
}

}  // namespace vx
