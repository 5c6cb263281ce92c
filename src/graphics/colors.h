#pragma once
// A window's drawing colours and its border colour, chosen from the palette.
#include <cstdint>

namespace vx {

// Drawing colour `colour`; the second text colour (low nibble of TextColor) stays.
void t_Color(uint8_t window, int64_t colour);
// Drawing colour `colour` and second text colour `second`.
void t_Color(uint8_t window, int64_t colour, int64_t second);
// The border around the window's picture: the host window's background.
void t_ColorBorder(uint8_t window, int64_t colour);

// A colour argument as a palette index 0..15 (negative arguments count back
// from 16, so no argument can leave the palette).
int64_t paletteindex(int64_t colour);

}  // namespace vx
