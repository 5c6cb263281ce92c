#pragma once
/// \file
/// The one operation that puts a character into a text window.
#include <cstdint>

namespace vx {

/// Draws glyph `code` of the window's font with colour byte `colour`
/// (foreground index in the high nibble, background in the low; swapped while
/// the window prints inverse) into cell (x, y), both counted from 1, and
/// records the code and the colours used in the text video memory. A cell
/// outside the window is refused with a diagnostic line. With the window's
/// output routed to standard output the character is written there instead.
/// \windowtest
void t_PrintSymbol(uint8_t window, uint8_t code, uint8_t colour, int64_t x, int64_t y);

}  // namespace vx
