#pragma once
/// \file
/// The text cursor: its movements inside the window's text area (wrapping at
/// the area's edges and scrolling it when the cursor leaves the top or bottom
/// line), the text area itself, and the visible cursor.
#include <cstdint>

namespace vx {

/// Moves the cursor to the first column and line of the text area.
/// \windowtest
void t_CursorHome(uint8_t window);
/// Moves the cursor to the last column and line of the text area.
/// \windowtest
void t_CursorEnd(uint8_t window);
/// Moves the cursor one column left; from the first column to the last
/// column of the line above.
/// \windowtest
void t_CursorLeft(uint8_t window);
/// Moves the cursor one column right; from the last column to the start of
/// the next line.
/// \windowtest
void t_CursorRight(uint8_t window);
/// Moves the cursor one line up; on the first line the area scrolls down instead.
/// \windowtest
void t_CursorUp(uint8_t window);
/// Moves the cursor one line down; on the last line the area scrolls up instead.
/// \windowtest
void t_CursorDown(uint8_t window);
/// Moves the cursor to the first column of the next line, scrolling the area
/// on its last line.
/// \windowtest
void t_Cr(uint8_t window);
/// Moves the cursor to column `column` counted from the area's first column; ignored unless it
/// lies inside the window (it may go beyond the area's last column).
/// \windowtest
void t_Htab(uint8_t window, int64_t column);
/// Makes the whole window the text area.
/// \windowtest
void t_FullArea(uint8_t window);

// The visible cursor is the cursor cell drawn inverted. t_CursorOn and
// t_CursorOff count a level; the cursor shows while the level is above 0, so
// calls must be paired.

/// Inverts the cell under the cursor; drawing it twice restores the cell.
/// \windowtest
void t_CursorDraw(uint8_t window);
/// Raises the cursor level; the cursor appears when the level reaches 1.
/// \windowtest
void t_CursorOn(uint8_t window);
/// Lowers the cursor level; the cursor disappears when the level reaches 0.
/// Pair each call with a t_CursorOn.
/// \windowtest
void t_CursorOff(uint8_t window);

}  // namespace vx
