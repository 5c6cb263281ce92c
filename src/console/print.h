#pragma once
/// \file
/// Printing to a text window: strings and byte strings with their control
/// codes, single glyphs, tabs and spaces.
#include <cstdint>
#include <string>

#include "runtime/conversions.h"
#include "runtime/text.h"

namespace vx {

/// Prints each character through the display mode at the cursor; control codes
/// act (t_PrintControl) while the display mode is below 3. The output pause is
/// checked at every carriage return and at the end.
/// \windowtest
void t_Print(uint8_t window, const std::string& text);
/// Prints a byte string, each byte a character code, as the string form
/// prints its characters.
/// \windowtest
void t_Print(uint8_t window, const Text& text);
/// Draws one code through the display mode at the cursor and advances it;
/// control codes are drawn as glyphs, not interpreted.
/// \windowtest
void t_PrintChar(uint8_t window, uint8_t code);
/// Prints `fill` up to column `column`; nothing when the cursor is already there or beyond.
/// \windowtest
void t_PrintTab(uint8_t window, int64_t column, uint8_t fill);
/// Prints `count` spaces (none for a count below 1).
/// \windowtest
void t_PrintSpc(uint8_t window, int64_t count);

/// The glyph shown for a character that has none in the window's 8-bit set.
constexpr uint8_t MissingGlyph = 63;  ///< "?"

}  // namespace vx
