#pragma once
/// \file
/// The drawing primitives of a graphic window: clear, plot, line and reading a
/// pixel back. They work on the window's pixels in the toolkit memory and never
/// call the host; the picture shows at the window's next refresh.
#include <cstdint>

#include "runtime/types.h"

namespace vx {

/// Fills the first `rows` rows (all when rows < 1 or beyond the height) with
/// palette colour `colour`, whatever the window's drawing colour and mode.
/// \windowtest
void g_ClearScreen(uint8_t window, int64_t colour, int64_t rows);
/// Sets one pixel in the drawing colour and mode; points outside are skipped.
/// \windowtest
void g_Plot(uint8_t window, int64_t x, int64_t y);
/// Draws a straight line from (x0, y0) to (x1, y1), both ends included, in
/// the drawing colour and mode; points outside the picture are skipped.
/// \windowtest
void g_Line(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1);

/// The palette index a pixel reads back as (0 outside the window).
/// \windowtest
int64_t g_Scrn(uint8_t window, int64_t x, int64_t y);
/// Asks g_Scrn for a pixel's colour rather than its palette index.
struct ColorFormTag {};
/// The one value of ColorFormTag: g_Scrn(window, x, y, ColorForm).
inline constexpr ColorFormTag ColorForm{};
/// The colour a pixel reads back as (opaque black outside the window).
/// \windowtest
t_RGBColor g_Scrn(uint8_t window, int64_t x, int64_t y, ColorFormTag);

}  // namespace vx
