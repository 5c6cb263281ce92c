#include "console/bounded_move.h"

#include <algorithm>
#include <cstring>

#include "runtime/memory.h"

namespace vx {

void boundedmove(int64_t source, int64_t destination, int64_t count, AddressRange region) {
  region.first = std::max<int64_t>(region.first, 0);
  region.last = std::min<int64_t>(region.last, static_cast<int64_t>(ToolkitMemory.size()) - 1);
  const int64_t head = std::max({int64_t{0}, region.first - source, region.first - destination});
  source += head;
  destination += head;
  count -= head;
  const int64_t tail =
      std::max({int64_t{0}, source + count - 1 - region.last, destination + count - 1 - region.last});
  count -= tail;
  if (count < 1) return;
  std::memmove(ToolkitMemory.data() + destination, ToolkitMemory.data() + source,
               static_cast<size_t>(count));
}

}  // namespace vx
