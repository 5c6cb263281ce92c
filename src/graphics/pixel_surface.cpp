#include "graphics/pixel_surface.h"

#include <algorithm>

#include "runtime/memory.h"

namespace vx {

namespace {

bool overlaps(int64_t start, int64_t end, int64_t otherstart, int64_t otherend) {
  return otherstart >= 0 && otherstart <= otherend && start <= otherend && otherstart <= end;
}

// Whether [start, end] reaches into memory that belongs to another slot, or
// into this slot's own text block.
bool reachesforeignblock(uint8_t slot, int64_t start, int64_t end) {
  const t_Window& own = WindowTable[slot];
  if (overlaps(start, end, own.TextMemoryStart, own.TextMemoryEnd)) return true;
  for (uint8_t n = 0; n < WindowTable.size(); ++n) {
    if (n == slot) continue;
    const t_Window& other = WindowTable[n];
    if (!other.Initialized) continue;
    if (overlaps(start, end, other.MemoryStart, other.MemoryEnd)) return true;
    if (overlaps(start, end, other.TextMemoryStart, other.TextMemoryEnd)) return true;
  }
  return false;
}

}  // namespace

PixelSurface pixelsurface(uint8_t slot) {
  PixelSurface s;
  if (slot >= WindowTable.size()) return s;
  const t_Window& w = WindowTable[slot];
  s.depth = w.BitDepth;
  if (!isSupportedBitDepth(w.BitDepth)) {
    s.width = std::max<int64_t>(w.Width, 0);
    s.height = std::max<int64_t>(w.Height, 0);
    return s;
  }
  // A 1- or 4-bit row covers only whole bytes.
  const int64_t width = w.BitDepth == 1 ? w.Width / 8 * 8 : w.BitDepth == 4 ? w.Width / 2 * 2 : w.Width;
  const int64_t memorysize = static_cast<int64_t>(ToolkitMemory.size());
  // A row longer than the whole memory fits nowhere, and one of no pixels
  // holds none (either byte count could overflow).
  if (width <= 0 || width > memorysize) return {};
  const int64_t rowbytes = pictureRowBytes(w.BitDepth, width);
  const int64_t start = w.MemoryStart;
  const int64_t end = std::min(w.MemoryEnd, memorysize - 1);
  if (width <= 0 || w.Height <= 0 || rowbytes <= 0 || start < 0 || end < start) return {};
  const int64_t rows = std::min(w.Height, (end - start + 1) / rowbytes);
  if (rows <= 0) return {};
  if (reachesforeignblock(slot, start, start + rows * rowbytes - 1)) return {};
  s.data = ToolkitMemory.data() + start;
  s.width = width;
  s.height = rows;
  s.rowbytes = rowbytes;
  return s;
}

}  // namespace vx
