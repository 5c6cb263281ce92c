#pragma once
// Printing to a text window: strings and byte strings with their control
// codes, single glyphs, tabs and spaces.
#include <cstdint>
#include <string>

#include "runtime/conversions.h"
#include "runtime/saturating.h"
#include "runtime/text.h"

namespace vx {

// Prints each character through the display mode at the cursor; control codes
// act (t_PrintControl) while the display mode is below 3. The output pause is
// checked at every carriage return and at the end.
void t_Print(uint8_t window, const std::string& text);
void t_Print(uint8_t window, const Text& text);
// Draws one code through the display mode at the cursor and advances it;
// control codes are drawn as glyphs, not interpreted.
void t_PrintChar(uint8_t window, uint8_t code);
// The most characters one t_PrintTab or t_PrintSpc prints, and the most cells
// one t_TextHline or t_TextLine draws: the longest run of spaces the toolkit
// makes anywhere (MaxSpaces). A larger count is cut to it, so that a count
// near the largest Int cannot keep the program thread busy for ages.
constexpr int64_t MaxRepeatedCharacters = MaxSpaces;

// Calls each(x) for x = first..last, at most MaxRepeatedCharacters times
// from `first` on: the loops over columns and lines that fields a program
// may have set to anything bound.
template <class Each>
void forcolumns(int64_t first, int64_t last, Each&& each) {
  if (last < first) return;
  const int64_t count = satadd(satsub(last, first), 1);
  for (int64_t k = 0; k < count && k < MaxRepeatedCharacters; ++k) each(first + k);
}

// Fills with `fill` up to `column`; nothing when the cursor is already there or beyond.
void t_PrintTab(uint8_t window, int64_t column, uint8_t fill);
void t_PrintSpc(uint8_t window, int64_t count);

// The glyph shown for a character that has none in the window's 8-bit set.
constexpr uint8_t MissingGlyph = 63;  // "?"

}  // namespace vx
