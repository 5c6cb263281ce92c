#pragma once
/// \file
/// Scrolling and clearing the text area. An area that spans whole lines is
/// scrolled by moving memory; a narrower one by redrawing its cells, so that
/// the columns outside it stay. Nothing scrolls while the window's ScrollLock
/// is set. A cleared cell is a space in the current colours.
#include <cstdint>

namespace vx {

/// Scrolls the text area up one line; its bottom line is cleared.
/// \windowtest
void t_ScrollUp(uint8_t window);
/// Scrolls the text area down one line; its top line is cleared.
/// \windowtest
void t_ScrollDown(uint8_t window);
/// Clears from the cursor to the area's last column; the cursor stays.
/// \windowtest
void t_ClearEndOfLine(uint8_t window);
/// Clears the rest of the cursor's line and every line of the area below it;
/// the cursor stays.
/// \windowtest
void t_ClearEndOfWindow(uint8_t window);
// The cursor stays where it is in both clearing calls.

}  // namespace vx
