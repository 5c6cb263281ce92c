#include "windows/video_memory.h"

#include <algorithm>
#include <cstring>

#include "runtime/conversions.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {

int64_t blockstart(int64_t top, int64_t need) { return (top - need + 1) & ~int64_t{0x3FF}; }

int64_t carveblock(int64_t need) {
  const int64_t start = blockstart(HighMemory, need);
  HighMemory = start - 1;
  return start;
}

std::string kibtext(int64_t bytes) {
  return doubletoformattedstring(-1, 0, 2, true, static_cast<double>(bytes) / 1024.0);
}

std::string addresstext(int64_t value) {
  std::string text(1, '$');
  return text.append(uint32tohexstring(static_cast<uint64_t>(value)));
}

namespace {

// Moves [start, end] up by `distance` bytes when source and target both lie
// in the toolkit memory; the overlapping move keeps every byte.
void slideup(int64_t start, int64_t end, int64_t distance) {
  const int64_t size = static_cast<int64_t>(ToolkitMemory.size());
  if (start < 0 || end < start || distance < 0 || end + distance >= size) return;
  std::memmove(ToolkitMemory.data() + start + distance, ToolkitMemory.data() + start,
               static_cast<size_t>(end - start + 1));
}

void logmove(const std::string& prefix, const char* kind, int i, int64_t start, int64_t end,
             int64_t size, const std::string& targetmark) {
  log(prefix + " moving " + kind + " block for win #" + std::to_string(i), "");
  // One "$" marks each range, before its first address; the graphic block's
  // target range goes without it.
  log(addresstext(start) + "..." + uint32tohexstring(static_cast<uint64_t>(end)) + " to", "");
  log(targetmark + uint32tohexstring(static_cast<uint64_t>(start + size)) + "..." +
      uint32tohexstring(static_cast<uint64_t>(end + size)));
}

void slidewindow(const std::string& prefix, int i, int64_t freedtop, int64_t size) {
  t_Window& w = WindowTable[static_cast<size_t>(i)];
  logmove(prefix, "graphic", i, w.MemoryStart, w.MemoryEnd, size, "");
  slideup(w.MemoryStart, w.MemoryEnd, size);
  if (w.TextMemoryStart >= 0 && w.TextMemoryStart < freedtop) {
    logmove(prefix, "text", i, w.TextMemoryStart, w.TextMemoryEnd, size, "$");
    slideup(w.TextMemoryStart, w.TextMemoryEnd, size);
    w.TextMemoryStart += size;
    w.TextMemoryEnd += size;
  }
  w.MemoryStart += size;
  w.MemoryEnd += size;
}

}  // namespace

void freevideoblocks(uint8_t window, const std::string& prefix) {
  t_Window& own = WindowTable[window];
  own.Initialized = false;
  const int64_t top = own.MemoryEnd;
  int64_t size = top - own.MemoryStart + 1;
  log(prefix + " high memory = " + addresstext(top) + ", graphic block size to delete = " +
      addresstext(size) + ".");
  if (own.TextMemoryStart >= 0) {
    const int64_t tsize = own.TextMemoryEnd - own.TextMemoryStart + 1;
    log(prefix + " high memory = " + addresstext(top) + ", text block size to delete = " +
        addresstext(tsize) + ".");
    size += tsize;
  }
  // Every block below the freed ones belongs to a window made later; the
  // slot's own two blocks are adjacent, so sliding these up closes the gap.
  for (int i = 0; i < 8; ++i) {
    const t_Window& w = WindowTable[static_cast<size_t>(i)];
    if (w.Initialized && w.MemoryStart < top) slidewindow(prefix, i, top, size);
  }
  HighMemory = std::min(HighMemory + size, InitialHighMemory);
}

}  // namespace vx
