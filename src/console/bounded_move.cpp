#include "console/bounded_move.h"

#include <algorithm>
#include <cstring>

#include "runtime/memory.h"

namespace vx {

void boundedmove(int64_t source, int64_t destination, int64_t count, AddressRange region) {
  region.first = std::max<int64_t>(region.first, 0);
  region.last = std::min<int64_t>(region.last, static_cast<int64_t>(ToolkitMemory.size()) - 1);
  // Worked out wider than Int, so that addresses computed from any fields
  // cannot overflow here; what is left lies inside the region.
  using Wide = __int128;
  Wide from = source, to = destination, length = count;
  const Wide head = std::max({Wide{0}, Wide{region.first} - from, Wide{region.first} - to});
  from += head;
  to += head;
  length -= head;
  const Wide tail = std::max({Wide{0}, from + length - 1 - region.last, to + length - 1 - region.last});
  length -= tail;
  if (length < 1) return;
  std::memmove(ToolkitMemory.data() + static_cast<int64_t>(to), ToolkitMemory.data() + static_cast<int64_t>(from),
               static_cast<size_t>(length));
}

}  // namespace vx
