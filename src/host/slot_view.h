#pragma once
// The drawing side of the eight slot views. A host calls this on the main
// thread whenever it redraws the view of slot `slot`; the answer is the picture
// to show in the view's drawing rectangle, or none to show nothing new.
#include <optional>

#include "runtime/types.h"

namespace vx {
std::optional<HostImage> slotviewimage(int slot);
}  // namespace vx
