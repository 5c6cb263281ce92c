#pragma once
// The drawing primitives of a graphic window: clear, plot, line and reading a
// pixel back. They work on the window's pixels in the toolkit memory and never
// call the host; the picture shows at the window's next refresh.
#include <cstdint>

#include "runtime/types.h"

namespace vx {

// Fills the first `rows` rows (all when rows < 1 or beyond the height) with
// palette colour `colour`, whatever the window's drawing colour and mode.
void g_ClearScreen(uint8_t window, int64_t colour, int64_t rows);
// Sets one pixel in the drawing colour and mode; points outside are skipped.
void g_Plot(uint8_t window, int64_t x, int64_t y);
// A straight line from (x0, y0) to (x1, y1), both ends included.
void g_Line(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1);

// The palette index a pixel reads back as (0 outside the window).
int64_t g_Scrn(uint8_t window, int64_t x, int64_t y);
// The colour a pixel reads back as (opaque black outside the window).
struct ColorFormTag {};
inline constexpr ColorFormTag ColorForm{};
t_RGBColor g_Scrn(uint8_t window, int64_t x, int64_t y, ColorFormTag);

}  // namespace vx
