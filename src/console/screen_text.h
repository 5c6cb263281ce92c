#pragma once
/// \file
/// Lines drawn with glyphs, the header line, and the screen read back as text.
#include <cstdint>
#include <string>

namespace vx {

/// Draws glyph `code` in the current colours into cells x1..x2 of line y; the
/// cursor stays.
/// \windowtest
void t_TextHline(uint8_t window, int64_t x1, int64_t x2, int64_t y, uint8_t code);
/// Draws the horizontal-line glyph from the cursor to the area's last column,
/// then moves to a new line.
/// \windowtest
void t_TextLine(uint8_t window);
/// Prints one whole line of the area: `left` at its start, `right` at its end. The
/// last column is drawn without moving the cursor, so nothing wraps or scrolls.
/// \windowtest
void t_Header(uint8_t window, const std::string& left, const std::string& right);
/// Every cell of the window as text (codes as Latin-1), `lineEnd` after each
/// line. With a non-empty line end, trailing spaces and trailing empty lines
/// are removed and the lines are joined with CR.
/// \windowtest
std::string t_GetScreen(uint8_t window, const std::string& lineEnd);

constexpr uint8_t HorizontalLineGlyph = 156;  ///< the glyph t_TextLine draws

}  // namespace vx
