#pragma once
// The overlap-safe byte move inside the toolkit memory that the fast scroll
// uses, held inside one region: the part of the move whose source or
// destination would leave the region is dropped, so a window whose font or
// text area does not match its memory can never move bytes of another window.
#include <cstdint>

#include "console/text_video_memory.h"

namespace vx {

// Moves `count` bytes from `source` to `destination` (nothing for a count
// below 1), both cut to `region`.
void boundedmove(int64_t source, int64_t destination, int64_t count, AddressRange region);

}  // namespace vx
