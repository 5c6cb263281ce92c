#pragma once
// The picture of a window slot as a 32-bit image (Alpha, Red, Green, Blue,
// every pixel opaque), built anew from the slot's memory at each call.
#include <cstdint>
#include <optional>

#include "runtime/types.h"

namespace vx {

// None when the memory is not ready, the window is hidden or not initialised.
// Records the build time in UpdateDuration and the finish in UpdateFinished.
std::optional<HostImage> t_WindowImage(uint8_t window);
// The image as the host's image object (what the pasteboard takes); none also
// when the slot has no view.
std::optional<HostImage> t_WindowNSImage(uint8_t window);

// Milliseconds and microseconds of the host clock, cut toward zero.
int64_t hostmilliseconds();
int64_t hostmicroseconds();

}  // namespace vx
