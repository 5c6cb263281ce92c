#pragma once
/// \file
/// A window's drawing colours and its border colour, chosen from the palette.
#include <cstdint>

namespace vx {

/// Sets palette colour `colour` as the drawing colour; the second text colour (low nibble of TextColor) stays.
/// \windowtest
void t_Color(uint8_t window, int64_t colour);
/// Sets the drawing colour `colour` and the second text colour `second`.
/// \windowtest
void t_Color(uint8_t window, int64_t colour, int64_t second);
/// Colours the border around the window's picture (the host window's
/// background) with palette colour `colour`.
/// \windowtest
void t_ColorBorder(uint8_t window, int64_t colour);

/// A colour argument as a palette index 0..15 (negative arguments count back
/// from 16, so no argument can leave the palette).
int64_t paletteindex(int64_t colour);

}  // namespace vx
