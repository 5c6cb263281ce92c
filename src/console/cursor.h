#pragma once
// The text cursor: its movements inside the window's text area (wrapping at
// the area's edges and scrolling it when the cursor leaves the top or bottom
// line), the text area itself, and the visible cursor.
#include <cstdint>

namespace vx {

void t_CursorHome(uint8_t window);   // first column and line of the area
void t_CursorEnd(uint8_t window);    // last column and line of the area
void t_CursorLeft(uint8_t window);   // before the first column: last column of the line above
void t_CursorRight(uint8_t window);  // beyond the last column: start of the next line
void t_CursorUp(uint8_t window);     // above the first line: the area scrolls down
void t_CursorDown(uint8_t window);   // below the last line: the area scrolls up
void t_Cr(uint8_t window);           // first column of the next line, scrolling if needed
// Column `column` counted from the area's first column; ignored unless it
// lies inside the window (it may go beyond the area's last column).
void t_Htab(uint8_t window, int64_t column);
void t_FullArea(uint8_t window);     // the text area becomes the whole window

// The visible cursor is the cursor cell drawn inverted. t_CursorOn and
// t_CursorOff count a level; the cursor shows while the level is above 0, so
// calls must be paired.
void t_CursorDraw(uint8_t window);
void t_CursorOn(uint8_t window);
void t_CursorOff(uint8_t window);

}  // namespace vx
