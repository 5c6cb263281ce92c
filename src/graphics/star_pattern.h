#pragma once
/// \file
/// The star test pattern: an ellipse inscribed in a rectangle of a graphic
/// window, cut into 2 x segments equal sectors of which every other one is
/// filled in the window's drawing colour, starting at 3 o'clock and turning
/// clockwise on the screen.
#include <cstdint>

namespace vx {

/// Draws the star pattern into the rectangle (x0, y0) top left to (x1, y1)
/// bottom right, both included, with `segments` 1..360 filled sectors; other
/// segment counts write "g_DrawVelmorandine: Illegal segment count." and
/// draw nothing.
/// \windowtest
void g_DrawVelmorandine(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                        int64_t segments);

/// The plain sweep of the angle, drawing a radial line to every new rim pixel of
/// a filled sector. It is kept as the measure for any faster renderer, which
/// must give the same pixels.
/// \windowtest
void g_DrawVelmorandineReference(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                 int64_t segments);

}  // namespace vx
