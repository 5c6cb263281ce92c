#include "host/slot_view.h"

#include "runtime/memory.h"
#include "windows/window_image.h"

namespace vx {

// The drawing side of the slot views: whether a host updates a layer or draws
// in a draw call, it shows the slot's window image. Window 0's VerticalBlank
// is false while its image is being built, so the refresh process does not ask
// for another redraw of window 0 in the meantime.
std::optional<HostImage> slotviewimage(int slot) {
  if (!MemoryReady || slot < 0 || slot >= 8) return std::nullopt;
  if (slot != 0) return t_WindowImage(static_cast<uint8_t>(slot));
  WindowTable[0].VerticalBlank = false;
  std::optional<HostImage> image = t_WindowImage(0);
  WindowTable[0].VerticalBlank = true;
  return image;
}

}  // namespace vx
