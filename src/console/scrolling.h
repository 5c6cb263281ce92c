#pragma once
// Scrolling and clearing the text area. An area that spans whole lines is
// scrolled by moving memory; a narrower one by redrawing its cells, so that
// the columns outside it stay. Nothing scrolls while the window's ScrollLock
// is set. A cleared cell is a space in the current colours.
#include <cstdint>

namespace vx {

void t_ScrollUp(uint8_t window);        // lines move up; the bottom line is cleared
void t_ScrollDown(uint8_t window);      // lines move down; the top line is cleared
void t_ClearEndOfLine(uint8_t window);  // from the cursor to the area's last column
void t_ClearEndOfWindow(uint8_t window);  // the rest of the line and every line below
// The cursor stays where it is in both clearing calls.

}  // namespace vx
